#pragma once

#include <QPointer>
#include <QWidget>

namespace lesson {

// A frame drawn round whichever control of one window has the keyboard's
// focus, on top of the control's own edge, so that the pupil always sees
// where the keys go: read-only fields, lists and pictures included, after
// a click as after a Tab, on any colour the pupil gives the window. Two
// colours, a dark and a bright one, keep it visible on every background.
// It takes no clicks and moves and resizes with its control.
class FocusFrame : public QWidget {
    Q_OBJECT
public:
    explicit FocusFrame(QWidget *window);

    // The control the frame is round, or nullptr while it is hidden.
    QWidget *control() const { return m_control; }
    // The frame's width in pixels.
    static constexpr int kWidth = 4;
    static QColor darkColour() { return QColor(0, 0, 0); }
    static QColor brightColour() { return QColor(255, 176, 0); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow(QWidget *focused);
    void place();

    QWidget *m_window;
    QPointer<QWidget> m_control;
};

} // namespace lesson
