#include "teacher_desk.h"

#include "gui/qt_platform.h"

#include <QFileDialog>
#include <QWidget>

namespace tezomat_teacher {

bool QtTeacherDesk::showMessage(const lesson::MessageSpec &message)
{
    lesson::QtPlatform platform;
    return platform.showMessage(message);
}

QString QtTeacherDesk::openFileName(QWidget *parent, const QString &title, const QString &folder,
                                    const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString QtTeacherDesk::saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                                    const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggested, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtTeacherDesk::folderName(QWidget *parent, const QString &title, const QString &folder)
{
    return QFileDialog::getExistingDirectory(parent, title, folder);
}

lesson::MessageSpec teacherMessage(const QString &text, bool question)
{
    lesson::MessageSpec m;
    m.title = QStringLiteral("Настройка на урока");
    m.text = text;
    if (question) {
        m.buttons = lesson::MessageSpec::Buttons::YesNo;
        m.icon = lesson::MessageSpec::Icon::Question;
        m.defaultButton = lesson::MessageSpec::DefaultButton::No;
    } else {
        m.icon = lesson::MessageSpec::Icon::Warning;
    }
    return m;
}

void describe(QWidget *control, const QString &name, const QString &tip)
{
    control->setAccessibleName(name);
    control->setToolTip(tip);
    control->setAccessibleDescription(tip);
}

} // namespace tezomat_teacher
