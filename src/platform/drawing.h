#pragma once
// Pictures the program draws itself (the screens' backgrounds, buttons and pointers), with the
// few painting helpers they share.
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>

#include "platform/picture.h"

class QPainter;

namespace platform::drawing {

using Draw = std::function<void(QPainter&, QSize)>;

// A picture of the given size drawn on a transparent ground with antialiasing; source() is the name.
Picture drawn(const QString& name, QSize size, const Draw& draw, bool isCursor = false, QPoint hotSpot = {});
// The same, drawn on first use and kept for the run under its name. Kept as an image: pixmaps must
// not outlive the application object, which ends before the program's statics do.
Picture kept(const QString& name, QSize size, const Draw& draw, bool isCursor = false, QPoint hotSpot = {});

// The installed Chinese font at a size in pixels.
QFont font(int pixels, bool bold = false);
// A vertical gradient from top to bottom over a rectangle with rounded corners.
void fillGradient(QPainter& p, QRectF r, QColor top, QColor bottom, qreal radius = 0);
void text(QPainter& p, QRectF r, const QString& s, const QFont& f, QColor c, int flags = Qt::AlignCenter);

// The pointing hand over links and buttons, 32 x 32 with the hot-spot at the fingertip; source()
// is the name.
Picture handPointer(const QString& name);

} // namespace platform::drawing
