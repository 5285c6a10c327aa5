#include "gui/appearance/cwiat.h"

#include "core/appearance/appearance_settings.h"
#include "core/appearance/colour_number.h"
#include "core/content/number_text.h"
#include "gui/appearance/apply_appearance.h"
#include "gui/lesson.h"
#include "gui/tasks_window/tezo_n.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/focus_frame.h"
#include "gui/widgets/keyboard.h"
#include "gui/widgets/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace lesson {

namespace {

// Design geometry of the colour window, in twips: the font lists and the
// preview on top, then one row per colour slot (rows 0 to 2 with a slider),
// the colour swatch beside the rows and the colour number below them.
constexpr QSizeF kInnerSize(8400, 4800);
constexpr QRectF kFontNames(120, 120, 3240, 1920);
constexpr QRectF kSizeCaption(3480, 120, 1560, 300);
constexpr QRectF kSizes(3480, 420, 1560, 1620);
constexpr QRectF kPreview(5160, 120, 3120, 1920);
constexpr double kFirstRow = 2220;
constexpr double kRowStep = 540;
constexpr double kRowHeight = 360;
constexpr QRectF kSwatch(6780, 2220, 1500, 1980);
constexpr QRectF kColourCode(120, 4380, 8160, 330);

QRectF inRow(int row, double left, double width)
{
    return QRectF(left, kFirstRow + row * kRowStep, width, kRowHeight);
}

// An option button that is all swatch: a click anywhere on its colour
// chooses it, not only on the small round mark.
class SlotButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &position) const override { return rect().contains(position); }
};

} // namespace

Cwiat::Cwiat(Lesson &lesson)
    : QMainWindow(nullptr)
    , m_lesson(lesson)
{
    setObjectName(QStringLiteral("Cwiat"));
    setWindowTitle(QStringLiteral("Формиране на цвят/избор на шрифт"));
    buildControls();
    buildMenus();
    resize(centralWidget()->width(), centralWidget()->height() + menuBar()->sizeHint().height());
}

Cwiat::~Cwiat() = default;

ItemList &Cwiat::settings()
{
    return m_lesson.tezoN()->List_Un2;
}

void Cwiat::buildControls()
{
    auto *inner = new QWidget(this);
    inner->setObjectName(QStringLiteral("Cwiat_inner"));
    inner->setAutoFillBackground(true);
    setCentralWidget(inner);
    // The window's own font name is a setting of the window; its controls
    // keep the desktop's font whatever name it gets.
    QFont own = inner->font();
    own.setFamily(QApplication::font().family());
    inner->setFont(own);

    const auto describe = [](QWidget *control, const QString &name, const QString &tip) {
        control->setAccessibleName(name);
        if (!tip.isEmpty()) {
            control->setToolTip(tip);
            control->setAccessibleDescription(tip);
        }
    };

    for (int i = 0; i < 2; ++i) {
        List_font[std::size_t(i)] = new LessonList(inner);
        List_font[std::size_t(i)]->setObjectName(QStringLiteral("List_font_%1").arg(i));
        connect(List_font[std::size_t(i)], &LessonList::Click, this,
                [this, i] { List_font_Click(i); });
    }
    describe(List_font[0], QStringLiteral("Шрифт"), QStringLiteral(" Определя избрания шрифт "));
    describe(List_font[1], QStringLiteral("Размер на шрифта"),
             QStringLiteral(" Определя размера на буквите "));
    setTwipsGeometry(List_font[0], kFontNames);
    setTwipsGeometry(List_font[1], kSizes);
    for (int size = 8; size <= 14; ++size)
        List_font[1]->AddItem(QString::number(size));

    Label_Cv[4] = new QLabel(QStringLiteral("Размер  шрифт"), inner);
    Label_Cv[4]->setObjectName(QStringLiteral("Label_Cv_4"));
    describe(Label_Cv[4], QStringLiteral("Размер  шрифт"),
             QStringLiteral("Показва размера на буквите във формирания текст "));
    setTwipsGeometry(Label_Cv[4], kSizeCaption);
    Label_Cv[4]->setBuddy(List_font[1]);

    const QString slotNames[] = {QStringLiteral("Цвят форма"), QStringLiteral("Фон текст"),
                                 QStringLiteral("Цвят текст"), QStringLiteral("Цвят бутон")};
    const QString optionTips[] = {
        QStringLiteral(" За настройване цвета на фона на формата "),
        QStringLiteral(" За настройване цвета на фона в текстовите полета "),
        QStringLiteral(" За настройване цвета на текста в текстовите полета "),
        QStringLiteral(" За настройване цвета на фона на бутоните ")};
    const QString slotLabelTips[] = {
        QStringLiteral("За настройване цвета на фона на формата "),
        QStringLiteral("За настройване цвета на фона в текстовите полета "),
        QStringLiteral(" За настройване цвета на текста в текстовите полета "),
        QStringLiteral(" За настройване цвета на фона на бутоните ")};
    for (int k = 0; k < 4; ++k) {
        auto *option = new SlotButton(inner);
        option->setObjectName(QStringLiteral("Option1_%1").arg(k));
        describe(option, slotNames[k], optionTips[k]);
        option->setAutoFillBackground(true);
        setTwipsGeometry(option, inRow(k, 4440, 540));
        connect(option, &QRadioButton::clicked, this, [this, k] { Option1_Click(k); });
        Option1[std::size_t(k)] = option;

        auto *name = new QLabel(slotNames[k], inner);
        name->setObjectName(QStringLiteral("Label_Cv_%1").arg(5 + k));
        describe(name, slotNames[k], slotLabelTips[k]);
        setTwipsGeometry(name, inRow(k, 5100, 1560));
        name->setBuddy(option);
        Label_Cv[std::size_t(5 + k)] = name;
    }
    Option1[0]->setChecked(true);

    const QString letters[] = {QStringLiteral("Ч"), QStringLiteral("З"), QStringLiteral("С")};
    const QString components[] = {QStringLiteral("Червена съставка"),
                                  QStringLiteral("Зелена съставка"),
                                  QStringLiteral("Синя съставка")};
    const QString sliderTips[] = {QStringLiteral("Промяна на стойн остта на червената съставка "),
                                  QStringLiteral("Промяна на стойн остта на зелената съставка "),
                                  QStringLiteral("Промяна на стойн остта на синята съставка ")};
    const QString valueCaptions[] = {QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")};
    const QString valueNames[] = {QStringLiteral("Стойност на червената съставка"),
                                  QStringLiteral("Стойност на зелената съставка"),
                                  QStringLiteral("Стойност на синята съставка")};
    const QString valueTips[] = {
        QStringLiteral("Цифрова стойност на червения цвят в обхвата [0 - 255] "),
        QStringLiteral("Цифрова стойност на зеления цвят в обхвата [0 - 255] "),
        QStringLiteral("Цифрова стойност на синия цвят в обхвата [0 - 255] ")};
    for (int i = 0; i < 3; ++i) {
        auto *letter = new QLabel(letters[i], inner);
        letter->setObjectName(QStringLiteral("Label_Cv_%1").arg(i));
        letter->setAccessibleName(components[i]);
        letter->setAlignment(Qt::AlignCenter);
        setTwipsGeometry(letter, inRow(i, 120, 300));
        Label_Cv[std::size_t(i)] = letter;

        auto *slider = new QSlider(Qt::Horizontal, inner);
        slider->setObjectName(QStringLiteral("Slider1_%1").arg(i));
        describe(slider, components[i], sliderTips[i]);
        slider->setRange(0, 255);
        slider->setSingleStep(1);
        slider->setPageStep(16);
        setTwipsGeometry(slider, inRow(i, 480, 3000));
        connect(slider, &QSlider::valueChanged, this, [this, i] { Slider1_Change(i); });
        Slider1[std::size_t(i)] = slider;
        letter->setBuddy(slider);

        auto *value = new QLabel(valueCaptions[i], inner);
        value->setObjectName(QStringLiteral("Label_ST_%1").arg(i));
        describe(value, valueNames[i], valueTips[i]);
        setTwipsGeometry(value, inRow(i, 3600, 660));
        Label_ST[std::size_t(i)] = value;
    }

    Text_Cv[0] = new LessonText(inner);
    Text_Cv[0]->setObjectName(QStringLiteral("Text_Cv_0"));
    Text_Cv[0]->setText(QStringLiteral("Шрифт"));
    describe(Text_Cv[0], QStringLiteral("Мостра на шрифта и цветовете"),
             QStringLiteral("Полето илюстрира шрифт, размер на букви, цвят и фон на букви "));
    setTwipsGeometry(Text_Cv[0], kPreview);

    picColor = new QFrame(inner);
    picColor->setObjectName(QStringLiteral("picColor"));
    picColor->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    describe(picColor, QStringLiteral("Получен цвят"), QStringLiteral("Получен изходен цвят"));
    setTwipsGeometry(picColor, kSwatch);

    Label_Cv[3] = new QLabel(QStringLiteral("Цвят"), inner);
    Label_Cv[3]->setObjectName(QStringLiteral("Label_Cv_3"));
    describe(Label_Cv[3], QStringLiteral("Цвят"),
             QStringLiteral("Показва цифровата стойност на формирания цвят в 16-ична бройна "
                            "система "));
    setTwipsGeometry(Label_Cv[3], kColourCode);

    // The window's background is a colour the pupil forms here.
    for (QLabel *label : Label_Cv)
        keepTextReadable(label);
    for (QLabel *label : Label_ST)
        keepTextReadable(label);

    // Keyboard order is the reading order: the top row (the two lists and
    // the preview), then the sliders' column and the slots' column. Tab
    // stops once in the slots, at the chosen one; the arrow keys move on.
    setReadingOrder({List_font[0], List_font[1], Text_Cv[0], Slider1[0], Slider1[1], Slider1[2],
                     Option1[0], Option1[1], Option1[2], Option1[3]});
    List_font[0]->setFocus(Qt::OtherFocusReason);

    resizeInnerTwips(inner, kInnerSize);
    new FocusFrame(this);
    returnFocusOnClose(this);
}

void Cwiat::buildMenus()
{
    QMenuBar *bar = menuBar();
    QFont own = bar->font();
    own.setFamily(QApplication::font().family());
    bar->setFont(own);
    bar->setAccessibleName(QStringLiteral("Меню на цвета и шрифта"));
    mnu_zapis = bar->addAction(withMnemonic(QStringLiteral("Запис"), u'З'));
    mnu_zapis->setObjectName(QStringLiteral("mnu_zapis"));
    mnu_zapis->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(mnu_zapis, &QAction::triggered, this, &Cwiat::mnu_zapis_Click);
    mnu_Otkaz = bar->addAction(withMnemonic(QStringLiteral("Отказ"), u'О'));
    mnu_Otkaz->setObjectName(QStringLiteral("mnu_Otkaz"));
    mnu_Otkaz->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(mnu_Otkaz, &QAction::triggered, this, &Cwiat::mnu_Otkaz_Click);
    mnu_Danni = bar->addAction(withMnemonic(QStringLiteral("Danni"), u'D'));
    mnu_Danni->setObjectName(QStringLiteral("mnu_Danni"));
    mnu_Danni->setVisible(false);
    mnu_Danni->setEnabled(false);
    connect(mnu_Danni, &QAction::triggered, this, &Cwiat::mnu_Danni_Click);
    giveMenuBarKeys(this);
}

// --- load ---

void Cwiat::Form_Load()
{
    ItemList &s = settings();
    QFont own = font();
    own.setFamily(s.read(kFontNameItem));
    setFont(own);
    List_font[0]->Clear();
    FillFontList();
    // The last equal entry stays selected; with none nothing is.
    for (int i = 0; i < List_font[0]->ListCount(); ++i) {
        if (List_font[0]->itemText(i) == s.read(kFontNameItem))
            List_font[0]->setListIndex(i);
    }
    const double size = Val(s.read(kFontSizeItem));
    if (size > 0) {
        QFont preview = Text_Cv[0]->font();
        preview.setPointSizeF(size);
        Text_Cv[0]->setFont(preview);
    }
    for (int i = 0; i < List_font[1]->ListCount(); ++i) {
        if (List_font[1]->itemText(i) == s.read(kFontSizeItem))
            List_font[1]->setListIndex(i);
    }
    Opredeli_cwqt();
    for (int i = 0; i < 3; ++i)
        putSlider(i, Val(s.read(componentItem(0, i))));
}

void Cwiat::FillFontList()
{
    LessonList *names = List_font[0];
    names->Clear();
    for (const QString &family : m_lesson.platform().screenFonts())
        names->AddItem(family);
    for (int i = 0; i < names->ListCount(); ++i) {
        if (names->itemText(i) == font().family())
            names->setListIndex(i);
    }
}

// --- font ---

void Cwiat::List_font_Click(int Index)
{
    LessonList *list = Index == 0 || Index == 1 ? List_font[std::size_t(Index)] : nullptr;
    if (!list || list->ListIndex() < 0)
        return;
    const QString entry = list->itemText(list->ListIndex());
    QFont preview = Text_Cv[0]->font();
    if (Index == 0) {
        preview.setFamily(entry);
        Text_Cv[0]->setFont(preview);
        settings().write(kFontNameItem, entry);
        return;
    }
    if (Val(entry) > 0) {
        preview.setPointSizeF(Val(entry));
        Text_Cv[0]->setFont(preview);
    }
    // The size the preview really got: a font with fixed sizes gives the
    // nearest it has.
    const double got = QFontInfo(Text_Cv[0]->font()).pointSizeF();
    settings().write(kFontSizeItem, QString::number(qint64(roundHalfEven(got))));
}

// --- colours ---

void Cwiat::cwetowe_RGB(const qint64 &Cwet)
{
    const ColourParts parts = colourParts(Cwet);
    RedPart = parts.red;
    GreenPart = parts.green;
    BluePart = quint8(parts.blue);
}

void Cwiat::Opredeli_cwqt()
{
    ItemList &s = settings();
    const QColor windows = colourFromText(s.read(colourItem(0)));
    const QColor fields = colourFromText(s.read(colourItem(1)));
    const QColor text = colourFromText(s.read(colourItem(2)));
    const QColor labels = colourFromText(s.read(colourItem(3)));
    setBackgroundColour(picColor, windows);
    setBackgroundColour(Option1[0], windows);
    setBackgroundColour(Text_Cv[0], fields);
    setBackgroundColour(Option1[1], fields);
    setTextColour(Text_Cv[0], text);
    setBackgroundColour(Option1[2], text);
    setBackgroundColour(Option1[3], labels);
    for (int k = 0; k < kColourSlots; ++k) {
        cwetowe_RGB(colourNumberFromText(s.read(colourItem(k))));
        s.write(componentItem(k, 0), QString::number(RedPart));
        s.write(componentItem(k, 1), QString::number(GreenPart));
        s.write(componentItem(k, 2), QString::number(BluePart));
    }
}

void Cwiat::putSlider(int index, double value)
{
    QSlider *slider = Slider1[std::size_t(index)];
    const QSignalBlocker block(slider);
    slider->setValue(int(std::clamp(value, 0.0, 255.0)));
}

void Cwiat::Option1_Click(int Index)
{
    if (Index < 0 || Index >= kColourSlots)
        return;
    SelectedSlot = quint8(Index);
    for (int i = 0; i < 3; ++i)
        putSlider(i, Val(settings().read(componentItem(Index, i))));
    CurrentColour = composeColour(Slider1[0]->value(), Slider1[1]->value(), Slider1[2]->value());
    Otdelni_Update();
}

void Cwiat::Slider1_Change(int Index)
{
    ItemList &s = settings();
    const int b = colourItem(SelectedSlot);
    s.write(b + 1 + Index, QString::number(Slider1[std::size_t(Index)]->value()));
    CurrentColour = composeColour(Slider1[0]->value(), Slider1[1]->value(), Slider1[2]->value());
    s.write(b, QString::number(CurrentColour));
    Otdelni_Update();
}

void Cwiat::Otdelni_Update()
{
    for (int i = 0; i < 3; ++i)
        Label_ST[std::size_t(i)]->setText(QString::number(Slider1[std::size_t(i)]->value()));
    const QColor colour = colourFromNumber(CurrentColour);
    switch (SelectedSlot) {
    case 0:
        setBackgroundColour(centralWidget(), colour);
        break;
    case 1:
        setBackgroundColour(Text_Cv[0], colour);
        break;
    case 2:
        setTextColour(Text_Cv[0], colour);
        break;
    default:
        break;
    }
    setBackgroundColour(Option1[SelectedSlot], colour);
    setBackgroundColour(picColor, colour);
    const QString caption = colourCodeCaption(CurrentColour);
    Label_Cv[3]->setText(caption);
    Label_Cv[3]->setAccessibleName(caption);
}

// --- menus ---

void Cwiat::mnu_zapis_Click()
{
    ApplyAppearance(m_lesson);
    m_lesson.closeCwiat();
}

void Cwiat::mnu_Otkaz_Click()
{
    m_lesson.closeCwiat();
}

void Cwiat::mnu_Danni_Click() {}

void Cwiat::closeEvent(QCloseEvent *event)
{
    // The frame's close button is "Отказ".
    if (m_lesson.cwiat() == this)
        mnu_Otkaz_Click();
    event->accept();
}

} // namespace lesson
