// The icons, each drawn on a 32 x 32 grid and scaled to the square asked for.
#include "sample/xp.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace sample::xp {
namespace {

QLinearGradient vgrad(double y0, double y1, QColor a, QColor b)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QColor darker(QColor c)
{
    return c.darker(160);
}

void box(QPainter& p, QRectF r, QColor top, QColor bottom, double radius = 2)
{
    p.setPen(QPen(darker(bottom), 1));
    p.setBrush(vgrad(r.top(), r.bottom(), top, bottom));
    p.drawRoundedRect(r, radius, radius);
}

void page(QPainter& p, QRectF r, bool lines = true)
{
    QPainterPath path;
    const double fold = 7;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.setBrush(vgrad(r.top(), r.bottom(), Qt::white, QColor(0xE6, 0xE6, 0xE6)));
    p.drawPath(path);
    p.setBrush(QColor(0xD0, 0xD0, 0xD0));
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    p.drawPath(corner);
    if (!lines) return;
    p.setPen(QPen(QColor(0x90, 0x9C, 0xB0), 1));
    for (double y = r.top() + 10; y < r.bottom() - 3; y += 3.5)
        p.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4, y));
}

void folder(QPainter& p, bool open)
{
    p.setPen(QPen(QColor(0xB0, 0x80, 0x20), 1));
    p.setBrush(QColor(0xE8, 0xB4, 0x48));
    QPainterPath back;
    back.moveTo(2, 7);
    back.lineTo(12, 7);
    back.lineTo(14, 9);
    back.lineTo(29, 9);
    back.lineTo(29, 27);
    back.lineTo(2, 27);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(vgrad(10, 28, QColor(0xFF, 0xE8, 0x98), QColor(0xF0, 0xC0, 0x50)));
    QPainterPath front;
    if (open) {
        front.moveTo(6, 14);
        front.lineTo(31, 14);
        front.lineTo(27, 28);
        front.lineTo(2, 28);
    } else {
        front.moveTo(2, 12);
        front.lineTo(30, 12);
        front.lineTo(30, 28);
        front.lineTo(2, 28);
    }
    front.closeSubpath();
    p.drawPath(front);
}

void monitor(QPainter& p, QRectF r, QColor screenTop, QColor screenBottom)
{
    box(p, r, QColor(0xF4, 0xF1, 0xE4), QColor(0xC8, 0xC2, 0xA8));
    p.setPen(QPen(QColor(0x30, 0x40, 0x60), 1));
    p.setBrush(vgrad(r.top(), r.bottom(), screenTop, screenBottom));
    p.drawRect(r.adjusted(2.5, 2.5, -2.5, -4));
}

void glyph(QPainter& p, QRectF r, const QString& s, QColor colour, int px, bool bold = true)
{
    p.setPen(colour);
    QFont f = font(px, bold);
    f.setFamily(QStringLiteral("DejaVu Sans"));
    p.setFont(f);
    p.drawText(r, Qt::AlignCenter, s);
}

void drive(QPainter& p, QRectF r)
{
    box(p, r, QColor(0xE8, 0xE8, 0xEC), QColor(0x98, 0x9C, 0xA8), 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0xC0, 0x30));
    p.drawRect(QRectF(r.right() - 6, r.bottom() - 4, 3, 2));
    p.setPen(QPen(QColor(0x70, 0x74, 0x80), 1));
    p.drawLine(QPointF(r.left() + 3, r.center().y()), QPointF(r.right() - 9, r.center().y()));
}

void person(QPainter& p, QPointF head, double s, QColor body)
{
    p.setPen(QPen(body.darker(150), 1));
    p.setBrush(QColor(0xF8, 0xD0, 0xA8));
    p.drawEllipse(head, 3.5 * s, 3.5 * s);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(head.x() - 5 * s, head.y() + 4 * s, 10 * s, 9 * s), 3 * s, 3 * s);
}

void circleIcon(QPainter& p, QColor c, const QString& g)
{
    QRadialGradient grad(QPointF(12, 10), 16);
    grad.setColorAt(0, c.lighter(160));
    grad.setColorAt(1, c);
    p.setPen(QPen(c.darker(150), 1));
    p.setBrush(grad);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    glyph(p, QRectF(3, 3, 26, 26), g, Qt::white, 17);
}

void windowShape(QPainter& p, QRectF r, QColor bar)
{
    p.setPen(QPen(bar.darker(150), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setBrush(bar);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 5));
}

} // namespace

void windowsLogo(QPainter& p, const QRectF& r)
{
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / 32.0, r.height() / 32.0);
    const QColor colours[] = {QColor(0xF0, 0x50, 0x22), QColor(0x7F, 0xBA, 0x00), QColor(0x00, 0xA4, 0xEF),
                              QColor(0xFF, 0xB9, 0x00)};
    const QRectF quads[] = {{3, 3, 12, 12}, {17, 3, 12, 12}, {3, 17, 12, 12}, {17, 17, 12, 12}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        QPainterPath path;
        const QRectF q = quads[i];
        path.moveTo(q.left(), q.top() + 2);
        path.cubicTo(q.left() + 4, q.top() - 1, q.right() - 4, q.top() + 3, q.right(), q.top());
        path.lineTo(q.right(), q.bottom() - 2);
        path.cubicTo(q.right() - 4, q.bottom() + 1, q.left() + 4, q.bottom() - 3, q.left(), q.bottom());
        path.closeSubpath();
        p.setBrush(colours[i]);
        p.drawPath(path);
    }
    p.restore();
}

void icon(QPainter& p, const QRectF& r, Icon kind, bool shortcut)
{
    if (kind == Icon::None) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(r.topLeft());
    p.scale(r.width() / 32.0, r.height() / 32.0);
    switch (kind) {
    case Icon::None:
        break;
    case Icon::Folder:
        folder(p, false);
        break;
    case Icon::FolderOpen:
        folder(p, true);
        break;
    case Icon::MyComputer:
        monitor(p, QRectF(4, 3, 24, 19), QColor(0x60, 0xA0, 0xF0), QColor(0x20, 0x60, 0xC0));
        box(p, QRectF(9, 23, 14, 3), QColor(0xE0, 0xDC, 0xC8), QColor(0xB0, 0xA8, 0x90), 1);
        box(p, QRectF(3, 26, 26, 4), QColor(0xF0, 0xEC, 0xDC), QColor(0xB8, 0xB0, 0x98), 1);
        break;
    case Icon::MyDocuments:
        folder(p, false);
        page(p, QRectF(9, 4, 15, 19));
        break;
    case Icon::SharedDocs:
        folder(p, false);
        person(p, QPointF(20, 15), 0.9, QColor(0x40, 0x90, 0xE0));
        break;
    case Icon::Network: {
        QRadialGradient g(QPointF(13, 11), 14);
        g.setColorAt(0, QColor(0x90, 0xD0, 0xFF));
        g.setColorAt(1, QColor(0x20, 0x70, 0xD0));
        p.setPen(QPen(QColor(0x10, 0x50, 0xA0), 1));
        p.setBrush(g);
        p.drawEllipse(QRectF(3, 2, 22, 22));
        p.setBrush(QColor(0x40, 0xB0, 0x40));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(7, 7, 8, 6));
        p.drawEllipse(QRectF(14, 14, 7, 5));
        monitor(p, QRectF(16, 17, 14, 11), QColor(0x60, 0xA0, 0xF0), QColor(0x20, 0x60, 0xC0));
        break;
    }
    case Icon::RecycleBin:
    case Icon::RecycleBinFull: {
        p.setPen(QPen(QColor(0x50, 0x60, 0x70), 1));
        QPainterPath bin;
        bin.moveTo(6, 8);
        bin.lineTo(26, 8);
        bin.lineTo(23, 30);
        bin.lineTo(9, 30);
        bin.closeSubpath();
        QLinearGradient g(6, 0, 26, 0);
        g.setColorAt(0, QColor(0xC8, 0xD8, 0xE8));
        g.setColorAt(0.5, QColor(0xF4, 0xF8, 0xFC));
        g.setColorAt(1, QColor(0x98, 0xB0, 0xC8));
        p.setBrush(g);
        p.drawPath(bin);
        p.setBrush(QColor(0xA0, 0xB4, 0xC8));
        p.drawEllipse(QRectF(5, 5, 22, 6));
        p.setPen(QPen(QColor(0x30, 0x90, 0x40), 2));
        p.drawArc(QRectF(11, 14, 10, 10), 30 * 16, 300 * 16);
        if (kind == Icon::RecycleBinFull) {
            page(p, QRectF(8, 0, 9, 9), false);
            page(p, QRectF(15, 1, 9, 8), false);
        }
        break;
    }
    case Icon::IE: {
        // The "e" has a white rim, so it stays readable on a blue highlight too.
        QFont f = font(28, true);
        f.setFamily(QStringLiteral("DejaVu Sans"));
        const QRectF glyphBox = QFontMetricsF(f).tightBoundingRect(QStringLiteral("e"));
        QPainterPath e;
        e.addText(QPointF(16, 14) - glyphBox.center(), f, QStringLiteral("e"));
        p.strokePath(e, QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(e, QColor(0x10, 0x60, 0xD0));
        p.setPen(QPen(QColor(0xF0, 0xB0, 0x20), 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(1, 9, 30, 12));
        break;
    }
    case Icon::TextFile:
        page(p, QRectF(6, 2, 20, 27));
        break;
    case Icon::WordDoc:
        page(p, QRectF(6, 2, 20, 27));
        glyph(p, QRectF(4, 12, 16, 16), QStringLiteral("W"), QColor(0x20, 0x50, 0xB0), 13);
        break;
    case Icon::ExcelDoc:
        page(p, QRectF(6, 2, 20, 27));
        glyph(p, QRectF(4, 12, 16, 16), QStringLiteral("X"), QColor(0x20, 0x80, 0x30), 13);
        break;
    case Icon::Picture:
        page(p, QRectF(5, 3, 22, 26), false);
        p.setPen(Qt::NoPen);
        p.setBrush(vgrad(7, 20, QColor(0x60, 0xB0, 0xF0), QColor(0xC0, 0xE4, 0xFF)));
        p.drawRect(QRectF(8, 10, 16, 14));
        p.setBrush(QColor(0x50, 0xA0, 0x30));
        p.drawEllipse(QRectF(6, 18, 20, 10));
        break;
    case Icon::Zip:
        folder(p, false);
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), 2));
        for (int y = 13; y < 27; y += 3)
            p.drawLine(15, y, 18, y);
        break;
    case Icon::HardDisk:
        drive(p, QRectF(2, 10, 28, 13));
        break;
    case Icon::Floppy:
        box(p, QRectF(5, 4, 22, 24), QColor(0x50, 0x50, 0x58), QColor(0x20, 0x20, 0x28), 1);
        box(p, QRectF(10, 4, 12, 8), QColor(0xE0, 0xE0, 0xE8), QColor(0xA0, 0xA0, 0xA8), 0);
        box(p, QRectF(8, 17, 16, 11), QColor(0xF8, 0xF8, 0xF8), QColor(0xD0, 0xD0, 0xD0), 0);
        break;
    case Icon::CdDrive: {
        drive(p, QRectF(2, 16, 28, 11));
        QRadialGradient g(QPointF(16, 11), 11);
        g.setColorAt(0, QColor(0xF0, 0xF0, 0xFF));
        g.setColorAt(0.6, QColor(0xB0, 0xD8, 0xF0));
        g.setColorAt(1, QColor(0xE8, 0xC8, 0xF8));
        p.setPen(QPen(QColor(0x80, 0x80, 0x90), 1));
        p.setBrush(g);
        p.drawEllipse(QRectF(7, 2, 18, 18));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(14, 9, 4, 4));
        break;
    }
    case Icon::Removable:
        box(p, QRectF(9, 4, 14, 24), QColor(0xE0, 0xE4, 0xEC), QColor(0x90, 0x98, 0xA8), 2);
        box(p, QRectF(12, 0, 8, 5), QColor(0xD8, 0xD8, 0xD8), QColor(0xA0, 0xA0, 0xA0), 0);
        break;
    case Icon::Notepad:
        page(p, QRectF(6, 4, 20, 25));
        p.setPen(QPen(QColor(0x20, 0x40, 0x90), 1));
        p.setBrush(QColor(0x50, 0x90, 0xE0));
        p.drawRect(QRectF(6, 3, 20, 5));
        break;
    case Icon::Paint: {
        p.setPen(QPen(QColor(0x80, 0x60, 0x30), 1));
        p.setBrush(QColor(0xF0, 0xD8, 0xA8));
        p.drawEllipse(QRectF(2, 8, 26, 20));
        const QColor dots[] = {Qt::red, QColor(0x20, 0xA0, 0x20), Qt::blue, QColor(0xF0, 0xD0, 0x00)};
        for (int i = 0; i < 4; ++i) {
            p.setBrush(dots[i]);
            p.drawEllipse(QRectF(6 + 5 * i, 12 + (i % 2) * 4, 4, 4));
        }
        p.setPen(QPen(QColor(0x80, 0x50, 0x20), 3));
        p.drawLine(QPointF(18, 22), QPointF(30, 2));
        break;
    }
    case Icon::Calculator:
        box(p, QRectF(6, 2, 20, 28), QColor(0xE8, 0xE8, 0xF0), QColor(0xA0, 0xA4, 0xB0), 2);
        p.setBrush(QColor(0xD8, 0xF0, 0xD0));
        p.drawRect(QRectF(9, 5, 14, 6));
        p.setBrush(QColor(0x50, 0x60, 0x80));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 3; ++x)
                p.drawRect(QRectF(9 + 5 * x, 14 + 4 * y, 3, 2.5));
        break;
    case Icon::Cmd:
        windowShape(p, QRectF(2, 5, 28, 22), QColor(0x10, 0x40, 0xB0));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRect(QRectF(3, 10, 26, 16));
        glyph(p, QRectF(3, 10, 18, 14), QStringLiteral("C:\\"), QColor(0xC0, 0xC0, 0xC0), 7);
        break;
    case Icon::WordPad:
        page(p, QRectF(5, 3, 20, 26));
        p.setPen(QPen(QColor(0x20, 0x60, 0xD0), 3));
        p.drawLine(QPointF(14, 24), QPointF(29, 8));
        break;
    case Icon::ControlPanel:
        windowShape(p, QRectF(3, 5, 26, 22), QColor(0x30, 0x70, 0xD0));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0xA0, 0x30));
        p.drawRect(QRectF(7, 18, 4, 7));
        p.setBrush(QColor(0xE0, 0x60, 0x20));
        p.drawRect(QRectF(13, 14, 4, 11));
        p.setBrush(QColor(0x30, 0x70, 0xD0));
        p.drawRect(QRectF(19, 16, 4, 9));
        break;
    case Icon::Display:
        monitor(p, QRectF(3, 3, 26, 20), QColor(0x40, 0xC0, 0xF0), QColor(0x30, 0x90, 0x30));
        box(p, QRectF(8, 25, 16, 4), QColor(0xF0, 0xEC, 0xDC), QColor(0xB8, 0xB0, 0x98), 1);
        break;
    case Icon::Mouse:
        box(p, QRectF(9, 6, 14, 22), QColor(0xF8, 0xF8, 0xF8), QColor(0xB0, 0xB4, 0xC0), 7);
        p.drawLine(QPointF(16, 6), QPointF(16, 14));
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
        p.drawLine(QPointF(16, 6), QPointF(16, 1));
        break;
    case Icon::Sound:
    case Icon::Volume: {
        p.setPen(QPen(QColor(0x40, 0x40, 0x50), 1));
        p.setBrush(QColor(0x90, 0x98, 0xA8));
        QPainterPath s;
        s.moveTo(4, 12);
        s.lineTo(10, 12);
        s.lineTo(18, 5);
        s.lineTo(18, 27);
        s.lineTo(10, 20);
        s.lineTo(4, 20);
        s.closeSubpath();
        p.drawPath(s);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x30, 0x70, 0xD0), 2));
        p.drawArc(QRectF(14, 9, 10, 14), -50 * 16, 100 * 16);
        p.drawArc(QRectF(14, 5, 16, 22), -50 * 16, 100 * 16);
        break;
    }
    case Icon::DateTime:
    case Icon::Region: {
        p.setPen(QPen(QColor(0x30, 0x50, 0x90), 1));
        p.setBrush(kind == Icon::Region ? QColor(0x50, 0xA0, 0xE0) : QColor(0xF8, 0xF8, 0xF8));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setPen(QPen(QColor(0x20, 0x20, 0x30), 2));
        p.drawLine(QPointF(16, 16), QPointF(16, 8));
        p.drawLine(QPointF(16, 16), QPointF(22, 18));
        break;
    }
    case Icon::Users:
        person(p, QPointF(11, 9), 1.1, QColor(0x30, 0x90, 0x30));
        person(p, QPointF(21, 12), 1.1, QColor(0x30, 0x70, 0xD0));
        break;
    case Icon::Printer:
        page(p, QRectF(9, 2, 14, 12), false);
        box(p, QRectF(3, 12, 26, 12), QColor(0xE8, 0xE8, 0xEC), QColor(0x90, 0x94, 0xA0), 2);
        page(p, QRectF(8, 21, 16, 9));
        break;
    case Icon::Power:
        box(p, QRectF(8, 6, 16, 22), QColor(0x80, 0xE0, 0x80), QColor(0x20, 0x90, 0x20), 2);
        box(p, QRectF(12, 2, 8, 4), QColor(0xD0, 0xD0, 0xD0), QColor(0x90, 0x90, 0x90), 0);
        glyph(p, QRectF(8, 6, 16, 22), QStringLiteral("⚡"), QColor(0xFF, 0xF0, 0x40), 12);
        break;
    case Icon::TaskbarIcon:
        windowShape(p, QRectF(3, 4, 26, 20), QColor(0x30, 0x70, 0xD0));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x24, 0x5E, 0xDC));
        p.drawRect(QRectF(3, 24, 26, 5));
        p.setBrush(QColor(0x3C, 0x9A, 0x3C));
        p.drawRect(QRectF(3, 24, 8, 5));
        break;
    case Icon::FolderOptions:
        folder(p, false);
        p.setPen(QPen(QColor(0x20, 0x90, 0x20), 3));
        p.drawLine(QPointF(9, 19), QPointF(14, 24));
        p.drawLine(QPointF(14, 24), QPointF(24, 13));
        break;
    case Icon::Fonts:
        folder(p, false);
        glyph(p, QRectF(6, 10, 20, 18), QStringLiteral("A"), QColor(0x20, 0x40, 0xA0), 14);
        break;
    case Icon::AddRemove:
        box(p, QRectF(4, 10, 20, 18), QColor(0xF0, 0xD8, 0x98), QColor(0xC0, 0x98, 0x40), 1);
        p.setPen(QPen(QColor(0x80, 0x80, 0x90), 1));
        p.setBrush(QColor(0xC8, 0xE0, 0xF8));
        p.drawEllipse(QRectF(14, 2, 16, 16));
        break;
    case Icon::Search:
        p.setPen(QPen(QColor(0x40, 0x40, 0x50), 3));
        p.drawLine(QPointF(19, 19), QPointF(28, 28));
        p.setPen(QPen(QColor(0x40, 0x50, 0x70), 2));
        p.setBrush(QColor(0xC0, 0xE0, 0xFF, 200));
        p.drawEllipse(QRectF(4, 4, 17, 17));
        break;
    case Icon::Help:
        circleIcon(p, QColor(0x20, 0x70, 0xD0), QStringLiteral("?"));
        break;
    case Icon::InfoIcon:
        circleIcon(p, QColor(0x20, 0x70, 0xD0), QStringLiteral("i"));
        break;
    case Icon::Question:
        circleIcon(p, QColor(0x20, 0x70, 0xD0), QStringLiteral("?"));
        break;
    case Icon::Warning: {
        QPainterPath t;
        t.moveTo(16, 2);
        t.lineTo(30, 28);
        t.lineTo(2, 28);
        t.closeSubpath();
        p.setPen(QPen(QColor(0x90, 0x70, 0x00), 1));
        p.setBrush(vgrad(2, 28, QColor(0xFF, 0xF0, 0x80), QColor(0xF0, 0xC0, 0x00)));
        p.drawPath(t);
        glyph(p, QRectF(2, 8, 28, 20), QStringLiteral("!"), Qt::black, 16);
        break;
    }
    case Icon::Run:
        windowShape(p, QRectF(3, 6, 24, 20), QColor(0x30, 0x70, 0xD0));
        p.setPen(QPen(QColor(0x20, 0x90, 0x20), 3));
        p.drawLine(QPointF(10, 22), QPointF(26, 12));
        p.drawLine(QPointF(26, 12), QPointF(20, 11));
        p.drawLine(QPointF(26, 12), QPointF(24, 18));
        break;
    case Icon::System:
        monitor(p, QRectF(4, 3, 24, 19), QColor(0x60, 0xA0, 0xF0), QColor(0x20, 0x60, 0xC0));
        p.setPen(QPen(QColor(0x20, 0xA0, 0x20), 3));
        p.drawLine(QPointF(9, 12), QPointF(14, 17));
        p.drawLine(QPointF(14, 17), QPointF(23, 7));
        break;
    case Icon::Accessibility:
        circleIcon(p, QColor(0x20, 0x90, 0x50), QStringLiteral("☺"));
        break;
    case Icon::Security: {
        QPainterPath s;
        s.moveTo(16, 2);
        s.lineTo(28, 6);
        s.cubicTo(28, 18, 22, 26, 16, 30);
        s.cubicTo(10, 26, 4, 18, 4, 6);
        s.closeSubpath();
        p.setPen(QPen(QColor(0x90, 0x20, 0x20), 1));
        p.setBrush(vgrad(2, 30, QColor(0xF0, 0x60, 0x40), QColor(0xB0, 0x20, 0x10)));
        p.drawPath(s);
        break;
    }
    case Icon::NetConnections:
        monitor(p, QRectF(2, 4, 16, 13), QColor(0x60, 0xA0, 0xF0), QColor(0x20, 0x60, 0xC0));
        monitor(p, QRectF(14, 15, 16, 13), QColor(0x60, 0xA0, 0xF0), QColor(0x20, 0x60, 0xC0));
        break;
    case Icon::Keyboard:
        box(p, QRectF(2, 11, 28, 12), QColor(0xF0, 0xF0, 0xF4), QColor(0xA8, 0xAC, 0xB8), 2);
        p.setBrush(QColor(0x90, 0x94, 0xA0));
        for (int x = 5; x < 27; x += 4)
            p.drawRect(QRectF(x, 14, 2.5, 2));
        p.drawRect(QRectF(8, 18, 16, 2));
        break;
    case Icon::DiskCleanup:
        drive(p, QRectF(2, 16, 26, 11));
        p.setPen(QPen(QColor(0x90, 0x60, 0x20), 2));
        p.drawLine(QPointF(20, 2), QPointF(14, 14));
        p.setPen(QPen(QColor(0xE0, 0xB0, 0x30), 3));
        p.drawLine(QPointF(14, 14), QPointF(10, 17));
        break;
    case Icon::Defrag: {
        drive(p, QRectF(2, 18, 28, 10));
        const QColor blocks[] = {Qt::red, Qt::blue, QColor(0x20, 0xA0, 0x20), Qt::blue, Qt::red};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 5; ++i) {
            p.setBrush(blocks[i]);
            p.drawRect(QRectF(4 + 5 * i, 6 + (i % 2) * 4, 4, 6));
        }
        break;
    }
    case Icon::SystemRestore:
        monitor(p, QRectF(4, 3, 24, 19), QColor(0x60, 0xA0, 0xF0), QColor(0x20, 0x60, 0xC0));
        p.setPen(QPen(QColor(0x20, 0xA0, 0x20), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(10, 7, 12, 12), 90 * 16, 270 * 16);
        break;
    case Icon::TaskManager:
        windowShape(p, QRectF(3, 5, 26, 22), QColor(0x30, 0x70, 0xD0));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRect(QRectF(5, 11, 22, 14));
        p.setPen(QPen(QColor(0x30, 0xF0, 0x30), 1.5));
        p.drawPolyline(QPolygonF({{6, 22}, {10, 18}, {14, 20}, {18, 13}, {22, 16}, {26, 12}}));
        break;
    case Icon::MediaPlayer:
        circleIcon(p, QColor(0x20, 0x60, 0xC0), QString());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF0, 0x90, 0x20));
        p.drawPolygon(QPolygonF({{13, 9}, {24, 16}, {13, 23}}));
        break;
    case Icon::Outlook:
        box(p, QRectF(3, 8, 26, 18), QColor(0xFF, 0xFF, 0xF0), QColor(0xE0, 0xD8, 0xB0), 1);
        p.setPen(QPen(QColor(0xA0, 0x90, 0x60), 1));
        p.drawLine(QPointF(3, 8), QPointF(16, 18));
        p.drawLine(QPointF(29, 8), QPointF(16, 18));
        break;
    case Icon::Messenger:
        person(p, QPointF(16, 8), 1.6, QColor(0x30, 0xA0, 0x30));
        break;
    case Icon::Tour:
        windowsLogo(p, QRectF(2, 2, 28, 28));
        break;
    case Icon::Word:
        box(p, QRectF(3, 3, 26, 26), QColor(0x60, 0x90, 0xF0), QColor(0x20, 0x40, 0xB0), 3);
        glyph(p, QRectF(3, 3, 26, 26), QStringLiteral("W"), Qt::white, 18);
        break;
    case Icon::Excel:
        box(p, QRectF(3, 3, 26, 26), QColor(0x60, 0xC0, 0x60), QColor(0x20, 0x80, 0x30), 3);
        glyph(p, QRectF(3, 3, 26, 26), QStringLiteral("X"), Qt::white, 18);
        break;
    case Icon::Programs:
        box(p, QRectF(4, 6, 24, 20), QColor(0x50, 0xC0, 0x50), QColor(0x20, 0x80, 0x20), 2);
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(QPointF(10, 16), QPointF(21, 16));
        p.drawLine(QPointF(17, 11), QPointF(22, 16));
        p.drawLine(QPointF(17, 21), QPointF(22, 16));
        break;
    case Icon::LogOff:
        box(p, QRectF(4, 4, 24, 24), QColor(0xFF, 0xD0, 0x50), QColor(0xE0, 0x90, 0x10), 4);
        glyph(p, QRectF(4, 4, 24, 24), QStringLiteral("⇦"), Qt::white, 16);
        break;
    case Icon::TurnOff:
        box(p, QRectF(4, 4, 24, 24), QColor(0xF8, 0x80, 0x50), QColor(0xD0, 0x30, 0x10), 4);
        p.setPen(QPen(Qt::white, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(10, 10, 12, 12), 120 * 16, 300 * 16);
        p.drawLine(QPointF(16, 8), QPointF(16, 16));
        break;
    case Icon::UserPicture: {
        box(p, QRectF(1, 1, 30, 30), QColor(0xA0, 0xD0, 0xFF), QColor(0x50, 0x90, 0xE0), 3);
        p.setPen(Qt::NoPen);
        const QColor petal(0xF8, 0x70, 0xA0);
        for (int i = 0; i < 6; ++i) {
            p.save();
            p.translate(16, 16);
            p.rotate(60 * i);
            p.setBrush(petal);
            p.drawEllipse(QRectF(-3, -11, 6, 10));
            p.restore();
        }
        p.setBrush(QColor(0xF8, 0xE0, 0x30));
        p.drawEllipse(QRectF(12, 12, 8, 8));
        break;
    }
    case Icon::Recorder:
        box(p, QRectF(11, 3, 10, 16), QColor(0xB0, 0xB0, 0xC0), QColor(0x50, 0x50, 0x60), 5);
        p.setPen(QPen(QColor(0x50, 0x50, 0x60), 2));
        p.drawLine(QPointF(16, 19), QPointF(16, 28));
        p.drawLine(QPointF(10, 28), QPointF(22, 28));
        break;
    case Icon::Games:
        box(p, QRectF(6, 4, 20, 26), Qt::white, QColor(0xE0, 0xE0, 0xE0), 2);
        glyph(p, QRectF(6, 4, 20, 26), QStringLiteral("♠"), Qt::black, 16);
        break;
    }
    if (shortcut) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(0.5, 21.5, 10, 10));
        p.setPen(QPen(QColor(0x10, 0x30, 0xA0), 1.6));
        p.drawLine(QPointF(3, 29), QPointF(8, 24));
        p.drawLine(QPointF(8, 24), QPointF(4.5, 24));
        p.drawLine(QPointF(8, 24), QPointF(8, 27.5));
    }
    p.restore();
}

} // namespace sample::xp
