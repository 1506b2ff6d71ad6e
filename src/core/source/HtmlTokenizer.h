#pragma once

#include <QString>
#include <QStringView>

#include <span>
#include <unordered_set>
#include <vector>

// Reads HTML the way a browser's tokenizer does (the tokenization stage of the HTML standard)
// and reports what it finds as tokens that point into the text: tags with their attributes,
// comments, DOCTYPEs, CDATA sections, character references and the runs of text between them.
// Nothing is copied while reading; decoded() gives what a part of the text stands for.
//
// A consumer reads a whole text at once (End::Input) or one line at a time (End::Line): a line
// is given without its line break, the tokenizer reads it as if a line feed followed, and
// state() then says where the next line begins. A tag, comment, DOCTYPE or CDATA section that
// goes on past a line's end is reported once per line, the part on each line on its own:
//
//     tokenizer.start(line, lineBefore, HtmlTokenizer::End::Line);
//     HtmlTokenizer::Token token;
//     while (tokenizer.next(token))
//         ...; // token.start, token.length, tokenizer.attributes() for a tag
//     const HtmlTokenizer::State lineAfter = tokenizer.state();
//
// A run of text ends at every other token, so two runs may follow each other (around a
// dropped "</>", or where a line ends).
//
// Widget-free and QtCore-only: the page view compiles this file too.
class HtmlTokenizer final {
public:
    enum class Kind : quint8 {
        Text,      // a run of text; Token::content is the whole run
        Reference, // a character reference in text ("&auml;", "&#228;", "&nosuch;")
        StartTag,
        EndTag,
        Comment, // including the bogus comments "<!x>", "<?x>" and "</ x>"
        Cdata,   // "<![CDATA[...]]>", only where setForeignContent() allows it
        Doctype,
    };

    // The content a text starts in, as a tree builder chooses it for an element's text.
    enum class Content : quint8 { Data, Rcdata, Rawtext, ScriptData, Plaintext, CdataSection };

    // Whether the end of the text is the end of the input or the end of a line.
    enum class End : quint8 { Input, Line };

    // How a part of the text is decoded; every decoding turns CR LF and lone CRs into LF.
    enum class Decoding : quint8 {
        Text,           // text in the data state or a CDATA section: U+0000 stays
        Replaced,       // raw text, comments, DOCTYPE identifiers: U+0000 becomes U+FFFD
        Name,           // tag, attribute and DOCTYPE names: also A-Z in lower case
        AttributeValue, // also character references, with the rules for attribute values
    };

    // The parse errors of the tokenization stage, named in errorName() as the HTML standard
    // names them.
    enum class Error : quint8 {
        AbruptClosingOfEmptyComment,
        AbruptDoctypePublicIdentifier,
        AbruptDoctypeSystemIdentifier,
        AbsenceOfDigitsInNumericCharacterReference,
        CdataInHtmlContent,
        CharacterReferenceOutsideUnicodeRange,
        ControlCharacterInInputStream,
        ControlCharacterReference,
        DuplicateAttribute,
        EndTagWithAttributes,
        EndTagWithTrailingSolidus,
        EofBeforeTagName,
        EofInCdata,
        EofInComment,
        EofInDoctype,
        EofInScriptHtmlCommentLikeText,
        EofInTag,
        IncorrectlyClosedComment,
        IncorrectlyOpenedComment,
        InvalidCharacterSequenceAfterDoctypeName,
        InvalidFirstCharacterOfTagName,
        MissingAttributeValue,
        MissingDoctypeName,
        MissingDoctypePublicIdentifier,
        MissingDoctypeSystemIdentifier,
        MissingEndTagName,
        MissingQuoteBeforeDoctypePublicIdentifier,
        MissingQuoteBeforeDoctypeSystemIdentifier,
        MissingSemicolonAfterCharacterReference,
        MissingWhitespaceAfterDoctypePublicKeyword,
        MissingWhitespaceAfterDoctypeSystemKeyword,
        MissingWhitespaceBeforeDoctypeName,
        MissingWhitespaceBetweenAttributes,
        MissingWhitespaceBetweenDoctypePublicAndSystemIdentifiers,
        NestedComment,
        NoncharacterCharacterReference,
        NoncharacterInInputStream,
        NullCharacterReference,
        SurrogateCharacterReference,
        SurrogateInInputStream,
        UnexpectedCharacterAfterDoctypeSystemIdentifier,
        UnexpectedCharacterInAttributeName,
        UnexpectedCharacterInUnquotedAttributeValue,
        UnexpectedEqualsSignBeforeAttributeName,
        UnexpectedNullCharacter,
        UnexpectedQuestionMarkInsteadOfTagName,
        UnexpectedSolidusInTag,
        UnknownNamedCharacterReference,
    };

    struct ParseError {
        Error error;
        qsizetype offset;
    };

    // A stretch of the text. A missing part (a DOCTYPE without a public identifier, a part
    // that lies on an earlier line) has start -1.
    struct Extent {
        qsizetype start = -1;
        qsizetype length = 0;
        bool present() const { return start >= 0; }
    };

    // An attribute of the latest tag. Its name is missing when it lies on an earlier line; its
    // value is missing when it has none ("<input checked>").
    struct Attribute {
        Extent name;
        Extent value;
        bool quoted = false;
        bool duplicate = false; // an earlier attribute of the tag has the same name
    };

    struct Token {
        Kind kind = Kind::Text;
        // Tags: "<br/>". DOCTYPEs: set when the DOCTYPE puts a browser in quirks mode.
        bool selfClosing = false;
        bool forceQuirks = false;
        // The token began before the text (its first part is on an earlier line).
        bool begunBefore = false;
        // The text ended inside the token: at a line's end it goes on on the next line; at the
        // input's end it is cut off (a browser drops such a tag, but keeps such a comment).
        bool unfinished = false;
        // References: whether it stands for characters; an unknown one stands for itself.
        bool known = false;
        Decoding decoding = Decoding::Text; // how content decodes
        quint8 codePointCount = 0;          // references: 1 or 2 when known
        char32_t codePoints[2] = {0, 0};
        qsizetype start = 0; // the whole token
        qsizetype length = 0;
        // Text: the run. Comments and CDATA sections: what they hold. Tags and DOCTYPEs: the
        // name. References: the reference.
        Extent content;
        Extent publicId; // DOCTYPEs
        Extent systemId;
    };

    // Where a line begins: packed in the low kStateBits bits of value, so that the high bits
    // are free for the caller's own use (the tokenizer ignores them and leaves them zero).
    // What survives a line break: the tokenizer state (in text, raw text, script data and its
    // escaped and double-escaped parts, a CDATA section, a comment, a DOCTYPE and where in it,
    // a tag and where in it: between attributes, after a name, after '=', inside a quoted
    // value), whether a tag is an end tag, and for a start tag or raw text which of the
    // elements with raw text it is (for the switch after the tag and the end tag that ends
    // the raw text). What does not survive: the offsets, names and values on earlier lines,
    // the attributes already read (a duplicate across lines is not found) and a DOCTYPE's
    // force-quirks flag from an earlier line.
    struct State {
        constexpr State() : value(0) {} // the data state
        constexpr explicit State(quint32 bits) : value(bits) {}
        quint32 value;
        friend bool operator==(State, State) = default;
    };
    static constexpr int kStateBits = 12;

    // The state that starts a text in content; lastStartTag names the element whose end tag
    // ends raw text (one of the elements with raw text, else none).
    static State startingIn(Content content, QStringView lastStartTag = {});

    // Whether a start tag of script, style, xmp, iframe, noembed, noframes, noscript,
    // textarea, title or plaintext switches to the content a browser reads after it (as with
    // scripting on), or the content stays what the text started in.
    enum class Switching : quint8 { On, Off };
    explicit HtmlTokenizer(Switching switching = Switching::On);

    // Starts reading text from state; text must outlive the reading.
    void start(QStringView text, State state = {}, End end = End::Input);

    // In foreign content (SVG, MathML) "<![CDATA[" opens a CDATA section and start tags never
    // switch to raw text; the consumer says so between tokens.
    void setForeignContent(bool foreign) { m_foreign = foreign; }

    // Reads the next token; false at the end of the text.
    bool next(Token& token);

    // The attributes of the latest tag, in the order they stand.
    std::span<const Attribute> attributes() const { return m_attributes; }

    // Every parse error since start(), with the offset where it was found.
    std::span<const ParseError> errors() const { return m_errors; }

    // Where the next line begins, once next() has returned false after a line.
    State state() const;

    static QString decoded(QStringView part, Decoding decoding);
    static const char* errorName(Error error);

private:
    Q_DISABLE_COPY_MOVE(HtmlTokenizer)

    // What a character reference at some '&' stands for.
    struct Reference {
        qsizetype length = 0; // the characters read as the reference
        bool known = false;
        quint8 count = 0;
        char32_t codePoints[2] = {0, 0};
        quint8 errorCount = 0;
        ParseError errors[2];
    };
    static Reference reference(QStringView text, qsizetype at, bool inAttribute);

    bool readToken(Token& token);
    int at(qsizetype i) const;
    template <typename Stop> qsizetype skip(qsizetype from, Stop stop) const;
    bool startsWith(QStringView word, bool ignoringCase) const;
    void error(Error error, qsizetype offset) { m_errors.push_back({error, offset}); }
    void checkInput(qsizetype upTo);
    void resume(State state);
    bool flushText(Token& token, qsizetype end);
    bool beginReference(quint8 returnState);
    bool escapedScript(Token& token);
    bool appropriateEndTag() const;
    bool bufferIsScript() const;
    void begin(Kind kind, qsizetype contentStart);
    void endTagName();
    void clearAttributes();
    void beginAttribute(qsizetype nameStart);
    void endAttributeName();
    void endValue();
    void readValueReference();
    void beginIdentifier(bool isPublic, int quote);
    bool complete(Token& token, bool unfinished);
    bool completeData(Token& token, qsizetype dataEnd);
    bool endOfInput(Token& token, Error error);
    bool endOfLine(Token& token);

    // Attribute names as they compare: ASCII letters in any case alike.
    struct NameHash {
        const HtmlTokenizer* tokenizer;
        size_t operator()(qsizetype index) const;
    };
    struct NameEqual {
        const HtmlTokenizer* tokenizer;
        bool operator()(qsizetype a, qsizetype b) const;
    };

    QStringView m_text;
    qsizetype m_size = 0;
    qsizetype m_end = 0; // one past the last character read: the line feed after a line
    qsizetype m_pos = 0;
    qsizetype m_checked = 0; // how far the input has been checked for stray characters
    bool m_line = false;
    bool m_switches = true;
    bool m_foreign = false;
    bool m_done = false;

    quint8 m_state = 0;       // the tokenizer state
    quint8 m_returnState = 0; // where raw text or a character reference returns to
    quint8 m_element = 0;     // the element whose raw text is read, or the start tag's own
    bool m_rawText = false;   // whether the text run is raw text

    qsizetype m_textStart = 0;   // the text run read so far
    qsizetype m_markupStart = 0; // the '<' that may begin a tag
    qsizetype m_bufferStart = 0; // the letters after "</" in raw text, or "<" in script data

    // The tag, comment, DOCTYPE or CDATA section being read.
    Kind m_kind = Kind::Text;
    qsizetype m_tokenStart = 0;
    bool m_begunBefore = false;
    bool m_selfClosing = false;
    bool m_forceQuirks = false;
    bool m_pendingAttribute = false; // a resumed tag's attribute name is on an earlier line
    Extent m_name; // a tag's or DOCTYPE's name, a comment's or CDATA section's content
    Extent m_publicId;
    Extent m_systemId;
    std::vector<Attribute> m_attributes;
    using AttributeNames = std::unordered_set<qsizetype, NameHash, NameEqual>;
    AttributeNames m_attributeNames; // the attributes by name, in a tag of many
    std::vector<ParseError> m_errors;
};
