#pragma once

#include <QLabel>

namespace lesson {

// A small caption that stays just above a control wherever the control is
// moved, so that the pupil knows what each field is for. It shows exactly
// when its control does.
class Heading : public QLabel {
    Q_OBJECT
public:
    Heading(const QString &text, QWidget *control);

    QWidget *control() const { return m_control; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void follow();
    QWidget *m_control;
};

} // namespace lesson
