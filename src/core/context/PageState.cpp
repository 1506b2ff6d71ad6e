#include "core/context/PageState.h"

#include "core/platform/BareFileName.h"

void PageState::setGeneralSettingsDone(bool done) {
    if (done != m_generalSettingsDone) {
        m_generalSettingsDone = done;
        emit generalSettingsDoneChanged(done);
    }
    setChangingSettings(false);
}

void PageState::setChangingSettings(bool changing) {
    changing = changing && m_generalSettingsDone;
    if (changing == m_changingSettings)
        return;
    m_changingSettings = changing;
    emit changingSettingsChanged(changing);
}

QString PageState::GeneralSettingsDone() const {
    return m_generalSettingsDone ? QStringLiteral("true") : QStringLiteral("false");
}

QString PageState::caption(bool unsaved) const {
    return WindowCaption(QStringLiteral("Quillmark"), m_hasFile ? m_ownFile : QString(), unsaved);
}

void PageState::saved(const QString& path) {
    m_ownFile = path;
    m_savedFileName = BareFileName(path);
    m_hasFile = true;
    emit fileChanged();
}

void PageState::begunAnew() {
    m_hasFile = false;
    emit fileChanged();
}

void PageState::enablePreview() {
    if (m_previewEnabled)
        return;
    m_previewEnabled = true;
    emit previewEnabledChanged(true);
}

void PageState::setKind(PageKind kind) {
    if (kind == m_kind)
        return;
    m_kind = kind;
    emit kindChanged(kind);
}
