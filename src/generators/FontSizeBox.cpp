#include "generators/FontSizeBox.h"

#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QComboBox>

using namespace Controls;

namespace FontSizeBox {

namespace {

QStringList sizes() {
    QStringList sizes;
    for (int size : {8, 9, 10, 11, 12, 14, 16, 20, 22, 24, 26, 28, 30, 32})
        sizes.append(QString::number(size));
    return sizes;
}

} // namespace

QComboBox* create(QWidget* parent, const char* name) {
    QComboBox* box = editableCombo(parent, name, sizes(), QStringLiteral("12"), 3);
    Layout::showWhole(box, 2);
    return box;
}

} // namespace FontSizeBox
