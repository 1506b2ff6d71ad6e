#pragma once

#include "generators/TabPage.h"

#include <memory>

struct DocumentStart;
class QBoxLayout;

// The tab page "Allgemeine Einstellungen": the page as a whole: title, background, redirect and
// head entries. Its add button writes the document start; the settings then show the page's
// own and stay locked until New, or until "Einstellungen ändern" opens them for one change,
// which the add button writes in place of the start.
class GeneralSettingsPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GeneralSettingsPage)
public:
    explicit GeneralSettingsPage(PageServices& services);
    ~GeneralSettingsPage() override;
    void emptyForNew(NewVariant variant) override;
    // The settings show those of a page opened with its start.
    void showOpenedPage() override;

    // "Zum Quelltext hinzufügen": writes the document start, or writes it again in place of
    // the page's own, and locks the settings.
    void Button2Click();
    // "Einstellungen ändern": shows the page's settings as they stand now and opens them for a
    // change.
    void Button45Click();
    // "Hintergrundfarbe": shows the colour field and its assistant, hides the picture.
    void RadioButton1Click();
    // "Hintergrundbild": shows the picture field and its folder, hides the colour.
    void RadioButton2Click();
    // The folder beside the background picture: chooses a picture.
    void Image5Click();
    // The folder beside the redirect target: chooses a local page.
    void Image68Click();
    // The folder beside the icon: chooses the icon's picture.
    void Image67Click();
    // "Weiterleitung einbauen": shows the choice of a local or an external target.
    void CheckBox15Click();
    // "lokaler Link": the target field with its folder.
    void RadioButton25Click();
    // "externer Link": the target field with its "http://" label.
    void RadioButton26Click();
    // The search words: shows or hides their field.
    void CheckBox16Click();
    // "Autor in Quelltext einbauen": shows or hides the author's field.
    void CheckBox17Click();
    // "Icon in Adresszeile einbauen": shows or hides the icon's field and folder.
    void CheckBox18Click();
    // "Farbenassistent": chooses the background colour.
    void Button10Click();
    // The title changed: the save dialog proposes a file named after it.
    void Edit1Change();

protected:
    // A press anywhere on the locked page shows "Error 305".
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Ui;
    void createBackgroundGroup(QBoxLayout& column);
    void createRedirectGroup(QBoxLayout& column);
    void createHeadGroup(QBoxLayout& column);
    void connectCommands();
    DocumentStart readDocumentStart() const;
    void showDocumentStart(const DocumentStart& start);
    // The settings the page's own start holds.
    void showPageSettings();
    // The page's start gives way to lines, with the status notice of the first add.
    bool rewriteStart(const QStringList& lines, const QString& name);
    // The settings usable or locked, "Einstellungen ändern" shown once they are written.
    void showLock();
    // Answers a mouse press on target while the settings are locked; true when it was one.
    bool lockedPress(const QObject* target, const QEvent* event);

    std::unique_ptr<Ui> m_ui;
};
