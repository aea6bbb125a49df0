// Fuzz target of the animated-GIF path: the bytes are a GIF file, read from
// a file as the loader does, decoded frame by frame within the budgets, and
// stepped through as the picture view animates it (frames and delays).
#include "fuzz_application.h"
#include "fuzz_files.h"

#include "formats/gif_image.h"
#include "formats/picture_errors.h"
#include "formats/picture_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzapp::Ensure("fuzz_gif_animation");
    const QString path = fuzzfiles::Write(QStringLiteral("fuzz.gif"), fuzzfiles::Bytes(data, size));
    try {
        const LoadedPicture picture = LoadPictureFile(path, QSize(160, 120));
        if (!picture.gif || picture.gif->FrameCount() < 1 || picture.trueSize.isEmpty())
            std::abort(); // a GIF that loads has at least one frame
        const GifImage& gif = *picture.gif;
        if (gif.FrameCount() > GifImage::MaxFrames)
            std::abort();
        qint64 pixels = 0;
        for (int i = 0; i < gif.FrameCount(); ++i) {
            if (gif.Frame(i).isNull() || gif.Delay(i) < 20)
                std::abort();
            pixels += qint64(gif.Frame(i).width()) * gif.Frame(i).height();
        }
        (void)gif.LoopCount();
        (void)pixels;
    } catch (const EInvalidGraphic&) {
    } catch (const EFOpenError&) {
    }
    return 0;
}
