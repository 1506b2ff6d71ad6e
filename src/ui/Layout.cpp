#include "ui/Layout.h"

#include "ui/KeyboardReach.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include <algorithm>

namespace Layout {

namespace {

template <typename L> L* outer(QWidget* parent) {
    auto* layout = new L(parent);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kSpacing);
    return layout;
}

template <typename L> L* nested() {
    auto* layout = new L;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kSpacing);
    return layout;
}

} // namespace

QVBoxLayout* column(QWidget* parent) {
    return outer<QVBoxLayout>(parent);
}

QHBoxLayout* row(QWidget* parent) {
    return outer<QHBoxLayout>(parent);
}

QGridLayout* grid(QWidget* parent) {
    return outer<QGridLayout>(parent);
}

QVBoxLayout* nestedColumn() {
    return nested<QVBoxLayout>();
}

QHBoxLayout* nestedRow() {
    return nested<QHBoxLayout>();
}

QGridLayout* nestedGrid() {
    return nested<QGridLayout>();
}

QHBoxLayout* buttonRow(QPushButton* button) {
    QHBoxLayout* layout = nestedRow();
    layout->addStretch(1);
    layout->addWidget(button);
    KeyboardReach::markAddButton(*button);
    return layout;
}

QHBoxLayout* addButtonAtBottom(QBoxLayout& pageColumn, QPushButton* button) {
    pageColumn.addStretch(1);
    QHBoxLayout* row = buttonRow(button);
    pageColumn.addLayout(row);
    return row;
}

void showWhole(QLineEdit* field, int extraChars) {
    const QFontMetrics metrics = field->fontMetrics();
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->hasFrame() ? 1 : 0;
    const int textWidth = metrics.horizontalAdvance(field->text()) +
                          extraChars * metrics.averageCharWidth() + 2 * 2; // the text margins
    const QSize needed = field->style()->sizeFromContents(
        QStyle::CT_LineEdit, &option, QSize(textWidth, metrics.height()), field);
    field->setMinimumWidth(std::max(field->minimumWidth(), needed.width()));
}

void showWhole(QComboBox* box, int extraChars) {
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(
        std::max(box->minimumContentsLength(), int(box->currentText().size()) + extraChars));
}

namespace {

// The place a frame of this size and place takes within the screen's available area.
QPoint onScreen(QRect frame, const QScreen* screen) {
    if (screen) {
        const QRect area = screen->availableGeometry();
        frame.moveLeft(std::clamp(frame.left(), area.left(),
                                  std::max(area.left(), area.right() - frame.width() + 1)));
        frame.moveTop(std::clamp(frame.top(), area.top(),
                                 std::max(area.top(), area.bottom() - frame.height() + 1)));
    }
    return frame.topLeft();
}

// The room a window has on its screen: the available area less the frame around the window
// (unknown, and so taken as none, until the window is first shown).
QSize roomFor(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QSize frame = window.frameGeometry().size() - window.size();
    return screen->availableGeometry().size() - frame;
}

// The size the window's layout asks for. The layouts learn of changed contents only when the
// event loop runs, and not at all for hidden widgets such as the tab pages behind the one in
// front; every one of them is told now.
QSize wantedSize(QWidget& window) {
    for (QWidget* widget : window.findChildren<QWidget*>())
        widget->updateGeometry();
    for (QLayout* layout : window.findChildren<QLayout*>())
        layout->invalidate();
    return window.sizeHint().expandedTo(window.minimumSizeHint());
}

} // namespace

void fitToScreen(QWidget& window) {
    // Not adjustSize(): it caps a window at two thirds of the screen.
    window.resize(wantedSize(window).boundedTo(roomFor(window)));
}

void growToFit(QWidget& window) {
    const QSize fitting = window.size().expandedTo(wantedSize(window)).boundedTo(roomFor(window));
    if (fitting == window.size())
        return;
    window.resize(fitting);
    keepOnScreen(window);
}

void centreOn(QWidget& window, const QWidget& owner) {
    QRect placed(QPoint(), window.frameGeometry().size());
    placed.moveCenter(owner.frameGeometry().center());
    window.move(onScreen(placed, owner.screen()));
}

void keepOnScreen(QWidget& window) {
    const QPoint placed = onScreen(window.frameGeometry(), window.screen());
    if (placed != window.frameGeometry().topLeft())
        window.move(placed);
}

} // namespace Layout

ScrollingPage::ScrollingPage(QWidget* parent) : QScrollArea(parent), m_content(new QWidget) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    m_content->setObjectName(QStringLiteral("PageContent"));
    m_content->setAutoFillBackground(false);
    setWidget(m_content);
    viewport()->setAutoFillBackground(false);
    // Tab goes to the controls, and the page scrolls to the one that takes the focus; the page
    // itself is no stop of its own.
    setFocusPolicy(Qt::NoFocus);
}

// As large as the controls want, so that a window opens without scroll bars when the screen
// has room; QScrollArea alone would cap this at a fraction of the font size.
QSize ScrollingPage::sizeHint() const {
    const int frame = 2 * frameWidth();
    return m_content->sizeHint().expandedTo(m_content->minimumSizeHint()) + QSize(frame, frame);
}
