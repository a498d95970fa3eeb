#include "sample/cursor_file.h"

#include <QtEndian>

namespace sample {
namespace {

void put16(QByteArray& out, int v)
{
    char b[2];
    qToLittleEndian<quint16>(quint16(v), b);
    out.append(b, 2);
}

void put32(QByteArray& out, qint64 v)
{
    char b[4];
    qToLittleEndian<quint32>(quint32(v), b);
    out.append(b, 4);
}

} // namespace

QByteArray cursorFileBytes(const QImage& source, QPoint hotSpot)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = (w + 31) / 32 * 4;
    const qint64 pixelBytes = qint64(w) * h * 4;
    const qint64 maskBytes = qint64(maskStride) * h;
    const qint64 dibBytes = 40 + pixelBytes + maskBytes;

    QByteArray out;
    // Directory: reserved, type 2 (cursor), one image.
    put16(out, 0);
    put16(out, 2);
    put16(out, 1);
    // Entry: size (0 stands for 256), colours, reserved, hot-spot, bytes, offset.
    out.append(char(w >= 256 ? 0 : w));
    out.append(char(h >= 256 ? 0 : h));
    out.append(char(0));
    out.append(char(0));
    put16(out, hotSpot.x());
    put16(out, hotSpot.y());
    put32(out, dibBytes);
    put32(out, 6 + 16);
    // The image: a bottom-up DIB of twice the height (colour rows, then the mask rows).
    put32(out, 40);
    put32(out, w);
    put32(out, 2 * h);
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, pixelBytes + maskBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb px = row[x];
            out.append(char(qBlue(px)));
            out.append(char(qGreen(px)));
            out.append(char(qRed(px)));
            out.append(char(qAlpha(px)));
        }
    }
    // The AND mask: 1 where the screen shows through.
    for (int y = h - 1; y >= 0; --y) {
        QByteArray bits(maskStride, '\0');
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(row[x]) < 128) bits[x / 8] = char(uchar(bits[x / 8]) | (0x80 >> (x % 8)));
        }
        out.append(bits);
    }
    return out;
}

} // namespace sample
