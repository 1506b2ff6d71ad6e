#include "generators/FormsPage.h"

#include "context/Navigation.h"
#include "core/generators/Captions.h"
#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

FormsPage::FormsPage(PageServices& services) : TabPage("TabSheet6", services) {
    QWidget* page = content();
    QVBoxLayout* column = Layout::column(page);
    column->addWidget(caption(page, "Label71",
                              QStringLiteral("Mit dem Formular-Assistenten bauen Sie Fragen, "
                                             "Eingabefelder und Buttons in Ihre Seite ein.")));
    auto* button =
        named<QPushButton>(page, "Button8", QString::fromLatin1(Captions::kOpenFormBuilder));
    Layout::addButtonAtBottom(*column, button);
    connect(button, &QPushButton::clicked, this, &FormsPage::Button8Click);
}

void FormsPage::Button8Click() {
    m_services.navigation.showFormBuilder();
}
