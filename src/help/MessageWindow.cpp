#include "help/MessageWindow.h"

#include "context/Navigation.h"
#include "ui/BringToFront.h"
#include "ui/Controls.h"
#include "ui/EscapeKey.h"
#include "ui/Layout.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

using namespace Controls;

namespace {

struct MessageLayout {
    const char* objectName;
    const char* caption;
    const char* line1;
    const char* line2 = nullptr; // nullptr: one line
    const char* button1;
    const char* button2 = nullptr; // nullptr: one button
    const char* button3 = nullptr; // nullptr: no third button
    Qt::WindowFlags titleButtons;
};

constexpr Qt::WindowFlags kClose = Qt::WindowCloseButtonHint;
constexpr Qt::WindowFlags kMinimize = Qt::WindowMinimizeButtonHint;
constexpr Qt::WindowFlags kMaximize = Qt::WindowMaximizeButtonHint;

const MessageLayout& layoutOf(Message which) {
    static const MessageLayout kMessages[] = {
        {.objectName = "TForm9",
         .caption = "Error 409",
         .line1 = "Sie haben vergessen eine Zieladresse bei",
         .line2 = "der Weiterleitung einzugeben",
         .button1 = "OK",
         .titleButtons = kClose | kMinimize},
        {.objectName = "TForm10",
         .caption = "Error 407",
         .line1 = "Wollen Sie den Quelltext verwerfen?",
         .button1 = "Ja",
         .button2 = "Nein",
         .button3 = "Speichern",
         .titleButtons = kClose},
        {.objectName = "TForm11",
         .caption = "Error 605",
         .line1 = "Sie müssen zuerst Allgemeine Einstellungen bearbeiten!",
         .line2 = "Da sonst die Seite nicht fehlerfrei erstellt werden kann",
         .button1 = "OK",
         .titleButtons = kClose},
        {.objectName = "TForm12",
         .caption = "Error 305",
         .line1 = "Die Allgemeinen Einstellungen sind gesperrt.",
         .line2 = "Zum Ändern drücken Sie „Einstellungen ändern“.",
         .button1 = "OK",
         .titleButtons = kClose | kMinimize | kMaximize},
    };
    return kMessages[static_cast<int>(which)];
}

} // namespace

MessageWindow::MessageWindow(Navigation& navigation, Message which, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         layoutOf(which).titleButtons),
      m_navigation(navigation), m_which(which) {
    const MessageLayout& message = layoutOf(which);
    setObjectName(QString::fromLatin1(message.objectName));
    setWindowTitle(QString::fromUtf8(message.caption));

    QGridLayout* layout = Layout::grid(this);
    layout->setHorizontalSpacing(Layout::kGroupSpacing);
    layout->addWidget(decoration(this, "Image1", QStringLiteral("warning.png")), 0, 0, 2, 1,
                      Qt::AlignTop);
    layout->addWidget(caption(this, "Label1", QString::fromUtf8(message.line1)), 0, 1);
    if (message.line2)
        layout->addWidget(caption(this, "Label2", QString::fromUtf8(message.line2)), 1, 1);

    QHBoxLayout* buttons = Layout::nestedRow();
    buttons->setContentsMargins(0, Layout::kSpacing, 0, 0);
    buttons->addStretch(1);
    // Return and Enter press the button that has the focus; the window opens with the focus
    // on the button that changes least: "Nein" on the question, OK elsewhere.
    auto addButton = [this, buttons](const char* name, const char* text,
                                     void (MessageWindow::*click)()) {
        auto* button = named<QPushButton>(this, name, QString::fromUtf8(text));
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, click);
        buttons->addWidget(button);
        return button;
    };
    QPushButton* safest = addButton("Button1", message.button1, &MessageWindow::Button1Click);
    if (message.button2)
        safest = addButton("Button2", message.button2, &MessageWindow::Button2Click);
    if (message.button3)
        addButton("Button3", message.button3, &MessageWindow::Button3Click);
    setFocusProxy(safest);
    buttons->addStretch(1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    // As large as its message at any font, and no larger.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Esc answers as the button that changes least: "Nein" on the question, OK elsewhere.
    if (message.button2)
        dismissOnEscape(this, [this] { Button2Click(); });
    else
        dismissOnEscape(this, [this] { Button1Click(); });
    if (which == Message::Error605) {
        auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
        connect(help, &QShortcut::activated, this, &MessageWindow::FormHelp);
    }
}

void MessageWindow::showMessage() {
    if (isVisible())
        return;
    setFocus();
    bringToFront(*this);
}

void MessageWindow::askToDiscard(std::function<void()> proceed) {
    m_waiting = std::move(proceed);
    showMessage();
}

void MessageWindow::Button1Click() {
    hide();
    switch (m_which) {
    case Message::Error409:
        m_navigation.showGeneralSettings(true);
        break;
    case Message::Error605:
        m_navigation.showGeneralSettings(false);
        break;
    case Message::Error407:
        // "Ja": the unsaved page is given up for the command that asked.
        if (const std::function<void()> proceed = std::exchange(m_waiting, nullptr))
            proceed();
        break;
    case Message::Error305:
        break;
    }
}

void MessageWindow::Button3Click() {
    // "Speichern": the command waiting goes on only when the page was saved.
    hide();
    const std::function<void()> proceed = std::exchange(m_waiting, nullptr);
    if (m_navigation.savePage() && proceed)
        proceed();
}

void MessageWindow::Button2Click() {
    // "Nein": the question goes away and the program goes on.
    m_waiting = nullptr;
    hide();
}

void MessageWindow::closeEvent(QCloseEvent* event) {
    // The close box answers a question as "Nein" would.
    m_waiting = nullptr;
    QWidget::closeEvent(event);
}

void MessageWindow::FormHelp() {
    m_navigation.showHelpPage(QStringLiteral("TabSheet1"));
}

void MessageWindow::mousePressEvent(QMouseEvent* event) {
    // Only "Error 305" closes on a click on its free area, away from its text, picture
    // and button.
    if (m_which == Message::Error305 && event->button() == Qt::LeftButton &&
        !childAt(event->position().toPoint()))
        Button1Click();
    QWidget::mousePressEvent(event);
}
