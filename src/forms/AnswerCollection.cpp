#include "forms/AnswerCollection.h"

#include "forms/FormHtml.h"
#include "forms/FormPage.h"
#include "ui/FieldText.h"
#include "ui/Place.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Controls;

using namespace FormLayout;

AnswerCollection::AnswerCollection(QWidget* page, const AnswerCollectionNames& names,
                                   Preview preview, int previewHeight)
    : m_answer(place<QLineEdit>(page, names.answer, QRect(kLeft, 98, kLeftWidth, 24))),
      m_newAnswer(place<QPushButton>(page, names.newAnswer, QRect(kLeft, 130, 200, 28),
                                     QString::fromUtf8(names.newAnswerCaption))),
      m_list(place<QPlainTextEdit>(page, names.list, QRect(kLeft, 170, kLeftWidth, 40))),
      m_preview(place<QPlainTextEdit>(page, names.preview,
                                      QRect(kLeft, 170, kLeftWidth, previewHeight))) {
    caption(page, "AnswerLabel", QStringLiteral("Antwort:"), kLeft, 78);
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

void AnswerCollection::clear() {
    m_list->clear();
    m_preview->clear();
}
