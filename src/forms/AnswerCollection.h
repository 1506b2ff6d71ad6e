#pragma once

#include <QStringList>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The object names of one page's answer controls.
struct AnswerCollectionNames {
    const char* answer;
    const char* newAnswer;
    const char* newAnswerCaption;
    const char* list;
    const char* preview;
};

// The answers of one question, collected one by one before the question is written: the
// answer field with its new-answer button, a hidden list of ready-made lines, a numbered
// preview, and a counter that keeps counting across questions for the whole run.
class AnswerCollection final {
public:
    enum class Preview { ReadOnly, Disabled };

    // Puts the controls in the page's left column, below the question.
    AnswerCollection(QWidget* page, const AnswerCollectionNames& names, Preview preview,
                     int previewHeight);

    QLineEdit& answerField() const { return *m_answer; }
    QPushButton& newAnswerButton() const { return *m_newAnswer; }

    // Takes the answer field's text as the next answer with its ready-made line, then
    // empties the answer field.
    void collect(const QString& answerLine);
    // The collected lines, in the order added.
    QStringList lines() const;
    // Empties the list and the preview; the counter goes on.
    void clear();
    int count() const { return m_count; }

private:
    QLineEdit* m_answer;
    QPushButton* m_newAnswer;
    QPlainTextEdit* m_list;
    QPlainTextEdit* m_preview;
    int m_count = 0;
};
