#include "app/lesson.h"

#include "lesson_window/tezo.h"
#include "tasks/tezo_n.h"

namespace lesson {

Lesson::Lesson(ContentStore store, Platform &platform)
    : m_store(std::move(store))
    , m_platform(platform)
{
}

Lesson::~Lesson()
{
    m_ended = true;
    m_tezo.reset();
    m_tezoN.reset();
}

// The pointer is stored before the load handler runs, so that a handler that
// reaches back to its own window finds it instead of creating a second one.
Tezo *Lesson::tezo()
{
    if (!m_tezo) {
        m_tezo = std::make_unique<Tezo>(*this);
        m_tezo->Form_Load();
    }
    return m_tezo.get();
}

Tezo_n *Lesson::tezoN()
{
    if (!m_tezoN) {
        m_tezoN = std::make_unique<Tezo_n>(*this);
        m_tezoN->Form_Load();
    }
    return m_tezoN.get();
}

void Lesson::start()
{
    tezo()->show();
}

void Lesson::endRun()
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_tezoN)
        m_tezoN->stopForEnd();
    if (m_tezo)
        m_tezo->stopForEnd();
    m_platform.quit();
}

} // namespace lesson
