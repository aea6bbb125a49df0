#include "browse/viewer_commands.h"

#include "formats/img_data.h"
#include "formats/picture_file.h"
#include "platform/file_attributes.h"
#include "platform/ini_file.h"
#include "platform/record_file.h"
#include "sharing/reduce_picture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QStandardPaths>
#include <QTransform>

#include <turbojpeg.h>

#include <algorithm>
#include <cmath>
#include <vector>

QStringList SplitViewerCommandLine(const QString& commandLine)
{
    QStringList words;
    QString word;
    bool inQuotes = false;
    bool haveWord = false;
    for (const QChar c : commandLine) {
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            haveWord = true;   // "" is an empty word
        } else if (!inQuotes && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (haveWord)
                words << word;
            word.clear();
            haveWord = false;
        } else {
            word += c;
            haveWord = true;
        }
    }
    if (haveWord)
        words << word;
    return words;
}

namespace {

// Decodes a picture with the program's own decoder of its kind only (no
// format guessed from the content); null when it cannot be decoded.
QImage decodeAs(const QByteArray& bytes, PictureKind kind)
{
    try {
        return DecodePicture(bytes, kind, QSize()).image;
    } catch (...) {
        return QImage();
    }
}

// The same by the file's name: the program's picture kinds through its own
// decoders, any other image format the viewer converts through the reader
// of the format its extension names, never one guessed from the content.
QImage decodeByName(const QByteArray& bytes, const QString& path)
{
    const PictureKind kind = PictureKindOfPath(path);
    if (kind != PictureKind::Unknown)
        return decodeAs(bytes, kind);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    return reader.read();
}

QString unquoted(QString text)
{
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    return text;
}

bool parseBox(const QString& value, QSize& box)
{
    // "(W,H)" with optional blanks; W and H whole numbers >= 0.
    QString v = value.trimmed();
    if (!v.startsWith(QLatin1Char('(')) || !v.endsWith(QLatin1Char(')')))
        return false;
    const QStringList parts = v.mid(1, v.size() - 2).split(QLatin1Char(','));
    if (parts.size() != 2)
        return false;
    bool okW = false, okH = false;
    const int w = parts[0].trimmed().toInt(&okW);
    const int h = parts[1].trimmed().toInt(&okH);
    if (!okW || !okH || w < 0 || h < 0 || (w == 0 && h == 0) || w > 65500 || h > 65500)
        return false;
    box = QSize(w, h);
    return true;
}

// Paths start with "/" too: a word is a switch when its name is one
// of the viewer's switches, or when it looks like none of a path's forms (no
// further "/", no ".", no such file).
bool isSwitch(const QString& word)
{
    if (!word.startsWith(QLatin1Char('/')))
        return false;
    static const QStringList known = {QStringLiteral("/rotate_l"), QStringLiteral("/rotate_r"),
                                      QStringLiteral("/resize"), QStringLiteral("/aspectratio"),
                                      QStringLiteral("/resample"), QStringLiteral("/convert")};
    const int eq = word.indexOf(QLatin1Char('='));
    if (known.contains((eq < 0 ? word : word.left(eq)).toLower()))
        return true;
    return word.indexOf(QLatin1Char('/'), 1) < 0 && !word.contains(QLatin1Char('.')) && !QFileInfo::exists(word);
}

} // namespace

ViewerCommand ParseViewerArguments(const QStringList& arguments)
{
    ViewerCommand cmd;
    bool rotate = false, resize = false;
    for (const QString& raw : arguments) {
        const QString arg = unquoted(raw);
        if (!isSwitch(arg)) {
            if (cmd.source.isEmpty())
                cmd.source = arg;
            else if (cmd.error.isEmpty())
                cmd.error = QStringLiteral("More than one picture given: ") + arg;
            continue;
        }
        const int eq = arg.indexOf(QLatin1Char('='));
        const QString name = (eq < 0 ? arg : arg.left(eq)).toLower();
        const QString value = eq < 0 ? QString() : unquoted(arg.mid(eq + 1));
        if (name == QLatin1String("/rotate_l") || name == QLatin1String("/rotate_r")) {
            rotate = true;
            cmd.quarterTurns += name.endsWith(QLatin1Char('r')) ? 1 : -1;
        } else if (name == QLatin1String("/resize")) {
            resize = true;
            if (!parseBox(value, cmd.box) && cmd.error.isEmpty())
                cmd.error = QStringLiteral("Invalid size in ") + arg;
        } else if (name == QLatin1String("/aspectratio")) {
            cmd.aspectRatio = true;
        } else if (name == QLatin1String("/resample")) {
            cmd.resample = true;
        } else if (name == QLatin1String("/convert")) {
            cmd.target = value;
            if (value.isEmpty() && cmd.error.isEmpty())
                cmd.error = QStringLiteral("No file name after /convert=");
        } else if (cmd.error.isEmpty()) {
            cmd.error = QStringLiteral("Unknown switch ") + arg;
        }
    }
    if (rotate && resize) {
        if (cmd.error.isEmpty())
            cmd.error = QStringLiteral("Rotation and resizing can not be combined");
    } else if (rotate) {
        cmd.action = ViewerCommand::Action::Rotate;
    } else if (resize) {
        cmd.action = ViewerCommand::Action::Resize;
    } else if (cmd.error.isEmpty()) {
        cmd.error = QStringLiteral("Nothing to do: no /rotate_l, /rotate_r or /resize");
    }
    if (cmd.source.isEmpty() && cmd.error.isEmpty())
        cmd.error = QStringLiteral("No picture given");
    if (cmd.target.isEmpty())
        cmd.target = cmd.source;
    return cmd;
}

ViewerCommand ParseViewerCommand(const QStringList& arguments)
{
    if (arguments.size() == 1) {
        const QString& line = arguments.first();
        const bool wholeLine = line.startsWith(QLatin1Char('"'))
                               || (line.contains(QLatin1String(" /")) && !QFileInfo::exists(line));
        if (wholeLine)
            return ParseViewerArguments(SplitViewerCommandLine(line));
    }
    return ParseViewerArguments(arguments);
}

QSize ViewerResizedSize(QSize size, QSize box, bool aspectRatio)
{
    if (size.isEmpty())
        return QSize(1, 1);
    int w = box.width(), h = box.height();
    if (!aspectRatio) {
        if (w <= 0)
            w = size.width();
        if (h <= 0)
            h = size.height();
        return QSize(std::max(1, w), std::max(1, h));
    }
    const double fx = w > 0 ? double(w) / size.width() : 0.0;
    const double fy = h > 0 ? double(h) / size.height() : 0.0;
    double f = 0.0;
    if (fx > 0 && fy > 0)
        f = std::min(fx, fy);
    else
        f = std::max(fx, fy);
    return QSize(std::max(1, int(std::lround(size.width() * f))), std::max(1, int(std::lround(size.height() * f))));
}

// ---- JPEG rotation ------------------------------------------------------------

JpegRotation RotateJpegData(const QByteArray& jpeg, bool right, QByteArray& out, bool allowReencode, int quality)
{
    out.clear();
    tjhandle handle = tjInitTransform();
    if (!handle)
        return JpegRotation::Failed;
    int width = 0, height = 0, subsamp = 0, colorspace = 0;
    auto* src = reinterpret_cast<unsigned char*>(const_cast<char*>(jpeg.constData()));
    if (tjDecompressHeader3(handle, src, static_cast<unsigned long>(jpeg.size()), &width, &height, &subsamp,
                            &colorspace) != 0) {
        tjDestroy(handle);
        return JpegRotation::Failed;
    }
    tjtransform xform{};
    xform.op = right ? TJXOP_ROT90 : TJXOP_ROT270;
    // Perfect only: a partial coding block at an edge would otherwise be cut
    // off (trim) or left unturned. Every marker is copied as it stands.
    xform.options = TJXOPT_PERFECT;
    unsigned char* dst = nullptr;
    unsigned long dstSize = 0;
    const int rc = tjTransform(handle, src, static_cast<unsigned long>(jpeg.size()), 1, &dst, &dstSize, &xform, 0);
    tjDestroy(handle);
    if (rc == 0 && dst && dstSize > 0) {
        out = QByteArray(reinterpret_cast<const char*>(dst), qsizetype(dstSize));
        tjFree(dst);
        // The EXIF pixel dimensions name the turned picture's size.
        out = UpdateExifPixelDimensions(out, QSize(height, width));
        return JpegRotation::Lossless;
    }
    if (dst)
        tjFree(dst);
    if (!allowReencode)
        return JpegRotation::Failed;

    // The size does not allow a lossless turn: decode, turn, encode again
    // with the picture's own metadata segments.
    QImage image = decodeAs(jpeg, PictureKind::Jpeg);
    if (image.isNull())
        return JpegRotation::Failed;
    image = image.transformed(QTransform().rotate(right ? 90 : -90));
    out = EncodeJpeg(image, quality, ReadJpegMetadataSegments(jpeg));
    if (!out.isEmpty())
        out = UpdateExifPixelDimensions(out, image.size());
    return out.isEmpty() ? JpegRotation::Failed : JpegRotation::Reencoded;
}

// ---- settings --------------------------------------------------------------------------

QString ViewerSettingsPath()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base + QStringLiteral("/vxview/vxview.ini");
}

int ViewerResampleFilter(const QString& iniPath)
{
    if (iniPath.isEmpty() || !QFileInfo(iniPath).isFile())
        return 5;
    bool ok = false;
    const int v = platform::ReadIniValue(iniPath, QStringLiteral("Resize/ResampleFilter")).toString().trimmed().toInt(&ok);
    return ok && v >= 0 && v <= 5 ? v : 5;
}

int ViewerJpegQuality(const QString& iniPath)
{
    if (iniPath.isEmpty() || !QFileInfo(iniPath).isFile())
        return 92;
    bool ok = false;
    const int v = platform::ReadIniValue(iniPath, QStringLiteral("JPEG/Save Quality")).toString().trimmed().toInt(&ok);
    return ok && v >= 1 && v <= 100 ? v : 92;
}

// ---- resampling --------------------------------------------------------------------------

namespace {

constexpr double kPi = 3.14159265358979323846;

double sinc(double x)
{
    if (x == 0.0)
        return 1.0;
    x *= kPi;
    return std::sin(x) / x;
}

struct Kernel {
    double support;
    double (*f)(double);
};

Kernel kernelFor(int filter)
{
    switch (filter) {
    case 0: // Hermite
        return {1.0, [](double t) {
                    t = std::fabs(t);
                    return t < 1.0 ? (2.0 * t - 3.0) * t * t + 1.0 : 0.0;
                }};
    case 1: // Triangle
        return {1.0, [](double t) {
                    t = std::fabs(t);
                    return t < 1.0 ? 1.0 - t : 0.0;
                }};
    case 2: // Mitchell (B = C = 1/3)
        return {2.0, [](double t) {
                    const double B = 1.0 / 3.0, C = 1.0 / 3.0;
                    t = std::fabs(t);
                    const double t2 = t * t, t3 = t2 * t;
                    if (t < 1.0)
                        return ((12 - 9 * B - 6 * C) * t3 + (-18 + 12 * B + 6 * C) * t2 + (6 - 2 * B)) / 6.0;
                    if (t < 2.0)
                        return ((-B - 6 * C) * t3 + (6 * B + 30 * C) * t2 + (-12 * B - 48 * C) * t + (8 * B + 24 * C))
                               / 6.0;
                    return 0.0;
                }};
    case 3: // Bell
        return {1.5, [](double t) {
                    t = std::fabs(t);
                    if (t < 0.5)
                        return 0.75 - t * t;
                    if (t < 1.5)
                        return 0.5 * (t - 1.5) * (t - 1.5);
                    return 0.0;
                }};
    case 4: // B-Spline
        return {2.0, [](double t) {
                    t = std::fabs(t);
                    if (t < 1.0)
                        return (0.5 * t * t * t) - t * t + 2.0 / 3.0;
                    if (t < 2.0) {
                        t = 2.0 - t;
                        return t * t * t / 6.0;
                    }
                    return 0.0;
                }};
    default: // Lanczos 3
        return {3.0, [](double t) {
                    t = std::fabs(t);
                    return t < 3.0 ? sinc(t) * sinc(t / 3.0) : 0.0;
                }};
    }
}

struct Contribution {
    int first = 0;
    std::vector<double> weights;
};

std::vector<Contribution> contributions(int srcSize, int dstSize, const Kernel& k)
{
    std::vector<Contribution> result(static_cast<size_t>(dstSize));
    const double scale = double(dstSize) / srcSize;
    const double stretch = scale < 1.0 ? 1.0 / scale : 1.0;   // widen the kernel when shrinking
    const double support = k.support * stretch;
    for (int i = 0; i < dstSize; ++i) {
        const double center = (i + 0.5) / scale - 0.5;
        const int left = std::max(0, int(std::floor(center - support)));
        const int right = std::min(srcSize - 1, int(std::ceil(center + support)));
        Contribution& c = result[size_t(i)];
        c.first = left;
        double sum = 0.0;
        for (int j = left; j <= right; ++j) {
            const double w = k.f((j - center) / stretch);
            c.weights.push_back(w);
            sum += w;
        }
        if (sum != 0.0)
            for (double& w : c.weights)
                w /= sum;
        else if (!c.weights.empty())
            c.weights.assign(c.weights.size(), 1.0 / double(c.weights.size()));
    }
    return result;
}

quint8 clampByte(double v)
{
    return quint8(std::clamp(int(std::lround(v)), 0, 255));
}

// One pass of the separable filter along x (horizontal) or y.
QImage resamplePass(const QImage& src, int newSize, bool horizontal, const Kernel& k)
{
    const int w = horizontal ? newSize : src.width();
    const int h = horizontal ? src.height() : newSize;
    QImage dst(w, h, QImage::Format_ARGB32);
    const auto contrib = contributions(horizontal ? src.width() : src.height(), newSize, k);
    for (int y = 0; y < h; ++y) {
        QRgb* out = reinterpret_cast<QRgb*>(dst.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const Contribution& c = contrib[size_t(horizontal ? x : y)];
            double r = 0, g = 0, b = 0, a = 0;
            for (size_t n = 0; n < c.weights.size(); ++n) {
                const int pos = c.first + int(n);
                const QRgb p = horizontal ? reinterpret_cast<const QRgb*>(src.constScanLine(y))[pos]
                                          : reinterpret_cast<const QRgb*>(src.constScanLine(pos))[x];
                const double wgt = c.weights[n];
                r += qRed(p) * wgt;
                g += qGreen(p) * wgt;
                b += qBlue(p) * wgt;
                a += qAlpha(p) * wgt;
            }
            out[x] = qRgba(clampByte(r), clampByte(g), clampByte(b), clampByte(a));
        }
    }
    return dst;
}

QImage resampled(const QImage& image, QSize size, int filter)
{
    const Kernel k = kernelFor(filter);
    QImage src = image.convertToFormat(QImage::Format_ARGB32);
    src = resamplePass(src, size.width(), true, k);
    src = resamplePass(src, size.height(), false, k);
    return image.hasAlphaChannel() ? src : src.convertToFormat(QImage::Format_RGB32);
}

QByteArray formatOf(const QString& path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg") || ext == QLatin1String("jpe"))
        return "jpeg";
    if (ext == QLatin1String("tif"))
        return "tiff";
    return ext.toLatin1();
}

bool isJpeg(const QByteArray& data)
{
    return data.startsWith("\xFF\xD8\xFF");
}

// Writes bytes through a temporary file in the target's folder and renames it.
bool saveWhole(const QString& target, const QByteArray& bytes, QString& message)
{
    const platform::RecordResult written = platform::SafeWriteFile(target, bytes);
    if (!written.ok())
        message = written.Message;
    return written.ok();
}

// Encodes an image for the target's format; a JPEG keeps the metadata
// segments of a JPEG source.
bool encodeFor(const QString& target, const QImage& image, const QByteArray& sourceBytes, int quality,
               QByteArray& out, QString& message)
{
    const QByteArray format = formatOf(target);
    if (format == "jpeg") {
        out = EncodeJpeg(image, quality, isJpeg(sourceBytes) ? ReadJpegMetadataSegments(sourceBytes)
                                                             : QList<JpegSegment>());
    } else {
        if (!QImageWriter::supportedImageFormats().contains(format)) {
            message = QStringLiteral("Can not write pictures of type .") + QString::fromLatin1(format);
            return false;
        }
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        if (!writer.write(image)) {
            message = writer.errorString();
            out.clear();
        }
    }
    if (out.isEmpty()) {
        if (message.isEmpty())
            message = QStringLiteral("The picture could not be encoded");
        return false;
    }
    return true;
}


// Reads the whole source picture (at most 512 MB); false with the user's text.
bool readViewerSource(const QString& path, QByteArray& source, QString& message)
{
    QFile in(path);
    if (!QFileInfo(path).isFile() || !in.open(QIODevice::ReadOnly)) {
        message = QStringLiteral("Can not open ") + path;
        return false;
    }
    constexpr qint64 kMaxBytes = 512LL * 1024 * 1024;
    if (in.size() > kMaxBytes) {
        message = QStringLiteral("Picture too large: ") + path;
        return false;
    }
    source = in.readAll();
    return true;
}

// Turns JPEG data by quarter turns (0..3) without decoding where the
// picture's size allows; result.lossless says whether it did.
bool rotateJpeg(const ViewerCommand& command, const QByteArray& source, int turns, int quality, QByteArray& out,
                ViewerResult& result)
{
    if (turns == 0) {
        out = source;
        result.lossless = true;
        return true;
    }
    // Three quarter turns right are one turn left.
    const bool right = turns != 3;
    const int steps = turns == 2 ? 2 : 1;
    QByteArray current = source;
    bool lossless = true;
    for (int i = 0; i < steps; ++i) {
        QByteArray next;
        const JpegRotation r = RotateJpegData(current, right, next, true, quality);
        if (r == JpegRotation::Failed) {
            result.message = QStringLiteral("The picture could not be rotated: ") + command.source;
            return false;
        }
        lossless = lossless && r == JpegRotation::Lossless;
        current = next;
    }
    out = current;
    result.lossless = lossless;
    return true;
}

// The rotated picture encoded for the target.
bool rotatePicture(const ViewerCommand& command, const QByteArray& source, const QString& target, int quality,
                   QByteArray& out, ViewerResult& result)
{
    int turns = ((command.quarterTurns % 4) + 4) % 4;
    if (isJpeg(source) && formatOf(target) == "jpeg")
        return rotateJpeg(command, source, turns, quality, out, result);
    QImage image = decodeByName(source, command.source);
    if (image.isNull()) {
        result.message = QStringLiteral("Can not read the picture ") + command.source;
        return false;
    }
    image = image.transformed(QTransform().rotate(90.0 * turns));
    return encodeFor(target, image, source, quality, out, result.message);
}

// The resized picture encoded for the target.
bool resizePicture(const ViewerCommand& command, const QByteArray& source, const QString& target, int quality,
                   const QString& iniPath, QByteArray& out, ViewerResult& result)
{
    QImage image = decodeByName(source, command.source);
    if (image.isNull()) {
        result.message = QStringLiteral("Can not read the picture ") + command.source;
        return false;
    }
    const QSize size = ViewerResizedSize(image.size(), command.box, command.aspectRatio);
    if (qint64(size.width()) * size.height() > 400LL * 1000 * 1000) {
        result.message = QStringLiteral("The new size is too large");
        return false;
    }
    if (size != image.size())
        image = command.resample ? resampled(image, size, ViewerResampleFilter(iniPath))
                                 : image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return encodeFor(target, image, source, quality, out, result.message);
}

// Writes the result unless the target is read-only or its folder cannot be made.
bool writeViewerTarget(const QString& target, const QByteArray& out, QString& message)
{
    if (QFileInfo::exists(target) && platform::IsReadOnly(target)) {
        message = QStringLiteral("The file is read-only: ") + target;
        return false;
    }
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder)) {
        message = QStringLiteral("Can not create the folder ") + folder;
        return false;
    }
    return saveWhole(target, out, message);
}

} // namespace

ViewerResult RunViewerCommand(const ViewerCommand& command, const QString& iniPath)
{
    ViewerResult result;
    if (!command.ok()) {
        result.message = command.error.isEmpty() ? QStringLiteral("Nothing to do") : command.error;
        return result;
    }
    QByteArray source;
    if (!readViewerSource(command.source, source, result.message))
        return result;
    const QString target = command.target.isEmpty() ? command.source : command.target;
    const int quality = ViewerJpegQuality(iniPath);
    QByteArray out;
    const bool made = command.action == ViewerCommand::Action::Rotate
                          ? rotatePicture(command, source, target, quality, out, result)
                          : resizePicture(command, source, target, quality, iniPath, out, result);
    if (!made || !writeViewerTarget(target, out, result.message))
        return result;
    result.ok = true;
    return result;
}
