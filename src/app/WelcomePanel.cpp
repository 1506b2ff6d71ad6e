#include "app/WelcomePanel.h"

#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtMath>

using namespace Controls;

namespace {

QString welcomeText() {
    return QStringLiteral(
        "Quillmark baut Ihre Webseite automatisch: Sie füllen Felder aus, und das Programm "
        "schreibt den HTML-Quelltext für Sie.\n\n"
        "Bitte füllen Sie zuerst die Felder der \"Allgemeinen Einstellungen\" aus und klicken "
        "Sie dort auf \"Zum Quelltext hinzufügen\". Ohne diese Angaben kann die Seite nicht "
        "richtig erstellt werden.\n\n"
        "Danach wählen Sie oben auf den Karteireitern das gewünschte Element aus (Text, "
        "Bilder, Links, Linien, Tabellen, Listen oder Formulare), nehmen Ihre Einstellungen "
        "vor und klicken auf \"Zum Quelltext hinzufügen\" - so oft Sie möchten. Unter "
        "\"Quelltext\" sehen Sie jederzeit, was entstanden ist.\n\n"
        "Viel Freude beim Gestalten wünscht Ihnen\n"
        "das Quillmark-Team von Fernbrook\n\n"
        "Neuigkeiten und Hilfe finden Sie auf unserer Homepage: www.fernbrook.example");
}

// The welcome text, as wide as a comfortable line of reading and as high as the text then
// needs; it scrolls when the panel is smaller.
class WelcomeText final : public QPlainTextEdit {
public:
    explicit WelcomeText(QWidget* parent) : QPlainTextEdit(parent) {
        setObjectName(QStringLiteral("Memo6"));
        Controls::wrapAtSpacesOnly(this);
        setReadOnly(true);
        setFrameShape(QFrame::NoFrame);
        viewport()->setAutoFillBackground(false);
        setPlainText(welcomeText());
    }

    QSize sizeHint() const override {
        // Counted, not laid out, which would cost start-up time: a paragraph takes as many
        // lines as it has lines' worth of characters, and one line is spare.
        int lines = 1;
        for (const QString& paragraph : toPlainText().split(u'\n'))
            lines += std::max(1, int(paragraph.size() + kLineLength - 1) / kLineLength);
        const QFontMetrics metrics = fontMetrics();
        const int margin = 2 * qCeil(document()->documentMargin()) + 2 * frameWidth();
        return {kLineLength * metrics.averageCharWidth() + margin,
                lines * metrics.lineSpacing() + margin};
    }

private:
    static constexpr int kLineLength = 80;
};

} // namespace

WelcomePanel::WelcomePanel(QTabWidget& pageControl) : QFrame(&pageControl) {
    setObjectName(QStringLiteral("Panel8"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QVBoxLayout* column = Layout::column(this);
    auto* heading = named<QLabel>(this, "Label11", QStringLiteral("Willkommen bei Quillmark"));
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 10);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    column->addWidget(heading);
    column->addWidget(new WelcomeText(this), 1);
    auto* button = named<QPushButton>(this, "Button9", QStringLiteral("Weiter"));
    column->addLayout(Layout::buttonRow(button));
    connect(button, &QPushButton::clicked, this, &WelcomePanel::weiter);
    connect(pageControl.tabBar(), &QTabBar::tabBarClicked, this, &WelcomePanel::weiter);

    // The panel lies exactly over the page area, whatever size the window has.
    m_pageArea = pageControl.findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly);
    m_pageArea->installEventFilter(this);
    coverPageArea();
    raise();
}

bool WelcomePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pageArea && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        coverPageArea();
    return QFrame::eventFilter(watched, event);
}

void WelcomePanel::showEvent(QShowEvent* event) {
    // Tab never walks into the fields the panel covers.
    m_pageArea->setEnabled(false);
    QFrame::showEvent(event);
}

void WelcomePanel::hideEvent(QHideEvent* event) {
    m_pageArea->setEnabled(true);
    QFrame::hideEvent(event);
}

void WelcomePanel::coverPageArea() {
    setGeometry(m_pageArea->geometry());
}
