#pragma once

#include "generators/TabPage.h"

#include <memory>

class QLayout;

// The tab page "Text": a formatted paragraph of text.
class TextPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextPage)
public:
    explicit TextPage(PageServices& services);
    ~TextPage() override;
    void emptyForNew(NewVariant variant) override;

    // "Zum Quelltext hinzufügen": appends the formatted text.
    void Button4Click();
    // Enter adds a "<br>" line at the end of the text and breaks the line there; true when
    // it took the key.
    bool Memo1KeyDown(int key);
    // "↵": appends a line break to the page.
    void Image2Click();
    // "Leerzeichen": appends a no-break space to the page.
    void Label61Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Ui;
    // The caption, the text field and the helpers beside it.
    QLayout* createTextArea();
    void connectCommands();
    // Puts a line of its own after everything in Memo1 and leaves the caret behind it.
    void appendMemoLine(const QString& line);

    std::unique_ptr<Ui> m_ui;
};
