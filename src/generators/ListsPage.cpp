#include "generators/ListsPage.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "context/PageContext.h"
#include "generators/PositionPicker.h"
#include "generators/SpacingBox.h"
#include "platform/DialogObjects.h"
#include "source/PageSource.h"
#include "source/StatusNotices.h"
#include "ui/FieldText.h"
#include "ui/Place.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>

#include <iterator>
#include <utility>
#include <vector>

using namespace Controls;

namespace {

constexpr int kFieldX = 150;
constexpr int kStyleRowHeight = 22;

struct StyleChoice {
    const char* name;
    const char* text;
    ListStyle style;
};

constexpr StyleChoice kNumberings[] = {
    {"RadioButton29", "1,2,3", ListStyle::Numbers},
    {"RadioButton30", "a,b,c", ListStyle::LowerLetters},
    {"RadioButton31", "A,B,C", ListStyle::UpperLetters},
    {"RadioButton32", "i,ii,iii", ListStyle::LowerRoman},
    {"RadioButton33", "I,II,III", ListStyle::UpperRoman},
};

constexpr StyleChoice kBullets[] = {
    {"RadioButton34", "Kreise", ListStyle::Circles},
    {"RadioButton35", "Rechtecke", ListStyle::Squares},
    {"RadioButton36", "Punkte", ListStyle::Discs},
};

QString beginCaption(ListKind kind) {
    return kind == ListKind::Sorted ? QStringLiteral("Sortierte Liste beginnen")
                                    : QStringLiteral("Unsortierte Liste beginnen");
}

// The hidden fields hold one text per line; an empty field holds none.
QStringList memoLines(const QPlainTextEdit& memo) {
    const QString text = FieldText(memo);
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

QString lastMemoLine(const QPlainTextEdit& memo) {
    return memo.document()->isEmpty() ? QString() : memo.document()->lastBlock().text();
}

void removeLastMemoLine(QPlainTextEdit& memo) {
    QTextCursor cursor(memo.document());
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    if (cursor.block().blockNumber() > 0)
        cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

} // namespace

struct ListsPage::Ui {
    QRadioButton* RadioButton27 = nullptr;
    QRadioButton* RadioButton28 = nullptr;
    QWidget* Panel12 = nullptr;
    QWidget* Panel13 = nullptr;
    std::vector<std::pair<QRadioButton*, ListStyle>> numberings;
    std::vector<std::pair<QRadioButton*, ListStyle>> bullets;
    QPushButton* Button25 = nullptr;
    QPushButton* Button26 = nullptr;
    QLineEdit* Edit36 = nullptr;
    QPlainTextEdit* Memo4 = nullptr;
    QPlainTextEdit* Memo5 = nullptr;
    QPlainTextEdit* Memo7 = nullptr;
    QComboBox* ComboBox17 = nullptr;
    QComboBox* ComboBox18 = nullptr;
    PositionPicker* picker = nullptr;
};

ListsPage::ListsPage(PageServices& services)
    : TabPage("TabSheet9", services), m_ui(std::make_unique<Ui>()) {
    createKindAndStyles();
    createEntryControls();
    createPlacement();
    m_services.fields.track(m_ui->Edit36, m_ui->Memo4);
}

ListsPage::~ListsPage() = default;

void ListsPage::createKindAndStyles() {
    caption(this, "Label65", QStringLiteral("Listeneintragstyp:"), 16, 15);
    auto* kinds = place<QWidget>(this, "ListKindBox", QRect(kFieldX, 12, 240, 22));
    m_ui->RadioButton27 = place<QRadioButton>(kinds, "RadioButton27", QRect(0, 0, 100, 22),
                                              QStringLiteral("sortiert"));
    m_ui->RadioButton28 = place<QRadioButton>(kinds, "RadioButton28", QRect(100, 0, 120, 22),
                                              QStringLiteral("unsortiert"));
    m_ui->RadioButton27->setChecked(true);
    connect(m_ui->RadioButton27, &QRadioButton::clicked, this, &ListsPage::RadioButton27Click);
    connect(m_ui->RadioButton28, &QRadioButton::clicked, this, &ListsPage::RadioButton28Click);

    caption(this, "Label67", QStringLiteral("Sortierungstyp"), 16, 47);
    // The numberings and the bullets take turns at the same place.
    auto stylePanel = [this](const char* name, const auto& choices, auto& buttons) {
        const int rows = static_cast<int>(std::size(choices));
        auto* panel = place<QWidget>(this, name, QRect(kFieldX, 44, 200, rows * kStyleRowHeight));
        for (int i = 0; i < rows; ++i) {
            auto* button = place<QRadioButton>(panel, choices[i].name,
                                               QRect(0, i * kStyleRowHeight, 200, kStyleRowHeight),
                                               QString::fromLatin1(choices[i].text));
            buttons.emplace_back(button, choices[i].style);
        }
        buttons.front().first->setChecked(true);
        return panel;
    };
    m_ui->Panel12 = stylePanel("Panel12", kNumberings, m_ui->numberings);
    m_ui->Panel13 = stylePanel("Panel13", kBullets, m_ui->bullets);
    m_ui->Panel13->hide();

    m_ui->Button25 = place<QPushButton>(this, "Button25", QRect(16, 166, 210, 30),
                                        beginCaption(ListKind::Sorted));
    m_ui->Button26 = place<QPushButton>(this, "Button26", QRect(236, 166, 150, 30),
                                        QStringLiteral("zurückrücken"));
    m_ui->Button26->setEnabled(false);
    connect(m_ui->Button25, &QPushButton::clicked, this, &ListsPage::Button25Click);
    connect(m_ui->Button26, &QPushButton::clicked, this, &ListsPage::Button26Click);
}

void ListsPage::createEntryControls() {
    caption(this, "Label66", QStringLiteral("Eintrag:"), 16, 215);
    m_ui->Edit36 = place<QLineEdit>(this, "Edit36", QRect(kFieldX, 212, 236, 22));
    auto* add = place<QPushButton>(this, "Button24", QRect(kFieldX, 242, 236, 30),
                                   QStringLiteral("Eintrag hinzufügen"));
    connect(add, &QPushButton::clicked, this, &ListsPage::Button24Click);

    m_ui->Memo4 = place<QPlainTextEdit>(this, "Memo4", QRect(420, 12, 364, 260));
    m_ui->Memo4->setReadOnly(true);
    m_ui->Memo5 = place<QPlainTextEdit>(this, "Memo5", QRect(420, 12, 364, 260));
    m_ui->Memo5->hide();
    m_ui->Memo7 = place<QPlainTextEdit>(this, "Memo7", QRect(420, 12, 364, 260));
    m_ui->Memo7->hide();
}

void ListsPage::createPlacement() {
    constexpr int kTop = 310;
    auto* rule = place<QFrame>(this, "ListPlacementRule", QRect(16, kTop - 16, kPageWidth - 32, 2));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    QLabel* label68 = caption(this, "Label68", QStringLiteral("Abstand vor Liste:"), 16, kTop + 3);
    m_ui->ComboBox17 = SpacingBox::create(this, "ComboBox17", QRect(kFieldX, kTop, 60, 22));
    QLabel* label69 =
        caption(this, "Label69", QStringLiteral("Abstand nach Liste:"), 16, kTop + 33);
    m_ui->ComboBox18 = SpacingBox::create(this, "ComboBox18", QRect(kFieldX, kTop + 30, 60, 22));
    QLabel* label70 = caption(this, "Label70", QStringLiteral("Position Liste:"), 260, kTop + 3);
    m_ui->picker = placedPicker({{"Image70", "Image71", "Image72"},
                                 {"Image74", "Image73", "Image69"},
                                 {"RadioButton37", "RadioButton38", "RadioButton39"},
                                 "Panel14"},
                                this, QPoint(370, kTop));

    auto* write = place<QPushButton>(this, "Button27", QRect(16, kTop + 80, 260, 32),
                                     QStringLiteral("Liste zum Quelltext hinzufügen"));
    connect(write, &QPushButton::clicked, this, &ListsPage::Button27Click);

    using Topic = FieldExplanations::Topic;
    m_services.explanations.attach(Topic::Position, {label70});
    m_services.explanations.attach(Topic::SpacingBefore, {label68, m_ui->ComboBox17});
    m_services.explanations.attach(Topic::SpacingAfter, {label69, m_ui->ComboBox18});
}

void ListsPage::emptyForNew(NewVariant variant) {
    if (variant != NewVariant::Menu)
        return;
    m_ui->Edit36->clear();
    for (QPlainTextEdit* memo : {m_ui->Memo4, m_ui->Memo5, m_ui->Memo7})
        memo->clear();
}

ListKind ListsPage::kind() const {
    return m_ui->RadioButton27->isChecked() ? ListKind::Sorted : ListKind::Unsorted;
}

ListStyle ListsPage::checkedStyle(ListKind kind) const {
    const auto& buttons = kind == ListKind::Sorted ? m_ui->numberings : m_ui->bullets;
    for (const auto& [button, style] : buttons) {
        if (button->isChecked())
            return style;
    }
    return buttons.front().second;
}

void ListsPage::switchKind(ListKind kind) {
    const bool sorted = kind == ListKind::Sorted;
    (sorted ? m_ui->RadioButton27 : m_ui->RadioButton28)->setChecked(true);
    m_ui->Button25->setText(beginCaption(kind));
    m_ui->Panel12->setVisible(sorted);
    m_ui->Panel13->setVisible(!sorted);
}

void ListsPage::RadioButton27Click() {
    switchKind(ListKind::Sorted);
}

void ListsPage::RadioButton28Click() {
    switchKind(ListKind::Unsorted);
}

void ListsPage::Button25Click() {
    const ListKind begun = kind();
    m_ui->Memo7->appendPlainText(ListsHtml::closingTag(begun));
    m_ui->Memo5->appendPlainText(ListsHtml::openingLine(checkedStyle(begun)));
    m_ui->Button26->setEnabled(true);
}

void ListsPage::Button24Click() {
    const QString entry = m_ui->Edit36->text();
    const ListKind entryKind = kind();
    if (entryKind == ListKind::Sorted)
        ++m_sortedEntryCount;
    m_ui->Memo5->appendPlainText(ListsHtml::entryLine(entry));
    m_ui->Memo4->appendPlainText(ListsHtml::previewLine(entryKind, m_sortedEntryCount, entry));
    m_ui->Edit36->clear();
}

void ListsPage::Button26Click() {
    const QString top = lastMemoLine(*m_ui->Memo7);
    if (!ListsHtml::kindOfClosingTag(top))
        return;
    m_ui->Memo5->appendPlainText(top);
    removeLastMemoLine(*m_ui->Memo7);
    if (const std::optional<ListKind> outer =
            ListsHtml::kindOfClosingTag(lastMemoLine(*m_ui->Memo7)))
        switchKind(*outer);
    m_ui->Button26->setEnabled(!m_ui->Memo7->document()->isEmpty());
}

void ListsPage::Button27Click() {
    Dialogs& ask = m_services.context.dialogs.ask;
    const std::optional<int> breaksBefore = SpacingBox::read(*m_ui->ComboBox17, ask);
    if (!breaksBefore)
        return;
    const std::optional<int> breaksAfter = SpacingBox::read(*m_ui->ComboBox18, ask);
    if (!breaksAfter)
        return;
    const ListBlock list{memoLines(*m_ui->Memo5), memoLines(*m_ui->Memo7), m_ui->picker->position(),
                         *breaksBefore, *breaksAfter};
    m_services.context.document.commit(ListsHtml::listBlock(list));
    m_services.context.notices.PostStatusNotice(QStringLiteral("Liste"));
    for (QPlainTextEdit* memo : {m_ui->Memo4, m_ui->Memo5, m_ui->Memo7})
        memo->clear();
    m_ui->Edit36->clear();
}
