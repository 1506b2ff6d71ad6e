#include "commands/RecoveryRecorder.h"

#include "core/context/RecoveryFolder.h"

#include <QTextDocument>

RecoveryRecorder::RecoveryRecorder(QTextDocument& document, RecoveryFolder& folder,
                                   RecoveryCopy::Window window,
                                   std::function<RecoverySnapshot()> snapshot, QObject* parent)
    : QObject(parent), m_document(document), m_folder(folder), m_window(window),
      m_snapshot(std::move(snapshot)) {
    m_interval.setInterval(kInterval);
    m_afterChange.setInterval(kAfterChange);
    m_afterChange.setSingleShot(true);
    connect(&m_interval, &QTimer::timeout, this, &RecoveryRecorder::RecoveryTimerTimer);
    connect(&m_afterChange, &QTimer::timeout, this, &RecoveryRecorder::RecoveryTimerTimer);
    connect(&document, &QTextDocument::contentsChanged, this, &RecoveryRecorder::textChanged);
    connect(&document, &QTextDocument::modificationChanged, this,
            &RecoveryRecorder::modificationChanged);
}

void RecoveryRecorder::textChanged() {
    // Emptied for "Neu", a text counts as saved without a word of it.
    if (!m_document.isModified()) {
        dropCopy();
        return;
    }
    // Typing only marks the text; the interval copies it.
    m_changed = true;
    if (!m_interval.isActive())
        m_interval.start();
}

void RecoveryRecorder::programChanged() {
    if (m_document.isModified())
        m_afterChange.start(kAfterChange);
}

void RecoveryRecorder::modificationChanged(bool unsaved) {
    if (unsaved) {
        textChanged();
        m_afterChange.start(kAfterChange);
        return;
    }
    dropCopy();
}

void RecoveryRecorder::dropCopy() {
    // Saved, begun anew or undone back to the saved text: nothing is left to recover.
    m_changed = false;
    m_interval.stop();
    m_afterChange.stop();
    if (m_copied)
        m_folder.forget(m_window);
    m_copied = false;
}

void RecoveryRecorder::RecoveryTimerTimer() {
    if (!m_changed || !m_document.isModified())
        return;
    if (m_sinceCopy.isValid() && m_sinceCopy.elapsed() < kLeastApart) {
        m_afterChange.start(int(kLeastApart - m_sinceCopy.elapsed()));
        return;
    }
    m_changed = false;
    m_sinceCopy.start();
    m_copied = true;
    m_folder.record(m_window, m_snapshot());
}
