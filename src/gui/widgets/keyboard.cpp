#include "gui/widgets/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>
#include <QShortcut>

#include <vector>

namespace lesson {

QString withMnemonic(const QString &caption, QChar letter)
{
    QString text = caption;
    text.replace(QLatin1Char('&'), QLatin1String("&&"));
    const auto matches = [&](qsizetype i) {
        return text.at(i).toLower() == letter.toLower();
    };
    const auto startsWord = [&](qsizetype i) {
        return i == 0 || !text.at(i - 1).isLetter();
    };
    qsizetype at = -1;
    for (qsizetype i = 0; i < text.size() && at < 0; ++i) {
        if (matches(i) && startsWord(i))
            at = i;
    }
    for (qsizetype i = 0; i < text.size() && at < 0; ++i) {
        if (matches(i))
            at = i;
    }
    if (at >= 0)
        text.insert(at, QLatin1Char('&'));
    return text;
}

namespace {

// The desktop's style, except that Alt pressed and released alone leads
// into the menu bar, whatever the style says.
class AltLeadsToMenuBar : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == QStyle::SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle *menuBarStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new AltLeadsToMenuBar;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

// Shows the focus going back to a window when a small window goes.
class ReturnOfFocus : public QObject {
public:
    explicit ReturnOfFocus(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        if (event->type() == QEvent::Show) {
            QWidget *active = QApplication::activeWindow();
            if (active && active != m_window)
                m_opener = active;
        } else if (event->type() == QEvent::Hide) {
            // Unless the pupil has gone to another window meanwhile.
            QWidget *active = QApplication::activeWindow();
            if (m_opener && m_opener->isVisible() && (!active || active == m_window))
                m_opener->activateWindow();
            m_opener = nullptr;
        }
        return false;
    }

private:
    QWidget *m_window;
    QPointer<QWidget> m_opener;
};

// A key event of the Alt key itself reports the modifiers as they are once
// the key is down or up, not as they were given: the modifiers to give so
// that the event reports the wanted ones.
Qt::KeyboardModifiers givenForAlt(Qt::KeyboardModifiers wanted)
{
    const QKeyEvent probe(QEvent::KeyPress, Qt::Key_Alt, Qt::NoModifier);
    return probe.modifiers() == wanted ? Qt::NoModifier : Qt::AltModifier;
}

} // namespace

void focusMenuBar(QMenuBar *bar)
{
    if (!bar || !bar->isVisible())
        return;
    // The menu bar takes the keyboard exactly as after Alt: it watches its
    // window for the Alt key going down and coming up alone.
    QWidget *window = bar->window();
    QKeyEvent down(QEvent::ShortcutOverride, Qt::Key_Alt, givenForAlt(Qt::AltModifier));
    QCoreApplication::sendEvent(window, &down);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Alt, givenForAlt(Qt::NoModifier));
    QCoreApplication::sendEvent(window, &up);
}

void giveMenuBarKeys(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    bar->setStyle(menuBarStyle());
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    f10->setContext(Qt::WindowShortcut);
    QObject::connect(f10, &QShortcut::activated, bar, [bar] {
        if (!bar->hasFocus())
            focusMenuBar(bar);
    });
}

void giveSmallWindowKeys(QWidget *window)
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
    returnFocusOnClose(window);
}

void returnFocusOnClose(QWidget *window)
{
    new ReturnOfFocus(window);
}

void setReadingOrder(std::initializer_list<QWidget *> controls)
{
    if (controls.size() == 0)
        return;
    (*controls.begin())->setFocus(Qt::OtherFocusReason);
    // A control that takes no focus now (a picture box without a picture)
    // keeps its place for when it does: the order is set as if it did.
    std::vector<QWidget *> resting;
    for (QWidget *control : controls) {
        if (control->focusPolicy() == Qt::NoFocus) {
            resting.push_back(control);
            control->setFocusPolicy(Qt::TabFocus);
        }
    }
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
    for (QWidget *control : resting)
        control->setFocusPolicy(Qt::NoFocus);
}

} // namespace lesson
