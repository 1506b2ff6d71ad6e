#include "support/Fixture.h"

#include "context/PageContext.h"
#include "publish/PublishWindow.h"
#include "support/ScriptedKeyring.h"
#include "ui/PanelStatusBar.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextCursor>

void recordFailure(const QString& message, std::source_location where) {
    QTest::qFail(qPrintable(message), where.file_name(), int(where.line()));
}

namespace {

// Each test program keeps its settings in a folder of its own, and every fixture starts with
// none, so that tests running side by side or one after the other never see each other's
// choices, nor the user's.
void startWithoutSettings() {
    static const QTemporaryDir folder;
    static const bool placed = [] {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        return true;
    }();
    Q_UNUSED(placed)
    QSettings().clear();
}

} // namespace

Fixture::Fixture(WindowSet::Start start) {
    startWithoutSettings();
    // Copies of unsaved work stay in the fixture's own folder, never seen by another test.
    m_windows = std::make_unique<WindowSet>(dialogs, opener, start,
                                            m_data.path() + QStringLiteral("/wiederherstellen"));
    // Passwords, trusted servers and upload records never reach the user's own.
    m_windows->publish().useStores(std::make_unique<ScriptedKeyring>(keyring, keyringAvailable),
                                   m_data.path());
}

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

void Fixture::reportMissing(const QString& windowName, const QString& name, const char* typeName,
                            std::source_location where) const {
    const QWidget* top = window(windowName);
    if (!top) {
        recordFailure(QStringLiteral("no window %1 to find %2 in").arg(windowName, name), where);
        return;
    }
    const QObject* other = top->objectName() == name ? top : top->findChild<QObject*>(name);
    if (other) {
        recordFailure(QStringLiteral("%1 in %2 is a %3, not a %4")
                          .arg(name, windowName, QLatin1String(other->metaObject()->className()),
                               QLatin1String(typeName)),
                      where);
        return;
    }
    recordFailure(
        QStringLiteral("no %1 named %2 in %3").arg(QLatin1String(typeName), name, windowName),
        where);
}

void Fixture::trigger(const QString& windowName, const QString& actionName,
                      std::source_location where) const {
    if (QAction* action = find<QAction>(windowName, actionName, where))
        action->trigger();
}

void Fixture::act(const QString& windowName, const QString& steps,
                  std::source_location where) const {
    act(windowName, steps.split(u'|', Qt::SkipEmptyParts), where);
}

void Fixture::act(const QString& windowName, const QStringList& steps,
                  std::source_location where) const {
    for (const QString& step : steps) {
        const qsizetype eq = step.indexOf(u'=');
        QWidget* target = find(windowName, eq < 0 ? step : step.left(eq), where);
        if (!target)
            return;
        if (eq < 0)
            click(target, where);
        else
            typeInto(target, step.mid(eq + 1), where);
    }
}

QStringList Fixture::sourceLines() const {
    return m_windows->context().document.lines();
}

void Fixture::setSourceLines(const QStringList& lines, std::source_location where) {
    if (auto* memo = find<QPlainTextEdit>(QStringLiteral("TForm2"), QStringLiteral("Memo2"), where))
        typeInto(memo, lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n', where);
}

void Fixture::startPage(std::source_location where) {
    act(QStringLiteral("TForm2"), QStringList{QStringLiteral("Button9"), QStringLiteral("Button2")},
        where);
}

void Fixture::confirmDiscard(std::source_location where) const {
    const QWidget* question = window(QStringLiteral("TForm10"));
    if (!question) {
        recordFailure(QStringLiteral("no window TForm10 to confirm in"), where);
        return;
    }
    if (!question->isVisible())
        return;
    if (auto* yes = find<QPushButton>(QStringLiteral("TForm10"), QStringLiteral("Button1"), where))
        click(yes, where);
}

QString Fixture::statusNotice(std::source_location where) const {
    const auto* bar =
        find<PanelStatusBar>(QStringLiteral("TForm2"), QStringLiteral("StatusBar2"), where);
    return bar && bar->panelCount() > 1 ? bar->panelText(1) : QString();
}

void click(QWidget* widget, std::source_location where) {
    if (!widget) {
        recordFailure(QStringLiteral("click on a missing control"), where);
        return;
    }
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

void writeBytes(const QString& path, const QByteArray& bytes, std::source_location where) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        recordFailure(QStringLiteral("cannot write %1").arg(path), where);
}

QString textOf(QWidget* field, std::source_location where) {
    if (auto* line = qobject_cast<QLineEdit*>(field))
        return line->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        return memo->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(field))
        return combo->currentText();
    if (auto* box = qobject_cast<QAbstractButton*>(field))
        return box->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
    recordFailure(field ? QStringLiteral("%1 has no text").arg(field->objectName())
                        : QStringLiteral("text of a missing control"),
                  where);
    return {};
}

void typeInto(QWidget* field, const QString& text, std::source_location where) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->setText(text);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
        // One edit, as a paste over the whole text would be: it changes the document.
        QTextCursor cursor(memo->document());
        cursor.beginEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.insertText(text);
        cursor.endEditBlock();
    } else if (auto* count = qobject_cast<QSpinBox*>(field)) {
        // A number box keeps what is typed within its range.
        count->setValue(text.toInt());
    } else if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->isEditable()) {
        combo->setEditText(text);
    } else if (combo && combo->findText(text) >= 0) {
        // A choice box takes only its own items, as a user picks them.
        combo->setCurrentIndex(combo->findText(text));
        emit combo->activated(combo->currentIndex());
    } else {
        recordFailure(field ? QStringLiteral("%1 is not a text field").arg(field->objectName())
                            : QStringLiteral("typing into a missing control"),
                      where);
    }
}
