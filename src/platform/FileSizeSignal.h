#pragma once

// A process under a file-size limit is ended by a signal when a write goes past the limit.
// The program ignores that signal, so the write fails with its reason ("Die Datei ist zu
// groß."), the old file stays, and nothing the user made is lost.
void ignoreFileSizeSignal();
