#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

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
// preview that grows with the page, and a counter that keeps counting across questions for
// the whole run.
class AnswerCollection final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AnswerCollection)
public:
    enum class Preview { ReadOnly, Disabled };

    AnswerCollection(const AnswerCollectionNames& names, Preview preview, QWidget* parent);

    QLineEdit& answerField() const { return *m_answer; }
    QPushButton& newAnswerButton() const { return *m_newAnswer; }

    // Takes the answer field's text as the next answer with its ready-made line, then
    // empties the answer field.
    void collect(const QString& answerLine);
    // The collected lines, in the order added.
    QStringList lines() const;
    // What a written question empties, in this order: the list and the preview, then the
    // question, then the answer field. The counter goes on.
    void clearWith(QLineEdit& question);
    int count() const { return m_count; }

private:
    QLineEdit* m_answer;
    QPushButton* m_newAnswer;
    QPlainTextEdit* m_list;
    QPlainTextEdit* m_preview;
    int m_count = 0;
};
