#include "generators/PositionPicker.h"

#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Controls;

namespace {

constexpr const char* kArtwork[3] = {"pos_left", "pos_center", "pos_right"};
constexpr const char* kCaptions[3] = {"Links", "Zentriert", "Rechts"};
// What a click on a released picture chooses, and on a pressed one gives up.
constexpr const char* kChoices[3] = {"Linksbündig", "Zentriert", "Rechtsbündig"};
constexpr const char* kReleases[3] = {"Linksbündig aufheben", "Zentrierung aufheben",
                                      "Rechtsbündig aufheben"};
constexpr QSize kPictureSize{23, 22};

} // namespace

PositionPicker::PositionPicker(const PositionPickerNames& names, QWidget* parent)
    : QWidget(parent) {
    auto* row = Layout::nestedRow();
    row->setSpacing(4);
    setLayout(row);
    auto* panel = named<QWidget>(this, names.panel);
    panel->hide();
    auto* panelColumn = Layout::nestedColumn();
    panel->setLayout(panelColumn);
    for (int i = 0; i < 3; ++i) {
        // The pressed twin lies over its released picture, in a cell of the pictures' size.
        auto* cell = new QWidget(this);
        cell->setFixedSize(kPictureSize);
        auto* stack = Layout::nestedGrid();
        cell->setLayout(stack);
        const QString art = QString::fromLatin1(kArtwork[i]);
        m_released[i] = picture(cell, names.released[i], art + QStringLiteral(".png"),
                                QString::fromUtf8(kChoices[i]));
        m_pressed[i] = picture(cell, names.pressed[i], art + QStringLiteral("_pressed.png"),
                               QString::fromUtf8(kReleases[i]));
        m_pressed[i]->hide();
        stack->addWidget(m_released[i], 0, 0);
        stack->addWidget(m_pressed[i], 0, 0);
        row->addWidget(cell);
        m_radios[i] =
            named<QRadioButton>(panel, names.radios[i], QString::fromLatin1(kCaptions[i]));
        panelColumn->addWidget(m_radios[i]);
        // The choice can be released again, so the buttons do not keep one checked.
        m_radios[i]->setAutoExclusive(false);
        connect(m_released[i], &ClickableLabel::clicked, this, [this, i] { choose(i); });
        connect(m_pressed[i], &ClickableLabel::clicked, this, [this, i] { release(i); });
    }
    row->addStretch(1);
}

Position PositionPicker::position() const {
    constexpr Position kPositions[3] = {Position::Left, Position::Center, Position::Right};
    for (int i = 0; i < 3; ++i) {
        if (m_radios[i]->isChecked())
            return kPositions[i];
    }
    return Position::None;
}

void PositionPicker::setReleasedVisible(bool visible) {
    for (ClickableLabel* picture : m_released)
        picture->setVisible(visible);
}

void PositionPicker::choose(int index) {
    for (int i = 0; i < 3; ++i) {
        const bool chosen = i == index;
        m_pressed[i]->setVisible(chosen);
        if (!chosen)
            m_released[i]->show();
        m_radios[i]->setChecked(chosen);
    }
    m_pressed[index]->raise();
}

void PositionPicker::release(int index) {
    m_pressed[index]->hide();
    m_released[index]->show();
    for (int i = 0; i < 3; ++i) {
        if (i != index)
            m_released[i]->show();
    }
    m_radios[index]->setChecked(false);
}
