#pragma once

#include <QString>

// How an operation ended: an error text for the user, empty on success. Every operation that
// can fail returns it, or a struct built on it that carries the result as well; the caller
// looks at it, and the window that asked shows the error. Nothing that returns one shows
// anything itself.
struct [[nodiscard]] Outcome {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// A value, or the error text that says why there is none.
template <typename T> struct [[nodiscard]] Expected : Outcome { T value{}; };
