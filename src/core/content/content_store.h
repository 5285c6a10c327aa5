#pragma once

#include "core/content/item_list.h"
#include "core/content/picture_slot.h"
#include "core/content/stored_text.h"

#include <QString>

#include <array>

namespace lesson {

// Everything that belongs to the one lesson this program carries. The
// element names and index ranges are the addresses every window uses; an
// index inside a range may hold an empty element. Indices below a range's
// first index exist in the arrays but are never used.
struct ContentStore {
    // --- plan, point texts and lesson information ---
    // item 0: the topic; items 1..N: plan points, each "ddd " + title
    std::array<ItemList, 1> Plan_Tezo;
    // 1..6: teaching text of plan point k; 0: editor's note (never shown)
    std::array<StoredText, 24> Podtochki;
    // 1..9: lesson-information text of menu entry k
    std::array<StoredText, 10> Dopyln_M;

    // --- tasks ---
    // 0: task catalogue (item 0 the number offered, items t the labels);
    // t = 1..35: the lines of task t
    std::array<ItemList, 36> Uslowie_L;
    // per-task line positions: 1 = first statement line, 2 = first key line
    std::array<ItemList, 3> Redowe_L;
    // font sizes offered by the enlarged text window
    ItemList List_font;

    // --- glossary and tables ---
    std::array<ItemList, 1> glos_All; // item k = glossary term k (item 0 is no term)
    std::array<StoredText, 30> Glos;  // k = article of term k
    // 0 hint times, 1 total times, 2 viewing times of points, 3 and 5 the
    // lines of the type/difficulty window, 4 difficulty levels, 6 solution types
    std::array<ItemList, 7> Wremena;

    // --- pictures ---
    std::array<PictureSlot, 20> Grafika_G; // 1..18 lesson pictures; 0 full-size display box
    std::array<PictureSlot, 4> Grafika_W;  // 1 empty, 2 sponsor, 3 information picture
    // picture maps: 0 glossary terms, 1 and 2 tasks (item 0 of 2: lesson
    // identifier), 3 plan points
    std::array<ItemList, 4> Spi_GR;

    // --- lists and texts kept by the lesson window ---
    // 1 shared state, 2 plan work list, 3 version record (0 is the visible plan list)
    std::array<ItemList, 4> List_Ur;
    std::array<StoredText, 3> Text_U; // only 2 is stored here: copy for the enlarged text window
    std::array<StoredText, 4> Reklama_Par; // 1 sponsor, 2 authors' note, 3 about

    // The lesson identifier: base name of the configuration and task files.
    QString lessonId() const { return Spi_GR[2].read(0); }
};

// The kinds of element the store holds.
enum class ElementKind { List, Text, Picture };

// Addresses an element of the store by name; nullptr when the name or the
// index is not part of the store.
ItemList *listElement(ContentStore &store, const QString &name, int index);
StoredText *textElement(ContentStore &store, const QString &name, int index);
PictureSlot *pictureElement(ContentStore &store, const QString &name, int index);

} // namespace lesson
