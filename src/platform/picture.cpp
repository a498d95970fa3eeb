#include "platform/picture.h"

#include "platform/files.h"
#include "platform/units.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <list>
#include <sys/stat.h>
#include <utility>

namespace platform {

namespace {

// Larger than any bank picture by far; a bigger file is not one of ours.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
// Sides beyond this are damage, not pictures (and would overflow the size arithmetic).
constexpr qint64 MaxSide = 32767;
// The most memory one decoded picture may take, in megabytes: 16 million pixels of four bytes,
// many screens' worth. A few bytes of damaged header can ask for far more (a GIF of 79 bytes
// asked for 1836 x 18761), and decoding that would stall the desktop.
constexpr int MaxDecodedMegabytes = 64;

quint16 u16(const QByteArray& d, qsizetype at)
{
    const auto* p = reinterpret_cast<const uchar*>(d.constData()) + at;
    return quint16(p[0] | (p[1] << 8));
}

quint32 u32(const QByteArray& d, qsizetype at)
{
    const auto* p = reinterpret_cast<const uchar*>(d.constData()) + at;
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

qint32 i32(const QByteArray& d, qsizetype at)
{
    return static_cast<qint32>(u32(d, at));
}

bool fail(QString* error, const QString& why)
{
    if (error) *error = why;
    return false;
}

// libjpeg pads a cut-off file with grey and reports success; a JPEG whose scan data has no
// end marker after it is a truncated file (stuffed scan data never holds FF D9).
bool jpegComplete(const QByteArray& data, QString* error)
{
    static const QByteArray endMarker = QByteArrayLiteral("\xFF\xD9");
    const qsizetype size = data.size();
    qsizetype pos = 2;
    // Walk the header segments to the first scan, so that table bytes cannot pass for the end.
    while (pos + 4 <= size) {
        if (uchar(data[pos]) != 0xFF) {
            pos = 2; // odd layout: leave the details to libjpeg
            break;
        }
        const int marker = uchar(data[pos + 1]);
        if (marker == 0xFF) {
            ++pos; // fill byte
            continue;
        }
        if (marker == 0xD9) return fail(error, QStringLiteral("JPEG without an image"));
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2;
            continue;
        }
        const qsizetype length = (uchar(data[pos + 2]) << 8) | uchar(data[pos + 3]);
        pos += 2 + length;
        if (marker == 0xDA) break;
    }
    if (pos > size || data.indexOf(endMarker, pos) < 0)
        return fail(error, QStringLiteral("truncated JPEG (no end marker)"));
    return true;
}

// Qt's BMP reader keeps the rows it got from a short file; an uncompressed bitmap must hold
// all of its rows.
bool bmpComplete(const QByteArray& data, QString* error)
{
    if (data.size() < 14 + 12) return fail(error, QStringLiteral("truncated bitmap header"));
    const qint64 pixelsAt = u32(data, 10);
    const quint32 headerSize = u32(data, 14);
    qint64 width = 0;
    qint64 height = 0;
    int bits = 0;
    quint32 compression = 0;
    if (headerSize == 12) {
        width = u16(data, 18);
        height = u16(data, 20);
        bits = u16(data, 24);
    } else if (headerSize >= 40 && headerSize <= 1024) {
        if (data.size() < 14 + 40) return fail(error, QStringLiteral("truncated bitmap header"));
        width = i32(data, 18);
        height = i32(data, 22);
        bits = u16(data, 28);
        compression = u32(data, 30);
    } else {
        return fail(error, QStringLiteral("unknown bitmap header"));
    }
    height = std::abs(height);
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide)
        return fail(error, QStringLiteral("bitmap of %1 x %2 pixels").arg(width).arg(height));
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (uncompressed) {
        const qint64 stride = (width * bits + 31) / 32 * 4;
        if (pixelsAt + stride * height > data.size())
            return fail(error, QStringLiteral("truncated bitmap (%1 of %2 bytes)")
                                   .arg(data.size())
                                   .arg(pixelsAt + stride * height));
    }
    return true;
}

// Qt's GIF reader shows a frame as soon as its descriptor is read, blank where data is
// missing; the first image must be there whole (the trailer after it is not needed).
bool gifComplete(const QByteArray& data, QString* error)
{
    const qsizetype size = data.size();
    const auto at = [&](qsizetype i) { return int(uchar(data[i])); };
    const auto tableBytes = [](int packed) { return packed & 0x80 ? 3 * (2 << (packed & 7)) : 0; };
    // Skips data sub-blocks up to their terminator; false when the file ends first.
    const auto skipBlocks = [&](qsizetype& pos) {
        while (pos < size) {
            const int n = at(pos);
            pos += 1 + n;
            if (n == 0) return pos <= size;
        }
        return false;
    };
    if (size < 13) return fail(error, QStringLiteral("truncated GIF header"));
    qsizetype pos = 13 + tableBytes(at(10));
    while (pos < size) {
        const int kind = at(pos);
        if (kind == 0x21) { // extension
            pos += 2;
            if (!skipBlocks(pos)) break;
        } else if (kind == 0x2C) { // the first image
            if (pos + 10 > size) break;
            pos += 10 + tableBytes(at(pos + 9)) + 1; // descriptor, local table, code size
            if (!skipBlocks(pos)) break;
            return true;
        } else if (kind == 0x3B) {
            return fail(error, QStringLiteral("GIF without an image"));
        } else {
            return fail(error, QStringLiteral("damaged GIF"));
        }
    }
    return fail(error, QStringLiteral("truncated GIF"));
}

struct IconEntry {
    int index = 0;
    int width = 0;
    int height = 0;
    int bits = 0;
    QPoint hotSpot; // cursors only: the directory's planes and bit-count fields
    qint64 at = 0;  // the image's bytes in the file
    qint64 bytes = 0;
};

// Reads the icon or cursor directory and picks the image to show. Qt's ICO reader decodes
// the pixels (it reads cursors too) but neither chooses by size nor gives the hot-spot.
std::optional<IconEntry> chooseIconEntry(const QByteArray& data, bool cursor, QString* error)
{
    if (data.size() < 6) {
        fail(error, QStringLiteral("truncated icon directory"));
        return std::nullopt;
    }
    const int count = u16(data, 4);
    if (count == 0) {
        fail(error, QStringLiteral("icon file without images"));
        return std::nullopt;
    }
    if (6 + 16 * qint64(count) > data.size()) {
        fail(error, QStringLiteral("truncated icon directory"));
        return std::nullopt;
    }
    std::optional<IconEntry> best;
    for (int i = 0; i < count; ++i) {
        const qsizetype e = 6 + 16 * i;
        const qint64 bytes = u32(data, e + 8);
        const qint64 at = u32(data, e + 12);
        // An image that does not lie wholly inside the file is a truncated one.
        if (bytes < 16 || at < 6 + 16 * qint64(count) || at + bytes > data.size()) continue;
        IconEntry entry;
        entry.index = i;
        entry.width = uchar(data[e]) ? uchar(data[e]) : 256;
        entry.height = uchar(data[e + 1]) ? uchar(data[e + 1]) : 256;
        const bool png = data.mid(at, 8) == QByteArrayLiteral("\x89PNG\r\n\x1A\n");
        entry.bits = png ? 32 : u16(data, at + 14);
        entry.at = at;
        entry.bytes = bytes;
        if (cursor) entry.hotSpot = QPoint(u16(data, e + 4), u16(data, e + 6));
        const auto rank = [](const IconEntry& x) {
            return std::pair(x.width == 32 && x.height == 32, x.bits);
        };
        if (!best || rank(entry) > rank(*best)) best = entry;
    }
    if (!best) fail(error, QStringLiteral("truncated or damaged icon file"));
    return best;
}

// A monochrome cursor inverts the screen where its mask is set over a white pixel (the
// I-beam is drawn so). Qt makes those pixels transparent, which hides such a cursor; they
// are drawn black, which is what inversion shows over the light XP desktop.
void drawInvertedPixelsBlack(const QByteArray& data, const IconEntry& entry, QImage& image)
{
    if (entry.bits != 1 || entry.bytes < 40) return;
    const qint64 at = entry.at;
    const qint64 headerSize = u32(data, at);
    const qint64 width = i32(data, at + 4);
    const qint64 height = i32(data, at + 8) / 2; // XOR and AND halves
    const qint64 colours = u32(data, at + 32) ? u32(data, at + 32) : 2;
    if (headerSize < 40 || colours > 2 || width != image.width() || height != image.height()) return;
    const qint64 stride = (width + 31) / 32 * 4;
    const qint64 palette = at + headerSize;
    const qint64 xorBits = palette + 4 * colours;
    const qint64 andBits = xorBits + stride * height;
    if (andBits + stride * height > at + entry.bytes) return;
    const auto bit = [&](qint64 rows, int x, int y) {
        const qint64 row = rows + stride * (height - 1 - y); // bottom-up
        return (uchar(data[row + x / 8]) >> (7 - x % 8)) & 1;
    };
    const auto notBlack = [&](int index) {
        if (index >= colours) return false;
        const qint64 c = palette + 4 * index;
        return (uchar(data[c]) | uchar(data[c + 1]) | uchar(data[c + 2])) != 0;
    };
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (bit(andBits, x, y) && notBlack(bit(xorBits, x, y))) image.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
}

QString resolveName(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists()) return path;
    const QDir dir = info.dir();
    const QString name = info.fileName();
    if (name.isEmpty() || !dir.exists()) return {};
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    }
    return {};
}

// Decoded pictures by the file they came from. A bank shows the same backgrounds and dialogs at
// step after step, and decoding them costs more than all the rest of a render.
// What tells one version of a file from another without reading it. Size and modification time
// alone miss a file replaced by one of the same size and time (a copy that keeps times, a
// file-system clock of whole seconds); a new file has another inode, and writing or replacing one
// moves its status-change time, which no program sets back.
struct FileStamp {
    qint64 size = 0;
    std::filesystem::file_time_type modified;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 changedSec = 0;
    qint64 changedNsec = 0;
    bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> stampOf(const QString& file)
{
    std::error_code fsError;
    const std::filesystem::path fsPath(file.toStdU16String());
    FileStamp stamp;
    stamp.modified = std::filesystem::last_write_time(fsPath, fsError);
    if (fsError) return std::nullopt;
    struct stat st {};
    if (::stat(fsPath.c_str(), &st) != 0) return std::nullopt;
    stamp.size = st.st_size;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.changedSec = st.st_ctim.tv_sec;
    stamp.changedNsec = st.st_ctim.tv_nsec;
    return stamp;
}

struct Kept {
    QPixmap pixmap;
    bool isCursor = false;
    QPoint hotSpot;
    FileStamp stamp;
};

// Room for the pictures of several questions: a background is about 2 MB decoded.
constexpr qint64 DefaultKeptBytes = 96 * 1024 * 1024;

class PictureCache {
public:
    static PictureCache& instance()
    {
        static PictureCache cache;
        return cache;
    }

    std::optional<Picture> find(const QString& file, const FileStamp& stamp, const QString& source)
    {
        const auto it =
            std::find_if(kept_.begin(), kept_.end(), [&](const auto& k) { return k.first == file; });
        if (it == kept_.end()) return std::nullopt;
        if (it->second.stamp != stamp) {
            bytes_ -= bytesOf(it->second.pixmap);
            kept_.erase(it);
            return std::nullopt;
        }
        kept_.splice(kept_.begin(), kept_, it); // most recently used first
        const Kept& k = kept_.front().second;
        return Picture(k.pixmap, source, k.isCursor, k.hotSpot);
    }

    void keep(const QString& file, Kept entry)
    {
        forget(file);
        const qint64 bytes = bytesOf(entry.pixmap);
        if (bytes > limit_) return;
        armCleanUp();
        kept_.emplace_front(file, std::move(entry));
        bytes_ += bytes;
        trim();
    }

    void forget(const QString& file)
    {
        const auto it =
            std::find_if(kept_.begin(), kept_.end(), [&](const auto& k) { return k.first == file; });
        if (it == kept_.end()) return;
        bytes_ -= bytesOf(it->second.pixmap);
        kept_.erase(it);
    }

    qint64 limit() const { return limit_; }

    qint64 setLimit(qint64 bytes)
    {
        const qint64 old = std::exchange(limit_, std::max<qint64>(0, bytes));
        trim();
        return old;
    }

private:
    static qint64 bytesOf(const QPixmap& p)
    {
        return qint64(p.width()) * p.height() * std::max(1, p.depth()) / 8;
    }

    void trim()
    {
        while (bytes_ > limit_ && !kept_.empty()) {
            bytes_ -= bytesOf(kept_.back().second.pixmap);
            kept_.pop_back();
        }
    }

    // Pixmaps must go before the application object does.
    void armCleanUp()
    {
        if (armed_) return;
        armed_ = true;
        qAddPostRoutine([] {
            PictureCache& c = instance();
            c.kept_.clear();
            c.bytes_ = 0;
            c.armed_ = false;
        });
    }

    std::list<std::pair<QString, Kept>> kept_;
    qint64 bytes_ = 0;
    qint64 limit_ = DefaultKeptBytes;
    bool armed_ = false;
};

} // namespace

Picture::Picture(QPixmap pixmap, QString source, bool isCursor, QPoint hotSpot)
    : pixmap_(std::move(pixmap))
    , source_(std::move(source))
    , isCursor_(isCursor)
    , hotSpot_(hotSpot)
{}

double Picture::widthTwips() const
{
    return pixmap_.width() * twipsPerPixelX();
}
double Picture::heightTwips() const
{
    return pixmap_.height() * twipsPerPixelY();
}

QByteArray pictureFormat(const QByteArray& data)
{
    if (data.startsWith(QByteArrayLiteral("\xFF\xD8\xFF"))) return QByteArrayLiteral("jpeg");
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a")) return QByteArrayLiteral("gif");
    if (data.startsWith("BM")) return QByteArrayLiteral("bmp");
    if (data.startsWith(QByteArrayLiteral("\x00\x00\x01\x00"))) return QByteArrayLiteral("ico");
    if (data.startsWith(QByteArrayLiteral("\x00\x00\x02\x00"))) return QByteArrayLiteral("cur");
    return {};
}

std::optional<Picture> loadPictureData(const QByteArray& data, const QString& source, QString* error)
{
    if (data.isEmpty()) {
        fail(error, QStringLiteral("empty file"));
        return std::nullopt;
    }
    const QByteArray format = pictureFormat(data);
    if (format.isEmpty()) {
        fail(error, QStringLiteral("not a picture (JPEG, GIF, BMP, ICO or CUR)"));
        return std::nullopt;
    }
    if (!QImageReader::supportedImageFormats().contains(format)) {
        fail(error, QStringLiteral("no %1 decoder installed").arg(QString::fromLatin1(format)));
        return std::nullopt;
    }
    if (!qGuiApp) {
        fail(error, QStringLiteral("pictures need the application object"));
        return std::nullopt;
    }

    const bool cursor = format == "cur";
    std::optional<IconEntry> entry;
    if (format == "jpeg" && !jpegComplete(data, error)) return std::nullopt;
    if (format == "bmp" && !bmpComplete(data, error)) return std::nullopt;
    if (format == "gif" && !gifComplete(data, error)) return std::nullopt;
    if (format == "ico" || cursor) {
        entry = chooseIconEntry(data, cursor, error);
        if (!entry) return std::nullopt;
    }

    QByteArray bytes = data;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false); // the content decided; the name never does
    reader.setAllocationLimit(MaxDecodedMegabytes);
    if (entry && entry->index > 0 && !reader.jumpToImage(entry->index)) {
        fail(error, QStringLiteral("cannot reach image %1 of the icon file").arg(entry->index + 1));
        return std::nullopt;
    }
    QImage image = reader.read();
    if (image.isNull()) {
        fail(error,
             QStringLiteral("cannot decode %1: %2").arg(QString::fromLatin1(format), reader.errorString()));
        return std::nullopt;
    }

    if (entry) drawInvertedPixelsBlack(data, *entry, image);

    QPoint hotSpot;
    if (cursor) {
        hotSpot = QPoint(std::clamp(entry->hotSpot.x(), 0, image.width() - 1),
                         std::clamp(entry->hotSpot.y(), 0, image.height() - 1));
    }
    return Picture(QPixmap::fromImage(std::move(image)), source, cursor, hotSpot);
}

std::optional<Picture> loadPicture(const QString& path, QString* error)
{
    if (path.isEmpty()) {
        fail(error, QStringLiteral("no file name"));
        return std::nullopt;
    }
    const QString actual = resolveName(path);
    if (actual.isEmpty()) {
        fail(error, QStringLiteral("file not found: %1").arg(path));
        return std::nullopt;
    }
    // The stamp before the bytes are read: a file changed meanwhile is read again next time.
    const std::optional<FileStamp> stamp = stampOf(actual);
    PictureCache& cache = PictureCache::instance();
    if (stamp) {
        if (auto kept = cache.find(actual, *stamp, path)) return kept;
    } else {
        cache.forget(actual);
    }
    const FileRead file = readRegularFile(actual, MaxFileBytes);
    if (!file.ok()) {
        cache.forget(actual);
        // A pipe or device is no picture file: told as a missing one is.
        if (file.status == FileReadStatus::Missing || file.status == FileReadStatus::Special)
            fail(error, QStringLiteral("file not found: %1").arg(path));
        else if (stamp && stamp->size > MaxFileBytes)
            fail(error, QStringLiteral("file too large for a picture: %1").arg(path));
        else
            fail(error, QStringLiteral("cannot read %1").arg(path));
        return std::nullopt;
    }
    const QByteArray& data = file.bytes;
    QString why;
    auto picture = loadPictureData(data, path, &why);
    if (!picture) {
        cache.forget(actual);
        fail(error, QStringLiteral("%1: %2").arg(path, why));
        return picture;
    }
    if (stamp && data.size() == stamp->size)
        cache.keep(actual, Kept{picture->pixmap(), picture->isCursor(), picture->hotSpot(), *stamp});
    return picture;
}

qint64 setPictureCacheLimit(qint64 bytes)
{
    return PictureCache::instance().setLimit(bytes);
}

namespace {

// Few enough that the pictures decoded ahead cannot push the ones on screen out of the store.
constexpr qsizetype MaxPrefetched = 16;

struct Prefetch {
    QStringList waiting;
    bool posted = false;
};

Prefetch& prefetch()
{
    static Prefetch p;
    return p;
}

void prefetchNext()
{
    Prefetch& p = prefetch();
    p.posted = false;
    if (p.waiting.isEmpty() || !qGuiApp) return;
    const QString path = p.waiting.takeFirst();
    if (PictureCache::instance().limit() > 0) loadPicture(path);
    if (!p.waiting.isEmpty()) {
        p.posted = true;
        QMetaObject::invokeMethod(qGuiApp, &prefetchNext, Qt::QueuedConnection);
    }
}

} // namespace

void prefetchPictures(const QStringList& paths)
{
    Prefetch& p = prefetch();
    p.waiting.clear();
    for (const QString& path : paths) {
        if (p.waiting.size() == MaxPrefetched) break;
        if (!path.isEmpty() && !p.waiting.contains(path)) p.waiting.append(path);
    }
    if (p.waiting.isEmpty() || p.posted || !qGuiApp) return;
    p.posted = true;
    QMetaObject::invokeMethod(qGuiApp, &prefetchNext, Qt::QueuedConnection);
}

bool picturesPrefetching()
{
    return !prefetch().waiting.isEmpty();
}

QCursor standardPointer(int shape)
{
    switch (shape) {
    case 2:
        return QCursor(Qt::CrossCursor);
    case 3:
        return QCursor(Qt::IBeamCursor);
    case 5:
    case 15:
        return QCursor(Qt::SizeAllCursor);
    case 6:
        return QCursor(Qt::SizeBDiagCursor);
    case 7:
        return QCursor(Qt::SizeVerCursor);
    case 8:
        return QCursor(Qt::SizeFDiagCursor);
    case 9:
        return QCursor(Qt::SizeHorCursor);
    case 10:
        return QCursor(Qt::UpArrowCursor);
    case 11:
        return QCursor(Qt::WaitCursor);
    case 12:
        return QCursor(Qt::ForbiddenCursor);
    case 13:
        return QCursor(Qt::BusyCursor);
    case 14:
        return QCursor(Qt::WhatsThisCursor);
    default:
        // 0 default, 1 arrow, and 4 icon, which Windows since NT draws as the arrow.
        return QCursor(Qt::ArrowCursor);
    }
}

QCursor customPointer(const Picture& picture)
{
    if (picture.isNull()) return QCursor(Qt::ArrowCursor);
    const QPixmap& pixmap = picture.pixmap();
    const QPoint hot =
        picture.isCursor() ? picture.hotSpot() : QPoint(pixmap.width() / 2, pixmap.height() / 2);
    return QCursor(pixmap, hot.x(), hot.y());
}

std::optional<Picture> loadPictureOrEmpty(const QString& path)
{
    if (path.isEmpty()) return Picture();
    return loadPicture(path);
}

} // namespace platform
