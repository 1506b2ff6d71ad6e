#pragma once

#include <QWidget>

class Dialogs;
class PageContext;
class QLabel;
class QLineEdit;

// Where the pages of the form builder put their controls: the question and its answers on
// the left, the format of the question on the right, the add button at the bottom right.
namespace FormLayout {
inline constexpr int kLeft = 16;
inline constexpr int kLeftWidth = 420;
inline constexpr int kRight = 480;
inline constexpr int kRightField = 660;
// A text field of the right column; the picture beside it ends where the buttons end.
inline constexpr int kRightFieldWidth = 180;
inline constexpr int kButtonWidth = kRightFieldWidth + 26;
inline constexpr int kRowHeight = 24;
inline constexpr QRect kAddButton{kRightField, 448, kButtonWidth, 30};
} // namespace FormLayout

// One tab page of the form builder. Its commands write into the main window's page source
// and post their notices in the main window's status bar.
class FormPage : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FormPage)
public:
    FormPage(PageContext& context, const char* objectName, const QString& caption);
    const QString& tabCaption() const { return m_caption; }
    // Where the page's controls go.
    QWidget* content() { return this; }

protected:
    PageContext& context() const { return m_context; }
    // Where the conversion message of a bad blank-line count is shown.
    Dialogs& ask() const;
    // Writes the lines as one edit of the page source and posts the name as added.
    void write(const QStringList& lines, const QString& noticeName) const;

private:
    PageContext& m_context;
    QString m_caption;
};

namespace Controls {

// The caption "Frage:" and the question field in the left column.
QLineEdit* questionField(QWidget* page, const char* name);

// A caption vertically centred on a row of fields that starts at rowY.
QLabel* rowCaption(QWidget* parent, const char* name, const QString& text, int x, int rowY);
// A caption in bold that heads a group of controls.
QLabel* heading(QWidget* parent, const char* name, const QString& text, int x, int y);

} // namespace Controls
