#pragma once

#include "core/content/content_store.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tezomat_config {

// What the teacher's programs show about the lesson beside its settings:
// names of the points and tasks, and the text lengths the viewing times are
// computed from.
struct LessonFacts {
    QString id;                     // "TAVN7": base name of the configuration file
    QString topic;                  // "Полиноми и уравнения"
    QStringList pointTitles;        // plan point k at k - 1, without its code prefix
    QList<qint64> pointTextLengths; // characters of point k's text, CR LF counting two
    int taskCount = 0;              // tasks with a statement (1 to taskCount)
    int catalogueSize = 0;          // task labels in the catalogue, statement or not
    QStringList solutionTypes;      // task t at t - 1: "Хорнер", "прогресия", ...
};

LessonFacts lessonFacts(const lesson::ContentStore &store);

// The facts of the lesson built into the program, read once; nothing when
// the lesson's data in the program are damaged.
const std::optional<LessonFacts> &builtInLesson();

// The identifier of the lesson built into the program ("TAVN7").
std::optional<QString> builtInLessonId();

// Seconds as a teacher reads them: "45 с", "2 мин", "4 мин 10 с", "1 ч 5 мин".
QString durationText(qint64 seconds);

// A point's viewing time as the lesson computes it, 2 + length x factor /
// 100 seconds, written with a decimal comma: "155,35 с".
QString viewingTimeShown(qint64 textLength, int factor);

// Time unit of a difficulty level as the lesson's task clock applies it:
// seconds up to level 1, tens of seconds up to 2, thousands above.
int levelUnitSeconds(int level);

} // namespace tezomat_config
