#pragma once

#include <QStringView>

#include <array>
#include <cstddef>

namespace Check {

// The elements the check tells apart.
enum class Tag {
    Other,
    Html,
    Head,
    Body,
    Frameset,
    Frame,
    Table,
    Tr,
    Td,
    Th,
    Ul,
    Ol,
    Li,
    Form,
    Input,
    Select,
    Option,
    Textarea,
    Font,
    Center,
    Div,
    A,
    B,
    I,
    U,
    S,
    Sup,
    Sub,
    Img,
    Meta,
    P,
    Hr,
    Big,
    Strike,
    Tt,
    Block,     // the other elements whose start closes an open paragraph
    HeadEntry, // script, style, title, link, base: they belong in the head and show nothing
};
constexpr size_t kTagCount = static_cast<size_t>(Tag::HeadEntry) + 1;

// Where an element must stand.
enum class Context { Anywhere, Table, List, Form };

// How the check keeps track of an open element.
enum class Tracking {
    None,
    // Nested strictly: an end tag closes everything opened after it.
    Stacked,
    // Closed by its end tag even while elements opened after it are still open, as browsers
    // do with inline elements; the program also closes nested lists first-begun first.
    Loose,
};

struct Element {
    const char* name = "";   // as the sentences show it
    const char* spoken = ""; // how the sentences name it
    Tracking tracking = Tracking::None;
    bool endRequired = false;
    Context context = Context::Anywhere;
    // Text formatting that browsers reopen where its end tag comes too early or too late.
    bool formatting = false;
    // Outdated in a modern page: the CSS properties that take its place, or frames, whose
    // place <iframe> and CSS take.
    const char* css = nullptr;
    bool frames = false;
};

const Element& element(Tag tag);
// The element of a tag name in any case; Tag::Other for the names the check does not know.
Tag tagNamed(QStringView name);
// How a sentence names the place an element must stand in.
const char* placeOf(Context context);

// Whether a start tag of this name makes browsers read what follows as text up to its own
// end tag.
bool startsRawText(QStringView name);

// Whether a button writes start tags of this kind, each opening its line.
bool mayBeProgramTag(Tag tag);

// Whether an element stays inside an open paragraph; every other start tag, and every other
// end tag but the paragraph's own, ends it.
bool staysInParagraph(Tag tag);

// The attributes whose values the check reads.
enum class Attribute { Other, Alt, Src, Href, Colour, Style, HttpEquiv, Charset, Content, Action };

// Where an attribute is outdated in a modern page: on the elements listed, or on every element
// when none is; and the CSS properties that take its place there.
struct Outdated {
    std::array<Tag, 4> on{};
    const char* css = nullptr;
};

// An attribute the check knows by name.
struct AttributeName {
    const char* name = ""; // as the sentences show it
    Attribute attribute = Attribute::Other;
    std::array<Outdated, 3> outdated{}; // the first that holds for an element counts
};

// The attribute of a name in any case; one without a name for the names the check does not
// know.
const AttributeName& attributeNamed(QStringView name);
// The CSS that takes an attribute's place on an element in a modern page; nullptr where the
// attribute is valid there.
const char* cssInsteadOf(const AttributeName& attribute, Tag tag);

} // namespace Check
