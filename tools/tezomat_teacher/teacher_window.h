#pragma once

#include "core/configuration/configuration_file.h"
#include "file_safety.h"
#include "lesson_facts.h"

#include <QMainWindow>

#include <array>

class QAction;
class QCheckBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTabWidget;
class QWidget;

namespace tezomat_teacher {

class ClassAnswersDialog;
class TeacherDesk;
using tezomat_config::LessonFacts;

// The teacher's window over one configuration of the lesson: every setting
// the lesson reads, shown the way a teacher thinks of it, and only values
// the lesson and the source accept can be entered. The settings come from
// a configuration file (TAVN7.UFG), from a source (.ini) or from the sample
// built into the program; they are saved as either.
class TeacherWindow : public QMainWindow {
    Q_OBJECT
public:
    TeacherWindow(TeacherDesk &desk, const LessonFacts &facts, QWidget *parent = nullptr);

    // Opens a configuration file or a source. A file the lesson would
    // refuse, a source with a mistake or a refused question about unsaved
    // changes leaves everything as it was; returns whether it was opened.
    bool openFile(const QString &path);
    // The sample the program carries (the same as config/TAVN7.ini).
    bool startFromSample();

    const lesson::ConfigFile &configuration() const { return m_file; }
    // The file "Запис" writes to; empty until there is one.
    QString filePath() const { return m_filePath; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    QWidget *buildLessonPage();
    QWidget *buildFlagsPage();
    QWidget *buildTasksPage();
    QSpinBox *makeSpinBox(int maximum, const QString &objectName, const QString &name,
                          const QString &tip);

    void chooseAndOpen();
    bool save();
    bool saveAs();
    bool saveSource();
    void showClassAnswers();

    // Shows the file in every control without counting as an edit.
    void showSettings(const lesson::ConfigFile &file);
    // Labels computed from the settings: times, units, task states.
    void refreshDerived();
    void edited();
    // A spin box being typed into takes its text as its value before a save.
    void commitTyping();
    bool mayDropChanges(const QString &question);
    bool writeConfiguration(const QString &path);
    // Whether the teacher agrees to replace what stands at path; false for
    // the source, a folder or a refused question.
    bool mayReplace(const QString &path, tezomat_config::WrittenKind kind,
                    const QString &sourceToKeep);
    void adopt(const lesson::ConfigFile &file, const QString &filePath, const QString &sourcePath,
               const QString &origin);
    QString folderForDialogs() const;
    void updateTitle();

    TeacherDesk &m_desk;
    LessonFacts m_facts;
    lesson::ConfigFile m_file;
    QString m_filePath;   // the configuration file "Запис" writes
    QString m_sourcePath; // the source the settings were read from or last saved as
    QString m_origin;     // what the header says the settings come from
    bool m_showing = false;

    QTabWidget *m_tabs = nullptr;
    QLabel *m_originLabel = nullptr;
    QDoubleSpinBox *m_version = nullptr;
    QLabel *m_versionCaption = nullptr;
    QDateEdit *m_date = nullptr;
    QList<QSpinBox *> m_factor;                                      // point k at k - 1
    QList<QLabel *> m_viewingTime;                                   // point k at k - 1
    std::array<QCheckBox *, lesson::kConfigValueCount + 1> m_flag{}; // flag k; unused ones null
    QSpinBox *m_kept = nullptr;
    QSpinBox *m_offered = nullptr;
    QLabel *m_tasksSummary = nullptr;
    // Task t at t - 1; rows past those the lesson and the file use are hidden.
    struct TaskRow {
        QList<QWidget *> cells;
        QSpinBox *level = nullptr;
        QSpinBox *hint = nullptr;
        QSpinBox *total = nullptr;
        QLabel *hintAfter = nullptr;
        QLabel *end = nullptr;
        QLabel *state = nullptr;
    };
    QList<TaskRow> m_task;

    QAction *m_saveAction = nullptr;
    ClassAnswersDialog *m_classAnswers = nullptr; // made on first use, then kept
};

} // namespace tezomat_teacher
