// Fuzz target of the picture decoders: the first byte picks the format
// (JPEG, bitmap, icon, GIF, EMF, WMF) and whether the picture is decoded
// for a 160 x 120 cell or at full size; the rest is the file. Any outcome
// but a crash, a leak or a huge allocation is fine: bad data must end in
// an invalid-graphic error.
#include "fuzz_application.h"

#include "formats/picture_errors.h"
#include "formats/picture_file.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    fuzzapp::Ensure("fuzz_picture_loader");
    static const PictureKind kinds[] = {PictureKind::Jpeg, PictureKind::Bitmap, PictureKind::Icon,
                                        PictureKind::Gif,  PictureKind::Emf,    PictureKind::Wmf};
    const PictureKind kind = kinds[data[0] % 6];
    const bool cell = (data[0] / 6) % 2 == 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    try {
        const LoadedPicture picture = DecodePicture(bytes, kind, cell ? QSize(160, 120) : QSize());
        if (picture.image.isNull() || picture.trueSize.isEmpty())
            __builtin_trap(); // a load that succeeds always has a picture
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}
