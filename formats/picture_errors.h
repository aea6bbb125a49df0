// Exceptions raised while a picture file is read and decoded. The display
// step sorts them into the five kinds it reports to the user, so every
// decoder raises one of these classes and nothing else.
#pragma once

#include <stdexcept>
#include <string>

// A picture whose bytes cannot be decoded: bad header, truncated data,
// dimensions beyond what the program will allocate, unknown format.
class EInvalidGraphic : public std::runtime_error {
public:
    explicit EInvalidGraphic(const std::string& what) : std::runtime_error(what) {}
};

// Errors of the JPEG decoder.
class EJPEGError : public EInvalidGraphic {
public:
    explicit EJPEGError(const std::string& what) : EInvalidGraphic(what) {}
};

// Errors of the GIF decoder (`GifImage`).
class EGIFError : public EInvalidGraphic {
public:
    explicit EGIFError(const std::string& what) : EInvalidGraphic(what) {}
};

// Errors of the metafile (EMF, WMF) renderers.
class EMetafileError : public EInvalidGraphic {
public:
    explicit EMetafileError(const std::string& what) : EInvalidGraphic(what) {}
};

// An operating-system call that failed (reading a file that vanished
// half-way, a device error).
class EWin32Error : public std::runtime_error {
public:
    explicit EWin32Error(const std::string& what) : std::runtime_error(what) {}
};

// The file could not be opened at all (missing, no permission, a folder).
class EFOpenError : public std::runtime_error {
public:
    explicit EFOpenError(const std::string& what) : std::runtime_error(what) {}
};

// A memory fault caught while decoding. Kept so the classification has the
// same five classes as before; the decoders here report bad input as
// EInvalidGraphic instead of touching memory they do not own.
class EAccessViolation : public std::runtime_error {
public:
    explicit EAccessViolation(const std::string& what) : std::runtime_error(what) {}
};
