#include "core/system/file_mode.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lesson {

bool makeWritableForOwner(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    // Nothing but a plain file is even opened (a device may act on opening).
    struct stat named {};
    if (::lstat(name.constData(), &named) != 0 || !S_ISREG(named.st_mode))
        return false;
    // The mode is changed through a descriptor of the file just looked at,
    // opened without following a link, so nothing swapped in between the
    // look and the change is touched. O_NONBLOCK keeps a named pipe put there
    // meanwhile from holding the open.
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool writable = false;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_dev == named.st_dev &&
        st.st_ino == named.st_ino) {
        writable = (st.st_mode & S_IWUSR) != 0 || ::fchmod(fd, (st.st_mode & 07777) | S_IWUSR) == 0;
    }
    ::close(fd);
    return writable;
}

} // namespace lesson
