#include "gui/qt_platform.h"

#include "core/system/drive_type.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include <malloc.h>

namespace lesson {

namespace {

QString iconName(MessageSpec::Icon icon)
{
    switch (icon) {
    case MessageSpec::Icon::Critical:
        return QStringLiteral("Грешка");
    case MessageSpec::Icon::Question:
        return QStringLiteral("Въпрос");
    case MessageSpec::Icon::Warning:
        return QStringLiteral("Предупреждение");
    case MessageSpec::Icon::None:
        break;
    }
    return QStringLiteral("Съобщение");
}

} // namespace

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
        // The underlined letter answers by itself, Alt not needed.
        yes = box.addButton(QStringLiteral("&Да"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("&Не"), QMessageBox::NoRole);
        box.setEscapeButton(no);
        box.setDefaultButton(message.defaultButton == MessageSpec::DefaultButton::Yes ? yes : no);
    } else {
        QPushButton *ok = box.addButton(QStringLiteral("&Добре"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    }
    // The picture beside the text, for a screen reader.
    if (auto *icon = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label")))
        icon->setAccessibleName(iconName(message.icon));
    // The question takes the keys at once, and gives them back to the
    // window it came from, also where no window manager moves the focus.
    const QPointer<QWidget> asking =
        QApplication::activeWindow() ? QApplication::activeWindow() : m_returnTo.data();
    QTimer::singleShot(0, &box, [&box] { box.activateWindow(); });
    box.exec();
    m_returnTo = asking;
    if (asking && asking->isVisible())
        asking->activateWindow();
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

void shareOneMemoryArena()
{
#ifdef M_ARENA_MAX
    mallopt(M_ARENA_MAX, 1);
#endif
}

FontListReader::FontListReader()
    : m_thread([] { QFontDatabase::families(); })
{
}

FontListReader::~FontListReader()
{
    m_thread.join();
}

} // namespace lesson
