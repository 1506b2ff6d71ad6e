#pragma once

#include <QWidget>

class WindowSet;

// "Formulare": writes an HTML form, question by question, into the page source.
class FormBuilderWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FormBuilderWindow)
public:
    explicit FormBuilderWindow(WindowSet& windows);

    // Shows the builder on its first page and empties the fields an opening empties.
    void open();
};
