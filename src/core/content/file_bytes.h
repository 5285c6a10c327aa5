#pragma once

#include <QByteArray>
#include <QString>

namespace lesson {

// The bytes of one of the lesson's files: either held, or named by their
// path among the program's compiled-in files and read where they lie each
// time they are asked for. A named file costs no memory until it is read:
// even looking up its size brings its page of the program into memory.
class FileBytes {
public:
    FileBytes() = default;
    static FileBytes held(const QByteArray &bytes);
    // path: ":/lesson/points/1.txt"; the file is stored uncompressed.
    static FileBytes compiledIn(const QString &path);

    // The bytes, shared with the program's own pages for a compiled-in
    // file; empty when there are none.
    QByteArray bytes() const;
    // Without reading a compiled-in file's bytes.
    bool isCompiledIn() const { return !m_path.isEmpty(); }
    // True when both stand for the same bytes; only reads the bytes of
    // two different files.
    bool sameBytes(const FileBytes &other) const;

private:
    QByteArray m_bytes;
    QString m_path;
};

} // namespace lesson
