#include "ui/CommandTable.h"

#include "ui/Artwork.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

using namespace Controls;

namespace CommandTable {

namespace {

// Around and between the pictures; a gap between two groups is wider.
constexpr int kPictureSpacing = 2;
constexpr int kGapWidth = 12;

} // namespace

MenuRow menuRow(int id, const char* name, const QString& caption) {
    return {MenuRow::Kind::Menu, id, name, caption, {}, nullptr, {}};
}

MenuRow itemRow(int id, const char* name, const QString& caption, const QKeySequence& shortcut,
                const char* artwork, std::function<void()> run) {
    return {MenuRow::Kind::Item, id, name, caption, shortcut, artwork, std::move(run)};
}

MenuRow separator() {
    return {MenuRow::Kind::Separator, -1, nullptr, {}, {}, nullptr, {}};
}

MenuRow submenuRow(int id, const char* name, const QString& caption) {
    return {MenuRow::Kind::Submenu, id, name, caption, {}, nullptr, {}};
}

MenuRow endSubmenu() {
    return {MenuRow::Kind::EndSubmenu, -1, nullptr, {}, {}, nullptr, {}};
}

QList<MenuRow> helpMenuRows(const HelpIds& ids, std::function<void()> programHelp,
                            std::function<void()> htmlHelp, std::function<void()> about) {
    return {
        menuRow(ids.menu, "Hilfe1", QStringLiteral("&Hilfe")),
        itemRow(ids.programHelp, "QuillmarkHIlfe1", QStringLiteral("&Quillmark Hilfe"), Qt::Key_F1,
                "menu_help.png", std::move(programHelp)),
        itemRow(ids.htmlHelp, "HtmlHilfe1", QStringLiteral("&Html Hilfe"), Qt::Key_F2,
                "menu_htmlhelp.png", std::move(htmlHelp)),
        separator(),
        itemRow(ids.about, "berQuillmark1", QStringLiteral("Ü&ber Quillmark"), {}, nullptr,
                std::move(about)),
    };
}

Built buildMenuBar(QMenuBar& bar, std::span<const MenuRow> rows, int idCount) {
    Built built{std::vector<QMenu*>(std::size_t(idCount)),
                std::vector<QAction*>(std::size_t(idCount))};
    std::vector<bool> taken(static_cast<std::size_t>(idCount));
    QMenu* current = nullptr;
    QMenu* outer = nullptr; // the menu a submenu's rows return to
    for (const MenuRow& row : rows) {
        if (row.kind != MenuRow::Kind::Separator && row.kind != MenuRow::Kind::EndSubmenu) {
            if (row.id < 0 || row.id >= idCount || taken[std::size_t(row.id)])
                qFatal("The command table gives %s an id it may not have", row.name);
            taken[std::size_t(row.id)] = true;
        }
        switch (row.kind) {
        case MenuRow::Kind::Menu:
            current = bar.addMenu(row.caption);
            current->setObjectName(QString::fromLatin1(row.name));
            built.menus[std::size_t(row.id)] = current;
            break;
        case MenuRow::Kind::Separator:
            current->addSeparator();
            break;
        case MenuRow::Kind::Submenu:
            outer = current;
            current = outer->addMenu(row.caption);
            current->setObjectName(QString::fromLatin1(row.name));
            built.menus[std::size_t(row.id)] = current;
            break;
        case MenuRow::Kind::EndSubmenu:
            current = outer;
            break;
        case MenuRow::Kind::Item: {
            QAction* action = menuItem(current, row.name, row.caption, row.shortcut, row.artwork);
            if (row.run)
                QObject::connect(action, &QAction::triggered, action, row.run);
            built.actions[std::size_t(row.id)] = action;
            break;
        }
        }
    }
    const auto missing = std::find(taken.begin(), taken.end(), false);
    if (missing != taken.end())
        qFatal("The command table has no row for id %d", int(missing - taken.begin()));
    return built;
}

ToolbarRow picture(const char* name, const char* pressedName, const char* artwork,
                   const QString& whatItDoes, QAction* action) {
    return {ToolbarRow::Kind::Picture, name, pressedName, artwork, whatItDoes, action};
}

ToolbarRow picture(Look look, const char* name, const char* pressedName, QAction* action) {
    switch (look) {
    case Look::NewPage:
        return picture(name, pressedName, "tb_new", QStringLiteral("Neue Seite"), action);
    case Look::Print:
        return picture(name, pressedName, "tb_print", QStringLiteral("Quelltext drucken"), action);
    case Look::Preview:
        return picture(name, pressedName, "tb_preview", QStringLiteral("Vorschau im Browser"),
                       action);
    case Look::Cut:
        return picture(name, pressedName, "tb_cut", QStringLiteral("Ausschneiden"), action);
    case Look::Copy:
        return picture(name, pressedName, "tb_copy", QStringLiteral("Kopieren"), action);
    case Look::Paste:
        return picture(name, pressedName, "tb_paste", QStringLiteral("Einfügen"), action);
    }
    Q_UNREACHABLE();
}

ToolbarRow gap() {
    return {ToolbarRow::Kind::Gap, nullptr, nullptr, nullptr, {}, nullptr};
}

ToolbarRow banner(const char* name, const char* artwork) {
    return {ToolbarRow::Kind::Banner, name, nullptr, artwork, {}, nullptr};
}

void buildToolbar(QWidget& strip, std::span<const ToolbarRow> rows) {
    QHBoxLayout* line = Layout::nestedRow();
    strip.setLayout(line);
    line->setContentsMargins(kPictureSpacing, kPictureSpacing, kPictureSpacing, kPictureSpacing);
    line->setSpacing(kPictureSpacing);
    for (const ToolbarRow& row : rows) {
        switch (row.kind) {
        case ToolbarRow::Kind::Gap:
            line->addSpacing(kGapWidth - kPictureSpacing);
            break;
        case ToolbarRow::Kind::Banner:
            line->addWidget(decoration(&strip, row.name, QString::fromLatin1(row.artwork)));
            break;
        case ToolbarRow::Kind::Picture: {
            auto* cell = new QWidget(&strip);
            PressedLook* look = toolbarPicture(cell, row.name, row.pressedName,
                                               QString::fromLatin1(row.artwork), row.whatItDoes);
            line->addWidget(cell);
            QAction* action = row.action;
            ClickableLabel& button = look->button();
            button.setEnabled(action->isEnabled());
            QObject::connect(action, &QAction::enabledChanged, &button, &QWidget::setEnabled);
            QObject::connect(look, &PressedLook::activated, action, &QAction::trigger);
            break;
        }
        }
    }
    line->addStretch(1);
}

} // namespace CommandTable
