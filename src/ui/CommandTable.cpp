#include "ui/CommandTable.h"

#include "ui/Artwork.h"
#include "ui/ClickableLabel.h"
#include "ui/Layout.h"
#include "ui/Place.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>

using namespace Controls;

namespace CommandTable {

namespace {

// Around and between the pictures; a gap between two groups is wider.
constexpr int kPictureSpacing = 2;
constexpr int kGapWidth = 12;

} // namespace

MenuRow menu(const char* name, const QString& caption) {
    return {MenuRow::Kind::Menu, name, caption, {}, nullptr, {}};
}

MenuRow item(const char* name, const QString& caption, const QKeySequence& shortcut,
             const char* artwork, std::function<void()> run) {
    return {MenuRow::Kind::Item, name, caption, shortcut, artwork, std::move(run)};
}

MenuRow separator() {
    return {MenuRow::Kind::Separator, nullptr, {}, {}, nullptr, {}};
}

QList<MenuRow> helpMenu(std::function<void()> programHelp, std::function<void()> htmlHelp,
                        std::function<void()> about) {
    return {
        menu("Hilfe1", QStringLiteral("&Hilfe")),
        item("QuillmarkHIlfe1", QStringLiteral("&Quillmark Hilfe"), Qt::Key_F1, "menu_help.png",
             std::move(programHelp)),
        item("HtmlHilfe1", QStringLiteral("&Html Hilfe"), Qt::Key_F2, "menu_htmlhelp.png",
             std::move(htmlHelp)),
        separator(),
        item("berQuillmark1", QStringLiteral("Ü&ber Quillmark"), {}, nullptr, std::move(about)),
    };
}

QList<QAction*> buildMenuBar(QMenuBar& bar, std::span<const MenuRow> rows) {
    QList<QAction*> actions;
    QMenu* current = nullptr;
    for (const MenuRow& row : rows) {
        switch (row.kind) {
        case MenuRow::Kind::Menu:
            current = bar.addMenu(row.caption);
            current->setObjectName(QString::fromLatin1(row.name));
            break;
        case MenuRow::Kind::Separator:
            current->addSeparator();
            break;
        case MenuRow::Kind::Item: {
            QAction* action = menuItem(current, row.name, row.caption, row.shortcut, row.artwork);
            if (row.run)
                QObject::connect(action, &QAction::triggered, action, row.run);
            actions.append(action);
            break;
        }
        }
    }
    return actions;
}

ToolbarRow picture(const char* name, const char* pressedName, const char* artwork,
                   const QString& whatItDoes, QAction* action) {
    return {ToolbarRow::Kind::Picture, name, pressedName, artwork, whatItDoes, action};
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

QAction* actionNamed(const QList<QAction*>& actions, const char* name) {
    for (QAction* action : actions) {
        if (action->objectName() == QLatin1String(name))
            return action;
    }
    return nullptr;
}

} // namespace CommandTable
