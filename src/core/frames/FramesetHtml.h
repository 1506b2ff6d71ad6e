#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The four fixed frame layouts a frameset page is written from.
enum class FrameLayout {
    TwoColumns,            // A left, B right
    TopTwoColumns,         // C across the top; A and B below it
    TopTwoColumnsBottom,   // C on top; A and B; D across the bottom
    TopThreeColumnsBottom, // C on top; A, B and E; D across the bottom
};

// The frames by the letters the layout diagrams give them.
enum class Frame { A, B, C, D, E };

// One frame as typed: its name, the page it shows and its size (a width for A, B and E, a
// height for C and D), each as written into the page.
struct FrameValues {
    QString name;
    QString page;
    QString size;
};

struct FramesetValues {
    QString title;
    QString border;
    std::array<FrameValues, 5> frames;

    FrameValues& frame(Frame which) { return frames[static_cast<size_t>(which)]; }
    const FrameValues& frame(Frame which) const { return frames[static_cast<size_t>(which)]; }
};

namespace FramesetHtml {

// The whole frameset page of a layout, one text per line: the head, the framesets with
// their frames and "</html>". Frames the layout does not have are not read.
QStringList page(FrameLayout layout, const FramesetValues& values);

// The same layout as one modern page: the head of every modern page with the rules of a grid
// that fills the window, and in its body one "<iframe src=… name=…>" per frame, so that links
// aimed at a frame's name still open there. The frames' sizes as typed for a frameset: digits
// are pixels, "30%" a share of the window, "*" or "2*" a share of the rest; anything else, an
// empty size too, is one share of the rest. The border is the frames' border in pixels.
QStringList modernPage(FrameLayout layout, const FramesetValues& values);

} // namespace FramesetHtml
