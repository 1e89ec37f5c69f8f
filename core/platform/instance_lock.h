// One running copy per user and machine: a lock held for the life of the process.
#pragma once

#include <QString>
#include <memory>

namespace velmora {

class InstanceLock {
 public:
  // The lock file's path for a name: the user's own, in the temporary folder.
  static QString PathFor(const QString& name);

  explicit InstanceLock(QString path);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // False only when another process holds the lock. A lock file that cannot be opened at all
  // does not keep the program from running: it cannot say that another copy runs.
  bool TryLock();

 private:
  QString path_;
  struct Held;
  std::unique_ptr<Held> held_;
};

}  // namespace velmora
