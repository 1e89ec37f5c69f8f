#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets from a built data folder: small cuts of the real
files in the layouts the targets read. Run again when a target's input layout changes:
    python3 tests/fuzz/make_seeds.py build/app/velmora15_16 tests/fuzz/corpus
"""
import hashlib
import pathlib
import random
import struct
import sys

folder = pathlib.Path(sys.argv[1])
out = pathlib.Path(sys.argv[2])
rng = random.Random(17)


def read(name):
    return (folder / name.replace("\\", "/")).read_bytes()


def lines(name, count):
    return b"".join(read(name).splitlines(keepends=True)[:count])


def seed(target, data):
    path = out / target
    path.mkdir(parents=True, exist_ok=True)
    (path / ("seed-" + hashlib.sha1(data).hexdigest()[:12])).write_bytes(data)


# line_loaders: [loader][width] file
for loader, name, count in [(0, "cas\\fp", 40), (1, "cas\\informa", 30), (2, "cas\\artesplas", 40),
                            (3, "cas\\fp2", 40), (4, "cas\\itinerar", 30), (5, "cas\\fp", 60),
                            (6, "cas\\informa_l", 40), (7, "cas\\carreran", 40), (8, "cas\\asignafp", 78),
                            (9, "cas\\asignaot", 102), (10, "cas\\textos", 760), (11, "cas\\textos", 120)]:
    seed("line_loaders", bytes([loader, 60]) + lines(name, count))

# binary_readers: [reader] file
for reader, data in [(0, read("datluggm")[:200]), (1, read("datgrub")[:6200]), (2, read("datgrados")),
                     (3, b"\x00" + read("puntos3")[1:4000]), (3, b"\x01" + read("puntos3")[1:300]),
                     (4, read("comarcas")), (5, read("comarcasm")), (6, lines("lugar", 40)),
                     (7, b"\x64" + lines("dobles", 40)), (8, read("comuint")),
                     (9, read("datcarn")[:3000] + read("datcarnue")[:3000]), (10, read("clave16")),
                     (11, read("datfps")[:500])]:
    seed("binary_readers", bytes([reader]) + data)


def pack(files, script):
    data = b""
    for index, (name, content) in enumerate(files):
        if content is None:
            continue
        content = content[:65535]
        data += bytes([index]) + struct.pack("<H", len(content)) + content
    return data + b"\xff" + script


def script(length):
    return bytes(rng.randrange(256) for _ in range(length))


# degree_files: the files in the target's order, line files cut, binary files cut (the target pads).
degree_files = [
    ("cas\\materiasp", 10), ("cas\\carreran", 30), ("cas\\carrenue", 30), ("cas\\carreranb", 10), ("cas\\otros", 10),
    ("cas\\itinerar", 10), ("cas\\fp", 40), ("cas\\reqfp", 10), ("cas\\asignafp", 52), ("cas\\asignaot", 51),
    ("cas\\activida", 10), ("cas\\familias", 27), ("cas\\profesio", 10), ("cas\\fpba", 20), ("cas\\informa", 10),
    ("cas\\fp2", 40), ("cas\\asignagm", 52), ("comunida", 200), ("lugar", 30), ("comuint", 20),
    ("lu1", 30), ("lu2", 30), ("lu3", 30), ("lu4", 30), ("datgrub", -1200), ("datcarn", -800),
    ("datcarnue", -800), ("datgrados", -2000), ("datfps", -400), ("datluggs", -1500), ("dobles", 20),
    ("datluggm", -1500), ("datlugbas", -1500), ("comarcas", 60), ("comarcasm", 100), ("fami_estad.txt", 30),
    ("cas\\asignaba", 130), ("cas\\informa_l", 60), ("cas\\certifica", 60), ("cas\\certificah", 60),
]


def cut(name, amount):
    return read(name)[:-amount] if amount < 0 else lines(name, amount)


def every_operation():
    # The high cut-off threshold, then each place-model operation once: grade, operation, arguments.
    ops = bytes([rng.randrange(101)])
    for op in range(10):
        ops += bytes([op % 3, op]) + script(4)
    return ops


full = [(name, cut(name, amount)) for name, amount in degree_files]
for length in (16, 64):
    seed("degree_files", pack(full, script(length)))
for _ in range(3):
    seed("degree_files", pack(full, every_operation()))
# The titles and certificates after the place model: a basic title, a grade, a group, a title.
for _ in range(3):
    seed("degree_files", pack(full, every_operation() + bytes([rng.randrange(40), rng.randrange(21), 1, 1,
                                                                rng.randrange(11), rng.randrange(112), 1])))
# One without the vocational files, one without a language file.
seed("degree_files", pack([(n, None if n in ("comarcas", "datluggm") else c) for n, c in full], script(8)))
seed("degree_files", pack([(n, None if n == "cas\\profesio" else c) for n, c in full], b""))

# The questionnaires' seeds (they carry the whole question files) are readable recipes in
# tests/fuzz/seeds/degree_files/, packed at build time.

pages = [("cas\\grados.txt", 150), ("grados.txt", None), ("cas\\master.txt", 60), ("cas\\asignaot", 102),
         ("cas\\artesplas", 70), ("cas\\musica", 40), ("cas\\danza", 40), ("cas\\dramatico", 40), ("cas\\carreran", 60)]
files = [(name, None if amount is None else lines(name, amount)) for name, amount in pages]
for length in (2, 4):
    seed("study_pages", pack(files, script(length)))
seed("study_pages", pack([("cas\\grados.txt", None), ("grados.txt", lines("cas\\grados.txt", 120))] + files[2:],
                         script(4)))
