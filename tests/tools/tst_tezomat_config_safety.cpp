#include "core/configuration/configuration_file.h"
#include "core/tasks/text_scrambling.h"
#include "tool_commands.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace lesson;

namespace {

// The tool as a teacher runs it: arguments and standard input as bytes in;
// exit code and the terminal (both streams, in the order shown) out.
std::pair<int, QString> runTeacher(const QStringList &arguments, QByteArray input = {})
{
    QBuffer stdinBuffer(&input);
    stdinBuffer.open(QIODevice::ReadOnly);
    QTextStream in(&stdinBuffer);
    QString screen;
    QTextStream terminal(&screen);
    const int status = tezomat_config::runTool(arguments, in, terminal, terminal);
    terminal.flush();
    // A control character a terminal would act on, or a character lost.
    for (const QChar c : screen) {
        if ((c < u' ' && c != u'\n') || (c >= u'\x7f' && c <= u'\x9f') ||
            c == QChar::ReplacementCharacter)
            qWarning("raw or lost character %x", c.unicode());
    }
    return {status, screen};
}

QByteArray source(const QString &identifier = QStringLiteral("TAVN7"), const char *more = "")
{
    return QStringLiteral("[урок]\nидентификатор = %1\nверсия = 1\nдата = 20091028\n[задачи]\n"
                          "задачи_запазени = 0\nзадачи_предложени = 0\n%2")
        .arg(identifier, QString::fromUtf8(more))
        .toUtf8();
}

QByteArray configuration(const QString &identifier)
{
    ConfigFile file;
    file.records[3].setLabel(identifier);
    return formatConfiguration(file);
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

} // namespace

class TestTezomatConfigSafety : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void write_data()
    {
        QTest::addColumn<QString>("target"); // what stands at the target path; options
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("words");
        const QByteArray good = source();
        const QString self = QStringLiteral("самият източник");
        const QString refuses = QStringLiteral("Внимание: урокът „TAVN7“ ще откаже този файл и ще "
                                               "покаже съобщение 1 („Липсва");
        QByteArray cut = source(QStringLiteral("TAVNя"));
        cut.truncate(cut.indexOf("я") + 1);
        QTest::newRow("one path twice") << "source" << good << 1 << self;
        QTest::newRow("one path twice, --force") << "source --force" << good << 1 << self;
        QTest::newRow("./ before the name") << "dot" << good << 1 << self;
        QTest::newRow("symbolic link to the source") << "symlink --force" << good << 1 << self;
        QTest::newRow("hard link to the source") << "hardlink --force" << good << 1 << self;
        QTest::newRow("notes replaced silently") << "notes" << good << 1 << "--force";
        QTest::newRow("notes with --force") << "notes --force" << good << 0 << "Записан е";
        QTest::newRow("earlier configuration") << "config" << good << 0 << "Записан е";
        QTest::newRow("pipe replaced") << "fifo --force" << good << 1 << "не е обикновен файл";
        QTest::newRow("source cut inside a character")
            << "none" << cut << 1 << "не е записан в UTF-8";
        QTest::newRow("emoji quoted as half a pair")
            << "none" << source(QStringLiteral("TAVN😀")) << 1 << "„😀“";
        QTest::newRow("emoji counted as two")
            << "none" << source(QStringLiteral("TAVN7"), "[надписи]\n1 = абвгдежзийклмн😀\n") << 1
            << "„😀“";
        QTest::newRow("escape sequence in the identifier")
            << "none" << source(QStringLiteral("TA\x1b[2JVN7")) << 1 << "„\\x1b“";
        QTest::newRow("terminal reset echoed from a line") << "none"
                                                           << QByteArray("[урок]\n\x1b"
                                                                         "c\x1b[3J\x07\n")
                                                           << 1 << "„\\x1bc\\x1b[3J\\x07“";
        QTest::newRow("identifier in lower case")
            << "none" << source(QStringLiteral("tavn7")) << 0 << refuses;
        QTest::newRow("identifier in quotes")
            << "none" << source(QStringLiteral("„TAVN7“")) << 0 << refuses;
    }
    void write()
    {
        QFETCH(QString, target);
        QFETCH(QByteArray, text);
        QFETCH(int, status);
        QFETCH(QString, words);
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("урок.ini"));
        QString path = dir.filePath(QStringLiteral("TAVN7.UFG"));
        const QByteArray notes("бележки\n");
        put(ini, text);
        QStringList args = target.split(QLatin1Char(' '));
        target = args.takeFirst();
        if (target == QStringLiteral("source"))
            path = ini;
        else if (target == QStringLiteral("dot"))
            path = dir.path() + QStringLiteral("/./урок.ini");
        else if (target == QStringLiteral("symlink"))
            QVERIFY(QFile::link(ini, path));
        else if (target == QStringLiteral("hardlink"))
            QCOMPARE(
                ::link(QFile::encodeName(ini).constData(), QFile::encodeName(path).constData()), 0);
        else if (target == QStringLiteral("notes"))
            put(path, notes);
        else if (target == QStringLiteral("config"))
            put(path, configuration(QStringLiteral("ALG12")));
        else if (target == QStringLiteral("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);

        QTest::failOnWarning(QRegularExpression(QStringLiteral("raw or lost")));
        const auto [code, screen] =
            runTeacher(QStringList{QStringLiteral("write")} + args + QStringList{ini, path});
        QCOMPARE(code, status);
        QVERIFY2(screen.contains(words), qPrintable(screen));
        QCOMPARE(bytesOf(ini), text);
        if (status == 0)
            QCOMPARE(bytesOf(path).size(), kConfigFileSize);
        else if (target == QStringLiteral("notes"))
            QCOMPARE(bytesOf(path), notes);
        else if (target == QStringLiteral("none"))
            QVERIFY(!QFileInfo::exists(path));
        else if (target == QStringLiteral("fifo"))
            QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
    }

    void show_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<QString>("words");
        const QString refused = QStringLiteral("Урокът „TAVN7“ ще откаже този файл и ще покаже "
                                               "съобщение %1 („");
        ConfigFile file;
        file.records[3].setLabel(QStringLiteral("TAVN7"));
        file.records[0].setLabel(QStringLiteral("\x1b[2J\x1b]0;x\x07"));
        file.records[1].setLabel(QStringLiteral("a\x7f\u0098\r"));
        // Record 4 claims 200 characters; behind "TAVN7" lie readable words.
        QByteArray damaged = configuration(QStringLiteral("TAVN7ПРИМАМКА"));
        damaged[384] = char(200);
        QTest::newRow("the lesson's file, flag 17 explained")
            << configuration(QStringLiteral("TAVN7")) << 0 << "Урокът „TAVN7“ ще приеме този файл."
            << "планът остава достъпен";
        QTest::newRow("identifier in lower case accepted")
            << configuration(QStringLiteral("tavn7")) << 1 << refused.arg(1) << "„tavn7“";
        QTest::newRow("599 bytes") << configuration(QStringLiteral("TAVN7")).left(599) << 1
                                   << refused.arg(3) << "599 байта";
        QTest::newRow("damaged label decoded first")
            << damaged << 1 << refused.arg(1) << "200 знака";
        QTest::newRow("labels sent to the terminal")
            << formatConfiguration(file) << 0 << "Урокът „TAVN7“ ще приеме този файл."
            << "„\\x1b[2J\\x1b]0;x\\x07“\n  запис 2: „a\\x7f\\x98\\x0d“";
        QTest::newRow("identity sets the clipboard")
            << configuration(QStringLiteral("\x1b]52;c;eA==\x07")) << 1 << refused.arg(1)
            << "„\\x1b]52;c;eA==\\x07“";
    }
    void show()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(QString, firstLine);
        QFETCH(QString, words);
        QTemporaryDir dir;
        put(dir.filePath(QStringLiteral("TAVN7.UFG")), bytes);
        QTest::failOnWarning(QRegularExpression(QStringLiteral("raw or lost")));
        const auto [code, screen] =
            runTeacher({QStringLiteral("show"), dir.filePath(QStringLiteral("TAVN7.UFG"))});
        QCOMPARE(code, status);
        QVERIFY2(screen.startsWith(firstLine), qPrintable(screen));
        QVERIFY2(screen.contains(words), qPrintable(screen));
        QVERIFY(!screen.contains(QStringLiteral("ПРИМАМКА")));
    }

    void scramble_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("words");
        QByteArray cut = QByteArray("аб");
        cut.chop(1);
        for (const char *command : {"scramble", "unscramble"}) {
            for (const QByteArray &input : {QByteArray("\xFF\xFE"
                                                       "a\0\n\0",
                                                       6),
                                            cut, QByteArray("\xD0\xE0\xE7\xE4\xE5\xEB\n")})
                QTest::addRow("%s: %s", command, input.toHex().constData())
                    << command << input << 1 << "Входът не е записан в UTF-8";
        }
        // A bell in first place scrambles to a line feed.
        QTest::newRow("bell") << "scramble" << QByteArray("ред\n\x07") + "абв\n"
                              << 1 << "ред 2: управляващият знак „\\x07“";
        QTest::newRow("byte-order mark and CR LF")
            << "scramble" << QByteArray("\xEF\xBB\xBFред\r\n") << 0
            << scrambleText(QStringLiteral("ред")) + '\n';
        QTest::newRow("unscrambled escape sequence")
            << "unscramble" << scrambleText(QStringLiteral("\x1b]0;x\x07 \u0098")).toUtf8() << 0
            << "\\x1b]0;x\\x07 \\x98\n";
    }
    void scramble()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QString, words);
        QTest::failOnWarning(QRegularExpression(QStringLiteral("raw or lost")));
        const auto [code, screen] = runTeacher({command}, input);
        QCOMPARE(code, status);
        QVERIFY2(screen.contains(words), qPrintable(screen));
    }
};

QTEST_GUILESS_MAIN(TestTezomatConfigSafety)
#include "tst_tezomat_config_safety.moc"
