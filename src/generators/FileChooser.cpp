#include "generators/FileChooser.h"

#include "core/context/PagePictures.h"
#include "core/platform/BareFileName.h"
#include "platform/DialogObjects.h"

#include <QLineEdit>

void chooseBareName(OpenDialogObject& dialog, QLineEdit& field) {
    if (dialog.execute())
        field.setText(BareFileName(dialog.fileName()));
}

void choosePicture(OpenDialogObject& dialog, QLineEdit& field, PagePictures& pictures) {
    if (!dialog.execute())
        return;
    pictures.remember(dialog.fileName());
    field.setText(BareFileName(dialog.fileName()));
}
