#include "forms/FormPage.h"

#include "context/PageContext.h"
#include "ui/Place.h"

#include <QLineEdit>

using namespace Controls;

FormPage::FormPage(PageContext& context, const char* objectName, const QString& caption)
    : m_context(context), m_caption(caption) {
    setObjectName(QString::fromLatin1(objectName));
}

Dialogs& FormPage::ask() const {
    return m_context.ask;
}

void FormPage::write(const QStringList& lines, const QString& noticeName) const {
    m_context.document.commit(lines);
    m_context.notices.PostStatusNotice(noticeName);
}

namespace Controls {

QLineEdit* questionField(QWidget* page, const char* name) {
    caption(page, "QuestionLabel", QStringLiteral("Frage:"), FormLayout::kLeft, 20);
    return place<QLineEdit>(page, name, QRect(FormLayout::kLeft, 40, FormLayout::kLeftWidth, 24));
}

QLabel* rowCaption(QWidget* parent, const char* name, const QString& text, int x, int rowY) {
    QLabel* label = caption(parent, name, text, x, rowY);
    label->move(x, rowY + (FormLayout::kRowHeight - label->height()) / 2);
    return label;
}

QLabel* heading(QWidget* parent, const char* name, const QString& text, int x, int y) {
    QLabel* label = caption(parent, name, text, x, y);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->adjustSize();
    return label;
}

} // namespace Controls
