#include "formats/picture_scale.h"

QImage ScaleDecodedPicture(const QImage& image, QSize size)
{
    if (image.isNull() || size.isEmpty() || image.size() == size)
        return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
