#include "generators/Assistants.h"

#include "core/platform/ColorFieldText.h"
#include "platform/DialogObjects.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace Assistants {

void runFontAssistant(FontDialogObject& dialog, const FontAssistantFields& fields) {
    for (QCheckBox* box : {fields.bold, fields.underline, fields.italic, fields.strikeOut})
        box->setChecked(false);
    if (!dialog.execute())
        return;
    const FontChoice& font = dialog.font();
    fields.fontName->setText(font.family);
    fields.fontSize->setEditText(QString::number(font.points));
    fields.bold->setChecked(font.bold);
    fields.underline->setChecked(font.underline);
    fields.italic->setChecked(font.italic);
    fields.strikeOut->setChecked(font.strikeOut);
    fields.fontColor->clear();
    fields.fontColor->setText(ColorFieldText(font.color));
}

void runColorAssistant(ColorDialogObject& dialog, QLineEdit& field) {
    if (!dialog.execute())
        return;
    field.clear();
    field.setText(ColorFieldText(dialog.color()));
}

} // namespace Assistants
