// A failed picture load as a value: which of the loader's five kinds it is
// and the decoder's own text. The kinds' names are the ones the user reads
// in the error caption ("Invalid Graphic", "EWin32Error", "Open error",
// "Access Violation", "Other Error").
#pragma once

#include <QString>

#include <exception>
#include <optional>

enum class LoadFailure {
    InvalidGraphic,    // bytes that do not decode (the decoders' own errors too)
    Win32Error,        // an operating-system call failed while reading
    OpenError,         // the file could not be opened at all
    AccessViolation,   // a memory fault caught while decoding
    Other,             // anything else
};

struct LoadError {
    LoadFailure kind = LoadFailure::Other;
    QString text;      // the decoder's message
};

// The answer of a load: no value when the picture loaded.
using LoadOutcome = std::optional<LoadError>;

// The kind's name as the user reads it.
QString LoadFailureName(LoadFailure kind);

// Sorts a caught exception of the decoders into its kind, first match in this
// order: invalid graphic, operating-system error, file-open error, access
// violation, anything else; the text is the exception's message. Used where
// a decoder's exception is caught, so that only values travel on.
LoadError LoadErrorOf(std::exception_ptr error);
