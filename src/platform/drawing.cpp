#include "platform/drawing.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <map>

#include "platform/fonts.h"

namespace platform::drawing {

namespace {

QImage paint(QSize size, const Draw& draw)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw(p, size);
    return img;
}

} // namespace

Picture drawn(const QString& name, QSize size, const Draw& draw, bool isCursor, QPoint hotSpot)
{
    return Picture(QPixmap::fromImage(paint(size, draw)), name, isCursor, hotSpot);
}

Picture kept(const QString& name, QSize size, const Draw& draw, bool isCursor, QPoint hotSpot)
{
    static std::map<QString, QImage> images;
    auto it = images.find(name);
    if (it == images.end()) it = images.emplace(name, paint(size, draw)).first;
    return Picture(QPixmap::fromImage(it->second), name, isCursor, hotSpot);
}

QFont font(int pixels, bool bold)
{
    QFont f;
    const QString family = cjkFontFamily();
    if (!family.isEmpty()) f.setFamily(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void fillGradient(QPainter& p, QRectF r, QColor top, QColor bottom, qreal radius)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    p.fillPath(path, g);
}

void text(QPainter& p, QRectF r, const QString& s, const QFont& f, QColor c, int flags)
{
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, flags, s);
}

Picture handPointer(const QString& name)
{
    return kept(
        name, QSize(32, 32),
        [](QPainter& p, QSize) {
            QPainterPath path;
            // Index finger up from the hot-spot, the palm below it.
            path.moveTo(4, 2);
            path.quadTo(6, -1, 8, 2);
            path.lineTo(8, 12);
            path.lineTo(18, 13);
            path.quadTo(21, 14, 21, 17);
            path.lineTo(20, 26);
            path.quadTo(19, 29, 16, 29);
            path.lineTo(8, 29);
            path.quadTo(5, 29, 4, 26);
            path.lineTo(1, 18);
            path.quadTo(1, 15, 4, 16);
            path.closeSubpath();
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::white);
            p.drawPath(path);
        },
        true, QPoint(6, 0));
}

} // namespace platform::drawing
