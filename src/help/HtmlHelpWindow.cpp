#include "help/HtmlHelpWindow.h"

#include "ui/FixedPitchFont.h"

#include <QPushButton>

namespace {

constexpr HelpBookLook kLook = {.objectName = "TForm4",
                                .caption = "HTML Hilfe",
                                .folder = "html",
                                .buttonName = "Button1",
                                .buttonCaption = "Hilfe beenden"};

constexpr HelpTopic kTopics[] = {
    {"TabSheet1", "Was ist HTML"},
    {"TabSheet2", "HTML Fachbegriffe"},
    {"TabSheet3", "Einführung in eine HTML-Seite"},
    {"TabSheet4", "Wie stelle ich eine Seite online"},
    {"TabSheet5", "Textformatierung/Formatierung"},
    {"TabSheet6", "Bilder/Grafiken"},
    {"TabSheet7", "Hyperlinks"},
    {"TabSheet8", "Liste"},
    {"TabSheet9", "Linien"},
    {"TabSheet10", "Tabellen"},
    {"TabSheet11", "Frames"},
    {.name = "TabSheet12", .caption = "Formulare", .firstShown = true},
    {"TabSheet13", "Moderne Seiten (HTML5)"},
};

} // namespace

// The tutorial lines up its example HTML and its tables of tags with blanks, so it is set in a
// fixed-pitch font.
HtmlHelpWindow::HtmlHelpWindow() : HelpBookWindow(kLook, kTopics, fixedPitchFont()) {
    connect(closingButton(), &QPushButton::clicked, this, &HtmlHelpWindow::Button1Click);
}

void HtmlHelpWindow::showFirstPage() {
    book().turnTo(QStringLiteral("TabSheet1"));
    showLastPage();
}

void HtmlHelpWindow::Button1Click() {
    hide();
}
