#include "ui/FieldText.h"

#include <QPlainTextEdit>
#include <QTextDocument>

QString FieldText(const QPlainTextEdit& field) {
    QString text = field.document()->toRawText();
    for (QChar& c : text) {
        // Lines are held as paragraphs, soft breaks (Shift+Enter) as line separators.
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}
