#pragma once

#include "core/content/item_list.h"

#include <QByteArray>
#include <QString>

namespace lesson {

// The answers file: what the pupil typed for the tasks, recorded at the end
// of the lesson for the teacher. A heading line, then for every task whose
// answer is longer than five characters a line "Задача " with the task
// number in the classic Str form (so two blanks before it) and the answer
// itself, which may run over several lines. Lines end with CR LF.

// The file's name: one for lessons whose task texts are stored scrambled
// (mode flag 31 equal to 1), another for every other lesson.
QString answersFileName(int flag31);

// The file's first line.
QString answersHeading();

// The text of the file. `answers` holds task t's answer at item t; tasks 1
// to `taskCount` are looked at in order, items that do not exist read empty.
QString formatAnswersFile(const ItemList &answers, int taskCount);

// The file's bytes: Windows-1251 when every character fits, else UTF-8
// with a byte-order mark.
QByteArray answersFileBytes(const ItemList &answers, int taskCount);

} // namespace lesson
