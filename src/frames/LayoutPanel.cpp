#include "frames/LayoutPanel.h"

#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

namespace {

QString letter(Frame frame) {
    return QString(QChar(u'A' + static_cast<int>(frame)));
}

// A note that wraps in its column, never narrower or lower than its lines ask for.
QLabel* note(QWidget* parent, const char* name, const QString& text) {
    QLabel* label = caption(parent, name, text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumSize(label->sizeHint());
    return label;
}

} // namespace

LayoutPanel::LayoutPanel(const Names& names, QWidget* parent)
    : QFrame(parent), m_layout(names.layout) {
    setObjectName(QString::fromLatin1(names.panel));

    QHBoxLayout* top = Layout::nestedRow();
    top->setSpacing(Layout::kGroupSpacing);
    top->addLayout(createFields(names), 1);
    top->addLayout(createAside(names));

    m_saveButton = named<QPushButton>(this, names.button, QStringLiteral("Frameseite speichern"));
    QVBoxLayout* column = Layout::column(this);
    column->addLayout(top, 1);
    column->addLayout(Layout::buttonRow(m_saveButton));

    m_workList = named<QPlainTextEdit>(this, names.workList);
    m_workList->hide();
}

QGridLayout* LayoutPanel::createFields(const Names& names) {
    // Name, page (with its picker) and size of each frame in columns, under the page title
    // and the border width; each caption stands above its field.
    QGridLayout* fields = Layout::nestedGrid();
    fields->setHorizontalSpacing(Layout::kGroupSpacing);
    enum Column { Name, Page, Picker, Size };
    fields->setColumnStretch(Name, 1);
    fields->setColumnStretch(Page, 1);
    fields->addWidget(caption(this, "LabelTitle", QStringLiteral("Name der Seite")), 0, Name, 1,
                      Size);
    fields->addWidget(caption(this, "LabelBorder", QStringLiteral("Borderbreite")), 0, Size);
    m_title = addField(names.title);
    fields->addWidget(m_title, 1, Name, 1, Size);
    m_border = addField(names.border);
    fields->addWidget(m_border, 1, Size);

    int row = 2;
    for (const FrameNames& frame : names.frames) {
        const QString x = letter(frame.frame);
        // A little more room above each frame than between its caption and its fields.
        fields->setRowMinimumHeight(row++, Layout::kSpacing);
        fields->addWidget(caption(this, "", QStringLiteral("Name des Frames ") + x), row, Name);
        fields->addWidget(caption(this, "", QStringLiteral("Seite in Frames ") + x), row, Page, 1,
                          2);
        fields->addWidget(caption(this, "", QStringLiteral("Frame ") + x), row, Size);
        ++row;
        QLineEdit* name = addField(frame.name);
        QLineEdit* page = addField(frame.page);
        QLineEdit* size = addField(frame.size);
        ClickableLabel* picker = picture(this, frame.picker, QStringLiteral("folder.png"),
                                         QStringLiteral("Seite auswählen"));
        fields->addWidget(name, row, Name);
        fields->addWidget(page, row, Page);
        fields->addWidget(picker, row, Picker);
        fields->addWidget(size, row, Size);
        ++row;
        m_frames.append({frame.frame, name, page, size});
        m_pickers.append({picker, page});
    }
    fields->setRowStretch(row, 1);
    return fields;
}

QVBoxLayout* LayoutPanel::createAside(const Names& names) {
    // The diagram at the top right, the notes on the sizes below it, beside the size column.
    QVBoxLayout* aside = Layout::nestedColumn();
    aside->addWidget(decoration(this, names.diagram, QString::fromLatin1(names.diagramArtwork)));
    aside->addWidget(note(
        this, "LabelWidthHint",
        QStringLiteral("Breite in Pixel  oder Prozent (%)  Bei % bitte % dahinter schreiben")));
    aside->addWidget(
        note(this, "LabelRestHint", QStringLiteral("für den Rest können Sie auch * schreiben")));
    aside->addStretch(1);
    return aside;
}

QLineEdit* LayoutPanel::addField(const char* name) {
    auto* field = named<QLineEdit>(this, name);
    // A right click opens the window's pop-up menu of the edit commands.
    field->setContextMenuPolicy(Qt::NoContextMenu);
    m_fields.append(field);
    return field;
}

FramesetValues LayoutPanel::values() const {
    FramesetValues values;
    values.title = m_title->text();
    values.border = m_border->text();
    for (const FrameFields& fields : m_frames) {
        FrameValues& frame = values.frame(fields.frame);
        frame.name = fields.name->text();
        frame.page = fields.page->text();
        frame.size = fields.size->text();
    }
    return values;
}
