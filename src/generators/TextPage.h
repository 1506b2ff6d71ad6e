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
    // it took the key. In a modern page the key breaks the line at the caret.
    bool Memo1KeyDown(int key);
    // "↵": appends a line break to the page: a "<br>" line, or in a modern page a line
    // break at the end of the text.
    void Image2Click();
    // "Leerzeichen": appends a no-break space to the page: an "&nbsp;" line, or in a modern
    // page the character at the end of the text.
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
    // Puts the text after everything in Memo1, on its last line, and the caret behind it.
    void appendToMemo(const QString& text);

    std::unique_ptr<Ui> m_ui;
};
