#include "core/system/messages.h"

namespace lesson {

namespace {
const QString kCrLf = QStringLiteral("\r\n");

MessageSpec yesNo(const QString &text, MessageSpec::Icon icon)
{
    MessageSpec m;
    m.title = messageTitle();
    m.text = text;
    m.buttons = MessageSpec::Buttons::YesNo;
    m.icon = icon;
    m.defaultButton = MessageSpec::DefaultButton::No;
    return m;
}

MessageSpec critical(const QString &text)
{
    MessageSpec m;
    m.title = messageTitle();
    m.text = text;
    m.buttons = MessageSpec::Buttons::Ok;
    m.icon = MessageSpec::Icon::Critical;
    return m;
}

MessageSpec unknown(int code)
{
    MessageSpec m;
    m.title = messageTitle();
    m.text = QString::number(code);
    return m;
}
} // namespace

QString messageTitle()
{
    return QStringLiteral("Електронен урок");
}

MessageSpec lessonWindowMessage(int code)
{
    switch (code) {
    case 1:
        return critical(
            QStringLiteral("1") + kCrLf +
            QStringLiteral("Липсва съответстващ конфигурационен файл  ") + kCrLf +
            QStringLiteral("Моля, копирайте изпълнимия и коректния конфигурационен файл") + kCrLf +
            QStringLiteral("в основната директория на урока "));
    case 2:
        // The exit question comes without an icon.
        return yesNo(QStringLiteral("Желаете ли изход от урока?"), MessageSpec::Icon::None);
    case 3:
        return critical(QStringLiteral("3") + kCrLf +
                        QStringLiteral("Използваният конфигурационния файл е некоректен!") + kCrLf +
                        QStringLiteral("Кодът на несъответствие е: ") + kCrLf +
                        QStringLiteral("Моля, минете през режим Настройка."));
    default:
        return unknown(code);
    }
}

MessageSpec fileNotWrittenMessage(const QString &text)
{
    MessageSpec m = critical(text);
    m.icon = MessageSpec::Icon::Warning;
    return m;
}

MessageSpec tasksWindowMessage(int code)
{
    switch (code) {
    case 2:
        return yesNo(QStringLiteral("Да премина ли към друга задача?"),
                     MessageSpec::Icon::Question);
    case 3:
        return yesNo(QStringLiteral("Задачата е с повишена трудност! ") + kCrLf +
                         QStringLiteral("Смятате ли, че ще се справите?"),
                     MessageSpec::Icon::Question);
    default:
        return unknown(code);
    }
}

} // namespace lesson
