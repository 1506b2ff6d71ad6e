#include "frames/LayoutPanel.h"

#include "ui/ClickableLabel.h"
#include "ui/Place.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Controls;

namespace {

constexpr int kMargin = 16;
constexpr int kFieldHeight = 22;
constexpr int kCaptionGap = 18; // from a caption's top to its field's top
constexpr int kFramesTop = 80;
constexpr int kFrameRowHeight = 54;
constexpr int kNameX = kMargin;
constexpr int kNameWidth = 150;
constexpr int kPageX = 182;
constexpr int kPageWidth = 160;
constexpr int kPickerX = kPageX + kPageWidth + 4;
constexpr int kSizeX = 392;
constexpr int kSizeWidth = 70;
constexpr QSize kDiagramSize(220, 160);
constexpr int kHintWidth = 220;

QString letter(Frame frame) {
    return QString(QChar(u'A' + static_cast<int>(frame)));
}

} // namespace

LayoutPanel::LayoutPanel(const Names& names, QWidget* window)
    : QFrame(window), m_layout(names.layout) {
    setObjectName(QString::fromLatin1(names.panel));
    setGeometry(window->rect());
    setAutoFillBackground(true);

    const int diagramX = width() - kMargin - kDiagramSize.width();
    decoration(this, names.diagram, QRect(QPoint(diagramX, kMargin), kDiagramSize),
               QString::fromLatin1(names.diagramArtwork));

    caption(this, "LabelTitle", QStringLiteral("Name der Seite"), kNameX, kMargin);
    m_title = addField(names.title, QRect(kNameX, kMargin + kCaptionGap, 270, kFieldHeight));
    caption(this, "LabelBorder", QStringLiteral("Borderbreite"), kSizeX, kMargin);
    m_border =
        addField(names.border, QRect(kSizeX, kMargin + kCaptionGap, kSizeWidth, kFieldHeight));

    int y = kFramesTop;
    for (const FrameNames& frame : names.frames) {
        const QString x = letter(frame.frame);
        caption(this, "", QStringLiteral("Name des Frames ") + x, kNameX, y);
        caption(this, "", QStringLiteral("Seite in Frames ") + x, kPageX, y);
        caption(this, "", QStringLiteral("Frame ") + x, kSizeX, y);
        const int fieldY = y + kCaptionGap;
        QLineEdit* name = addField(frame.name, QRect(kNameX, fieldY, kNameWidth, kFieldHeight));
        QLineEdit* page = addField(frame.page, QRect(kPageX, fieldY, kPageWidth, kFieldHeight));
        QLineEdit* size = addField(frame.size, QRect(kSizeX, fieldY, kSizeWidth, kFieldHeight));
        ClickableLabel* picker =
            picture(this, frame.picker, QRect(kPickerX, fieldY, 24, 22),
                    QStringLiteral("folder.png"), QStringLiteral("Seite auswählen"));
        m_frames.append({frame.frame, name, page, size});
        m_pickers.append({picker, page});
        y += kFrameRowHeight;
    }

    // The size hints stand to the right of the size column, below the diagram.
    const int hintTop = kMargin + kDiagramSize.height() + 16;
    auto* widthHint = place<QLabel>(
        this, "LabelWidthHint", QRect(diagramX, hintTop, kHintWidth, 36),
        QStringLiteral("Breite in Pixel  oder Prozent (%)  Bei % bitte % dahinter schreiben"));
    auto* restHint =
        place<QLabel>(this, "LabelRestHint", QRect(diagramX, hintTop + 44, kHintWidth, 36),
                      QStringLiteral("für den Rest können Sie auch * schreiben"));
    for (QLabel* hint : {widthHint, restHint}) {
        hint->setTextFormat(Qt::PlainText);
        hint->setWordWrap(true);
        hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    m_saveButton = place<QPushButton>(
        this, names.button, QRect(width() - kMargin - 170, height() - kMargin - 30, 170, 30),
        QStringLiteral("Frameseite speichern"));

    m_workList = place<QPlainTextEdit>(this, names.workList, QRect());
    m_workList->hide();
}

QLineEdit* LayoutPanel::addField(const char* name, const QRect& geometry) {
    auto* field = place<QLineEdit>(this, name, geometry);
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
