#include "generators/FileChooser.h"

#include "platform/BareFileName.h"
#include "platform/DialogObjects.h"

#include <QLineEdit>

void chooseBareName(OpenDialogObject& dialog, QLineEdit& field) {
    if (dialog.execute())
        field.setText(BareFileName(dialog.fileName()));
}
