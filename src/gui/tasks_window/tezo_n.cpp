#include "gui/tasks_window/tezo_n.h"

#include "core/appearance/appearance_settings.h"
#include "core/configuration/mode_flags.h"
#include "core/content/number_text.h"
#include "core/system/spoken_text.h"
#include "core/tasks/task_clock.h"
#include "core/tasks/text_scrambling.h"
#include "gui/lesson.h"
#include "gui/lesson_window/tezo.h"
#include "gui/small_windows/tezo_zad.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/focus_frame.h"
#include "gui/widgets/heading.h"
#include "gui/widgets/keyboard.h"
#include "gui/widgets/screen_reader.h"
#include "gui/widgets/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>

#include <cmath>

namespace lesson {

namespace {

// Design geometry of the tasks window, in twips.
constexpr QSizeF kInnerSize(14400, 9600);
constexpr QRectF kTaskList(120, 400, 1500, 2900);
constexpr QRectF kStatement(1740, 400, 6300, 2900);
constexpr QRectF kSolution(8160, 400, 6120, 2900);
constexpr QRectF kClock(120, 3700, 1500, 800);
constexpr QRectF kAnswer(1740, 3700, 6300, 2300);
constexpr QRectF kHint(8160, 3700, 6120, 2300);
constexpr QRectF kTerms(120, 6400, 2800, 3000);
constexpr QRectF kDefinition(3040, 6400, 7000, 3000);
constexpr QRectF kPicture(10160, 6400, 4120, 3000);

} // namespace

Tezo_n::Tezo_n(Lesson &lesson)
    : m_lesson(lesson)
{
    setObjectName(QStringLiteral("Tezo_n"));
    setWindowTitle(QStringLiteral("Тезомат - задачи + речник"));
    List_Un2 = ItemList(designAppearanceSettings());
    List_Un3 = ItemList(QStringList(98, QString()));
    buildControls();
    buildMenus();
    buildSaveStatus();
    resize(centralWidget()->width(), centralWidget()->height() + menuBar()->sizeHint().height() +
                                         statusBar()->sizeHint().height());
}

Tezo_n::~Tezo_n() = default;

ContentStore &Tezo_n::store()
{
    return m_lesson.store();
}

void Tezo_n::buildControls()
{
    auto *inner = new QWidget(this);
    inner->setObjectName(QStringLiteral("Tezo_n_inner"));
    setCentralWidget(inner);

    for (int i = 0; i < 2; ++i) {
        List_Un[std::size_t(i)] = new LessonList(inner);
        List_Un[std::size_t(i)]->setObjectName(QStringLiteral("List_Un_%1").arg(i));
    }
    List_Un[0]->setToolTip(QStringLiteral(" Списък с използваната терминология "));
    List_Un[1]->setToolTip(QStringLiteral(" Изберете от списъка желан номер въпрос/задача "));
    nameForScreenReader(List_Un[0], QStringLiteral("Термини от речника"));
    nameForScreenReader(List_Un[1], QStringLiteral("Списък на задачите"));
    // Choosing another task asks first: the keys only move until Enter.
    List_Un[1]->setChoosing(LessonList::Choosing::OnEnter);
    setTwipsGeometry(List_Un[0], kTerms);
    setTwipsGeometry(List_Un[1], kTaskList);
    connect(List_Un[0], &LessonList::Click, this, [this] { List_Un_Click(0); });
    connect(List_Un[1], &LessonList::Click, this, [this] { List_Un_Click(1); });

    const QString paneTips[] = {
        QStringLiteral(
            " В това поле се въвежда от обучавания отговора на поставения въпрос/задача  "),
        QStringLiteral(" Определения, дефиниции за използваната терминология  "),
        QStringLiteral(" Съдържание на въпроси/условия на задачи  "),
        QStringLiteral(" Решение на задача/обяснения на въпроса  "),
        QStringLiteral(" Указания за текущия въпрос/задача  "),
    };
    const QString paneNames[] = {
        QStringLiteral("Вашият отговор"),        QStringLiteral("Определение на термина"),
        QStringLiteral("Условие на задачата"),   QStringLiteral("Решение на автора"),
        QStringLiteral("Указание към задачата"),
    };
    const QRectF paneGeometry[] = {kAnswer, kDefinition, kStatement, kSolution, kHint};
    for (int i = 0; i < 5; ++i) {
        auto *pane = new LessonText(inner);
        pane->setObjectName(QStringLiteral("Text_Un_%1").arg(i));
        pane->setToolTip(paneTips[i]);
        nameForScreenReader(pane, paneNames[i]);
        setTwipsGeometry(pane, paneGeometry[i]);
        if (i != 0)
            pane->setLocked(true);
        Text_Un[std::size_t(i)] = pane;
        connect(pane, &LessonText::GotFocus, this, [this, i] { Text_Un_GotFocus(i); });
    }

    Picture_Un[0] = new PictureBox(inner);
    Picture_Un[0]->setObjectName(QStringLiteral("Picture_Un_0"));
    Picture_Un[0]->setToolTip(
        QStringLiteral("Илюстрация към съдържанието на термините, условието/решението на задача. "
                       "Щракнете с левия клавиш на мишката за мащаб."));
    Picture_Un[0]->setAccessibleDescription(Picture_Un[0]->toolTip());
    Picture_Un[0]->setOpensOnKey(true);
    setTwipsGeometry(Picture_Un[0], kPicture);
    connect(Picture_Un[0], &PictureBox::Click, this, &Tezo_n::Picture_Un_Click);

    Chasownik_Label[0] = new QLabel(inner);
    Chasownik_Label[0]->setObjectName(QStringLiteral("Chasownik_Label_0"));
    Chasownik_Label[0]->setToolTip(QStringLiteral(" Оставащо време "));
    Chasownik_Label[0]->setAccessibleDescription(Chasownik_Label[0]->toolTip());
    Chasownik_Label[0]->setAlignment(Qt::AlignCenter);
    showRemainingSeconds(QString());
    setTwipsGeometry(Chasownik_Label[0], kClock);

    Timer_n = new TickTimer(this);
    Timer_n->setObjectName(QStringLiteral("Timer_n"));
    Timer_n->setInterval(100);
    connect(Timer_n, &TickTimer::tick, this, &Tezo_n::Timer_n_Timer);

    const QString headings[] = {QStringLiteral("Вашият отговор"), QStringLiteral("Определение"),
                                QStringLiteral("Условие"), QStringLiteral("Решение на автора"),
                                QStringLiteral("Указание")};
    for (int i = 0; i < 5; ++i)
        new Heading(headings[i], Text_Un[std::size_t(i)]);
    new Heading(QStringLiteral("Задачи"), List_Un[1]);
    new Heading(QStringLiteral("Речник"), List_Un[0]);
    new Heading(QStringLiteral("Илюстрация"), Picture_Un[0]);
    new Heading(QStringLiteral("Остава"), Chasownik_Label[0]);
    applyDesignLook();
    resizeInnerTwips(inner, kInnerSize);

    // The task's own panes in the order a task is worked, then the
    // dictionary.
    setReadingOrder({List_Un[1], Text_Un[2], Text_Un[0], Text_Un[4], Text_Un[3], List_Un[0],
                     Text_Un[1], Picture_Un[0]});
    new FocusFrame(this);
}

void Tezo_n::showRemainingSeconds(const QString &seconds)
{
    Chasownik_Label[0]->setText(seconds);
    const QString name = QStringLiteral("Оставащо време на задачата");
    const QString spoken =
        seconds.isEmpty() ? name : name + QStringLiteral(": ") + secondsText(seconds.toLongLong());
    if (Chasownik_Label[0]->accessibleName() != spoken)
        Chasownik_Label[0]->setAccessibleName(spoken);
}

// The window's own look: monospace panes, so that the worked schemes stay
// aligned, their text in the lesson's text colour; a large clock.
void Tezo_n::applyDesignLook()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(226, 230, 222));
    setPalette(p);
    centralWidget()->setAutoFillBackground(true);
    QFont panes(QStringLiteral("DejaVu Sans Mono"));
    panes.setPointSize(9);
    for (LessonText *pane : Text_Un) {
        pane->setFont(panes);
        setTextColour(pane, colourFromText(List_Un2.read(11)));
    }
    QFont lists(QStringLiteral("DejaVu Sans"));
    lists.setPointSize(9);
    for (LessonList *list : List_Un)
        list->setFont(lists);
    List_Un[1]->setColumns(2);
    QFont clock(QStringLiteral("DejaVu Sans"));
    clock.setPointSize(20);
    clock.setBold(true);
    Chasownik_Label[0]->setFont(clock);
    Chasownik_Label[0]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setBackgroundColour(Chasownik_Label[0], QColor(255, 255, 255));
}

void Tezo_n::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setAccessibleName(QStringLiteral("Меню на задачите"));
    mnu_IzhodN = bar->addAction(withMnemonic(QStringLiteral("Връщане към урока"), u'В'));
    mnu_IzhodN->setObjectName(QStringLiteral("mnu_IzhodN"));
    connect(mnu_IzhodN, &QAction::triggered, this, &Tezo_n::mnu_IzhodN_Click);
    mnu_Tip_Wid = bar->addAction(withMnemonic(QStringLiteral("Ниво/Вид на задачи"), u'Н'));
    mnu_Tip_Wid->setObjectName(QStringLiteral("mnu_Tip_Wid"));
    connect(mnu_Tip_Wid, &QAction::triggered, this, &Tezo_n::mnu_Tip_Wid_Click);
    mnu_Pylen_Ekran = bar->addAction(withMnemonic(QStringLiteral("Фокус"), u'Ф'));
    mnu_Pylen_Ekran->setObjectName(QStringLiteral("mnu_Pylen_Ekran"));
    connect(mnu_Pylen_Ekran, &QAction::triggered, this, &Tezo_n::mnu_Pylen_Ekran_Click);
    mnu_All_zadachi = bar->addAction(QString());
    mnu_All_zadachi->setObjectName(QStringLiteral("mnu_All_zadachi"));
    setAllTasksCaption(QStringLiteral("Допълнително"));
    mnu_All_zadachi->setEnabled(false);
    connect(mnu_All_zadachi, &QAction::triggered, this, &Tezo_n::mnu_All_zadachi_Click);
    m_saveMenu = bar->addMenu(withMnemonic(QStringLiteral("Запис"), u'З'));
    m_saveMenu->setAccessibleName(QStringLiteral("Запис"));
    zap_resheshenie = m_saveMenu->menuAction();
    zap_resheshenie->setObjectName(QStringLiteral("zap_resheshenie"));
    const QString saves[] = {withMnemonic(QStringLiteral("Запис условие+решение"), u'У'),
                             withMnemonic(QStringLiteral("Запис само решение"), u'С'),
                             withMnemonic(QStringLiteral("Решение на автора"), u'А')};
    for (int i = 1; i <= 3; ++i) {
        QAction *entry = m_saveMenu->addAction(saves[i - 1]);
        entry->setObjectName(QStringLiteral("mnu_ZapReshen_%1").arg(i));
        mnu_ZapReshen[std::size_t(i)] = entry;
        connect(entry, &QAction::triggered, this, [this, i] { mnu_ZapReshen_Click(i); });
    }
    giveMenuBarKeys(this);
}

void Tezo_n::setAllTasksCaption(const QString &caption)
{
    // "Допълнително" and the count of tasks not yet listed ("+ 3 задачи")
    // open by the same letter.
    mnu_All_zadachi->setText(withMnemonic(caption, u'Д'));
}

// --- load ---

void Tezo_n::Form_Load()
{
    ContentStore &s = store();
    if (List_Un[1]->ListIndex() < 1) {
        CurrentTask = 1;
        // Without a selected task the clock behaves as for task 1.
        s.Wremena[0].write(0, s.Wremena[0].read(1));
        s.Wremena[1].write(0, s.Wremena[1].read(1));
        RemainingTime = 10;
        Text_Un[0]->setLocked(false);
    }
    Text_Un_GotFocus(2);
    // The lesson window creates this window while it reads the
    // configuration, before this window's copy of the flags is written.
    if (m_lesson.tezo()->flagsFixed())
        applyLoadFlags();
}

void Tezo_n::applyLoadFlags()
{
    if (ModeFlag(15) < 1)
        mnu_ZapReshen[1]->setEnabled(false);
}

int Tezo_n::ModeFlag(int k) const
{
    return modeFlagValue(List_Un4, k);
}

QString Tezo_n::Greska_Otgowor2(quint8 Ot_kyde)
{
    return askWithClockStopped(tasksWindowMessage(Ot_kyde));
}

QString Tezo_n::askWithClockStopped(const MessageSpec &message)
{
    // The task clock waits while a box of this window is open: the list may
    // already point at the task asked about while another one is shown, and
    // a tick would mix the two tasks' times; nor does the pupil lose time
    // reading a message.
    const bool running = Timer_n->isActive();
    Timer_n->stop();
    const QString answer = askMessage(m_lesson.platform(), message);
    if (running)
        Timer_n->start();
    return answer;
}

QString Tezo_n::Fn_Decrypt(const QString &Tekst_za_dekodirane) const
{
    if (ModeFlag(31) < 1)
        return Tekst_za_dekodirane;
    return unscrambleText(Tekst_za_dekodirane);
}

// --- choosing a task or a term ---

void Tezo_n::putSelectionBack(int index)
{
    const QSignalBlocker block(List_Un[1]);
    List_Un[1]->setListIndex(index);
}

int Tezo_n::ConfirmTaskChange()
{
    Timer_n->stop();
    int result = 1;
    if (Greska_Otgowor2(2) != yesText()) {
        result = CurrentTask > 0 ? CurrentTask - 1 : 0;
        putSelectionBack(result);
    }
    Timer_n->start();
    return result;
}

void Tezo_n::List_Un_Click(int Index)
{
    ContentStore &s = store();
    if (Index == 1) {
        if (List_Un[1]->ListIndex() < 0)
            return;
        const int result = selectedTask() != CurrentTask ? ConfirmTaskChange() : 1;
        if (result < 1) {
            putSelectionBack(0);
            CurrentTask = 1;
            s.List_Ur[1].write(2, QStringLiteral("1"));
        }
        // The answer pane's lock is settled by ShowTask, once it is known
        // which task stays on screen.
        ShowTask();
        return;
    }
    if (Index != 0)
        return;
    const int selected = List_Un[0]->ListIndex();
    s.List_Ur[1].write(1, QString::number(selected));
    const QString term = List_Un[0]->itemText(selected);
    const ItemList &terms = s.glos_All[0];
    // The last equal entry wins; without one the definition stays.
    for (int i = 0; i < terms.count(); ++i) {
        if (terms.read(i) == term) {
            Text_Un[1]->setText(i < int(s.Glos.size()) ? s.Glos[std::size_t(i)].text() : QString());
            SelectedTerm = quint8(std::clamp(i, 0, 255));
        }
    }
    PictureMap = 0;
    ShowIllustration(SelectedTerm);
}

void Tezo_n::ShowTask()
{
    ContentStore &s = store();
    const int t = selectedTask();
    if (t < 1)
        return;
    if (ModeFlag(25) > 0 && Val(s.Wremena[4].read(t)) > 1) {
        if (Greska_Otgowor2(3) != yesText()) {
            putSelectionBack(CurrentTask - 1);
            return;
        }
    }
    List_Un3.write(CurrentTask, Text_Un[0]->Text());
    // A different task starts with its own full time. The clock's task is
    // compared, not the shared "chosen task" item, which other places fill
    // with a list position instead of a task number.
    if (m_clockTask != t) {
        showRemainingSeconds(QString());
        SetTaskTime(1);
        m_clockTask = t;
    }
    CurrentTask = qint16(t);
    s.List_Ur[1].write(2, QString::number(t));
    // The pane is open while the shown task has time left; a spent task's
    // time is 0 for the rest of the run.
    Text_Un[0]->setLocked(!(Val(s.Wremena[1].read(t)) > 0));
    // What the enlarged window shows belongs to the task that was left.
    if (m_lesson.hasTezoZad())
        m_lesson.tezoZad()->unlinkAnswer();
    for (int pane : {2, 3, 4})
        Text_Un[std::size_t(pane)]->clear();
    PictureMap = 1;
    ShowIllustration(t);
    const ItemList &lines = s.Uslowie_L[std::size_t(std::clamp(t, 0, 35))];
    const int first = int(Val(s.Redowe_L[1].read(t)));
    const int key = int(Val(s.Redowe_L[2].read(t)));
    QString statement;
    for (int i = first; i <= key - 1; ++i)
        statement += QStringLiteral("\r\n") + Fn_Decrypt(t <= 35 ? lines.read(i) : QString());
    Text_Un[2]->setText(statement);
    Text_Un[0]->setText(List_Un3.read(t));
}

void Tezo_n::ShowIllustration(int i)
{
    ContentStore &s = store();
    const ItemList &map = s.Spi_GR[PictureMap == 0 ? 0 : 1];
    const double k = std::trunc(Val(map.read(i)));
    // A term's picture is named after the term, a task's after the task.
    const QString alternative =
        PictureMap == 0
            ? QStringLiteral("Илюстрация към термина ") + quotedTitle(s.glos_All[0].read(i))
            : QStringLiteral("Илюстрация към задача ") + QString::number(i);
    if (k < 1 || k >= double(s.Grafika_G.size()))
        Picture_Un[0]->setPicture(s.Grafika_W[1], alternative);
    else
        Picture_Un[0]->setPicture(s.Grafika_G[std::size_t(k)], alternative);
}

void Tezo_n::Picture_Un_Click()
{
    ContentStore &s = store();
    if (Picture_Un[0]->picture().samePicture(s.Grafika_W[1]))
        return;
    const int k = PictureMap == 0 ? int(std::trunc(Val(s.Spi_GR[0].read(SelectedTerm))))
                                  : int(std::trunc(Val(s.Spi_GR[1].read(selectedTask()))));
    if (k < 1 || k >= int(s.Grafika_G.size()))
        return;
    m_lesson.zoomPicture(s.Grafika_G[std::size_t(k)], twipsGeometry(Picture_Un[0]).size(),
                         Picture_Un[0]->accessibleName());
}

// --- panes ---

void Tezo_n::Text_Un_GotFocus(int Index)
{
    const QColor others = colourFromText(List_Un2.read(7));
    // The panes' text keeps the colour that goes with their background in
    // the settings list, so a background taken from there never hides it.
    const QColor text = colourFromText(List_Un2.read(11));
    for (int i = 0; i <= 4; ++i) {
        setBackgroundColour(Text_Un[std::size_t(i)], i == Index ? QColor(125, 110, 105) : others);
        setTextColour(Text_Un[std::size_t(i)], text);
    }
    FocusedPane = quint8(Index);
    m_lesson.platform().clearClipboard();
}

// --- menus ---

void Tezo_n::mnu_IzhodN_Click()
{
    ContentStore &s = store();
    List_Un3.write(List_Un[1]->ListIndex() + 1, Text_Un[0]->Text());
    s.List_Ur[1].write(2, QString::number(List_Un[1]->ListIndex()));
    Timer_n->stop();
    Tezo *tezo = m_lesson.tezo();
    tezo->Timer1->start();
    tezo->show();
    tezo->raise();
    tezo->activateWindow();
    s.List_Ur[1].write(3, QString::number(RemainingTime, 'g', 12));
    hide();
}

void Tezo_n::mnu_Pylen_Ekran_Click()
{
    ContentStore &s = store();
    Tezo_Zad *zad = m_lesson.tezoZad();
    Text_Un5 = Text_Un[FocusedPane]->Text();
    zad->showText(Text_Un5, FocusedPane == 0 ? Text_Un[0] : nullptr);
    zad->List_font->setListIndex(toInt16(Val(s.List_Ur[1].read(5))));
    zad->show();
    zad->raise();
    zad->activateWindow();
}

void Tezo_n::mnu_All_zadachi_Click()
{
    const ItemList &catalogue = store().Uslowie_L[0];
    LessonList *tasks = List_Un[1];
    const int selected = tasks->ListIndex();
    {
        // Rebuilding the list keeps the task on screen; nothing is chosen anew.
        const QSignalBlocker block(tasks);
        tasks->Clear();
        for (int i = 1; i < catalogue.count(); ++i)
            tasks->AddItem(catalogue.read(i));
        tasks->setListIndex(selected);
    }
    mnu_All_zadachi->setEnabled(false);
    setAllTasksCaption(QStringLiteral("+0 задачи"));
}

void Tezo_n::mnu_Tip_Wid_Click()
{
    ContentStore &s = store();
    s.Wremena[3].clear();
    s.Wremena[5].clear();
    const int n = List_Un[1]->ListCount();
    for (int t = 1; t <= n; ++t) {
        const QString number = QString::number(t);
        s.Wremena[3].append(QStringLiteral("Сложност ") + s.Wremena[4].read(t) +
                            QStringLiteral(" за задача ") + number);
        s.Wremena[5].append(s.Wremena[6].read(t) + QStringLiteral(" за задача ") + number);
    }
    m_lesson.openTezoGlos();
}

// --- task clock ---

void Tezo_n::SetTaskTime(quint8 mode)
{
    const ContentStore &s = store();
    const int t = selectedTask();
    const double unit = timeUnitForLevel(Val(s.Wremena[4].read(t)));
    if (mode == 1)
        RemainingTime = unit * Val(s.Wremena[1].read(t));
    else if (mode == 2)
        HintTime = unit * Val(s.Wremena[0].read(t));
}

void Tezo_n::Timer_n_Timer()
{
    m_lesson.platform().clearClipboard();
    ContentStore &s = store();
    const int t = selectedTask();
    if (!Text_Un[3]->Text().isEmpty() || t < 1)
        return;
    if (Text_Un[0]->isLocked()) {
        RemainingTime = 0;
        showRemainingSeconds(QString());
        ShowHint();
        ShowSolution();
        return;
    }
    if (RemainingTime > 0) {
        const double unit = timeUnitForLevel(Val(s.Wremena[4].read(t)));
        const ClockTick tick = tickTaskClock(RemainingTime, Val(s.Wremena[1].read(t)),
                                             Val(s.Wremena[0].read(t)), unit, ModeFlag(5) > 0);
        RemainingTime = tick.remaining;
        showRemainingSeconds(QString::number(tick.shownSeconds));
        SetTaskTime(2);
        Text_Un5 = QString::number(tick.elapsed, 'g', 12);
        if (tick.hintDue) {
            ShowHint();
            // From now on the hint is due at once.
            s.Wremena[0].write(t, QStringLiteral("0"));
        }
        return;
    }
    TaskTimeUp();
}

void Tezo_n::ShowHint()
{
    if (!Text_Un[4]->Text().isEmpty())
        return;
    const int t = selectedTask();
    const ItemList &lines = store().Uslowie_L[std::size_t(std::clamp(t, 0, 35))];
    Text_Un[4]->setText(QStringLiteral("Имате достъп до допълнително упътване за въпроса\r\n") +
                        QStringLiteral("\r\n") + Fn_Decrypt(lines.read(ModeFlag(31) > 0 ? 1 : 0)));
}

void Tezo_n::TaskTimeUp()
{
    ContentStore &s = store();
    const int t = selectedTask();
    Text_Un[0]->setLocked(true);
    if (m_lesson.hasTezoZad())
        m_lesson.tezoZad()->answerLocked();
    // The task stays spent for the rest of the run.
    s.Wremena[1].write(t, QStringLiteral("0"));
    s.Wremena[0].write(t, QStringLiteral("0"));
    ShowSolution();
}

void Tezo_n::ShowSolution()
{
    if (!Text_Un[0]->isLocked())
        return;
    const ContentStore &s = store();
    const int t = selectedTask();
    const ItemList &lines = s.Uslowie_L[std::size_t(std::clamp(t, 0, 35))];
    QString solution;
    for (int i = int(Val(s.Redowe_L[2].read(t))); i <= lines.count() - 1; ++i)
        solution += QStringLiteral("\r\n") + Fn_Decrypt(lines.read(i));
    Text_Un[3]->setText(solution);
}

// --- end ---

void Tezo_n::closeEvent(QCloseEvent *event)
{
    // The frame's close button is "Връщане към урока": the lesson window
    // comes back and everything typed stays.
    if (m_closingForEnd) {
        event->accept();
        return;
    }
    event->ignore();
    mnu_IzhodN_Click();
}
void Tezo_n::stopForEnd()
{
    Timer_n->stop();
    m_closingForEnd = true;
    close();
}

} // namespace lesson
