#pragma once

#include "platform/Dialogs.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;

// The font dialog: family, size in whole points, the four styles and one of the sixteen
// named colours. Qt's own font dialog has no colour, which the font assistants need.
class FontChoiceDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontChoiceDialog)
public:
    explicit FontChoiceDialog(const FontChoice& initial, QWidget* parent = nullptr);
    FontChoice choice() const;

private:
    void updateSample();

    QFontComboBox* m_family;
    QComboBox* m_size;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QCheckBox* m_underline;
    QCheckBox* m_strikeOut;
    QComboBox* m_color;
    QLabel* m_sample;
};
