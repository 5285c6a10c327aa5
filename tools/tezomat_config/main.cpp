#include "tool_commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QFile input;
    QFile output;
    QFile errors;
    if (!input.open(stdin, QIODevice::ReadOnly) || !output.open(stdout, QIODevice::WriteOnly) ||
        !errors.open(stderr, QIODevice::WriteOnly))
        return 1;
    QTextStream in(&input);
    QTextStream out(&output);
    QTextStream err(&errors);
    const int status = tezomat_config::runTool(app.arguments().mid(1), in, out, err);
    out.flush();
    err.flush();
    return status;
}
