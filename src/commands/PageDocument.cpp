#include "commands/PageDocument.h"

#include "context/Navigation.h"
#include "context/PageContext.h"
#include "core/context/PageKindSetting.h"
#include "core/context/RecoveryCopy.h"
#include "core/platform/BareFileName.h"
#include "core/platform/LineSplit.h"
#include "core/platform/PageFile.h"
#include "core/source/PageKindOf.h"
#include "core/source/Utf8Declaration.h"
#include "platform/TextPrinter.h"

#include <QFileInfo>
#include <QFontDatabase>

PageDocument::PageDocument(PageContext& context, Navigation& navigation, QObject* parent)
    : QObject(parent), m_context(context), m_navigation(navigation) {}

bool PageDocument::hasUnsavedChanges() const {
    return m_context.document.hasUnsavedChanges();
}

void PageDocument::whenDiscarded(std::function<void()> go) {
    // A page with unsaved work goes only after "Ja" in "Error 407".
    if (hasUnsavedChanges())
        m_navigation.askToDiscard(std::move(go));
    else
        go();
}

void PageDocument::beginAnew(NewVariant variant) {
    emit pageBegunAnew(variant);
    m_context.document.clear();
    m_context.pictures.forget();
    m_context.state.setGeneralSettingsDone(false);
    m_context.state.setKind(PageKindSetting::remembered());
    m_context.state.begunAnew();
    // A new page begins with its settings.
    m_navigation.showGeneralSettings(true);
}

Outcome PageDocument::open(const QString& path) {
    PageFile::Decoded read = PageFile::readText(path, PageFile::kPageCapacity);
    if (!read.ok())
        return {read.error};
    // Characters the text field would turn into line breaks wait as stand-ins.
    const StandIns standIns = StandIns::chooseFor(read.text);
    const Utf8Declared page = DeclareUtf8(SplitFileLines(standIns.hide(read.text)));
    // The page's own file from now on, as after a save; it is known before the page shows,
    // so that the first check already looks for the page's files in its folder.
    m_context.dialogs.SaveDialog1.setFileName(path);
    m_context.state.enablePreview();
    m_context.state.saved(path);
    // What is appended follows the kind the page was written as.
    m_context.state.setKind(pageKindOf(read.text));
    m_context.document.open(page.lines, page.changed, standIns);
    // The pictures chosen for the page given up are not this page's.
    m_context.pictures.forget();
    // A page that holds its document start takes elements at once, as after the general
    // settings' add.
    m_context.state.setGeneralSettingsDone(page.holdsBody);
    if (page.changed)
        m_context.notices.PostStatusMessage(QStringLiteral("Zeichensatz auf UTF-8 umgestellt"));
    emit pageOpened();
    return {};
}

RecoverySnapshot PageDocument::recoverySnapshot() const {
    const PageState& state = m_context.state;
    RecoverySnapshot snapshot;
    RecoveryCopy& copy = snapshot.copy;
    copy.window = RecoveryCopy::Window::Page;
    copy.taken = QDateTime::currentDateTime();
    copy.file = state.ownFile();
    copy.hasFile = state.hasFile();
    copy.kind = state.kind();
    copy.generalSettingsDone = state.generalSettingsDone();
    copy.pictures = m_context.pictures.pathsByName();
    snapshot.rawText = m_context.document.rawText();
    snapshot.standIns = m_context.document.standIns();
    return snapshot;
}

void PageDocument::restore(const RecoveryCopy& copy) {
    // The characters the text field cannot hold wait as stand-ins, as in a page opened.
    const StandIns standIns = StandIns::chooseFor(copy.text);
    const QStringList lines = SplitFileLines(standIns.hide(copy.text));
    PageState& state = m_context.state;
    if (!copy.file.isEmpty()) {
        m_context.dialogs.SaveDialog1.setFileName(copy.file);
        state.enablePreview();
        state.saved(copy.file);
    }
    if (!copy.hasFile)
        state.begunAnew();
    state.setKind(copy.kind);
    m_context.document.open(lines, true, standIns);
    m_context.pictures.forget();
    for (const QString& path : copy.pictures)
        m_context.pictures.remember(path);
    state.setGeneralSettingsDone(copy.generalSettingsDone);
    emit pageOpened();
}

bool PageDocument::isReadOnly() const {
    return m_context.document.isReadOnly();
}

bool PageDocument::hasFile() const {
    return m_context.state.hasFile();
}

QString PageDocument::ownFile() const {
    return m_context.state.ownFile();
}

std::optional<Outcome> PageDocument::write(const QString& path) {
    PageSource& source = m_context.document;
    source.closeDocument();
    const QStringList lines = source.linesAsSaved();
    const Outcome written = PageFile::writeLines(path, lines);
    if (!written.ok())
        return written;
    source.markSaved();
    // The pictures the page names travel into its folder; the page is saved whatever
    // becomes of them.
    const PagePictures::Copied copied =
        m_context.pictures.copyInto(QFileInfo(path).absolutePath(), lines);
    QString notice = BareFileName(path) + QStringLiteral(" wurde gespeichert");
    if (copied.count > 0)
        notice += QStringLiteral(", %1 %2 in den Ordner der Seite kopiert")
                      .arg(copied.count)
                      .arg(copied.count == 1 ? QStringLiteral("Bild") : QStringLiteral("Bilder"));
    m_context.notices.PostStatusMessage(notice);
    if (!copied.problems.isEmpty())
        m_context.ask.message(copied.problems.join(u'\n'));
    m_context.state.enablePreview();
    m_context.state.saved(path);
    return written;
}

QString PageDocument::previewFile() const {
    return m_context.dialogs.SaveDialog1.fileName();
}

void PageDocument::previewed(const QString& path) {
    m_context.state.setPreviewName(BareFileName(path));
    m_context.notices.PostStatusMessage(QStringLiteral(" Vorschau von ") +
                                        m_context.state.previewName() +
                                        QStringLiteral(" wird geladen"));
}

Outcome PageDocument::print(QPrinter& printer) {
    const Outcome printed = TextPrinter::print(printer, m_context.document.lines(),
                                               QFontDatabase::systemFont(QFontDatabase::FixedFont));
    if (printed.ok())
        m_context.notices.PostStatusMessage(QStringLiteral("Quelltext wird gedruckt"));
    return printed;
}
