#pragma once

#include <QString>

class QPlainTextEdit;

// A multi-line field's text character for character, with '\n' between its lines. Unlike
// toPlainText() it keeps non-breaking spaces as they were typed.
QString FieldText(const QPlainTextEdit& field);
