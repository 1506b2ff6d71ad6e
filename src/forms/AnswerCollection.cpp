#include "forms/AnswerCollection.h"

#include "core/forms/FormHtml.h"
#include "ui/Controls.h"
#include "ui/FieldText.h"
#include "ui/Layout.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

AnswerCollection::AnswerCollection(const AnswerCollectionNames& names, Preview preview,
                                   QWidget* parent)
    : QWidget(parent), m_answer(named<QLineEdit>(this, names.answer)),
      m_newAnswer(
          named<QPushButton>(this, names.newAnswer, QString::fromUtf8(names.newAnswerCaption))),
      m_list(named<QPlainTextEdit>(this, names.list)),
      m_preview(named<QPlainTextEdit>(this, names.preview)) {
    QVBoxLayout* column = Layout::nestedColumn();
    setLayout(column);
    column->addWidget(caption(this, "AnswerLabel", QStringLiteral("Antwort:")));
    column->addWidget(m_answer);
    column->addWidget(m_newAnswer, 0, Qt::AlignLeft);
    column->addWidget(m_list);
    column->addWidget(m_preview, 1);
    m_list->hide();
    if (preview == Preview::ReadOnly)
        m_preview->setReadOnly(true);
    else
        m_preview->setEnabled(false);
}

void AnswerCollection::collect(const QString& answerLine) {
    ++m_count;
    m_list->appendPlainText(answerLine);
    m_preview->appendPlainText(FormHtml::previewLine(m_count, m_answer->text()));
    m_answer->clear();
}

QStringList AnswerCollection::lines() const {
    const QString text = FieldText(*m_list);
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

void AnswerCollection::clearWith(QLineEdit& question) {
    m_list->clear();
    m_preview->clear();
    question.clear();
    m_answer->clear();
}
