#include "teacher_window.h"

#include "class_answers_dialog.h"
#include "config_source.h"
#include "core/content/number_text.h"
#include "core/system/messages.h"
#include "teacher_desk.h"
#include "tool_text.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

using lesson::ConfigFile;
using lesson::ConfigRecord;
using lesson::kConfigValueCount;
using tezomat_config::durationText;
using tezomat_config::levelUnitSeconds;
using tezomat_config::quoted;
using tezomat_config::WrittenKind;

namespace tezomat_teacher {

namespace {

const QString kConfigurationFilter = QStringLiteral("Файл с настройки (*.UFG *.ufg)");
const QString kSourceFilter = QStringLiteral("Източник на настройки (*.ini *.txt)");
// Far larger than a configuration file; a source is read again whole.
constexpr qint64 kMaxOpenedSize = 1 << 20;

struct FlagGroup {
    QString title;
    QString tip;
    QList<int> flags;
};

// The flags the lesson reads, by the window they act on.
QList<FlagGroup> flagGroups()
{
    return {
        {QStringLiteral("Прозорец на урока: план и време"),
         QStringLiteral("Как ученикът минава през точките на плана."),
         {10, 13, 17, 18, 16}},
        {QStringLiteral("Меню „Информация за урока“ (отметнатото е достъпно)"),
         QStringLiteral("Команда, която зависи от два режима, е достъпна само когато и двата са "
                        "включени. Команда без текст никога не е достъпна."),
         {9, 19, 20, 21, 22, 23}},
        {QStringLiteral("И в двата прозореца"),
         QStringLiteral("Команди на двата прозореца."),
         {7, 24}},
        {QStringLiteral("Прозорец „Задачи + речник“"),
         QStringLiteral("Какво ученикът може в прозореца със задачите и речника."),
         {1, 3, 4, 5, 25, 14, 11, 15}},
        {QStringLiteral("Прозорец „Тип и трудност на задачите“"),
         QStringLiteral("Списъците на малкия прозорец за типа и трудността на задачите."),
         {8, 26}},
        {QStringLiteral("При изход и за текстовете на задачите"),
         QStringLiteral("Записът на отговорите и начинът, по който са записани задачите."),
         {12, 31}},
    };
}

// What switching the flag changes, told the way round the teacher sees it.
QString flagTip(int k)
{
    switch (k) {
    case 1:
        return QStringLiteral("Изключено: списъкът със задачите е недостъпен.");
    case 3:
        return QStringLiteral("Изключено: обратното броене на времето за задачата не се вижда.");
    case 4:
        return QStringLiteral("Изключено: речникът е недостъпен и показва „Достъпът до речника е "
                              "забранен!“.");
    case 5:
        return QStringLiteral("Изключено: по време на задачата не идва упътване.");
    case 7:
        return QStringLiteral("Изключено: командата „Цвят/шрифт“ е недостъпна.");
    case 8:
        return QStringLiteral("Изключено: списъкът с нивата на трудност е недостъпен.");
    case 9:
        return QStringLiteral("Изключено: „Допълнителен материал“ е недостъпен.");
    case 10:
        return QStringLiteral("Изключено: планът е недостъпен, а вместо учебния материал стои "
                              "„Достъпът до учебния материал е забранен!“.");
    case 11:
        return QStringLiteral("Изключено: командата „Запис само решение“ е недостъпна.");
    case 12:
        return QStringLiteral("Включено: при изход урокът записва въведените отговори в папката си "
                              "(OTGOWORI.TXT, а при включен режим 31 — OTGOWOR2.TXT); оттам ги "
                              "събира „Отговори на класа“.");
    case 13:
        return QStringLiteral("Изключено: лентата, която отброява времето на точката, не се "
                              "вижда.");
    case 14:
        return QStringLiteral("Включено: „Допълнително“ (задачите извън списъка) е достъпно още от "
                              "началото.");
    case 15:
        return QStringLiteral("Изключено: командата „Запис условие+решение“ не се вижда.");
    case 16:
        return QStringLiteral("Изключено: „Задачи/Речник“ е недостъпно от началото. Включено: "
                              "достъпно е от началото и отново след всяка прочетена точка.");
    case 17:
        return QStringLiteral("Включено: ученикът може да избере друга точка, докато тече времето "
                              "на текущата. Изключено: планът се заключва, докато времето на "
                              "точката изтече.");
    case 18:
        return QStringLiteral("Включено: избрана отново точка продължава от оставащото си време. "
                              "Изключено: времето ѝ започва отначало.");
    case 19:
        return QStringLiteral("Изключено: „Държавни образователни изисквания“ и „Цел на урока“ са "
                              "недостъпни, а лентата на напредъка не се вижда.");
    case 20:
        return QStringLiteral("Изключено: „Продължителност на урока“ и „Междупредметни връзки“ са "
                              "недостъпни.");
    case 21:
        return QStringLiteral("Изключено: „Цел на урока“ и „Вътрешно предметни връзки“ са "
                              "недостъпни.");
    case 22:
        return QStringLiteral("Изключено: „Междупредметни връзки“ и „Необходими пособия“ са "
                              "недостъпни.");
    case 23:
        return QStringLiteral("Изключено: „Вътрешно предметни връзки“ и „Ход на урока“ са "
                              "недостъпни.");
    case 24:
        return QStringLiteral("Изключено: командите „Фокус“ на двата прозореца са недостъпни.");
    case 25:
        return QStringLiteral("Включено: преди да отвори по-трудна задача, урокът пита ученика.");
    case 26:
        return QStringLiteral("Изключено: списъкът с типа на решенията е недостъпен.");
    case 31:
        return QStringLiteral("Само за урок, чиито задачи са записани кодирани. В този урок те са "
                              "записани четимо: оставете режима изключен, иначе задачите не се "
                              "четат. Включен, той дава и друго име на файла с отговорите "
                              "(OTGOWOR2.TXT).");
    default:
        return QString();
    }
}

// The meaning as a check box shows it: the part in brackets stays in the
// tooltip, and a long line is broken once between words.
QString flagCaption(int k)
{
    QString meaning = tezomat_config::modeFlagMeaning(k);
    const qsizetype bracket = meaning.indexOf(QStringLiteral(" ("));
    if (bracket > 0 && meaning.endsWith(QLatin1Char(')')))
        meaning.truncate(bracket);
    constexpr qsizetype kLine = 60;
    if (meaning.size() > kLine) {
        const qsizetype blank = meaning.lastIndexOf(QLatin1Char(' '), kLine);
        if (blank > 0)
            meaning[blank] = QLatin1Char('\n');
    }
    meaning[0] = meaning.at(0).toUpper();
    return QStringLiteral("%1 — %2").arg(k).arg(meaning);
}

QString unitSuffix(int level)
{
    const int unit = levelUnitSeconds(level);
    return unit == 1 ? QStringLiteral(" с") : QStringLiteral(" × %1 с").arg(unit);
}

qint32 dateNumber(const QDate &date)
{
    return date.year() * 10000 + date.month() * 100 + date.day();
}

QDate dateOf(qint32 number)
{
    return QDate(number / 10000, number / 100 % 100, number % 100);
}

// A spin box changes its value under the mouse wheel only while it has
// the focus, so scrolling the page never changes a time by accident.
class WheelGuard : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel) {
            auto *box = qobject_cast<QAbstractSpinBox *>(watched);
            if (box && !box->hasFocus()) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// The version with the locale's decimal comma, taking a point as well: the
// source and the lesson's caption write "0.96".
class VersionBox : public QDoubleSpinBox {
public:
    QValidator::State validate(QString &input, int &pos) const override
    {
        input.replace(QLatin1Char('.'), locale().decimalPoint());
        return QDoubleSpinBox::validate(input, pos);
    }
};

QLabel *heading(const QString &text)
{
    auto *label = new QLabel(text);
    label->setStyleSheet(QStringLiteral("font-weight: bold"));
    return label;
}

} // namespace

TeacherWindow::TeacherWindow(TeacherDesk &desk, const LessonFacts &facts, QWidget *parent)
    : QMainWindow(parent)
    , m_desk(desk)
    , m_facts(facts)
{
    setObjectName(QStringLiteral("TeacherWindow"));
    buildMenus();

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    m_originLabel = new QLabel;
    m_originLabel->setObjectName(QStringLiteral("originLabel"));
    m_originLabel->setWordWrap(true);
    m_originLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    describe(m_originLabel, QStringLiteral("Откъде са настройките"),
             QStringLiteral("Урокът, за който са настройките, и файлът, от който са прочетени."));
    layout->addWidget(m_originLabel);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("pages"));
    describe(m_tabs, QStringLiteral("Страници с настройки"),
             QStringLiteral("Ctrl+Tab и Ctrl+Shift+Tab минават от страница на страница."));
    m_tabs->addTab(buildLessonPage(), QStringLiteral("&Урок и точки"));
    m_tabs->addTab(buildFlagsPage(), QStringLiteral("&Режими"));
    m_tabs->addTab(buildTasksPage(), QStringLiteral("За&дачи"));
    layout->addWidget(m_tabs, 1);

    auto *buttons = new QHBoxLayout;
    const auto addButton = [&](const QString &name, const QString &text, const QString &tip,
                               auto slot) {
        auto *button = new QPushButton(text);
        button->setObjectName(name);
        describe(button, QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("…")), tip);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
        return button;
    };
    addButton(QStringLiteral("saveButton"), QStringLiteral("&Запис"),
              QStringLiteral("Записва файла с настройки (Ctrl+S), който урокът чете от папката "
                             "си под името %1.UFG.")
                  .arg(m_facts.id),
              [this] { save(); });
    addButton(QStringLiteral("saveSourceButton"), QStringLiteral("Запис като &източник…"),
              QStringLiteral("Записва настройките като текст с обяснение на всяка от тях "
                             "(Ctrl+E); от него tezomat-config записва файла с настройки."),
              [this] { saveSource(); });
    buttons->addStretch(1);
    addButton(QStringLiteral("classAnswersButton"), QStringLiteral("Отговори на &класа…"),
              QStringLiteral("Събира файловете с отговори от папките на учениците в една "
                             "страница и една таблица (Ctrl+K)."),
              [this] { showClassAnswers(); });
    layout->addLayout(buttons);
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    describe(statusBar(), QStringLiteral("Състояние"),
             QStringLiteral("Какво е направено последно."));
    resize(1000, 700);
}

void TeacherWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&Файл"));
    const auto add = [&](const QString &name, const QString &text, const QKeySequence &keys,
                         const QString &tip, auto slot) {
        QAction *action = file->addAction(text);
        action->setObjectName(name);
        action->setShortcut(keys);
        action->setToolTip(tip);
        action->setStatusTip(tip);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(QStringLiteral("openAction"), QStringLiteral("&Отвори…"),
        QKeySequence(Qt::CTRL | Qt::Key_O),
        QStringLiteral("Отваря файл с настройки (%1.UFG) или източник (.ini).").arg(m_facts.id),
        [this] { chooseAndOpen(); });
    add(QStringLiteral("sampleAction"), QStringLiteral("Започни от о&бразеца"),
        QKeySequence(Qt::CTRL | Qt::Key_N),
        QStringLiteral("Зарежда образеца, в който е включено всичко, което урокът предлага."),
        [this] {
            if (mayDropChanges(QStringLiteral("Промените не са записани. Да бъдат ли изоставени, "
                                              "за да се зареди образецът?")))
                startFromSample();
        });
    file->addSeparator();
    m_saveAction = add(QStringLiteral("saveAction"), QStringLiteral("&Запис"),
                       QKeySequence(Qt::CTRL | Qt::Key_S),
                       QStringLiteral("Записва файла с настройки."), [this] { save(); });
    add(QStringLiteral("saveAsAction"), QStringLiteral("Запис &като…"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        QStringLiteral("Записва файла с настройки под друго име."), [this] { saveAs(); });
    add(QStringLiteral("saveSourceAction"), QStringLiteral("Запис като &източник…"),
        QKeySequence(Qt::CTRL | Qt::Key_E),
        QStringLiteral("Записва настройките като текст с обяснения."), [this] { saveSource(); });
    file->addSeparator();
    add(QStringLiteral("classAnswersAction"), QStringLiteral("Отговори на к&ласа…"),
        QKeySequence(Qt::CTRL | Qt::Key_K),
        QStringLiteral("Събира отговорите на класа в страница и таблица."),
        [this] { showClassAnswers(); });
    file->addSeparator();
    add(QStringLiteral("quitAction"), QStringLiteral("Из&ход"), QKeySequence(Qt::CTRL | Qt::Key_Q),
        QStringLiteral("Затваря прозореца."), [this] { close(); });
}

QSpinBox *TeacherWindow::makeSpinBox(int maximum, const QString &objectName, const QString &name,
                                     const QString &tip)
{
    auto *box = new QSpinBox;
    box->setObjectName(objectName);
    box->setRange(0, maximum);
    // The value counts once typing is done (Enter or leaving the box), so
    // that typing 90 never passes through 9 and clips the hint time.
    box->setKeyboardTracking(false);
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(new WheelGuard(box));
    box->setAlignment(Qt::AlignRight);
    describe(box, name, tip);
    return box;
}

QWidget *TeacherWindow::buildLessonPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);

    auto *lessonBox = new QGroupBox(QStringLiteral("Урок"));
    auto *form = new QFormLayout(lessonBox);
    auto *identifier = new QLineEdit(m_facts.id);
    identifier->setObjectName(QStringLiteral("identifier"));
    identifier->setReadOnly(true);
    identifier->setFrame(false);
    QPalette flat = identifier->palette();
    flat.setColor(QPalette::Base, flat.color(QPalette::Window));
    identifier->setPalette(flat);
    identifier->setMaximumWidth(160);
    describe(identifier, QStringLiteral("Идентификатор на урока"),
             QStringLiteral("Урокът приема само файл с точно този идентификатор, затова той не "
                            "се променя."));
    form->addRow(QStringLiteral("Идентификатор:"), identifier);

    m_version = new VersionBox;
    m_version->setObjectName(QStringLiteral("version"));
    m_version->setDecimals(2);
    m_version->setRange(0, tezomat_config::kVersionMax / 100.0);
    m_version->setSingleStep(0.01);
    m_version->setKeyboardTracking(false);
    m_version->setMaximumWidth(160);
    m_version->setAlignment(Qt::AlignRight);
    describe(m_version, QStringLiteral("Версия"),
             QStringLiteral("Версията се показва в заглавието на прозореца на урока."));
    auto *versionLabel = new QLabel(QStringLiteral("&Версия:"));
    versionLabel->setBuddy(m_version);
    form->addRow(versionLabel, m_version);
    connect(m_version, &QDoubleSpinBox::valueChanged, this, [this](double value) {
        m_file.records[2].Count = qint32(std::llround(value * 100));
        edited();
    });

    m_date = new QDateEdit;
    m_date->setObjectName(QStringLiteral("date"));
    m_date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_date->setDateRange(QDate(1000, 1, 1), QDate(9999, 12, 31));
    m_date->setCalendarPopup(true);
    m_date->setKeyboardTracking(false);
    m_date->setMaximumWidth(160);
    describe(
        m_date, QStringLiteral("Дата на версията"),
        QStringLiteral("Датата на версията, записана във файла с настройки (ден.месец.година)."));
    auto *dateLabel = new QLabel(QStringLiteral("Д&ата на версията:"));
    dateLabel->setBuddy(m_date);
    form->addRow(dateLabel, m_date);
    m_versionCaption = new QLabel;
    m_versionCaption->setObjectName(QStringLiteral("lessonCaption"));
    m_versionCaption->setTextInteractionFlags(Qt::TextSelectableByMouse);
    describe(m_versionCaption, QStringLiteral("Заглавие на прозореца на урока"),
             QStringLiteral("Така урокът изписва темата, версията и датата в заглавието си."));
    form->addRow(QStringLiteral("Заглавие на урока:"), m_versionCaption);
    connect(m_date, &QDateEdit::dateChanged, this, [this](const QDate &date) {
        m_file.records[3].Count = dateNumber(date);
        edited();
    });
    layout->addWidget(lessonBox);

    auto *pointsBox = new QGroupBox(QStringLiteral("Време за разглеждане на точките от плана"));
    auto *points = new QVBoxLayout(pointsBox);
    auto *explanation = new QLabel(
        QStringLiteral("Коефициентът е в стотни от секундата на всеки знак от текста на точката: "
                       "точка с текст от N знака получава 2 + N × коефициента / 100 секунди. "
                       "Докато времето тече, ученикът преписва плана."));
    explanation->setWordWrap(true);
    points->addWidget(explanation);
    auto *grid = new QGridLayout;
    grid->addWidget(heading(QStringLiteral("Точка")), 0, 0);
    grid->addWidget(heading(QStringLiteral("Знаци")), 0, 1, Qt::AlignRight);
    grid->addWidget(heading(QStringLiteral("Коефициент")), 0, 2);
    grid->addWidget(heading(QStringLiteral("Време за разглеждане")), 0, 3);
    for (int k = 1; k <= int(m_facts.pointTitles.size()); ++k) {
        const QString title = m_facts.pointTitles.at(k - 1);
        auto *name = new QLabel(title);
        auto *length = new QLabel(QString::number(m_facts.pointTextLengths.at(k - 1)));
        QSpinBox *factor = makeSpinBox(
            tezomat_config::kFactorMax, QStringLiteral("point%1Factor").arg(k),
            QStringLiteral("Коефициент на точка %1").arg(title),
            QStringLiteral("Стотни от секундата на знак за точка „%1“ (%2 знака); 0 дава 2 "
                           "секунди.")
                .arg(title)
                .arg(m_facts.pointTextLengths.at(k - 1)));
        factor->setMaximumWidth(110);
        name->setBuddy(factor);
        auto *time = new QLabel;
        time->setObjectName(QStringLiteral("point%1Time").arg(k));
        describe(time, QStringLiteral("Време за разглеждане на точка %1").arg(title),
                 QStringLiteral("Толкова време урокът дава на точката."));
        grid->addWidget(name, k, 0);
        grid->addWidget(length, k, 1, Qt::AlignRight);
        grid->addWidget(factor, k, 2);
        grid->addWidget(time, k, 3);
        m_factor << factor;
        m_viewingTime << time;
        connect(factor, &QSpinBox::valueChanged, this, [this, k](int value) {
            m_file.records[4].Values[k - 1] = qint16(value);
            edited();
        });
    }
    grid->setColumnStretch(3, 1);
    grid->setHorizontalSpacing(18);
    points->addLayout(grid);
    layout->addWidget(pointsBox);

    auto *stepsBox = new QGroupBox(QStringLiteral("Как се работи"));
    auto *steps = new QVBoxLayout(stepsBox);
    auto *stepsText = new QLabel(
        QStringLiteral("1. Подгответе: изберете режимите и времената и натиснете „Запис“; "
                       "сложете файла %1.UFG в папката на урока на всеки компютър.\n"
                       "2. Пуснете урока: той чете файла при стартиране, а при изход записва "
                       "отговорите на ученика в папката си (режим 12).\n"
                       "3. Съберете отговорите: копирайте папките от компютрите, по една за "
                       "ученик, и натиснете „Отговори на класа“.")
            .arg(m_facts.id));
    stepsText->setWordWrap(true);
    steps->addWidget(stepsText);
    layout->addWidget(stepsBox);
    layout->addStretch(1);
    return page;
}

QWidget *TeacherWindow::buildFlagsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *explanation =
        new QLabel(QStringLiteral("Отметнат режим е включен (1 във файла), празен — изключен (0). "
                                  "Режимите, които урокът не използва, се запазват такива, "
                                  "каквито са."));
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    auto *columns = new QHBoxLayout;
    QVBoxLayout *column = nullptr;
    const QList<FlagGroup> groups = flagGroups();
    for (qsizetype g = 0; g < groups.size(); ++g) {
        if (g == 0 || g == 3) {
            column = new QVBoxLayout;
            columns->addLayout(column, 1);
        }
        const FlagGroup &group = groups.at(g);
        auto *box = new QGroupBox(group.title);
        box->setToolTip(group.tip);
        auto *boxLayout = new QVBoxLayout(box);
        for (const int k : group.flags) {
            auto *check = new QCheckBox(flagCaption(k));
            check->setObjectName(QStringLiteral("flag%1").arg(k));
            describe(check,
                     QStringLiteral("Режим %1: %2").arg(k).arg(tezomat_config::modeFlagMeaning(k)),
                     flagTip(k));
            boxLayout->addWidget(check);
            m_flag[std::size_t(k)] = check;
            connect(check, &QCheckBox::toggled, this, [this, k](bool on) {
                m_file.records[0].Values[k - 1] = on ? 1 : 0;
                edited();
            });
        }
        column->addWidget(box);
        if (g == 2 || g == groups.size() - 1)
            column->addStretch(1);
    }
    layout->addLayout(columns, 1);
    return page;
}

QWidget *TeacherWindow::buildTasksPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *form = new QFormLayout;
    m_kept = makeSpinBox(tezomat_config::kTaskCountMax, QStringLiteral("keptTasks"),
                         QStringLiteral("Задачи, които урокът запазва"),
                         QStringLiteral("Задачите след този брой се махат от урока (от 0 до %1).")
                             .arg(tezomat_config::kTaskCountMax));
    m_kept->setMaximumWidth(110);
    m_offered = makeSpinBox(tezomat_config::kTaskCountMax, QStringLiteral("offeredTasks"),
                            QStringLiteral("Задачи в списъка"),
                            QStringLiteral("Толкова от запазените задачи виждат учениците в "
                                           "списъка; останалите се отварят с „Допълнително“."));
    m_offered->setMaximumWidth(110);
    auto *keptLabel = new QLabel(QStringLiteral("Задачи, които урокът запаз&ва:"));
    keptLabel->setBuddy(m_kept);
    auto *offeredLabel = new QLabel(QStringLiteral("Задачи в с&писъка:"));
    offeredLabel->setBuddy(m_offered);
    form->addRow(keptLabel, m_kept);
    form->addRow(offeredLabel, m_offered);
    layout->addLayout(form);
    m_tasksSummary = new QLabel;
    m_tasksSummary->setObjectName(QStringLiteral("tasksSummary"));
    m_tasksSummary->setWordWrap(true);
    describe(m_tasksSummary, QStringLiteral("Задачите в урока"),
             QStringLiteral("Колко задачи има урокът и как ги вижда ученикът."));
    layout->addWidget(m_tasksSummary);
    connect(m_kept, &QSpinBox::valueChanged, this, [this](int value) {
        m_file.records[0].Count = value;
        m_offered->setMaximum(value); // clips the number offered, which reports it
        edited();
    });
    connect(m_offered, &QSpinBox::valueChanged, this, [this](int value) {
        m_file.records[1].Count = value;
        edited();
    });

    auto *table = new QWidget;
    auto *grid = new QGridLayout(table);
    const QStringList headings{QStringLiteral("Задача"),     QStringLiteral("Вид"),
                               QStringLiteral("Ниво"),       QStringLiteral("Упътване"),
                               QStringLiteral("Общо време"), QStringLiteral("Упътване след"),
                               QStringLiteral("Край след"),  QStringLiteral("В урока")};
    for (int c = 0; c < headings.size(); ++c)
        grid->addWidget(heading(headings.at(c)), 0, c);
    for (int t = 1; t <= kConfigValueCount; ++t) {
        TaskRow row;
        const QString kind = t <= m_facts.taskCount ? m_facts.solutionTypes.value(t - 1)
                                                    : QStringLiteral("без условие");
        auto *number = new QLabel(QString::number(t));
        auto *kindLabel = new QLabel(kind);
        row.level = makeSpinBox(tezomat_config::kLevelMax, QStringLiteral("task%1Level").arg(t),
                                QStringLiteral("Задача %1, ниво").arg(t),
                                QStringLiteral("Трудност на задача %1: ниво 1 брои времената в "
                                               "секунди, ниво 2 в десетки секунди, по-високо в "
                                               "хиляди секунди.")
                                    .arg(t));
        row.level->setMinimum(tezomat_config::kLevelMin);
        row.hint = makeSpinBox(tezomat_config::kTimeMax, QStringLiteral("task%1Hint").arg(t),
                               QStringLiteral("Задача %1, време за упътване").arg(t),
                               QStringLiteral("Кога идва упътването на задача %1, в единиците на "
                                              "нивото ѝ; не по-късно от общото време.")
                                   .arg(t));
        row.total = makeSpinBox(tezomat_config::kTimeMax, QStringLiteral("task%1Total").arg(t),
                                QStringLiteral("Задача %1, общо време").arg(t),
                                QStringLiteral("Цялото време за задача %1, в единиците на нивото "
                                               "ѝ; след него отговорът се заключва и се показва "
                                               "решението.")
                                    .arg(t));
        row.hintAfter = new QLabel;
        row.end = new QLabel;
        row.state = new QLabel;
        row.state->setObjectName(QStringLiteral("task%1State").arg(t));
        row.hintAfter->setObjectName(QStringLiteral("task%1HintAfter").arg(t));
        row.end->setObjectName(QStringLiteral("task%1End").arg(t));
        describe(row.hintAfter, QStringLiteral("Задача %1, упътване след").arg(t),
                 QStringLiteral("Времето за упътване в секунди и минути."));
        describe(row.end, QStringLiteral("Задача %1, край след").arg(t),
                 QStringLiteral("Общото време в секунди и минути."));
        describe(row.state, QStringLiteral("Задача %1 в урока").arg(t),
                 QStringLiteral("Дали задачата е в списъка, с „Допълнително“ или махната."));
        number->setBuddy(row.level);
        row.cells = {number,    kindLabel,     row.level, row.hint,
                     row.total, row.hintAfter, row.end,   row.state};
        for (int c = 0; c < row.cells.size(); ++c)
            grid->addWidget(row.cells.at(c), t, c);
        connect(row.level, &QSpinBox::valueChanged, this, [this, t](int value) {
            ConfigFile &f = m_file;
            f.records[1].Values[t - 1] = qint16(value);
            // A task met for the first time gets all three of its numbers.
            f.records[2].Values[t - 1] = qint16(m_task[t - 1].hint->value());
            f.records[3].Values[t - 1] = qint16(m_task[t - 1].total->value());
            edited();
        });
        connect(row.hint, &QSpinBox::valueChanged, this, [this, t](int value) {
            m_file.records[1].Values[t - 1] = qint16(m_task[t - 1].level->value());
            m_file.records[2].Values[t - 1] = qint16(value);
            edited();
        });
        connect(row.total, &QSpinBox::valueChanged, this, [this, t](int value) {
            m_file.records[1].Values[t - 1] = qint16(m_task[t - 1].level->value());
            m_file.records[3].Values[t - 1] = qint16(value);
            // The hint never comes after the end: a shorter time clips it.
            m_task[t - 1].hint->setMaximum(value);
            edited();
        });
        m_task << row;
    }
    grid->setColumnStretch(7, 1);
    grid->setHorizontalSpacing(14);
    grid->setRowStretch(kConfigValueCount + 1, 1);
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("taskTable"));
    scroll->setWidget(table);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    describe(scroll, QStringLiteral("Таблица на задачите"),
             QStringLiteral("Ниво, време за упътване и общо време на всяка задача."));
    layout->addWidget(scroll, 1);
    return page;
}

void TeacherWindow::showSettings(const ConfigFile &file)
{
    m_showing = true;
    m_file = file;
    const ConfigRecord &flags = file.records[0];
    const ConfigRecord &levels = file.records[1];
    const ConfigRecord &hints = file.records[2];
    const ConfigRecord &totals = file.records[3];
    const ConfigRecord &reading = file.records[4];
    m_version->setValue(hints.Count / 100.0);
    m_date->setDate(dateOf(totals.Count));
    for (qsizetype k = 1; k <= m_factor.size(); ++k)
        m_factor[k - 1]->setValue(reading.Values[k - 1]);
    for (int k = 1; k <= kConfigValueCount; ++k) {
        if (m_flag[std::size_t(k)])
            m_flag[std::size_t(k)]->setChecked(flags.Values[k - 1] == 1);
    }
    m_kept->setValue(flags.Count);
    m_offered->setMaximum(flags.Count);
    m_offered->setValue(levels.Count);
    for (int t = 1; t <= kConfigValueCount; ++t) {
        TaskRow &row = m_task[t - 1];
        row.level->setValue(levels.Values[t - 1]);
        row.total->setValue(totals.Values[t - 1]);
        row.hint->setMaximum(totals.Values[t - 1]);
        row.hint->setValue(hints.Values[t - 1]);
    }
    // The controls set above wrote what they show back; a task the file
    // says nothing about keeps its zeros until the teacher sets it.
    m_file = file;
    m_showing = false;
    refreshDerived();
}

void TeacherWindow::refreshDerived()
{
    const ConfigRecord &levels = m_file.records[1];
    const ConfigRecord &hints = m_file.records[2];
    const ConfigRecord &totals = m_file.records[3];
    // As the lesson window extends its caption at start.
    m_versionCaption->setText(
        quoted(QStringLiteral("Тезомат - урочно съдържание. %1  Версия %2 от %3")
                   .arg(m_facts.topic, lesson::Str(m_file.records[2].Count / 100.0),
                        lesson::Str(m_file.records[3].Count))));
    for (qsizetype k = 1; k <= m_viewingTime.size(); ++k) {
        const qint64 length = m_facts.pointTextLengths.at(k - 1);
        const int factor = m_file.records[4].Values[k - 1];
        const qint64 seconds = (length * factor + 200) / 100;
        m_viewingTime[k - 1]->setText(
            QStringLiteral("%1 (около %2)")
                .arg(tezomat_config::viewingTimeShown(length, factor), durationText(seconds)));
    }
    const int kept = m_file.records[0].Count;
    const int offered = m_file.records[1].Count;
    int lastSet = 0;
    for (int t = 1; t <= kConfigValueCount; ++t) {
        if (levels.Values[t - 1] || hints.Values[t - 1] || totals.Values[t - 1])
            lastSet = t;
    }
    const int rows = std::max({m_facts.taskCount, kept, lastSet});
    const int inLesson = std::min(kept, m_facts.catalogueSize);
    for (int t = 1; t <= kConfigValueCount; ++t) {
        TaskRow &row = m_task[t - 1];
        for (QWidget *cell : row.cells)
            cell->setVisible(t <= rows);
        const int unit = levelUnitSeconds(row.level->value());
        row.hint->setSuffix(unitSuffix(row.level->value()));
        row.total->setSuffix(unitSuffix(row.level->value()));
        row.hintAfter->setText(durationText(qint64(unit) * row.hint->value()));
        row.end->setText(durationText(qint64(unit) * row.total->value()));
        QString state;
        if (t > inLesson)
            state = QStringLiteral("махната");
        else if (t <= offered)
            state = QStringLiteral("в списъка");
        else
            state = QStringLiteral("с „Допълнително“");
        row.state->setText(state);
    }
    m_tasksSummary->setText(
        QStringLiteral("Урокът има %1 задачи. В списъка са задачи 1 до %2; %3. Времената са в "
                       "единиците на нивото: ниво 1 — секунди, ниво 2 — десетки секунди, "
                       "по-високо — хиляди секунди.")
            .arg(m_facts.taskCount)
            .arg(std::min(offered, inLesson))
            .arg(inLesson > offered ? QStringLiteral("задачи %1 до %2 се отварят с „Допълнително“")
                                          .arg(offered + 1)
                                          .arg(inLesson)
                                    : QStringLiteral("„Допълнително“ не добавя други")));
}

void TeacherWindow::edited()
{
    if (m_showing)
        return;
    setWindowModified(true);
    refreshDerived();
}

void TeacherWindow::commitTyping()
{
    if (auto *box = qobject_cast<QAbstractSpinBox *>(QApplication::focusWidget()))
        box->interpretText();
}

void TeacherWindow::adopt(const ConfigFile &file, const QString &filePath,
                          const QString &sourcePath, const QString &origin)
{
    showSettings(file);
    m_filePath = filePath;
    m_sourcePath = sourcePath;
    m_origin = origin;
    setWindowModified(false);
    updateTitle();
}

void TeacherWindow::updateTitle()
{
    const QString shown = !m_filePath.isEmpty()     ? QFileInfo(m_filePath).fileName()
                          : !m_sourcePath.isEmpty() ? QFileInfo(m_sourcePath).fileName()
                                                    : QStringLiteral("образец");
    setWindowTitle(QStringLiteral("Настройка на урока „%1“ — %2[*]").arg(m_facts.topic, shown));
    m_originLabel->setText(QStringLiteral("Урок „%1“ (%2). Настройките са %3.")
                               .arg(m_facts.topic, m_facts.id, m_origin));
}

bool TeacherWindow::mayDropChanges(const QString &question)
{
    return !isWindowModified() || m_desk.showMessage(teacherMessage(question, true));
}

bool TeacherWindow::startFromSample()
{
    const tezomat_config::SourceResult parsed =
        tezomat_config::parseConfigSource(QString::fromUtf8(tezomat_config::sampleSource()));
    if (!parsed.file)
        return false;
    adopt(*parsed.file, QString(), QString(),
          QStringLiteral("от образеца; „Запис“ пита къде да запише файла"));
    statusBar()->showMessage(QStringLiteral("Зареден е образецът."));
    return true;
}

void TeacherWindow::chooseAndOpen()
{
    if (!mayDropChanges(QStringLiteral("Промените не са записани. Да бъдат ли изоставени, за да "
                                       "се отвори друг файл?")))
        return;
    const QString path = m_desk.openFileName(
        this, QStringLiteral("Отваряне на настройки"), folderForDialogs(),
        QStringLiteral("Настройки (*.UFG *.ufg *.ini *.txt);;%1;;%2;;Всички файлове (*)")
            .arg(kConfigurationFilter, kSourceFilter));
    if (!path.isEmpty())
        openFile(path);
}

bool TeacherWindow::openFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        m_desk.showMessage(
            teacherMessage(QStringLiteral("Файлът %1 не може да бъде отворен.").arg(quoted(path))));
        return false;
    }
    const QByteArray bytes = file.read(kMaxOpenedSize + 1);
    const QString shownPath = quoted(QDir::toNativeSeparators(path));

    // A name ending in .UFG, or 600 bytes that are no text, make a
    // configuration file; anything else is read as a source.
    const bool binary = path.endsWith(QStringLiteral(".ufg"), Qt::CaseInsensitive) ||
                        (bytes.size() == lesson::kConfigFileSize &&
                         (!tezomat_config::decodeUtf8(bytes) || bytes.contains('\0')));
    ConfigFile settings;
    if (binary) {
        const lesson::ConfigReadResult read = lesson::readConfiguration(bytes, m_facts.id);
        if (read.messageCode != 0 || !read.file) {
            // The lesson's own message, and why, so the teacher knows what it
            // would show at the start of the lesson.
            lesson::MessageSpec message = lesson::lessonWindowMessage(read.messageCode);
            message.text += QStringLiteral("\r\n\r\nФайлът %1 не е отворен. %2")
                                .arg(shownPath, tezomat_config::escapeControls(read.fault));
            m_desk.showMessage(message);
            return false;
        }
        settings = *read.file;
    } else {
        // As tezomat-config reads a source: whole, or refused with the
        // reason (too large, not UTF-8), never parsed cut short.
        QString refusal;
        const std::optional<QString> text = tezomat_config::readSourceFile(path, &refusal);
        if (!text) {
            m_desk.showMessage(teacherMessage(refusal));
            return false;
        }
        const tezomat_config::SourceResult parsed = tezomat_config::parseConfigSource(*text);
        if (!parsed.file) {
            m_desk.showMessage(
                teacherMessage(QStringLiteral("Източникът %1 не е отворен, защото има грешка:\n%2")
                                   .arg(shownPath, parsed.errorText())));
            return false;
        }
        const lesson::ConfigReadResult read =
            lesson::readConfiguration(lesson::formatConfiguration(*parsed.file), m_facts.id);
        if (read.messageCode != 0) {
            lesson::MessageSpec message = lesson::lessonWindowMessage(read.messageCode);
            message.text += QStringLiteral("\r\n\r\nИзточникът %1 не е отворен. %2")
                                .arg(shownPath, tezomat_config::escapeControls(read.fault));
            m_desk.showMessage(message);
            return false;
        }
        settings = *parsed.file;
    }
    const QStringList notes = tezomat_config::fitIntoSourceRanges(settings);
    if (binary)
        adopt(settings, path, QString(), QStringLiteral("от файла %1").arg(shownPath));
    else
        adopt(settings, QString(), path,
              QStringLiteral("от източника %1; „Запис“ пита къде да запише файла с настройки")
                  .arg(shownPath));
    statusBar()->showMessage(QStringLiteral("Отворен е %1.").arg(shownPath));
    if (!notes.isEmpty()) {
        // What the file held outside the window's ranges is shown as the
        // lesson reads it, and counts as a change to save.
        setWindowModified(true);
        m_desk.showMessage(teacherMessage(
            QStringLiteral("Някои числа във файла са извън обхвата, който урокът и прозорецът "
                           "приемат, и са показани така, както урокът ги чете:\n\n%1\n\nПри запис "
                           "те ще бъдат записани така.")
                .arg(notes.join(QLatin1Char('\n')))));
    }
    return true;
}

QString TeacherWindow::folderForDialogs() const
{
    const QString known = !m_filePath.isEmpty() ? m_filePath : m_sourcePath;
    return known.isEmpty() ? QDir::currentPath() : QFileInfo(known).absolutePath();
}

bool TeacherWindow::mayReplace(const QString &path, WrittenKind kind, const QString &sourceToKeep)
{
    const bool configuration = kind == WrittenKind::Configuration;
    const QString shownPath = quoted(QDir::toNativeSeparators(path));
    const tezomat_config::TargetCheck check = tezomat_config::checkTarget(
        path, kind, sourceToKeep.isEmpty() ? QStringList() : QStringList{sourceToKeep});
    switch (check.state) {
    case tezomat_config::TargetState::Free:
        break;
    case tezomat_config::TargetState::Protected:
        m_desk.showMessage(teacherMessage(
            configuration
                ? QStringLiteral("%1 е източникът, от който са настройките; файлът с настройки не "
                                 "се записва върху него. Изберете друго име, например %2.UFG.")
                      .arg(shownPath, m_facts.id)
                : QStringLiteral("%1 е отвореният файл с настройки; източникът се записва под "
                                 "друго име, например %2.ini.")
                      .arg(shownPath, m_facts.id)));
        return false;
    case tezomat_config::TargetState::NotPlainFile:
        m_desk.showMessage(teacherMessage(
            QStringLiteral("%1 не е обикновен файл (а папка, устройство или канал). Изберете име "
                           "на файл.")
                .arg(shownPath)));
        return false;
    case tezomat_config::TargetState::Foreign:
        return m_desk.showMessage(teacherMessage(
            QStringLiteral("%1 вече съществува и %2, а %3. Да бъде ли заменен все пак?")
                .arg(shownPath,
                     configuration ? QStringLiteral("не е файл с настройки")
                                   : QStringLiteral("не е източник на настройки"),
                     check.reason),
            true));
    }
    if (QFileInfo::exists(path) && path != m_filePath) {
        return m_desk.showMessage(teacherMessage(
            QStringLiteral("%1 вече съществува. Да бъде ли заменен?").arg(shownPath), true));
    }
    return true;
}

bool TeacherWindow::writeConfiguration(const QString &path)
{
    if (!mayReplace(path, WrittenKind::Configuration, m_sourcePath))
        return false;
    const QString failure = tezomat_config::saveWhole(path, lesson::formatConfiguration(m_file));
    if (!failure.isEmpty()) {
        m_desk.showMessage(teacherMessage(failure));
        return false;
    }
    m_filePath = path;
    m_origin = QStringLiteral("от файла %1").arg(quoted(QDir::toNativeSeparators(path)));
    setWindowModified(false);
    updateTitle();
    const QString expected = m_facts.id + QStringLiteral(".UFG");
    statusBar()->showMessage(
        QFileInfo(path).fileName() == expected
            ? QStringLiteral("Записан е %1.").arg(quoted(QDir::toNativeSeparators(path)))
            : QStringLiteral("Записан е %1. Урокът чете файла само под името %2.")
                  .arg(quoted(QDir::toNativeSeparators(path)), expected));
    return true;
}

bool TeacherWindow::save()
{
    commitTyping();
    if (m_filePath.isEmpty())
        return saveAs();
    return writeConfiguration(m_filePath);
}

bool TeacherWindow::saveAs()
{
    commitTyping();
    const QString path =
        m_desk.saveFileName(this, QStringLiteral("Запис на файла с настройки"),
                            QDir(folderForDialogs()).filePath(m_facts.id + QStringLiteral(".UFG")),
                            kConfigurationFilter);
    return !path.isEmpty() && writeConfiguration(path);
}

bool TeacherWindow::saveSource()
{
    commitTyping();
    const QString suggested =
        !m_sourcePath.isEmpty()
            ? m_sourcePath
            : QDir(folderForDialogs()).filePath(m_facts.id + QStringLiteral(".ini"));
    const QString path =
        m_desk.saveFileName(this, QStringLiteral("Запис като източник"), suggested, kSourceFilter);
    if (path.isEmpty() || !mayReplace(path, WrittenKind::Source, m_filePath))
        return false;
    const QString text = tezomat_config::formatConfigSource(m_file, m_facts);
    const QString failure = tezomat_config::saveWhole(path, text.toUtf8());
    if (!failure.isEmpty()) {
        m_desk.showMessage(teacherMessage(failure));
        return false;
    }
    m_sourcePath = path;
    if (m_filePath.isEmpty()) {
        m_origin = QStringLiteral("от източника %1; „Запис“ пита къде да запише файла с настройки")
                       .arg(quoted(QDir::toNativeSeparators(path)));
        setWindowModified(false);
    }
    updateTitle();
    statusBar()->showMessage(
        QStringLiteral("Записан е източникът %1.").arg(quoted(QDir::toNativeSeparators(path))));
    return true;
}

void TeacherWindow::showClassAnswers()
{
    if (!m_classAnswers)
        m_classAnswers = new ClassAnswersDialog(m_desk, m_facts, this);
    m_classAnswers->show();
    m_classAnswers->raise();
    m_classAnswers->activateWindow();
}

void TeacherWindow::closeEvent(QCloseEvent *event)
{
    commitTyping();
    if (mayDropChanges(QStringLiteral("Промените не са записани. Да се затвори ли прозорецът без "
                                      "тях?")))
        event->accept();
    else
        event->ignore();
}

} // namespace tezomat_teacher
