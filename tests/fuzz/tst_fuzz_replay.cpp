// Every input kept under tests/data/fuzz/<reader>/ (the seeds, and each input
// that ever made a fuzzer fail) goes through its reader again.
#include "fuzz_targets.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestFuzzReplay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keptInputs_data()
    {
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QString>("path");
        const QDir root(QStringLiteral(TEZOMAT_FUZZ_DATA));
        for (const QString &reader : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QDir inputs(root.filePath(reader));
            for (const QString &name : inputs.entryList(QDir::Files))
                QTest::newRow(qPrintable(reader + QLatin1Char('/') + name))
                    << reader << inputs.filePath(name);
        }
    }
    void keptInputs()
    {
        QFETCH(QString, reader);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto &readers = lesson::fuzz::readers();
        QVERIFY2(readers.count(reader),
                 qPrintable(QStringLiteral("no reader called %1").arg(reader)));
        readers.at(reader)(bytes);
    }
};

QTEST_GUILESS_MAIN(TestFuzzReplay)
#include "tst_fuzz_replay.moc"
