#include "ui/Controls.h"

#include "ui/Artwork.h"
#include "ui/ClickableLabel.h"
#include "ui/Layout.h"
#include "ui/ShadedPicture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

namespace Controls {

namespace {

// Shows the picture on the label in the shade that suits the window, at the picture's size.
void showAtOwnSize(QLabel* label, const QString& artwork) {
    new ShadedPicture(*label, artwork);
    label->setFixedSize(label->pixmap().deviceIndependentSize().toSize());
}

} // namespace

void wrapAtSpacesOnly(QPlainTextEdit* field) {
    field->setWordWrapMode(QTextOption::WordWrap);
}

QLabel* caption(QWidget* parent, const char* name, const QString& text) {
    return named<QLabel>(parent, name, text);
}

QLabel* heading(QWidget* parent, const char* name, const QString& text) {
    QLabel* label = caption(parent, name, text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QComboBox* editableCombo(QWidget* parent, const char* name, const QStringList& items,
                         const QString& text, int maxLength) {
    auto* combo = named<QComboBox>(parent, name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setEditText(text);
    if (maxLength > 0)
        combo->lineEdit()->setMaxLength(maxLength);
    return combo;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut,
                  const char* artwork) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    if (artwork)
        action->setIcon(Artwork::icon(QString::fromLatin1(artwork)));
    return action;
}

void describe(QWidget* control, const QString& whatItDoes) {
    control->setToolTip(whatItDoes);
    control->setAccessibleName(whatItDoes);
}

void enterPresses(QLineEdit& field, QAbstractButton& button) {
    QObject::connect(&field, &QLineEdit::returnPressed, &button, &QAbstractButton::click);
}

void enterPressesInAll(QWidget& area, QAbstractButton& button) {
    for (QLineEdit* field : area.findChildren<QLineEdit*>())
        enterPresses(*field, button);
}

PressedLook* toolbarPicture(QWidget* cell, const char* name, const char* pressedName,
                            const QString& artwork, const QString& whatItDoes) {
    ClickableLabel* button =
        picture(cell, name, artwork + QStringLiteral(".png"), whatItDoes, false);
    ClickableLabel* pressed =
        picture(cell, pressedName, artwork + QStringLiteral("_pressed.png"), whatItDoes, false);
    QGridLayout* stack = Layout::nestedGrid();
    cell->setLayout(stack);
    stack->addWidget(button, 0, 0);
    stack->addWidget(pressed, 0, 0);
    pressed->raise();
    cell->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return new PressedLook(*button, *pressed);
}

ClickableLabel* picture(QWidget* parent, const char* name, const QString& artwork,
                        const QString& whatItDoes, bool handCursor) {
    auto* label = named<ClickableLabel>(parent, name);
    showAtOwnSize(label, artwork);
    describe(label, whatItDoes);
    if (handCursor)
        label->setCursor(Qt::PointingHandCursor);
    return label;
}

ClickableLabel* assistantPicture(QWidget* parent, const char* name, AssistantPicture kind) {
    return kind == AssistantPicture::Font
               ? picture(parent, name, QStringLiteral("assistant_font.png"),
                         QStringLiteral("Schriftart wählen"))
               : picture(parent, name, QStringLiteral("assistant_color.png"),
                         QStringLiteral("Farbe wählen"));
}

QLabel* decoration(QWidget* parent, const char* name, const QString& artwork) {
    auto* label = named<QLabel>(parent, name);
    showAtOwnSize(label, artwork);
    return label;
}

} // namespace Controls
