#include "ui/PageViewZoom.h"

#include <QAction>
#include <QKeySequence>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr int kOriginal = 100;
constexpr std::array kSteps{25,  33,  50,  67,  75,  80,  90, kOriginal,
                            110, 125, 150, 175, 200, 250, 300};

int larger(int percent) {
    const auto step = std::upper_bound(kSteps.begin(), kSteps.end(), percent);
    return step == kSteps.end() ? percent : *step;
}

int smaller(int percent) {
    const auto step = std::lower_bound(kSteps.begin(), kSteps.end(), percent);
    return step == kSteps.begin() ? percent : *std::prev(step);
}

// The size kept, or 100 % for none or one beyond the steps.
int remembered(const QString& key) {
    bool number = false;
    const int percent = QSettings().value(key).toInt(&number);
    return number && percent >= kSteps.front() && percent <= kSteps.back() ? percent : kOriginal;
}

} // namespace

PageViewZoom::PageViewZoom(QWidget& window)
    : QObject(&window),
      m_settingsKey(QStringLiteral("Seitenansicht/%1/Zoom").arg(window.objectName())),
      m_percent(remembered(m_settingsKey)) {
    // Ctrl+= too, for keyboards where the plus needs Shift.
    connect(addKeys(window, "Vergroessern1", QStringLiteral("Seitenansicht vergrößern"),
                    {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}),
            &QAction::triggered, this, [this] { step(1); });
    connect(addKeys(window, "Verkleinern1", QStringLiteral("Seitenansicht verkleinern"),
                    {Qt::CTRL | Qt::Key_Minus}),
            &QAction::triggered, this, [this] { step(-1); });
    connect(addKeys(window, "Originalgroesse1", QStringLiteral("Seitenansicht in Originalgröße"),
                    {Qt::CTRL | Qt::Key_0}),
            &QAction::triggered, this, [this] { set(kOriginal); });
    setActive(false);
}

void PageViewZoom::setActive(bool active) {
    for (QAction* key : std::as_const(m_keys))
        key->setEnabled(active);
}

void PageViewZoom::step(int steps) {
    int percent = m_percent;
    for (int i = 0; i < std::abs(steps); ++i)
        percent = steps > 0 ? larger(percent) : smaller(percent);
    set(percent);
}

QAction* PageViewZoom::addKeys(QWidget& window, const char* name, const QString& text,
                               const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, &window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    window.addAction(action);
    m_keys.append(action);
    return action;
}

void PageViewZoom::set(int percent) {
    if (percent == m_percent)
        return;
    m_percent = percent;
    QSettings().setValue(m_settingsKey, percent);
    emit changed(percent);
}
