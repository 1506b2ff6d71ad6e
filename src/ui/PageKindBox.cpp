#include "ui/PageKindBox.h"

#include "core/context/PageKindSetting.h"
#include "ui/Layout.h"

PageKindBox::PageKindBox(QWidget* parent, const char* objectName) : QComboBox(parent) {
    setObjectName(QString::fromLatin1(objectName));
    // In the order of the kinds.
    addItems(
        {QStringLiteral("Klassisch (HTML 4)"), QStringLiteral("Modern (HTML5, auch für Handys)")});
    // Both kinds show whole, whatever the font.
    setCurrentIndex(1);
    Layout::showWhole(this, 1);
    showKind(PageKindSetting::remembered());
    connect(this, &QComboBox::activated, this, [this] {
        PageKindSetting::remember(kind());
        emit chosen(kind());
    });
}

PageKind PageKindBox::kind() const {
    return currentIndex() == 1 ? PageKind::Modern : PageKind::Classic;
}

void PageKindBox::showKind(PageKind kind) {
    setCurrentIndex(kind == PageKind::Modern ? 1 : 0);
}
