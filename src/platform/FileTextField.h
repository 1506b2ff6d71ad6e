#pragma once

class QPlainTextEdit;

// Makes a multi-line field fit for the text of a file: the system's fixed-width font at the
// size of the application font, and Shift+Enter inserting an ordinary line break instead of a
// line separator, which would be saved inside one line.
void SetUpFileTextField(QPlainTextEdit& field);
