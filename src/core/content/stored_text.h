#pragma once

#include "core/content/file_bytes.h"
#include "core/content/utf8_text.h"

#include <QString>

namespace lesson {

// One text of the lesson's store. A text read from one of the lesson's
// files keeps the file's UTF-8 bytes (LF line ends) and is decoded, with
// CR LF line ends, each time it is read: the lesson carries some 250 KB of
// text, most of which a pupil never opens, and the program's own pages hold
// the bytes already. A text set while the lesson runs is kept as given.
class StoredText {
public:
    StoredText() = default;
    // Implicit, so that a text is set by assigning a QString.
    StoredText(const QString &text)
        : m_text(text)
    {
    }
    // A text file's bytes; they are shared, not copied.
    static StoredText fromUtf8File(const FileBytes &file);

    // The text with CR LF line ends. A file that is not strictly UTF-8 or
    // holds a CR (check() tells) is still read as far as Qt's decoder can,
    // with its lines ending in CR LF.
    QString text() const;
    bool isEmpty() const;
    // The length of text() in UTF-16 units, CR LF counting as two.
    qsizetype size() const { return text().size(); }
    // What keeps the text's file from being read strictly; None for a text
    // set while the lesson runs.
    TextFault check() const;

    bool operator==(const StoredText &other) const { return text() == other.text(); }

private:
    QString m_text;
    FileBytes m_file;
    bool m_fromFile = false;
};

} // namespace lesson
