#pragma once

class OpenDialogObject;
class PagePictures;
class QLineEdit;

// Asks for a file and puts its bare name into the field, so that the page refers to it as
// lying in its own folder; a cancelled dialog leaves the field as it was.
void chooseBareName(OpenDialogObject& dialog, QLineEdit& field);
// The same for a picture of the page, which is remembered, so that a save copies it into the
// page's folder.
void choosePicture(OpenDialogObject& dialog, QLineEdit& field, PagePictures& pictures);
