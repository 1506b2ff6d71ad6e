#pragma once

#include <QStringView>

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

// The attributes the check reads.
enum class Attribute { Other, Alt, Src, Href, Colour, Style, HttpEquiv, Charset, Content, Action };
Attribute attributeNamed(QStringView name);

} // namespace Check
