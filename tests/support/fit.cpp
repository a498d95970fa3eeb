#include "fit.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "platform/controls.h"
#include "platform/fonts.h"

#include <algorithm>
#include <cmath>

namespace testkit {

namespace {

using platform::Control;

QFont fontOf(const platform::TextLookProps& t)
{
    return platform::makeFont(t.FontName(), t.FontSize(), t.FontBold(), t.FontItalic(), t.FontUnderline());
}

QString stripMnemonic(QString text)
{
    text.replace(QLatin1String("&&"), QString(QChar(0xE000)));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(0xE000), QLatin1Char('&'));
    return text;
}

// Where a label's text inks when the label draws it wrapped at its width, unclipped, in the
// label's pixels: the pixels inked at least half. (A line's descent below its ink is blank, as it
// is under most Chinese glyphs, and may fall outside the label.)
QRect inked(const QFont& font, const QString& text, QSize room, int alignment)
{
    const int horizontal = alignment == platform::vbRightJustify ? Qt::AlignRight
                           : alignment == platform::vbCenter     ? Qt::AlignHCenter
                                                                 : Qt::AlignLeft;
    const int margin = 64;
    QImage image(room.width() + 2 * margin, room.height() + 8 * margin, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(QPoint(margin, margin), room),
               horizontal | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip, text);
    p.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) >= 128) ink |= QRect(x - margin, y - margin, 1, 1);
        }
    }
    return ink;
}

// Room a framed control keeps around its caption: a button's raised edge and a pixel of air on
// each side; a check box's box and the gap after it.
constexpr int ButtonEdge = 3;
constexpr int CheckBoxBox = 13 + 4;

void check(const Control& c, QStringList& out)
{
    const QWidget* w = c.widget();
    if (!w) return;
    const QSize room = w->size();
    QString text;
    QSize needs;
    bool fits = true;
    switch (c.kind()) {
    case Control::Kind::Label: {
        const auto& l = static_cast<const platform::Label&>(c);
        text = l.shownText();
        if (l.AutoSize() || text.isEmpty()) return;
        const QRect ink = inked(fontOf(l), text, room, l.Alignment());
        // The text starts at the label's top; a stroke drawn a pixel above the font's ascent there
        // is the font's, not a text too long for its label.
        fits =
            ink.isNull() || (ink.left() >= 0 && ink.right() < room.width() && ink.bottom() < room.height());
        needs = QSize(std::max(ink.right() + 1, room.width() - ink.left()), ink.bottom() + 1);
        break;
    }
    case Control::Kind::CommandButton:
    case Control::Kind::CheckBox: {
        const bool button = c.kind() == Control::Kind::CommandButton;
        const platform::TextLookProps& look =
            button
                ? static_cast<const platform::TextLookProps&>(static_cast<const platform::CommandButton&>(c))
                : static_cast<const platform::CheckBox&>(c);
        text = stripMnemonic(button ? static_cast<const platform::CommandButton&>(c).Caption()
                                    : static_cast<const platform::CheckBox&>(c).Caption());
        if (text.isEmpty()) return;
        const QFontMetrics fm(fontOf(look));
        const int extra = button ? 2 * ButtonEdge : CheckBoxBox;
        needs = QSize(fm.horizontalAdvance(text) + extra, fm.height() + (button ? 2 * ButtonEdge : 0));
        fits = needs.width() <= room.width() && needs.height() <= room.height();
        break;
    }
    default:
        break;
    }
    if (!fits) {
        const QString index = c.Index() >= 0 ? QStringLiteral("(%1)").arg(c.Index()) : QString();
        out << QStringLiteral("%1%2 \"%3\" needs %4 x %5 px in %6 x %7")
                   .arg(c.Name(), index, text)
                   .arg(needs.width())
                   .arg(needs.height())
                   .arg(room.width())
                   .arg(room.height());
    }
}

void walk(const platform::Container& container, QStringList& out)
{
    for (const Control* c : container.children()) {
        check(*c, out);
        if (const auto* inner = dynamic_cast<const platform::Container*>(c)) walk(*inner, out);
    }
}

} // namespace

QStringList textsThatDoNotFit(platform::Form& form)
{
    QStringList out;
    walk(form, out);
    return out;
}

} // namespace testkit
