// The picture loader: the content decides the format, never the name; cursors keep their
// hot-spot; damaged files fail cleanly. Fixtures are made here, in a temporary folder.
#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

#include "platform/picture.h"
#include "platform/units.h"
#include "support/child.h"

namespace {

using namespace platform;

// ---- byte builders --------------------------------------------------------------------

void put8(QByteArray& out, int v)
{
    out.append(char(v & 0xFF));
}
void put16(QByteArray& out, int v)
{
    put8(out, v);
    put8(out, v >> 8);
}
void put32(QByteArray& out, qint64 v)
{
    put16(out, int(v & 0xFFFF));
    put16(out, int((v >> 16) & 0xFFFF));
}

// One image of an icon or cursor file: a DIB without file header, its XOR pixels (palette
// indices up to 8 bits, ARGB above) and its AND mask (true = transparent).
struct IconImage {
    int width = 32;
    int height = 32;
    int bits = 1;
    std::vector<QRgb> palette;
    std::function<QRgb(int x, int y)> pixel;
    std::function<bool(int x, int y)> transparent;
    QPoint hotSpot; // written into the directory of a cursor file
};

QByteArray dib(const IconImage& im)
{
    const int xorStride = (im.width * im.bits + 31) / 32 * 4;
    const int andStride = (im.width + 31) / 32 * 4;
    QByteArray out;
    put32(out, 40);
    put32(out, im.width);
    put32(out, im.height * 2); // XOR and AND halves
    put16(out, 1);
    put16(out, im.bits);
    put32(out, 0);
    put32(out, (xorStride + andStride) * im.height);
    put32(out, 0);
    put32(out, 0);
    put32(out, qint64(im.palette.size()));
    put32(out, 0);
    for (QRgb c : im.palette) {
        put8(out, qBlue(c));
        put8(out, qGreen(c));
        put8(out, qRed(c));
        put8(out, 0);
    }
    for (int y = im.height - 1; y >= 0; --y) { // bottom-up
        QByteArray row(xorStride, '\0');
        for (int x = 0; x < im.width; ++x) {
            const QRgb v = im.pixel(x, y);
            auto* p = reinterpret_cast<uchar*>(row.data());
            switch (im.bits) {
            case 1:
                p[x / 8] |= uchar((v & 1) << (7 - x % 8));
                break;
            case 4:
                p[x / 2] |= uchar((v & 0xF) << (x % 2 ? 0 : 4));
                break;
            case 8:
                p[x] = uchar(v);
                break;
            case 24:
                p[x * 3] = uchar(qBlue(v));
                p[x * 3 + 1] = uchar(qGreen(v));
                p[x * 3 + 2] = uchar(qRed(v));
                break;
            case 32:
                p[x * 4] = uchar(qBlue(v));
                p[x * 4 + 1] = uchar(qGreen(v));
                p[x * 4 + 2] = uchar(qRed(v));
                p[x * 4 + 3] = uchar(qAlpha(v));
                break;
            }
        }
        out.append(row);
    }
    for (int y = im.height - 1; y >= 0; --y) {
        QByteArray row(andStride, '\0');
        for (int x = 0; x < im.width; ++x) {
            if (im.transparent(x, y)) row[x / 8] = char(uchar(row[x / 8]) | (1 << (7 - x % 8)));
        }
        out.append(row);
    }
    return out;
}

// An ICO (type 1) or CUR (type 2) file, directory and images, byte by byte.
QByteArray iconFile(int type, const std::vector<IconImage>& images)
{
    QByteArray out;
    put16(out, 0);
    put16(out, type);
    put16(out, int(images.size()));
    std::vector<QByteArray> bodies;
    for (const auto& im : images)
        bodies.push_back(dib(im));
    qint64 at = 6 + 16 * qint64(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const IconImage& im = images[i];
        put8(out, im.width == 256 ? 0 : im.width);
        put8(out, im.height == 256 ? 0 : im.height);
        put8(out, im.bits <= 8 ? int(im.palette.size()) % 256 : 0);
        put8(out, 0);
        put16(out, type == 2 ? im.hotSpot.x() : 1);
        put16(out, type == 2 ? im.hotSpot.y() : im.bits);
        put32(out, bodies[i].size());
        put32(out, at);
        at += bodies[i].size();
    }
    for (const auto& body : bodies)
        out.append(body);
    return out;
}

// A 32 x 32 monochrome cursor: a 9 x 9 opaque square at (4, 4) with a black border and a
// white inside; everything else transparent.
IconImage monochromeCursorImage(QPoint hotSpot)
{
    IconImage im;
    im.bits = 1;
    im.palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    const auto inside = [](int x, int y) { return x >= 4 && x <= 12 && y >= 4 && y <= 12; };
    const auto border = [](int x, int y) { return x == 4 || x == 12 || y == 4 || y == 12; };
    im.pixel = [=](int x, int y) -> QRgb { return inside(x, y) && !border(x, y) ? 1 : 0; };
    im.transparent = [=](int x, int y) { return !inside(x, y); };
    im.hotSpot = hotSpot;
    return im;
}

// A GIF89a with a four-colour table. Each pixel is sent as a clear code and a literal, so the
// code width never grows and no LZW table is needed to write it.
QByteArray gifFile(int width, int height, const std::vector<QRgb>& colours,
                   const std::function<int(int x, int y)>& index)
{
    QByteArray out("GIF89a");
    put16(out, width);
    put16(out, height);
    put8(out, 0x91); // global colour table of 4 entries
    put8(out, 0);
    put8(out, 0);
    for (int i = 0; i < 4; ++i) {
        const QRgb c = i < int(colours.size()) ? colours[size_t(i)] : 0;
        put8(out, qRed(c));
        put8(out, qGreen(c));
        put8(out, qBlue(c));
    }
    put8(out, 0x2C);
    put16(out, 0);
    put16(out, 0);
    put16(out, width);
    put16(out, height);
    put8(out, 0);
    put8(out, 2); // minimum code size: clear = 4, end = 5, codes of 3 bits
    QByteArray packed;
    quint32 acc = 0;
    int nbits = 0;
    const auto code = [&](int c) {
        acc |= quint32(c) << nbits;
        nbits += 3;
        while (nbits >= 8) {
            packed.append(char(acc & 0xFF));
            acc >>= 8;
            nbits -= 8;
        }
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            code(4);
            code(index(x, y));
        }
    }
    code(5);
    if (nbits > 0) packed.append(char(acc & 0xFF));
    for (qsizetype i = 0; i < packed.size(); i += 255) {
        const QByteArray block = packed.mid(i, 255);
        put8(out, int(block.size()));
        out.append(block);
    }
    put8(out, 0);
    put8(out, 0x3B);
    return out;
}

// The classic smallest GIF: one red pixel.
const QByteArray onePixelGif = QByteArray::fromHex(
    "47494638396101000100800000ff000000000021f90400000000002c00000000010001000002024401003b");

// 32 x 16: left half red, right half blue; easy to check even after JPEG.
QImage twoColourImage()
{
    QImage image(32, 16, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, x < 16 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return image;
}

QByteArray encoded(const QImage& image, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format, quality)) << format;
    return bytes;
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

class Pictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        setTwipsPerPixel(15, 15);
    }
    void TearDown() override { setTwipsPerPixel(15, 15); }

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QImage imageOf(const Picture& p) { return p.pixmap().toImage(); }

    QTemporaryDir dir;
};

// ---- formats by content ---------------------------------------------------------------

TEST_F(Pictures, FormatComesFromTheContent)
{
    EXPECT_EQ(pictureFormat(QByteArray::fromHex("ffd8ffe0")), "jpeg");
    EXPECT_EQ(pictureFormat("GIF87a..."), "gif");
    EXPECT_EQ(pictureFormat("GIF89a..."), "gif");
    EXPECT_EQ(pictureFormat("BM......"), "bmp");
    EXPECT_EQ(pictureFormat(QByteArray::fromHex("00000100")), "ico");
    EXPECT_EQ(pictureFormat(QByteArray::fromHex("00000200")), "cur");
    EXPECT_EQ(pictureFormat(QByteArray::fromHex("89504e470d0a1a0a")), "");
    EXPECT_EQ(pictureFormat("GIF88a"), "");
    EXPECT_EQ(pictureFormat(QByteArray::fromHex("ffd8")), "");
    EXPECT_EQ(pictureFormat(""), "");
    EXPECT_EQ(pictureFormat("plain text"), "");
}

TEST_F(Pictures, JpegNamedRar)
{
    const QString path = write("010203.rar", encoded(twoColourImage(), "JPEG", 100));
    QString error;
    const auto picture = loadPicture(path, &error);
    ASSERT_TRUE(picture) << error.toStdString();
    EXPECT_EQ(picture->source(), path);
    EXPECT_EQ(picture->pixmap().size(), QSize(32, 16));
    EXPECT_FALSE(picture->isCursor());
    const QImage image = imageOf(*picture);
    EXPECT_TRUE(near(image.pixel(4, 8), qRgb(255, 0, 0), 24));
    EXPECT_TRUE(near(image.pixel(27, 8), qRgb(0, 0, 255), 24));
}

TEST_F(Pictures, BitmapNamedRarAndBitmapNamedJpg)
{
    for (const QString& name :
         {QStringLiteral("A00000.rar"), QStringLiteral("x.jpg"), QStringLiteral("noext")}) {
        const QString path = write(name, encoded(twoColourImage(), "BMP"));
        QString error;
        const auto picture = loadPicture(path, &error);
        ASSERT_TRUE(picture) << name.toStdString() << ": " << error.toStdString();
        EXPECT_EQ(picture->source(), path);
        EXPECT_EQ(picture->pixmap().size(), QSize(32, 16));
        const QImage image = imageOf(*picture);
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
        EXPECT_EQ(image.pixel(31, 15), qRgb(0, 0, 255));
    }
}

TEST_F(Pictures, JpegNamedBmp)
{
    const QString path = write("x.bmp", encoded(twoColourImage(), "JPEG", 100));
    const auto picture = loadPicture(path);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixmap().size(), QSize(32, 16));
}

TEST_F(Pictures, GifNamedRar)
{
    const std::vector<QRgb> colours = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    const auto index = [](int x, int y) { return (x + 2 * y) % 4; };
    const QString path = write("GIF001.rar", gifFile(5, 3, colours, index));
    QString error;
    const auto picture = loadPicture(path, &error);
    ASSERT_TRUE(picture) << error.toStdString();
    EXPECT_EQ(picture->pixmap().size(), QSize(5, 3));
    const QImage image = imageOf(*picture);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(image.pixel(x, y), colours[size_t(index(x, y))]) << x << "," << y;
}

TEST_F(Pictures, SmallestGif)
{
    const auto picture = loadPicture(write("one.jpg", onePixelGif));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixmap().size(), QSize(1, 1));
    EXPECT_EQ(imageOf(*picture).pixel(0, 0), qRgb(255, 0, 0));
}

TEST_F(Pictures, SizeInTwipsFollowsTwipsPerPixel)
{
    const auto picture = loadPicture(write("p.rar", encoded(twoColourImage(), "BMP")));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->widthTwips(), 480.0);
    EXPECT_EQ(picture->heightTwips(), 240.0);
    setTwipsPerPixel(12, 12);
    EXPECT_EQ(picture->widthTwips(), 384.0);
    EXPECT_EQ(picture->heightTwips(), 192.0);
    EXPECT_EQ(Picture().widthTwips(), 0.0);
}

// ---- cursors and icons ----------------------------------------------------------------

TEST_F(Pictures, MonochromeCursorKeepsItsHotSpot)
{
    const QString path = write("ico03.CUR", iconFile(2, {monochromeCursorImage(QPoint(5, 7))}));
    QString error;
    const auto picture = loadPicture(path, &error);
    ASSERT_TRUE(picture) << error.toStdString();
    EXPECT_TRUE(picture->isCursor());
    EXPECT_EQ(picture->hotSpot(), QPoint(5, 7));
    EXPECT_EQ(picture->source(), path);
    EXPECT_EQ(picture->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(picture->widthTwips(), 480.0);
    const QImage image = imageOf(*picture);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0); // outside the mask
    EXPECT_EQ(qAlpha(image.pixel(20, 20)), 0);
    EXPECT_EQ(image.pixel(4, 4), qRgb(0, 0, 0)); // border
    EXPECT_EQ(image.pixel(12, 8), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(8, 8), qRgb(255, 255, 255)); // inside
    EXPECT_EQ(image.pixel(5, 11), qRgb(255, 255, 255));
}

// Mask set over white inverts the screen on Windows (the I-beam cursor); it shows black here.
TEST_F(Pictures, InvertingPixelsOfAMonochromeCursorShowBlack)
{
    IconImage im = monochromeCursorImage(QPoint(2, 2));
    // Only the square's border is opaque; its white inside lies under the mask.
    im.transparent = [](int x, int y) {
        const bool inside = x >= 4 && x <= 12 && y >= 4 && y <= 12;
        return !(inside && (x == 4 || x == 12 || y == 4 || y == 12));
    };
    const auto picture = loadPicture(write("beam.cur", iconFile(2, {im})));
    ASSERT_TRUE(picture);
    const QImage image = imageOf(*picture);
    EXPECT_EQ(image.pixel(8, 8), qRgb(0, 0, 0)); // white under the mask: inverting
    EXPECT_EQ(image.pixel(4, 8), qRgb(0, 0, 0)); // black border, opaque
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);     // black under the mask: transparent
    EXPECT_EQ(qAlpha(image.pixel(20, 20)), 0);
}

TEST_F(Pictures, TrueColourCursor)
{
    IconImage im;
    im.bits = 32;
    im.pixel = [](int x, int y) -> QRgb {
        if (x < 16 && y < 16) return qRgba(0, 128, 0, 255);
        return qRgba(0, 0, 0, 0);
    };
    im.transparent = [](int x, int y) { return !(x < 16 && y < 16); };
    im.hotSpot = QPoint(15, 0);
    const auto picture = loadPicture(write("ico01.cur", iconFile(2, {im})));
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture->isCursor());
    EXPECT_EQ(picture->hotSpot(), QPoint(15, 0));
    const QImage image = imageOf(*picture);
    EXPECT_EQ(image.pixel(3, 3), qRgb(0, 128, 0));
    EXPECT_EQ(qAlpha(image.pixel(3, 3)), 255);
    EXPECT_EQ(qAlpha(image.pixel(20, 20)), 0);
}

TEST_F(Pictures, PaletteCursors)
{
    for (int bits : {4, 8}) {
        IconImage im;
        im.bits = bits;
        im.palette.assign(size_t(1) << bits, qRgb(0, 0, 0));
        im.palette[3] = qRgb(255, 255, 0);
        im.palette[9] = qRgb(0, 255, 255);
        im.pixel = [](int x, int) -> QRgb { return x < 10 ? 3 : 9; };
        im.transparent = [](int, int y) { return y >= 20; };
        im.hotSpot = QPoint(31, 31);
        const auto picture = loadPicture(write(QStringLiteral("p%1.cur").arg(bits), iconFile(2, {im})));
        ASSERT_TRUE(picture) << bits;
        EXPECT_EQ(picture->hotSpot(), QPoint(31, 31));
        const QImage image = imageOf(*picture);
        EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 0)) << bits;
        EXPECT_EQ(image.pixel(12, 2), qRgb(0, 255, 255)) << bits;
        EXPECT_EQ(qAlpha(image.pixel(2, 25)), 0) << bits;
    }
}

TEST_F(Pictures, HotSpotOutsideTheImageIsClampedIntoIt)
{
    const auto picture = loadPicture(write("far.cur", iconFile(2, {monochromeCursorImage(QPoint(40, 99))})));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->hotSpot(), QPoint(31, 31));
}

TEST_F(Pictures, IconWrittenByQt)
{
    QImage source(32, 32, QImage::Format_ARGB32);
    source.fill(Qt::transparent);
    for (int y = 8; y < 24; ++y)
        for (int x = 8; x < 24; ++x)
            source.setPixel(x, y, qRgb(255, 0, 255));
    const QString path = write("icon.rar", encoded(source, "ICO"));
    QString error;
    const auto picture = loadPicture(path, &error);
    ASSERT_TRUE(picture) << error.toStdString();
    EXPECT_FALSE(picture->isCursor());
    EXPECT_EQ(picture->hotSpot(), QPoint(0, 0));
    EXPECT_EQ(picture->pixmap().size(), QSize(32, 32));
    const QImage image = imageOf(*picture);
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 255));
    EXPECT_EQ(qAlpha(image.pixel(2, 2)), 0);
}

TEST_F(Pictures, IconFilePicksItsThirtyTwoPixelImage)
{
    IconImage small = monochromeCursorImage({});
    small.width = small.height = 16;
    IconImage big = monochromeCursorImage({});
    IconImage bigDeep;
    bigDeep.bits = 32;
    bigDeep.pixel = [](int, int) -> QRgb { return qRgba(10, 20, 30, 255); };
    bigDeep.transparent = [](int, int) { return false; };
    IconImage large = bigDeep;
    large.width = large.height = 48;

    auto picture = loadPicture(write("a.ico", iconFile(1, {small, big})));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixmap().size(), QSize(32, 32));

    picture = loadPicture(write("b.ico", iconFile(1, {small, big, bigDeep, large})));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(imageOf(*picture).pixel(20, 20), qRgb(10, 20, 30));

    picture = loadPicture(write("c.ico", iconFile(1, {large, small})));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixmap().size(), QSize(48, 48));
}

TEST_F(Pictures, CursorFilePicksTheHotSpotOfTheImageItShows)
{
    IconImage small = monochromeCursorImage(QPoint(1, 2));
    small.width = small.height = 16;
    const auto picture =
        loadPicture(write("two.cur", iconFile(2, {small, monochromeCursorImage(QPoint(5, 7))})));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(picture->hotSpot(), QPoint(5, 7));
}

TEST_F(Pictures, IconWithPngImage)
{
    // Vista-style icons keep large images as PNG inside the ICO container.
    QImage source(48, 48, QImage::Format_ARGB32);
    source.fill(qRgba(0, 0, 0, 0));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 48; ++x)
            source.setPixel(x, y, qRgb(0, 200, 100));
    const QByteArray png = encoded(source, "PNG");
    QByteArray file;
    put16(file, 0);
    put16(file, 1);
    put16(file, 1);
    put8(file, 48);
    put8(file, 48);
    put8(file, 0);
    put8(file, 0);
    put16(file, 1);
    put16(file, 32);
    put32(file, png.size());
    put32(file, 22);
    file.append(png);
    QString error;
    const auto picture = loadPicture(write("png.ico", file), &error);
    ASSERT_TRUE(picture) << error.toStdString();
    EXPECT_EQ(picture->pixmap().size(), QSize(48, 48));
    const QImage image = imageOf(*picture);
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 200, 100));
    EXPECT_EQ(qAlpha(image.pixel(5, 40)), 0);
}

// ---- pointers -------------------------------------------------------------------------

TEST_F(Pictures, CustomPointerUsesTheHotSpot)
{
    const auto cursor = loadPicture(write("ico02.CUR", iconFile(2, {monochromeCursorImage(QPoint(5, 7))})));
    ASSERT_TRUE(cursor);
    const QCursor pointer = customPointer(*cursor);
    EXPECT_EQ(pointer.shape(), Qt::BitmapCursor);
    EXPECT_EQ(pointer.hotSpot(), QPoint(5, 7));
    EXPECT_EQ(pointer.pixmap().size(), QSize(32, 32));

    const auto icon = loadPicture(write("i.ico", iconFile(1, {monochromeCursorImage({})})));
    ASSERT_TRUE(icon);
    EXPECT_EQ(customPointer(*icon).hotSpot(), QPoint(16, 16));

    EXPECT_EQ(customPointer(Picture()).shape(), Qt::ArrowCursor);
}

TEST_F(Pictures, StandardPointersByNumber)
{
    const std::pair<int, Qt::CursorShape> cases[] = {
        {0, Qt::ArrowCursor},      {1, Qt::ArrowCursor},   {2, Qt::CrossCursor},      {3, Qt::IBeamCursor},
        {4, Qt::ArrowCursor},      {5, Qt::SizeAllCursor}, {6, Qt::SizeBDiagCursor},  {7, Qt::SizeVerCursor},
        {8, Qt::SizeFDiagCursor},  {9, Qt::SizeHorCursor}, {10, Qt::UpArrowCursor},   {11, Qt::WaitCursor},
        {12, Qt::ForbiddenCursor}, {13, Qt::BusyCursor},   {14, Qt::WhatsThisCursor}, {15, Qt::SizeAllCursor},
        {99, Qt::ArrowCursor},     {16, Qt::ArrowCursor},  {-1, Qt::ArrowCursor},     {100, Qt::ArrowCursor},
    };
    for (const auto& [shape, expected] : cases)
        EXPECT_EQ(standardPointer(shape).shape(), expected) << shape;
}

// ---- names ----------------------------------------------------------------------------

TEST_F(Pictures, NameDifferingInCaseIsFound)
{
    write("PIC001.RAR", encoded(twoColourImage(), "BMP"));
    const QString asked = dir.filePath("pic001.rar");
    const auto picture = loadPicture(asked);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->source(), asked);
}

TEST_F(Pictures, MissingFileOrFolderFails)
{
    QString error;
    EXPECT_FALSE(loadPicture(dir.filePath("none.rar"), &error));
    EXPECT_TRUE(error.contains("none.rar")) << error.toStdString();
    error.clear();
    EXPECT_FALSE(loadPicture(dir.path(), &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(loadPicture(QString(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(loadPicture(dir.filePath("no/such/folder/x.rar")));
}

TEST_F(Pictures, APipeOrADeviceIsAMissingPicture)
{
    const QString pipe = dir.filePath("pipe.rar");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("zero.rar")));
    ASSERT_TRUE(QFile::link("/dev/urandom", dir.filePath("random.rar")));
    for (const char* name : {"pipe.rar", "zero.rar", "random.rar"}) {
        SCOPED_TRACE(name);
        // In a child with a time limit: a load that waited or read without end would hang.
        const int result = testkit::inChild(
            [&] {
                QString error;
                if (loadPicture(dir.filePath(name), &error)) return 1;
                return error.startsWith("file not found") ? 0 : 2;
            },
            5, [] { testkit::limitMemory(); });
        EXPECT_EQ(result, 0);
    }
}

// ---- decoded pictures kept ------------------------------------------------------------

// A file is decoded once while it stays as it is: later loads share the decoded pixels, each
// with the name it was asked by.
TEST_F(Pictures, AnUnchangedFileIsDecodedOnce)
{
    const QString path = write("SAME.RAR", encoded(twoColourImage(), "BMP"));
    const auto first = loadPicture(path);
    const auto again = loadPicture(path);
    const auto byOtherCase = loadPicture(dir.filePath("same.rar"));
    ASSERT_TRUE(first && again && byOtherCase);
    EXPECT_EQ(again->pixmap().cacheKey(), first->pixmap().cacheKey());
    EXPECT_EQ(byOtherCase->pixmap().cacheKey(), first->pixmap().cacheKey());
    EXPECT_EQ(byOtherCase->source(), dir.filePath("same.rar"));
    EXPECT_EQ(again->source(), path);
}

// A file changed on disk is read again, whether its time or only its size tells it; a file that
// became damaged or went away fails, however often it is asked for.
TEST_F(Pictures, AFileChangedOnDiskIsReadAgain)
{
    const auto image = [](int w, int h, QRgb c) {
        QImage im(w, h, QImage::Format_RGB32);
        im.fill(c);
        return im;
    };
    const QDateTime then = QDateTime::currentDateTime().addSecs(-3600);
    const auto stamp = [](const QString& path, const QDateTime& t) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(t, QFileDevice::FileModificationTime));
    };
    const struct {
        const char* what;
        QByteArray bytes; // nothing: the file is removed
        bool laterTime;
        QSize size; // empty: the load fails
        QRgb colour;
    } cases[] = {
        {"same size, later time",
         encoded(image(8, 8, qRgb(0, 0, 255)), "BMP"),
         true,
         {8, 8},
         qRgb(0, 0, 255)},
        {"other size, same time",
         encoded(image(9, 8, qRgb(0, 255, 0)), "BMP"),
         false,
         {9, 8},
         qRgb(0, 255, 0)},
        {"damaged, same size", QByteArray(encoded(image(8, 8, 0), "BMP").size(), 'x'), true, {}, 0},
        {"cut short, same time", encoded(image(8, 8, 0), "BMP").left(60), false, {}, 0},
        {"removed", QByteArray(), false, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = write("pic.rar", encoded(image(8, 8, qRgb(255, 0, 0)), "BMP"));
        stamp(path, then);
        const auto before = loadPicture(path);
        ASSERT_TRUE(before);
        EXPECT_EQ(imageOf(*before).pixel(0, 0), qRgb(255, 0, 0));

        QFile::remove(path);
        if (!c.bytes.isEmpty()) {
            write("pic.rar", c.bytes);
            stamp(path, c.laterTime ? then.addSecs(60) : then);
        }
        for (int round = 0; round < 2; ++round) {
            QString error;
            const auto after = loadPicture(path, &error);
            if (c.size.isEmpty()) {
                EXPECT_FALSE(after) << "round " << round;
                EXPECT_FALSE(error.isEmpty()) << "round " << round;
                continue;
            }
            ASSERT_TRUE(after);
            EXPECT_EQ(after->pixmap().size(), c.size);
            EXPECT_EQ(imageOf(*after).pixel(0, 0), c.colour);
        }
    }
}

// A file replaced by one of the same size and modification time (a copy that keeps times, a
// clock of whole seconds) is read again: renamed over the old one, or written into it in place.
TEST_F(Pictures, AFileReplacedWithTheSameSizeAndTimeIsReadAgain)
{
    const auto bitmap = [](QRgb c) {
        QImage im(8, 8, QImage::Format_RGB32);
        im.fill(c);
        return encoded(im, "BMP");
    };
    const QDateTime then = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - 3600);
    const auto stamp = [&](const QString& path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(then, QFileDevice::FileModificationTime));
    };
    for (const bool inPlace : {false, true}) {
        SCOPED_TRACE(inPlace ? "written in place" : "renamed over");
        const QString path = write("same.rar", bitmap(qRgb(255, 0, 0)));
        stamp(path);
        const auto before = loadPicture(path);
        ASSERT_TRUE(before);
        ASSERT_EQ(imageOf(*before).pixel(0, 0), qRgb(255, 0, 0));

        const QByteArray blue = bitmap(qRgb(0, 0, 255));
        ASSERT_EQ(blue.size(), QFileInfo(path).size());
        if (inPlace) {
            // The status-change time moves on in coarse steps; let one pass.
            QThread::msleep(20);
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            ASSERT_EQ(f.write(blue), blue.size());
        } else {
            const QString copy = write("copy.tmp", blue);
            ASSERT_TRUE(
                std::rename(QFile::encodeName(copy).constData(), QFile::encodeName(path).constData()) == 0);
        }
        stamp(path);
        ASSERT_EQ(QFileInfo(path).lastModified(), then);

        const auto after = loadPicture(path);
        ASSERT_TRUE(after);
        EXPECT_EQ(imageOf(*after).pixel(0, 0), qRgb(0, 0, 255));
        QFile::remove(path);
    }
}

// Files decoded ahead while the program is idle go into the kept pictures, at most 16 of one call;
// one changed after its decoding ahead is read again when it shows.
TEST_F(Pictures, PicturesDecodedAheadAreKeptBoundedAndNeverStale)
{
    const qint64 one = 32 * 16 * 4; // the decoded bytes of one two-colour picture
    const auto drain = [] {
        while (picturesPrefetching())
            QCoreApplication::processEvents();
    };
    const QByteArray bytes = encoded(twoColourImage(), "BMP");
    const QString shown = write(QStringLiteral("shown.rar"), bytes);
    QStringList ahead;
    for (int i = 0; i < 17; ++i)
        ahead << write(QStringLiteral("ahead%1.rar").arg(i), bytes);

    // Room for the shown picture and 16 more: 16 decoded ahead leave it kept, a 17th would not.
    const qint64 old = setPictureCacheLimit(17 * one);
    const auto first = loadPicture(shown);
    ASSERT_TRUE(first);
    prefetchPictures(ahead);
    drain();
    const auto again = loadPicture(shown);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->pixmap().cacheKey(), first->pixmap().cacheKey());

    // Room for two: two decoded ahead push the shown one out.
    setPictureCacheLimit(2 * one);
    const auto kept = loadPicture(shown);
    prefetchPictures({ahead[0], ahead[1]});
    drain();
    const auto reloaded = loadPicture(shown);
    ASSERT_TRUE(kept && reloaded);
    EXPECT_NE(reloaded->pixmap().cacheKey(), kept->pixmap().cacheKey());

    // Decoded ahead, then rewritten in place with its time set back: the new content shows.
    const QDateTime then = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - 3600);
    const auto stamp = [&](const QString& path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(then, QFileDevice::FileModificationTime));
    };
    const auto bitmap = [](QRgb c) {
        QImage im(8, 8, QImage::Format_RGB32);
        im.fill(c);
        return encoded(im, "BMP");
    };
    const QString changing = write(QStringLiteral("changing.rar"), bitmap(qRgb(255, 0, 0)));
    stamp(changing);
    prefetchPictures({changing});
    drain();
    QThread::msleep(20); // the status-change time moves on in coarse steps
    {
        QFile f(changing);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.write(bitmap(qRgb(0, 0, 255)));
    }
    stamp(changing);
    const auto after = loadPicture(changing);
    setPictureCacheLimit(old);
    ASSERT_TRUE(after);
    EXPECT_EQ(imageOf(*after).pixel(0, 0), qRgb(0, 0, 255));
}

// A file that could not be loaded is tried again: put right, it loads.
TEST_F(Pictures, AFailedLoadIsNotKept)
{
    const QByteArray whole = encoded(twoColourImage(), "BMP");
    const QString path = write("late.rar", whole.left(whole.size() - 8));
    EXPECT_FALSE(loadPicture(path));
    EXPECT_FALSE(loadPicture(path));
    write("late.rar", whole);
    const auto picture = loadPicture(path);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixmap().size(), QSize(32, 16));
}

// Only the most recently used pictures are kept, within a limit in bytes of decoded pixels.
TEST_F(Pictures, KeptPicturesStayWithinTheLimit)
{
    const qint64 old = setPictureCacheLimit(3 * 32 * 16 * 4);
    std::vector<QString> paths;
    std::vector<qint64> keys;
    for (int i = 0; i < 5; ++i) {
        paths.push_back(write(QStringLiteral("k%1.rar").arg(i), encoded(twoColourImage(), "BMP")));
        const auto p = loadPicture(paths.back());
        ASSERT_TRUE(p);
        keys.push_back(p->pixmap().cacheKey());
    }
    const auto newest = loadPicture(paths[4]);
    const auto oldest = loadPicture(paths[0]);
    setPictureCacheLimit(old);
    ASSERT_TRUE(newest && oldest);
    EXPECT_EQ(newest->pixmap().cacheKey(), keys[4]);
    EXPECT_NE(oldest->pixmap().cacheKey(), keys[0]);
}

// ---- damaged and foreign files --------------------------------------------------------

TEST_F(Pictures, EmptyTextAndForeignFilesFail)
{
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty.rar", QByteArray()},
        {"text.rar", QByteArray("3.14 this is a question bank line\r\n")},
        {"png.rar", encoded(twoColourImage(), "PNG")},
        {"bm.rar", QByteArray("BM")},
        {"short.cur", QByteArray::fromHex("000002")},
        {"noimages.ico", QByteArray::fromHex("000001000000")},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(loadPicture(write(c.name, c.bytes), &error)) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
    }
}

// A damaged header may ask for a picture far larger than any screen: a GIF of 79 bytes asking for
// 1836 x 18761 pixels (about 130 MB decoded) is refused, not decoded for seconds.
TEST_F(Pictures, APictureAskingForFarTooMuchMemoryIsRefused)
{
    const QByteArray gif = QByteArray::fromHex("4749463837612c0749463837612cd8474946353761ffd8ff00ff002d0000000c2700000023210000"
                                               "00232112121212121212121212121212121212121212121212121212121212120000002321e5e5");
    QString error;
    EXPECT_FALSE(loadPicture(write("huge.rar", gif), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(Pictures, TruncatedFilesFailAndLeaveTheOldPicture)
{
    const QString goodPath = write("good.rar", encoded(twoColourImage(), "BMP"));
    std::optional<Picture> shown = loadPicture(goodPath);
    ASSERT_TRUE(shown);

    const QByteArray full = encoded(twoColourImage(), "JPEG", 90);
    QString error;
    const auto cut = loadPicture(write("cut.rar", full.left(full.size() / 2)), &error);
    EXPECT_FALSE(cut);
    EXPECT_FALSE(error.isEmpty());
    if (cut) shown = cut; // what a control does with a result
    EXPECT_EQ(shown->source(), goodPath);
}

// An end marker inside a header segment (here a comment) does not make a cut-off JPEG whole.
TEST_F(Pictures, JpegEndMarkerInAHeaderSegmentDoesNotCount)
{
    const QByteArray plain = encoded(twoColourImage(), "JPEG", 90);
    QByteArray comment = QByteArray::fromHex("fffe0006");
    comment.append(QByteArray::fromHex("41ffd942"));
    const QByteArray full = plain.left(2) + comment + plain.mid(2);
    ASSERT_TRUE(loadPictureData(full, "whole"));
    QString error;
    EXPECT_FALSE(loadPictureData(full.left(full.size() - 40), "cut", &error));
    EXPECT_TRUE(error.contains("truncated")) << error.toStdString();
}

// Every proper prefix of each kind of file fails, and none crashes. A GIF whose first image
// is whole shows without its trailer byte.
TEST_F(Pictures, EveryPrefixOfAFileFails)
{
    const std::vector<QRgb> colours = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    IconImage deep;
    deep.bits = 32;
    deep.pixel = [](int x, int) -> QRgb { return qRgba(x * 8, 0, 0, 255); };
    deep.transparent = [](int, int) { return false; };
    const QByteArray gif = gifFile(6, 4, colours, [](int x, int y) { return (x * y) % 4; });
    const struct {
        const char* what;
        QByteArray bytes;
        qsizetype shortestWhole;
    } cases[] = {
        {"jpeg", encoded(twoColourImage(), "JPEG", 90), -1},
        {"bmp", encoded(twoColourImage(), "BMP"), -1},
        {"gif", gif, gif.size() - 1},
        {"gif1", onePixelGif, onePixelGif.size() - 1},
        {"cur", iconFile(2, {monochromeCursorImage(QPoint(5, 7))}), -1},
        {"ico", iconFile(1, {deep}), -1},
        {"ico-qt", encoded(twoColourImage(), "ICO"), -1},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(loadPictureData(c.bytes, "whole")) << c.what;
        const qsizetype whole = c.shortestWhole < 0 ? c.bytes.size() : c.shortestWhole;
        for (qsizetype n = 0; n < whole; ++n) {
            QString error;
            const auto picture = loadPictureData(c.bytes.left(n), "part", &error);
            EXPECT_FALSE(picture) << c.what << " cut to " << n << " of " << c.bytes.size();
            EXPECT_FALSE(error.isEmpty()) << c.what << " cut to " << n;
        }
        for (qsizetype n = whole; n < c.bytes.size(); ++n)
            EXPECT_TRUE(loadPictureData(c.bytes.left(n), "part")) << c.what << " cut to " << n;
    }
}

// Damaged bytes anywhere, the headers most of all, give a picture or a failure, never a crash.
TEST_F(Pictures, DamagedFilesNeverCrash)
{
    const std::vector<QRgb> colours = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    IconImage palette;
    palette.bits = 8;
    palette.palette.assign(256, qRgb(1, 2, 3));
    palette.pixel = [](int x, int y) -> QRgb { return QRgb((x + y) % 256); };
    palette.transparent = [](int x, int) { return x > 20; };
    const QByteArray fixtures[] = {
        encoded(twoColourImage(), "JPEG", 90),
        encoded(twoColourImage(), "BMP"),
        gifFile(6, 4, colours, [](int x, int y) { return (x + y) % 4; }),
        iconFile(2, {monochromeCursorImage(QPoint(5, 7)), palette}),
        encoded(twoColourImage(), "ICO"),
    };
    // libjpeg reports each damage it meets; that is expected here.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg=false"));
    QRandomGenerator random(20240601);
    for (const QByteArray& fixture : fixtures) {
        for (int round = 0; round < 400; ++round) {
            QByteArray bytes = fixture;
            const int changes = 1 + random.bounded(4);
            for (int i = 0; i < changes; ++i) {
                const qsizetype span = round % 2 ? bytes.size() : std::min<qsizetype>(bytes.size(), 64);
                const qsizetype at = 2 + random.bounded(int(span - 2)); // keep the format's mark
                bytes[at] = char(random.bounded(256));
            }
            QString error;
            const auto picture = loadPictureData(bytes, "damaged", &error);
            if (!picture) {
                EXPECT_FALSE(error.isEmpty());
            }
        }
    }
    QLoggingCategory::setFilterRules(QString());
}

} // namespace
