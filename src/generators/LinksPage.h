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

    void Button1Click();
    void RadioButton17Click();
    void RadioButton18Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void RadioButton15Click();
    void RadioButton16Click();
    void Image3Click();
    void Image4Click();
    void CheckBox4Click();

private:
    struct Ui;
    void createAddressControls(QGridLayout& grid);
    void createTextModeControls(QGridLayout& grid);
    void createImageModeControls(QGridLayout& grid);
    // The text format, whose position and spacing serve both modes.
    void createSharedControls(QGridLayout& grid);
    void connectHandlers();
    void registerFields();
    void showLinkMode(bool asImage);

    std::unique_ptr<Ui> m_ui;
    QString m_linkPrefix;
    QString m_linkTarget;
};
