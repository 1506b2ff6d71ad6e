#pragma once

#include <QWidget>

class WindowSet;

// "Frames": writes a frameset page from one of four layouts to a file of its own.
class FrameBuilderWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrameBuilderWindow)
public:
    explicit FrameBuilderWindow(WindowSet& windows);

    // Shows the layout chooser: hides the four layout panels and empties their work lists.
    void Frameseiteerstellen1Click();
};
