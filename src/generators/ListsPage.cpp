#include "generators/ListsPage.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "context/PageContext.h"
#include "core/generators/Captions.h"
#include "core/source/PageSource.h"
#include "core/source/StatusNotices.h"
#include "generators/PageParts.h"
#include "generators/PositionPicker.h"
#include "generators/SpacingBox.h"
#include "platform/DialogObjects.h"
#include "ui/AltLetters.h"
#include "ui/Controls.h"
#include "ui/FieldText.h"
#include "ui/Layout.h"
#include "ui/SpellingFields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include <utility>
#include <vector>

using namespace Controls;
using PageParts::addRow;

namespace {

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
    return QString::fromLatin1(kind == ListKind::Sorted ? Captions::kBeginSortedList
                                                        : Captions::kBeginUnsortedList);
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
    QVBoxLayout* column = Layout::column(content());
    // The list's settings at the left, what it will show at the right.
    QHBoxLayout* sides = Layout::nestedRow();
    sides->setSpacing(Layout::kGroupSpacing);
    column->addLayout(sides, 1);
    QGridLayout* settings = Layout::nestedGrid();
    QVBoxLayout* left = Layout::nestedColumn();
    left->addLayout(settings);
    left->addStretch(1);
    sides->addLayout(left);
    createKindAndStyles(*settings);
    createEntryControls(*settings, *sides);
    createPlacement(*column);
    m_services.fields.track(m_ui->Edit36, m_ui->Memo4);
    SpellingFields::watch(*m_ui->Edit36, m_services.context.spelling);
}

ListsPage::~ListsPage() = default;

void ListsPage::createKindAndStyles(QGridLayout& grid) {
    QWidget* page = content();
    auto* kinds = named<QWidget>(page, "ListKindBox");
    m_ui->RadioButton27 = named<QRadioButton>(kinds, "RadioButton27", QStringLiteral("sortiert"));
    m_ui->RadioButton28 = named<QRadioButton>(kinds, "RadioButton28", QStringLiteral("unsortiert"));
    QHBoxLayout* kindRow = Layout::nestedRow();
    kinds->setLayout(kindRow);
    kindRow->addWidget(m_ui->RadioButton27);
    kindRow->addWidget(m_ui->RadioButton28);
    kindRow->addStretch(1);
    m_ui->RadioButton27->setChecked(true);
    connect(m_ui->RadioButton27, &QRadioButton::clicked, this, &ListsPage::RadioButton27Click);
    connect(m_ui->RadioButton28, &QRadioButton::clicked, this, &ListsPage::RadioButton28Click);
    addRow(grid, 0, caption(page, "Label65", QStringLiteral("Listeneintragstyp:")), {kinds});

    // The numberings and the bullets take turns at the same place, which keeps room for the
    // longer of the two.
    auto stylePanel = [page](const char* name, const auto& choices, auto& buttons) {
        auto* panel = named<QWidget>(page, name);
        QVBoxLayout* rows = Layout::nestedColumn();
        panel->setLayout(rows);
        for (const StyleChoice& choice : choices) {
            auto* button =
                named<QRadioButton>(panel, choice.name, QString::fromLatin1(choice.text));
            rows->addWidget(button);
            buttons.emplace_back(button, choice.style);
        }
        rows->addStretch(1);
        buttons.front().first->setChecked(true);
        return panel;
    };
    m_ui->Panel12 = stylePanel("Panel12", kNumberings, m_ui->numberings);
    m_ui->Panel13 = stylePanel("Panel13", kBullets, m_ui->bullets);
    QLabel* styleCaption = caption(page, "Label67", QStringLiteral("Sortierungstyp"));
    styleCaption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid.addWidget(styleCaption, 1, 0);
    grid.addWidget(m_ui->Panel12, 1, 1);
    grid.addWidget(m_ui->Panel13, 1, 1);
    PageParts::keepRoomWhenHidden({m_ui->Panel12, m_ui->Panel13});
    m_ui->Panel13->hide();

    // Wide enough for either caption, so that the button beside it stays in place.
    m_ui->Button25 = named<QPushButton>(page, "Button25", beginCaption(ListKind::Unsorted));
    m_ui->Button25->setMinimumWidth(m_ui->Button25->sizeHint().width());
    m_ui->Button25->setText(beginCaption(ListKind::Sorted));
    m_ui->Button26 = named<QPushButton>(page, "Button26", QStringLiteral("zurückrücken"));
    m_ui->Button26->setEnabled(false);
    QHBoxLayout* begin = Layout::nestedRow();
    begin->addWidget(m_ui->Button25);
    begin->addWidget(m_ui->Button26);
    begin->addStretch(1);
    grid.addLayout(begin, 2, 0, 1, 2);
    connect(m_ui->Button25, &QPushButton::clicked, this, &ListsPage::Button25Click);
    connect(m_ui->Button26, &QPushButton::clicked, this, &ListsPage::Button26Click);
}

void ListsPage::createEntryControls(QGridLayout& grid, QHBoxLayout& sides) {
    QWidget* page = content();
    m_ui->Edit36 = named<QLineEdit>(page, "Edit36");
    addRow(grid, 3, caption(page, "Label66", QStringLiteral("Eintrag:")), {m_ui->Edit36});
    auto* add = named<QPushButton>(page, "Button24", QStringLiteral("Eintrag hinzufügen"));
    addRow(grid, 4, nullptr, {add});
    connect(add, &QPushButton::clicked, this, &ListsPage::Button24Click);
    enterPresses(*m_ui->Edit36, *add);

    // What the list will show; the list's lines and its open closing tags are kept out of
    // sight.
    QGridLayout* memos = Layout::nestedGrid();
    for (auto [memo, name] : {std::pair{&m_ui->Memo4, "Memo4"}, std::pair{&m_ui->Memo5, "Memo5"},
                              std::pair{&m_ui->Memo7, "Memo7"}}) {
        *memo = named<QPlainTextEdit>(page, name);
        memos->addWidget(*memo, 0, 0);
    }
    m_ui->Memo4->setReadOnly(true);
    m_ui->Memo5->hide();
    m_ui->Memo7->hide();
    sides.addLayout(memos, 1);
}

void ListsPage::createPlacement(QVBoxLayout& column) {
    QWidget* page = content();
    column.addWidget(PageParts::rule(page, "ListPlacementRule"));
    QGridLayout* grid = Layout::nestedGrid();
    column.addLayout(grid);
    const PageParts::SpacingRows spacing =
        PageParts::addSpacingRows(*grid, 0, page,
                                  {"Label68", QStringLiteral("Abstand vor Liste:"), "ComboBox17",
                                   "Label69", QStringLiteral("Abstand nach Liste:"), "ComboBox18"});
    m_ui->ComboBox17 = spacing.before;
    m_ui->ComboBox18 = spacing.after;
    QLabel* label70 = caption(page, "Label70", QStringLiteral("Position Liste:"));
    m_ui->picker = new PositionPicker({{"Image70", "Image71", "Image72"},
                                       {"Image74", "Image73", "Image69"},
                                       {"RadioButton37", "RadioButton38", "RadioButton39"},
                                       "Panel14"},
                                      page);
    addRow(*grid, 2, label70, {m_ui->picker});

    auto* write =
        named<QPushButton>(page, "Button27", QStringLiteral("Liste zum Quelltext hinzufügen"));
    connect(write, &QPushButton::clicked, this, &ListsPage::Button27Click);
    // The preview above takes the room to spare.
    column.addLayout(Layout::buttonRow(write));

    using Topic = FieldExplanations::Topic;
    m_services.explanations.attach(Topic::Position, {label70});
    m_services.explanations.attach(Topic::SpacingBefore, {spacing.beforeCaption, spacing.before});
    m_services.explanations.attach(Topic::SpacingAfter, {spacing.afterCaption, spacing.after});
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
    m_ui->Button25->setText(AltLetters::carried(m_ui->Button25->text(), beginCaption(kind)));
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
    const ListStyle style = checkedStyle(begun);
    m_ui->Memo5->appendPlainText(m_services.context.isModern() ? ListsHtml::modernOpeningLine(style)
                                                               : ListsHtml::openingLine(style));
    m_ui->Button26->setEnabled(true);
}

void ListsPage::Button24Click() {
    const QString entry = m_ui->Edit36->text();
    const ListKind entryKind = kind();
    if (entryKind == ListKind::Sorted)
        ++m_sortedEntryCount;
    m_ui->Memo5->appendPlainText(m_services.context.isModern() ? ListsHtml::modernEntryLine(entry)
                                                               : ListsHtml::entryLine(entry));
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
    const Expected<std::pair<int, int>> spacing =
        SpacingBox::readBoth(*m_ui->ComboBox17, *m_ui->ComboBox18);
    if (m_services.context.failed(spacing))
        return;
    const ListBlock list{memoLines(*m_ui->Memo5),
                         memoLines(*m_ui->Memo7),
                         {m_ui->picker->position(), spacing.value.first, spacing.value.second}};
    if (!m_services.context.addElement(m_services.context.isModern()
                                           ? ListsHtml::modernListBlock(list)
                                           : ListsHtml::listBlock(list),
                                       QStringLiteral("Liste")))
        return;
    for (QPlainTextEdit* memo : {m_ui->Memo4, m_ui->Memo5, m_ui->Memo7})
        memo->clear();
    m_ui->Edit36->clear();
}
