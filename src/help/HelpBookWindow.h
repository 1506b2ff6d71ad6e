#pragma once

#include "help/HelpBook.h"

#include <QWidget>

#include <memory>
#include <span>

class QFont;
class QPushButton;

// What tells the two help windows apart.
struct HelpBookLook {
    const char* objectName; // "TForm3"
    const char* caption;    // window caption, also the heading in large type
    const char* folder;     // folder of the texts
    const char* buttonName; // the closing button
    const char* buttonCaption;
};

// A help window: the heading, the book and a button that hides the window. It opens at the
// size its pages ask for within the screen and can be resized; the text grows with it.
// It keeps no state besides the page it shows; the close box only hides it too.
class HelpBookWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpBookWindow)
public:
    ~HelpBookWindow() override;

    // Shows the window (or brings it to the front) at the page it showed last.
    void showLastPage();
    // The shown page of `PageControl1`.
    QString currentPageName() const;

protected:
    HelpBookWindow(const HelpBookLook& look, std::span<const HelpTopic> topics,
                   const QFont& textFont);

    HelpBook& book() const { return *m_book; }
    // The button that ends the help; the window connects it to its handler.
    QPushButton* closingButton() const { return m_closingButton; }

private:
    std::unique_ptr<HelpBook> m_book;
    QPushButton* m_closingButton;
};
