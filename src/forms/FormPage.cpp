#include "forms/FormPage.h"

#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "platform/DialogObjects.h"
#include "source/PageSource.h"
#include "source/StatusNotices.h"
#include "ui/Place.h"

#include <QLineEdit>

FormPage::FormPage(WindowSet& windows, const char* objectName, const QString& caption)
    : m_windows(windows), m_caption(caption) {
    setObjectName(QString::fromLatin1(objectName));
}

MainWindow& FormPage::mainWindow() const {
    return m_windows.mainWindow();
}

Dialogs& FormPage::ask() const {
    return mainWindow().dialogs().ask;
}

void FormPage::write(const QStringList& lines, const QString& noticeName) const {
    mainWindow().source().commit(lines);
    mainWindow().notices().PostStatusNotice(noticeName);
}

QLineEdit* questionField(QWidget* page, const char* name) {
    caption(page, "QuestionLabel", QStringLiteral("Frage:"), FormLayout::kLeft, 20);
    return place<QLineEdit>(page, name, QRect(FormLayout::kLeft, 40, FormLayout::kLeftWidth, 24));
}

QLabel* rowCaption(QWidget* parent, const char* name, const QString& text, int x, int rowY) {
    QLabel* label = caption(parent, name, text, x, rowY);
    label->move(x, rowY + (FormLayout::kRowHeight - label->height()) / 2);
    return label;
}

QLabel* heading(QWidget* parent, const char* name, const QString& text, int x, int y) {
    QLabel* label = caption(parent, name, text, x, y);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->adjustSize();
    return label;
}
