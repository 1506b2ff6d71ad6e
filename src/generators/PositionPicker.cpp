#include "generators/PositionPicker.h"

#include "ui/ClickableLabel.h"
#include "ui/Place.h"

#include <QRadioButton>
#include <QWidget>

using namespace Controls;

namespace {

constexpr const char* kArtwork[3] = {"pos_left", "pos_center", "pos_right"};
constexpr const char* kCaptions[3] = {"Links", "Zentriert", "Rechts"};
// What a click on a released picture chooses, and on a pressed one gives up.
constexpr const char* kChoices[3] = {"Linksbündig", "Zentriert", "Rechtsbündig"};
constexpr const char* kReleases[3] = {"Linksbündig aufheben", "Zentrierung aufheben",
                                      "Rechtsbündig aufheben"};
constexpr int kWidth = 23;
constexpr int kHeight = 22;
constexpr int kGap = 4;

} // namespace

PositionPicker::PositionPicker(QWidget* parent, const PositionPickerNames& names, QPoint topLeft)
    : QObject(parent) {
    auto* panel = place<QWidget>(parent, names.panel, QRect(0, 0, 90, 60));
    panel->hide();
    for (int i = 0; i < 3; ++i) {
        const QRect geometry(topLeft.x() + i * (kWidth + kGap), topLeft.y(), kWidth, kHeight);
        const QString art = QString::fromLatin1(kArtwork[i]);
        m_released[i] = picture(parent, names.released[i], geometry, art + QStringLiteral(".png"),
                                QString::fromUtf8(kChoices[i]));
        m_pressed[i] =
            picture(parent, names.pressed[i], geometry, art + QStringLiteral("_pressed.png"),
                    QString::fromUtf8(kReleases[i]));
        m_pressed[i]->hide();
        m_radios[i] = place<QRadioButton>(panel, names.radios[i], QRect(0, i * 20, 90, 20),
                                          QString::fromLatin1(kCaptions[i]));
        // The choice can be released again, so the buttons do not keep one checked.
        m_radios[i]->setAutoExclusive(false);
        connect(m_released[i], &ClickableLabel::clicked, this, [this, i] { choose(i); });
        connect(m_pressed[i], &ClickableLabel::clicked, this, [this, i] { release(i); });
    }
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
