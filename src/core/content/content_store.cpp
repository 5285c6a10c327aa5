#include "core/content/content_store.h"

namespace lesson {

namespace {

// Names and index ranges of the store's elements.
struct ElementRange {
    const char *name;
    ElementKind kind;
    int first;
    int last;
};

constexpr ElementRange kElements[] = {
    {"Plan_Tezo", ElementKind::List, 0, 0},    {"Podtochki", ElementKind::Text, 0, 23},
    {"Dopyln_M", ElementKind::Text, 0, 9},     {"Uslowie_L", ElementKind::List, 0, 35},
    {"Redowe_L", ElementKind::List, 0, 2},     {"List_font", ElementKind::List, 0, 0},
    {"glos_All", ElementKind::List, 0, 0},     {"Glos", ElementKind::Text, 0, 29},
    {"Wremena", ElementKind::List, 0, 6},      {"Grafika_G", ElementKind::Picture, 0, 19},
    {"Grafika_W", ElementKind::Picture, 1, 3}, {"Spi_GR", ElementKind::List, 0, 3},
    {"List_Ur", ElementKind::List, 1, 3},      {"Text_U", ElementKind::Text, 2, 2},
    {"Reklama_Par", ElementKind::Text, 1, 3},
};

const ElementRange *findRange(const QString &name, ElementKind kind, int index)
{
    for (const ElementRange &r : kElements) {
        if (r.kind == kind && name == QLatin1String(r.name))
            return index >= r.first && index <= r.last ? &r : nullptr;
    }
    return nullptr;
}

template <typename T, std::size_t N> T *at(std::array<T, N> &a, int index)
{
    return index >= 0 && std::size_t(index) < N ? &a[std::size_t(index)] : nullptr;
}

} // namespace

ItemList *listElement(ContentStore &s, const QString &name, int index)
{
    if (!findRange(name, ElementKind::List, index))
        return nullptr;
    if (name == QLatin1String("Plan_Tezo"))
        return at(s.Plan_Tezo, index);
    if (name == QLatin1String("Uslowie_L"))
        return at(s.Uslowie_L, index);
    if (name == QLatin1String("Redowe_L"))
        return at(s.Redowe_L, index);
    if (name == QLatin1String("List_font"))
        return &s.List_font;
    if (name == QLatin1String("glos_All"))
        return at(s.glos_All, index);
    if (name == QLatin1String("Wremena"))
        return at(s.Wremena, index);
    if (name == QLatin1String("Spi_GR"))
        return at(s.Spi_GR, index);
    if (name == QLatin1String("List_Ur"))
        return at(s.List_Ur, index);
    return nullptr;
}

StoredText *textElement(ContentStore &s, const QString &name, int index)
{
    if (!findRange(name, ElementKind::Text, index))
        return nullptr;
    if (name == QLatin1String("Podtochki"))
        return at(s.Podtochki, index);
    if (name == QLatin1String("Dopyln_M"))
        return at(s.Dopyln_M, index);
    if (name == QLatin1String("Glos"))
        return at(s.Glos, index);
    if (name == QLatin1String("Text_U"))
        return at(s.Text_U, index);
    if (name == QLatin1String("Reklama_Par"))
        return at(s.Reklama_Par, index);
    return nullptr;
}

PictureSlot *pictureElement(ContentStore &s, const QString &name, int index)
{
    if (!findRange(name, ElementKind::Picture, index))
        return nullptr;
    if (name == QLatin1String("Grafika_G"))
        return at(s.Grafika_G, index);
    if (name == QLatin1String("Grafika_W"))
        return at(s.Grafika_W, index);
    return nullptr;
}

} // namespace lesson
