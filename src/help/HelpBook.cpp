#include "help/HelpBook.h"

#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

using namespace Controls;

namespace {

QString loadText(const QString& folder, const QString& name) {
    QFile file(QStringLiteral(":/help/%1/%2.txt").arg(folder, name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

// The first line of a help text is its title; a line that starts with a number and a full
// stop ("2. Hintergrund") opens a section. Both are set in bold, the title a little larger.
void emphasiseHeadings(QPlainTextEdit* text) {
    static const QRegularExpression kSection(QStringLiteral("^\\d+\\. "));
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    QTextCharFormat title = heading;
    title.setFontPointSize(text->font().pointSizeF() + 2);
    QTextCursor cursor(text->document());
    cursor.beginEditBlock();
    for (QTextBlock block = text->document()->firstBlock(); block.isValid(); block = block.next()) {
        const bool isTitle = block.blockNumber() == 0;
        if (!isTitle && !kSection.match(block.text()).hasMatch())
            continue;
        cursor.setPosition(block.position());
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(isTitle ? title : heading);
    }
    cursor.endEditBlock();
}

// A help text asks for room for lines of a comfortable reading length and wraps and scrolls
// in whatever room its window gives it, but never gets too narrow to read. Its headings keep
// their emphasis at every font size.
class HelpText final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    QSize sizeHint() const override { return room(72, 28); }
    QSize minimumSizeHint() const override { return room(32, 8); }

protected:
    void changeEvent(QEvent* event) override {
        QPlainTextEdit::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            emphasiseHeadings(this);
    }

private:
    QSize room(int columns, int lines) const {
        const QFontMetrics metrics = fontMetrics();
        return {columns * metrics.averageCharWidth(), lines * metrics.lineSpacing()};
    }
};

// Tabs listed down the left side with their captions written across, like the contents of
// a book: the captions of a help book are far too many and too long for one row.
class ContentsTabStyle final : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_TabBarTab)
            result.transpose();
        return result;
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
        if (element != CE_TabBarTabLabel || !tab) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        drawItemText(painter, tab->rect.adjusted(kCaptionIndent, 0, -kCaptionIndent / 2, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, tab->palette,
                     tab->state.testFlag(State_Enabled), tab->text, QPalette::WindowText);
    }

private:
    static constexpr int kCaptionIndent = 10;
};

// Lists the captions of a tab control down its left side, each shown whole: no eliding, no
// scroll arrows. Long texts wrap at the width of their page.
void listCaptionsDownTheSide(QTabWidget* control) {
    control->setTabPosition(QTabWidget::West);
    control->setUsesScrollButtons(false);
    control->setElideMode(Qt::ElideNone);
    auto* style = new ContentsTabStyle;
    style->setParent(control->tabBar());
    control->tabBar()->setStyle(style);
}

} // namespace

HelpBook::HelpBook(QWidget* window, const QString& folder, std::span<const HelpTopic> topics,
                   const QFont& textFont)
    : m_pageControl(named<QTabWidget>(window, "PageControl1")) {
    listCaptionsDownTheSide(m_pageControl);
    for (const HelpTopic& topic : topics) {
        Placement placement{m_pageControl, nullptr, {}};
        if (topic.parent) {
            placement.parent = QString::fromLatin1(topic.parent);
            placement.control = m_pages.value(placement.parent).subControl;
            // A table naming a parent without sub-pages stops at the first start.
            if (!placement.control)
                qFatal("help page %s: %s holds no sub-pages", topic.name, topic.parent);
        }
        placement.page = createPage(topic, folder, textFont, placement);
        placement.control->addTab(placement.page, QString::fromUtf8(topic.caption));
        if (topic.firstShown)
            placement.control->setCurrentWidget(placement.page);
        m_pages.insert(placement.page->objectName(), placement);
    }
}

QWidget* HelpBook::createPage(const HelpTopic& topic, const QString& folder, const QFont& textFont,
                              Placement& placement) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(topic.name));
    QVBoxLayout* layout = Layout::column(page);
    if (topic.subControl) {
        placement.subControl = new QTabWidget(page);
        placement.subControl->setObjectName(QString::fromLatin1(topic.subControl));
        listCaptionsDownTheSide(placement.subControl);
        layout->addWidget(placement.subControl);
        return page;
    }
    auto* text = new HelpText(page);
    text->setObjectName(QStringLiteral("helpText"));
    text->setReadOnly(true);
    text->setFont(textFont);
    text->document()->setDocumentMargin(8);
    text->setPlainText(loadText(folder, page->objectName()));
    emphasiseHeadings(text);
    layout->addWidget(text);
    return page;
}

bool HelpBook::turnTo(const QString& name) {
    const auto found = m_pages.constFind(name);
    if (found == m_pages.cend())
        return false;
    if (!found->parent.isEmpty())
        turnTo(found->parent);
    found->control->setCurrentWidget(found->page);
    return true;
}

QString HelpBook::currentPageName() const {
    const QWidget* page = m_pageControl->currentWidget();
    return page ? page->objectName() : QString();
}
