#include "sample/canvas.h"

namespace sample {

Canvas::Canvas(QSize size, QColor fill)
    : img(size, QImage::Format_RGB32)
{
    img.fill(fill);
    painter = std::make_unique<QPainter>(&img);
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setRenderHint(QPainter::TextAntialiasing, true);
}

Canvas::~Canvas() = default;

void Canvas::cover(const QRect& r)
{
    for (auto it = marks.begin(); it != marks.end();) {
        if (it.value().intersects(r))
            it = marks.erase(it);
        else
            ++it;
    }
}

QImage Canvas::finish()
{
    painter.reset();
    return img;
}

} // namespace sample
