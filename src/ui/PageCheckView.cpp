#include "ui/PageCheckView.h"

#include "core/platform/LineSplit.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {

constexpr int kDelayMs = 300;
// The most findings the list and the summary count one by one; a page with thousands of
// findings would hold the window up while the list fills.
constexpr qsizetype kMostShown = 1000;
// Enough rows to see a few findings without taking the page source's room.
constexpr int kListRows = 6;
// Larger texts are checked on a worker thread, so that the window goes on while a page of
// megabytes is read; smaller ones at once.
constexpr qsizetype kLargestCheckedAtOnce = 64 * 1024;
// What a row leads to: a finding's line, or the caption of a tab page.
constexpr int kLineRole = Qt::UserRole;
constexpr int kPageRole = Qt::UserRole + 1;

QString countOf(qsizetype count, const char* one, const char* many) {
    const QString number = count > kMostShown ? QLocale(QLocale::German).toString(kMostShown) + u'+'
                                              : QString::number(count);
    return number + u' ' + QString::fromUtf8(count == 1 ? one : many);
}

// The row after the last finding shown: "… und 2.500 weitere".
QString moreRow(qsizetype more) {
    return QStringLiteral("… und %1 %2")
        .arg(QLocale(QLocale::German).toString(more),
             more == 1 ? QStringLiteral("weiterer") : QStringLiteral("weitere"));
}

} // namespace

QString CheckSummary(const QList<Finding>& findings) {
    const qsizetype errors = std::count_if(findings.begin(), findings.end(), [](const Finding& f) {
        return f.kind == Finding::Kind::Fehler;
    });
    const qsizetype hints = findings.size() - errors;
    QStringList parts;
    if (errors > 0)
        parts.append(countOf(errors, "Fehler", "Fehler"));
    if (hints > 0)
        parts.append(countOf(hints, "Hinweis", "Hinweise"));
    // The one hint of an empty page says so on its own.
    if (findings.size() == 1 && findings.constFirst().emptyPage)
        return QStringLiteral("Seite leer");
    return parts.isEmpty() ? QStringLiteral("Seite in Ordnung") : parts.join(QStringLiteral(", "));
}

PageCheckView::PageCheckView(QPlainTextEdit& field, std::function<CheckOptions()> options,
                             QObject* parent)
    : QObject(parent), m_field(field), m_options(std::move(options)), m_list(new QListWidget),
      m_status(new ClickableLabel), m_area(new QWidget) {
    m_list->setObjectName(QStringLiteral("FindingsList"));
    m_list->setMaximumHeight(m_list->fontMetrics().height() * kListRows + 2 * m_list->frameWidth() +
                             4);
    // A finding's sentence wraps rather than hiding its end behind a scroll bar.
    m_list->setWordWrap(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->hide();
    auto* layout = new QVBoxLayout(m_area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&m_field, 1);
    layout->addWidget(m_list);
    m_status->setObjectName(QStringLiteral("CheckStatus"));
    m_status->setCursor(Qt::PointingHandCursor);
    Controls::describe(m_status, QStringLiteral("Seitenprüfung: ein Klick zeigt, was sie fand"));
    m_status->setContentsMargins(6, 0, 6, 0);

    m_delay.setObjectName(QStringLiteral("CheckTimer"));
    m_delay.setSingleShot(true);
    m_delay.setInterval(kDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &PageCheckView::checkNow);
    connect(m_field.document(), &QTextDocument::contentsChanged, &m_delay,
            qOverload<>(&QTimer::start));
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString page = item->data(kPageRole).toString();
        if (page.isEmpty())
            goToLine(item->data(kLineRole).toInt());
        else
            emit pageRequested(page);
    });
    connect(m_status, &ClickableLabel::clicked, this, &PageCheckView::listRequested);
    connect(&m_worker, &QFutureWatcher<QList<Finding>>::finished, this, [this] {
        if (m_worker.future().isValid() && !m_worker.isCanceled())
            show(m_worker.result());
    });
    checkNow();
}

void PageCheckView::putUnderField(QWidget& bar) {
    static_cast<QVBoxLayout*>(m_area->layout())->insertWidget(1, &bar);
}

void PageCheckView::checkNow() {
    m_delay.stop();
    // A check still running reads an older text: its findings are not shown.
    m_worker.setFuture(QFuture<QList<Finding>>());
    QString text = m_field.document()->toRawText();
    CheckOptions options = m_options();
    if (text.size() <= kLargestCheckedAtOnce) {
        show(CheckPage(SplitDocumentText(text), options));
        return;
    }
    m_worker.setFuture(QtConcurrent::run(
        [](const QString& raw, const CheckOptions& assumed) {
            return CheckPage(SplitDocumentText(raw), assumed);
        },
        std::move(text), std::move(options)));
}

CheckOptions PageCheckView::optionsFor(const QString& pageFile, bool assumeClosingTail) {
    CheckOptions options;
    options.assumeClosingTail = assumeClosingTail;
    if (!pageFile.isEmpty()) {
        const QStringList names = QFileInfo(pageFile).absoluteDir().entryList(
            QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        options.folderNames = QSet<QString>(names.begin(), names.end());
    }
    return options;
}

void PageCheckView::show(QList<Finding> findings) {
    m_findings = std::move(findings);
    m_status->setText(CheckSummary(m_findings));
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    const qsizetype shown = std::min(m_findings.size(), kMostShown);
    for (qsizetype i = 0; i < shown; ++i) {
        const Finding& finding = m_findings[i];
        const QString kind = finding.kind == Finding::Kind::Fehler ? QStringLiteral("Fehler")
                                                                   : QStringLiteral("Hinweis");
        auto* item = new QListWidgetItem(
            QStringLiteral("Zeile %1 – %2: %3").arg(finding.line).arg(kind, finding.text));
        item->setData(kLineRole, finding.line);
        m_list->addItem(item);
        if (m_offersPages && !finding.page.isEmpty())
            m_list->addItem(pageRow(finding.page));
    }
    if (m_findings.size() > shown)
        m_list->addItem(moreRow(m_findings.size() - shown));
    m_list->setUpdatesEnabled(true);
    m_list->setVisible(!m_findings.isEmpty());
}

QListWidgetItem* PageCheckView::pageRow(const QString& page) const {
    auto* item = new QListWidgetItem(QStringLiteral("Zur Seite „%1“").arg(page));
    item->setData(kPageRole, page);
    item->setForeground(m_list->palette().brush(QPalette::Link));
    item->setToolTip(QStringLiteral("Doppelklick oder Eingabetaste: zur Seite „%1“").arg(page));
    return item;
}

void PageCheckView::goToLine(int line) {
    const QTextBlock block = m_field.document()->findBlockByNumber(line - 1);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    m_field.setTextCursor(cursor);
    m_field.ensureCursorVisible();
    m_field.setFocus(Qt::OtherFocusReason);
    emit lineChosen();
}
