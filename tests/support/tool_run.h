#pragma once

#include "tool_commands.h"

#include <QBuffer>

namespace lesson::test {

// One of the tool's two streams: it keeps its own text, and the screen gets
// both in the order they are flushed, as a terminal shows them.
class TerminalStream : public QIODevice {
public:
    TerminalStream(QByteArray &own, QByteArray &screen)
        : m_own(own)
        , m_screen(screen)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        m_own.append(data, size);
        m_screen.append(data, size);
        return size;
    }

private:
    QByteArray &m_own;
    QByteArray &m_screen;
};

struct ToolRun {
    int status = -1;
    QString out, err, screen;
};

// tezomat-config as a teacher runs it: arguments and standard input as bytes.
// A control character a terminal would act on, or a character lost, is warned
// about ("raw or lost"); scrambled lines are data and not looked at.
inline ToolRun runTezomatConfig(const QStringList &arguments, QByteArray input = {})
{
    QBuffer stdinBuffer(&input);
    stdinBuffer.open(QIODevice::ReadOnly);
    QByteArray out, err, screen;
    TerminalStream outDevice(out, screen), errDevice(err, screen);
    QTextStream in(&stdinBuffer), outStream(&outDevice), errStream(&errDevice);
    const int status = tezomat_config::runTool(arguments, in, outStream, errStream);
    errStream.flush();
    outStream.flush();
    const ToolRun run{status, QString::fromUtf8(out), QString::fromUtf8(err),
                      QString::fromUtf8(screen)};
    for (const QChar c : arguments.value(0) == QStringLiteral("scramble") ? run.err : run.screen) {
        if ((c < u' ' && c != u'\n') || (c >= u'\x7f' && c <= u'\x9f') ||
            c == QChar::ReplacementCharacter)
            qWarning("raw or lost character %x", c.unicode());
    }
    return run;
}

} // namespace lesson::test
