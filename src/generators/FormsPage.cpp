#include "generators/FormsPage.h"

#include "context/Navigation.h"
#include "ui/Place.h"

#include <QPushButton>

using namespace Controls;

FormsPage::FormsPage(PageServices& services) : TabPage("TabSheet6", services) {
    auto* intro = caption(this, "Label71",
                          QStringLiteral("Mit dem Formular-Assistenten bauen Sie Fragen, "
                                         "Eingabefelder und Buttons in Ihre Seite ein."),
                          24, 24);
    intro->setWordWrap(false);
    auto* button = place<QPushButton>(this, "Button8", QRect(24, 60, 220, 32),
                                      QStringLiteral("Neues Formular erstellen"));
    connect(button, &QPushButton::clicked, this, &FormsPage::Button8Click);
}

void FormsPage::Button8Click() {
    m_services.navigation.showFormBuilder();
}
