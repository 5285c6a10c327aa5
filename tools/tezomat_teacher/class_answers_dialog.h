#pragma once

#include "lesson_facts.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace tezomat_teacher {

class TeacherDesk;

// "Отговори на класа": the teacher lists the folders collected from the
// pupils' PCs (one folder each), and the dialog writes the class report as
// a page and a table and shows the page. Nothing in the folders changes.
class ClassAnswersDialog : public QDialog {
    Q_OBJECT
public:
    ClassAnswersDialog(TeacherDesk &desk, const tezomat_config::LessonFacts &facts,
                       QWidget *parent = nullptr);

    // Adds a folder to the list unless it is there already.
    void addFolder(const QString &path);
    // Reads the folders, writes both files and shows the page; false when
    // nothing was written.
    bool makeReport();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void chooseFolder();
    void chooseSubfolders();
    void removeChosen();
    void chooseTarget(QLineEdit *field, const QString &title, const QString &filter);

    TeacherDesk &m_desk;
    tezomat_config::LessonFacts m_facts;
    QListWidget *m_folders = nullptr;
    QLineEdit *m_htmlPath = nullptr;
    QLineEdit *m_csvPath = nullptr;
    QLabel *m_result = nullptr;
    QTextBrowser *m_view = nullptr;
};

} // namespace tezomat_teacher
