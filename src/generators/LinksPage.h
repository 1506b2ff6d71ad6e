#pragma once

#include "generators/TabPage.h"

#include <memory>

class QGridLayout;

// The tab page "Links": a link to a web page or an e-mail address, shown as formatted text
// or as a picture.
class LinksPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinksPage)
public:
    explicit LinksPage(PageServices& services);
    ~LinksPage() override;
    void emptyForNew(NewVariant variant) override;

    // The address kind's prefix and the chosen target; both live for the whole run, New
    // resets neither.
    const QString& LinkPrefix() const { return m_linkPrefix; }
    const QString& LinkTarget() const { return m_linkTarget; }

    // "Zum Quelltext hinzufügen": appends the link.
    void Button1Click();
    // "Link zu Webseite": the address is a web page's.
    void RadioButton17Click();
    // "Link zu E-Mail-Adresse": the address is an e-mail address.
    void RadioButton18Click();
    // "Neues Fenster": the link opens in a new window.
    void RadioButton3Click();
    // "Gleiche Seite": the link opens in its own window.
    void RadioButton4Click();
    // "Zielframe": shows the frame name's field.
    void RadioButton5Click();
    // "Link als Text": shows the text mode's panel.
    void RadioButton15Click();
    // "Link als Bild": shows the picture mode's panel.
    void RadioButton16Click();
    // The folder beside the address: chooses a local page.
    void Image3Click();

private:
    struct Ui;
    void createAddressControls();
    void createTargetControls();
    // One panel for each link mode, and the text format, whose position and spacing serve
    // both.
    void createModeControls();
    void layOut(QGridLayout& grid);
    void connectHandlers();
    void registerFields();
    void showLinkMode(bool asImage);

    std::unique_ptr<Ui> m_ui;
    QString m_linkPrefix;
    QString m_linkTarget;
};
