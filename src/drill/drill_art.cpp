#include "drill/drill_art.h"

#include <QPainter>
#include <QPainterPath>

#include "platform/drawing.h"

namespace drill::art {

namespace {

using platform::drawing::Draw;
using platform::drawing::font;
using platform::drawing::text;

const QSize Screen(800, 600);

platform::Picture kept(const QString& name, QSize size, const Draw& draw)
{
    return platform::drawing::kept(QStringLiteral("drill:") + name, size, draw);
}

using platform::drawing::fillGradient;

// A caption ending at the left edge of the control it names (x, y: the control's design pixels).
void fieldName(QPainter& p, qreal x, qreal y, const QString& s, QColor ink)
{
    text(p, QRectF(x - 160, y, 152, 24), s, font(15, true), ink, Qt::AlignRight | Qt::AlignVCenter);
}

void sheet(QPainter& p, QSize s, const QString& title, const QString& subtitle)
{
    fillGradient(p, QRectF(QPointF(0, 0), s), QColor(0xf4, 0xf8, 0xfc), QColor(0xd6, 0xe4, 0xf2));
    fillGradient(p, QRectF(0, 0, s.width(), 92), QColor(0x2d, 0x6c, 0xc0), QColor(0x1a, 0x47, 0x8a));
    text(p, QRectF(0, 12, s.width(), 40), title, font(26, true), Qt::white);
    text(p, QRectF(0, 54, s.width(), 26), subtitle, font(15), QColor(0xdd, 0xe8, 0xff));
    p.setPen(QPen(QColor(0x7d, 0xa2, 0xd6), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1));
}

void buttonFace(QPainter& p, QRectF r, const QString& caption)
{
    fillGradient(p, r, QColor(0xff, 0xd8, 0x80), QColor(0xf0, 0x98, 0x28), 5);
    p.setPen(QPen(QColor(0xa8, 0x60, 0x10), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, 5, 5);
    text(p, r, caption, font(16, true), QColor(0x50, 0x28, 0x00));
}

} // namespace

platform::Picture loginPage()
{
    return kept(QStringLiteral("login"), Screen, [](QPainter& p, QSize s) {
        sheet(p, s, QStringLiteral("全国专业技术人员计算机应用能力考试"), QStringLiteral("考 生 登 录"));
        fillGradient(p, QRectF(200, 250, 400, 200), QColor(0xff, 0xff, 0xff), QColor(0xe6, 0xef, 0xf9), 10);
        const QColor ink(0x1a, 0x47, 0x8a);
        text(p, QRectF(200, 258, 400, 26), QStringLiteral("请输入座位号和身份证号"), font(14), ink);
        fieldName(p, 338, 296, QStringLiteral("座 位 号："), ink);        // TxtZwh at (5070, 4440)
        fieldName(p, 338, 327, QStringLiteral("身份证号："), ink);        // TxtSFZ at (5070, 4905)
        buttonFace(p, QRectF(285, 376, 89, 33), QStringLiteral("登 录")); // CmdLog at (4275, 5640)
        buttonFace(p, QRectF(444, 376, 89, 33), QStringLiteral("退 出")); // CmdExit at (6660, 5640)
    });
}

platform::Picture confirmCard()
{
    return kept(QStringLiteral("card"), Screen, [](QPainter& p, QSize s) {
        sheet(p, s, QStringLiteral("全国专业技术人员计算机应用能力考试"),
              QStringLiteral("考 生 信 息 确 认"));
        fillGradient(p, QRectF(120, 150, 560, 230), QColor(0xff, 0xff, 0xff), QColor(0xe6, 0xef, 0xf9), 10);
        const QColor ink(0x1a, 0x47, 0x8a);
        fieldName(p, 272, 174, QStringLiteral("姓    名："), ink); // LblName at (4080, 2610)
        fieldName(p, 272, 196, QStringLiteral("座 位 号："), ink); // LblZwh at (4080, 2940)
        fieldName(p, 272, 220, QStringLiteral("场    次："), ink); // LblCC at (4080, 3300)
        fieldName(p, 167, 281, QStringLiteral("报考科目："), ink); // LblKm at (2505, 4215)
        fieldName(p, 167, 306, QStringLiteral("身份证号："), ink); // LblSfz at (2505, 4590)
        fieldName(p, 167, 330, QStringLiteral("档 案 号："), ink); // LblDah at (2505, 4950)
        fieldName(p, 167, 350, QStringLiteral("考试日期："), ink); // LblDate at (2505, 5250)
        text(p, QRectF(74, 500, 689, 26), QStringLiteral("正在进入考试，请稍候……"), font(15), ink,
             Qt::AlignLeft | Qt::AlignVCenter); // above the track P2 at (1110, 7980)
    });
}

platform::Picture resultsPage()
{
    return kept(QStringLiteral("results"), Screen, [](QPainter& p, QSize s) {
        sheet(p, s, QStringLiteral("模拟考试成绩"), QStringLiteral("本场考试已结束"));
        const QColor ink(0x1a, 0x47, 0x8a);
        text(p, QRectF(0, 200, s.width(), 30), QStringLiteral("您可以复习本次考题，或只复习做错的题目。"),
             font(16), ink);
        text(p, QRectF(0, 240, s.width(), 24), QStringLiteral("绿色：已完成    红色：未完成"), font(14), ink);
    });
}

platform::Picture handPointer()
{
    return platform::drawing::handPointer(QStringLiteral("drill:hand"));
}

} // namespace drill::art
