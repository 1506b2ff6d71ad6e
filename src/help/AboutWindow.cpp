#include "help/AboutWindow.h"

#include "ui/Controls.h"
#include "ui/EscapeKey.h"
#include "ui/Layout.h"

#include <QBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

#include <algorithm>

using namespace Controls;

namespace {

// A borderless read-only text as large as its lines at the font it has, also after the font
// changed: it never wraps and never scrolls.
class CreditText final : public QPlainTextEdit {
public:
    explicit CreditText(QWidget* parent) : QPlainTextEdit(parent) {
        setReadOnly(true);
        setFrameShape(QFrame::NoFrame);
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        viewport()->setAutoFillBackground(false);
    }

    QSize sizeHint() const override {
        const QFontMetrics metrics = fontMetrics();
        int widest = 0;
        for (QTextBlock line = document()->firstBlock(); line.isValid(); line = line.next())
            widest = std::max(widest, metrics.horizontalAdvance(line.text()));
        const int margins = 2 * int(document()->documentMargin()) + 2 * frameWidth();
        // One line to spare: the text layout's line height can round up from the font's.
        return {widest + margins + metrics.averageCharWidth(),
                (document()->blockCount() + 1) * metrics.lineSpacing() + margins};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

} // namespace

AboutWindow::AboutWindow(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint) {
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("Über Quillmark"));

    QLabel* icon = decoration(this, "Image1", QStringLiteral("quillmark48.png"));
    auto* memo = named<CreditText>(this, "Memo3");
    memo->setPlainText(QStringLiteral("Über Quillmark\n"
                                      "\n"
                                      "Quillmark 1.0\n"
                                      "Webseiten bauen, ohne HTML zu schreiben.\n"
                                      "\n"
                                      "Idee, Entwurf und Programmierung:\n"
                                      "das Quillmark-Team von Fernbrook\n"
                                      "\n"
                                      "Bilder und Symbole: Fernbrook Gestaltung\n"
                                      "Hilfetexte: Fernbrook Redaktion\n"
                                      "\n"
                                      "Gebaut mit Qt 6 und libjpeg.\n"
                                      "www.fernbrook.example"));
    auto* ok = named<QPushButton>(this, "Button3", QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutWindow::Button3Click);

    QVBoxLayout* layout = Layout::column(this);
    QHBoxLayout* credits = Layout::nestedRow();
    credits->setSpacing(Layout::kGroupSpacing);
    credits->addWidget(icon, 0, Qt::AlignTop);
    credits->addWidget(memo);
    layout->addLayout(credits);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    // The window is as large as its credits and stays so.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    dismissOnEscape(this, [this] { Button3Click(); });
}

void AboutWindow::Button3Click() {
    hide();
}
