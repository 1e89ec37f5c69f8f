#!/usr/bin/env bash
# Builds the Debian package of a build folder, as a school's technician gets it, and checks it the
# way the people who look after school desktops do: lintian, with any error or warning failing.
# Also checks that the dependencies came from what the binaries link, since a cpack without
# dpkg-shlibdeps quietly writes only the fonts. Exits 77 (skipped) where the tools are missing.
#   debian_package_check.sh BUILD_FOLDER CPACK
set -euo pipefail

build=$1
cpack=$2
for tool in lintian dpkg-shlibdeps dpkg-deb file; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (packages lintian, dpkg-dev, file)"
    exit 77
  fi
done

out="$build/debian-package-check"
rm -rf "$out"
mkdir -p "$out"
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  exit 1
fi
package=$(find "$out" -maxdepth 1 -name 'velmora_*.deb' -print -quit)
[ -n "$package" ] || { echo "cpack wrote no velmora_*.deb"; cat "$out/cpack.log"; exit 1; }

status=0
depends=$(dpkg-deb --field "$package" Depends)
echo "Depends: $depends"
names=$(sed -E 's/ *\([^)]*\)//g; s/, */\n/g' <<<"$depends")
for needed in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6multimedia6 fonts-liberation2; do
  if ! grep -Fqx "$needed" <<<"$names"; then
    echo "Depends lacks $needed"
    status=1
  fi
done

report=$(lintian --fail-on error,warning "$package" 2>&1) || status=1
# Root is fine here: lintian only reads the package.
grep -v 'running with root privileges' <<<"$report" || true
[ "$status" -ne 0 ] || echo "lintian: no error, no warning"
exit "$status"
