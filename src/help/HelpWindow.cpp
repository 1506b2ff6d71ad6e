#include "help/HelpWindow.h"

#include <QPushButton>

namespace {

constexpr HelpBookLook kLook = {"TForm3", "Quillmark Hilfe", "program", "Button3", "Hilfe beenden"};

constexpr HelpTopic kTopics[] = {
    {"TabSheet1", "Allgemeine Einstellungen"},
    {"TabSheet2", "Text"},
    {"TabSheet3", "Bilder"},
    {"TabSheet4", "Links"},
    {"TabSheet12", "Linien"},
    {"TabSheet23", "Tabellen"},
    {"TabSheet24", "Listen"},
    {"TabSheet13", "Formulare", nullptr, "PageControl2"},
    {"TabSheet14", "Allgemeine Einstellungen", "TabSheet13"},
    {"TabSheet15", "Entscheidungsfragen", "TabSheet13"},
    {"TabSheet16", "Checkbox Fragen", "TabSheet13"},
    {"TabSheet17", "Formularfeld", "TabSheet13"},
    {"TabSheet18", "Einzeiliges Formularfeld", "TabSheet13"},
    {"TabSheet19", "Auswahlliste", "TabSheet13"},
    {"TabSheet20", "Buttons", "TabSheet13", nullptr, true},
    {"TabSheet5", "Quelltext"},
    {"TabSheet6", "Speichern"},
    {"TabSheet8", "Drucken"},
    {"TabSheet7", "Neu"},
    {"TabSheet26", "Öffnen"},
    {"TabSheet9", "Vorschau"},
    {"TabSheet10", "Extra", nullptr, "PageControl3", true},
    {"TabSheet21", "Seite nachbearbeiten", "TabSheet10", nullptr, true},
    {"TabSheet22", "Frames", "TabSheet10"},
    {"TabSheet25", "Seite prüfen", "TabSheet10"},
    {"TabSheet27", "Seitenansicht", "TabSheet10"},
    {"TabSheet11", "Fehlerbehandlung"},
};

// The program help is prose: the window's own typeface, a little larger.
QFont proseFont() {
    QFont font;
    font.setPointSize(font.pointSize() + 1);
    return font;
}

} // namespace

HelpWindow::HelpWindow() : HelpBookWindow(kLook, kTopics, proseFont()) {
    connect(closingButton(), &QPushButton::clicked, this, &HelpWindow::Button3Click);
}

void HelpWindow::showPage(const QString& pageName) {
    book().turnTo(pageName);
    showLastPage();
}

void HelpWindow::Button3Click() {
    hide();
}
