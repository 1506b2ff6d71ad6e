#include "generators/FileChooser.h"

#include "core/platform/BareFileName.h"
#include "platform/DialogObjects.h"
#include "ui/FileDrops.h"

#include <QLineEdit>

void chooseBareName(OpenDialogObject& dialog, QLineEdit& field) {
    if (dialog.execute())
        field.setText(BareFileName(dialog.fileName()));
}

void choosePicture(OpenDialogObject& dialog, QLineEdit& field, PagePictures& pictures) {
    if (dialog.execute())
        takePicture(dialog.fileName(), field, dialog, pictures);
}
