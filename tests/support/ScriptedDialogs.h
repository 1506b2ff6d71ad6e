#pragma once

#include "platform/Dialogs.h"

#include <QColor>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <variant>

// Answers the program's questions from a queue that the test fills, and records every
// question asked. A question with no answer queued is answered with "cancel".
class ScriptedDialogs final : public Dialogs {
public:
    // What a question was, as "save:<proposal>", "open:<proposal>", "picture:<filter>",
    // "font", "color", "print", "message:<text>", "error:<text>" or "question:<text>" (both kinds
    // of question).
    QStringList asked;

    // A file chosen in an open or save dialog; a save dialog's type box shows "Html Seite".
    void answerFile(const QString& path) { m_answers.enqueue(path); }
    // A name typed in the save dialog with a file type chosen (".html", ".htm", ".txt").
    void answerSave(const QString& path, const QString& fileType) {
        m_answers.enqueue(SaveAnswer{path, fileType});
    }
    void answerFont(const FontChoice& font) { m_answers.enqueue(font); }
    void answerColor(const QColor& color) { m_answers.enqueue(color); }
    // The print dialog is confirmed with a PDF printer writing to this file.
    void answerPrintTo(const QString& pdfPath) { m_answers.enqueue(PrintTo{pdfPath}); }
    void answerCancel() { m_answers.enqueue(Cancel{}); }
    void answerYes() { m_answers.enqueue(Yes{}); }
    bool allAnswered() const { return m_answers.isEmpty(); }
    // The last message or error text shown, if any.
    QString lastMessage() const;

    std::optional<SaveAnswer> saveFileName(const QString& proposal, const QString& folder,
                                           const QString& filter) override;
    std::optional<QString> openFileName(const QString& proposal, const QString& filter) override;
    std::optional<QString> openPictureName(const QString& proposal, const QString& filter) override;
    std::optional<FontChoice> font(const FontChoice& initial) override;
    std::optional<QColor> color(const QColor& initial) override;
    std::unique_ptr<QPrinter> print() override;
    void message(const QString& text) override;
    void error(const QString& text) override;
    bool question(const QString& text) override;
    // "Ja" when answerYes was queued; else "Nein", as Esc would answer.
    bool yesOrNo(const QString& text, QWidget* over) override;
    // Recorded as "trust:<text>"; answered "Vertrauen" by answerYes().
    bool trust(const QString& text, QWidget* over) override;

    // The folder the last save dialog opened in.
    QString lastSaveFolder;
    // What the last font and colour questions started from.
    FontChoice lastInitialFont;
    QColor lastInitialColor;

private:
    struct Cancel {};
    struct Yes {};
    struct PrintTo {
        QString path;
    };
    using Answer = std::variant<Cancel, QString, SaveAnswer, FontChoice, QColor, PrintTo, Yes>;
    template <typename T> std::optional<T> next();

    QQueue<Answer> m_answers;
};

// Records the files handed to the system instead of opening them.
class RecordingOpener final : public DocumentOpener {
public:
    QStringList opened;
    bool succeed = true;
    bool open(const QString& path) override {
        opened.append(path);
        return succeed;
    }
    // Recorded as "address:<address>".
    bool openAddress(const QString& address) override {
        return open(QStringLiteral("address:") + address);
    }
};
