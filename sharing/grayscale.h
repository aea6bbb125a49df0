// Grey copy of a bitmap (the disabled glyph of the upload button).
#pragma once

class QImage;
class QPixmap;

// Turns the picture into grey levels in place, pixel by pixel:
// grey = round(0.3 R + 0.6 G + 0.1 B) in all three channels; alpha is kept.
void GrayscaleBitmap(QImage& bitmap);
void GrayscaleBitmap(QPixmap& bitmap);
