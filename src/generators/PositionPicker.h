#pragma once

#include "core/generators/TextFormatHtml.h"

#include <QWidget>
#include <array>

class ClickableLabel;
class QRadioButton;

// The object names of one picker's pictures and radio buttons, in the order left, centre,
// right, and of the hidden panel that holds the radio buttons.
struct PositionPickerNames {
    std::array<const char*, 3> released;
    std::array<const char*, 3> pressed;
    std::array<const char*, 3> radios;
    const char* panel;
};

// Left, centred or right alignment chosen with pictures that stay pressed: three released
// pictures side by side, a pressed twin over each, and three hidden radio buttons that
// hold the choice. Clicking the pressed choice again returns to no position.
class PositionPicker final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PositionPicker)
public:
    explicit PositionPicker(const PositionPickerNames& names, QWidget* parent = nullptr);

    Position position() const;
    // Shows or hides the three released pictures (a pressed choice stays as it is).
    void setReleasedVisible(bool visible);
    ClickableLabel* released(int index) const { return m_released[index]; }
    ClickableLabel* pressed(int index) const { return m_pressed[index]; }

private:
    void choose(int index);
    void release(int index);

    std::array<ClickableLabel*, 3> m_released{};
    std::array<ClickableLabel*, 3> m_pressed{};
    std::array<QRadioButton*, 3> m_radios{};
};
