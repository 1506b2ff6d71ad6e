#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QWidget;

// Remembers, for one window, the text field the user last clicked into or whose text last
// changed (CurrentFieldName). The edit commands act on that field, not on the focused one:
// moving the focus with the Tab key changes nothing.
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

signals:
    void currentFieldChanged(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeCurrent(QWidget* field);

    QHash<QString, QWidget*> m_fields;
    QString m_current;
};
