#include "generators/TextFormatBox.h"

#include "generators/Assistants.h"
#include "generators/FontSizeBox.h"
#include "generators/SpacingBox.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

namespace {

// The font and colour a page starts with, at start and after "Neu".
const QString kStartFont = QStringLiteral("Times New Roman");
const QString kStartColor = QStringLiteral("Black");

constexpr const char* kEmphasisCaptions[6] = {
    "Fett", "Unterstrichen", "Kursiv", "Durchgestrichen", "Hochgestellt", "Tiefgestellt"};

// The columns of a part's rows.
enum Column { CaptionColumn, FieldColumn, PictureColumn, ColumnCount };

QLabel* namedCaption(QWidget* parent, const NamedCaption& text) {
    return text.name ? caption(parent, text.name, QString::fromUtf8(text.text)) : nullptr;
}

} // namespace

// Puts the box's parts one below the other. A framed part gets a group box with a grid of
// its own; unframed parts that follow each other share one grid, so that their captions,
// fields and pictures line up in columns.
class TextFormatBox::Rows final {
public:
    explicit Rows(QWidget& box) : m_box(box), m_column(Layout::nestedColumn()) {
        box.setLayout(m_column);
    }

    // Starts a part under its heading; gives the heading, or null for a part without one.
    QWidget* start(const Heading& heading) {
        if (heading.framed) {
            auto* group = named<QGroupBox>(&m_box, heading.name);
            group->setTitle(QString::fromUtf8(heading.text));
            m_column->addWidget(group);
            useGrid(group, Layout::grid(group));
            m_shared = false;
            return group;
        }
        if (!m_shared) {
            QGridLayout* grid = Layout::nestedGrid();
            m_column->addLayout(grid);
            useGrid(&m_box, grid);
            m_shared = true;
        }
        if (!heading.name)
            return nullptr;
        QLabel* label = Controls::heading(m_parent, heading.name, QString::fromUtf8(heading.text));
        addWhole(label);
        return label;
    }

    // Where the controls of the part go.
    QWidget* parent() const { return m_parent; }

    // A row of captions (sharing their place), a field and a picture; a field that does not
    // stretch keeps its own width.
    void add(std::initializer_list<QWidget*> captions, QWidget* field, QWidget* picture,
             bool stretch) {
        for (QWidget* caption : captions) {
            if (caption)
                m_grid->addWidget(caption, m_row, CaptionColumn);
        }
        m_grid->addWidget(field, m_row, FieldColumn, 1, picture ? 1 : 2,
                          stretch ? Qt::Alignment() : Qt::AlignLeft);
        if (picture)
            m_grid->addWidget(picture, m_row, PictureColumn);
        ++m_row;
    }

    // A row of its own for the widget, under the fields (and the pictures beside them).
    void addUnderFields(QWidget* widget) {
        m_grid->addWidget(widget, m_row++, FieldColumn, 1, ColumnCount - FieldColumn);
    }

    // A row of its own for the widget, across all columns.
    void addWhole(QWidget* widget, Qt::Alignment alignment = {}) {
        m_grid->addWidget(widget, m_row++, CaptionColumn, 1, ColumnCount, alignment);
    }

private:
    void useGrid(QWidget* parent, QGridLayout* grid) {
        grid->setColumnStretch(FieldColumn, 1);
        m_parent = parent;
        m_grid = grid;
        m_row = 0;
    }

    QWidget& m_box;
    QVBoxLayout* m_column;
    QWidget* m_parent = nullptr;
    QGridLayout* m_grid = nullptr;
    int m_row = 0;
    bool m_shared = false;
};

TextFormatBox::TextFormatBox(const TextFormatNames& names, const TextFormatCaptions& captions,
                             FontDialogObject& fontDialog, QWidget* parent)
    : QWidget(parent), m_fontDialog(fontDialog) {
    Rows rows(*this);
    if (names.fontName) {
        createFontPart(rows, names, captions);
        createEmphasisPart(rows, names, captions);
    }
    createPositionPart(rows, names, captions);
    createSpacingPart(rows, names, captions);
}

void TextFormatBox::startFontAnew() {
    m_parts.fontName->setText(kStartFont);
    m_parts.fontColor->setText(kStartColor);
}

void TextFormatBox::createFontPart(Rows& rows, const TextFormatNames& names,
                                   const TextFormatCaptions& captions) {
    Parts& p = m_parts;
    p.formatHeading = rows.start(captions.format);
    QWidget* parent = rows.parent();

    p.fontNameCaption = namedCaption(parent, captions.fontName);
    p.fontName = named<QLineEdit>(parent, names.fontName, kStartFont);
    Layout::showWhole(p.fontName);
    p.fontPicture = assistantPicture(parent, names.fontPicture, AssistantPicture::Font);
    rows.add({p.fontNameCaption}, p.fontName, p.fontPicture, true);

    p.fontSizeCaption = namedCaption(parent, captions.fontSize);
    p.fontSize = FontSizeBox::create(parent, names.fontSize);
    rows.add({p.fontSizeCaption}, p.fontSize, nullptr, false);

    p.fontColorCaption = namedCaption(parent, captions.fontColor);
    p.fontColor = named<QLineEdit>(parent, names.fontColor, kStartColor);
    Layout::showWhole(p.fontColor);
    p.colorPicture = assistantPicture(parent, names.colorPicture, AssistantPicture::Color);
    rows.add({p.fontColorCaption}, p.fontColor, p.colorPicture, true);

    p.assistant =
        named<QPushButton>(parent, names.assistant, QStringLiteral("Formatierungsassistent"));
    rows.addUnderFields(p.assistant);

    connect(p.assistant, &QPushButton::clicked, this, &TextFormatBox::runFontAssistant);
    connect(p.fontPicture, &ClickableLabel::clicked, this, &TextFormatBox::runFontAssistant);
    connect(p.colorPicture, &ClickableLabel::clicked, this, &TextFormatBox::runFontAssistant);
    if (captions.sizeStartsAssistant)
        p.fontSize->lineEdit()->installEventFilter(this);
}

void TextFormatBox::createEmphasisPart(Rows& rows, const TextFormatNames& names,
                                       const TextFormatCaptions& captions) {
    Parts& p = m_parts;
    p.emphasisHeading = rows.start(captions.emphasis);
    p.emphasisPanel = named<QWidget>(rows.parent(), captions.emphasisPanel ? captions.emphasisPanel
                                                                           : "EmphasisBoxes");
    QGridLayout* grid = Layout::nestedGrid();
    grid->setHorizontalSpacing(Layout::kGroupSpacing);
    p.emphasisPanel->setLayout(grid);
    // In pairs: bold and underlined, italic and struck out, raised and lowered.
    for (int i = 0; i < 6; ++i) {
        p.emphasis[i] = named<QCheckBox>(p.emphasisPanel, names.emphasis[i],
                                         QString::fromUtf8(kEmphasisCaptions[i]));
        grid->addWidget(p.emphasis[i], i / 2, i % 2);
    }
    rows.addWhole(p.emphasisPanel, Qt::AlignLeft);
}

void TextFormatBox::createPositionPart(Rows& rows, const TextFormatNames& names,
                                       const TextFormatCaptions& captions) {
    Parts& p = m_parts;
    p.positionHeading = rows.start(captions.position);
    QWidget* parent = rows.parent();
    for (int i = 0; i < 2; ++i)
        p.positionCaptions[i] = namedCaption(parent, captions.positionCaptions[i]);
    p.position = new PositionPicker(names.position, parent);
    if (p.positionCaptions[0])
        rows.add({p.positionCaptions[0], p.positionCaptions[1]}, p.position, nullptr, false);
    else
        rows.addWhole(p.position, Qt::AlignLeft);
    // The second caption stands in for the first when the page shows it.
    if (p.positionCaptions[1])
        p.positionCaptions[1]->hide();
}

void TextFormatBox::createSpacingPart(Rows& rows, const TextFormatNames& names,
                                      const TextFormatCaptions& captions) {
    Parts& p = m_parts;
    rows.start({});
    QWidget* parent = rows.parent();
    p.breaksBeforeCaption = namedCaption(parent, captions.breaksBefore);
    p.breaksBefore = SpacingBox::create(parent, names.breaksBefore);
    rows.add({p.breaksBeforeCaption}, p.breaksBefore, nullptr, false);
    p.breaksAfterCaption = namedCaption(parent, captions.breaksAfter);
    p.breaksAfter = SpacingBox::create(parent, names.breaksAfter);
    rows.add({p.breaksAfterCaption}, p.breaksAfter, nullptr, false);
}

Expected<TextFormat> TextFormatBox::format() const {
    const Parts& p = m_parts;
    const auto breaks = SpacingBox::readBoth(*p.breaksBefore, *p.breaksAfter);
    if (!breaks.ok())
        return {breaks};
    TextFormat format;
    if (p.fontName) {
        format.fontName = p.fontName->text();
        format.fontSize = p.fontSize->currentText();
        format.fontColor = p.fontColor->text();
        const auto on = [&p](int box) { return p.emphasis[box]->isChecked(); };
        format.emphasis = {on(0), on(1), on(2), on(3), on(4), on(5)};
    }
    format.placement = {p.position->position(), breaks.value.first, breaks.value.second};
    return {{}, format};
}

void TextFormatBox::runFontAssistant() {
    const Parts& p = m_parts;
    Assistants::runFontAssistant(m_fontDialog,
                                 {p.fontName, p.fontSize, p.emphasis[0], p.emphasis[1],
                                  p.emphasis[2], p.emphasis[3], p.fontColor});
}

bool TextFormatBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick)
        runFontAssistant();
    return QWidget::eventFilter(watched, event);
}

void TextFormatBox::layOutPage(QWidget& page, QLayout* left, TextFormatBox* format,
                               QPushButton* addButton) {
    QVBoxLayout* column = Layout::column(&page);
    QHBoxLayout* columns = Layout::nestedRow();
    columns->setSpacing(Layout::kGroupSpacing);
    columns->addLayout(left, 1);
    QVBoxLayout* formatColumn = Layout::nestedColumn();
    formatColumn->addWidget(format);
    formatColumn->addStretch(1);
    columns->addLayout(formatColumn);
    column->addLayout(columns, 1);
    column->addLayout(Layout::buttonRow(addButton));
}

QList<QWidget*> TextFormatBox::Parts::textParts() const {
    QList<QWidget*> parts;
    for (QWidget* part :
         std::initializer_list<QWidget*>{formatHeading, fontNameCaption, fontName, fontPicture,
                                         fontSizeCaption, fontSize, fontColorCaption, fontColor,
                                         colorPicture, assistant, emphasisHeading, emphasisPanel}) {
        if (part)
            parts.append(part);
    }
    return parts;
}

QList<QWidget*> TextFormatBox::Parts::spacingParts() const {
    return {breaksBeforeCaption, breaksBefore, breaksAfterCaption, breaksAfter};
}
