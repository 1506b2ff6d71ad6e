#include "forms/FormStartPage.h"

#include "context/PageContext.h"
#include "core/forms/FormHtml.h"
#include "core/generators/Captions.h"
#include "core/source/PageSource.h"
#include "core/source/StatusNotices.h"
#include "ui/Controls.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

struct FormStartPage::Ui {
    explicit Ui(QWidget* page)
        : Edit51(named<QLineEdit>(page, "Edit51", FormHtml::formServiceAddress())),
          Edit1(named<QLineEdit>(page, "Edit1")),
          Button1(named<QPushButton>(page, "Button1", QString::fromLatin1(Captions::kCreateForm))),
          Button13(named<QPushButton>(page, "Button13", QString::fromLatin1(Captions::kEndForm))) {}
    QLineEdit* Edit51;
    QLineEdit* Edit1;
    QPushButton* Button1;
    QPushButton* Button13;
};

FormStartPage::FormStartPage(PageContext& context)
    : FormPage(context, "TabSheet1", QStringLiteral("Allgemeine Einstellung")),
      m_ui(std::make_unique<Ui>(content())) {
    QWidget* page = content();
    QVBoxLayout* column = Layout::column(page);
    // Where the form is sent: a form-mail service, such as a web host offers.
    column->addWidget(caption(page, "Label72", QString::fromLatin1(Captions::kFormService)));
    column->addWidget(m_ui->Edit51);
    column->addWidget(
        caption(page, "RecipientLabel",
                QStringLiteral("E-Mail-Adresse, an die das Formular geschickt werden soll:")));
    column->addWidget(m_ui->Edit1);
    // The form's start and end are written from here, side by side under the address.
    QHBoxLayout* buttons = Layout::nestedRow();
    buttons->addWidget(m_ui->Button1);
    buttons->addWidget(m_ui->Button13);
    buttons->addStretch(1);
    column->addLayout(buttons);
    column->addStretch(1);
    connect(m_ui->Button1, &QPushButton::clicked, this, &FormStartPage::Button1Click);
    connect(m_ui->Button13, &QPushButton::clicked, this, &FormStartPage::Button13Click);
}

FormStartPage::~FormStartPage() = default;

void FormStartPage::Button1Click() {
    const QString service = m_ui->Edit51->text();
    const QString recipient = m_ui->Edit1->text();
    context().add({context().isModern() ? FormHtml::modernFormStartLine(service, recipient)
                                        : FormHtml::formStartLine(service, recipient)},
                  QStringLiteral("Formular wurde erstellt"));
}

void FormStartPage::Button13Click() {
    context().add({FormHtml::formEndLine()}, QStringLiteral("Formular wurde beendet"));
}
