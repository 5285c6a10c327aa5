#pragma once

#include <QString>

namespace lesson {

// Lets the owner write the file named by path, as a file copied from a CD
// arrives read-only. Only a plain file named directly is changed: when path
// is a symbolic link, a folder or anything else, nothing is touched, so a
// link in the lesson's folder cannot change a file elsewhere. Returns true
// when the mode was changed or already allowed the owner to write.
bool makeWritableForOwner(const QString &path);

} // namespace lesson
