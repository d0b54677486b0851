#include "xwd_image.h"

#include <QtAlgorithms>
#include <QtEndian>
#include <array>

namespace {

// The fixed part of the header: 25 big-endian 32-bit fields, followed by the
// window name (header_size covers both) and then ncolors 12-byte colour entries.
enum Field {
    HeaderSize,
    FileVersion,
    PixmapFormat,
    PixmapDepth,
    Width,
    Height,
    XOffset,
    ByteOrder,
    BitmapUnit,
    BitmapBitOrder,
    BitmapPad,
    BitsPerPixel,
    BytesPerLine,
    VisualClass,
    RedMask,
    GreenMask,
    BlueMask,
    BitsPerRgb,
    ColormapEntries,
    ColourCount,
    FieldCount = 25
};
constexpr int ColourEntrySize = 12;
constexpr quint32 Version = 7;
constexpr quint32 ZPixmap = 2;
constexpr quint32 TrueColor = 4;
constexpr quint32 DirectColor = 5;
constexpr quint32 MsbFirst = 1;

// One colour channel of a pixel value, widened or narrowed to 8 bits.
struct Channel
{
    explicit Channel(quint32 mask)
        : mask(mask)
        , shift(mask ? int(qCountTrailingZeroBits(mask)) : 0)
        , maximum(mask ? (mask >> shift) : 1)
    {
    }
    int of(quint32 pixel) const { return int(((pixel & mask) >> shift) * 255 / maximum); }

    quint32 mask;
    int shift;
    quint32 maximum;
};

QImage fail(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
    return {};
}

} // namespace

QImage readXwd(const QByteArray &data, QString *why)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    if (data.size() < FieldCount * 4)
        return fail(why, QStringLiteral("dump too short for its header (%1 bytes)").arg(data.size()));
    std::array<quint32, FieldCount> h{};
    for (int i = 0; i < FieldCount; ++i)
        h[i] = qFromBigEndian<quint32>(bytes + 4 * i);

    if (h[FileVersion] != Version || h[PixmapFormat] != ZPixmap)
        return fail(why, QStringLiteral("not a version 7 ZPixmap dump"));
    if (h[VisualClass] != TrueColor && h[VisualClass] != DirectColor)
        return fail(why, QStringLiteral("visual class %1 is not true colour").arg(h[VisualClass]));

    const int width = int(h[Width]);
    const int height = int(h[Height]);
    const qint64 stride = h[BytesPerLine];
    // xwd packs a screen of depth 24 into 3 bytes a pixel but keeps the line
    // length of the screen's 4 bytes a pixel.
    const int pixelBytes = int(h[BitsPerPixel] / 8);
    if (width <= 0 || height <= 0 || (pixelBytes != 3 && pixelBytes != 4) || h[BitsPerPixel] % 8 != 0
        || stride < qint64(width) * pixelBytes)
        return fail(why,
                    QStringLiteral("unsupported layout: %1x%2, %3 bytes a line, %4 bits a pixel")
                        .arg(width)
                        .arg(height)
                        .arg(stride)
                        .arg(h[BitsPerPixel]));
    const qint64 start = qint64(h[HeaderSize]) + qint64(h[ColourCount]) * ColourEntrySize;
    if (start + stride * height > data.size())
        return fail(why, QStringLiteral("dump ends before its last line"));

    const Channel red(h[RedMask]), green(h[GreenMask]), blue(h[BlueMask]);
    const bool msbFirst = h[ByteOrder] == MsbFirst;
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const uchar *line = bytes + start + stride * y;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const uchar *p = line + x * pixelBytes;
            quint32 pixel = 0;
            for (int b = 0; b < pixelBytes; ++b)
                pixel |= quint32(p[msbFirst ? b : pixelBytes - 1 - b]) << (8 * (pixelBytes - 1 - b));
            out[x] = qRgb(red.of(pixel), green.of(pixel), blue.of(pixel));
        }
    }
    return image;
}
