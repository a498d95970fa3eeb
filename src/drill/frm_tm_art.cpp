#include "drill/frm_tm_art.h"

#include <QPainter>

#include "platform/drawing.h"

namespace drill::panelArt {

namespace {

using platform::drawing::Draw;

platform::Picture kept(const QString& name, QSize size, const Draw& draw)
{
    return platform::drawing::kept(QStringLiteral("panel:") + name, size, draw);
}

void vertical(QPainter& p, QRectF r, QColor top, QColor bottom, qreal radius = 0)
{
    platform::drawing::fillGradient(p, r, top, bottom, radius);
}

// A button face of the main view: 63 x 24 pixels, the design size of a button area.
void face(QPainter& p, QPointF at, QColor top, QColor bottom)
{
    const QRectF r(at, QSizeF(63, 24));
    vertical(p, r.adjusted(0.5, 0.5, -0.5, -0.5), top, bottom, 4);
    p.setPen(QColor(70, 100, 160));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

const QColor Blue(0, 84, 227);
const QColor LightBlue(61, 149, 255);
const QColor Panel(236, 233, 216);

} // namespace

platform::Picture titleStrip()
{
    return kept(QStringLiteral("title"), QSize(332, 242), [](QPainter& p, QSize s) {
        p.fillRect(QRect(QPoint(0, 0), s), Panel);
        vertical(p, QRectF(0, 0, s.width(), 25), LightBlue, Blue);
        p.setPen(QColor(0, 60, 170));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1));
    });
}

platform::Picture mainView()
{
    return kept(QStringLiteral("main"), QSize(332, 211), [](QPainter& p, QSize s) {
        p.fillRect(QRect(QPoint(0, 0), s), Panel);
        for (int i = 0; i < 5; ++i)
            face(p, QPointF(6 + 64 * i, 1), QColor(255, 255, 255), QColor(200, 212, 240));
        for (int x : {6, 134, 262})
            face(p, QPointF(x, 157), QColor(255, 255, 255), QColor(200, 212, 240));
        // The frame of the question text and the status row.
        p.setPen(QColor(127, 157, 185));
        p.drawRect(QRectF(5.5, 29.5, 318, 121));
        p.drawRect(QRectF(5.5, 183.5, 318, 20));
    });
}

platform::Picture buttonHover()
{
    return kept(QStringLiteral("hover"), QSize(63, 24), [](QPainter& p, QSize) {
        face(p, QPointF(0, 0), QColor(255, 250, 225), QColor(255, 214, 120));
    });
}

platform::Picture buttonPressed()
{
    return kept(QStringLiteral("pressed"), QSize(63, 24), [](QPainter& p, QSize) {
        face(p, QPointF(0, 0), QColor(200, 212, 240), QColor(255, 255, 255));
    });
}

platform::Picture minimiseGlyph()
{
    return kept(QStringLiteral("minimise"), QSize(21, 21), [](QPainter& p, QSize s) {
        vertical(p, QRectF(0.5, 0.5, s.width() - 1, s.height() - 1), LightBlue, Blue, 3);
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(5, 15), QPointF(12, 15));
    });
}

platform::Picture minimisedBox()
{
    return kept(QStringLiteral("box"), QSize(54, 58), [](QPainter& p, QSize s) {
        p.fillRect(QRect(QPoint(0, 0), s), Panel);
        vertical(p, QRectF(0, 0, s.width(), 17), LightBlue, Blue);
        p.setPen(QColor(0, 60, 170));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1));
    });
}

platform::Picture photo()
{
    return kept(QStringLiteral("photo"), QSize(97, 116), [](QPainter& p, QSize s) {
        p.fillRect(QRect(QPoint(0, 0), s), QColor(170, 200, 235));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 110, 140));
        p.drawEllipse(QPointF(s.width() / 2.0, 44), 20, 24);
        p.drawRoundedRect(QRectF(18, 74, s.width() - 36, 50), 18, 18);
    });
}

} // namespace drill::panelArt
