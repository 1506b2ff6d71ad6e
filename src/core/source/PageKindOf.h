#pragma once

#include "core/generators/PageKind.h"

#include <QStringList>
#include <QStringView>

// The kind a page is written as, told by how it begins: a modern page opens with
// "<!DOCTYPE html>", in any case and without a public or a system identifier, with nothing
// before it but blanks, a byte-order mark and comments. Anything else (no doctype, an
// HTML 4 doctype, text or a tag first, an empty page) is classic. Only the beginning is read,
// up to the first part that tells.
PageKind pageKindOf(QStringView text);

// The same for a page given line by line, as the check reads it; a doctype may span lines.
PageKind pageKindOfLines(const QStringList& lines);
