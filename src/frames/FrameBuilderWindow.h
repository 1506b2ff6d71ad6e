#pragma once

#include "platform/DialogObjects.h"

#include <QWidget>

#include <array>

class CurrentFieldTracker;
class LayoutPanel;
class PageKindBox;
class QLayout;
class QLineEdit;
class QMenu;
class QStackedLayout;
class PageContext;

// "Frames": writes a frameset page from one of four layouts to a file of its own. A chooser
// shows the four layout diagrams; clicking one shows that layout's panel over it.
class FrameBuilderWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrameBuilderWindow)
public:
    explicit FrameBuilderWindow(PageContext& context);

    // Shows the layout chooser: hides the four layout panels and empties their work lists.
    void Frameseiteerstellen1Click();

    // The chooser pictures: two columns, top and two columns, with a bottom, three columns.
    void Image5Click();
    void Image1Click();
    void Image4Click();
    void Image2Click();

    // "Frameseite speichern" of the four panels.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

private:
    // „Seitenart:“ with its choice.
    QLayout* createKindStrip();
    // The prompt and the four layout pictures.
    QWidget* createChooser();
    void createPopupMenu();
    void showPanel(int index);
    // Puts the bare name of a page chosen in the main window's open dialog into the field.
    void pickPage(QLineEdit& pageField);
    // Builds the panel's page into its work list and saves it to a file the user names.
    void savePanel(int index);

    PageContext& m_context;
    CurrentFieldTracker* m_fields;
    // The chooser first, then the four panels; one of them fills the window.
    QStackedLayout* m_pages = nullptr;
    PageKindBox* m_kind = nullptr;
    std::array<LayoutPanel*, 4> m_panels{};
    // Proposes the frameset page saved last, at first "Frameseite.html" in the folder of
    // the main window's page; a save here leaves the main window's proposal alone.
    SaveFileDialog m_saveDialog;
};
