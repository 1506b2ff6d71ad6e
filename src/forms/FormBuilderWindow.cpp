#include "forms/FormBuilderWindow.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/EditCommands.h"
#include "core/generators/Captions.h"
#include "forms/ButtonsPage.h"
#include "forms/ChoiceQuestions.h"
#include "forms/FormStartPage.h"
#include "forms/InputFieldQuestion.h"
#include "forms/SelectionListQuestion.h"
#include "forms/TextAreaQuestion.h"
#include "generators/TextFormatBox.h"
#include "ui/BringToFront.h"
#include "ui/EscapeKey.h"
#include "ui/Layout.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The fields the edit commands serve; a click into one or a change of its text makes it
// current.
constexpr const char* kTrackedFields[] = {
    "Edit1",  "Edit2",  "Edit14", "Edit15", "Edit16", "Edit18", "Edit19", "Edit20", "Edit22",
    "Edit24", "Edit25", "Edit26", "Edit27", "Edit28", "Edit29", "Edit31", "Edit32", "Edit33",
    "Edit35", "Edit36", "Edit37", "Edit38", "Edit39", "Edit41", "Memo2"};

// Besides the tracked fields, opening empties the collected answer lists and two of their
// previews; the selection list's preview Memo7 keeps its lines.
constexpr const char* kCollectedLists[] = {"Memo6", "Memo1", "Memo3", "Memo5", "Memo4"};

} // namespace

FormBuilderWindow::FormBuilderWindow(PageContext& context)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
      m_form5(new QTabWidget(this)), m_fields(new CurrentFieldTracker(this)) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QString::fromLatin1(Captions::kFormBuilder));

    m_form5->setObjectName(QStringLiteral("Form5"));
    // Every caption whole: the window is at least as wide as the seven of them.
    m_form5->setUsesScrollButtons(false);
    m_form5->setElideMode(Qt::ElideNone);
    const QList<FormPage*> pages = {new FormStartPage(context),
                                    new QuestionPage(context, DecisionQuestion()),
                                    new QuestionPage(context, CheckBoxQuestion()),
                                    new QuestionPage(context, TextAreaQuestion()),
                                    new QuestionPage(context, InputFieldQuestion()),
                                    new QuestionPage(context, SelectionListQuestion()),
                                    new ButtonsPage(context)};
    for (FormPage* page : pages)
        m_form5->addTab(page, page->tabCaption());
    Layout::column(this)->addWidget(m_form5);

    createPopupMenu();
    trackFields();
    dismissOnEscape(this, [this] { close(); });
    Layout::fitToScreen(*this);
}

void FormBuilderWindow::createPopupMenu() {
    // The shortcuts work wherever the focus is in the window.
    EditCommands::installPopupMenu(
        *this,
        {"PopupMenu2",
         {"MenuItem1", "MenuItem2", "MenuItem3", "MenuItem4", "MenuItem5"},
         {m_form5},
         true,
         false},
        [this](EditCommands::Operation operation) {
            EditCommands::applyToCurrent(operation, *m_fields);
        });
}

void FormBuilderWindow::trackFields() {
    for (const char* name : kTrackedFields)
        m_fields->track(control(name));
    // The form service's address is a setting: tracked, but kept when the window opens.
    m_fields->track(control("Edit51"));
}

QWidget* FormBuilderWindow::control(const char* name) const {
    auto* widget = findChild<QWidget*>(QString::fromLatin1(name));
    // A name the window does not build stops at the first start.
    if (!widget)
        qFatal("the form builder has no control %s", name);
    return widget;
}

void FormBuilderWindow::open() {
    m_form5->setCurrentIndex(0);
    bringToFront(*this);
    for (const char* name : kTrackedFields)
        EditCommands::apply(EditCommands::Operation::Delete, control(name));
    for (const char* name : kCollectedLists)
        EditCommands::apply(EditCommands::Operation::Delete, control(name));
    // Every question starts with the font and colour a page starts with.
    for (TextFormatBox* format : findChildren<TextFormatBox*>()) {
        if (format->parts().fontName)
            format->startFontAnew();
    }
}
