#include "core/appearance/appearance_settings.h"

namespace lesson {

QStringList designAppearanceSettings()
{
    return {QStringLiteral("всичко това е за управление на цветове"),
            QStringLiteral("Times New Roman"), QStringLiteral("12"),
            // dark red windows
            QStringLiteral("128"), QStringLiteral("128"), QStringLiteral("0"), QStringLiteral("0"),
            // green fields
            QStringLiteral("32768"), QStringLiteral("0"), QStringLiteral("128"),
            QStringLiteral("0"),
            // near-black text
            QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("0"), QStringLiteral("0"),
            // red labels
            QStringLiteral("192"), QStringLiteral("192"), QStringLiteral("0"), QStringLiteral("0")};
}

} // namespace lesson
