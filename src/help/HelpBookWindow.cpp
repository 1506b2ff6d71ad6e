#include "help/HelpBookWindow.h"

#include "ui/BringToFront.h"
#include "ui/EscapeKey.h"
#include "ui/Place.h"

#include <QLabel>
#include <QPushButton>

using namespace Controls;

namespace {

constexpr int kWindowWidth = 1000;
constexpr int kWindowHeight = 620;

} // namespace

HelpBookWindow::HelpBookWindow(const HelpBookLook& look, std::span<const HelpTopic> topics,
                               const QFont& textFont)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint) {
    setObjectName(QString::fromLatin1(look.objectName));
    setWindowTitle(QString::fromUtf8(look.caption));
    setFixedSize(kWindowWidth, kWindowHeight);

    auto* heading = place<QLabel>(this, "heading", QRect(16, 10, kWindowWidth - 32, 44),
                                  QString::fromUtf8(look.caption));
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 9);
    headingFont.setBold(true);
    heading->setFont(headingFont);

    m_book = std::make_unique<HelpBook>(this, QRect(12, 60, kWindowWidth - 24, kWindowHeight - 112),
                                        QString::fromLatin1(look.folder), topics, textFont);

    m_closingButton = place<QPushButton>(this, look.buttonName,
                                         QRect(kWindowWidth - 152, kWindowHeight - 42, 140, 30),
                                         QString::fromUtf8(look.buttonCaption));
    dismissOnEscape(this, [this] { m_closingButton->click(); });
}

HelpBookWindow::~HelpBookWindow() = default;

void HelpBookWindow::showLastPage() {
    bringToFront(*this);
}

QString HelpBookWindow::currentPageName() const {
    return m_book->currentPageName();
}
