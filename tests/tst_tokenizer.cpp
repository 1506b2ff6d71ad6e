// The HTML tokenizer against the html5lib tokenizer suite (tests/data/html5lib-tokenizer),
// and the cases the program's own readers rely on: raw text, comment ends, positions, and
// reading line by line from the state each line starts in.
#include "core/source/HtmlTokenizer.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

using Token = HtmlTokenizer::Token;
using Kind = HtmlTokenizer::Kind;
using Extent = HtmlTokenizer::Extent;
using Decoding = HtmlTokenizer::Decoding;

QStringView part(QStringView text, Extent extent) {
    return text.sliced(extent.start, extent.length);
}

QString decoded(QStringView text, Extent extent, Decoding decoding) {
    return HtmlTokenizer::decoded(part(text, extent), decoding);
}

// Turns each \uXXXX into its code unit, as the suite's doubly escaped cases ask.
QString unescaped(const QString& text) {
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 5 < text.size() && text[i + 1] == u'u') {
            result += QChar(text.sliced(i + 2, 4).toUShort(nullptr, 16));
            i += 5;
        } else {
            result += text[i];
        }
    }
    return result;
}

QJsonValue unescaped(const QJsonValue& value) {
    if (value.isString())
        return unescaped(value.toString());
    if (value.isArray()) {
        QJsonArray result;
        for (const QJsonValue& item : value.toArray())
            result.append(unescaped(item));
        return result;
    }
    if (value.isObject()) {
        QJsonObject result;
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            result.insert(unescaped(it.key()), unescaped(it.value()));
        return result;
    }
    return value;
}

// Joins adjacent character tokens and drops empty ones ("<![CDATA[]]>"), as the suite
// writes them.
QJsonArray coalesced(const QJsonArray& tokens) {
    QJsonArray result;
    for (const QJsonValue& token : tokens) {
        const QJsonArray array = token.toArray();
        if (array[0].toString() == u"Character" && array[1].toString().isEmpty())
            continue;
        if (array[0].toString() == u"Character" && !result.isEmpty() &&
            result.last().toArray()[0].toString() == u"Character") {
            result.replace(result.size() - 1,
                           QJsonArray{QStringLiteral("Character"),
                                      result.last().toArray()[1].toString() + array[1].toString()});
        } else {
            result.append(token);
        }
    }
    return result;
}

QJsonValue extentOrNull(QStringView text, Extent extent, Decoding decoding) {
    return extent.present() ? QJsonValue(decoded(text, extent, decoding))
                            : QJsonValue(QJsonValue::Null);
}

// The tokens of input in the suite's form, and the names of the errors found.
QJsonArray suiteTokens(QStringView input, HtmlTokenizer::State state, QStringList& errors) {
    HtmlTokenizer tokenizer(HtmlTokenizer::Switching::Off);
    tokenizer.start(input, state);
    QJsonArray tokens;
    Token token;
    while (tokenizer.next(token)) {
        const QString content = extentOrNull(input, token.content, token.decoding).toString();
        switch (token.kind) {
        case Kind::Text:
        case Kind::Cdata:
            tokens.append(QJsonArray{QStringLiteral("Character"), content});
            break;
        case Kind::Reference: {
            QString characters;
            for (int i = 0; i < token.codePointCount; ++i)
                characters += QChar::fromUcs4(token.codePoints[i]);
            tokens.append(
                QJsonArray{QStringLiteral("Character"), token.known ? characters : content});
            break;
        }
        case Kind::StartTag:
        case Kind::EndTag: {
            if (token.unfinished) // a browser drops a tag cut off by the end
                break;
            if (token.kind == Kind::EndTag) {
                tokens.append(QJsonArray{QStringLiteral("EndTag"), content});
                break;
            }
            QJsonObject attributes;
            for (const HtmlTokenizer::Attribute& attribute : tokenizer.attributes()) {
                if (!attribute.duplicate)
                    attributes.insert(decoded(input, attribute.name, Decoding::Name),
                                      attribute.value.present() ? decoded(input, attribute.value,
                                                                          Decoding::AttributeValue)
                                                                : QString());
            }
            QJsonArray tag{QStringLiteral("StartTag"), content, attributes};
            if (token.selfClosing)
                tag.append(true);
            tokens.append(tag);
            break;
        }
        case Kind::Comment:
            tokens.append(QJsonArray{QStringLiteral("Comment"), content});
            break;
        case Kind::Doctype:
            tokens.append(QJsonArray{
                QStringLiteral("DOCTYPE"), extentOrNull(input, token.content, Decoding::Name),
                extentOrNull(input, token.publicId, Decoding::Replaced),
                extentOrNull(input, token.systemId, Decoding::Replaced), !token.forceQuirks});
            break;
        }
    }
    for (const HtmlTokenizer::ParseError& error : tokenizer.errors())
        errors << QString::fromLatin1(HtmlTokenizer::errorName(error.error));
    return coalesced(tokens);
}

// What xmlViolation.test expects on top: the output made fit for XML, as a browser does when
// it turns a page into an XML infoset.
QJsonArray fitForXml(const QJsonArray& tokens) {
    const auto characters = [](QString text) {
        for (QChar& c : text) {
            if (c == u'\f')
                c = u' ';
            else if (c == QChar(0xFFFE) || c == QChar(0xFFFF))
                c = QChar(0xFFFD);
        }
        return text;
    };
    QJsonArray result;
    for (const QJsonValue& value : tokens) {
        QJsonArray token = value.toArray();
        if (token[0].toString() == u"Character")
            token[1] = characters(token[1].toString());
        else if (token[0].toString() == u"Comment")
            token[1] = token[1].toString().replace(QStringLiteral("--"), QStringLiteral("- -"));
        result.append(token);
    }
    return result;
}

const QMap<QString, HtmlTokenizer::Content> kContents{
    {QStringLiteral("Data state"), HtmlTokenizer::Content::Data},
    {QStringLiteral("PLAINTEXT state"), HtmlTokenizer::Content::Plaintext},
    {QStringLiteral("RCDATA state"), HtmlTokenizer::Content::Rcdata},
    {QStringLiteral("RAWTEXT state"), HtmlTokenizer::Content::Rawtext},
    {QStringLiteral("Script data state"), HtmlTokenizer::Content::ScriptData},
    {QStringLiteral("CDATA section state"), HtmlTokenizer::Content::CdataSection},
};

// One token as the consumer cases write it: kind, extent, content, flags and attributes.
QString described(QStringView text, const Token& token,
                  std::span<const HtmlTokenizer::Attribute> attributes) {
    static const char* const kKinds[] = {"Text",    "Reference", "StartTag", "EndTag",
                                         "Comment", "Cdata",     "Doctype"};
    const auto extent = [](Extent e) {
        return e.present() ? QStringLiteral("@%1+%2").arg(e.start).arg(e.length) : QString();
    };
    QString result =
        QStringLiteral("%1%2 '%3'")
            .arg(QLatin1StringView(kKinds[int(token.kind)]), extent({token.start, token.length}),
                 token.content.present() ? decoded(text, token.content, token.decoding)
                                         : QString());
    if (token.kind == Kind::StartTag || token.kind == Kind::EndTag) {
        for (const HtmlTokenizer::Attribute& a : attributes) {
            result += QStringLiteral(" %1%2").arg(
                a.name.present() ? decoded(text, a.name, Decoding::Name) : QStringLiteral("?"),
                extent(a.name));
            if (a.value.present())
                result +=
                    QStringLiteral("=%1'%2'%3")
                        .arg(a.quoted ? QStringLiteral("q") : QString(),
                             decoded(text, a.value, Decoding::AttributeValue), extent(a.value));
        }
    }
    if (token.kind == Kind::Reference)
        result += token.known ? QStringLiteral(" known") : QStringLiteral(" unknown");
    if (token.selfClosing)
        result += QStringLiteral(" selfClosing");
    if (token.begunBefore)
        result += QStringLiteral(" begunBefore");
    if (token.unfinished)
        result += QStringLiteral(" unfinished");
    return result;
}

QStringList describedTokens(QStringView text, bool foreign) {
    HtmlTokenizer tokenizer;
    tokenizer.setForeignContent(foreign);
    tokenizer.start(text);
    QStringList result;
    Token token;
    while (tokenizer.next(token))
        result << described(text, token, tokenizer.attributes());
    return result;
}

// A token with its attributes, offsets counted in the whole text.
struct Piece {
    Token token;
    std::vector<HtmlTokenizer::Attribute> attributes;
};

Extent moved(Extent extent, qsizetype by) {
    return extent.present() ? Extent{extent.start + by, extent.length} : extent;
}

qsizetype endOf(Extent extent) {
    return extent.start + extent.length;
}

// Extends extent to the end of more when more goes on from where it stands (or stands alone).
Extent joined(Extent extent, Extent more) {
    if (!more.present())
        return extent;
    if (!extent.present())
        return more;
    return {extent.start, endOf(more) - extent.start};
}

// Adds a piece to the pieces before, joining what goes on over a line break: a token begun
// on an earlier line with its first part, and text runs that meet or have only line feeds
// between them.
void add(QStringView text, std::vector<Piece>& pieces, Piece piece) {
    Token& token = piece.token;
    if (!pieces.empty()) {
        Piece& last = pieces.back();
        const qsizetype lastEnd = last.token.start + last.token.length;
        const QStringView between =
            text.sliced(lastEnd, std::max<qsizetype>(token.start - lastEnd, 0));
        const bool runs = token.kind == Kind::Text && last.token.kind == Kind::Text &&
                          between.count(u'\n') == between.size();
        if (runs || token.begunBefore) {
            last.token.length = token.start + token.length - last.token.start;
            last.token.unfinished = token.unfinished;
            last.token.content = joined(last.token.content, token.content);
            last.token.publicId = joined(last.token.publicId, token.publicId);
            last.token.systemId = joined(last.token.systemId, token.systemId);
            last.token.selfClosing = token.selfClosing;
            auto next = piece.attributes.begin();
            if (next != piece.attributes.end() && !next->name.present()) {
                last.attributes.back().value = joined(last.attributes.back().value, next->value);
                last.attributes.back().quoted |= next->quoted;
                ++next;
            }
            last.attributes.insert(last.attributes.end(), next, piece.attributes.end());
            return;
        }
    }
    pieces.push_back(std::move(piece));
}

// The pieces as described(); a text run without the line breaks it begins or ends with, as
// a line read on its own does not see them.
QStringList describedPieces(QStringView text, std::vector<Piece> pieces) {
    QStringList result;
    for (Piece& piece : pieces) {
        Token& token = piece.token;
        if (token.kind == Kind::Text) {
            while (token.length > 0 && text[token.start] == u'\n') {
                ++token.start;
                --token.length;
            }
            while (token.length > 0 && text[token.start + token.length - 1] == u'\n')
                --token.length;
            if (token.length == 0)
                continue;
            token.content = {token.start, token.length};
        }
        result << described(text, token, piece.attributes);
    }
    return result;
}

} // namespace

class TestTokenizer final : public QObject {
    Q_OBJECT

private slots:
    // Every case of every file, run in each state it names. The tokens must match in at
    // least 99 of 100 runs; the errors are counted beside them.
    void html5libSuite() {
        const QDir folder(QStringLiteral(QUILLMARK_TEST_DATA "/html5lib-tokenizer"));
        int runs = 0;
        int tokensMatch = 0;
        int errorsMatch = 0;
        for (const QString& fileName : folder.entryList({QStringLiteral("*.test")})) {
            QFile file(folder.filePath(fileName));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(fileName));
            const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
            const bool forXml = root.contains(u"xmlViolationTests");
            const QJsonArray cases = root.value(forXml ? u"xmlViolationTests" : u"tests").toArray();
            QVERIFY2(!cases.isEmpty(), qPrintable(fileName));
            for (const QJsonValue& value : cases) {
                const QJsonObject test = value.toObject();
                const bool escaped = test.value(u"doubleEscaped").toBool();
                const QString input = escaped ? unescaped(test.value(u"input").toString())
                                              : test.value(u"input").toString();
                QJsonArray expected = coalesced(escaped ? unescaped(test.value(u"output")).toArray()
                                                        : test.value(u"output").toArray());
                QStringList expectedErrors;
                for (const QJsonValue& error : test.value(u"errors").toArray())
                    expectedErrors << error.toObject().value(u"code").toString();
                expectedErrors.sort();
                QJsonArray states = test.value(u"initialStates").toArray();
                if (states.isEmpty())
                    states.append(QStringLiteral("Data state"));
                for (const QJsonValue& stateName : states) {
                    ++runs;
                    QVERIFY2(kContents.contains(stateName.toString()),
                             qPrintable(stateName.toString()));
                    const HtmlTokenizer::State state =
                        HtmlTokenizer::startingIn(kContents.value(stateName.toString()),
                                                  test.value(u"lastStartTag").toString());
                    QStringList errors;
                    QJsonArray tokens = suiteTokens(input, state, errors);
                    if (forXml)
                        tokens = fitForXml(tokens);
                    errors.sort();
                    const QString run = QStringLiteral("%1: %2 (%3)")
                                            .arg(fileName, test.value(u"description").toString(),
                                                 stateName.toString());
                    if (tokens == expected) {
                        ++tokensMatch;
                    } else {
                        qInfo().noquote() << "Tokens differ:" << run << "\n  expected"
                                          << QJsonDocument(expected).toJson(QJsonDocument::Compact)
                                          << "\n  read    "
                                          << QJsonDocument(tokens).toJson(QJsonDocument::Compact);
                    }
                    if (errors == expectedErrors)
                        ++errorsMatch;
                    else
                        qInfo().noquote()
                            << "Errors differ:" << run << "\n  expected"
                            << expectedErrors.join(u' ') << "\n  read    " << errors.join(u' ');
                }
            }
        }
        qInfo("Tokens match in %d of %d runs, errors in %d.", tokensMatch, runs, errorsMatch);
        QCOMPARE(runs, 7036);
        QVERIFY2(tokensMatch * 100 >= runs * 99, "fewer than 99 of 100 runs match");
    }

    void consumerCases_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("tokens");
        QTest::addColumn<bool>("foreign"); // in SVG or MathML
        QTest::newRow("empty comment")
            << QStringLiteral("<!-->x") << QStringList{"Comment@0+5 ''", "Text@5+1 'x'"} << false;
        QTest::newRow("comment closed by --!>")
            << QStringLiteral("<!-- a --!>") << QStringList{"Comment@0+11 ' a '"} << false;
        QTest::newRow("noframes holds raw text")
            << QStringLiteral("<noframes><b></noframes>")
            << QStringList{"StartTag@0+10 'noframes'", "Text@10+3 '<b>'", "EndTag@13+11 'noframes'"}
            << false;
        QTest::newRow("xmp holds raw text, its end tag in any case")
            << QStringLiteral("<XMP><b>&amp;</Xmp >")
            << QStringList{"StartTag@0+5 'xmp'", "Text@5+8 '<b>&amp;'", "EndTag@13+7 'xmp'"}
            << false;
        QTest::newRow("script ends only at its own end tag")
            << QStringLiteral("<script>a<b</scrip></script>")
            << QStringList{"StartTag@0+8 'script'", "Text@8+11 'a<b</scrip>'",
                           "EndTag@19+9 'script'"}
            << false;
        QTest::newRow("escaped script data")
            << QStringLiteral("<script><!--<script></script>--></script>")
            << QStringList{"StartTag@0+8 'script'", "Text@8+24 '<!--<script></script>-->'",
                           "EndTag@32+9 'script'"}
            << false;
        QTest::newRow("textarea reads references")
            << QStringLiteral("<textarea><b>&lt;</textarea>")
            << QStringList{"StartTag@0+10 'textarea'", "Text@10+3 '<b>'",
                           "Reference@13+4 '&lt;' known", "EndTag@17+11 'textarea'"}
            << false;
        QTest::newRow("attribute values over a line break")
            << QStringLiteral("<a href=\"x\ny\" \ntitle=z checked>")
            << QStringList{"StartTag@0+31 'a' href@3+4=q'x\ny'@9+3 title@15+5='z'@21+1 "
                           "checked@23+7"}
            << false;
        QTest::newRow("references in text")
            << QStringLiteral("&notin; &notit; &nosuch; &#x41")
            << QStringList{"Reference@0+7 '&notin;' known",     "Text@7+1 ' '",
                           "Reference@8+4 '&not' known",        "Text@12+4 'it; '",
                           "Reference@16+8 '&nosuch;' unknown", "Text@24+1 ' '",
                           "Reference@25+5 '&#x41' known"}
            << false;
        QTest::newRow("a tag cut off by the end")
            << QStringLiteral("a<b c=\"d")
            << QStringList{"Text@0+1 'a'", "StartTag@1+7 'b' c@4+1=q'd'@7+1 unfinished"} << false;
        QTest::newRow("CDATA section in foreign content")
            << QStringLiteral("<![CDATA[<b>]]]>") << QStringList{"Cdata@0+16 '<b>]'"} << true;
        QTest::newRow("CDATA section in HTML")
            << QStringLiteral("<![CDATA[<b>]]]>")
            << QStringList{"Comment@0+12 '[CDATA[<b'", "Text@12+4 ']]]>'"} << false;
    }

    void consumerCases() {
        QFETCH(QString, input);
        QFETCH(QStringList, tokens);
        QFETCH(bool, foreign);
        QCOMPARE(describedTokens(input, foreign), tokens);
    }

    // Read line by line, each line from the state the one before ended in (with the caller's
    // own bits set beside it), the pieces join up to the tokens of one run over the whole.
    void resumingAtLineStarts_data() {
        QTest::addColumn<QString>("input");
        QTest::newRow("tag") << QStringLiteral(
            "<p>a\n<img\nsrc=\"x\ny\nz\" alt\n=\n'b'\nwidth=1\n/>\n<br\n>\n</p\n>");
        QTest::newRow("comment") << QStringLiteral("<!--\na -\n-\n--!\n-->b<!x\ny>");
        QTest::newRow("script") << QStringLiteral(
            "<script\ntype=x>\nif (a<b) {\n<!--\n<script>\n</script>\n-->\n}\n</script\n>c");
        QTest::newRow("raw text") << QStringLiteral("<title>a\n</title\n><style\n>b\n</style>");
        QTest::newRow("doctype") << QStringLiteral(
            "<!DOCTYPE html\nPUBLIC \"-//W3C//DTD\nHTML 4.01//EN\"\n'x\ny'>\n<html>");
    }

    void resumingAtLineStarts() {
        QFETCH(QString, input);
        std::vector<Piece> whole;
        HtmlTokenizer tokenizer;
        tokenizer.start(input);
        Token token;
        while (tokenizer.next(token))
            add(input, whole,
                {token, {tokenizer.attributes().begin(), tokenizer.attributes().end()}});

        std::vector<Piece> byLine;
        HtmlTokenizer::State state;
        qsizetype lineStart = 0;
        const QList<QStringView> lines = QStringView(input).split(u'\n');
        for (QStringView line : lines) {
            // The last line ends where the input ends, every other one at a line feed.
            tokenizer.start(line, HtmlTokenizer::State(state.value | 0xff000000u),
                            line.end() == lines.last().end() ? HtmlTokenizer::End::Input
                                                             : HtmlTokenizer::End::Line);
            while (tokenizer.next(token)) {
                Piece piece{token, {tokenizer.attributes().begin(), tokenizer.attributes().end()}};
                piece.token.start += lineStart;
                piece.token.content = moved(token.content, lineStart);
                piece.token.publicId = moved(token.publicId, lineStart);
                piece.token.systemId = moved(token.systemId, lineStart);
                for (HtmlTokenizer::Attribute& attribute : piece.attributes) {
                    attribute.name = moved(attribute.name, lineStart);
                    attribute.value = moved(attribute.value, lineStart);
                }
                add(input, byLine, piece);
            }
            state = tokenizer.state();
            QCOMPARE(state.value >> HtmlTokenizer::kStateBits, 0u);
            lineStart += line.size() + 1;
        }
        QCOMPARE(describedPieces(input, byLine), describedPieces(input, whole));
    }
};

QTEST_GUILESS_MAIN(TestTokenizer)
#include "tst_tokenizer.moc"
