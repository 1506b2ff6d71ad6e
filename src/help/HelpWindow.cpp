#include "help/HelpWindow.h"

#include <QFont>
#include <QPushButton>

namespace {

constexpr HelpBookLook kLook = {.objectName = "TForm3",
                                .caption = "Quillmark Hilfe",
                                .folder = "program",
                                .buttonName = "Button3",
                                .buttonCaption = "Hilfe beenden"};

constexpr HelpTopic kTopics[] = {
    {"TabSheet1", "Allgemeine Einstellungen"},
    {"TabSheet2", "Text"},
    {"TabSheet3", "Bilder"},
    {"TabSheet4", "Links"},
    {"TabSheet12", "Linien"},
    {"TabSheet23", "Tabellen"},
    {"TabSheet24", "Listen"},
    {.name = "TabSheet13", .caption = "Formulare", .subControl = "PageControl2"},
    {.name = "TabSheet14", .caption = "Allgemeine Einstellungen", .parent = "TabSheet13"},
    {.name = "TabSheet15", .caption = "Entscheidungsfragen", .parent = "TabSheet13"},
    {.name = "TabSheet16", .caption = "Checkbox Fragen", .parent = "TabSheet13"},
    {.name = "TabSheet17", .caption = "Formularfeld", .parent = "TabSheet13"},
    {.name = "TabSheet18", .caption = "Einzeiliges Formularfeld", .parent = "TabSheet13"},
    {.name = "TabSheet19", .caption = "Auswahlliste", .parent = "TabSheet13"},
    {.name = "TabSheet20", .caption = "Buttons", .parent = "TabSheet13", .firstShown = true},
    {"TabSheet5", "Quelltext"},
    {"TabSheet6", "Speichern"},
    {"TabSheet8", "Drucken"},
    {"TabSheet7", "Neu"},
    {"TabSheet26", "Öffnen"},
    {"TabSheet9", "Vorschau"},
    {"TabSheet28", "Veröffentlichen"},
    {"TabSheet10", "Extra", nullptr, "PageControl3", true},
    {.name = "TabSheet21",
     .caption = "Seite nachbearbeiten",
     .parent = "TabSheet10",
     .firstShown = true},
    {.name = "TabSheet22", .caption = "Frames", .parent = "TabSheet10"},
    {.name = "TabSheet25", .caption = "Seite prüfen", .parent = "TabSheet10"},
    {.name = "TabSheet27", .caption = "Seitenansicht", .parent = "TabSheet10"},
    {.name = "TabSheet29", .caption = "Wiederherstellen", .parent = "TabSheet10"},
    {"TabSheet11", "Fehlerbehandlung"},
};

} // namespace

// The program help is prose, in the window's own font.
HelpWindow::HelpWindow() : HelpBookWindow(kLook, kTopics, QFont()) {
    connect(closingButton(), &QPushButton::clicked, this, &HelpWindow::Button3Click);
}

void HelpWindow::showPage(const QString& pageName) {
    book().turnTo(pageName);
    showLastPage();
}

void HelpWindow::Button3Click() {
    hide();
}
