#include "ui/KeyboardReach.h"

#include "ui/AltLetters.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <numeric>
#include <tuple>

namespace KeyboardReach {
namespace {

constexpr char kAddButton[] = "addButton";

bool isAddButton(const QWidget* control) {
    return qobject_cast<const QAbstractButton*>(control) && control->property(kAddButton).toBool();
}

bool takesTab(const QWidget* control) {
    return (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// A control that takes typing or a choice and has no caption of its own.
bool isField(const QWidget* control) {
    return takesTab(control) &&
           (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QComboBox*>(control) ||
            qobject_cast<const QAbstractSpinBox*>(control) ||
            qobject_cast<const QAbstractScrollArea*>(control) ||
            qobject_cast<const QAbstractSlider*>(control));
}

// A caption in words, which can lead to the field after it; a heading (in bold) heads more
// than the field after it.
QLabel* wordCaption(QWidget* control) {
    auto* label = qobject_cast<QLabel*>(control);
    const bool words = label && !label->text().isEmpty() && label->textFormat() != Qt::RichText;
    return words && !label->font().bold() ? label : nullptr;
}

// The labels, buttons and fields of an area in the order a reader meets them: a layout's
// rows top to bottom, each left to right, and what a grid cell spanning several rows holds
// after the other cells of its last row that stand left of it. Controls no layout places
// follow their layout's. The areas apart (tab pages) are left out.
class ReadingOrder {
public:
    ReadingOrder(QWidget& area, const QSet<QWidget*>& apart) : m_apart(apart) {
        m_seen.insert(&area);
        if (auto* scrolling = qobject_cast<QScrollArea*>(&area))
            visit(scrolling->widget());
        else
            visitChildren(area);
    }
    QList<QWidget*> controls;

private:
    void visit(QWidget* widget) {
        if (!widget || widget->isWindow() || m_apart.contains(widget) || m_seen.contains(widget))
            return;
        m_seen.insert(widget);
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            // Its tab bar; its pages are areas of their own, controls laid over them are not.
            m_seen.insert(tabs->tabBar());
            m_seen.insert(tabs->findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly));
            visitChildren(*tabs);
            return;
        }
        if (auto* scrolling = qobject_cast<QScrollArea*>(widget)) {
            visit(scrolling->widget());
            return;
        }
        // Qt's compound controls place their parts themselves; a group box that can be
        // switched off takes Tab before its controls.
        const bool group = qobject_cast<QGroupBox*>(widget);
        if (takesTab(widget) || wordCaption(widget))
            controls.append(widget);
        if (!takesTab(widget) || group)
            visitChildren(*widget);
    }

    void visitChildren(QWidget& parent) {
        if (parent.layout())
            visitLayout(*parent.layout());
        for (QObject* child : parent.children())
            visit(qobject_cast<QWidget*>(child));
    }

    void visitLayout(QLayout& layout) {
        QList<int> order(layout.count());
        std::iota(order.begin(), order.end(), 0);
        if (auto* grid = qobject_cast<QGridLayout*>(&layout)) {
            const auto place = [grid](int index) {
                int row = 0, column = 0, rows = 0, columns = 0;
                grid->getItemPosition(index, &row, &column, &rows, &columns);
                return std::tuple(row + rows - 1, column);
            };
            std::stable_sort(order.begin(), order.end(),
                             [&place](int a, int b) { return place(a) < place(b); });
        }
        for (int index : std::as_const(order)) {
            QLayoutItem* item = layout.itemAt(index);
            if (item->widget())
                visit(item->widget());
            else if (item->layout())
                visitLayout(*item->layout());
        }
    }

    const QSet<QWidget*>& m_apart;
    QSet<QWidget*> m_seen;
};

// Each caption right before a field leads to it.
QHash<QWidget*, QLabel*> leadCaptionsToFields(const QList<QWidget*>& controls) {
    QHash<QWidget*, QLabel*> captions;
    for (qsizetype i = 0; i + 1 < controls.size(); ++i) {
        QLabel* caption = wordCaption(controls[i]);
        QWidget* field = controls[i + 1];
        if (!caption || !isField(field))
            continue;
        if (!caption->buddy())
            caption->setBuddy(field);
        if (caption->buddy() == field)
            captions.insert(field, caption);
    }
    return captions;
}

// The controls that take Tab, the add buttons last.
QList<QWidget*> tabStops(const QList<QWidget*>& controls) {
    QList<QWidget*> stops;
    for (QWidget* control : controls)
        if (takesTab(control) && !qobject_cast<QTabWidget*>(control))
            stops.append(control);
    std::stable_partition(stops.begin(), stops.end(),
                          [](const QWidget* stop) { return !isAddButton(stop); });
    return stops;
}

void giveLetters(const QList<QWidget*>& stops, const QHash<QWidget*, QLabel*>& captions,
                 AltLetters::Taken& taken) {
    QList<QWidget*> order = stops;
    std::stable_partition(order.begin(), order.end(), isAddButton);
    for (QWidget* stop : std::as_const(order)) {
        if (auto* button = qobject_cast<QAbstractButton*>(stop)) {
            if (!button->text().isEmpty())
                button->setText(AltLetters::marked(button->text(), taken));
        } else if (QLabel* caption = captions.value(stop)) {
            caption->setText(AltLetters::marked(caption->text(), taken));
        }
    }
}

AltLetters::Taken menuLetters(const QWidget& window) {
    AltLetters::Taken taken;
    if (const auto* bar = window.findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly))
        for (const QAction* menu : bar->actions())
            if (const QChar letter = AltLetters::of(menu->text()); !letter.isNull())
                taken.insert(letter);
    return taken;
}

} // namespace

void markAddButton(QAbstractButton& button) {
    button.setProperty(kAddButton, true);
}

void arrange(QWidget& window) {
    AltLetters::Taken taken = menuLetters(window);
    const QList<QTabWidget*> tabWidgets = window.findChildren<QTabWidget*>();
    QSet<QWidget*> pages;
    for (const QTabWidget* tabs : tabWidgets)
        for (int i = 0; i < tabs->count(); ++i)
            pages.insert(tabs->widget(i));

    // What every page shares: the window's own controls and the tabs.
    const ReadingOrder shared(window, pages);
    const QHash<QWidget*, QLabel*> sharedCaptions = leadCaptionsToFields(shared.controls);
    QList<QWidget*> sharedStops = tabStops(shared.controls);
    const auto addButtons =
        std::stable_partition(sharedStops.begin(), sharedStops.end(), isAddButton);
    giveLetters({sharedStops.begin(), addButtons}, sharedCaptions, taken);
    for (QTabWidget* tabs : tabWidgets)
        for (int i = 0; i < tabs->count(); ++i)
            tabs->setTabText(i, AltLetters::marked(tabs->tabText(i), taken));
    giveLetters({addButtons, sharedStops.end()}, sharedCaptions, taken);

    for (QWidget* page : std::as_const(pages)) {
        const ReadingOrder order(*page, pages - QSet<QWidget*>{page});
        const QHash<QWidget*, QLabel*> captions = leadCaptionsToFields(order.controls);
        const QList<QWidget*> stops = tabStops(order.controls);
        for (qsizetype i = 0; i + 1 < stops.size(); ++i)
            QWidget::setTabOrder(stops[i], stops[i + 1]);
        AltLetters::Taken pageTaken = taken;
        giveLetters(stops, captions, pageTaken);
    }
}

} // namespace KeyboardReach
