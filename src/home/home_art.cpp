#include "home/home_art.h"

#include <QPainter>
#include <QPainterPath>

#include "common/drill_state.h"
#include "platform/drawing.h"

namespace home::art {

namespace {

using platform::drawing::Draw;
using platform::drawing::fillGradient;
using platform::drawing::font;
using platform::drawing::text;

platform::Picture picture(const QString& name, QSize size, const Draw& draw)
{
    return platform::drawing::drawn(QStringLiteral("home:") + name, size, draw);
}

platform::Picture kept(const QString& name, QSize size, const Draw& draw)
{
    return platform::drawing::kept(QStringLiteral("home:") + name, size, draw);
}

// A button face with its caption.
void button(QPainter& p, QRectF r, const QString& caption, QColor top, QColor bottom, QColor ink,
            qreal shift = 0)
{
    fillGradient(p, r.adjusted(0.5, 0.5, -0.5, -0.5), top, bottom, 5);
    p.setPen(QPen(bottom.darker(140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    text(p, r.translated(shift, shift), caption, font(13, true), ink);
}

void panelBackground(QPainter& p, QSize s, const QString& title)
{
    fillGradient(p, QRectF(QPointF(0, 0), s), QColor(0xee, 0xf4, 0xfb), QColor(0xc9, 0xdc, 0xf2));
    text(p, QRectF(20, s.height() - 36, 300, 30), title, font(16, true), QColor(0x2a, 0x5a, 0x9e),
         Qt::AlignLeft | Qt::AlignVCenter);
    // The back and exit buttons under the transparent labels LblFanHui and LblExit.
    button(p, QRectF(488, 510, 108, 33), QStringLiteral("返回首页"), QColor(0xff, 0xff, 0xff),
           QColor(0xb8, 0xd0, 0xee), QColor(0x1f, 0x4e, 0x9c));
    button(p, QRectF(626, 510, 108, 33), QStringLiteral("退出系统"), QColor(0xff, 0xff, 0xff),
           QColor(0xb8, 0xd0, 0xee), QColor(0x1f, 0x4e, 0x9c));
}

void tile(QPainter& p, QSize s, Look look, const QString& title, const QString& note, QColor base)
{
    const QColor top = look == Hover     ? base.lighter(135)
                       : look == Pressed ? base.darker(125)
                                         : base.lighter(115);
    const QColor bottom = look == Pressed ? base.darker(160) : base.darker(110);
    const qreal shift = look == Pressed ? 2 : 0;
    fillGradient(p, QRectF(2, 2, s.width() - 4, s.height() - 4), top, bottom, 14);
    p.setPen(QPen(QColor(255, 255, 255, 180), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3, 3, s.width() - 6, s.height() - 6), 13, 13);
    text(p, QRectF(0, 40 + shift, s.width(), 40), title, font(24, true), Qt::white);
    text(p, QRectF(0, 90 + shift, s.width(), 24), note, font(13), QColor(0xf0, 0xf6, 0xff));
}

void card(QPainter& p, QSize s)
{
    fillGradient(p, QRectF(1, 1, s.width() - 2, s.height() - 2), QColor(0xff, 0xff, 0xff),
                 QColor(0xdd, 0xea, 0xf8), 8);
    p.setPen(QPen(QColor(0x7d, 0xa2, 0xd6), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, s.width() - 3, s.height() - 3), 8, 8);
}

void buttonLook(QPainter& p, QSize s, Look look, const QString& caption)
{
    if (look == Pressed)
        button(p, QRectF(QPointF(0, 0), s), caption, QColor(0xe0, 0x80, 0x20), QColor(0xa8, 0x50, 0x08),
               Qt::white, 1);
    else
        button(p, QRectF(QPointF(0, 0), s), caption, QColor(0xff, 0xd0, 0x70), QColor(0xf0, 0x90, 0x20),
               QColor(0x60, 0x30, 0x00));
}

} // namespace

platform::Picture splash()
{
    return kept(QStringLiteral("splash"), QSize(440, 99), [](QPainter& p, QSize s) {
        fillGradient(p, QRectF(QPointF(0, 0), s), QColor(0x3a, 0x7b, 0xd5), QColor(0x1f, 0x4e, 0x9c));
        p.setPen(QPen(QColor(255, 255, 255, 160), 1));
        p.drawRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1));
        text(p, QRectF(0, 10, s.width(), 44), QStringLiteral("考试练习系统"), font(30, true), Qt::white);
        text(p, QRectF(0, 58, s.width(), 18), QStringLiteral("QuenmarMerovan"), font(13),
             QColor(0xdd, 0xe8, 0xff));
        text(p, QRectF(0, 76, s.width(), 18), QStringLiteral("正在启动，请稍候……"), font(12),
             QColor(0xdd, 0xe8, 0xff));
    });
}

platform::Picture background()
{
    return kept(QStringLiteral("background"), QSize(800, 600), [](QPainter& p, QSize s) {
        fillGradient(p, QRectF(QPointF(0, 0), s), QColor(0xf4, 0xf8, 0xfd), QColor(0xcf, 0xe0, 0xf5));
        // Title line, light enough for the version line's blue, with the close button's idle look
        // at its right end.
        fillGradient(p, QRectF(0, 0, s.width(), 28), QColor(0xfd, 0xfe, 0xff), QColor(0xd6, 0xe4, 0xf6));
        p.setPen(QPen(QColor(0x9d, 0xb8, 0xde), 1));
        p.drawLine(QPointF(0, 27.5), QPointF(s.width(), 27.5));
        text(p, QRectF(10, 0, 280, 28), QStringLiteral("考试练习系统"), font(14, true),
             QColor(0x1f, 0x4e, 0x9c), Qt::AlignLeft | Qt::AlignVCenter);
        text(p, QRectF(750, 0, 48, 20), QStringLiteral("×"), font(16, true), QColor(0x1f, 0x4e, 0x9c));
        // The About link, the two web links and the two messenger links.
        text(p, QRectF(48, 460, 169, 25), QStringLiteral("关于本系统"), font(14, true),
             QColor(0x1f, 0x4e, 0x9c));
        const QColor link(0x2a, 0x5a, 0x9e);
        text(p, QRectF(108, 482, 93, 22), QStringLiteral("官方网站"), font(13), link);
        text(p, QRectF(205, 482, 93, 22), QStringLiteral("技术论坛"), font(13), link);
        text(p, QRectF(108, 522, 93, 22), QStringLiteral("在线咨询一"), font(13), link);
        text(p, QRectF(205, 522, 93, 22), QStringLiteral("在线咨询二"), font(13), link);
        // The strip of the information links.
        p.setPen(QPen(QColor(0x9d, 0xb8, 0xde), 1));
        p.drawLine(QPointF(20, 573.5), QPointF(780, 573.5));
    });
}

platform::Picture unitPanel()
{
    return kept(QStringLiteral("unitPanel"), QSize(798, 545),
                [](QPainter& p, QSize s) { panelBackground(p, s, QStringLiteral("单元练习")); });
}

platform::Picture examPanel()
{
    return kept(QStringLiteral("examPanel"), QSize(798, 545),
                [](QPainter& p, QSize s) { panelBackground(p, s, QStringLiteral("模拟考试")); });
}

platform::Picture unitTile(Look look)
{
    return kept(QStringLiteral("unitTile%1").arg(int(look)), QSize(150, 150), [look](QPainter& p, QSize s) {
        tile(p, s, look, QStringLiteral("单元练习"), QStringLiteral("按单元逐题练习"),
             QColor(0x2f, 0x8f, 0x4e));
    });
}

platform::Picture examTile(Look look)
{
    return kept(QStringLiteral("examTile%1").arg(int(look)), QSize(150, 150), [look](QPainter& p, QSize s) {
        tile(p, s, look, QStringLiteral("模拟考试"),
             QStringLiteral("40题 限时%1分钟").arg(common::ExamMinutes), QColor(0x2f, 0x6b, 0xc4));
    });
}

platform::Picture unitCard()
{
    return kept(QStringLiteral("unitCard"), QSize(234, 64), [](QPainter& p, QSize s) {
        card(p, s);
        const QColor ink(0x33, 0x33, 0x33);
        text(p, QRectF(10, 6, 20, 24), QStringLiteral("第"), font(15, true), ink);
        text(p, QRectF(58, 6, 40, 24), QStringLiteral("单元"), font(15, true), ink,
             Qt::AlignLeft | Qt::AlignVCenter);
        button(p, QRectF(109, 5, 118, 25), QStringLiteral("进入练习"), QColor(0xff, 0xff, 0xff),
               QColor(0xc6, 0xda, 0xf2), QColor(0x1f, 0x4e, 0x9c));
        text(p, QRectF(14, 41, 54, 18), QStringLiteral("题数："), font(12), ink,
             Qt::AlignLeft | Qt::AlignVCenter);
        text(p, QRectF(100, 41, 46, 18), QStringLiteral("未完成："), font(12), ink,
             Qt::AlignLeft | Qt::AlignVCenter);
    });
}

platform::Picture examCard()
{
    return kept(QStringLiteral("examCard"), QSize(369, 64), [](QPainter& p, QSize s) {
        card(p, s);
        const QColor ink(0x33, 0x33, 0x33);
        text(p, QRectF(74, 6, 22, 24), QStringLiteral("第"), font(15, true), ink);
        text(p, QRectF(124, 6, 100, 24), QStringLiteral("套试卷"), font(15, true), ink,
             Qt::AlignLeft | Qt::AlignVCenter);
        button(p, QRectF(226, 6, 118, 25), QStringLiteral("开始考试"), QColor(0xff, 0xff, 0xff),
               QColor(0xc6, 0xda, 0xf2), QColor(0x1f, 0x4e, 0x9c));
    });
}

platform::Picture enterButton(Look look)
{
    return kept(QStringLiteral("enterButton%1").arg(int(look)), QSize(118, 25),
                [look](QPainter& p, QSize s) { buttonLook(p, s, look, QStringLiteral("进入练习")); });
}

platform::Picture startButton(Look look)
{
    return kept(QStringLiteral("startButton%1").arg(int(look)), QSize(118, 25),
                [look](QPainter& p, QSize s) { buttonLook(p, s, look, QStringLiteral("开始考试")); });
}

platform::Picture closeHover()
{
    return kept(QStringLiteral("closeHover"), QSize(48, 20), [](QPainter& p, QSize s) {
        fillGradient(p, QRectF(QPointF(0, 0), s), QColor(0xf0, 0x70, 0x60), QColor(0xc0, 0x28, 0x18), 3);
        text(p, QRectF(QPointF(0, 0), s), QStringLiteral("×"), font(16, true), Qt::white);
    });
}

platform::Picture handPointer()
{
    return platform::drawing::handPointer(QStringLiteral("home:hand"));
}

platform::Picture programIcon()
{
    return kept(QStringLiteral("programIcon"), QSize(32, 32), [](QPainter& p, QSize) {
        p.setRenderHint(QPainter::Antialiasing);
        // A monitor showing a blue desktop with a tick: practice on the screen, judged.
        fillGradient(p, QRectF(2, 3, 28, 21), QColor(0xf4, 0xf4, 0xf4), QColor(0x9a, 0xa4, 0xb0), 3);
        fillGradient(p, QRectF(4.5, 5.5, 23, 16), QColor(0x5a, 0x9c, 0xf0), QColor(0x1c, 0x4f, 0xb8), 1);
        p.setPen(QPen(QColor(0xff, 0xff, 0xff), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(9.5, 13.5), QPointF(14, 18), QPointF(23, 8.5)}));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6b, 0x74, 0x80));
        p.drawRect(QRectF(13, 24, 6, 3));
        fillGradient(p, QRectF(8, 27, 16, 3), QColor(0xc8, 0xcc, 0xd2), QColor(0x7b, 0x84, 0x90), 1);
    });
}

platform::Picture missingPage(const QString& fileName)
{
    return picture(QStringLiteral("missingPage"), QSize(798, 545), [&fileName](QPainter& p, QSize s) {
        fillGradient(p, QRectF(QPointF(0, 0), s), QColor(0xff, 0xff, 0xff), QColor(0xe6, 0xee, 0xf8));
        text(p, QRectF(0, 200, s.width(), 40), QStringLiteral("本页图片缺失"), font(24, true),
             QColor(0x99, 0x33, 0x33));
        text(p, QRectF(0, 250, s.width(), 24), fileName, font(13), QColor(0x55, 0x55, 0x55));
        button(p, QRectF(488, 508, 109, 33), QStringLiteral("上一页"), QColor(0xff, 0xff, 0xff),
               QColor(0xb8, 0xd0, 0xee), QColor(0x1f, 0x4e, 0x9c));
        button(p, QRectF(627, 508, 109, 33), QStringLiteral("下一页"), QColor(0xff, 0xff, 0xff),
               QColor(0xb8, 0xd0, 0xee), QColor(0x1f, 0x4e, 0x9c));
    });
}

} // namespace home::art
