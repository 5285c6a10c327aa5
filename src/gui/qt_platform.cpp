#include "gui/qt_platform.h"

#include "core/system/drive_type.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace lesson {

bool QtPlatform::showMessage(const MessageSpec &message)
{
    QMessageBox box;
    box.setWindowTitle(message.title);
    QString text = message.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box.setText(text);
    switch (message.icon) {
    case MessageSpec::Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageSpec::Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageSpec::Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageSpec::Icon::None:
        break;
    }
    QPushButton *yes = nullptr;
    if (message.buttons == MessageSpec::Buttons::YesNo) {
        yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("Не"), QMessageBox::NoRole);
        box.setEscapeButton(no);
        box.setDefaultButton(message.defaultButton == MessageSpec::DefaultButton::Yes ? yes : no);
    } else {
        QPushButton *ok = box.addButton(QStringLiteral("Добре"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    }
    box.exec();
    return yes && box.clickedButton() == yes;
}

quint8 QtPlatform::currentDriveType()
{
    return driveTypeOfDirectory(QDir::currentPath());
}

void QtPlatform::clearClipboard()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->clear();
}

QStringList QtPlatform::screenFonts()
{
    return QFontDatabase::families();
}

void QtPlatform::quit()
{
    QCoreApplication::exit(0);
}

void installBulgarianTranslations()
{
    auto *translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::Bulgarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace lesson
