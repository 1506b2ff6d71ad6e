#pragma once

#include "app/WindowSet.h"
#include "context/PageContext.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>
#include <source_location>

// Records that the running test function failed, at the place given, and returns: nothing is
// thrown, so the caller leaves on its own and the next test function still runs. (Qt 6.4 ends
// the whole test program on an exception out of a test function.)
void recordFailure(const QString& message,
                   std::source_location where = std::source_location::current());

// Declares `Type* var`, the control of that type named `name` in the fixture's window
// `windowName`. When there is none, the failure is recorded (both names in the message) and
// the test function returns. Use it as a statement of its own, ended with a semicolon:
//     FIND(memo, QPlainTextEdit, f, "TForm2", "Memo2");
#define FIND(var, Type, fixture, windowName, name)                                                 \
    Type* const var = (fixture).find<Type>(windowName, name);                                      \
    if (!var)                                                                                      \
    return

// The same for a helper that returns a value: it returns `fallback` when the control is
// missing.
#define FIND_OR(var, Type, fixture, windowName, name, fallback)                                    \
    Type* const var = (fixture).find<Type>(windowName, name);                                      \
    if (!var)                                                                                      \
    return fallback

// A fresh window set with scripted dialogs, built for one test function and thrown away
// after it. Controls are found by window and object name, as the user sees them.
class Fixture final {
public:
    // Hidden, every window waits to be shown by the test; Shown, the set starts as the program
    // does.
    explicit Fixture(WindowSet::Start start = WindowSet::Start::Hidden);
    ~Fixture();

    ScriptedDialogs dialogs;
    RecordingOpener opener;
    // What the publishing window's keyring holds, and whether the desktop has one.
    QMap<QString, QString> keyring;
    bool keyringAvailable = true;
    WindowSet& windows() { return *m_windows; }

    QWidget* window(const QString& windowName) const;

    // The control, or null without a word: for asking whether a control is there.
    template <typename T = QWidget>
    T* control(const QString& windowName, const QString& name) const {
        QWidget* top = window(windowName);
        if (!top)
            return nullptr;
        if (top->objectName() == name)
            return qobject_cast<T*>(top);
        return top->findChild<T*>(name);
    }

    // The control, or null with the failure recorded at the caller's place. FIND and FIND_OR
    // wrap it; call it directly where a helper goes on with a null control.
    template <typename T = QWidget>
    T* find(const QString& windowName, const QString& name,
            std::source_location where = std::source_location::current()) const {
        T* found = control<T>(windowName, name);
        if (!found)
            reportMissing(windowName, name, T::staticMetaObject.className(), where);
        return found;
    }

    // Runs steps separated by '|' on a window's controls: "Edit1=Start" types into a field,
    // a name alone is clicked. A missing control fails the test and ends the steps.
    void act(const QString& windowName, const QString& steps,
             std::source_location where = std::source_location::current()) const;
    void act(const QString& windowName, const QStringList& steps,
             std::source_location where = std::source_location::current()) const;

    // Triggers a menu action or pop-up action of a window by its object name.
    void trigger(const QString& windowName, const QString& actionName,
                 std::source_location where = std::source_location::current()) const;

    // The page source's lines.
    QStringList sourceLines() const;
    // Puts lines into the page source as if the user had typed them (each line ended).
    void setSourceLines(const QStringList& lines,
                        std::source_location where = std::source_location::current());

    // Closes the welcome panel and writes the general settings with an empty title, so that
    // the other tabs can be used without the tab warning.
    void startPage(std::source_location where = std::source_location::current());

    // Answers "Ja" when "Error 407" asks whether unsaved work may go.
    void confirmDiscard(std::source_location where = std::source_location::current()) const;

    // The status bar's notice, or an empty text while only "Quillmark" shows.
    QString statusNotice(std::source_location where = std::source_location::current()) const;

private:
    void reportMissing(const QString& windowName, const QString& name, const char* typeName,
                       std::source_location where) const;

    QTemporaryDir m_data;
    std::unique_ptr<WindowSet> m_windows;
};

// Each of these records a failure and does nothing more when its control is missing.

// Clicks a widget with the left button at its centre.
void click(QWidget* widget, std::source_location where = std::source_location::current());
// A file's bytes, or none when it cannot be read.
QByteArray fileBytes(const QString& path);
// Writes the bytes as the whole file, or fails the test.
void writeBytes(const QString& path, const QByteArray& bytes,
                std::source_location where = std::source_location::current());

// A field's text as shown: a line edit's, a plain text edit's, a combo box's, or "checked" /
// "unchecked" for a check box or radio button; empty for anything else.
QString textOf(QWidget* field, std::source_location where = std::source_location::current());
// Replaces a line edit's, plain text edit's or editable combo box's text as typed, or sets a
// number box to the number.
void typeInto(QWidget* field, const QString& text,
              std::source_location where = std::source_location::current());
