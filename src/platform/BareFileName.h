#pragma once

#include <QString>

// The part of a path after its last '/' or '\'; a name with neither is taken whole.
// Pages refer to pictures and other pages by this bare name, so they are expected to
// lie in the page's own folder.
QString BareFileName(const QString& path);

// The caption of a window that shows a saved or opened file: its bare name followed by
// "  -  Quillmark".
QString FileCaption(const QString& path);
