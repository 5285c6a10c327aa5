#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <unistd.h>

namespace lesson::test {

// Makes the current folder one in which no file can be written. An ordinary
// user gets a read-only folder; the superuser writes into any folder, so for
// it the current folder is removed instead (the process stays in it, and
// every write there fails just the same).
inline void makeCurrentFolderUnwritable()
{
    const QString here = QDir::currentPath();
    QFile::setPermissions(here, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (::geteuid() == 0)
        QDir(here).removeRecursively();
}

// Undoes the read-only mode so that the temporary folder can be removed.
inline void makeFolderWritableAgain(const QString &folder)
{
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace lesson::test
