#include "tasks/tezo_n.h"

#include "app/lesson.h"
#include "app/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

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

// The settings list at start: description, font, then four colour slots
// (colour number, red, green, blue).
QStringList designSettings()
{
    return {QStringLiteral("всичко това е за управление на цветове"),
            QStringLiteral("Times New Roman"),
            QStringLiteral("12"),
            QStringLiteral("128"), QStringLiteral("128"), QStringLiteral("0"), QStringLiteral("0"),
            QStringLiteral("32768"), QStringLiteral("0"), QStringLiteral("128"), QStringLiteral("0"),
            QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("0"), QStringLiteral("0"),
            QStringLiteral("192"), QStringLiteral("192"), QStringLiteral("0"), QStringLiteral("0")};
}

} // namespace

Tezo_n::Tezo_n(Lesson &lesson)
    : m_lesson(lesson)
{
    setObjectName(QStringLiteral("Tezo_n"));
    setWindowTitle(QStringLiteral("Тезомат - задачи + речник"));
    List_Un2 = ItemList(designSettings());
    List_Un3 = ItemList(QStringList(98, QString()));
    buildControls();
    buildMenus();
}

Tezo_n::~Tezo_n() = default;

ContentStore &Tezo_n::store() { return m_lesson.store(); }

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
    setTwipsGeometry(List_Un[0], kTerms);
    setTwipsGeometry(List_Un[1], kTaskList);

    const QString paneTips[] = {
        QStringLiteral(
            " В това поле се въвежда от обучавания отговора на поставения въпрос/задача  "),
        QStringLiteral(" Определения, дефиниции за използваната терминология  "),
        QStringLiteral(" Съдържание на въпроси/условия на задачи  "),
        QStringLiteral(" Решение на задача/обяснения на въпроса  "),
        QStringLiteral(" Указания за текущия въпрос/задача  "),
    };
    const QRectF paneGeometry[] = {kAnswer, kDefinition, kStatement, kSolution, kHint};
    for (int i = 0; i < 5; ++i) {
        auto *pane = new LessonText(inner);
        pane->setObjectName(QStringLiteral("Text_Un_%1").arg(i));
        pane->setToolTip(paneTips[i]);
        setTwipsGeometry(pane, paneGeometry[i]);
        if (i != 0)
            pane->setLocked(true);
        Text_Un[std::size_t(i)] = pane;
    }

    Picture_Un[0] = new PictureBox(inner);
    Picture_Un[0]->setObjectName(QStringLiteral("Picture_Un_0"));
    Picture_Un[0]->setToolTip(
        QStringLiteral("Илюстрация към съдържанието на термините, условието/решението на задача. "
                       "Щракнете с левия клавиш на мишката за мащаб."));
    setTwipsGeometry(Picture_Un[0], kPicture);

    Chasownik_Label[0] = new QLabel(inner);
    Chasownik_Label[0]->setObjectName(QStringLiteral("Chasownik_Label_0"));
    Chasownik_Label[0]->setToolTip(QStringLiteral(" Оставащо време "));
    Chasownik_Label[0]->setAlignment(Qt::AlignCenter);
    setTwipsGeometry(Chasownik_Label[0], kClock);

    Timer_n = new QTimer(this);
    Timer_n->setObjectName(QStringLiteral("Timer_n"));
    Timer_n->setInterval(100);

    resizeInnerTwips(inner, kInnerSize);
    resize(inner->size());
}

void Tezo_n::buildMenus()
{
    QMenuBar *bar = menuBar();
    mnu_IzhodN = bar->addAction(QStringLiteral("Връщане към урока"));
    mnu_IzhodN->setObjectName(QStringLiteral("mnu_IzhodN"));
    mnu_Tip_Wid = bar->addAction(QStringLiteral("Ниво/Вид на задачи"));
    mnu_Tip_Wid->setObjectName(QStringLiteral("mnu_Tip_Wid"));
    mnu_Pylen_Ekran = bar->addAction(QStringLiteral("Фокус"));
    mnu_Pylen_Ekran->setObjectName(QStringLiteral("mnu_Pylen_Ekran"));
    mnu_All_zadachi = bar->addAction(QStringLiteral("Допълнително"));
    mnu_All_zadachi->setObjectName(QStringLiteral("mnu_All_zadachi"));
    mnu_All_zadachi->setEnabled(false);
    m_saveMenu = bar->addMenu(QStringLiteral("Запис"));
    zap_resheshenie = m_saveMenu->menuAction();
    zap_resheshenie->setObjectName(QStringLiteral("zap_resheshenie"));
    const QString saves[] = {QStringLiteral("Запис условие+решение"),
                             QStringLiteral("Запис само решение"),
                             QStringLiteral("Решение на автора")};
    for (int i = 1; i <= 3; ++i) {
        QAction *entry = m_saveMenu->addAction(saves[i - 1]);
        entry->setObjectName(QStringLiteral("mnu_ZapReshen_%1").arg(i));
        mnu_ZapReshen[std::size_t(i)] = entry;
    }
}

void Tezo_n::Form_Load() {}

void Tezo_n::closeEvent(QCloseEvent *event)
{
    event->accept();
}

void Tezo_n::stopForEnd()
{
    Timer_n->stop();
    m_closingForEnd = true;
    close();
}

} // namespace lesson
