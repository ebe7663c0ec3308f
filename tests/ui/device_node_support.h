#pragma once

// A character device for tests of writes that must refuse one. As root (who
// could replace any node in /dev) it is a null device made in the test's own
// folder, so that a fault in the code under test harms only that copy;
// otherwise it is /dev/null, which a user cannot replace.

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QFile>
#include <QString>

namespace kalmo::test {

// A device node path to link to; `folder` is the test's temporary folder.
inline QString deviceNode(const QString& folder) {
  if (geteuid() != 0) return QStringLiteral("/dev/null");
  const QString node = folder + QStringLiteral("/null-device");
  if (!QFile::exists(node)) {
    mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 3));
  }
  return node;
}

}  // namespace kalmo::test
