#include "core/platform/instance_lock.h"

#include <QDir>
#include <QFile>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#else
#include <QCoreApplication>
#include <QLockFile>
#endif

namespace velmora {

#if defined(Q_OS_UNIX)

// An advisory lock on a file that stays: the system lets it go when the process ends, however it
// ends, so a crashed run never blocks the next one, and taking it writes nothing to the disk.
struct InstanceLock::Held {
  int descriptor = -1;
  ~Held() {
    if (descriptor >= 0) ::close(descriptor);
  }
};

QString InstanceLock::PathFor(const QString& name) {
  return QDir(QDir::tempPath()).filePath(name + QLatin1Char('-') + QString::number(::getuid()) + QStringLiteral(".lock"));
}

bool InstanceLock::TryLock() {
  if (held_) return true;
  const QByteArray path = QFile::encodeName(path_);
  const int descriptor = ::open(path.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (descriptor < 0) return true;
  if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    const bool heldElsewhere = errno == EWOULDBLOCK;
    ::close(descriptor);
    return !heldElsewhere;
  }
  held_ = std::make_unique<Held>();
  held_->descriptor = descriptor;
  return true;
}

#else

struct InstanceLock::Held {
  explicit Held(const QString& path) : file(path) {}
  QLockFile file;
};

QString InstanceLock::PathFor(const QString& name) {
  return QDir(QDir::tempPath()).filePath(name + QStringLiteral(".lock"));
}

bool InstanceLock::TryLock() {
  if (held_) return true;
  auto held = std::make_unique<Held>(path_);
  // Never stale by age: only a lock whose process has gone is taken over.
  held->file.setStaleLockTime(0);
  if (held->file.tryLock(0)) {
    held_ = std::move(held);
    return true;
  }
  return held->file.error() != QLockFile::LockFailedError;
}

#endif

InstanceLock::InstanceLock(QString path) : path_(std::move(path)) {}
InstanceLock::~InstanceLock() = default;

}  // namespace velmora
