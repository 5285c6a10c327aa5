#include "config_source.h"

#include <QFile>

#include "core/content/code_page.h"
#include "core/content/number_text.h"
#include "tool_text.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>

using lesson::ConfigFile;
using lesson::ConfigRecord;
using lesson::kConfigLabelCapacity;
using lesson::kConfigValueCount;

namespace tezomat_config {

namespace {

enum class Section { None, Lesson, Flags, Tasks, Points, Labels };

QString normalisedKey(const QString &key)
{
    return key.simplified().toLower().replace(QLatin1Char(' '), QLatin1Char('_'));
}

// A whole number written with digits and an optional sign; nothing else.
std::optional<qint64> wholeNumber(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]{1,12}$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    return text.toLongLong();
}

// The hundredths of a number with at most two decimals ("0.96" -> 96).
std::optional<qint64> hundredths(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,8})(?:[.,]([0-9]{1,2}))?$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    QString fraction = m.captured(2);
    while (fraction.size() < 2)
        fraction.append(QLatin1Char('0'));
    return m.captured(1).toLongLong() * 100 + fraction.toLongLong();
}

// Hundredths as a decimal text without trailing zeros (96 -> "0.96", 150 -> "1.5").
QString hundredthsText(qint64 value)
{
    const qint64 magnitude = value < 0 ? -value : value;
    QString text = QString::number(magnitude / 100);
    if (magnitude % 100 != 0) {
        text += QStringLiteral(".%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
        if (text.endsWith(QLatin1Char('0')))
            text.chop(1);
    }
    return value < 0 ? QLatin1Char('-') + text : text;
}

// A label as the teacher sees it; one whose length is out of range is
// damaged, and nothing of it is decoded.
QString labelShown(const ConfigRecord &record)
{
    if (record.labelLength > kConfigLabelCapacity)
        return QStringLiteral("(повреден: обявени са %1 знака)").arg(record.labelLength);
    if (record.labelLength == 0)
        return QStringLiteral("(празен)");
    return quoted(lesson::DecodeRecordText(record));
}

// A label the source can carry as it stands: the parser trims blanks,
// ends the line at '#' or ';' and refuses control characters.
bool labelFitsSource(const QString &label)
{
    if (label != label.trimmed() || label.contains(QLatin1Char('#')) ||
        label.contains(QLatin1Char(';')))
        return false;
    for (const QChar c : label) {
        if (isControl(c.unicode()))
            return false;
    }
    return true;
}

// "28 октомври 2009".
QString dateInWords(qint32 yyyymmdd)
{
    static const char *const months[] = {"януари",    "февруари", "март",    "април",
                                         "май",       "юни",      "юли",     "август",
                                         "септември", "октомври", "ноември", "декември"};
    const int month = yyyymmdd / 100 % 100;
    if (month < 1 || month > 12)
        return QString::number(yyyymmdd);
    return QStringLiteral("%1 %2 %3")
        .arg(yyyymmdd % 100)
        .arg(QString::fromUtf8(months[month - 1]))
        .arg(yyyymmdd / 10000);
}

bool isCalendarDay(qint32 yyyymmdd)
{
    return yyyymmdd >= 10000101 && yyyymmdd <= 99991231 &&
           QDate(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100).isValid();
}

// Numbers of the given list joined as "3, 5 и 7".
QString numbersText(const QList<int> &numbers)
{
    QStringList parts;
    for (const int n : numbers)
        parts << QString::number(n);
    if (parts.size() < 2)
        return parts.join(QString());
    const QString last = parts.takeLast();
    return parts.join(QStringLiteral(", ")) + QStringLiteral(" и ") + last;
}

class SourceParser {
public:
    SourceResult run(const QString &source);

private:
    bool fail(int line, const QString &message)
    {
        m_errorLine = line;
        m_error = message;
        return false;
    }
    bool parseLine(int line, const QString &text);
    bool enterSection(int line, const QString &name);
    bool assign(int line, const QString &key, const QString &value);
    bool lessonKey(int line, const QString &key, const QString &value);
    bool flagKey(int line, int k, const QString &value);
    bool tasksKey(int line, const QString &key, const QString &value);
    bool pointKey(int line, int k, const QString &value);
    bool labelKey(int line, int r, const QString &value);
    bool finish();

    bool number(int line, const QString &text, qint64 lo, qint64 hi, const QString &what,
                qint64 &out);
    bool numberedKey(int line, const QString &key, int lo, int hi, const QString &what, int &out);
    bool labelText(int line, const QString &text, const QString &what);
    bool firstTime(int line, const QString &key);

    ConfigFile m_file;
    Section m_section = Section::None;
    QHash<QString, int> m_seen; // section and key -> line
    int m_identifierLine = 0;
    int m_versionLine = 0;
    int m_dateLine = 0;
    int m_keptLine = 0;
    int m_offeredLine = 0;
    std::array<int, kConfigValueCount + 1> m_taskLine{};
    int m_errorLine = 0;
    QString m_error;
};

SourceResult SourceParser::run(const QString &source)
{
    QStringList lines = source.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.first().startsWith(QChar(0xFEFF)))
        lines.first().remove(0, 1);
    SourceResult result;
    bool ok = true;
    for (int i = 0; ok && i < lines.size(); ++i)
        ok = parseLine(i + 1, lines.at(i));
    if (ok)
        ok = finish();
    if (ok) {
        result.file = m_file;
    } else {
        result.errorLine = m_errorLine;
        result.error = m_error;
    }
    return result;
}

bool SourceParser::parseLine(int line, const QString &text)
{
    QString content = text;
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (content.at(i) == QLatin1Char('#') || content.at(i) == QLatin1Char(';')) {
            content.truncate(i);
            break;
        }
    }
    content = content.trimmed();
    if (content.isEmpty())
        return true;
    if (content.startsWith(QLatin1Char('['))) {
        if (!content.endsWith(QLatin1Char(']')))
            return fail(line, QStringLiteral("името на раздел трябва да завършва с „]“"));
        return enterSection(line, content.mid(1, content.size() - 2));
    }
    const qsizetype equals = content.indexOf(QLatin1Char('='));
    if (equals < 0)
        return fail(
            line, QStringLiteral("очаква се „ключ = стойност“, а редът е %1").arg(quoted(content)));
    const QString key = normalisedKey(content.left(equals));
    if (key.isEmpty())
        return fail(line, QStringLiteral("липсва ключ преди „=“"));
    return assign(line, key, content.mid(equals + 1).trimmed());
}

bool SourceParser::enterSection(int line, const QString &name)
{
    const QString key = normalisedKey(name);
    if (key == QStringLiteral("урок"))
        m_section = Section::Lesson;
    else if (key == QStringLiteral("режими"))
        m_section = Section::Flags;
    else if (key == QStringLiteral("задачи"))
        m_section = Section::Tasks;
    else if (key == QStringLiteral("точки"))
        m_section = Section::Points;
    else if (key == QStringLiteral("надписи"))
        m_section = Section::Labels;
    else
        return fail(line, QStringLiteral("непознат раздел [%1]; разделите са [урок], [режими], "
                                         "[задачи], [точки] и [надписи]")
                              .arg(escapeControls(name.trimmed())));
    return true;
}

bool SourceParser::firstTime(int line, const QString &key)
{
    const QString full = QString::number(int(m_section)) + QLatin1Char('/') + key;
    const auto seen = m_seen.constFind(full);
    if (seen != m_seen.cend())
        return fail(line,
                    QStringLiteral("%2 вече е зададено на ред %1").arg(*seen).arg(quoted(key)));
    m_seen.insert(full, line);
    return true;
}

bool SourceParser::number(int line, const QString &text, qint64 lo, qint64 hi, const QString &what,
                          qint64 &out)
{
    const std::optional<qint64> value = wholeNumber(text);
    if (!value || *value < lo || *value > hi) {
        return fail(line, QStringLiteral("%1 трябва да е цяло число от %2 до %3, а е %4")
                              .arg(what)
                              .arg(lo)
                              .arg(hi)
                              .arg(quoted(text)));
    }
    out = *value;
    return true;
}

bool SourceParser::numberedKey(int line, const QString &key, int lo, int hi, const QString &what,
                               int &out)
{
    const std::optional<qint64> value = wholeNumber(key);
    if (!value || *value < lo || *value > hi) {
        return fail(line, QStringLiteral("непознат ключ %4: %1 се номерират от %2 до %3")
                              .arg(what)
                              .arg(lo)
                              .arg(hi)
                              .arg(quoted(key)));
    }
    out = int(*value);
    return firstTime(line, QString::number(out));
}

bool SourceParser::labelText(int line, const QString &text, const QString &what)
{
    // Whole characters: an emoji is one character, quoted whole.
    const QList<uint> characters = text.toUcs4();
    for (const uint c : characters) {
        const QString one = QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1);
        if (isControl(c)) {
            return fail(line, QStringLiteral("%1 съдържа управляващия знак %2, който не може да "
                                             "бъде в надпис")
                                  .arg(what, quoted(one)));
        }
        if (one.size() != 1 || lesson::windows1251Code(one.at(0)) < 0) {
            return fail(line, QStringLiteral("%1 съдържа знака %2, който файлът с настройки не "
                                             "може да запише (допустими са кирилица, латиница, "
                                             "цифри и обичайните знаци)")
                                  .arg(what, quoted(one)));
        }
    }
    if (characters.size() > kConfigLabelCapacity) {
        return fail(line, QStringLiteral("%1 може да има най-много %2 знака, а %4 има %3")
                              .arg(what)
                              .arg(kConfigLabelCapacity)
                              .arg(characters.size())
                              .arg(quoted(text)));
    }
    return true;
}

bool SourceParser::assign(int line, const QString &key, const QString &value)
{
    switch (m_section) {
    case Section::None:
        return fail(line, QStringLiteral("ключът %1 стои преди първия раздел; започнете с [урок]")
                              .arg(quoted(key)));
    case Section::Lesson:
        return lessonKey(line, key, value);
    case Section::Flags: {
        int k = 0;
        return numberedKey(line, key, 1, kConfigValueCount, QStringLiteral("режимите"), k) &&
               flagKey(line, k, value);
    }
    case Section::Tasks:
        return tasksKey(line, key, value);
    case Section::Points: {
        int k = 0;
        return numberedKey(line, key, 1, kConfigValueCount, QStringLiteral("точките"), k) &&
               pointKey(line, k, value);
    }
    case Section::Labels: {
        int r = 0;
        return numberedKey(line, key, 1, lesson::kConfigRecordCount, QStringLiteral("записите"),
                           r) &&
               labelKey(line, r, value);
    }
    }
    return false;
}

bool SourceParser::lessonKey(int line, const QString &key, const QString &value)
{
    if (key == QStringLiteral("идентификатор")) {
        if (!firstTime(line, key))
            return false;
        if (value.isEmpty())
            return fail(line, QStringLiteral("идентификаторът на урока не може да е празен"));
        if (!labelText(line, value, QStringLiteral("идентификаторът на урока")))
            return false;
        m_file.records[3].setLabel(value);
        m_identifierLine = line;
        return true;
    }
    if (key == QStringLiteral("версия") || key == QStringLiteral("версия_стотни")) {
        if (m_versionLine > 0) {
            return fail(line, QStringLiteral("версията вече е зададена на ред %1 (използвайте "
                                             "или „версия“, или „версия_стотни“)")
                                  .arg(m_versionLine));
        }
        qint64 v = 0;
        if (key == QStringLiteral("версия")) {
            const std::optional<qint64> h = hundredths(value);
            if (!h || *h > kVersionMax) {
                return fail(line, QStringLiteral("версията трябва да е число с най-много две "
                                                 "цифри след точката (например 0.96), а е %1")
                                      .arg(quoted(value)));
            }
            v = *h;
        } else if (!number(line, value, 0, kVersionMax, QStringLiteral("версията в стотни"), v)) {
            return false;
        }
        m_file.records[2].Count = qint32(v);
        m_versionLine = line;
        return true;
    }
    if (key == QStringLiteral("дата")) {
        if (!firstTime(line, key))
            return false;
        static const QRegularExpression pattern(QStringLiteral("^[0-9]{8}$"));
        const bool digits = pattern.match(value).hasMatch();
        const QDate date =
            digits ? QDate(value.left(4).toInt(), value.mid(4, 2).toInt(), value.mid(6, 2).toInt())
                   : QDate();
        if (!date.isValid()) {
            return fail(line, QStringLiteral("датата трябва да е във вида ГГГГММДД (например "
                                             "20091028 за 28 октомври 2009), а е %1")
                                  .arg(quoted(value)));
        }
        m_file.records[3].Count = value.toInt();
        m_dateLine = line;
        return true;
    }
    return fail(line, QStringLiteral("непознат ключ %1 в раздел [урок]; ключовете там са "
                                     "идентификатор, версия (или версия_стотни) и дата")
                          .arg(quoted(key)));
}

bool SourceParser::flagKey(int line, int k, const QString &value)
{
    if (value != QStringLiteral("0") && value != QStringLiteral("1")) {
        return fail(line, QStringLiteral("режим %1 може да е само 0 (изключен) или 1 (включен), "
                                         "а е %2")
                              .arg(k)
                              .arg(quoted(value)));
    }
    m_file.records[0].Values[k - 1] = qint16(value.toInt());
    return true;
}

bool SourceParser::tasksKey(int line, const QString &key, const QString &value)
{
    if (key == QStringLiteral("задачи_запазени") || key == QStringLiteral("задачи_предложени")) {
        const bool kept = key == QStringLiteral("задачи_запазени");
        qint64 n = 0;
        if (!firstTime(line, key) || !number(line, value, 0, kTaskCountMax,
                                             kept ? QStringLiteral("броят на запазените задачи")
                                                  : QStringLiteral("броят на предложените задачи"),
                                             n))
            return false;
        m_file.records[kept ? 0 : 1].Count = qint32(n);
        (kept ? m_keptLine : m_offeredLine) = line;
        return true;
    }
    if (!wholeNumber(key)) {
        return fail(line, QStringLiteral("непознат ключ %1 в раздел [задачи]; ключовете там са "
                                         "задачи_запазени, задачи_предложени и номерата на "
                                         "задачите")
                              .arg(quoted(key)));
    }
    int t = 0;
    if (!numberedKey(line, key, 1, kConfigValueCount, QStringLiteral("задачите"), t))
        return false;
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != 3) {
        return fail(line, QStringLiteral("за задача %1 се очакват три числа, разделени със "
                                         "запетаи: ниво, време за упътване, общо време")
                              .arg(t));
    }
    qint64 level = 0;
    qint64 hint = 0;
    qint64 total = 0;
    if (!number(line, parts.at(0).trimmed(), kLevelMin, kLevelMax,
                QStringLiteral("нивото на задача %1").arg(t), level) ||
        !number(line, parts.at(1).trimmed(), 0, kTimeMax,
                QStringLiteral("времето за упътване на задача %1").arg(t), hint) ||
        !number(line, parts.at(2).trimmed(), 0, kTimeMax,
                QStringLiteral("общото време на задача %1").arg(t), total))
        return false;
    if (hint > total) {
        return fail(line, QStringLiteral("упътването на задача %1 (%2) идва след края на времето "
                                         "ѝ (%3); за урок без упътвания изключете режим 5")
                              .arg(t)
                              .arg(hint)
                              .arg(total));
    }
    m_file.records[1].Values[t - 1] = qint16(level);
    m_file.records[2].Values[t - 1] = qint16(hint);
    m_file.records[3].Values[t - 1] = qint16(total);
    m_taskLine[t] = line;
    return true;
}

bool SourceParser::pointKey(int line, int k, const QString &value)
{
    qint64 factor = 0;
    if (!number(line, value, 0, kFactorMax, QStringLiteral("коефициентът на точка %1").arg(k),
                factor))
        return false;
    m_file.records[4].Values[k - 1] = qint16(factor);
    return true;
}

bool SourceParser::labelKey(int line, int r, const QString &value)
{
    if (r == 4) {
        return fail(line, QStringLiteral("надписът на запис 4 е идентификаторът на урока; "
                                         "задайте го с „идентификатор = …“ в раздел [урок]"));
    }
    if (!labelText(line, value, QStringLiteral("надписът на запис %1").arg(r)))
        return false;
    m_file.records[r - 1].setLabel(value);
    return true;
}

bool SourceParser::finish()
{
    if (m_identifierLine == 0)
        return fail(0, QStringLiteral("липсва идентификаторът на урока: добавете "
                                      "„идентификатор = …“ в раздел [урок]"));
    if (m_versionLine == 0)
        return fail(0, QStringLiteral("липсва версията: добавете „версия = …“ (например 0.96) "
                                      "в раздел [урок]"));
    if (m_dateLine == 0)
        return fail(0, QStringLiteral("липсва датата: добавете „дата = ГГГГММДД“ в раздел [урок]"));
    if (m_keptLine == 0)
        return fail(0, QStringLiteral("липсва броят на запазените задачи: добавете "
                                      "„задачи_запазени = …“ в раздел [задачи]"));
    if (m_offeredLine == 0)
        return fail(0, QStringLiteral("липсва броят на предложените задачи: добавете "
                                      "„задачи_предложени = …“ в раздел [задачи]"));
    const int kept = m_file.records[0].Count;
    const int offered = m_file.records[1].Count;
    if (offered > kept) {
        return fail(m_offeredLine, QStringLiteral("предложени са %1 задачи, а урокът запазва "
                                                  "само %2 (задачи_запазени на ред %3)")
                                       .arg(offered)
                                       .arg(kept)
                                       .arg(m_keptLine));
    }
    for (int t = 1; t <= offered; ++t) {
        if (m_taskLine[t] == 0) {
            return fail(m_offeredLine, QStringLiteral("предложени са %1 задачи, а за задача %2 "
                                                      "няма ред „%2 = ниво, упътване, общо "
                                                      "време“ в раздел [задачи]")
                                           .arg(offered)
                                           .arg(t));
        }
    }
    return true;
}

} // namespace

QString SourceResult::errorText() const
{
    return errorLine > 0 ? QStringLiteral("ред %1: %2").arg(errorLine).arg(error) : error;
}

SourceResult parseConfigSource(const QString &source)
{
    return SourceParser().run(source);
}

QString modeFlagMeaning(int k)
{
    switch (k) {
    case 1:
        return QStringLiteral("списъкът със задачите е достъпен");
    case 3:
        return QStringLiteral("часовникът на задачата се вижда");
    case 4:
        return QStringLiteral("речникът е достъпен");
    case 5:
        return QStringLiteral("по време на задачата идва упътване");
    case 7:
        return QStringLiteral("командата „Цвят/шрифт“ е достъпна");
    case 8:
        return QStringLiteral("списъкът с описанието на нивата на задачите е достъпен");
    case 9:
        return QStringLiteral("„Допълнителен материал“ е достъпен");
    case 10:
        return QStringLiteral("учебният материал (планът на урока) е достъпен");
    case 11:
        return QStringLiteral("„Запис само решение“ е достъпен");
    case 12:
        return QStringLiteral("въведените отговори се записват във файл при изход");
    case 13:
        return QStringLiteral("лентата за времето на точката се вижда");
    case 14:
        return QStringLiteral("„Допълнително“ (още задачи) е достъпно от началото");
    case 15:
        return QStringLiteral("„Запис условие+решение“ се вижда");
    case 16:
        return QStringLiteral(
            "„Задачи/Речник“ е достъпно от началото и след всяка прочетена точка");
    case 17:
        return QStringLiteral("планът остава достъпен, докато тече времето на точката (при 0 "
                              "се заключва до края ѝ)");
    case 18:
        return QStringLiteral("повторно избрана точка продължава от оставащото си време");
    case 19:
        return QStringLiteral("„Държавни образователни изисквания“, „Цел на урока“ и лентата "
                              "на напредъка");
    case 20:
        return QStringLiteral("„Продължителност на урока“ и „Междупредметни връзки“");
    case 21:
        return QStringLiteral("„Цел на урока“ и „Вътрешно предметни връзки“");
    case 22:
        return QStringLiteral("„Междупредметни връзки“ и „Необходими пособия“");
    case 23:
        return QStringLiteral("„Вътрешно предметни връзки“ и „Ход на урока“");
    case 24:
        return QStringLiteral("командите „Фокус“ са достъпни");
    case 25:
        return QStringLiteral("по-трудна задача се отваря след потвърждение от ученика");
    case 26:
        return QStringLiteral("списъкът с типа на решенията е достъпен");
    case 31:
        return QStringLiteral("текстовете на задачите са записани кодирани");
    default:
        return QString();
    }
}

QString describeConfiguration(const ConfigFile &file)
{
    const ConfigRecord &flags = file.records[0];
    const ConfigRecord &levels = file.records[1];
    const ConfigRecord &hints = file.records[2];
    const ConfigRecord &totals = file.records[3];
    const ConfigRecord &reading = file.records[4];
    const ConfigRecord &unused = file.records[5];
    QStringList out;

    out << QStringLiteral("Урок (надпис на запис 4): %1").arg(labelShown(totals));
    out << QStringLiteral("Версия (запис 3): %1 (записано %2; в заглавието на урока: %3)")
               .arg(hundredthsText(hints.Count))
               .arg(hints.Count)
               .arg(quoted(lesson::Str(hints.Count / 100.0)));
    out << QStringLiteral("Дата (запис 4): %1").arg(totals.Count);
    out << QStringLiteral("Запазени задачи (запис 1): %1").arg(flags.Count);
    out << QStringLiteral("Предложени задачи (запис 2): %1").arg(levels.Count);

    out << QString()
        << QStringLiteral("Режими (запис 1; 1 = включен, всичко друго урокът "
                          "чете като изключен):");
    for (int k = 1; k <= kConfigValueCount; ++k) {
        const qint16 v = flags.Values[k - 1];
        const QString meaning = modeFlagMeaning(k);
        out << QStringLiteral("  %1 = %2  %3  %4")
                   .arg(k, 2)
                   .arg(v, 2)
                   .arg(v % 2 == 1 ? QStringLiteral("вкл. ") : QStringLiteral("изкл."))
                   .arg(meaning.isEmpty() ? QStringLiteral("(урокът не го използва)") : meaning);
    }

    out << QString()
        << QStringLiteral("Задачи (ниво: запис 2, упътване: запис 3, общо време: "
                          "запис 4; ниво 1 брои секунди, ниво 2 — десетки "
                          "секунди, по-високо — хиляди):");
    int lastTask = std::clamp(levels.Count, 0, kConfigValueCount);
    for (int t = 1; t <= kConfigValueCount; ++t) {
        if (levels.Values[t - 1] || hints.Values[t - 1] || totals.Values[t - 1])
            lastTask = std::max(lastTask, t);
    }
    out << QStringLiteral("  задача  ниво  упътване  общо време");
    for (int t = 1; t <= lastTask; ++t) {
        const int level = levels.Values[t - 1] % 10;
        const int unit = level <= 1 ? 1 : level <= 2 ? 10 : 1000;
        out << QStringLiteral("  %1  %2  %3  %4   (упътване след %5 с, край след %6 с)")
                   .arg(t, 6)
                   .arg(levels.Values[t - 1], 4)
                   .arg(hints.Values[t - 1], 8)
                   .arg(totals.Values[t - 1], 10)
                   .arg(qint64(unit) * hints.Values[t - 1])
                   .arg(qint64(unit) * totals.Values[t - 1]);
    }
    if (lastTask < kConfigValueCount) {
        out << QStringLiteral("  задачи %1 до %2: ниво 0, упътване 0, общо време 0")
                   .arg(lastTask + 1)
                   .arg(kConfigValueCount);
    }

    out << QString()
        << QStringLiteral("Коефициенти на четене (запис 5), в стотни от секундата "
                          "на знак; точка с текст от N знака получава "
                          "2 + N × коефициента / 100 секунди:");
    int lastPoint = 0;
    for (int k = 1; k <= kConfigValueCount; ++k) {
        if (reading.Values[k - 1])
            lastPoint = k;
    }
    for (int k = 1; k <= lastPoint; ++k)
        out << QStringLiteral("  точка %1: %2").arg(k).arg(reading.Values[k - 1]);
    if (lastPoint < kConfigValueCount)
        out << QStringLiteral("  точки %1 до %2: 0").arg(lastPoint + 1).arg(kConfigValueCount);
    out << QStringLiteral("Брой в запис 5 (урокът не го използва): %1").arg(reading.Count);

    QStringList unusedValues;
    for (int i = 0; i < kConfigValueCount; ++i) {
        if (unused.Values[i])
            unusedValues << QStringLiteral("%1: %2").arg(i + 1).arg(unused.Values[i]);
    }
    out << QStringLiteral("Запис 6 (урокът не го използва): стойности %1; брой %2")
               .arg(unusedValues.isEmpty() ? QStringLiteral("всички 0")
                                           : unusedValues.join(QStringLiteral(", ")))
               .arg(unused.Count);

    out << QString() << QStringLiteral("Надписи на записите:");
    for (int r = 1; r <= lesson::kConfigRecordCount; ++r) {
        out << QStringLiteral("  запис %1: %2").arg(r).arg(labelShown(file.records[r - 1]));
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QStringList fitIntoSourceRanges(ConfigFile &file, QDate today)
{
    QStringList notes;
    ConfigRecord &flags = file.records[0];
    ConfigRecord &levels = file.records[1];
    ConfigRecord &hints = file.records[2];
    ConfigRecord &totals = file.records[3];
    ConfigRecord &reading = file.records[4];

    const qint32 kept = std::clamp(flags.Count, 0, kTaskCountMax);
    if (kept != flags.Count) {
        notes << QStringLiteral("Запазените задачи бяха %1; урокът запазва всичките си задачи и "
                                "при %2.")
                     .arg(flags.Count)
                     .arg(kept);
        flags.Count = kept;
    }
    const qint32 offered = std::clamp(levels.Count, 0, kept);
    if (offered != levels.Count) {
        notes << QStringLiteral("Предложените задачи бяха %1, а може да са от 0 до броя на "
                                "запазените (%2); сега са %3.")
                     .arg(levels.Count)
                     .arg(kept)
                     .arg(offered);
        levels.Count = offered;
    }
    QList<int> changedFlags;
    QList<int> changedLevels;
    QList<int> changedTimes;
    QList<int> changedFactors;
    for (int i = 0; i < kConfigValueCount; ++i) {
        qint16 &flag = flags.Values[i];
        if (flag != 0 && flag != 1) {
            flag = flag > 0 && flag % 2 == 1 ? 1 : 0;
            changedFlags << i + 1;
        }
        // A task without level and times is one the file says nothing about
        // (a source names only the tasks it sets), unless it is offered.
        qint16 &level = levels.Values[i];
        const bool unset = level == 0 && hints.Values[i] == 0 && totals.Values[i] == 0;
        const int lessonLevel = std::max(kLevelMin, level % 10);
        if (level != lessonLevel && !(unset && i >= levels.Count)) {
            level = qint16(lessonLevel);
            changedLevels << i + 1;
        }
        qint16 &hint = hints.Values[i];
        qint16 &total = totals.Values[i];
        if (hint < 0 || total < 0 || hint > total) {
            total = std::max<qint16>(total, 0);
            hint = std::clamp<qint16>(hint, 0, total);
            changedTimes << i + 1;
        }
        if (reading.Values[i] < 0) {
            reading.Values[i] = 0;
            changedFactors << i + 1;
        }
    }
    if (!changedFlags.isEmpty())
        notes << QStringLiteral("Режими %1: числата във файла са заменени с 1 или 0 така, както "
                                "урокът ги чете.")
                     .arg(numbersText(changedFlags));
    if (!changedLevels.isEmpty())
        notes << QStringLiteral("Задачи %1: нивото е последната цифра на числото във файла, а "
                                "ниво под 1 е станало 1.")
                     .arg(numbersText(changedLevels));
    if (!changedTimes.isEmpty())
        notes << QStringLiteral("Задачи %1: отрицателните времена са станали 0, а упътване след "
                                "края на времето идва в края му.")
                     .arg(numbersText(changedTimes));
    if (!changedFactors.isEmpty())
        notes << QStringLiteral("Точки %1: отрицателният коефициент е станал 0.")
                     .arg(numbersText(changedFactors));

    if (hints.Count < 0) {
        notes
            << QStringLiteral("Версията беше отрицателна (%1 стотни); сега е 0.").arg(hints.Count);
        hints.Count = 0;
    }
    if (!isCalendarDay(totals.Count)) {
        const qint32 day = today.year() * 10000 + today.month() * 100 + today.day();
        notes << QStringLiteral("Датата %1 не е ден от календара във вида ГГГГММДД; сега е %2.")
                     .arg(totals.Count)
                     .arg(dateInWords(day));
        totals.Count = day;
    }
    return notes;
}

QString formatConfigSource(const ConfigFile &original, const LessonFacts &facts)
{
    ConfigFile file = original;
    fitIntoSourceRanges(file);
    const ConfigRecord &flags = file.records[0];
    const ConfigRecord &levels = file.records[1];
    const ConfigRecord &hints = file.records[2];
    const ConfigRecord &totals = file.records[3];
    const ConfigRecord &reading = file.records[4];
    const QString id = facts.id;
    QStringList out;
    const auto comment = [&out](const QString &text) {
        out << (text.isEmpty() ? QStringLiteral("#") : QStringLiteral("# ") + text);
    };

    comment(QStringLiteral("Настройки на електронния урок „%1“ (%2)").arg(facts.topic, id));
    comment(QString());
    comment(QStringLiteral("От този текст програмата tezomat-config записва файла с настройки:"));
    comment(QString());
    comment(QStringLiteral("    tezomat-config write %1.ini %1.UFG").arg(id));
    comment(QString());
    comment(QStringLiteral("Полученият файл %1.UFG се слага в директорията, от която се "
                           "стартира")
                .arg(id));
    comment(
        QStringLiteral("урокът. Проверка на записания файл:  tezomat-config show %1.UFG").arg(id));
    comment(QStringLiteral("(казва дали урокът ще приеме файла). Програмата не записва върху "
                           "самия"));
    comment(QStringLiteral("източник, а съществуващ файл, който не е файл с настройки, заменя "
                           "само"));
    comment(QStringLiteral("с  tezomat-config write --force ..."));
    comment(QStringLiteral("Прозорецът tezomat-teacher отваря и записва както този текст, така и"));
    comment(QStringLiteral("файла %1.UFG, и показва всяка настройка с обяснението ѝ.").arg(id));
    comment(QString());
    comment(QStringLiteral("Как се пише:"));
    comment(QStringLiteral("  - всичко след „#“ или „;“ до края на реда е бележка;"));
    comment(QStringLiteral("  - всяка настройка е на отделен ред във вида  ключ = стойност;"));
    comment(QStringLiteral("  - настройките са разделени на раздели: [урок], [режими], "
                           "[задачи],"));
    comment(QStringLiteral("    [точки] и [надписи];"));
    comment(QStringLiteral("  - при грешка програмата посочва номера на реда и не записва нищо."));

    out << QString() << QStringLiteral("[урок]");
    comment(QStringLiteral("Идентификаторът трябва да съвпада точно (и по малки и главни букви)"));
    comment(QStringLiteral("с името на урока, иначе урокът не приема файла."));
    out << QStringLiteral("идентификатор = %1").arg(lesson::DecodeRecordText(totals));
    comment(QStringLiteral("Версията се показва в заглавието на прозореца. Може и като стотни:"));
    comment(QStringLiteral("версия_стотни = %1").arg(hints.Count));
    out << QStringLiteral("версия = %1").arg(hundredthsText(hints.Count));
    comment(QStringLiteral("Дата на версията във вида ГГГГММДД (тук: %1).")
                .arg(dateInWords(totals.Count)));
    out << QStringLiteral("дата = %1").arg(totals.Count);

    out << QString() << QStringLiteral("[режими]");
    comment(QStringLiteral("Всеки режим е 1 (включен) или 0 (изключен). Неупоменат режим е 0."));
    comment(QStringLiteral("Без файл с настройки урокът тръгва с всички режими изключени."));
    for (int k = 1; k <= kConfigValueCount; ++k) {
        if (k == 31) {
            comment(QStringLiteral("Режим 31 е 1 само когато текстовете на задачите са записани "
                                   "кодирани"));
            comment(QStringLiteral("(вж. tezomat-config scramble). В този урок те са записани "
                                   "четимо."));
        }
        const QString meaning = modeFlagMeaning(k);
        out << QStringLiteral("%1 = %2   ; %3")
                   .arg(k, -2)
                   .arg(flags.Values[k - 1])
                   .arg(meaning.isEmpty() ? QStringLiteral("не се използва от урока") : meaning);
    }

    out << QString() << QStringLiteral("[задачи]");
    comment(QStringLiteral("Колко задачи урокът запазва (от 0 до %1): следващите се махат от "
                           "урока.")
                .arg(kTaskCountMax));
    comment(QStringLiteral("Урокът има %1 задачи.").arg(facts.taskCount));
    out << QStringLiteral("задачи_запазени = %1").arg(flags.Count);
    comment(QStringLiteral("Колко от тях виждат учениците в списъка (не повече от запазените);"));
    comment(QStringLiteral("останалите се отварят с „Допълнително“."));
    out << QStringLiteral("задачи_предложени = %1").arg(levels.Count);
    comment(QString());
    comment(QStringLiteral("За всяка задача:  номер = ниво, време за упътване, общо време"));
    comment(QStringLiteral("Времената се броят в единици според нивото:"));
    comment(QStringLiteral("  ниво 1 — в секунди:          120, 300  = упътване след 2 мин, край "
                           "след 5 мин;"));
    comment(QStringLiteral("  ниво 2 — в десетки секунди:   24,  60  = упътване след 4 мин, край "
                           "след 10 мин;"));
    comment(QStringLiteral("  ниво 3 и по-високо — в хиляди секунди."));
    comment(QStringLiteral("Упътването не може да идва след края на времето."));
    comment(QStringLiteral("Всяка предложена задача трябва да има ред тук."));
    const auto isSet = [&](int t) {
        return levels.Values[t - 1] || hints.Values[t - 1] || totals.Values[t - 1];
    };
    int lastTask = 0;
    for (int t = 1; t <= kConfigValueCount; ++t) {
        if (isSet(t))
            lastTask = t;
    }
    int hintWidth = 1;
    int totalWidth = 1;
    for (int t = 1; t <= lastTask; ++t) {
        hintWidth = std::max<int>(hintWidth, QString::number(hints.Values[t - 1]).size());
        totalWidth = std::max<int>(totalWidth, QString::number(totals.Values[t - 1]).size());
    }
    const int taskKeyWidth = int(QString::number(lastTask).size());
    for (int t = 1; t <= lastTask; ++t) {
        if (!isSet(t))
            continue;
        const int unit = levelUnitSeconds(levels.Values[t - 1]);
        const QString kind = t <= facts.taskCount ? facts.solutionTypes.value(t - 1)
                                                  : QStringLiteral("задача без условие");
        out << QStringLiteral("%1 = %2, %3, %4   ; %5: упътване след %6, край след %7")
                   .arg(t, -taskKeyWidth)
                   .arg(levels.Values[t - 1])
                   .arg(hints.Values[t - 1], hintWidth)
                   .arg(totals.Values[t - 1], totalWidth)
                   .arg(kind.isEmpty() ? QStringLiteral("задача") : kind)
                   .arg(durationText(qint64(unit) * hints.Values[t - 1]))
                   .arg(durationText(qint64(unit) * totals.Values[t - 1]));
    }

    out << QString() << QStringLiteral("[точки]");
    comment(QStringLiteral("Колко време има ученикът за всяка точка от плана: коефициент в стотни "
                           "от"));
    comment(QStringLiteral("секундата на всеки знак от текста на точката. Точка с текст от N "
                           "знака"));
    comment(
        QStringLiteral("получава 2 + N × коефициента / 100 секунди; при коефициент 5 текст от"));
    comment(QStringLiteral("3000 знака получава 152 секунди (около 2 и половина минути)."));
    comment(QStringLiteral("Коефициент 0 дава 2 секунди. Неупомената точка получава 0."));
    int lastPoint = int(facts.pointTitles.size());
    int factorWidth = 1;
    for (int k = 1; k <= kConfigValueCount; ++k) {
        if (reading.Values[k - 1])
            lastPoint = std::max(lastPoint, k);
    }
    for (int k = 1; k <= lastPoint; ++k)
        factorWidth = std::max<int>(factorWidth, QString::number(reading.Values[k - 1]).size());
    const int pointKeyWidth = int(QString::number(lastPoint).size());
    for (int k = 1; k <= lastPoint; ++k) {
        const bool known = k <= facts.pointTitles.size();
        const QString about = known ? QStringLiteral("%1: %2 знака, %3")
                                          .arg(facts.pointTitles.at(k - 1))
                                          .arg(facts.pointTextLengths.at(k - 1))
                                          .arg(viewingTimeShown(facts.pointTextLengths.at(k - 1),
                                                                reading.Values[k - 1]))
                                    : QStringLiteral("точка, която урокът няма");
        out << QStringLiteral("%1 = %2   ; %3")
                   .arg(k, -pointKeyWidth)
                   .arg(reading.Values[k - 1], -factorWidth)
                   .arg(about);
    }

    out << QString() << QStringLiteral("[надписи]");
    comment(
        QStringLiteral("Кратки надписи (до 15 знака) на записите на файла; урокът не ги чете,"));
    comment(QStringLiteral("те само помагат да се разпознае файлът. Надписът на запис 4 е"));
    comment(QStringLiteral("идентификаторът на урока от раздел [урок]. Без „#“ и „;“ в "
                           "надписите."));
    for (int r = 1; r <= lesson::kConfigRecordCount; ++r) {
        const QString label = lesson::DecodeRecordText(file.records[r - 1]);
        if (r == 4 || label.isEmpty())
            continue;
        if (labelFitsSource(label))
            out << QStringLiteral("%1 = %2").arg(r).arg(label);
        else
            comment(QStringLiteral("Надписът на запис %1 има знаци, които тук не могат да "
                                   "стоят, и е пропуснат.")
                        .arg(r));
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QByteArray sampleSource()
{
    QFile sample(QStringLiteral(":/config/TAVN7.ini"));
    return sample.open(QIODevice::ReadOnly) ? sample.readAll() : QByteArray();
}

} // namespace tezomat_config
