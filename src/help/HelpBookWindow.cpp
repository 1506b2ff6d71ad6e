#include "help/HelpBookWindow.h"

#include "ui/BringToFront.h"
#include "ui/Controls.h"
#include "ui/EscapeKey.h"
#include "ui/Layout.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Controls;

HelpBookWindow::HelpBookWindow(const HelpBookLook& look, std::span<const HelpTopic> topics,
                               const QFont& textFont)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint) {
    setObjectName(QString::fromLatin1(look.objectName));
    setWindowTitle(QString::fromUtf8(look.caption));

    auto* heading = named<QLabel>(this, "heading", QString::fromUtf8(look.caption));
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 9);
    headingFont.setBold(true);
    heading->setFont(headingFont);

    m_book = std::make_unique<HelpBook>(this, QString::fromLatin1(look.folder), topics, textFont);
    m_closingButton =
        named<QPushButton>(this, look.buttonName, QString::fromUtf8(look.buttonCaption));

    // The text grows with the window; the closing button stays at the bottom right.
    QVBoxLayout* layout = Layout::column(this);
    layout->addWidget(heading);
    layout->addWidget(m_book->pageControl(), 1);
    layout->addLayout(Layout::buttonRow(m_closingButton));
    Layout::fitToScreen(*this);
    dismissOnEscape(this, [this] { m_closingButton->click(); });
}
HelpBookWindow::~HelpBookWindow() = default;

void HelpBookWindow::showLastPage() {
    bringToFront(*this);
}

QString HelpBookWindow::currentPageName() const {
    return m_book->currentPageName();
}
