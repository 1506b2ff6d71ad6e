#pragma once

#include "app/WindowSet.h"
#include "context/PageContext.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <memory>

// Fails the running test function with the message and leaves it: the test runner reports
// the failure and goes on with the next function.
[[noreturn]] void failTest(const QString& message);

// A fresh window set with scripted dialogs, built for one test function and thrown away
// after it. Controls are found by window and object name, as the user sees them.
class Fixture final {
public:
    Fixture();
    ~Fixture();

    ScriptedDialogs dialogs;
    RecordingOpener opener;
    WindowSet& windows() { return *m_windows; }

    QWidget* window(const QString& windowName) const;

    template <typename T = QWidget>
    T* control(const QString& windowName, const QString& name) const {
        QWidget* top = window(windowName);
        if (!top)
            return nullptr;
        if (top->objectName() == name)
            return qobject_cast<T*>(top);
        return top->findChild<T*>(name);
    }

    // Finds a control or fails the test.
    template <typename T = QWidget> T& get(const QString& windowName, const QString& name) const {
        T* found = control<T>(windowName, name);
        if (!found)
            failTest(
                QStringLiteral("no control %1 of the type asked for in %2").arg(name, windowName));
        return *found;
    }

    // Runs steps separated by '|' on a window's controls: "Edit1=Start" types into a field,
    // a name alone is clicked.
    void act(const QString& windowName, const QString& steps) const;
    void act(const QString& windowName, const QStringList& steps) const;

    // Triggers a menu action or pop-up action of a window by its object name.
    void trigger(const QString& windowName, const QString& actionName) const;

    // The page source's lines.
    QStringList sourceLines() const;
    // Puts lines into the page source as if the user had typed them (each line ended).
    void setSourceLines(const QStringList& lines);

    // Closes the welcome panel and writes the general settings with an empty title, so that
    // the other tabs can be used without the tab warning.
    void startPage();

    // Answers "Ja" when "Error 407" asks whether unsaved work may go.
    void confirmDiscard() const;

    // The status bar's notice, or an empty text while only "Quillmark" shows.
    QString statusNotice() const;

private:
    std::unique_ptr<WindowSet> m_windows;
};

// Clicks a widget with the left button at its centre.
void click(QWidget* widget);
// A file's bytes, or none when it cannot be read.
QByteArray fileBytes(const QString& path);
// Writes the bytes as the whole file, or fails the test.
void writeBytes(const QString& path, const QByteArray& bytes);

// A field's text as shown: a line edit's, a plain text edit's, a combo box's, or "checked" /
// "unchecked" for a check box or radio button.
QString textOf(QWidget* field);
// Replaces a line edit's, plain text edit's or editable combo box's text as typed.
void typeInto(QWidget* field, const QString& text);
