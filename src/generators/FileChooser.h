#pragma once

class FileDialogObject;
class QLineEdit;

// Asks for a file and puts its bare name into the field, so that the page refers to it as
// lying in its own folder; a cancelled dialog leaves the field as it was.
void chooseBareName(FileDialogObject& dialog, QLineEdit& field);
