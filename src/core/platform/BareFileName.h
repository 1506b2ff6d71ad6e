#pragma once

#include <QString>

// The part of a path after its last '/' or '\'; a name with neither is taken whole.
// Pages refer to pictures and other pages by this bare name, so they are expected to
// lie in the page's own folder.
QString BareFileName(const QString& path);

// The caption of a window that works on a file: the file's bare name followed by
// "  -  " and the window's name, or the window's name alone while it has no file. Unsaved
// work puts "*" right after the file's name, or after the window's name.
QString WindowCaption(const QString& windowName, const QString& path, bool unsaved);

// The file name the save dialog proposes for a page titled so: the title with '/' and '\'
// made '-' (so that it names no sub-folder), leading dots and blanks removed (so that it
// names no hidden file), then ".html"; "Unbenannt.html" when nothing is left.
QString ProposedFileName(const QString& title);

// The path with the extension of the file type chosen in the save dialog (".html", ".htm"
// or ".txt") appended, unless it already ends in one of these three, in any case.
QString WithFileType(const QString& path, const QString& fileType);
