#pragma once
// A picture being drawn, together with the named items drawn on it: every clickable thing a
// picture shows (an icon, a button, a menu row, a text field) is recorded under a name, so a step
// can aim at it by name and its target always lies on what the candidate sees.
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <memory>

namespace sample {

class Canvas {
public:
    explicit Canvas(QSize size, QColor fill = QColor(0xEC, 0xE9, 0xD8));
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    QPainter& p() { return *painter; }
    QSize size() const { return img.size(); }
    QRect rect() const { return img.rect(); }

    // Records an item; a later item of the same name replaces an earlier one (it is drawn above).
    void mark(const QString& name, const QRect& r) { marks.insert(name, r); }
    const QHash<QString, QRect>& items() const { return marks; }
    // Something is drawn over `r`: the items it touches can no longer be clicked.
    void cover(const QRect& r);

    // Ends the drawing and gives the picture.
    QImage finish();

private:
    QImage img;
    std::unique_ptr<QPainter> painter;
    QHash<QString, QRect> marks;
};

} // namespace sample
