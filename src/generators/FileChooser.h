#pragma once

class OpenDialogObject;
class QLineEdit;

// Asks for a file and puts its bare name into the field, so that the page refers to it as
// lying in its own folder; a cancelled dialog leaves the field as it was.
void chooseBareName(OpenDialogObject& dialog, QLineEdit& field);
