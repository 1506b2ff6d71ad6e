#include "ui/EscapeKey.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

void dismissOnEscape(QWidget* window, std::function<void()> dismiss) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setObjectName(QStringLiteral("EscapeKey"));
    QObject::connect(escape, &QShortcut::activated, window, std::move(dismiss));
}
