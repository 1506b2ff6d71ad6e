#pragma once

#include "core/generators/TextFormatHtml.h"
#include "core/platform/Outcome.h"
#include "generators/PositionPicker.h"

#include <QList>
#include <QWidget>

#include <array>
#include <optional>

class ClickableLabel;
class Dialogs;
class FontDialogObject;
class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

// The object names of one page's text-format controls. A page that formats no text (only
// its element's position and spacing) leaves the font and emphasis names out.
struct TextFormatNames {
    const char* fontName = nullptr;
    const char* fontPicture = nullptr; // starts the font assistant, beside the font name
    const char* fontSize = nullptr;
    const char* fontColor = nullptr;
    const char* colorPicture = nullptr; // starts the font assistant, beside the colour
    const char* assistant = nullptr;    // "Formatierungsassistent"
    // "Fett", "Unterstrichen", "Kursiv", "Durchgestrichen", "Hochgestellt", "Tiefgestellt"
    std::array<const char*, 6> emphasis{};
    PositionPickerNames position;
    const char* breaksBefore = nullptr;
    const char* breaksAfter = nullptr;
};

// A caption's object name and text.
struct NamedCaption {
    const char* name = nullptr;
    const char* text = nullptr;
};

// What stands above a part of the box: nothing (no name), a caption in bold, or, when
// framed, a group box around the part with the text as its title.
struct Heading {
    const char* name = nullptr;
    const char* text = nullptr;
    bool framed = false;
};

// The captions of one page's text-format controls, and how its parts are headed.
struct TextFormatCaptions {
    // The panel that holds the six emphasis boxes, where a page names it.
    const char* emphasisPanel = nullptr;
    Heading format{}; // above the font, size and colour rows and the assistant
    NamedCaption fontName{};
    NamedCaption fontSize{};
    NamedCaption fontColor{};
    Heading emphasis{};
    Heading position{};
    // Beside the picker; the second one, where a page has it, shares the first one's place
    // and shows instead of it.
    std::array<NamedCaption, 2> positionCaptions{};
    NamedCaption breaksBefore{};
    NamedCaption breaksAfter{};
    // A double click on the size box starts the font assistant too.
    bool sizeStartsAssistant = false;
};

// The controls that format a text: font name, size and colour with the pictures and the
// button that start the font assistant, the six emphasis boxes, the position picker and the
// blank lines before and after, laid out in rows of caption, field and picture.
class TextFormatBox final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextFormatBox)
public:
    TextFormatBox(const TextFormatNames& names, const TextFormatCaptions& captions,
                  FontDialogObject& fontDialog, QWidget* parent);

    // The format as the controls set it (without a font part only position and spacing);
    // refused when a blank-line count is not a whole number.
    Expected<TextFormat> format() const;

    // Fills the font name, size, colour and the first four emphasis boxes from the font
    // dialog; its button, both pictures and, where set, a double click on the size start it.
    void runFontAssistant();

    // Puts the font name and colour a page starts with back: "Times New Roman", "Black".
    void startFontAnew();

    // The box's controls, for the page's tracked fields, field explanations and what it
    // shows when; the parts a page does not have are null.
    struct Parts {
        QWidget* formatHeading = nullptr;
        QLabel* fontNameCaption = nullptr;
        QLineEdit* fontName = nullptr;
        ClickableLabel* fontPicture = nullptr;
        QLabel* fontSizeCaption = nullptr;
        QComboBox* fontSize = nullptr;
        QLabel* fontColorCaption = nullptr;
        QLineEdit* fontColor = nullptr;
        ClickableLabel* colorPicture = nullptr;
        QPushButton* assistant = nullptr;
        QWidget* emphasisHeading = nullptr;
        QWidget* emphasisPanel = nullptr;
        std::array<QCheckBox*, 6> emphasis{};
        QWidget* positionHeading = nullptr;
        std::array<QLabel*, 2> positionCaptions{};
        PositionPicker* position = nullptr;
        QLabel* breaksBeforeCaption = nullptr;
        QComboBox* breaksBefore = nullptr;
        QLabel* breaksAfterCaption = nullptr;
        QComboBox* breaksAfter = nullptr;

        // What formats the text itself: the headings, rows and assistant of the font part
        // and the emphasis part.
        QList<QWidget*> textParts() const;
        // Both spacing rows.
        QList<QWidget*> spacingParts() const;
    };
    const Parts& parts() const { return m_parts; }

    // Lays out a page that adds a formatted element: the page's own controls on the left,
    // the format box on the right, the add button at the bottom right.
    static void layOutPage(QWidget& page, QLayout* left, TextFormatBox* format,
                           QPushButton* addButton);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Rows;
    void createFontPart(Rows& rows, const TextFormatNames& names,
                        const TextFormatCaptions& captions);
    void createEmphasisPart(Rows& rows, const TextFormatNames& names,
                            const TextFormatCaptions& captions);
    void createPositionPart(Rows& rows, const TextFormatNames& names,
                            const TextFormatCaptions& captions);
    void createSpacingPart(Rows& rows, const TextFormatNames& names,
                           const TextFormatCaptions& captions);

    FontDialogObject& m_fontDialog;
    Parts m_parts;
};
