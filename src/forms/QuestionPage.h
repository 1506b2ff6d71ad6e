#pragma once

#include "core/context/PageState.h"
#include "core/forms/FormHtml.h"
#include "forms/FormPage.h"
#include "generators/TextFormatBox.h"

class QLineEdit;
class QPushButton;

// The controls of a question page below the question, which differ from page to page, and
// the lines they add to the question.
class QuestionAnswers : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuestionAnswers)
public:
    QuestionAnswers(const PageState& page, QWidget* parent) : QWidget(parent), m_page(page) {}

    // The formatted question with this page's field.
    virtual QStringList questionLines(const FormHtml::Question& question) const = 0;
    // Empties what a written question empties, the question field among them.
    virtual void emptyAfterAdd(QLineEdit& question) = 0;

protected:
    // Whether the lines go into a modern page, when an answer is collected as when the
    // question is written.
    bool isModern() const { return m_page.kind() == PageKind::Modern; }

private:
    const PageState& m_page;
};

// What tells one question page from another: its names and captions, its own controls and
// what it writes.
struct QuestionKind {
    const char* objectName;    // the tab page
    const char* caption;       // its tab caption
    const char* questionField; // the question's name field, under "Frage:"
    const char* addButton;     // "Frage hinzufügen"
    TextFormatNames format;
    const char* noticeName; // posted as "<name> wurde hinzugefügt"
    // Makes the page's own controls, which may read the question field.
    QuestionAnswers* (*answers)(const QLineEdit& question, const PageState& page, QWidget* parent);
};

// A page of the form builder that writes a formatted question with its answer field: the
// question and the page's own controls on the left, the question's format on the right,
// "Frage hinzufügen" at the bottom right.
class QuestionPage final : public FormPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuestionPage)
public:
    QuestionPage(PageContext& context, const QuestionKind& kind);

    // "Frage hinzufügen": writes the question; after the conversion message of a bad
    // blank-line count nothing changes.
    void addQuestion();

private:
    QLineEdit* m_question;
    QuestionAnswers* m_answers;
    TextFormatBox* m_format;
    QPushButton* m_addButton;
    QString m_noticeName;
};
