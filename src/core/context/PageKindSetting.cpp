#include "core/context/PageKindSetting.h"

#include <QSettings>

namespace PageKindSetting {

namespace {

const QString kKey = QStringLiteral("Seite/Seitenart");
const QString kModern = QStringLiteral("modern");
const QString kClassic = QStringLiteral("klassisch");

} // namespace

PageKind remembered() {
    return QSettings().value(kKey).toString() == kModern ? PageKind::Modern : PageKind::Classic;
}

void remember(PageKind kind) {
    QSettings().setValue(kKey, kind == PageKind::Modern ? kModern : kClassic);
}

} // namespace PageKindSetting
