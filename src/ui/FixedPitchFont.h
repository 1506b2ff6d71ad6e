#pragma once

#include <QFont>

// The system's fixed-pitch family for a field of source text or text laid out in columns, with
// nothing else set: the field keeps the size of the application font and follows it when it
// changes.
QFont fixedPitchFont();
