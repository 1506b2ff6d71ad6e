#pragma once

#include "forms/FormHtml.h"
#include "generators/PositionPicker.h"

#include <QObject>

#include <array>
#include <optional>
#include <utility>

class Dialogs;
class FontDialogObject;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

// The object names of one question page's format controls.
struct QuestionFormatNames {
    const char* fontName;
    const char* fontPicture; // starts the assistant, beside the font name
    const char* fontSize;
    const char* fontColor;
    const char* colorPicture; // starts the assistant, beside the colour
    const char* assistant;
    // "Fett", "Unterstrichen", "Kursiv", "Durchgestrichen", "Hochgestellt", "Tiefgestellt"
    std::array<const char*, 6> emphasis;
    PositionPickerNames position;
    const char* breaksBefore;
    const char* breaksAfter;
};

// The format of a question's text on one page of the form builder: font, size, colour, the
// six emphasis boxes, the position picker, the blank lines before and after, and the font
// assistant with its four starters (its button, the two pictures, a double click on the
// size box).
class QuestionFormat final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuestionFormat)
public:
    QuestionFormat(QWidget* page, const QuestionFormatNames& names);

    // The question as the controls format it; nothing, after the conversion message, when a
    // blank-line count is not a whole number.
    std::optional<FormHtml::Question> question(Dialogs& dialogs, const QString& text) const;

    // Fills this page's font name, size, colour and first four emphasis boxes from the font
    // dialog.
    void runFontAssistant(FontDialogObject& dialog);

signals:
    void assistantRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_fontName;
    QComboBox* m_fontSize;
    QLineEdit* m_fontColor;
    std::array<QCheckBox*, 6> m_emphasis{};
    PositionPicker* m_position;
    QComboBox* m_breaksBefore;
    QComboBox* m_breaksAfter;
};

// Both blank-line counts, the one before first; nothing, after the conversion message of the
// first one that is not a whole number.
std::optional<std::pair<int, int>> readBreaks(const QComboBox& before, const QComboBox& after,
                                              Dialogs& dialogs);
