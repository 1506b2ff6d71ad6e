#pragma once

#include <QWidget>

class CurrentFieldTracker;
class QMenu;
class QTabWidget;
class PageContext;

// "Formulare": writes an HTML form, question by question, into the page source.
class FormBuilderWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FormBuilderWindow)
public:
    explicit FormBuilderWindow(PageContext& context);

    // Shows the builder on its first page and empties the fields an opening empties.
    void open();

    // The field the pop-up edit commands act on (CurrentFieldName).
    const CurrentFieldTracker& fields() const { return *m_fields; }

private:
    void createPopupMenu();
    void trackFields();
    QWidget* control(const char* name) const;

    QTabWidget* m_form5;
    CurrentFieldTracker* m_fields;
};
