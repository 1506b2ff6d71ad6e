#include "core/source/PageCheckElements.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

namespace Check {
namespace {

// The CSS that more than one outdated element or attribute gives way to.
constexpr const char* kTextAlign = "text-align";
constexpr const char* kBackgroundColour = "background-color";
constexpr const char* kSideMargins = "margin-left und margin-right";

// Indexed by Tag. A paragraph is never a finding on its own: its end tag is optional, a
// block start closes an open one and a stray "</p>" is ignored. It is followed only for the
// text formatting misnested with it.
constexpr std::array<Element, kTagCount> kElements{{
    {},                                             // Other
    {.name = "html", .spoken = "Die Seite"},        // Html
    {.name = "head"},                               // Head
    {.name = "body", .spoken = "Der Seiteninhalt"}, // Body
    {.name = "frameset", .frames = true},           // Frameset
    {.name = "frame", .frames = true},              // Frame
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
     .formatting = true,
     .css = "font-family, font-size und color"}, // Font
    {.name = "center",
     .spoken = "Die Zentrierung",
     .tracking = Tracking::Stacked,
     .endRequired = true,
     .css = kTextAlign}, // Center
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
     .formatting = true},                         // Sub
    {.name = "img"},                              // Img
    {.name = "meta"},                             // Meta
    {.name = "p"},                                // P
    {.name = "hr"},                               // Hr
    {.name = "big", .css = "font-size"},          // Big
    {.name = "strike", .css = "text-decoration"}, // Strike
    {.name = "tt", .css = "font-family"},         // Tt
    {},                                           // Block
    {},                                           // HeadEntry
}};

// Indexed by Context.
constexpr std::array<const char*, 4> kContexts{
    {"", "einer Tabelle (<table>)", "einer Liste (<ul> oder <ol>)", "eines Formulars (<form>)"}};

// The attributes the check knows: those whose values it reads, and those a modern page writes
// in CSS instead.
constexpr AttributeName kAttributes[]{
    {.name = "alt", .attribute = Attribute::Alt},
    {.name = "src", .attribute = Attribute::Src},
    {.name = "href", .attribute = Attribute::Href},
    {.name = "bgcolor", .attribute = Attribute::Colour, .outdated = {{{.css = kBackgroundColour}}}},
    {.name = "color",
     .attribute = Attribute::Colour,
     .outdated = {{{.on = {Tag::Hr}, .css = kBackgroundColour}}}},
    {.name = "bordercolor", .attribute = Attribute::Colour},
    {.name = "style", .attribute = Attribute::Style},
    {.name = "http-equiv", .attribute = Attribute::HttpEquiv},
    {.name = "charset", .attribute = Attribute::Charset},
    {.name = "content", .attribute = Attribute::Content},
    {.name = "action", .attribute = Attribute::Action},
    {.name = "align",
     .outdated = {{{.on = {Tag::Img, Tag::Input}, .css = "float oder vertical-align"},
                   {.on = {Tag::Table, Tag::Hr}, .css = kSideMargins},
                   {.css = kTextAlign}}}},
    {.name = "valign", .outdated = {{{.css = "vertical-align"}}}},
    {.name = "background",
     .outdated = {{{.on = {Tag::Body, Tag::Table, Tag::Td, Tag::Th}, .css = "background-image"}}}},
    {.name = "text", .outdated = {{{.on = {Tag::Body}, .css = "color"}}}},
    {.name = "border", .outdated = {{{.on = {Tag::Img, Tag::Table}, .css = "border"}}}},
    {.name = "width",
     .outdated = {{{.on = {Tag::Table, Tag::Td, Tag::Th, Tag::Hr}, .css = "width"}}}},
    {.name = "height",
     .outdated = {{{.on = {Tag::Table, Tag::Tr, Tag::Td, Tag::Th}, .css = "height"}}}},
    {.name = "cellpadding", .outdated = {{{.on = {Tag::Table}, .css = "padding"}}}},
    {.name = "cellspacing", .outdated = {{{.on = {Tag::Table}, .css = "border-spacing"}}}},
    {.name = "nowrap", .outdated = {{{.on = {Tag::Td, Tag::Th}, .css = "white-space"}}}},
    {.name = "size", .outdated = {{{.on = {Tag::Hr}, .css = "height"}}}},
    {.name = "noshade", .outdated = {{{.on = {Tag::Hr}, .css = "border und background-color"}}}},
    {.name = "type", .outdated = {{{.on = {Tag::Ul, Tag::Li}, .css = "list-style-type"}}}},
    {.name = "hspace", .outdated = {{{.on = {Tag::Img}, .css = kSideMargins}}}},
    {.name = "vspace", .outdated = {{{.on = {Tag::Img}, .css = "margin-top und margin-bottom"}}}},
    {.name = "clear", .outdated = {{{.css = "clear"}}}},
};

// The longest name either table holds, and one more.
constexpr size_t kLongestName = 12;

// A name in any case as the tables hold it: ASCII letters in lower case. Empty for a name
// that is too long or not ASCII, which neither table holds.
std::string_view lowered(QStringView name, std::array<char, kLongestName>& buffer) {
    if (name.size() >= qsizetype(buffer.size()))
        return {};
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c >= 0x80)
            return {};
        buffer[size_t(i)] = char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    return std::string_view(buffer.data(), size_t(name.size()));
}

constexpr bool namesFit() {
    for (const AttributeName& attribute : kAttributes) {
        if (std::string_view(attribute.name).size() >= kLongestName)
            return false;
    }
    for (const Element& e : kElements) {
        if (std::string_view(e.name).size() >= kLongestName)
            return false;
    }
    return true;
}
static_assert(namesFit(), "kLongestName is longer than every name in the tables");

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
             {"address", "article", "aside",    "blockquote", "dd",         "details", "dialog",
              "dir",     "dl",      "dt",       "fieldset",   "figcaption", "figure",  "footer",
              "h1",      "h2",      "h3",       "h4",         "h5",         "h6",      "header",
              "hgroup",  "listing", "main",     "menu",       "nav",        "pre",     "section",
              "summary", "xmp",     "plaintext"})
            map.emplace(block, Tag::Block);
        // They belong in the head and show nothing.
        for (const char* head : {"script", "style", "title", "link", "base"})
            map.emplace(head, Tag::HeadEntry);
        return map;
    }();
    std::array<char, kLongestName> buffer;
    const auto found = tags.find(lowered(name, buffer));
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
    case Tag::Big:
    case Tag::Strike:
    case Tag::Tt:
    case Tag::Img:
    case Tag::Meta:
    case Tag::HeadEntry:
        return true;
    default:
        return false;
    }
}

const AttributeName& attributeNamed(QStringView name) {
    static const std::unordered_map<std::string_view, const AttributeName*> attributes = [] {
        std::unordered_map<std::string_view, const AttributeName*> map;
        for (const AttributeName& attribute : kAttributes)
            map.emplace(attribute.name, &attribute);
        return map;
    }();
    static constexpr AttributeName kOther;
    std::array<char, kLongestName> buffer;
    const auto found = attributes.find(lowered(name, buffer));
    return found == attributes.end() ? kOther : *found->second;
}

const char* cssInsteadOf(const AttributeName& attribute, Tag tag) {
    for (const Outdated& outdated : attribute.outdated) {
        if (!outdated.css)
            return nullptr;
        if (outdated.on[0] == Tag::Other ||
            (tag != Tag::Other &&
             std::find(outdated.on.begin(), outdated.on.end(), tag) != outdated.on.end()))
            return outdated.css;
    }
    return nullptr;
}

} // namespace Check
