#pragma once

#include "core/content/content_store.h"
#include "core/system/platform.h"

#include <QSizeF>

#include <memory>

namespace lesson {

class Tezo;
class Tezo_n;
class Tezo_Gra;
class Tezo_Zad;
class Tezo_Glos;
class Cwiat;

// One run of the lesson: the content store, the desktop services and the
// windows. Each window exists at most once; it is created, hidden, the first
// time it is asked for, and its load handler runs at that moment. Windows
// reach each other only through this object.
class Lesson {
public:
    Lesson(ContentStore store, Platform &platform);
    ~Lesson();
    Lesson(const Lesson &) = delete;
    Lesson &operator=(const Lesson &) = delete;

    ContentStore &store() { return m_store; }
    Platform &platform() { return m_platform; }

    Tezo *tezo();
    Tezo_n *tezoN();
    bool hasTezoN() const { return m_tezoN != nullptr; }
    Tezo_Gra *tezoGra();
    bool hasTezoGra() const { return m_tezoGra != nullptr; }
    Tezo_Zad *tezoZad();
    bool hasTezoZad() const { return m_tezoZad != nullptr; }
    // The task type/difficulty window is made anew at each opening and gone
    // once it is closed; tezoGlos() is nullptr while it is not open.
    Tezo_Glos *openTezoGlos();
    Tezo_Glos *tezoGlos() const { return m_tezoGlos; }
    void closeTezoGlos();
    // The colour and font window likewise: openCwiat() makes it and runs its
    // load handler unless it is open already, and leaves showing it to the
    // caller; cwiat() is nullptr while it is not open.
    Cwiat *openCwiat();
    Cwiat *cwiat() const { return m_cwiat; }
    void closeCwiat();

    // Which lists of the task type/difficulty window the pupil may use; set
    // once at start-up and kept for every opening of that window.
    struct TezoGlosAvailability {
        bool levelsEnabled = true;
        bool typesEnabled = true;
    };
    TezoGlosAvailability &tezoGlosAvailability() { return m_tezoGlosAvailability; }

    // Shows a picture at its own size in the full-size window, unless the
    // box it is shown in (size in twips) is larger in both directions. The
    // alternative is the picture's text for a screen reader.
    void zoomPicture(const PictureSlot &source, const QSizeF &boxTwips, const QString &alternative);

    // Creates the lesson window (running its start-up) and shows it.
    void start();
    // Ends the run at once: every window closes, every timer stops.
    void endRun();
    bool hasEnded() const { return m_ended; }

private:
    ContentStore m_store;
    Platform &m_platform;
    bool m_ended = false;
    TezoGlosAvailability m_tezoGlosAvailability;
    // Declared last so that they go before the store they read.
    Tezo_Glos *m_tezoGlos = nullptr; // deleted later, as it may be closing itself
    Cwiat *m_cwiat = nullptr;        // likewise
    std::unique_ptr<Tezo_Zad> m_tezoZad;
    std::unique_ptr<Tezo_Gra> m_tezoGra;
    std::unique_ptr<Tezo_n> m_tezoN;
    std::unique_ptr<Tezo> m_tezo;
};

} // namespace lesson
