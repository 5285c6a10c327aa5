#pragma once

#include "core/system/messages.h"

#include <QString>

class QWidget;

namespace tezomat_teacher {

// What the teacher's window asks of the desktop: message boxes and the
// choice of files and folders. Tests answer from a script.
class TeacherDesk {
public:
    virtual ~TeacherDesk() = default;
    // Shows the box; true when the teacher pressed "Да".
    virtual bool showMessage(const lesson::MessageSpec &message) = 0;
    // A file to open, a name to save under or a folder; empty when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                                 const QString &filter) = 0;
    virtual QString folderName(QWidget *parent, const QString &title, const QString &folder) = 0;
};

// The real desktop: the lesson's own message boxes ("Да", "Не", "Добре") and
// Qt's own file dialogs (never the desktop's), Bulgarian whatever language
// the system speaks. Replacing an existing file is asked by the window
// itself, which knows what the file holds.
class QtTeacherDesk : public TeacherDesk {
public:
    bool showMessage(const lesson::MessageSpec &message) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                         const QString &filter) override;
    QString folderName(QWidget *parent, const QString &title, const QString &folder) override;
};

// Supplies the texts of Qt's file dialogs that Qt's Bulgarian catalogue
// lacks; installed after that catalogue.
void installFileDialogTexts();

// A message of the teacher's window: the window's title, an OK box or a
// Yes/No question with "Не" as the default.
lesson::MessageSpec teacherMessage(const QString &text, bool question = false);

// Gives a control its Bulgarian name for screen readers and its tooltip,
// which is also its accessible description.
void describe(QWidget *control, const QString &name, const QString &tip);

} // namespace tezomat_teacher
