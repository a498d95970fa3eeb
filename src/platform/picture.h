#pragma once
// Pictures and pointers.
#include <QByteArray>
#include <QCursor>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

class Picture {
public:
    Picture() = default;
    Picture(QPixmap pixmap, QString source, bool isCursor = false, QPoint hotSpot = {});
    bool isNull() const { return pixmap_.isNull(); }
    // The same decoded image (a picture kept by the loader and given again is): showing it
    // instead of the other changes nothing on the screen. Two empty pictures are the same.
    bool sameImage(const Picture& other) const { return pixmap_.cacheKey() == other.pixmap_.cacheKey(); }
    const QPixmap& pixmap() const { return pixmap_; }
    // The file it came from, as given to the loader (tests assert on it).
    const QString& source() const { return source_; }
    // True for a picture from a cursor file (CUR); its hot-spot is the one in the file.
    // Other pictures have the hot-spot (0, 0); as a pointer they use their centre.
    bool isCursor() const { return isCursor_; }
    QPoint hotSpot() const { return hotSpot_; }
    // Size in twips at the current twips per pixel.
    double widthTwips() const;
    double heightTwips() const;

private:
    QPixmap pixmap_;
    QString source_;
    bool isCursor_ = false;
    QPoint hotSpot_;
};

// Loads a picture, deciding the format from the content whatever the name ends in
// (bank pictures end in ".rar"): JPEG, GIF, BMP, ICO and CUR. On failure returns nothing and
// says why in *error; an empty, truncated or foreign file is such a failure, never a crash.
// When no file has exactly that name, a file in the same folder whose name differs only in
// letter case is taken (banks made on a case-insensitive file system). An icon or cursor
// file with several images gives its 32 x 32 one, or else any; among those, the one with the
// deepest colour, the first on ties.
//
// Decoded pictures are kept, so that a file shown again is not decoded again: by the file found,
// its size, modification time, inode and status-change time, so that a file changed or replaced
// on disk is read anew, even by one of the same size and modification time. Failures are
// never kept. The most recently used are kept, up to a limit in bytes of decoded pixels.
std::optional<Picture> loadPicture(const QString& path, QString* error = nullptr);
// Sets that limit (0 keeps nothing) and gives the one before.
qint64 setPictureCacheLimit(qint64 bytes);
// Decodes these files into the kept pictures while the program is idle, one file per turn of the
// event loop, so that their first showing need not wait for the decoding; a file that cannot be
// loaded is skipped. A later call replaces the files still waiting; at most 16 wait, and nothing
// is decoded while nothing is kept. A kept picture is shown only while its file is unchanged, so
// a file decoded ahead and changed before it shows is read again.
void prefetchPictures(const QStringList& paths);
// Whether files are still waiting to be decoded ahead.
bool picturesPrefetching();
// As a control's LoadPicture takes it: an empty path gives the empty picture (the control is
// cleared), any other path the loaded picture, or nothing when it cannot be loaded.
std::optional<Picture> loadPictureOrEmpty(const QString& path);
// The same from bytes already read; source is what the picture's source() gives.
std::optional<Picture> loadPictureData(const QByteArray& data, const QString& source,
                                       QString* error = nullptr);

// The format that the content is, as a Qt image format name ("jpeg", "gif", "bmp", "ico",
// "cur"), or empty when it is none of the runtime's picture formats.
QByteArray pictureFormat(const QByteArray& data);

// The platform's numbered standard pointer shapes (0 default, 1 arrow, 2 cross, 3 I-beam,
// 4 icon, 5 size, 6 size NE-SW, 7 size N-S, 8 size NW-SE, 9 size W-E, 10 up arrow,
// 11 hourglass, 12 no drop, 13 arrow and hourglass, 14 arrow and question, 15 size all,
// 99 custom). Unknown numbers, and 99 (whose picture is not known here), give the default
// pointer.
QCursor standardPointer(int shape);
// A custom pointer from a cursor or icon picture, with its hot-spot (a cursor's own, the
// centre of any other picture). A null picture gives the default pointer.
QCursor customPointer(const Picture& picture);

} // namespace platform
