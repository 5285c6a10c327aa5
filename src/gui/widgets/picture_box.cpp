#include "gui/widgets/picture_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace lesson {

namespace {

// The box as a screen reader sees it: an image, which a box that opens its
// picture also lets the reader press.
class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox *box)
        : QAccessibleWidget(box, QAccessible::Graphic)
    {
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (box()->focusPolicy() != Qt::NoFocus)
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && box()->focusPolicy() != Qt::NoFocus) {
            QMetaObject::invokeMethod(box(), &PictureBox::Click, Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    PictureBox *box() const { return static_cast<PictureBox *>(widget()); }
};

QAccessibleInterface *pictureBoxAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("lesson::PictureBox") && object && object->isWidgetType())
        return new PictureBoxAccessible(static_cast<PictureBox *>(object));
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(pictureBoxAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(noPictureName());
}

QString PictureBox::noPictureName()
{
    return QStringLiteral("Илюстрация: няма изображение");
}

void PictureBox::setPicture(const PictureSlot &picture, const QString &alternative)
{
    m_picture = picture;
    m_pixmap = QPixmap();
    m_decoded = false;
    setAccessibleName(picture.isEmpty() || alternative.isEmpty() ? noPictureName() : alternative);
    updateFocusPolicy();
    update();
}

void PictureBox::setOpensOnKey(bool opens)
{
    m_opensOnKey = opens;
    updateFocusPolicy();
}

// A box without a picture has nothing to open: the Tab key passes it by.
void PictureBox::updateFocusPolicy()
{
    setFocusPolicy(m_opensOnKey && !m_picture.isEmpty() ? Qt::StrongFocus : Qt::NoFocus);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    // Decoded when first drawn: a picture given to a box that is never
    // shown, or given another one first, costs neither the time to decode
    // it nor the memory of its pixels.
    if (!m_decoded) {
        m_decoded = true;
        if (!m_picture.isEmpty())
            m_pixmap.loadFromData(m_picture.jpeg(), "JPEG");
    }
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    const QSize own = m_pixmap.size() / m_pixmap.devicePixelRatio();
    if (!m_scaled || (own.width() <= width() && own.height() <= height())) {
        painter.drawPixmap(QPoint(0, 0), m_pixmap);
        return;
    }
    const QSize fitted = own.scaled(size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(QPoint((width() - fitted.width()) / 2, 0), fitted), m_pixmap);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT Click();
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (plain && focusPolicy() != Qt::NoFocus) {
            event->accept();
            Q_EMIT Click();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

} // namespace lesson
