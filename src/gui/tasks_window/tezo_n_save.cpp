// Saving the current task to a text file of its own, on the pupil's request,
// and the status line that tells where it went.

#include "core/system/messages.h"
#include "core/tasks/task_file.h"
#include "gui/lesson.h"
#include "gui/tasks_window/tezo_n.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>

namespace lesson {

void Tezo_n::buildSaveStatus()
{
    m_saveStatus = new QLabel(this);
    m_saveStatus->setObjectName(QStringLiteral("saveStatus"));
    showSaveStatus(QString());
    m_saveStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(m_saveStatus, 1);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setAccessibleName(QStringLiteral("Лента на състоянието"));
}

void Tezo_n::showSaveStatus(const QString &text)
{
    m_saveStatus->setText(text);
    const QString name = QStringLiteral("Състояние на записа");
    m_saveStatus->setAccessibleName(text.isEmpty() ? name : name + QStringLiteral(": ") + text);
}

void Tezo_n::mnu_ZapReshen_Click(int Index)
{
    MakeSaveFileName();
    // Without free choice of tasks the pupil moves on only after saving one.
    if (!List_Un[1]->isEnabled())
        List_Un[1]->setEnabled(true);
    if (Index >= 1 && Index <= 3)
        SaveTaskText(Index);
}

void Tezo_n::MakeSaveFileName()
{
    SaveFileName = taskFileName(store().Spi_GR[2].read(0), selectedTask());
}

void Tezo_n::SaveTaskText(int kind)
{
    const auto fileKind = TaskFileKind(kind);
    const TaskTexts texts{Text_Un[2]->Text(), Text_Un[0]->Text(), Text_Un[3]->Text()};
    const WriteFailure failure = saveTaskFile(SaveFileName, fileKind, texts);
    if (failure == WriteFailure::None) {
        const QString what = fileKind == TaskFileKind::StatementAndAnswer
                                 ? QStringLiteral("Условието и решението са записани")
                             : fileKind == TaskFileKind::AnswerOnly
                                 ? QStringLiteral("Решението е записано")
                                 : QStringLiteral("Решението на автора е записано");
        showSaveStatus(what + QStringLiteral(" във файла ") + SaveFileName +
                       QStringLiteral(" в папката на урока"));
        const QString where = QDir::toNativeSeparators(QFileInfo(SaveFileName).absoluteFilePath());
        m_saveStatus->setToolTip(where);
        m_saveStatus->setAccessibleDescription(where);
        return;
    }
    showSaveStatus(QStringLiteral("Файлът ") + SaveFileName + QStringLiteral(" не е записан"));
    m_saveStatus->setToolTip(QString());
    m_saveStatus->setAccessibleDescription(QString());
    askWithClockStopped(
        fileNotWrittenMessage(writeFailureText(SaveFileName, failure) + QStringLiteral("\r\n") +
                              QStringLiteral("Написаното от вас остава в прозореца на задачите.")));
}

} // namespace lesson
