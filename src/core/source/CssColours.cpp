#include "core/source/CssColours.h"

#include <QString>

#include <algorithm>
#include <array>
#include <string_view>

namespace CssColours {

namespace {

// The named colours of CSS, in lower case and sorted.
constexpr std::array<std::string_view, 148> kNamed{
    "aliceblue",
    "antiquewhite",
    "aqua",
    "aquamarine",
    "azure",
    "beige",
    "bisque",
    "black",
    "blanchedalmond",
    "blue",
    "blueviolet",
    "brown",
    "burlywood",
    "cadetblue",
    "chartreuse",
    "chocolate",
    "coral",
    "cornflowerblue",
    "cornsilk",
    "crimson",
    "cyan",
    "darkblue",
    "darkcyan",
    "darkgoldenrod",
    "darkgray",
    "darkgreen",
    "darkgrey",
    "darkkhaki",
    "darkmagenta",
    "darkolivegreen",
    "darkorange",
    "darkorchid",
    "darkred",
    "darksalmon",
    "darkseagreen",
    "darkslateblue",
    "darkslategray",
    "darkslategrey",
    "darkturquoise",
    "darkviolet",
    "deeppink",
    "deepskyblue",
    "dimgray",
    "dimgrey",
    "dodgerblue",
    "firebrick",
    "floralwhite",
    "forestgreen",
    "fuchsia",
    "gainsboro",
    "ghostwhite",
    "gold",
    "goldenrod",
    "gray",
    "green",
    "greenyellow",
    "grey",
    "honeydew",
    "hotpink",
    "indianred",
    "indigo",
    "ivory",
    "khaki",
    "lavender",
    "lavenderblush",
    "lawngreen",
    "lemonchiffon",
    "lightblue",
    "lightcoral",
    "lightcyan",
    "lightgoldenrodyellow",
    "lightgray",
    "lightgreen",
    "lightgrey",
    "lightpink",
    "lightsalmon",
    "lightseagreen",
    "lightskyblue",
    "lightslategray",
    "lightslategrey",
    "lightsteelblue",
    "lightyellow",
    "lime",
    "limegreen",
    "linen",
    "magenta",
    "maroon",
    "mediumaquamarine",
    "mediumblue",
    "mediumorchid",
    "mediumpurple",
    "mediumseagreen",
    "mediumslateblue",
    "mediumspringgreen",
    "mediumturquoise",
    "mediumvioletred",
    "midnightblue",
    "mintcream",
    "mistyrose",
    "moccasin",
    "navajowhite",
    "navy",
    "oldlace",
    "olive",
    "olivedrab",
    "orange",
    "orangered",
    "orchid",
    "palegoldenrod",
    "palegreen",
    "paleturquoise",
    "palevioletred",
    "papayawhip",
    "peachpuff",
    "peru",
    "pink",
    "plum",
    "powderblue",
    "purple",
    "rebeccapurple",
    "red",
    "rosybrown",
    "royalblue",
    "saddlebrown",
    "salmon",
    "sandybrown",
    "seagreen",
    "seashell",
    "sienna",
    "silver",
    "skyblue",
    "slateblue",
    "slategray",
    "slategrey",
    "snow",
    "springgreen",
    "steelblue",
    "tan",
    "teal",
    "thistle",
    "tomato",
    "turquoise",
    "violet",
    "wheat",
    "white",
    "whitesmoke",
    "yellow",
    "yellowgreen",
};
static_assert(std::is_sorted(kNamed.begin(), kNamed.end()), "kNamed is sorted");

// The German colour words with the English name each most likely means; "hell" and "dunkel"
// forms have their own entries. Words are in lower case, written with umlauts or without.
struct German {
    std::u16string_view word;
    const char* english;
};

constexpr German kGerman[]{
    {u"rot", "Red"},
    {u"hellrot", "LightCoral"},
    {u"dunkelrot", "DarkRed"},
    {u"grün", "Green"},
    {u"hellgrün", "LightGreen"},
    {u"dunkelgrün", "DarkGreen"},
    {u"gruen", "Green"},
    {u"hellgruen", "LightGreen"},
    {u"dunkelgruen", "DarkGreen"},
    {u"blau", "Blue"},
    {u"hellblau", "LightBlue"},
    {u"dunkelblau", "DarkBlue"},
    {u"gelb", "Yellow"},
    {u"hellgelb", "LightYellow"},
    {u"dunkelgelb", "Gold"},
    {u"schwarz", "Black"},
    {u"weiß", "White"},
    {u"weiss", "White"},
    {u"grau", "Gray"},
    {u"hellgrau", "LightGray"},
    {u"dunkelgrau", "DimGray"},
    {u"hellorange", "LightSalmon"},
    {u"dunkelorange", "DarkOrange"},
    {u"rosa", "Pink"},
    {u"hellrosa", "LightPink"},
    {u"dunkelrosa", "HotPink"},
    {u"lila", "Purple"},
    {u"helllila", "Plum"},
    {u"hell-lila", "Plum"},
    {u"dunkellila", "Indigo"},
    {u"braun", "Brown"},
    {u"hellbraun", "Tan"},
    {u"dunkelbraun", "SaddleBrown"},
    {u"türkis", "Turquoise"},
    {u"helltürkis", "PaleTurquoise"},
    {u"dunkeltürkis", "DarkTurquoise"},
    {u"tuerkis", "Turquoise"},
    {u"helltuerkis", "PaleTurquoise"},
    {u"dunkeltuerkis", "DarkTurquoise"},
    {u"hellschwarz", "DimGray"},
    {u"dunkelweiß", "WhiteSmoke"},
    {u"dunkelweiss", "WhiteSmoke"},
    {u"hellweiß", "White"},
    {u"hellweiss", "White"},
    {u"dunkelschwarz", "Black"},
    {u"violett", "Violet"},
    {u"hellviolett", "Plum"},
    {u"dunkelviolett", "DarkViolet"},
    {u"hellpink", "LightPink"},
    {u"dunkelpink", "DeepPink"},
    {u"silber", "Silver"},
    {u"golden", "Gold"},
    {u"hellbeige", "Beige"},
    {u"dunkelbeige", "Tan"},
    {u"oliv", "Olive"},
    {u"hellcyan", "LightCyan"},
    {u"dunkelcyan", "DarkCyan"},
    {u"ocker", "Goldenrod"},
    {u"hellocker", "Khaki"},
    {u"dunkelocker", "DarkGoldenrod"},
};

bool isHex(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool isHexColour(QStringView value) {
    const qsizetype digits = value.size() - 1;
    return (digits == 3 || digits == 4 || digits == 6 || digits == 8) &&
           std::all_of(value.begin() + 1, value.end(), isHex);
}

} // namespace

bool isKnown(QStringView value) {
    value = value.trimmed();
    if (value.startsWith(u'#'))
        return isHexColour(value);
    for (QStringView function : {u"rgb(", u"rgba(", u"hsl(", u"hsla("}) {
        if (value.startsWith(function, Qt::CaseInsensitive))
            return value.endsWith(u')');
    }
    if (value.compare(u"transparent", Qt::CaseInsensitive) == 0 ||
        value.compare(u"currentcolor", Qt::CaseInsensitive) == 0)
        return true;
    if (value.size() > 20)
        return false;
    std::array<char, 20> lower{};
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].toLower().unicode();
        if (c >= 0x80)
            return false;
        lower[size_t(i)] = char(c);
    }
    return std::binary_search(kNamed.begin(), kNamed.end(),
                              std::string_view(lower.data(), size_t(value.size())));
}

const char* englishFor(QStringView germanWord) {
    const QString lower = germanWord.trimmed().toString().toLower();
    const auto found = std::find_if(std::begin(kGerman), std::end(kGerman), [&](const German& g) {
        return QStringView(g.word.data(), qsizetype(g.word.size())) == lower;
    });
    return found == std::end(kGerman) ? "" : found->english;
}

} // namespace CssColours
