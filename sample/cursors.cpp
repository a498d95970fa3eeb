#include "sample/cursors.h"

#include "sample/cursor_file.h"

#include <QPainter>
#include <QPainterPath>

namespace sample {
namespace {

QImage blank()
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

void outlined(QPainter& p, const QPainterPath& path, QColor fill = Qt::white)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath arrowPath()
{
    QPainterPath a;
    a.moveTo(0.5, 0.5);
    a.lineTo(0.5, 17.5);
    a.lineTo(4.5, 13.5);
    a.lineTo(7.5, 20.5);
    a.lineTo(10.5, 19.5);
    a.lineTo(7.5, 12.5);
    a.lineTo(12.5, 12.5);
    a.closeSubpath();
    return a;
}

QImage arrow(bool busy)
{
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    outlined(p, arrowPath());
    if (busy) {
        QPainterPath glass;
        glass.moveTo(14.5, 14.5);
        glass.lineTo(24.5, 14.5);
        glass.lineTo(19.5, 21.5);
        glass.lineTo(24.5, 28.5);
        glass.lineTo(14.5, 28.5);
        glass.lineTo(19.5, 21.5);
        glass.closeSubpath();
        outlined(p, glass, QColor(0xF0, 0xD0, 0x60));
    }
    return img;
}

QImage hand()
{
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath h;
    h.moveTo(5.5, 0.5);
    h.lineTo(8.5, 0.5);
    h.lineTo(8.5, 8.5);
    h.lineTo(17.5, 9.5);
    h.lineTo(19.5, 12.5);
    h.lineTo(19.5, 20.5);
    h.lineTo(16.5, 25.5);
    h.lineTo(7.5, 25.5);
    h.lineTo(1.5, 17.5);
    h.lineTo(1.5, 13.5);
    h.lineTo(5.5, 15.5);
    h.closeSubpath();
    outlined(p, h);
    p.drawLine(11, 10, 11, 15);
    p.drawLine(14, 10, 14, 15);
    return img;
}

QImage beam()
{
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(13, 6, 19, 6);
    p.drawLine(16, 6, 16, 26);
    p.drawLine(13, 26, 19, 26);
    return img;
}

QImage move()
{
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath m;
    const auto arm = [&](double angle) {
        QTransform t;
        t.translate(16, 16);
        t.rotate(angle);
        QPainterPath a;
        a.moveTo(-1.5, -3);
        a.lineTo(-1.5, -10);
        a.lineTo(-4.5, -10);
        a.lineTo(0, -15);
        a.lineTo(4.5, -10);
        a.lineTo(1.5, -10);
        a.lineTo(1.5, -3);
        a.closeSubpath();
        m.addPath(t.map(a));
    };
    for (const double angle : {0.0, 90.0, 180.0, 270.0})
        arm(angle);
    m.addRect(QRectF(13, 13, 6, 6));
    outlined(p, m.simplified());
    return img;
}

} // namespace

// The hot-spot lies on the pointer drawn.
QImage withHotSpot(QImage img, QPoint hot)
{
    img.setPixel(hot, qRgba(0, 0, 0, 255));
    return img;
}

QList<PictureFile> cursorFiles()
{
    const auto cur = [](const char* name, const QImage& img, QPoint hot) {
        return PictureFile{QString::fromLatin1(name), cursorFileBytes(withHotSpot(img, hot), hot)};
    };
    return {cur("ico00.CUR", arrow(false), {0, 0}), cur("ico01.CUR", hand(), {6, 0}),
            cur("ico02.CUR", beam(), {16, 16}), cur("ico03.CUR", move(), {16, 16}),
            cur("ico04.CUR", arrow(true), {0, 0})};
}

} // namespace sample
