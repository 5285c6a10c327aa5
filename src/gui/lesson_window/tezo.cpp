#include "gui/lesson_window/tezo.h"

#include "core/appearance/appearance_settings.h"
#include "core/configuration/mode_flags.h"
#include "core/content/number_text.h"
#include "core/system/spoken_text.h"
#include "gui/lesson.h"
#include "gui/small_windows/tezo_gra.h"
#include "gui/tasks_window/tezo_n.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/focus_frame.h"
#include "gui/widgets/keyboard.h"
#include "gui/widgets/screen_reader.h"
#include "gui/widgets/twips.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>
#include <QTimer>
#include <cmath>

namespace lesson {

namespace {

// Design geometry of the lesson window, in twips.
constexpr QSizeF kInnerSize(12700, 7800);
constexpr QRectF kTopic(1150, 160, 10000, 855);
constexpr QRectF kPlan(1150, 1200, 10000, 1200);
constexpr QRectF kContent(1850, 2520, 9450, 4500);
constexpr QRectF kPicture(150, 2520, 1545, 2160);
constexpr QRectF kLabelTopic(150, 160, 900, 375);
constexpr QRectF kLabelPlan(150, 1200, 900, 375);
constexpr QRectF kLabelTape(360, 7200, 11000, 355);
constexpr QRectF kLabelBar(11400, 495, 1195, 5000);
constexpr QRectF kBarLeft(11500, 495, 195, 5000);
constexpr QRectF kBarElapsed(11500, 5500, 195, 15);
constexpr QRectF kTapeRed(360, 7200, 11000, 195);
constexpr QRectF kTapeGreen(360, 7200, 15, 195);

// The lesson-information entries 1 to 9 and the letter Alt opens each by.
struct MenuEntry {
    const char16_t *caption;
    char16_t letter;
};
constexpr MenuEntry kInformation[] = {
    {u"Допълнителен материал", u'Д'},
    {u"Използвана литература & Internet site", u'И'},
    {u"Държавни образователни изисквания", u'О'},
    {u"Продължителност на урока", u'П'},
    {u"Цел на урока", u'Ц'},
    {u"Междупредметни връзки", u'М'},
    {u"Вътрешно предметни връзки", u'В'},
    {u"Необходими пособия", u'Н'},
    {u"Ход на урока", u'Х'},
};
constexpr MenuEntry kAuthors[] = {
    {u"Спонсор", u'С'},
    {u"Автор на урока", u'А'},
    {u"За програмата", u'З'},
};

QString captionOf(const MenuEntry &entry)
{
    return QString::fromUtf16(entry.caption);
}

QFrame *makeShape(QWidget *parent, const QColor &colour)
{
    auto *shape = new QFrame(parent);
    shape->setAutoFillBackground(true);
    QPalette p = shape->palette();
    p.setColor(QPalette::Window, colour);
    shape->setPalette(p);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape->hide();
    return shape;
}

} // namespace

Tezo::Tezo(Lesson &lesson)
    : m_lesson(lesson)
{
    setObjectName(QStringLiteral("Tezo"));
    setWindowTitle(designCaption());
    ModeFlagTable = designModeFlagTable();
    buildControls();
    buildMenus();
    connectMenus();
    // The inner area keeps its design size; the menu bar comes on top.
    resize(centralWidget()->width(), centralWidget()->height() + menuBar()->sizeHint().height());
}

Tezo::~Tezo() = default;

QString Tezo::designCaption()
{
    return QStringLiteral("Тезомат - урочно съдържание.");
}

ContentStore &Tezo::store()
{
    return m_lesson.store();
}

void Tezo::buildControls()
{
    auto *inner = new QWidget(this);
    inner->setObjectName(QStringLiteral("Tezo_inner"));
    inner->installEventFilter(this);
    setCentralWidget(inner);

    Label_U[3] = new QLabel(QStringLiteral("Тема"), inner);
    Label_U[3]->setToolTip(QStringLiteral(
        " Ако нямате къде или с какво да пишете, моля заповядайте на дъската. Там има и място, и "
        "тебешир."));
    Label_U[0] = new QLabel(QStringLiteral("План"), inner);
    Label_U[0]->setToolTip(QStringLiteral(" Планът на урока, трябва да бъде записан. "));
    for (QLabel *label : {Label_U[0], Label_U[3]}) {
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Raised);
        label->setLineWidth(2);
        label->setAutoFillBackground(true);
    }
    for (QLabel *label : {Label_U[0], Label_U[3]})
        nameForScreenReader(label, label->text());
    setTwipsGeometry(Label_U[3], kLabelTopic);
    setTwipsGeometry(Label_U[0], kLabelPlan);

    Text_U[0] = new LessonText(inner);
    Text_U[0]->setToolTip(QStringLiteral(" Тема на урока"));
    nameForScreenReader(Text_U[0], QStringLiteral("Тема на урока"));
    setTwipsGeometry(Text_U[0], kTopic);
    Label_U[3]->setBuddy(Text_U[0]);

    List_Ur[0] = new LessonList(inner);
    List_Ur[0]->setToolTip(QStringLiteral("План на урока - точка/подточка "));
    nameForScreenReader(List_Ur[0], QStringLiteral("План на урока"));
    setTwipsGeometry(List_Ur[0], kPlan);
    connect(List_Ur[0], &LessonList::Click, this, &Tezo::List_Ur_Click);
    Label_U[0]->setBuddy(List_Ur[0]);

    Text_U[1] = new LessonText(inner);
    Text_U[1]->setText(QStringLiteral("Съдържание на избраната точка/подточка от урока\r\n"));
    Text_U[1]->setToolTip(QStringLiteral(" Имате ограничено време да запишете темата и плана на "
                                         "урока! Използвайте бутон \"Фокус\""));
    nameForScreenReader(Text_U[1], QStringLiteral("Съдържание на точката"));
    setTwipsGeometry(Text_U[1], kContent);
    for (LessonText *field : Text_U)
        field->setLocked(true);

    Picture_Ur[0] = new PictureBox(inner);
    Picture_Ur[0]->setToolTip(
        QStringLiteral(" Щракнете с десен бутон, за да видите изображението в пълен размер "));
    Picture_Ur[0]->setAccessibleDescription(Picture_Ur[0]->toolTip());
    Picture_Ur[0]->setOpensOnKey(true);
    setTwipsGeometry(Picture_Ur[0], kPicture);
    connect(Picture_Ur[0], &PictureBox::Click, this, &Tezo::Picture_Ur_Click);

    // The two labels without caption lie under the bar and the tape shapes
    // and carry their tooltips; the shapes let the mouse through to them.
    Label_U[1] = new QLabel(inner);
    Label_U[1]->setAccessibleName(QStringLiteral("Преминат материал от плана"));
    setTwipsGeometry(Label_U[1], kLabelTape);
    Label_U[2] = new QLabel(inner);
    Label_U[2]->setToolTip(QStringLiteral("Показва оставащащото време, за което трябва да се "
                                          "напише заглавието и плана на урока"));
    Label_U[2]->setAccessibleName(timeBarName());
    Label_U[2]->setAccessibleDescription(Label_U[2]->toolTip());
    setTwipsGeometry(Label_U[2], kLabelBar);

    Shape_Lenta[0] = makeShape(inner, QColor(192, 192, 0));
    Shape_Lenta[1] = makeShape(inner, QColor(224, 224, 224));
    Shape_Lenta[2] = makeShape(inner, QColor(192, 0, 0));
    Shape_Lenta[3] = makeShape(inner, QColor(0, 192, 0));
    setTwipsGeometry(Shape_Lenta[0], kBarLeft);
    setTwipsGeometry(Shape_Lenta[1], kBarElapsed);
    setTwipsGeometry(Shape_Lenta[2], kTapeRed);
    setTwipsGeometry(Shape_Lenta[3], kTapeGreen);
    const QString shapeNames[] = {
        QStringLiteral("Лента на оставащото време за точката"),
        QStringLiteral("Изтекло време за точката"),
        QStringLiteral("Непреминат материал от плана"),
        QStringLiteral("Преминат материал от плана"),
    };
    for (int i = 0; i < 4; ++i)
        Shape_Lenta[std::size_t(i)]->setAccessibleName(shapeNames[i]);

    const char *names[] = {"Text_U_0", "Text_U_1"};
    for (int i = 0; i < 2; ++i)
        Text_U[std::size_t(i)]->setObjectName(QLatin1String(names[i]));
    List_Ur[0]->setObjectName(QStringLiteral("List_Ur_0"));
    Picture_Ur[0]->setObjectName(QStringLiteral("Picture_Ur_0"));
    for (int i = 0; i < 4; ++i) {
        Label_U[std::size_t(i)]->setObjectName(QStringLiteral("Label_U_%1").arg(i));
        Shape_Lenta[std::size_t(i)]->setObjectName(QStringLiteral("Shape_Lenta_%1").arg(i));
    }

    Timer1 = new TickTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &TickTimer::tick, this, &Tezo::Timer1_Timer);

    applyDesignLook();
    resizeInnerTwips(inner, kInnerSize);

    // Top to bottom, and the picture before the text beside it.
    setReadingOrder({Text_U[0], List_Ur[0], Picture_Ur[0], Text_U[1]});
    // The context-menu key reaches the control with the focus first.
    for (QWidget *control :
         std::initializer_list<QWidget *>{Text_U[0], List_Ur[0], Picture_Ur[0], Text_U[1]})
        control->installEventFilter(this);
    new FocusFrame(this);
}

// The lesson window's own look until the pupil chooses another: a quiet
// background, white fields, a monospace text so that tables and schemes in
// the lesson stay aligned. The topic shows the lesson's field colours, those
// of the tasks window's panes: the colour window starts from the topic's
// look, so choosing it and then "Отказ" changes nothing anywhere.
void Tezo::applyDesignLook()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(236, 233, 220));
    setPalette(p);
    centralWidget()->setAutoFillBackground(true);
    for (QLabel *label : {Label_U[0], Label_U[3]})
        setBackgroundColour(label, QColor(196, 212, 228));
    // The topic stands out by its size in the window's own face, whose
    // font file is read already, instead of a face of its own.
    QFont topic(QStringLiteral("DejaVu Sans"));
    topic.setPointSize(14);
    Text_U[0]->setFont(topic);
    const QStringList design = designAppearanceSettings();
    setBackgroundColour(Text_U[0], colourFromText(design[colourItem(1)]));
    setTextColour(Text_U[0], colourFromText(design[colourItem(2)]));
    // The point text is monospace, loaded with the first text shown there;
    // until then the field holds only its short note.
    QFont content(QStringLiteral("DejaVu Sans Mono"));
    content.setPointSize(9);
    Text_U[1]->setFontForNextText(content);
    QFont plan(QStringLiteral("DejaVu Sans"));
    plan.setPointSize(9);
    List_Ur[0]->setFont(plan);
    List_Ur[0]->setColumns(2);
}

void Tezo::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setAccessibleName(QStringLiteral("Меню на урока"));
    Izhod = bar->addAction(withMnemonic(QStringLiteral("Изход"), u'Х'));
    Izhod->setObjectName(QStringLiteral("Izhod"));
    connect(Izhod, &QAction::triggered, this, &Tezo::Izhod_Click);
    mnu_Fokus = bar->addAction(withMnemonic(QStringLiteral("Фокус"), u'Ф'));
    mnu_Fokus->setObjectName(QStringLiteral("mnu_Fokus"));
    mnu_Cwqt = bar->addAction(withMnemonic(QStringLiteral("Цвят/шрифт"), u'Ц'));
    mnu_Cwqt->setObjectName(QStringLiteral("mnu_Cwqt"));
    mnu_Wyprosi = bar->addAction(withMnemonic(QStringLiteral("Задачи/Речник"), u'З'));
    mnu_Wyprosi->setObjectName(QStringLiteral("mnu_Wyprosi"));

    mnu_Sydyrv_plan = bar->addMenu(withMnemonic(QStringLiteral("Информация за урока"), u'И'));
    mnu_Sydyrv_plan->setObjectName(QStringLiteral("mnu_Sydyrv_plan"));
    mnu_Sydyrv_plan->setAccessibleName(QStringLiteral("Информация за урока"));
    for (int k = 1; k <= 9; ++k) {
        const MenuEntry &information = kInformation[k - 1];
        QAction *entry = mnu_Sydyrv_plan->addAction(
            withMnemonic(captionOf(information), QChar(information.letter)));
        entry->setObjectName(QStringLiteral("Sydyrv_pla_%1").arg(k));
        Sydyrv_pla[std::size_t(k)] = entry;
    }

    awtor0 = bar->addMenu(withMnemonic(QStringLiteral("Автори"), u'А'));
    awtor0->setObjectName(QStringLiteral("awtor0"));
    awtor0->setAccessibleName(QStringLiteral("Автори"));
    for (int k = 1; k <= 3; ++k) {
        const MenuEntry &author = kAuthors[k - 1];
        QAction *entry = awtor0->addAction(withMnemonic(captionOf(author), QChar(author.letter)));
        entry->setObjectName(QStringLiteral("awtori_%1").arg(k));
        awtori[std::size_t(k)] = entry;
    }

    giveMenuBarKeys(this);
    // The keyboard's way to the pop-up menu of a right click. Some
    // desktops turn the context-menu key into a context-menu request to the
    // control with the focus (see eventFilter), others pass the key on.
    for (const QKeySequence &keys :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &Tezo::popUpFromKeyboard);
    }
}

void Tezo::popUpFromKeyboard()
{
    QWidget *focused = focusWidget() ? focusWidget() : centralWidget();
    Form_MouseDown(Qt::RightButton, focused->mapToGlobal(focused->rect().center()));
}

QString Tezo::informationCaption(int k)
{
    return k >= 1 && k <= 9 ? captionOf(kInformation[k - 1]) : QString();
}

// --- start-up ---

void Tezo::Form_Load()
{
    ContentStore &s = store();
    run.CurrentPointTime = 1;
    run.TickCount = 0;
    run.PlanPointCount = qint16(s.Plan_Tezo[0].count() - 1);
    CaptureLayout();
    ReadLessonConfiguration();
    m_flagsFixed = true;
    if (m_lesson.hasTezoN())
        m_lesson.tezoN()->applyLoadFlags();
    const quint8 drive = CurrentDriveType();
    if (drive < 1 || drive > 2)
        m_lesson.tezoN()->zap_resheshenie->setEnabled(false);
    ApplyModeFlags();
    run.PointTime[0] = 0;
    const int points = std::min<int>(run.PlanPointCount, kMaxPlanPoints);
    for (int k = 1; k <= points; ++k) {
        run.PointDone[std::size_t(k)] = 0;
        run.PointTime[std::size_t(k)] = toInt16(Val(s.Wremena[2].read(k)));
    }
    run.PointDone[0] = quint8(std::max(0, points));
    if (ModeFlag(16) == 0)
        mnu_Wyprosi->setEnabled(false);
    setWindowTitle(windowTitle() + QLatin1Char(' ') + s.Plan_Tezo[0].read(0) +
                   QStringLiteral("  Версия ") + Str(Val(s.List_Ur[3].read(3)) / 100.0) +
                   QStringLiteral(" от ") + s.List_Ur[3].read(10));
    InitProgressTape();
    Label_U[1]->setAccessibleName(progressTapeName());
    run.ImageSource = 0;
    LoadPlan();
    if (ModeFlag(14) == 1)
        m_lesson.tezoN()->mnu_All_zadachi->setEnabled(true);
    s.List_Ur[1].write(2, QStringLiteral("0"));
    Timer1->start();
}

// --- plan and content ---

void Tezo::LoadPlan()
{
    ContentStore &s = store();
    const ItemList &plan = s.Plan_Tezo[0];
    const int n = plan.count();
    int m = n;
    // Items too short to carry a code and a title are skipped and not counted.
    for (int i = 1; i <= n - 1; ++i) {
        const QString item = plan.read(i);
        if (item.size() < 7)
            --m;
        else
            s.List_Ur[2].append(item);
    }
    for (int i = 1; i <= m - 1; ++i)
        List_Ur[0]->AddItem(s.List_Ur[2].read(i).mid(4));
    Text_U[0]->setText(plan.read(0));
    run.ImageIndex = int(std::floor(Val(s.Spi_GR[3].read(0))));
    if (run.ImageIndex > 0) {
        showPicture(run.ImageIndex,
                    QStringLiteral("Илюстрация към темата ") + quotedTitle(plan.read(0)));
        run.ImageSource = 1;
    } else {
        clearPicture();
    }
}

void Tezo::List_Ur_Click()
{
    if (ModeFlag(10) < 1)
        return;
    ContentStore &s = store();
    const ItemList &plan = s.Plan_Tezo[0];
    const int n = plan.count() - 1;
    const int sel = List_Ur[0]->ListIndex() + 1;
    if (sel < 1 || sel > kMaxPlanPoints)
        return;
    run.PointTime[0] = qint16(sel);
    const QString shown = List_Ur[0]->itemText(sel - 1);
    const int length = int(shown.size());
    // The shown title is found again at the end of the full plan items; the
    // last match wins and the topic (item 0) takes part.
    int p = 0;
    for (int i = 0; i <= n; ++i) {
        if (plan.read(i).right(length) == shown) {
            p = i;
            Text_U[1]->setText(i < int(s.Podtochki.size()) ? s.Podtochki[std::size_t(i)].text()
                                                           : QString());
        }
    }
    run.ImageIndex = int(std::floor(Val(s.Spi_GR[3].read(p))));
    if (run.ImageIndex > 0) {
        showPicture(run.ImageIndex, QStringLiteral("Илюстрация към точка ") + quotedTitle(shown));
        run.ImageSource = 1;
    } else {
        clearPicture();
    }
    if (run.PointDone[std::size_t(sel)] == 0) {
        const qint16 t = ModeFlag(18) == 0 ? toInt16(Val(s.Wremena[2].read(sel)))
                                           : run.PointTime[std::size_t(sel)];
        run.PointTime[std::size_t(sel)] = t;
        run.CurrentPointTime = t;
        ComputeTimeBarGeometry(timeBarRow());
    }
    Label_U[2]->setAccessibleName(timeBarName());
    if (ModeFlag(17) < 1)
        List_Ur[0]->setEnabled(false);
}

void Tezo::showPicture(int imageIndex, const QString &alternative)
{
    const ContentStore &s = store();
    if (imageIndex >= 0 && imageIndex < int(s.Grafika_G.size()))
        Picture_Ur[0]->setPicture(s.Grafika_G[std::size_t(imageIndex)], alternative);
    else
        Picture_Ur[0]->setPicture(PictureSlot(), alternative);
}

// Clearing copies the empty slot into the box; where the last picture came
// from is left as it was.
void Tezo::clearPicture()
{
    Picture_Ur[0]->setPicture(store().Grafika_W[1], QString());
    run.ImageIndex = 0;
}

void Tezo::Picture_Ur_Click()
{
    if (run.ImageIndex < 1)
        return;
    ContentStore &s = store();
    const std::size_t index = std::size_t(run.ImageIndex);
    const PictureSlot *source = nullptr;
    if (run.ImageSource == 1 && index < s.Grafika_G.size())
        source = &s.Grafika_G[index];
    else if (run.ImageSource == 2 && index < s.Grafika_W.size())
        source = &s.Grafika_W[index];
    if (!source || source->isEmpty())
        return;
    m_lesson.zoomPicture(*source, twipsGeometry(Picture_Ur[0]).size(),
                         Picture_Ur[0]->accessibleName());
}

// A press on the window's background, outside every control: presses that
// a control leaves alone travel up to the background too, and are not ours.
bool Tezo::eventFilter(QObject *watched, QEvent *event)
{
    // A context-menu request from the keyboard opens the lesson's pop-up
    // menu, whichever control has the focus; the mouse's stays the
    // control's own.
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
        popUpFromKeyboard();
        return true;
    }
    // The inner area's size is the window's inner size: every change of it
    // lays the window out again.
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        Form_Resize();
    if (watched == centralWidget() && event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (!centralWidget()->childAt(press->position().toPoint())) {
            Form_MouseDown(press->button(), press->globalPosition().toPoint());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- services ---

int Tezo::ModeFlag(int k) const
{
    return modeFlagValue(ModeFlagTable, k);
}

QString Tezo::Greska_Otgowor1(int Ot_kyde)
{
    return askMessage(m_lesson.platform(), lessonWindowMessage(Ot_kyde));
}

qint16 Tezo::ReportFileStatus(const QString &filespec)
{
    return QFileInfo(filespec).isFile() ? 1 : 0;
}

quint8 Tezo::CurrentDriveType()
{
    return m_lesson.platform().currentDriveType();
}

// --- end of the run ---

void Tezo::Izhod_Click()
{
    if (Greska_Otgowor1(2) != yesText())
        return;
    // A file that could not be written keeps the lesson open: nothing typed
    // is lost, and "Изход" may be chosen again.
    if (!SaveEnteredTexts())
        return;
    m_lesson.endRun();
}

void Tezo::closeEvent(QCloseEvent *event)
{
    // Closing the window frame ends the lesson only as "Изход" does: after
    // the exit question, with the typed answers recorded.
    if (m_closingForEnd || m_lesson.hasEnded()) {
        event->accept();
        return;
    }
    if (Greska_Otgowor1(2) != yesText() || !SaveEnteredTexts()) {
        event->ignore();
        return;
    }
    m_lesson.endRun();
    event->accept();
}

void Tezo::stopForEnd()
{
    Timer1->stop();
    m_closingForEnd = true;
    close();
}

} // namespace lesson
