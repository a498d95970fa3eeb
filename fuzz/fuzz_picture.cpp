// The picture reader: any bytes (JPEG, GIF, BMP, icon and cursor directories, monochrome cursors)
// give a picture or a reason, never a crash; a picture given is whole, and a cursor's hot-spot
// lies in it. The same bytes read from a file give the same answer.
#include <QCursor>
#include <QGuiApplication>

#include "fuzz_support.h"
#include "platform/picture.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the runtime's exit routines would run after the picture cache is gone.
    static QGuiApplication* app = new QGuiApplication(*argc, *argv);
    (void)app;
    platform::setPictureCacheLimit(0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::view(data, size).toByteArray();
    QString why;
    const std::optional<platform::Picture> p = platform::loadPictureData(bytes, QStringLiteral("fuzz"), &why);
    const QByteArray format = platform::pictureFormat(bytes);
    if (!p) {
        fuzz::check(!why.isEmpty(), "a picture refused says why");
        return 0;
    }
    fuzz::check(!format.isEmpty(), "a picture read has a format");
    const QImage img = p->pixmap().toImage();
    fuzz::check(!img.isNull() && img.width() > 0 && img.height() > 0, "a picture read has pixels");
    if (p->isCursor()) {
        const QPoint h = p->hotSpot();
        fuzz::check(h.x() >= 0 && h.y() >= 0, "a cursor's hot-spot is not before the picture");
    }
    (void)platform::customPointer(*p);

    static int n = 0;
    const QString path = fuzz::scratchFile(QStringLiteral("pic%1.rar").arg(++n)); // a new name each time
    fuzz::writeBytes(path, bytes);
    const std::optional<platform::Picture> again = platform::loadPicture(path);
    fuzz::check(again && again->pixmap().toImage() == img, "a file reads as its bytes do");
    QFile::remove(path);
    return 0;
}
