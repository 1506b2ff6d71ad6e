#include "core/platform/ColorFieldText.h"

#include <array>

namespace {

constexpr std::array<NamedColor, 16> kNamedColors{{
    {"Black", "Schwarz", 0x000000},
    {"Maroon", "Kastanienbraun", 0x800000},
    {"Green", "Grün", 0x008000},
    {"Olive", "Oliv", 0x808000},
    {"Navy", "Marineblau", 0x000080},
    {"Purple", "Purpur", 0x800080},
    {"Teal", "Blaugrün", 0x008080},
    {"Gray", "Grau", 0x808080},
    {"Silver", "Silber", 0xC0C0C0},
    {"Red", "Rot", 0xFF0000},
    {"Lime", "Hellgrün", 0x00FF00},
    {"Yellow", "Gelb", 0xFFFF00},
    {"Blue", "Blau", 0x0000FF},
    {"Fuchsia", "Fuchsie", 0xFF00FF},
    {"Aqua", "Türkis", 0x00FFFF},
    {"White", "Weiß", 0xFFFFFF},
}};

} // namespace

std::span<const NamedColor> FontDialogColors() {
    return kNamedColors;
}

QString ColorFieldText(const QColor& color) {
    const QRgb rgb = color.rgb() & 0xFFFFFF;
    for (const NamedColor& named : kNamedColors) {
        if (named.rgb == rgb)
            return QString::fromLatin1(named.name);
    }
    return QStringLiteral("#%1%2%3")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}
