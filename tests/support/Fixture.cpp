#include "support/Fixture.h"

#include "context/PageContext.h"
#include "ui/PanelStatusBar.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextCursor>

namespace {

// Thrown by failTest after the failure is recorded; the test runner catches it.
struct TestFailed {};

} // namespace

void failTest(const QString& message) {
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    throw TestFailed{};
}

Fixture::Fixture() : m_windows(std::make_unique<WindowSet>(dialogs, opener)) {}

Fixture::~Fixture() = default;

QWidget* Fixture::window(const QString& windowName) const {
    for (QWidget* top : m_windows->all()) {
        if (top->objectName() == windowName)
            return top;
    }
    // Windows the program makes on demand, such as the explanation window.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == windowName && top->isVisible())
            return top;
    }
    return nullptr;
}

void Fixture::trigger(const QString& windowName, const QString& actionName) const {
    QWidget* top = window(windowName);
    auto* action = top ? top->findChild<QAction*>(actionName) : nullptr;
    if (!action)
        failTest(QStringLiteral("no action %1 in %2").arg(actionName, windowName));
    action->trigger();
}

void Fixture::act(const QString& windowName, const QString& steps) const {
    act(windowName, steps.split(u'|', Qt::SkipEmptyParts));
}

void Fixture::act(const QString& windowName, const QStringList& steps) const {
    for (const QString& step : steps) {
        const qsizetype eq = step.indexOf(u'=');
        if (eq < 0)
            click(&get(windowName, step));
        else
            typeInto(&get(windowName, step.left(eq)), step.mid(eq + 1));
    }
}

QStringList Fixture::sourceLines() const {
    return m_windows->context().document.lines();
}

void Fixture::setSourceLines(const QStringList& lines) {
    typeInto(&*control<QPlainTextEdit>(QStringLiteral("TForm2"), QStringLiteral("Memo2")),
             lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n');
}

void Fixture::startPage() {
    click(control<QPushButton>(QStringLiteral("TForm2"), QStringLiteral("Button9")));
    click(control<QPushButton>(QStringLiteral("TForm2"), QStringLiteral("Button2")));
}

void Fixture::confirmDiscard() const {
    QWidget* question = window(QStringLiteral("TForm10"));
    if (question->isVisible())
        click(control<QPushButton>(QStringLiteral("TForm10"), QStringLiteral("Button1")));
}

QString Fixture::statusNotice() const {
    auto* bar = control<PanelStatusBar>(QStringLiteral("TForm2"), QStringLiteral("StatusBar2"));
    return bar->panelCount() > 1 ? bar->panelText(1) : QString();
}

void click(QWidget* widget) {
    if (!widget)
        failTest(QStringLiteral("click on a missing control"));
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->click();
        return;
    }
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        failTest(QStringLiteral("cannot write %1").arg(path));
}

QString textOf(QWidget* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field))
        return line->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        return memo->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(field))
        return combo->currentText();
    if (auto* box = qobject_cast<QAbstractButton*>(field))
        return box->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
    failTest(QStringLiteral("%1 has no text").arg(field->objectName()));
}

void typeInto(QWidget* field, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->setText(text);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
        // One edit, as a paste over the whole text would be: it changes the document.
        QTextCursor cursor(memo->document());
        cursor.beginEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.insertText(text);
        cursor.endEditBlock();
    } else if (auto* combo = qobject_cast<QComboBox*>(field)) {
        combo->setEditText(text);
    } else {
        failTest(QStringLiteral("%1 is not a text field").arg(field->objectName()));
    }
}
