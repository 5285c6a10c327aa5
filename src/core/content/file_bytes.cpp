#include "core/content/file_bytes.h"

#include <QResource>

namespace lesson {

FileBytes FileBytes::held(const QByteArray &bytes)
{
    FileBytes file;
    file.m_bytes = bytes;
    return file;
}

FileBytes FileBytes::compiledIn(const QString &path)
{
    FileBytes file;
    file.m_path = path;
    return file;
}

QByteArray FileBytes::bytes() const
{
    if (m_path.isEmpty())
        return m_bytes;
    const QResource resource(m_path);
    if (!resource.isValid() || !resource.data())
        return {};
    return resource.uncompressedData();
}

bool FileBytes::sameBytes(const FileBytes &other) const
{
    if (isCompiledIn() && m_path == other.m_path)
        return true;
    const QByteArray mine = bytes();
    const QByteArray theirs = other.bytes();
    // Copies share their bytes: no need to compare them.
    if (mine.constData() == theirs.constData() && mine.size() == theirs.size())
        return true;
    return mine == theirs;
}

} // namespace lesson
