#include "forms/FormStartPage.h"

#include "context/PageContext.h"
#include "forms/FormHtml.h"
#include "source/PageSource.h"
#include "source/StatusNotices.h"
#include "ui/Place.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Controls;

using namespace FormLayout;

struct FormStartPage::Ui {
    explicit Ui(QWidget* page)
        : Edit1(place<QLineEdit>(page, "Edit1", QRect(kLeft, 40, 420, 24))),
          Button1(place<QPushButton>(page, "Button1", QRect(kLeft, 84, 180, 30),
                                     QStringLiteral("Formular erstellen"))),
          Button13(place<QPushButton>(page, "Button13", QRect(kLeft + 196, 84, 180, 30),
                                      QStringLiteral("Formular beenden"))) {
        caption(page, "RecipientLabel",
                QStringLiteral("E-Mail-Adresse, an die das Formular geschickt werden soll:"), kLeft,
                18);
    }
    QLineEdit* Edit1;
    QPushButton* Button1;
    QPushButton* Button13;
};

FormStartPage::FormStartPage(PageContext& context)
    : FormPage(context, "TabSheet1", QStringLiteral("Allgemeine Einstellung")),
      m_ui(std::make_unique<Ui>(this)) {
    connect(m_ui->Button1, &QPushButton::clicked, this, &FormStartPage::Button1Click);
    connect(m_ui->Button13, &QPushButton::clicked, this, &FormStartPage::Button13Click);
}

FormStartPage::~FormStartPage() = default;

void FormStartPage::Button1Click() {
    context().document.commit({FormHtml::formStartLine(m_ui->Edit1->text())});
    context().notices.PostStatusMessage(QStringLiteral("Formular wurde erstellt"));
}

void FormStartPage::Button13Click() {
    context().document.commit({FormHtml::formEndLine()});
    context().notices.PostStatusMessage(QStringLiteral("Formular wurde beendet"));
}
