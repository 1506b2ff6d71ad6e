#include "commands/FileCommands.h"

#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "frames/FrameBuilderWindow.h"
#include "help/AboutWindow.h"
#include "help/HelpWindow.h"
#include "help/HtmlHelpWindow.h"
#include "platform/BareFileName.h"
#include "platform/DialogObjects.h"
#include "platform/PageFile.h"
#include "platform/TextPrinter.h"
#include "posteditor/PostEditorWindow.h"
#include "source/PageSource.h"
#include "source/StatusNotices.h"

#include <QPlainTextEdit>
#include <QPrinter>
#include <QTabWidget>

namespace {

const QString kProductCaption = QStringLiteral("Quillmark");

// The help page for each tab page of the main window.
QString helpPageFor(const QString& tabPage) {
    static const QHash<QString, QString> kHelpPages = {
        {QStringLiteral("TabSheet1"), QStringLiteral("TabSheet1")},
        {QStringLiteral("TabSheet2"), QStringLiteral("TabSheet2")},
        {QStringLiteral("TabSheet4"), QStringLiteral("TabSheet3")},
        {QStringLiteral("TabSheet3"), QStringLiteral("TabSheet4")},
        {QStringLiteral("TabSheet7"), QStringLiteral("TabSheet12")},
        {QStringLiteral("TabSheet8"), QStringLiteral("TabSheet23")},
        {QStringLiteral("TabSheet9"), QStringLiteral("TabSheet24")},
        {QStringLiteral("TabSheet6"), QStringLiteral("TabSheet13")},
        {QStringLiteral("TabSheet5"), QStringLiteral("TabSheet5")},
    };
    return kHelpPages.value(tabPage);
}

} // namespace

FileCommands::FileCommands(MainWindow& main) : QObject(&main), m_main(main) {}

void FileCommands::NeuClick() {
    startNew(NewVariant::Menu);
}

void FileCommands::Image6Click() {
    startNew(NewVariant::Toolbar);
}

void FileCommands::startNew(NewVariant variant) {
    for (TabPage* page : m_main.pages())
        page->emptyForNew(variant);
    m_main.source().clear();
    m_main.pages().constFirst()->setEnabled(true);
    m_main.setGeneralSettingsDone(false);
    m_main.setWindowTitle(kProductCaption);
}

void FileCommands::SpeichernClick() {
    SaveFileDialog& dialog = m_main.dialogs().SaveDialog1;
    if (!dialog.execute())
        return;
    const QString path = dialog.fileName();
    if (!writePage(path))
        return;
    m_main.enablePreview();
    m_pagePath = path;
    m_savedFileName = BareFileName(path);
    m_main.setWindowTitle(FileCaption(path));
    m_main.notices().PostStatusMessage(m_savedFileName + QStringLiteral(" wurde gespeichert"));
}

void FileCommands::Speichern1Click() {
    // Nothing saved since start or New: ask for a file name.
    if (m_main.windowTitle() == kProductCaption) {
        SpeichernClick();
        return;
    }
    // The page keeps its own file: the shared save dialog may since have been pointed at a
    // frame page or a file of the post-editor.
    if (!writePage(m_pagePath))
        return;
    m_main.notices().PostStatusMessage(m_savedFileName + QStringLiteral(" wurde gespeichert"));
}

bool FileCommands::writePage(const QString& path) {
    PageSource& source = m_main.source();
    source.closeDocument();
    const PageFile::Outcome written = PageFile::writeLines(path, source.lines());
    if (!written.ok()) {
        m_main.windows().dialogs().error(written.error);
        return false;
    }
    source.markSaved();
    return true;
}

void FileCommands::VorschauClick() {
    const QString path = m_main.dialogs().SaveDialog1.fileName();
    if (!m_main.windows().opener().open(path)) {
        m_main.windows().dialogs().message(
            QStringLiteral("Datei kann leider nicht gestartet werden"));
        return;
    }
    m_previewName = BareFileName(path);
    m_main.notices().PostStatusMessage(QStringLiteral(" Vorschau von ") + m_previewName +
                                       QStringLiteral(" wird geladen"));
}

void FileCommands::Drucken1Click() {
    const std::unique_ptr<QPrinter> printer = m_main.dialogs().PrintDialog1.execute();
    if (!printer)
        return;
    const PageFile::Outcome printed =
        TextPrinter::print(*printer, m_main.source().lines(), m_main.sourceView().font());
    if (!printed.ok()) {
        m_main.windows().dialogs().error(printed.error);
        return;
    }
    m_main.notices().PostStatusMessage(QStringLiteral("Quelltext wird gedruckt"));
}

void FileCommands::Beenden1Click() {
    m_main.close();
}

void FileCommands::Frameseiteerstellen1Click() {
    m_main.windows().frameBuilder().Frameseiteerstellen1Click();
}

void FileCommands::Seitenachbearbeiten1Click() {
    m_main.windows().postEditor().showEditor();
}

void FileCommands::QuillmarkHIlfe1Click() {
    const QWidget* active = m_main.pageControl().currentWidget();
    m_main.windows().help().showPage(helpPageFor(active ? active->objectName() : QString()));
}

void FileCommands::HtmlHilfe1Click() {
    m_main.windows().htmlHelp().showFirstPage();
}

void FileCommands::berQuillmark1Click() {
    AboutWindow& about = m_main.windows().about();
    about.show();
    about.raise();
    about.activateWindow();
}
