#include "app/WelcomePanel.h"

#include "generators/TabPage.h"
#include "ui/Place.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace Controls;

namespace {

constexpr int kTabBarHeight = 26;

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

} // namespace

WelcomePanel::WelcomePanel(QWidget* pageControl) : QFrame(pageControl) {
    setObjectName(QStringLiteral("Panel8"));
    setGeometry(QRect(2, kTabBarHeight, kPageWidth + 2, kPageHeight));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* heading = place<QLabel>(this, "Label11", QRect(40, 24, 600, 40),
                                  QStringLiteral("Willkommen bei Quillmark"));
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 10);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    auto* memo = place<QPlainTextEdit>(this, "Memo6", QRect(40, 80, 700, 300));
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->viewport()->setAutoFillBackground(false);
    memo->setPlainText(welcomeText());
    auto* button =
        place<QPushButton>(this, "Button9", QRect(640, 400, 100, 30), QStringLiteral("Weiter"));
    connect(button, &QPushButton::clicked, this, &WelcomePanel::weiter);
    raise();
}
