#include "core/source/HtmlTokenizer.h"

#include "core/source/HtmlEntities.h"

#include <algorithm>
#include <array>

namespace {

// The tokenizer states of the HTML standard. The states a line may begin in come first; the
// four end tag open and end tag name states of RCDATA, RAWTEXT, script data and escaped
// script data are one state each, and the character reference states are one step.
enum S : quint8 {
    Data,
    Rcdata,
    Rawtext,
    ScriptData,
    Plaintext,
    CdataSection,
    ScriptDataEscaped,
    ScriptDataDoubleEscaped,
    BeforeAttributeName,
    AfterAttributeName,
    BeforeAttributeValue,
    AttributeValueDoubleQuoted,
    AttributeValueSingleQuoted,
    BogusComment,
    Comment,
    BeforeDoctypeName,
    AfterDoctypeName,
    BeforeDoctypePublicIdentifier,
    DoctypePublicIdentifierDoubleQuoted,
    DoctypePublicIdentifierSingleQuoted,
    BetweenDoctypePublicAndSystemIdentifiers,
    BeforeDoctypeSystemIdentifier,
    DoctypeSystemIdentifierDoubleQuoted,
    DoctypeSystemIdentifierSingleQuoted,
    AfterDoctypeSystemIdentifier,
    BogusDoctype,
    // Only inside a line from here on.
    TagOpen,
    EndTagOpen,
    TagName,
    TextLessThanSign, // RCDATA and RAWTEXT
    TextEndTagOpen,   // RCDATA, RAWTEXT, script data and escaped script data
    TextEndTagName,
    ScriptDataLessThanSign,
    ScriptDataEscapeStart,
    ScriptDataEscapeStartDash,
    ScriptDataEscapedDash,
    ScriptDataEscapedDashDash,
    ScriptDataEscapedLessThanSign,
    ScriptDataDoubleEscapeStart,
    ScriptDataDoubleEscapedDash,
    ScriptDataDoubleEscapedDashDash,
    ScriptDataDoubleEscapedLessThanSign,
    ScriptDataDoubleEscapeEnd,
    AttributeName,
    AttributeValueUnquoted,
    AfterAttributeValueQuoted,
    SelfClosingStartTag,
    MarkupDeclarationOpen,
    CommentStart,
    CommentStartDash,
    CommentLessThanSign,
    CommentLessThanSignBang,
    CommentLessThanSignBangDash,
    CommentLessThanSignBangDashDash,
    CommentEndDash,
    CommentEnd,
    CommentEndBang,
    Doctype,
    DoctypeName,
    AfterDoctypePublicKeyword,
    AfterDoctypePublicIdentifier,
    AfterDoctypeSystemKeyword,
    CdataSectionBracket,
    CdataSectionEnd,
    CharacterReference,
};
// How many states a line may begin in.
constexpr quint8 kLineStartStates = TagOpen;

// How State packs: the state in bits 0-6, the element in bits 7-10, an end tag in bit 11.
constexpr quint32 kStateMask = 0x7f;
constexpr int kElementShift = 7;
constexpr quint32 kElementMask = 0xf;
constexpr quint32 kEndTagBit = 1u << 11;
static_assert(HtmlTokenizer::kStateBits == 12);

constexpr int kEof = -1;

// The elements whose text is raw text, and the state a start tag of each switches to.
struct RawElement {
    QStringView name;
    S content;
};
constexpr std::array<RawElement, 11> kRawElements{{
    {u"", Data},
    {u"script", ScriptData},
    {u"style", Rawtext},
    {u"xmp", Rawtext},
    {u"iframe", Rawtext},
    {u"noembed", Rawtext},
    {u"noframes", Rawtext},
    {u"noscript", Rawtext},
    {u"textarea", Rcdata},
    {u"title", Rcdata},
    {u"plaintext", Plaintext},
}};

constexpr std::array<const char*, 48> kErrorNames{{
    "abrupt-closing-of-empty-comment",
    "abrupt-doctype-public-identifier",
    "abrupt-doctype-system-identifier",
    "absence-of-digits-in-numeric-character-reference",
    "cdata-in-html-content",
    "character-reference-outside-unicode-range",
    "control-character-in-input-stream",
    "control-character-reference",
    "duplicate-attribute",
    "end-tag-with-attributes",
    "end-tag-with-trailing-solidus",
    "eof-before-tag-name",
    "eof-in-cdata",
    "eof-in-comment",
    "eof-in-doctype",
    "eof-in-script-html-comment-like-text",
    "eof-in-tag",
    "incorrectly-closed-comment",
    "incorrectly-opened-comment",
    "invalid-character-sequence-after-doctype-name",
    "invalid-first-character-of-tag-name",
    "missing-attribute-value",
    "missing-doctype-name",
    "missing-doctype-public-identifier",
    "missing-doctype-system-identifier",
    "missing-end-tag-name",
    "missing-quote-before-doctype-public-identifier",
    "missing-quote-before-doctype-system-identifier",
    "missing-semicolon-after-character-reference",
    "missing-whitespace-after-doctype-public-keyword",
    "missing-whitespace-after-doctype-system-keyword",
    "missing-whitespace-before-doctype-name",
    "missing-whitespace-between-attributes",
    "missing-whitespace-between-doctype-public-and-system-identifiers",
    "nested-comment",
    "noncharacter-character-reference",
    "noncharacter-in-input-stream",
    "null-character-reference",
    "surrogate-character-reference",
    "surrogate-in-input-stream",
    "unexpected-character-after-doctype-system-identifier",
    "unexpected-character-in-attribute-name",
    "unexpected-character-in-unquoted-attribute-value",
    "unexpected-equals-sign-before-attribute-name",
    "unexpected-null-character",
    "unexpected-question-mark-instead-of-tag-name",
    "unexpected-solidus-in-tag",
    "unknown-named-character-reference",
}};
static_assert(kErrorNames.size() ==
              size_t(HtmlTokenizer::Error::UnknownNamedCharacterReference) + 1);

// What the C1 controls stand for when a numeric reference names them (Windows-1252).
constexpr std::array<char16_t, 32> kC1Replacements{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isWhitespace(int c) {
    return c == ' ' || c == '\n' || c == '\t' || c == '\f' || c == '\r';
}

bool isAlpha(int c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(int c) {
    return c >= '0' && c <= '9';
}

bool isAlphanumeric(int c) {
    return isAlpha(c) || isDigit(c);
}

int hexValue(int c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isNoncharacter(char32_t c) {
    return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// A character of a name as names compare: A-Z in lower case, U+0000 as U+FFFD.
char16_t nameChar(char16_t c) {
    if (c >= 'A' && c <= 'Z')
        return c + ('a' - 'A');
    return c == 0 ? char16_t(0xFFFD) : c;
}

bool equalsIgnoringCase(QStringView text, QStringView lower) {
    if (text.size() != lower.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (nameChar(text[i].unicode()) != lower[i].unicode())
            return false;
    }
    return true;
}

quint8 rawElement(QStringView name) {
    for (size_t i = 1; i < kRawElements.size(); ++i) {
        if (equalsIgnoringCase(name, kRawElements[i].name))
            return quint8(i);
    }
    return 0;
}

bool insideTag(quint8 state) {
    switch (state) {
    case BeforeAttributeName:
    case AfterAttributeName:
    case BeforeAttributeValue:
    case AttributeValueDoubleQuoted:
    case AttributeValueSingleQuoted:
    case TagName:
    case AttributeName:
    case AttributeValueUnquoted:
    case AfterAttributeValueQuoted:
    case SelfClosingStartTag:
        return true;
    default:
        return false;
    }
}

bool insideRawText(quint8 state) {
    return state == Rcdata || state == Rawtext || state == ScriptData ||
           state == ScriptDataEscaped || state == ScriptDataDoubleEscaped;
}

// The longest name of the table that text begins with at from: its entity and length.
std::pair<int, int> longestName(QStringView text, qsizetype from) {
    int lo = 0;
    int hi = HtmlEntities::kCount;
    std::pair<int, int> best{-1, 0};
    for (int k = 0; k < HtmlEntities::kLongestName && from + k < text.size(); ++k) {
        const char16_t c = text[from + k].unicode();
        const auto charOf = [k](int entity) {
            const HtmlEntities::Entity& e = HtmlEntities::kEntities[entity];
            return k < e.nameLength ? int(HtmlEntities::kNames[e.nameOffset + k]) : -1;
        };
        // The names in [lo, hi) begin with the k characters before; keep those going on in c.
        const auto firstWhere = [&](int from, int to, auto before) {
            while (from < to) {
                const int middle = from + (to - from) / 2;
                if (before(charOf(middle)))
                    from = middle + 1;
                else
                    to = middle;
            }
            return from;
        };
        lo = firstWhere(lo, hi, [c](int n) { return n < int(c); });
        hi = firstWhere(lo, hi, [c](int n) { return n <= int(c); });
        if (lo == hi)
            break;
        if (HtmlEntities::kEntities[lo].nameLength == k + 1)
            best = {lo, k + 1};
        if (c == ';')
            break;
    }
    return best;
}

} // namespace

HtmlTokenizer::HtmlTokenizer(Switching switching)
    : m_switches(switching == Switching::On), m_attributeNames(0, NameHash{this}, NameEqual{this}) {
}

HtmlTokenizer::State HtmlTokenizer::startingIn(Content content, QStringView lastStartTag) {
    return State(quint32(content) | quint32(rawElement(lastStartTag)) << kElementShift);
}

const char* HtmlTokenizer::errorName(Error error) {
    return kErrorNames[size_t(error)];
}

void HtmlTokenizer::start(QStringView text, State state, End end) {
    m_text = text;
    m_size = text.size();
    m_line = end == End::Line;
    m_end = m_size + (m_line ? 1 : 0);
    m_pos = 0;
    m_checked = 0;
    m_done = false;
    m_errors.clear();
    resume(state);
}

void HtmlTokenizer::resume(State state) {
    quint8 s = quint8(state.value & kStateMask);
    quint8 element = quint8((state.value >> kElementShift) & kElementMask);
    if (s >= kLineStartStates || element >= kRawElements.size()) {
        s = Data;
        element = 0;
    }
    m_state = s;
    m_element = element;
    m_rawText = insideRawText(s) || s == Plaintext;
    m_textStart = 0;
    m_tokenStart = 0;
    m_begunBefore = true;
    m_selfClosing = false;
    m_forceQuirks = false;
    m_pendingAttribute = s == AfterAttributeName;
    m_name = {};
    m_publicId = {};
    m_systemId = {};
    clearAttributes();
    if (insideTag(s)) {
        m_kind = state.value & kEndTagBit ? Kind::EndTag : Kind::StartTag;
        if (s == BeforeAttributeValue)
            m_attributes.push_back({});
        if (s == AttributeValueDoubleQuoted || s == AttributeValueSingleQuoted)
            m_attributes.push_back({{}, {0, 0}, true, false});
    } else if (s == Comment || s == BogusComment || s == CdataSection) {
        m_kind = s == CdataSection ? Kind::Cdata : Kind::Comment;
        m_name = {0, 0};
    } else if (s >= BeforeDoctypeName) {
        m_kind = Kind::Doctype;
        if (s == DoctypePublicIdentifierDoubleQuoted || s == DoctypePublicIdentifierSingleQuoted)
            m_publicId = {0, 0};
        if (s == DoctypeSystemIdentifierDoubleQuoted || s == DoctypeSystemIdentifierSingleQuoted)
            m_systemId = {0, 0};
    }
}

HtmlTokenizer::State HtmlTokenizer::state() const {
    quint32 value = m_state;
    if (insideRawText(m_state) || (insideTag(m_state) && m_kind == Kind::StartTag))
        value |= quint32(m_element) << kElementShift;
    if (insideTag(m_state) && m_kind == Kind::EndTag)
        value |= kEndTagBit;
    return State(value);
}

inline int HtmlTokenizer::at(qsizetype i) const {
    if (i < m_size)
        return m_text[i].unicode();
    return i < m_end ? '\n' : kEof;
}

// The first position from from on whose character stops, or the end of the text.
template <typename Stop> inline qsizetype HtmlTokenizer::skip(qsizetype from, Stop stop) const {
    const QChar* text = m_text.data();
    while (from < m_size && !stop(text[from].unicode()))
        ++from;
    return from;
}

void HtmlTokenizer::checkInput(qsizetype upTo) {
    const QChar* text = m_text.data();
    qsizetype i = m_checked;
    while (i < upTo) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c < 0x7F) {
            ++i;
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < m_size && text[i + 1].isLowSurrogate()) {
            if (isNoncharacter(QChar::surrogateToUcs4(c, text[i + 1].unicode())))
                error(Error::NoncharacterInInputStream, i);
            i += 2;
            continue;
        }
        if (QChar::isSurrogate(c))
            error(Error::SurrogateInInputStream, i);
        else if (isNoncharacter(c))
            error(Error::NoncharacterInInputStream, i);
        else if (isControl(c) && c != 0 && !isWhitespace(c))
            error(Error::ControlCharacterInInputStream, i);
        ++i;
    }
    m_checked = i;
}

void HtmlTokenizer::clearAttributes() {
    m_attributes.clear();
    // Let go of the set rather than clear it: clearing costs as many buckets as the largest
    // tag left, on every tag of many attributes after it.
    if (!m_attributeNames.empty())
        m_attributeNames = AttributeNames(0, NameHash{this}, NameEqual{this});
}

size_t HtmlTokenizer::NameHash::operator()(qsizetype index) const {
    const Extent name = tokenizer->m_attributes[size_t(index)].name;
    size_t hash = 14695981039346656037u;
    for (qsizetype i = 0; i < name.length; ++i)
        hash = (hash ^ nameChar(tokenizer->m_text[name.start + i].unicode())) * 1099511628211u;
    return hash;
}

bool HtmlTokenizer::NameEqual::operator()(qsizetype a, qsizetype b) const {
    const Extent one = tokenizer->m_attributes[size_t(a)].name;
    const Extent other = tokenizer->m_attributes[size_t(b)].name;
    if (one.length != other.length)
        return false;
    for (qsizetype i = 0; i < one.length; ++i) {
        if (nameChar(tokenizer->m_text[one.start + i].unicode()) !=
            nameChar(tokenizer->m_text[other.start + i].unicode()))
            return false;
    }
    return true;
}

bool HtmlTokenizer::flushText(Token& token, qsizetype end) {
    end = std::min(end, m_size);
    if (m_textStart >= end)
        return false;
    token = Token{};
    token.kind = Kind::Text;
    token.decoding = m_rawText ? Decoding::Replaced : Decoding::Text;
    token.start = m_textStart;
    token.length = end - m_textStart;
    token.content = {token.start, token.length};
    m_textStart = end;
    return true;
}

void HtmlTokenizer::begin(Kind kind, qsizetype contentStart) {
    m_kind = kind;
    m_tokenStart = m_markupStart;
    m_begunBefore = false;
    m_selfClosing = false;
    m_forceQuirks = false;
    m_pendingAttribute = false;
    m_name = {contentStart, 0};
    m_publicId = {};
    m_systemId = {};
    clearAttributes();
}

void HtmlTokenizer::endTagName() {
    m_name.length = m_pos - m_name.start;
    if (m_kind == Kind::StartTag)
        m_element = rawElement(m_text.sliced(m_name.start, m_name.length));
}

void HtmlTokenizer::beginAttribute(qsizetype nameStart) {
    m_pendingAttribute = false;
    m_attributes.push_back({{nameStart, 0}, {}, false, false});
}

// Up to this many attributes a new name is compared with each before it; a tag with more keeps
// its names in a hash set, so that a tag of a million attributes costs no more than they do.
constexpr size_t kComparedNames = 8;

void HtmlTokenizer::endAttributeName() {
    const size_t index = m_attributes.size() - 1;
    Attribute& attribute = m_attributes.back();
    attribute.name.length = m_pos - attribute.name.start;
    const NameEqual equal{this};
    if (index < kComparedNames) {
        for (size_t i = 0; i < index && !attribute.duplicate; ++i)
            attribute.duplicate = m_attributes[i].name.present() && equal(qsizetype(i), index);
    } else {
        if (index == kComparedNames) {
            for (size_t i = 0; i < index; ++i) {
                if (m_attributes[i].name.present())
                    m_attributeNames.insert(qsizetype(i));
            }
        }
        attribute.duplicate = !m_attributeNames.insert(qsizetype(index)).second;
    }
    if (attribute.duplicate)
        error(Error::DuplicateAttribute, attribute.name.start);
}

void HtmlTokenizer::endValue() {
    Extent& value = m_attributes.back().value;
    value.length = std::min(m_pos, m_size) - value.start;
}

bool HtmlTokenizer::complete(Token& token, bool unfinished) {
    token = Token{};
    token.kind = m_kind;
    token.start = m_tokenStart;
    token.length = std::min(m_pos, m_size) - m_tokenStart;
    token.content = m_name;
    token.begunBefore = m_begunBefore;
    token.unfinished = unfinished;
    switch (m_kind) {
    case Kind::StartTag:
    case Kind::EndTag:
        token.decoding = Decoding::Name;
        token.selfClosing = m_selfClosing;
        break;
    case Kind::Doctype:
        token.decoding = Decoding::Name;
        token.forceQuirks = m_forceQuirks;
        token.publicId = m_publicId;
        token.systemId = m_systemId;
        break;
    default:
        token.decoding = m_kind == Kind::Comment ? Decoding::Replaced : Decoding::Text;
        break;
    }
    if (unfinished)
        return true;
    m_state = Data;
    if (m_kind == Kind::EndTag) {
        if (!m_attributes.empty())
            error(Error::EndTagWithAttributes, m_pos - 1);
        if (m_selfClosing)
            error(Error::EndTagWithTrailingSolidus, m_pos - 1);
    } else if (m_kind == Kind::StartTag && m_switches && !m_foreign) {
        m_state = kRawElements[m_element].content;
    }
    m_rawText = m_state != Data;
    m_textStart = m_pos;
    return true;
}

bool HtmlTokenizer::completeData(Token& token, qsizetype dataEnd) {
    m_name.length = dataEnd - m_name.start;
    return complete(token, false);
}

bool HtmlTokenizer::endOfInput(Token& token, Error error) {
    this->error(error, m_size);
    m_done = true;
    return complete(token, true);
}

bool HtmlTokenizer::endOfLine(Token& token) {
    m_done = true;
    if (m_state == Data || m_state == Plaintext || insideRawText(m_state))
        return flushText(token, m_size);
    switch (m_state) {
    case AttributeValueDoubleQuoted:
    case AttributeValueSingleQuoted:
        endValue();
        break;
    case Comment:
    case BogusComment:
    case CdataSection:
        m_name.length = m_size - m_name.start;
        break;
    case DoctypePublicIdentifierDoubleQuoted:
    case DoctypePublicIdentifierSingleQuoted:
        m_publicId.length = m_size - m_publicId.start;
        break;
    case DoctypeSystemIdentifierDoubleQuoted:
    case DoctypeSystemIdentifierSingleQuoted:
        m_systemId.length = m_size - m_systemId.start;
        break;
    default:
        break;
    }
    return complete(token, true);
}

bool HtmlTokenizer::appropriateEndTag() const {
    return m_element != 0 && equalsIgnoringCase(m_text.sliced(m_bufferStart, m_pos - m_bufferStart),
                                                kRawElements[m_element].name);
}

bool HtmlTokenizer::bufferIsScript() const {
    return equalsIgnoringCase(m_text.sliced(m_bufferStart, m_pos - m_bufferStart), u"script");
}

bool HtmlTokenizer::startsWith(QStringView word, bool ignoringCase) const {
    if (m_size - m_pos < word.size())
        return false;
    const QStringView here = m_text.sliced(m_pos, word.size());
    return ignoringCase ? equalsIgnoringCase(here, word) : here == word;
}

bool HtmlTokenizer::next(Token& token) {
    const bool read = readToken(token);
    checkInput(read ? std::min(m_pos, m_size) : m_size);
    return read;
}

bool HtmlTokenizer::readToken(Token& token) {
    while (!m_done) {
        if (m_pos >= m_end && m_line)
            return endOfLine(token);
        switch (m_state) {
        // Text.
        case Data: {
            m_pos = skip(m_pos, [](char16_t c) { return c == '<' || c == '&' || c == 0; });
            const int c = at(m_pos);
            if (c == '<') {
                m_markupStart = m_pos++;
                m_state = TagOpen;
            } else if (c == '&') {
                if (beginReference(Data) && flushText(token, m_pos))
                    return true;
            } else if (c == 0) {
                error(Error::UnexpectedNullCharacter, m_pos++);
            } else if (c == kEof) {
                m_done = true;
                return flushText(token, m_size);
            } else {
                ++m_pos;
            }
            break;
        }
        case Rcdata:
        case Rawtext:
        case ScriptData:
        case Plaintext: {
            const bool references = m_state == Rcdata;
            const bool tags = m_state != Plaintext;
            m_pos = skip(m_pos, [references, tags](char16_t c) {
                return (c == '<' && tags) || (c == '&' && references) || c == 0;
            });
            const int c = at(m_pos);
            if (c == '<' && tags) {
                m_markupStart = m_pos++;
                m_returnState = m_state;
                m_state = m_state == ScriptData ? ScriptDataLessThanSign : TextLessThanSign;
            } else if (c == '&' && references) {
                if (beginReference(Rcdata) && flushText(token, m_pos))
                    return true;
            } else if (c == 0) {
                error(Error::UnexpectedNullCharacter, m_pos++);
            } else if (c == kEof) {
                m_done = true;
                return flushText(token, m_size);
            } else {
                ++m_pos;
            }
            break;
        }
        case CharacterReference: {
            const Reference found = reference(m_text, m_pos, false);
            for (quint8 i = 0; i < found.errorCount; ++i)
                m_errors.push_back(found.errors[i]);
            token = Token{};
            token.kind = Kind::Reference;
            token.start = m_pos;
            token.length = found.length;
            token.content = {m_pos, found.length};
            token.known = found.known;
            token.codePointCount = found.count;
            token.codePoints[0] = found.codePoints[0];
            token.codePoints[1] = found.codePoints[1];
            m_pos += found.length;
            m_textStart = m_pos;
            m_state = m_returnState;
            return true;
        }
        case TextLessThanSign:
            if (at(m_pos) == '/') {
                m_bufferStart = ++m_pos;
                m_state = TextEndTagOpen;
            } else {
                m_state = m_returnState;
            }
            break;
        case TextEndTagOpen:
            m_state = isAlpha(at(m_pos)) ? quint8(TextEndTagName) : m_returnState;
            break;
        case TextEndTagName: {
            const int c = at(m_pos);
            if (isAlpha(c)) {
                ++m_pos;
            } else if ((isWhitespace(c) || c == '/' || c == '>') && appropriateEndTag()) {
                // Read on from between the attributes, where the three characters mean the
                // same.
                begin(Kind::EndTag, m_bufferStart);
                m_name.length = m_pos - m_bufferStart;
                m_state = BeforeAttributeName;
                if (flushText(token, m_markupStart))
                    return true;
            } else {
                m_state = m_returnState;
            }
            break;
        }
        case ScriptDataLessThanSign: {
            const int c = at(m_pos);
            if (c == '/') {
                m_bufferStart = ++m_pos;
                m_state = TextEndTagOpen;
            } else if (c == '!') {
                ++m_pos;
                m_state = ScriptDataEscapeStart;
            } else {
                m_state = ScriptData;
            }
            break;
        }
        case ScriptDataEscapeStart:
        case ScriptDataEscapeStartDash:
            if (at(m_pos) == '-') {
                ++m_pos;
                m_state = m_state == ScriptDataEscapeStart ? ScriptDataEscapeStartDash
                                                           : ScriptDataEscapedDashDash;
            } else {
                m_state = ScriptData;
            }
            break;
        case ScriptDataEscaped:
        case ScriptDataDoubleEscaped: {
            m_pos = skip(m_pos, [](char16_t c) { return c == '-' || c == '<' || c == 0; });
            if (escapedScript(token))
                return true;
            break;
        }
        case ScriptDataEscapedDash:
        case ScriptDataEscapedDashDash:
        case ScriptDataDoubleEscapedDash:
        case ScriptDataDoubleEscapedDashDash:
            if (escapedScript(token))
                return true;
            break;
        case ScriptDataEscapedLessThanSign: {
            const int c = at(m_pos);
            if (c == '/') {
                m_bufferStart = ++m_pos;
                m_returnState = ScriptDataEscaped;
                m_state = TextEndTagOpen;
            } else if (isAlpha(c)) {
                m_bufferStart = m_pos;
                m_state = ScriptDataDoubleEscapeStart;
            } else {
                m_state = ScriptDataEscaped;
            }
            break;
        }
        case ScriptDataDoubleEscapedLessThanSign:
            if (at(m_pos) == '/') {
                m_bufferStart = ++m_pos;
                m_state = ScriptDataDoubleEscapeEnd;
            } else {
                m_state = ScriptDataDoubleEscaped;
            }
            break;
        case ScriptDataDoubleEscapeStart:
        case ScriptDataDoubleEscapeEnd: {
            const bool starts = m_state == ScriptDataDoubleEscapeStart;
            const int c = at(m_pos);
            if (isWhitespace(c) || c == '/' || c == '>') {
                m_state = bufferIsScript() == starts ? ScriptDataDoubleEscaped : ScriptDataEscaped;
                ++m_pos;
            } else if (isAlpha(c)) {
                ++m_pos;
            } else {
                m_state = starts ? ScriptDataEscaped : ScriptDataDoubleEscaped;
            }
            break;
        }

        // Tags.
        case TagOpen: {
            const int c = at(m_pos);
            if (c == '!') {
                ++m_pos;
                m_state = MarkupDeclarationOpen;
            } else if (c == '/') {
                ++m_pos;
                m_state = EndTagOpen;
            } else if (isAlpha(c)) {
                begin(Kind::StartTag, m_pos);
                m_state = TagName;
                if (flushText(token, m_markupStart))
                    return true;
            } else if (c == '?') {
                error(Error::UnexpectedQuestionMarkInsteadOfTagName, m_pos);
                begin(Kind::Comment, m_pos);
                m_state = BogusComment;
                if (flushText(token, m_markupStart))
                    return true;
            } else if (c == kEof) {
                error(Error::EofBeforeTagName, m_pos);
                m_state = Data;
            } else {
                error(Error::InvalidFirstCharacterOfTagName, m_pos);
                m_state = Data;
            }
            break;
        }
        case EndTagOpen: {
            const int c = at(m_pos);
            if (isAlpha(c)) {
                begin(Kind::EndTag, m_pos);
                m_state = TagName;
                if (flushText(token, m_markupStart))
                    return true;
            } else if (c == '>') {
                // "</>" is dropped.
                error(Error::MissingEndTagName, m_pos++);
                m_state = Data;
                const bool flushed = flushText(token, m_markupStart);
                m_textStart = m_pos;
                if (flushed)
                    return true;
            } else if (c == kEof) {
                error(Error::EofBeforeTagName, m_pos);
                m_state = Data;
            } else {
                error(Error::InvalidFirstCharacterOfTagName, m_pos);
                begin(Kind::Comment, m_pos);
                m_state = BogusComment;
                if (flushText(token, m_markupStart))
                    return true;
            }
            break;
        }
        case TagName: {
            m_pos = skip(m_pos, [](char16_t c) {
                return isWhitespace(c) || c == '/' || c == '>' || c == 0;
            });
            const int c = at(m_pos);
            if (c == 0) {
                error(Error::UnexpectedNullCharacter, m_pos++);
                break;
            }
            endTagName();
            if (c == kEof)
                return endOfInput(token, Error::EofInTag);
            ++m_pos;
            if (c == '>')
                return complete(token, false);
            m_state = c == '/' ? SelfClosingStartTag : BeforeAttributeName;
            break;
        }
        case BeforeAttributeName: {
            const int c = at(m_pos);
            if (isWhitespace(c)) {
                ++m_pos;
            } else if (c == '/' || c == '>' || c == kEof) {
                m_state = AfterAttributeName;
            } else {
                beginAttribute(m_pos);
                if (c == '=') {
                    error(Error::UnexpectedEqualsSignBeforeAttributeName, m_pos);
                    ++m_pos;
                }
                m_state = AttributeName;
            }
            break;
        }
        case AttributeName: {
            m_pos = skip(m_pos, [](char16_t c) {
                return isWhitespace(c) || c == '/' || c == '>' || c == '=' || c == 0 || c == '"' ||
                       c == '\'' || c == '<';
            });
            const int c = at(m_pos);
            if (c == 0) {
                error(Error::UnexpectedNullCharacter, m_pos++);
            } else if (c == '"' || c == '\'' || c == '<') {
                error(Error::UnexpectedCharacterInAttributeName, m_pos++);
            } else {
                endAttributeName();
                if (c == '=') {
                    ++m_pos;
                    m_state = BeforeAttributeValue;
                } else {
                    m_state = AfterAttributeName;
                }
            }
            break;
        }
        case AfterAttributeName: {
            const int c = at(m_pos);
            if (isWhitespace(c)) {
                ++m_pos;
            } else if (c == '/') {
                ++m_pos;
                m_state = SelfClosingStartTag;
            } else if (c == '=') {
                if (m_pendingAttribute) {
                    m_pendingAttribute = false;
                    m_attributes.push_back({});
                }
                ++m_pos;
                m_state = BeforeAttributeValue;
            } else if (c == '>') {
                ++m_pos;
                return complete(token, false);
            } else if (c == kEof) {
                return endOfInput(token, Error::EofInTag);
            } else {
                beginAttribute(m_pos);
                m_state = AttributeName;
            }
            break;
        }
        case BeforeAttributeValue: {
            const int c = at(m_pos);
            if (isWhitespace(c)) {
                ++m_pos;
            } else if (c == '"' || c == '\'') {
                m_attributes.back().value = {++m_pos, 0};
                m_attributes.back().quoted = true;
                m_state = c == '"' ? AttributeValueDoubleQuoted : AttributeValueSingleQuoted;
            } else if (c == '>') {
                error(Error::MissingAttributeValue, m_pos);
                m_attributes.back().value = {m_pos++, 0};
                return complete(token, false);
            } else {
                m_attributes.back().value = {m_pos, 0};
                m_state = AttributeValueUnquoted;
            }
            break;
        }
        case AttributeValueDoubleQuoted:
        case AttributeValueSingleQuoted: {
            const char16_t quote = m_state == AttributeValueDoubleQuoted ? '"' : '\'';
            m_pos = skip(m_pos, [quote](char16_t c) { return c == quote || c == '&' || c == 0; });
            const int c = at(m_pos);
            if (c == 0) {
                error(Error::UnexpectedNullCharacter, m_pos++);
            } else if (c == kEof) {
                endValue();
                return endOfInput(token, Error::EofInTag);
            } else if (c == quote) {
                endValue();
                ++m_pos;
                m_state = AfterAttributeValueQuoted;
            } else if (c == '&') {
                readValueReference();
            } else {
                ++m_pos; // the line feed after a line
            }
            break;
        }
        case AttributeValueUnquoted: {
            m_pos = skip(m_pos, [](char16_t c) {
                return isWhitespace(c) || c == '&' || c == '>' || c == 0 || c == '"' || c == '\'' ||
                       c == '<' || c == '=' || c == '`';
            });
            const int c = at(m_pos);
            if (c == '&') {
                readValueReference();
            } else if (c == 0) {
                error(Error::UnexpectedNullCharacter, m_pos++);
            } else if (c == '"' || c == '\'' || c == '<' || c == '=' || c == '`') {
                error(Error::UnexpectedCharacterInUnquotedAttributeValue, m_pos++);
            } else {
                endValue();
                if (c == kEof)
                    return endOfInput(token, Error::EofInTag);
                ++m_pos;
                if (c == '>')
                    return complete(token, false);
                m_state = BeforeAttributeName;
            }
            break;
        }
        case AfterAttributeValueQuoted: {
            const int c = at(m_pos);
            if (isWhitespace(c)) {
                ++m_pos;
                m_state = BeforeAttributeName;
            } else if (c == '/') {
                ++m_pos;
                m_state = SelfClosingStartTag;
            } else if (c == '>') {
                ++m_pos;
                return complete(token, false);
            } else if (c == kEof) {
                return endOfInput(token, Error::EofInTag);
            } else {
                error(Error::MissingWhitespaceBetweenAttributes, m_pos);
                m_state = BeforeAttributeName;
            }
            break;
        }
        case SelfClosingStartTag: {
            const int c = at(m_pos);
            if (c == '>') {
                m_selfClosing = true;
                ++m_pos;
                return complete(token, false);
            }
            if (c == kEof)
                return endOfInput(token, Error::EofInTag);
            error(Error::UnexpectedSolidusInTag, m_pos);
            m_state = BeforeAttributeName;
            break;
        }

        // Comments.
        case MarkupDeclarationOpen:
            if (startsWith(u"--", false)) {
                m_pos += 2;
                begin(Kind::Comment, m_pos);
                m_state = CommentStart;
            } else if (startsWith(u"doctype", true)) {
                m_pos += 7;
                begin(Kind::Doctype, -1);
                m_state = Doctype;
            } else if (startsWith(u"[CDATA[", false)) {
                if (m_foreign) {
                    m_pos += 7;
                    begin(Kind::Cdata, m_pos);
                    m_state = CdataSection;
                } else {
                    error(Error::CdataInHtmlContent, m_pos);
                    begin(Kind::Comment, m_pos);
                    m_state = BogusComment;
                }
            } else {
                error(Error::IncorrectlyOpenedComment, m_pos);
                begin(Kind::Comment, m_pos);
                m_state = BogusComment;
            }
            if (flushText(token, m_markupStart))
                return true;
            break;
        case BogusComment: {
            m_pos = skip(m_pos, [](char16_t c) { return c == '>' || c == 0; });
            const int c = at(m_pos);
            if (c == '>') {
                ++m_pos;
                return completeData(token, m_pos - 1);
            }
            if (c == 0) {
                error(Error::UnexpectedNullCharacter, m_pos);
            } else if (c == kEof) {
                m_done = true;
                m_name.length = m_size - m_name.start;
                return complete(token, true);
            }
            ++m_pos;
            break;
        }
        case CommentStart:
        case CommentStartDash: {
            const int c = at(m_pos);
            if (c == '-') {
                ++m_pos;
                m_state = m_state == CommentStart ? CommentStartDash : CommentEnd;
            } else if (c == '>') {
                error(Error::AbruptClosingOfEmptyComment, m_pos++);
                return completeData(token, m_name.start);
            } else if (c == kEof && m_state == CommentStartDash) {
                m_name.length = 0;
                return endOfInput(token, Error::EofInComment);
            } else {
                m_state = Comment;
            }
            break;
        }
        case Comment: {
            m_pos = skip(m_pos, [](char16_t c) { return c == '<' || c == '-' || c == 0; });
            const int c = at(m_pos);
            if (c == '<') {
                ++m_pos;
                m_state = CommentLessThanSign;
            } else if (c == '-') {
                ++m_pos;
                m_state = CommentEndDash;
            } else if (c == 0) {
                error(Error::UnexpectedNullCharacter, m_pos++);
            } else if (c == kEof) {
                m_name.length = m_size - m_name.start;
                return endOfInput(token, Error::EofInComment);
            } else {
                ++m_pos;
            }
            break;
        }
        case CommentLessThanSign: {
            const int c = at(m_pos);
            if (c == '!') {
                ++m_pos;
                m_state = CommentLessThanSignBang;
            } else if (c == '<') {
                ++m_pos;
            } else {
                m_state = Comment;
            }
            break;
        }
        case CommentLessThanSignBang:
            if (at(m_pos) == '-') {
                ++m_pos;
                m_state = CommentLessThanSignBangDash;
            } else {
                m_state = Comment;
            }
            break;
        case CommentLessThanSignBangDash:
            if (at(m_pos) == '-') {
                ++m_pos;
                m_state = CommentLessThanSignBangDashDash;
            } else {
                m_state = CommentEndDash;
            }
            break;
        case CommentLessThanSignBangDashDash: {
            const int c = at(m_pos);
            if (c != '>' && c != kEof)
                error(Error::NestedComment, m_pos);
            m_state = CommentEnd;
            break;
        }
        case CommentEndDash: {
            const int c = at(m_pos);
            if (c == '-') {
                ++m_pos;
                m_state = CommentEnd;
            } else if (c == kEof) {
                m_name.length = m_size - 1 - m_name.start;
                return endOfInput(token, Error::EofInComment);
            } else {
                m_state = Comment;
            }
            break;
        }
        case CommentEnd: {
            const int c = at(m_pos);
            if (c == '>') {
                ++m_pos;
                return completeData(token, m_pos - 3);
            }
            if (c == '!') {
                ++m_pos;
                m_state = CommentEndBang;
            } else if (c == '-') {
                ++m_pos;
            } else if (c == kEof) {
                m_name.length = m_size - 2 - m_name.start;
                return endOfInput(token, Error::EofInComment);
            } else {
                m_state = Comment;
            }
            break;
        }
        case CommentEndBang: {
            const int c = at(m_pos);
            if (c == '-') {
                ++m_pos;
                m_state = CommentEndDash;
            } else if (c == '>') {
                error(Error::IncorrectlyClosedComment, m_pos++);
                return completeData(token, m_pos - 4);
            } else if (c == kEof) {
                m_name.length = m_size - 3 - m_name.start;
                return endOfInput(token, Error::EofInComment);
            } else {
                m_state = Comment;
            }
            break;
        }

        // DOCTYPEs.
        case Doctype: {
            const int c = at(m_pos);
            if (isWhitespace(c)) {
                ++m_pos;
            } else if (c == kEof) {
                m_forceQuirks = true;
                return endOfInput(token, Error::EofInDoctype);
            } else if (c != '>') {
                error(Error::MissingWhitespaceBeforeDoctypeName, m_pos);
            }
            m_state = BeforeDoctypeName;
            break;
        }
        case BeforeDoctypeName: {
            const int c = at(m_pos);
            if (isWhitespace(c)) {
                ++m_pos;
            } else if (c == '>') {
                error(Error::MissingDoctypeName, m_pos++);
                m_forceQuirks = true;
                return complete(token, false);
            } else if (c == kEof) {
                m_forceQuirks = true;
                return endOfInput(token, Error::EofInDoctype);
            } else {
                if (c == 0)
                    error(Error::UnexpectedNullCharacter, m_pos);
                m_name = {m_pos++, 0};
                m_state = DoctypeName;
            }
            break;
        }
        case DoctypeName: {
            m_pos = skip(m_pos, [](char16_t c) { return isWhitespace(c) || c == '>' || c == 0; });
            const int c = at(m_pos);
            if (c == 0) {
                error(Error::UnexpectedNullCharacter, m_pos++);
                break;
            }
            m_name.length = std::min(m_pos, m_size) - m_name.start;
            if (c == kEof) {
                m_forceQuirks = true;
                return endOfInput(token, Error::EofInDoctype);
            }
            ++m_pos;
            if (c == '>')
                return complete(token, false);
            m_state = AfterDoctypeName;
            break;
        }
        case AfterDoctypeName: {
            const int c = at(m_pos);
            if (isWhitespace(c)) {
                ++m_pos;
            } else if (c == '>') {
                ++m_pos;
                return complete(token, false);
            } else if (c == kEof) {
                m_forceQuirks = true;
                return endOfInput(token, Error::EofInDoctype);
            } else if (startsWith(u"public", true)) {
                m_pos += 6;
                m_state = AfterDoctypePublicKeyword;
            } else if (startsWith(u"system", true)) {
                m_pos += 6;
                m_state = AfterDoctypeSystemKeyword;
            } else {
                error(Error::InvalidCharacterSequenceAfterDoctypeName, m_pos);
                m_forceQuirks = true;
                m_state = BogusDoctype;
            }
            break;
        }
        case AfterDoctypePublicKeyword:
        case BeforeDoctypePublicIdentifier:
        case AfterDoctypeSystemKeyword:
        case BeforeDoctypeSystemIdentifier: {
            const bool isPublic =
                m_state == AfterDoctypePublicKeyword || m_state == BeforeDoctypePublicIdentifier;
            const bool afterKeyword =
                m_state == AfterDoctypePublicKeyword || m_state == AfterDoctypeSystemKeyword;
            const int c = at(m_pos);
            if (isWhitespace(c)) {
                ++m_pos;
                m_state = isPublic ? BeforeDoctypePublicIdentifier : BeforeDoctypeSystemIdentifier;
            } else if (c == '"' || c == '\'') {
                if (afterKeyword)
                    error(isPublic ? Error::MissingWhitespaceAfterDoctypePublicKeyword
                                   : Error::MissingWhitespaceAfterDoctypeSystemKeyword,
                          m_pos);
                beginIdentifier(isPublic, c);
            } else if (c == '>') {
                error(isPublic ? Error::MissingDoctypePublicIdentifier
                               : Error::MissingDoctypeSystemIdentifier,
                      m_pos++);
                m_forceQuirks = true;
                return complete(token, false);
            } else if (c == kEof) {
                m_forceQuirks = true;
                return endOfInput(token, Error::EofInDoctype);
            } else {
                error(isPublic ? Error::MissingQuoteBeforeDoctypePublicIdentifier
                               : Error::MissingQuoteBeforeDoctypeSystemIdentifier,
                      m_pos);
                m_forceQuirks = true;
                m_state = BogusDoctype;
            }
            break;
        }
        case DoctypePublicIdentifierDoubleQuoted:
        case DoctypePublicIdentifierSingleQuoted:
        case DoctypeSystemIdentifierDoubleQuoted:
        case DoctypeSystemIdentifierSingleQuoted: {
            const bool isPublic = m_state == DoctypePublicIdentifierDoubleQuoted ||
                                  m_state == DoctypePublicIdentifierSingleQuoted;
            const char16_t quote = m_state == DoctypePublicIdentifierDoubleQuoted ||
                                           m_state == DoctypeSystemIdentifierDoubleQuoted
                                       ? '"'
                                       : '\'';
            Extent& identifier = isPublic ? m_publicId : m_systemId;
            m_pos = skip(m_pos, [quote](char16_t c) { return c == quote || c == '>' || c == 0; });
            const int c = at(m_pos);
            if (c == 0) {
                error(Error::UnexpectedNullCharacter, m_pos++);
                break;
            }
            if (c == '\n') { // the line feed after a line
                ++m_pos;
                break;
            }
            identifier.length = std::min(m_pos, m_size) - identifier.start;
            if (c == kEof) {
                m_forceQuirks = true;
                return endOfInput(token, Error::EofInDoctype);
            }
            ++m_pos;
            if (c == '>') {
                error(isPublic ? Error::AbruptDoctypePublicIdentifier
                               : Error::AbruptDoctypeSystemIdentifier,
                      m_pos - 1);
                m_forceQuirks = true;
                return complete(token, false);
            }
            m_state = isPublic ? AfterDoctypePublicIdentifier : AfterDoctypeSystemIdentifier;
            break;
        }
        case AfterDoctypePublicIdentifier:
        case BetweenDoctypePublicAndSystemIdentifiers: {
            const int c = at(m_pos);
            if (isWhitespace(c)) {
                ++m_pos;
                m_state = BetweenDoctypePublicAndSystemIdentifiers;
            } else if (c == '>') {
                ++m_pos;
                return complete(token, false);
            } else if (c == '"' || c == '\'') {
                if (m_state == AfterDoctypePublicIdentifier)
                    error(Error::MissingWhitespaceBetweenDoctypePublicAndSystemIdentifiers, m_pos);
                beginIdentifier(false, c);
            } else if (c == kEof) {
                m_forceQuirks = true;
                return endOfInput(token, Error::EofInDoctype);
            } else {
                error(Error::MissingQuoteBeforeDoctypeSystemIdentifier, m_pos);
                m_forceQuirks = true;
                m_state = BogusDoctype;
            }
            break;
        }
        case AfterDoctypeSystemIdentifier: {
            const int c = at(m_pos);
            if (isWhitespace(c)) {
                ++m_pos;
            } else if (c == '>') {
                ++m_pos;
                return complete(token, false);
            } else if (c == kEof) {
                m_forceQuirks = true;
                return endOfInput(token, Error::EofInDoctype);
            } else {
                error(Error::UnexpectedCharacterAfterDoctypeSystemIdentifier, m_pos);
                m_state = BogusDoctype;
            }
            break;
        }
        case BogusDoctype: {
            m_pos = skip(m_pos, [](char16_t c) { return c == '>' || c == 0; });
            const int c = at(m_pos);
            if (c == '>') {
                ++m_pos;
                return complete(token, false);
            }
            if (c == kEof) {
                m_done = true;
                return complete(token, true);
            }
            if (c == 0)
                error(Error::UnexpectedNullCharacter, m_pos);
            ++m_pos;
            break;
        }

        // CDATA sections.
        case CdataSection: {
            m_pos = skip(m_pos, [](char16_t c) { return c == ']'; });
            const int c = at(m_pos);
            if (c == kEof) {
                m_name.length = m_size - m_name.start;
                return endOfInput(token, Error::EofInCdata);
            }
            ++m_pos;
            if (c == ']')
                m_state = CdataSectionBracket;
            break;
        }
        case CdataSectionBracket:
            if (at(m_pos) == ']') {
                ++m_pos;
                m_state = CdataSectionEnd;
            } else {
                m_state = CdataSection;
            }
            break;
        case CdataSectionEnd: {
            const int c = at(m_pos);
            if (c == ']') {
                ++m_pos;
            } else if (c == '>') {
                ++m_pos;
                return completeData(token, m_pos - 3);
            } else {
                m_state = CdataSection;
            }
            break;
        }
        }
    }
    return false;
}

// At a '&' in text: whether a character reference begins there. One that does not is text.
bool HtmlTokenizer::beginReference(quint8 returnState) {
    const int c = at(m_pos + 1);
    if (!isAlphanumeric(c) && c != '#') {
        ++m_pos;
        return false;
    }
    m_returnState = returnState;
    m_state = CharacterReference;
    return true;
}

// A character reference inside an attribute value counts for its errors only; decoded()
// reads it again when the value is wanted.
void HtmlTokenizer::readValueReference() {
    const Reference found = reference(m_text, m_pos, true);
    for (quint8 i = 0; i < found.errorCount; ++i)
        m_errors.push_back(found.errors[i]);
    m_pos += found.length;
}

void HtmlTokenizer::beginIdentifier(bool isPublic, int quote) {
    (isPublic ? m_publicId : m_systemId) = {++m_pos, 0};
    if (isPublic)
        m_state = quote == '"' ? DoctypePublicIdentifierDoubleQuoted
                               : DoctypePublicIdentifierSingleQuoted;
    else
        m_state = quote == '"' ? DoctypeSystemIdentifierDoubleQuoted
                               : DoctypeSystemIdentifierSingleQuoted;
}

// The escaped and double-escaped script data states at m_pos: their text is text of the
// script; only "</script" that is not double-escaped ends it. True when a token is ready.
bool HtmlTokenizer::escapedScript(Token& token) {
    const bool doubled = m_state == ScriptDataDoubleEscaped ||
                         m_state == ScriptDataDoubleEscapedDash ||
                         m_state == ScriptDataDoubleEscapedDashDash;
    const S plain = doubled ? ScriptDataDoubleEscaped : ScriptDataEscaped;
    const int c = at(m_pos);
    if (c == kEof) {
        error(Error::EofInScriptHtmlCommentLikeText, m_pos);
        m_done = true;
        return flushText(token, m_size);
    }
    if (c == '-') {
        if (m_state == plain)
            m_state = doubled ? ScriptDataDoubleEscapedDash : ScriptDataEscapedDash;
        else if (m_state == ScriptDataEscapedDash || m_state == ScriptDataDoubleEscapedDash)
            m_state = doubled ? ScriptDataDoubleEscapedDashDash : ScriptDataEscapedDashDash;
    } else if (c == '<') {
        if (!doubled)
            m_markupStart = m_pos;
        m_state = doubled ? ScriptDataDoubleEscapedLessThanSign : ScriptDataEscapedLessThanSign;
    } else if (c == '>' && (m_state == ScriptDataEscapedDashDash ||
                            m_state == ScriptDataDoubleEscapedDashDash)) {
        m_state = ScriptData;
    } else {
        if (c == 0)
            error(Error::UnexpectedNullCharacter, m_pos);
        m_state = plain;
    }
    ++m_pos;
    return false;
}

HtmlTokenizer::Reference HtmlTokenizer::reference(QStringView text, qsizetype at,
                                                  bool inAttribute) {
    Reference found;
    const qsizetype size = text.size();
    const auto charAt = [&](qsizetype i) { return i < size ? int(text[i].unicode()) : kEof; };
    const auto report = [&found](Error error, qsizetype offset) {
        found.errors[found.errorCount++] = {error, offset};
    };
    qsizetype i = at + 1;
    if (charAt(i) == '#') {
        ++i;
        const bool hex = charAt(i) == 'x' || charAt(i) == 'X';
        if (hex)
            ++i;
        const qsizetype digits = i;
        char32_t value = 0;
        for (int digit = hexValue(charAt(i)); digit >= 0 && (hex || digit < 10);
             digit = hexValue(charAt(++i)))
            value = std::min<char32_t>(value * (hex ? 16 : 10) + char32_t(digit), 0x110000);
        if (i == digits) {
            report(Error::AbsenceOfDigitsInNumericCharacterReference, i);
            found.length = i - at;
            return found;
        }
        if (charAt(i) == ';')
            ++i;
        else
            report(Error::MissingSemicolonAfterCharacterReference, i);
        if (value == 0) {
            report(Error::NullCharacterReference, at);
            value = 0xFFFD;
        } else if (value > 0x10FFFF) {
            report(Error::CharacterReferenceOutsideUnicodeRange, at);
            value = 0xFFFD;
        } else if (value >= 0xD800 && value <= 0xDFFF) {
            report(Error::SurrogateCharacterReference, at);
            value = 0xFFFD;
        } else if (isNoncharacter(value)) {
            report(Error::NoncharacterCharacterReference, at);
        } else if (value == 0x0D || (isControl(value) && !isWhitespace(int(value)))) {
            report(Error::ControlCharacterReference, at);
            if (value >= 0x80 && value <= 0x9F)
                value = kC1Replacements[value - 0x80];
        }
        found.length = i - at;
        found.known = true;
        found.count = 1;
        found.codePoints[0] = value;
        return found;
    }
    if (!isAlphanumeric(charAt(i))) {
        found.length = 1;
        return found;
    }
    const auto [entity, length] = longestName(text, i);
    if (entity >= 0) {
        const qsizetype end = i + length;
        const bool semicolon = text[end - 1] == u';';
        found.length = end - at;
        if (inAttribute && !semicolon && (charAt(end) == '=' || isAlphanumeric(charAt(end))))
            return found;
        if (!semicolon)
            report(Error::MissingSemicolonAfterCharacterReference, end);
        const HtmlEntities::Entity& e = HtmlEntities::kEntities[entity];
        found.known = true;
        found.codePoints[0] = e.first;
        found.codePoints[1] = e.second;
        found.count = e.second ? 2 : 1;
        return found;
    }
    while (isAlphanumeric(charAt(i)))
        ++i;
    if (charAt(i) == ';')
        report(Error::UnknownNamedCharacterReference, i++);
    found.length = i - at;
    return found;
}

QString HtmlTokenizer::decoded(QStringView part, Decoding decoding) {
    QString result;
    result.reserve(part.size());
    for (qsizetype i = 0; i < part.size();) {
        const char16_t c = part[i].unicode();
        if (c == '\r') {
            result += u'\n';
            i += i + 1 < part.size() && part[i + 1] == u'\n' ? 2 : 1;
            continue;
        }
        if (c == '&' && decoding == Decoding::AttributeValue) {
            const Reference found = reference(part, i, true);
            if (found.known) {
                for (quint8 k = 0; k < found.count; ++k)
                    result.append(QStringView(QChar::fromUcs4(found.codePoints[k])));
                i += found.length;
                continue;
            }
        }
        if (c == 0 && decoding != Decoding::Text)
            result += QChar(0xFFFD);
        else if (decoding == Decoding::Name)
            result += QChar(nameChar(c));
        else
            result += QChar(c);
        ++i;
    }
    return result;
}
