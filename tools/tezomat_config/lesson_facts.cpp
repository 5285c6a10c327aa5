#include "lesson_facts.h"

#include "core/configuration/configuration_file.h"
#include "core/content/lesson_loader.h"
#include "core/tasks/task_clock.h"

namespace tezomat_config {

LessonFacts lessonFacts(const lesson::ContentStore &store)
{
    LessonFacts facts;
    facts.id = store.lessonId();
    const lesson::ItemList &plan = store.Plan_Tezo[0];
    facts.topic = plan.read(0);
    for (int k = 1; k < plan.count(); ++k) {
        facts.pointTitles.append(plan.read(k).mid(4));
        facts.pointTextLengths.append(
            k < int(store.Podtochki.size()) ? store.Podtochki[std::size_t(k)].size() : 0);
    }
    const lesson::ItemList &catalogue = store.Uslowie_L[0];
    facts.catalogueSize = std::max(0, catalogue.count() - 1);
    for (int t = 1; t <= facts.catalogueSize && t < int(store.Uslowie_L.size()); ++t) {
        if (store.Uslowie_L[std::size_t(t)].count() > 0)
            facts.taskCount = t;
        facts.solutionTypes.append(store.Wremena[6].read(t));
    }
    return facts;
}

const std::optional<LessonFacts> &builtInLesson()
{
    static const std::optional<LessonFacts> facts = []() -> std::optional<LessonFacts> {
        const lesson::LoadResult loaded = lesson::loadLessonStore();
        if (!loaded.store)
            return std::nullopt;
        return lessonFacts(*loaded.store);
    }();
    return facts;
}

std::optional<QString> builtInLessonId()
{
    if (!builtInLesson())
        return std::nullopt;
    return builtInLesson()->id;
}

QString durationText(qint64 seconds)
{
    if (seconds < 60)
        return QStringLiteral("%1 с").arg(seconds);
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds / 60 % 60;
    const qint64 rest = seconds % 60;
    QStringList parts;
    if (hours > 0)
        parts << QStringLiteral("%1 ч").arg(hours);
    if (minutes > 0)
        parts << QStringLiteral("%1 мин").arg(minutes);
    if (rest > 0)
        parts << QStringLiteral("%1 с").arg(rest);
    return parts.join(QLatin1Char(' '));
}

QString viewingTimeShown(qint64 textLength, int factor)
{
    QString text = lesson::viewingTimeText(textLength, qint16(factor));
    return text.replace(QLatin1Char('.'), QLatin1Char(',')) + QStringLiteral(" с");
}

int levelUnitSeconds(int level)
{
    return int(lesson::timeUnitForLevel(level));
}

} // namespace tezomat_config
