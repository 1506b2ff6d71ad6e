#pragma once

#include "context/NewVariant.h"

#include <QObject>
#include <QString>

class Navigation;
class PageContext;

// The main window's file commands and their toolbar pictures: start anew, open a saved page,
// save, preview, print and end.
class FileCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FileCommands)
public:
    FileCommands(PageContext& context, Navigation& navigation, QObject* parent = nullptr);

    void NeuClick();
    void ffnen1Click();
    void Image6Click();
    void SpeichernClick();
    void Speichern1Click();
    // "Speichern": false when the user cancelled the name or the save failed.
    bool save();
    void VorschauClick();
    void Drucken1Click();
    void Beenden1Click();

signals:
    // "Neu" empties the page: the tab pages empty the fields that this variant empties.
    void pageBegunAnew(NewVariant variant);

private:
    void startNew(NewVariant variant);
    void emptyPage(NewVariant variant);
    void openPage();
    // "Speichern unter...": false when the user cancelled or the save failed.
    bool saveAs();
    // A page that is only shown is not saved: true, after the notice, for such a page.
    bool refusedAsOnlyShown();
    // Closes the page and writes it; false (after the error message) when it failed.
    bool writePage(const QString& path);

    PageContext& m_context;
    Navigation& m_navigation;
};
