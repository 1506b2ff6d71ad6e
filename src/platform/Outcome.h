#pragma once

#include <QString>

// How a file, print or decode operation ended: an error text for the user, empty on success.
// Every such operation returns it (or a struct built on it), and its result must be looked at.
struct [[nodiscard]] Outcome {
    QString error;
    bool ok() const { return error.isEmpty(); }
};
