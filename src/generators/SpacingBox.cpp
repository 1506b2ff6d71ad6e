#include "generators/SpacingBox.h"

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

Expected<int> read(const QComboBox& box) {
    const QString text = box.currentText();
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || text.trimmed() != text)
        return {{QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text)}};
    return {{}, value};
}

Expected<std::pair<int, int>> readBoth(const QComboBox& before, const QComboBox& after) {
    const Expected<int> first = read(before);
    if (!first.ok())
        return {first};
    const Expected<int> second = read(after);
    if (!second.ok())
        return {second};
    return {{}, {first.value, second.value}};
}

} // namespace SpacingBox
