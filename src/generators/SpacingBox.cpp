#include "generators/SpacingBox.h"

#include "platform/Dialogs.h"
#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QComboBox>

using namespace Controls;

namespace SpacingBox {

QComboBox* create(QWidget* parent, const char* name) {
    QComboBox* box = editableCombo(parent, name,
                                   {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                    QStringLiteral("3"), QStringLiteral("4")},
                                   QStringLiteral("0"), 3);
    Layout::showWhole(box, 2);
    return box;
}

std::optional<int> read(const QComboBox& box, Dialogs& dialogs) {
    const QString text = box.currentText();
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || text.trimmed() != text) {
        dialogs.error(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
        return std::nullopt;
    }
    return value;
}

std::optional<std::pair<int, int>> readBoth(const QComboBox& before, const QComboBox& after,
                                            Dialogs& dialogs) {
    const std::optional<int> first = read(before, dialogs);
    if (!first)
        return std::nullopt;
    const std::optional<int> second = read(after, dialogs);
    if (!second)
        return std::nullopt;
    return std::pair{*first, *second};
}

} // namespace SpacingBox
