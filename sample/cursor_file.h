#pragma once
// Windows cursor files (".CUR"): one 32-bit image with its AND mask and the pointer's hot-spot.
#include <QByteArray>
#include <QImage>
#include <QPoint>

namespace sample {

// The bytes of a cursor file holding `image` (at most 256 x 256; its alpha channel is the
// transparency) with the hot-spot `hotSpot`.
QByteArray cursorFileBytes(const QImage& image, QPoint hotSpot);

} // namespace sample
