#include "core/tasks/answers_file.h"

#include "core/content/number_text.h"
#include "core/tasks/written_file.h"

namespace lesson {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Any line break of a typed text (CR LF, a lone LF or a lone CR) becomes
// CR LF, the only line end of the file.
QString withCrLf(const QString &text)
{
    QString lines = text;
    lines.replace(kCrLf, QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines.replace(QLatin1Char('\n'), kCrLf);
    return lines;
}

} // namespace

QString answersHeading()
{
    return QStringLiteral("Има въведен текст по следните задачи:");
}

QString answersFileName(int flag31)
{
    return flag31 == 1 ? QStringLiteral("OTGOWOR2.TXT") : QStringLiteral("OTGOWORI.TXT");
}

QString formatAnswersFile(const ItemList &answers, int taskCount)
{
    QString text = answersHeading() + kCrLf;
    for (int t = 1; t <= taskCount; ++t) {
        const QString answer = answers.read(t);
        if (answer.size() <= 5)
            continue;
        text += QStringLiteral("Задача ") + Str(t) + kCrLf;
        text += withCrLf(answer) + kCrLf;
    }
    return text;
}

QByteArray answersFileBytes(const ItemList &answers, int taskCount)
{
    return encodeWrittenText(formatAnswersFile(answers, taskCount));
}

} // namespace lesson
