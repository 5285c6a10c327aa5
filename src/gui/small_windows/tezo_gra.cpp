#include "gui/small_windows/tezo_gra.h"

#include "gui/lesson.h"
#include "gui/widgets/keyboard.h"
#include "gui/widgets/screen_reader.h"
#include "gui/widgets/twips.h"

namespace lesson {

Tezo_Gra::Tezo_Gra(Lesson &lesson)
    : QWidget(nullptr, Qt::Window)
    , m_lesson(lesson)
{
    setObjectName(QStringLiteral("Tezo_Gra"));
    setWindowTitle(QStringLiteral("Пълен размер на графиката"));
    Grafika_G0 = new PictureBox(this);
    Grafika_G0->setObjectName(QStringLiteral("Grafika_G_0"));
    Grafika_G0->setScaled(false);
    giveSmallWindowKeys(this);
    presentAsWindow(this);
}

void Tezo_Gra::showPicture(double outerWidthTwips, double outerHeightTwips,
                           const QString &alternative)
{
    const PictureSlot &picture = m_lesson.store().Grafika_G[0];
    Grafika_G0->setPicture(picture, alternative);
    setTwipsGeometry(Grafika_G0, QRectF(20, 20, picture.widthTwips(), picture.heightTwips()));
    m_outerTwips = QSizeF(outerWidthTwips, outerHeightTwips);
    resizeInnerTwips(this, m_outerTwips);
    show();
    raise();
    activateWindow();
}

} // namespace lesson
