#pragma once

#include "class_report.h"
#include "core/content/code_page.h"
#include "support/files.h"

#include <QDir>
#include <QTest>

namespace lesson::test {

// An answers file as the lesson writes it: the heading, then the lines,
// each ended by CR LF; in Windows-1251 or as UTF-8 after the mark.
inline QByteArray answersIn1251(const QStringList &body)
{
    const QStringList all = QStringList{tezomat_config::answersHeading()} + body;
    return toWindows1251(all.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

inline QByteArray answersInUtf8(const QStringList &body)
{
    const QStringList all = QStringList{tezomat_config::answersHeading()} + body;
    return QByteArray("\xEF\xBB\xBF") + (all.join(QStringLiteral("\r\n")) + "\r\n").toUtf8();
}

// A class of three under root: PC1 with a Windows-1251 file, PC2 with a
// UTF-8 file holding "√" and a pupil's "<script>", PC3 where nothing was
// recorded.
inline void writeClass(const QDir &root)
{
    QVERIFY(writeFile(
        root.filePath(QStringLiteral("PC1/OTGOWORI.TXT")),
        answersIn1251({QStringLiteral("Задача  1"), QStringLiteral("Отговор: (x-1)*(x+2)"),
                       QStringLiteral("Задача  3"), QStringLiteral("a, b"),
                       QStringLiteral("\"цитат\"")})));
    QVERIFY(writeFile(root.filePath(QStringLiteral("PC2/OTGOWOR2.TXT")),
                      answersInUtf8({QStringLiteral("Задача  3"),
                                     QStringLiteral("<script>alert(1)</script> √9 = 3"),
                                     QStringLiteral("Задача  15"), QStringLiteral("-2 1")})));
    QVERIFY(root.mkpath(QStringLiteral("PC3")));
}

} // namespace lesson::test
