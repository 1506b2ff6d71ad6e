#include "ui/Place.h"

#include "ui/Artwork.h"
#include "ui/ClickableLabel.h"

#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

void wrapAtSpacesOnly(QPlainTextEdit* field) {
    field->setWordWrapMode(QTextOption::WordWrap);
}

QLabel* caption(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

QComboBox* editableCombo(QWidget* parent, const char* name, const QRect& geometry,
                         const QStringList& items, const QString& text, int maxLength) {
    auto* combo = place<QComboBox>(parent, name, geometry);
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

PressedLook* toolbarPicture(QWidget* strip, const char* name, const char* pressedName,
                            const QString& artwork, const QRect& geometry) {
    ClickableLabel* button =
        picture(strip, name, geometry, artwork + QStringLiteral(".png"), false);
    ClickableLabel* pressed =
        picture(strip, pressedName, geometry, artwork + QStringLiteral("_pressed.png"), false);
    button->raise();
    pressed->raise();
    return new PressedLook(*button, *pressed);
}

ClickableLabel* picture(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& artwork, bool handCursor) {
    auto* label = place<ClickableLabel>(parent, name, geometry);
    label->setPixmap(Artwork::pixmap(artwork));
    label->setAlignment(Qt::AlignCenter);
    if (handCursor)
        label->setCursor(Qt::PointingHandCursor);
    return label;
}
