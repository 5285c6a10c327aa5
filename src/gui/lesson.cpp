#include "gui/lesson.h"

#include "gui/appearance/cwiat.h"
#include "gui/lesson_window/tezo.h"
#include "gui/small_windows/tezo_glos.h"
#include "gui/small_windows/tezo_gra.h"
#include "gui/small_windows/tezo_zad.h"
#include "gui/tasks_window/tezo_n.h"

#include <cmath>

namespace lesson {

Lesson::Lesson(ContentStore store, Platform &platform)
    : m_store(std::move(store))
    , m_platform(platform)
{
}

Lesson::~Lesson()
{
    m_ended = true;
    delete m_cwiat;
    m_tezo.reset();
    m_tezoN.reset();
    m_tezoGra.reset();
    m_tezoZad.reset();
    delete m_tezoGlos;
}

namespace {

// Creates a window on first use, hidden, and runs its load handler then.
// The pointer is stored before the load handler runs, so that a handler that
// reaches back to its own window finds it instead of creating a second one.
template <typename Window> Window *onFirstUse(std::unique_ptr<Window> &window, Lesson &lesson)
{
    if (!window) {
        window = std::make_unique<Window>(lesson);
        window->Form_Load();
    }
    return window.get();
}

} // namespace

Tezo *Lesson::tezo()
{
    return onFirstUse(m_tezo, *this);
}

Tezo_n *Lesson::tezoN()
{
    return onFirstUse(m_tezoN, *this);
}

Tezo_Gra *Lesson::tezoGra()
{
    return onFirstUse(m_tezoGra, *this);
}

Tezo_Zad *Lesson::tezoZad()
{
    return onFirstUse(m_tezoZad, *this);
}

Tezo_Glos *Lesson::openTezoGlos()
{
    closeTezoGlos();
    m_tezoGlos = new Tezo_Glos(*this);
    m_tezoGlos->Form_Load();
    m_tezoGlos->show();
    m_tezoGlos->raise();
    m_tezoGlos->activateWindow();
    return m_tezoGlos;
}

void Lesson::closeTezoGlos()
{
    if (!m_tezoGlos)
        return;
    Tezo_Glos *closing = m_tezoGlos;
    m_tezoGlos = nullptr;
    closing->hide();
    closing->deleteLater();
}

Cwiat *Lesson::openCwiat()
{
    if (!m_cwiat) {
        m_cwiat = new Cwiat(*this);
        m_cwiat->Form_Load();
    }
    return m_cwiat;
}

void Lesson::closeCwiat()
{
    if (!m_cwiat)
        return;
    Cwiat *closing = m_cwiat;
    m_cwiat = nullptr;
    closing->hide();
    closing->deleteLater();
}

void Lesson::zoomPicture(const PictureSlot &source, const QSizeF &boxTwips,
                         const QString &alternative)
{
    const double w = std::round(source.widthTwips());
    const double h = std::round(source.heightTwips());
    if (boxTwips.width() > w && boxTwips.height() > h)
        return;
    // The display box of the full-size window is the store's picture slot 0.
    m_store.Grafika_G[0] = source;
    tezoGra()->showPicture(w + 100, h + 100, alternative);
}

void Lesson::start()
{
    tezo()->show();
    // The keys go to the lesson from the start, also where no window
    // manager gives a new window the focus.
    tezo()->activateWindow();
}

void Lesson::endRun()
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_tezoN)
        m_tezoN->stopForEnd();
    if (m_tezoGra)
        m_tezoGra->close();
    if (m_tezoZad)
        m_tezoZad->close();
    closeTezoGlos();
    closeCwiat();
    if (m_tezo)
        m_tezo->stopForEnd();
    m_platform.quit();
}

} // namespace lesson
