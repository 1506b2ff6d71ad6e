#include "generators/FileChooser.h"

#include "platform/BareFileName.h"
#include "platform/DialogObjects.h"

#include <QLineEdit>

void chooseBareName(FileDialogObject& dialog, QLineEdit& field) {
    if (dialog.execute())
        field.setText(BareFileName(dialog.fileName()));
}
