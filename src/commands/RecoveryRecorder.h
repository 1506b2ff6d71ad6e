#pragma once

#include "core/context/RecoveryCopy.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

class QTextDocument;
class RecoveryFolder;

// Keeps a copy of one window's unsaved work in the recovery folder: every 30 seconds while
// the text changes, and 2 seconds after a change, but never more than once a second. Once
// the work is saved, begun anew or undone back to the saved text, the copy goes.
class RecoveryRecorder final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecoveryRecorder)
public:
    // snapshot takes what the copy is made of, on the window's thread.
    RecoveryRecorder(QTextDocument& document, RecoveryFolder& folder, RecoveryCopy::Window window,
                     std::function<RecoverySnapshot()> snapshot, QObject* parent = nullptr);

    static constexpr int kInterval = 30000;
    static constexpr int kAfterChange = 2000;
    static constexpr int kLeastApart = 1000;

    // Writes a copy when the text changed since the last one.
    void RecoveryTimerTimer();
    // A change the program made (an add, a page taken up): a copy follows soon.
    void programChanged();

    QTimer& interval() { return m_interval; }
    QTimer& afterChange() { return m_afterChange; }

private:
    void textChanged();
    void modificationChanged(bool unsaved);
    void dropCopy();

    QTextDocument& m_document;
    RecoveryFolder& m_folder;
    RecoveryCopy::Window m_window;
    std::function<RecoverySnapshot()> m_snapshot;
    QTimer m_interval;
    QTimer m_afterChange;
    // Since the last copy was taken; invalid before the first.
    QElapsedTimer m_sinceCopy;
    // Whether the text changed since the last copy.
    bool m_changed = false;
    // Whether a copy was asked for since the text was last saved.
    bool m_copied = false;
};
