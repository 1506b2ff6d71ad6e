#include "core/source/PageCheckElements.h"

#include <array>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace Check {
namespace {

// Indexed by Tag. A paragraph is never a finding on its own: its end tag is optional, a
// block start closes an open one and a stray "</p>" is ignored. It is followed only for the
// text formatting misnested with it.
constexpr std::array<Element, kTagCount> kElements{{
    {},                                             // Other
    {.name = "html", .spoken = "Die Seite"},        // Html
    {.name = "head"},                               // Head
    {.name = "body", .spoken = "Der Seiteninhalt"}, // Body
    {.name = "frameset"},                           // Frameset
    {.name = "frame"},                              // Frame
    {.name = "table",
     .spoken = "Die Tabelle",
     .tracking = Tracking::Stacked,
     .endRequired = true}, // Table
    {.name = "tr",
     .spoken = "Die Tabellenzeile",
     .tracking = Tracking::Stacked,
     .context = Context::Table}, // Tr
    {.name = "td",
     .spoken = "Die Tabellenzelle",
     .tracking = Tracking::Stacked,
     .context = Context::Table}, // Td
    {.name = "th",
     .spoken = "Die Kopfzelle",
     .tracking = Tracking::Stacked,
     .context = Context::Table}, // Th
    {.name = "ul",
     .spoken = "Die unsortierte Liste",
     .tracking = Tracking::Loose,
     .endRequired = true}, // Ul
    {.name = "ol",
     .spoken = "Die sortierte Liste",
     .tracking = Tracking::Loose,
     .endRequired = true},                                                   // Ol
    {.name = "li", .spoken = "Der Listeneintrag", .context = Context::List}, // Li
    {.name = "form",
     .spoken = "Das Formular",
     .tracking = Tracking::Loose,
     .endRequired = true},                                                    // Form
    {.name = "input", .spoken = "Das Eingabefeld", .context = Context::Form}, // Input
    {.name = "select",
     .spoken = "Die Auswahlliste",
     .tracking = Tracking::Stacked,
     .endRequired = true,
     .context = Context::Form}, // Select
    {.name = "option"},         // Option
    {.name = "textarea",
     .spoken = "Das Textfeld",
     .endRequired = true,
     .context = Context::Form}, // Textarea
    {.name = "font",
     .spoken = "Die Schriftangabe",
     .tracking = Tracking::Loose,
     .endRequired = true,
     .formatting = true}, // Font
    {.name = "center",
     .spoken = "Die Zentrierung",
     .tracking = Tracking::Stacked,
     .endRequired = true}, // Center
    {.name = "div",
     .spoken = "Der Bereich",
     .tracking = Tracking::Stacked,
     .endRequired = true}, // Div
    {.name = "a",
     .spoken = "Der Link",
     .tracking = Tracking::Loose,
     .endRequired = true,
     .formatting = true}, // A
    {.name = "b",
     .spoken = "Der Fettdruck",
     .tracking = Tracking::Loose,
     .endRequired = true,
     .formatting = true}, // B
    {.name = "i",
     .spoken = "Die Kursivschrift",
     .tracking = Tracking::Loose,
     .endRequired = true,
     .formatting = true}, // I
    {.name = "u",
     .spoken = "Die Unterstreichung",
     .tracking = Tracking::Loose,
     .endRequired = true,
     .formatting = true}, // U
    {.name = "s",
     .spoken = "Die Durchstreichung",
     .tracking = Tracking::Loose,
     .endRequired = true,
     .formatting = true}, // S
    {.name = "sup",
     .spoken = "Die Hochstellung",
     .tracking = Tracking::Loose,
     .endRequired = true,
     .formatting = true}, // Sup
    {.name = "sub",
     .spoken = "Die Tiefstellung",
     .tracking = Tracking::Loose,
     .endRequired = true,
     .formatting = true}, // Sub
    {.name = "img"},      // Img
    {.name = "meta"},     // Meta
    {.name = "p"},        // P
    {},                   // Block
    {},                   // HeadEntry
}};

// Indexed by Context.
constexpr std::array<const char*, 4> kContexts{
    {"", "einer Tabelle (<table>)", "einer Liste (<ul> oder <ol>)", "eines Formulars (<form>)"}};

} // namespace

const Element& element(Tag tag) {
    return kElements[static_cast<size_t>(tag)];
}

const char* placeOf(Context context) {
    return kContexts[static_cast<size_t>(context)];
}

Tag tagNamed(QStringView name) {
    static const std::unordered_map<std::string_view, Tag> tags = [] {
        std::unordered_map<std::string_view, Tag> map;
        for (size_t i = 1; i < kTagCount; ++i) {
            if (*kElements[i].name)
                map.emplace(kElements[i].name, static_cast<Tag>(i));
        }
        // What a frameset page shows browsers without frames belongs to the frameset.
        map.emplace("noframes", Tag::Frame);
        for (const char* block :
             {"address", "article", "aside",   "blockquote", "dd",         "details", "dialog",
              "dir",     "dl",      "dt",      "fieldset",   "figcaption", "figure",  "footer",
              "h1",      "h2",      "h3",      "h4",         "h5",         "h6",      "header",
              "hgroup",  "hr",      "listing", "main",       "menu",       "nav",     "pre",
              "section", "summary", "xmp",     "plaintext"})
            map.emplace(block, Tag::Block);
        // They belong in the head and show nothing.
        for (const char* head : {"script", "style", "title", "link", "base"})
            map.emplace(head, Tag::HeadEntry);
        return map;
    }();
    std::array<char, 12> lower{};
    if (name.size() >= qsizetype(lower.size()))
        return Tag::Other;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c >= 0x80)
            return Tag::Other;
        lower[size_t(i)] = char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    const auto found = tags.find(std::string_view(lower.data(), size_t(name.size())));
    return found == tags.end() ? Tag::Other : found->second;
}

bool startsRawText(QStringView name) {
    for (QStringView raw : {u"script", u"style", u"title", u"textarea", u"xmp", u"iframe",
                            u"noembed", u"noframes", u"noscript", u"plaintext"}) {
        if (name.compare(raw, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool mayBeProgramTag(Tag tag) {
    switch (tag) {
    case Tag::Li:
    case Tag::Table:
    case Tag::Tr:
    case Tag::Td:
    case Tag::Form:
    case Tag::Input:
    case Tag::Select:
    case Tag::Textarea:
        return true;
    default:
        return false;
    }
}

bool staysInParagraph(Tag tag) {
    switch (tag) {
    case Tag::Other:
    case Tag::Input:
    case Tag::Select:
    case Tag::Option:
    case Tag::Textarea:
    case Tag::Font:
    case Tag::A:
    case Tag::B:
    case Tag::I:
    case Tag::U:
    case Tag::S:
    case Tag::Sup:
    case Tag::Sub:
    case Tag::Img:
    case Tag::Meta:
    case Tag::HeadEntry:
        return true;
    default:
        return false;
    }
}

Attribute attributeNamed(QStringView name) {
    static constexpr std::pair<std::u16string_view, Attribute> kAttributes[]{
        {u"alt", Attribute::Alt},         {u"src", Attribute::Src},
        {u"href", Attribute::Href},       {u"bgcolor", Attribute::Colour},
        {u"color", Attribute::Colour},    {u"bordercolor", Attribute::Colour},
        {u"style", Attribute::Style},     {u"http-equiv", Attribute::HttpEquiv},
        {u"charset", Attribute::Charset}, {u"content", Attribute::Content},
        {u"action", Attribute::Action}};
    for (const auto& [attributeName, attribute] : kAttributes) {
        if (name.compare(QStringView(attributeName.data(), qsizetype(attributeName.size())),
                         Qt::CaseInsensitive) == 0)
            return attribute;
    }
    return Attribute::Other;
}

} // namespace Check
