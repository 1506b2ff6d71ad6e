#include "core/source/PageCheckSentences.h"

#include "core/generators/Captions.h"

namespace Check {
namespace {

struct SentenceText {
    Sentence sentence;
    Finding::Kind kind;
    const char* text;
    // The tab page whose button mends what it says.
    const char* page = nullptr;
};

constexpr std::array<SentenceText, kSentenceCount> kSentences{{
    {.sentence = Sentence::MissingEnd,
     .kind = Finding::Kind::Fehler,
     .text = "%1 (<%2>) aus Zeile %3 wird nicht geschlossen: Es fehlt </%2>."},
    {.sentence = Sentence::ClosesNothing,
     .kind = Finding::Kind::Fehler,
     .text = "</%1> schließt nichts: Davor ist kein <%1> offen."},
    {.sentence = Sentence::Outside,
     .kind = Finding::Kind::Fehler,
     .text = "%1 (<%2>) steht außerhalb %3."},
    {.sentence = Sentence::ContentBeforeStart,
     .kind = Finding::Kind::Fehler,
     .text = "Vor dem Seitenanfang (<html>) steht schon etwas: Es gehört hinter <body>."},
    {.sentence = Sentence::ContentBeforeBody,
     .kind = Finding::Kind::Fehler,
     .text = "Zwischen </head> und <body> steht etwas: Es gehört hinter <body>."},
    {.sentence = Sentence::MissingBody,
     .kind = Finding::Kind::Fehler,
     .text = "Nach </head> fehlt <body>: Der Inhalt der Seite gehört hinter <body>."},
    {.sentence = Sentence::ContentAfterEnd,
     .kind = Finding::Kind::Fehler,
     .text = "Nach %1 steht noch etwas: Alles, was die Seite zeigt, gehört vor </body>."},
    {.sentence = Sentence::WrongOrder,
     .kind = Finding::Kind::Fehler,
     .text = "%1 steht an falscher Stelle: Die Reihenfolge ist <html>, <head>, "
             "</head>, <body>, </body>, </html>, jedes nur einmal."},
    {.sentence = Sentence::EmptyAddress,
     .kind = Finding::Kind::Hinweis,
     .text = "%1=\"\" ist leer: Hier fehlt der Name einer Datei oder eine Adresse."},
    {.sentence = Sentence::WithoutScheme,
     .kind = Finding::Kind::Hinweis,
     .text = "Die Adresse „%1“ beginnt mit „www.“ ohne „http://“: Der Browser "
             "sucht sie dann als Datei neben der Seite."},
    {.sentence = Sentence::EmptyAlt,
     .kind = Finding::Kind::Hinweis,
     .text = "Das Bild hat einen leeren Ersatztext (alt=\"\"): Wer es nicht "
             "sehen kann, erfährt nicht, was es zeigt."},
    {.sentence = Sentence::SpaceInName,
     .kind = Finding::Kind::Hinweis,
     .text = "Im Namen „%1“ steht ein Leerzeichen: Nicht jeder Server findet die "
             "Datei dann. Besser ohne Leerzeichen benennen."},
    {.sentence = Sentence::BadPercent,
     .kind = Finding::Kind::Hinweis,
     .text = "Im Namen „%1“ steht ein Prozentzeichen ohne zwei Ziffern oder "
             "Buchstaben von A bis F dahinter: Der Browser findet die Datei dann "
             "nicht."},
    {.sentence = Sentence::MissingFile,
     .kind = Finding::Kind::Hinweis,
     .text = "Die Datei „%1“ gibt es im Ordner der Seite nicht."},
    {.sentence = Sentence::QuoteInText,
     .kind = Finding::Kind::Fehler,
     .text =
         "„%1“ steht als Text auf der Seite, weil ein Anführungszeichen das Attribut davor zu früh "
         "beendet hat: Löschen Sie das überzählige Anführungszeichen im Tag davor."},
    {.sentence = Sentence::FormInForm,
     .kind = Finding::Kind::Fehler,
     .text =
         "Das Formular steht im Formular aus Zeile %1, und Browser übergehen es: Beenden Sie das "
         "erste Formular mit </form>, bevor das nächste beginnt."},
    {.sentence = Sentence::ListWithoutEntry,
     .kind = Finding::Kind::Fehler,
     .text =
         "Die Liste (<%1>) beginnt in einer Liste, in der noch kein Listeneintrag (<li>) steht: "
         "Schreiben Sie zuerst einen Eintrag oder beenden Sie die äußere Liste."},
    {.sentence = Sentence::BadDelay,
     .kind = Finding::Kind::Fehler,
     .text =
         "Die Wartezeit „%1“ der Weiterleitung ist keine Zahl, die Browser lesen: Schreiben Sie "
         "eine ganze Zahl oder eine Dezimalzahl mit Punkt, etwa „0.5“."},
    {.sentence = Sentence::EndTagWithMore,
     .kind = Finding::Kind::Fehler,
     .text =
         "Hinter </%1 steht noch etwas, das Browser übergehen: Ein schließendes Tag enthält nur "
         "seinen Namen, also </%1>."},
    {.sentence = Sentence::GermanColour,
     .kind = Finding::Kind::Hinweis,
     .text = "„%1“ kennen Browser nicht; gemeint ist wohl „%2“."},
    {.sentence = Sentence::UnknownColour,
     .kind = Finding::Kind::Hinweis,
     .text = "Die Farbe „%1“ kennen Browser nicht: Nehmen Sie einen englischen Farbnamen wie „Red“ "
             "oder eine Angabe wie „#FF0000“."},
    {.sentence = Sentence::EmptyStyleValue,
     .kind = Finding::Kind::Hinweis,
     .text =
         "Im Stil (style) hat „%1:“ keinen Wert: Tragen Sie einen Wert ein oder löschen Sie die "
         "Angabe."},
    {.sentence = Sentence::MissingAlt,
     .kind = Finding::Kind::Hinweis,
     .text = "Das Bild hat keinen Ersatztext (alt): Wer es nicht sehen kann, erfährt nicht, was es "
             "zeigt."},
    {.sentence = Sentence::EmptyPage,
     .kind = Finding::Kind::Hinweis,
     .text = "Die Seite ist noch leer."},
    {.sentence = Sentence::ExampleAddress,
     .kind = Finding::Kind::Hinweis,
     .text =
         "Das Formular wird an eine Beispieladresse geschickt und kommt nirgends an. Tragen Sie im "
         "Fenster „%1“ unter „%2“ die Adresse eines Formular-Dienstes ein, den Ihr Webhoster "
         "anbietet.",
     .page = Captions::kFormsPage},
    {.sentence = Sentence::DuplicateCharset,
     .kind = Finding::Kind::Hinweis,
     .text =
         "Der Zeichensatz der Seite steht schon in Zeile %1: Löschen Sie eine der beiden Angaben."},
    {.sentence = Sentence::Misnested,
     .kind = Finding::Kind::Hinweis,
     .text =
         "</%1> kommt, bevor <%2> aus Zeile %3 geschlossen ist: Browser ordnen das selbst, aber "
         "nicht immer wie gemeint. Schließen Sie zuerst, was zuletzt geöffnet wurde."},
    {.sentence = Sentence::ListNotBegun,
     .kind = Finding::Kind::Fehler,
     .text = "Die Liste ist nicht begonnen: Löschen Sie Zeile %1 oder nehmen Sie den Eintrag mit "
             "„Rückgängig“ zurück; drücken Sie dann auf der Seite „%2“ zuerst „%3“ oder „%4“.",
     .page = Captions::kListsPage},
    {.sentence = Sentence::TableNotBegun,
     .kind = Finding::Kind::Fehler,
     .text = "Die Tabelle ist nicht begonnen: Löschen Sie Zeile %1 oder nehmen Sie sie mit "
             "„Rückgängig“ zurück; drücken Sie dann auf der Seite „%2“ zuerst „%3“.",
     .page = Captions::kTablesPage},
    {.sentence = Sentence::FormNotBegun,
     .kind = Finding::Kind::Fehler,
     .text =
         "Das Formular ist nicht begonnen: Löschen Sie Zeile %1 oder nehmen Sie die Frage mit "
         "„Rückgängig“ zurück; drücken Sie dann im Fenster „%2“ zuerst „%3“. Es öffnet sich auf "
         "der Seite „%4“ mit „%5“.",
     .page = Captions::kFormsPage},
    {.sentence = Sentence::TableNotEnded,
     .kind = Finding::Kind::Fehler,
     .text = "Die Tabelle aus Zeile %1 ist nicht beendet: Drücken Sie auf der Seite „%2“ „%3“.",
     .page = Captions::kTablesPage},
    {.sentence = Sentence::FormNotEnded,
     .kind = Finding::Kind::Fehler,
     .text =
         "Das Formular aus Zeile %1 ist nicht beendet: Drücken Sie im Fenster „%2“ „%3“. Es öffnet "
         "sich auf der Seite „%4“ mit „%5“.",
     .page = Captions::kFormsPage},
    {.sentence = Sentence::OutdatedAttribute,
     .kind = Finding::Kind::Hinweis,
     .text = "Das Attribut %1 ist veraltet. Verwenden Sie stattdessen CSS: %2."},
    {.sentence = Sentence::OutdatedElement,
     .kind = Finding::Kind::Hinweis,
     .text = "Das Element <%1> ist veraltet. Verwenden Sie stattdessen CSS: %2."},
    {.sentence = Sentence::OutdatedFrames,
     .kind = Finding::Kind::Hinweis,
     .text = "Das Element <%1> ist veraltet. Verwenden Sie stattdessen <iframe> und CSS."},
}};

constexpr bool inSentenceOrder() {
    for (size_t i = 0; i < kSentences.size(); ++i) {
        if (kSentences[i].sentence != static_cast<Sentence>(i))
            return false;
    }
    return true;
}
static_assert(inSentenceOrder(), "kSentences lists the sentences in their enum's order");

const SentenceText& textOf(Sentence sentence) {
    return kSentences[static_cast<size_t>(sentence)];
}

} // namespace

const QString& SentenceBook::decoded(Sentence sentence) {
    QString& decoded = m_decoded[static_cast<size_t>(sentence)];
    if (decoded.isNull())
        decoded = QString::fromUtf8(textOf(sentence).text);
    return decoded;
}

Finding SentenceBook::made(int line, Sentence sentence, QString text) {
    const SentenceText& s = textOf(sentence);
    return {.line = line,
            .kind = s.kind,
            .text = std::move(text),
            .page = s.page ? QString::fromUtf8(s.page) : QString()};
}

} // namespace Check
