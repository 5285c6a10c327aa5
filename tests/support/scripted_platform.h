#pragma once

#include "core/system/platform.h"
#include "gui/lesson.h"
#include "support/lesson_content.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace lesson::test {

// The desktop as the tests script it: message boxes are answered from a
// queue (an empty queue answers "Не"/OK) and every box is recorded.
class ScriptedPlatform : public Platform {
public:
    bool showMessage(const MessageSpec &message) override
    {
        asked.append(message);
        if (onMessage)
            onMessage(message);
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    quint8 currentDriveType() override { return driveType; }
    void clearClipboard() override { ++clipboardClears; }
    QStringList screenFonts() override { return fonts; }
    void quit() override { ++quitCalls; }

    QList<bool> answers;
    QList<MessageSpec> asked;
    std::function<void(const MessageSpec &)> onMessage;
    quint8 driveType = DriveFixed;
    int clipboardClears = 0;
    QStringList fonts{QStringLiteral("DejaVu Sans"), QStringLiteral("Times New Roman")};
    int quitCalls = 0;
};

// A run of the lesson in its own empty current directory.
class LessonRun {
public:
    explicit LessonRun(const ContentStore &store = lessonContent())
    {
        QDir::setCurrent(directory.path());
        lesson = std::make_unique<Lesson>(store, platform);
    }
    ~LessonRun()
    {
        lesson.reset();
        QDir::setCurrent(QDir::tempPath());
    }
    QString path(const QString &name) const { return directory.filePath(name); }

    QTemporaryDir directory;
    ScriptedPlatform platform;
    std::unique_ptr<Lesson> lesson;
};

} // namespace lesson::test
