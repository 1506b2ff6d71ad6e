#include "forms/QuestionFormat.h"

#include "generators/FontSizeBox.h"

#include "forms/FormPage.h"
#include "generators/Assistants.h"
#include "generators/SpacingBox.h"
#include "ui/ClickableLabel.h"
#include "ui/Place.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace Controls;

using namespace FormLayout;

namespace {

constexpr const char* kEmphasisCaptions[6] = {
    "Fett", "Unterstrichen", "Kursiv", "Durchgestrichen", "Hochgestellt", "Tiefgestellt"};

} // namespace

QuestionFormat::QuestionFormat(QWidget* page, const QuestionFormatNames& names) : QObject(page) {
    const int pictureX = kRightField + kRightFieldWidth + 6;
    rowCaption(page, "FontNameLabel", QStringLiteral("Schriftart:"), kRight, 16);
    m_fontName =
        place<QLineEdit>(page, names.fontName, QRect(kRightField, 16, kRightFieldWidth, 24),
                         QStringLiteral("Times New Roman"));
    auto* fontPicture = assistantPicture(page, names.fontPicture, QRect(pictureX, 18, 20, 20),
                                         AssistantPicture::Font);

    rowCaption(page, "FontSizeLabel", QStringLiteral("Schriftgröße:"), kRight, 50);
    m_fontSize = FontSizeBox::create(page, names.fontSize, QRect(kRightField, 50, 70, 24));
    m_fontSize->lineEdit()->installEventFilter(this);

    rowCaption(page, "FontColorLabel", QStringLiteral("Schriftfarbe (Englisch):"), kRight, 84);
    m_fontColor =
        place<QLineEdit>(page, names.fontColor, QRect(kRightField, 84, kRightFieldWidth, 24),
                         QStringLiteral("Black"));
    auto* colorPicture = assistantPicture(page, names.colorPicture, QRect(pictureX, 86, 20, 20),
                                          AssistantPicture::Color);

    auto* assistant =
        place<QPushButton>(page, names.assistant, QRect(kRightField, 118, kButtonWidth, 28),
                           QStringLiteral("Formatierungsassistent"));

    heading(page, "EmphasisLabel", QStringLiteral("Schriftbetonung"), kRight, 166);
    for (int i = 0; i < 6; ++i) {
        const QRect geometry(i % 2 == 0 ? kRight : kRightField, 188 + (i / 2) * 24, 150, 22);
        m_emphasis[i] = place<QCheckBox>(page, names.emphasis[i], geometry,
                                         QString::fromUtf8(kEmphasisCaptions[i]));
    }

    rowCaption(page, "PositionLabel", QStringLiteral("Schriftposition"), kRight, 270);
    m_position = placedPicker(names.position, page, QPoint(kRightField, 271));

    rowCaption(page, "BreaksBeforeLabel", QStringLiteral("Abstand vor Text"), kRight, 310);
    m_breaksBefore = SpacingBox::create(page, names.breaksBefore, QRect(kRightField, 310, 60, 24));
    rowCaption(page, "BreaksAfterLabel", QStringLiteral("Abstand nach Text"), kRight, 344);
    m_breaksAfter = SpacingBox::create(page, names.breaksAfter, QRect(kRightField, 344, 60, 24));

    connect(assistant, &QPushButton::clicked, this, &QuestionFormat::assistantRequested);
    connect(fontPicture, &ClickableLabel::clicked, this, &QuestionFormat::assistantRequested);
    connect(colorPicture, &ClickableLabel::clicked, this, &QuestionFormat::assistantRequested);
}

std::optional<FormHtml::Question> QuestionFormat::question(Dialogs& dialogs,
                                                           const QString& text) const {
    const auto breaks = readBreaks(*m_breaksBefore, *m_breaksAfter, dialogs);
    if (!breaks)
        return std::nullopt;
    TextFormat format;
    format.fontName = m_fontName->text();
    format.fontSize = m_fontSize->currentText();
    format.fontColor = m_fontColor->text();
    format.position = m_position->position();
    const auto on = [this](int box) { return m_emphasis[box]->isChecked(); };
    format.emphasis = {on(0), on(1), on(2), on(3), on(4), on(5)};
    format.breaksBefore = breaks->first;
    format.breaksAfter = breaks->second;
    return FormHtml::Question{format, text};
}

void QuestionFormat::runFontAssistant(FontDialogObject& dialog) {
    Assistants::runFontAssistant(dialog, {m_fontName, m_fontSize, m_emphasis[0], m_emphasis[1],
                                          m_emphasis[2], m_emphasis[3], m_fontColor});
}

bool QuestionFormat::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick)
        emit assistantRequested();
    return QObject::eventFilter(watched, event);
}

std::optional<std::pair<int, int>> readBreaks(const QComboBox& before, const QComboBox& after,
                                              Dialogs& dialogs) {
    const std::optional<int> breaksBefore = SpacingBox::read(before, dialogs);
    if (!breaksBefore)
        return std::nullopt;
    const std::optional<int> breaksAfter = SpacingBox::read(after, dialogs);
    if (!breaksAfter)
        return std::nullopt;
    return std::pair{*breaksBefore, *breaksAfter};
}
