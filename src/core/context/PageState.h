#pragma once

#include "core/generators/PageKind.h"

#include <QObject>
#include <QString>

// Where the page the user builds stands: whether the document start was written, the page's
// own file, the bare name of its last save and whether "Vorschau" may be used.
class PageState final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageState)
public:
    explicit PageState(QObject* parent = nullptr) : QObject(parent) {}

    // False until the general settings have written the document start; "Neu" makes it
    // false again. Setting it ends a change of the settings.
    bool generalSettingsDone() const { return m_generalSettingsDone; }
    void setGeneralSettingsDone(bool done);
    // The same as the page has always shown it: "true" or "false".
    QString GeneralSettingsDone() const;

    // "Einstellungen ändern" opens the written settings for a change, which ends when they
    // are written again or another tab page is chosen. Only written settings can be changed.
    void setChangingSettings(bool changing);
    // Whether the general settings are locked: once written, but while they are changed.
    bool generalSettingsLocked() const { return m_generalSettingsDone && !m_changingSettings; }

    // The file the page was last saved to; it is kept after "Neu", so the save dialog can
    // still open in its folder.
    const QString& ownFile() const { return m_ownFile; }
    // Whether the page is saved under its own file since it was begun ("Speichern" then
    // needs no dialog, and the caption names the file).
    bool hasFile() const { return m_hasFile; }
    const QString& SavedFileName() const { return m_savedFileName; }
    // The main window's caption: "Quillmark", or the file's name after a save; "*" marks
    // unsaved work.
    QString caption(bool unsaved) const;
    // A save of the page to path.
    void saved(const QString& path);
    // "Neu": the page has no file any more; the own file's folder and SavedFileName stay.
    void begunAnew();

    // What the page is written as; each element added follows it.
    PageKind kind() const { return m_kind; }
    void setKind(PageKind kind);

    // The bare name of the file the last preview opened.
    const QString& previewName() const { return m_previewName; }
    void setPreviewName(const QString& name) { m_previewName = name; }

    bool previewEnabled() const { return m_previewEnabled; }
    // Nothing disables the preview again.
    void enablePreview();

signals:
    void generalSettingsDoneChanged(bool done);
    void changingSettingsChanged(bool changing);
    // The page was saved to a file, or begun anew without one.
    void fileChanged();
    void previewEnabledChanged(bool enabled);
    void kindChanged(PageKind kind);

private:
    bool m_generalSettingsDone = false;
    bool m_changingSettings = false;
    QString m_ownFile;
    bool m_hasFile = false;
    QString m_savedFileName;
    QString m_previewName;
    bool m_previewEnabled = false;
    PageKind m_kind = PageKind::Classic;
};
