#include "help/AboutWindow.h"

#include "ui/Controls.h"
#include "ui/EscapeKey.h"
#include "ui/Layout.h"

#include <QBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Controls;

namespace {

// A borderless read-only text as large as its lines: it never wraps and never scrolls.
QPlainTextEdit* creditText(QWidget* parent, const QString& text) {
    auto* memo = named<QPlainTextEdit>(parent, "Memo3");
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->viewport()->setAutoFillBackground(false);
    memo->setPlainText(text);

    const QFontMetrics metrics = memo->fontMetrics();
    int widest = 0;
    const QStringList lines = text.split(u'\n');
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int margins = 2 * int(memo->document()->documentMargin()) + 2 * memo->frameWidth();
    // One line to spare: the text layout's line height can round up from the font's.
    memo->setFixedSize(widest + margins + metrics.averageCharWidth(),
                       int(lines.size() + 1) * metrics.lineSpacing() + margins);
    return memo;
}

} // namespace

AboutWindow::AboutWindow(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint) {
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("Über Quillmark"));

    QLabel* icon = decoration(this, "Image1", QStringLiteral("quillmark48.png"));
    QPlainTextEdit* memo =
        creditText(this, QStringLiteral("Über Quillmark\n"
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
