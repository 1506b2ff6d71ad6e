#pragma once

#include "core/frames/FramesetHtml.h"

#include <QFrame>
#include <QList>

class ClickableLabel;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

// The settings panel of one frame layout: its larger diagram, the page title and border
// width, name, page and size of each frame with a picker beside the page field, the save
// button and the hidden work list the page is built into. Shown, it takes the whole window.
class LayoutPanel final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LayoutPanel)
public:
    // The object names of one frame's controls.
    struct FrameNames {
        Frame frame;
        const char* name;
        const char* page;
        const char* picker;
        const char* size;
    };
    struct Names {
        FrameLayout layout;
        const char* panel;
        const char* diagram;
        const char* diagramArtwork;
        const char* title;
        const char* border;
        const char* button;
        const char* workList;
        QList<FrameNames> frames;
    };
    // A page picker picture and the page field it fills.
    struct Picker {
        ClickableLabel* picture;
        QLineEdit* pageField;
    };

    LayoutPanel(const Names& names, QWidget* parent);

    FrameLayout layout() const { return m_layout; }
    // The current texts of the fields, as the page is built from them.
    FramesetValues values() const;

    QPlainTextEdit& workList() const { return *m_workList; }
    QPushButton& saveButton() const { return *m_saveButton; }
    const QList<Picker>& pickers() const { return m_pickers; }
    // Every text field of the panel.
    const QList<QLineEdit*>& fields() const { return m_fields; }

private:
    struct FrameFields {
        Frame frame;
        QLineEdit* name;
        QLineEdit* page;
        QLineEdit* size;
    };
    // The title, the border width and each frame's fields in columns under their captions.
    QGridLayout* createFields(const Names& names);
    // The diagram and the notes on the sizes.
    QVBoxLayout* createAside(const Names& names);
    QLineEdit* addField(const char* name);

    FrameLayout m_layout;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_border = nullptr;
    QList<FrameFields> m_frames;
    QList<Picker> m_pickers;
    QList<QLineEdit*> m_fields;
    QPlainTextEdit* m_workList = nullptr;
    QPushButton* m_saveButton = nullptr;
};
