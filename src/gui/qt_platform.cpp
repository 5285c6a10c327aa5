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

#include <mutex>

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

// Qt's own texts in Bulgarian, read from Qt's translation file the first
// time Qt asks for one of them: a context menu or a standard dialog. A run
// that shows none never opens the file.
class QtTextsOnDemand : public QTranslator {
public:
    explicit QtTextsOnDemand(QObject *parent)
        : QTranslator(parent)
    {
    }

    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        std::call_once(m_read, [this] {
            // Without the file Qt's own English texts stay. Qt holds its
            // translators' lock for reading here and loading takes it for
            // reading again: safe, as translators are installed only at
            // start, before any text is asked for.
            (void)m_texts.load(QLocale(QLocale::Bulgarian), QStringLiteral("qtbase"),
                               QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        });
        return m_texts.translate(context, sourceText, disambiguation, n);
    }

    // Said before the file is read; a missing file leaves Qt's own texts.
    bool isEmpty() const override { return false; }

private:
    mutable std::once_flag m_read;
    mutable QTranslator m_texts;
};

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

QtPlatform::~QtPlatform()
{
    QObject::disconnect(m_clipboardWatch);
}

void QtPlatform::clearClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    if (!m_clipboardWatch) {
        m_clipboardWatch =
            QObject::connect(clipboard, &QClipboard::changed, [this](QClipboard::Mode mode) {
                // The selection of the mouse is not the clipboard, and the
                // change our own emptying makes is no news.
                if (mode == QClipboard::Clipboard && !m_emptying)
                    m_clipboardMayHold = true;
            });
    }
    if (!m_clipboardMayHold)
        return;
    m_clipboardMayHold = false;
    m_emptying = true;
    clipboard->clear();
    m_emptying = false;
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
    // Bulgarian reads from left to right; said here, Qt need not look the
    // direction up among its texts when the translation is installed.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QCoreApplication::installTranslator(new QtTextsOnDemand(qApp));
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
