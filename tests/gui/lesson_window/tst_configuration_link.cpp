#include "gui/lesson_window/tezo.h"
#include "support/configuration.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace lesson;
using namespace lesson::test;

// TAVN7.UFG as a symbolic link: the lesson reads the file it leads to and
// changes the mode of nothing but a plain file named directly.
class TestConfigurationLink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linkedFileIsReadButNotChanged_data()
    {
        QTest::addColumn<bool>("outside");
        QTest::newRow("link to a read-only file outside the lesson's folder") << true;
        QTest::newRow("link to a read-only file beside it") << false;
    }
    void linkedFileIsReadButNotChanged()
    {
        QFETCH(bool, outside);
        LessonRun r;
        QTemporaryDir elsewhere;
        const QString target = outside ? elsewhere.filePath(QStringLiteral("общ.UFG"))
                                       : r.path(QStringLiteral("общ.UFG"));
        ConfigFile file = lessonConfiguration();
        setFlag(file, 10, 1);
        QFile out(target);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(formatConfiguration(file));
        out.close();
        // The stored bits: QFileInfo tells what the user may do, for root everything.
        struct stat st {};
        QCOMPARE(::chmod(QFile::encodeName(target).constData(), 0440), 0);
        QVERIFY(QFile::link(target, r.path(QStringLiteral("TAVN7.UFG"))));

        r.lesson->start();
        QVERIFY(r.platform.asked.isEmpty());
        QCOMPARE(r.lesson->tezo()->ModeFlag(10), 1);
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, 0440u);
        QVERIFY(QFileInfo(r.path(QStringLiteral("TAVN7.UFG"))).isSymLink());
    }
};

QTEST_MAIN(TestConfigurationLink)
#include "tst_configuration_link.moc"
