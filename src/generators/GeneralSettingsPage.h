#pragma once

#include "generators/TabPage.h"

#include <memory>

struct DocumentStart;
class QBoxLayout;

// The tab page "Allgemeine Einstellungen": the page as a whole: title, background, redirect and
// head entries. Its add button writes the document start once; the page then stays locked
// until New.
class GeneralSettingsPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GeneralSettingsPage)
public:
    explicit GeneralSettingsPage(PageServices& services);
    ~GeneralSettingsPage() override;
    void emptyForNew(NewVariant variant) override;

    void Button2Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void Image5Click();
    void Image68Click();
    void Image67Click();
    void CheckBox15Click();
    void RadioButton25Click();
    void RadioButton26Click();
    void CheckBox16Click();
    void CheckBox17Click();
    void CheckBox18Click();
    void Button10Click();
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
    // Answers a mouse press while the page is locked; true when it was one.
    bool lockedPress(const QEvent* event);

    std::unique_ptr<Ui> m_ui;
};
