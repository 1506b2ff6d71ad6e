#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class FocusKeyWatcher;
class QWidget;

// Remembers, for one window, the field the user works in (CurrentFieldName): the text field
// last clicked into, last changed, or last reached with Tab, Shift+Tab or a mnemonic. The
// edit commands act on that field. Focus that Qt moves on its own (away from a widget that is
// hidden or disabled, on a page switch, when a window is activated) changes nothing.
class CurrentFieldTracker final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CurrentFieldTracker)
public:
    explicit CurrentFieldTracker(QObject* parent = nullptr);

    // Tracks a QLineEdit, a QPlainTextEdit or an editable QComboBox by its object name.
    void track(QWidget* field);
    template <typename... Fields> void track(QWidget* first, Fields*... rest) {
        track(first);
        (track(rest), ...);
    }

    const QString& CurrentFieldName() const { return m_current; }
    // The current field, or nullptr while none has been made current.
    QWidget* currentField() const;
    // Makes a tracked field the current one, as a click into it does.
    void makeCurrent(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QString, QWidget*> m_fields;
    QString m_current;
    // Tells in which window a key that moves the focus is being pressed.
    FocusKeyWatcher* m_keys;
};
