#include "help/AboutWindow.h"

#include "ui/Artwork.h"
#include "ui/EscapeKey.h"
#include "ui/Place.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace Controls;

AboutWindow::AboutWindow()
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint) {
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("Über Quillmark"));
    setFixedSize(420, 300);

    auto* icon = place<QLabel>(this, "Image1", QRect(20, 20, 48, 48));
    icon->setPixmap(Artwork::pixmap(QStringLiteral("quillmark48.png")));

    auto* memo = place<QPlainTextEdit>(this, "Memo3", QRect(84, 16, 316, 228));
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->viewport()->setAutoFillBackground(false);
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

    auto* ok = place<QPushButton>(this, "Button3", QRect(170, 258, 80, 28), QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutWindow::Button3Click);
    dismissOnEscape(this, [this] { Button3Click(); });
}

void AboutWindow::Button3Click() {
    hide();
}
