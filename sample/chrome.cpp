#include "sample/chrome.h"

#include "sample/layout.h"
#include "sample/menu_pictures.h"
#include "sample/screens.h"
#include "sample/xp.h"
#include "steps/desk_pictures.h"

namespace sample {
namespace {

using namespace layout;
using xp::Icon;

struct MenuBarDef {
    char letter;
    QStringList titles;
};

const QList<MenuBarDef>& menuBars()
{
    static const QList<MenuBarDef> bars{
        {'A', {"文件(F)", "编辑(E)", "查看(V)", "收藏(A)", "工具(T)", "帮助(H)"}},
        {'B', {"文件(F)", "编辑(E)", "格式(O)", "查看(V)", "帮助(H)"}},
        {'C', {"文件(F)", "编辑(E)", "查看(V)", "工具(T)", "剪辑(C)", "播放(P)", "帮助(H)"}},
        {'D', {"文件(F)", "编辑(E)", "查看(V)", "图像(I)", "颜色(C)", "帮助(H)"}},
        {'E', {"文件(F)", "编辑(E)", "效果(S)", "帮助(H)"}},
        {'F', {"文件(F)", "选项(O)", "查看(V)", "窗口(W)", "关机(U)", "帮助(H)"}},
        {'G', {"文件(F)", "编辑(E)", "查看(V)", "插入(I)", "格式(O)", "帮助(H)"}},
    };
    return bars;
}

PictureFile file(const QString& name, const QImage& image)
{
    return PictureFile{name + QStringLiteral(".rar"), encodePicture(image)};
}

// The part `r` of a picture drawn by `draw` on a canvas of `size`.
QImage crop(QSize size, const std::function<void(Canvas&)>& draw, const QRect& r)
{
    Canvas c(size);
    draw(c);
    return c.finish().copy(r);
}

QRect boxRect(const Twips& t)
{
    return t.px();
}

} // namespace

QList<PictureFile> chromePictures()
{
    QList<PictureFile> out;

    // Menu bars and the hover look of their titles.
    for (const MenuBarDef& bar : menuBars()) {
        QList<QRect> boxes;
        int right = 0;
        for (int i = 1; i <= bar.titles.size(); ++i) {
            boxes.append(menuTitle(bar.letter, i).px());
            right = std::max(right, boxes.last().x() + boxes.last().width());
        }
        const QSize size(right, 19);
        for (int open = -1; open < int(bar.titles.size()); ++open) {
            Canvas c(size);
            xp::menuBar(c, c.rect(), bar.titles, boxes, open);
            const QImage img = c.finish();
            if (open < 0)
                out.append(file(QString(QLatin1Char(bar.letter)) + QStringLiteral("00000"), img));
            else
                out.append(file(steps::desk::titleHighlight(
                                    QStringLiteral("%1%2").arg(QLatin1Char(bar.letter)).arg(open + 1)),
                                img.copy(boxes[open].intersected(img.rect()))));
        }
    }

    // The Explorer toolbar, its second picture, and the looks of its buttons.
    const QSize toolSize = boxRect(ToolBox).size();
    for (const bool second : {false, true}) {
        Canvas c(toolSize);
        xp::toolbar(c, QPoint(0, 0), second);
        out.append(file(steps::desk::toolbar(second ? u'W' : u'C'), c.finish()));
    }
    for (const ToolButton& b : ToolButtons) {
        const QRect r(b.left / TwipsPerPixel, ToolButtonTop / TwipsPerPixel, b.width / TwipsPerPixel,
                      ToolButtonHeight / TwipsPerPixel);
        for (const bool pressed : {false, true}) {
            Canvas c(toolSize);
            xp::toolbar(c, QPoint(0, 0), true);
            QPainter& p = c.p();
            p.setPen(QPen(pressed ? QColor(0x9D, 0x9D, 0x92) : QColor(0xCE, 0xCE, 0xC3), 1));
            p.setBrush(pressed ? QColor(0xE3, 0xE3, 0xDB, 120) : QColor(0xFF, 0xFF, 0xFF, 60));
            p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
            out.append(file(pressed ? steps::desk::toolbarPressed(b.hotSpot)
                                    : steps::desk::toolbarHovered(b.hotSpot),
                            c.finish().copy(r)));
        }
    }

    // Task panes 1-4.
    const QSize paneSize = boxRect(TaskPaneBox).size();
    for (int code = 1; code <= 4; ++code) {
        Canvas c(paneSize);
        xp::taskPane(c, QPoint(0, 0), code);
        out.append(file(steps::desk::taskPane(code), c.finish()));
    }

    // The Control Panel pages of the dialog box.
    for (const int digit : {0, 1}) {
        Canvas c(boxRect(DialogBox).size());
        screens::controlPanelPage(c, QPoint(0, 0), digit);
        out.append(file(steps::desk::dialogPage(QChar(u'0' + digit)), c.finish()));
    }

    // The area boxes of the fixed hot-spots and the looks of their items.
    const QSize deskSize = boxRect(DesktopBox).size();
    const auto drawDesk = [](const QString& selected) {
        return [selected](Canvas& c) {
            xp::Desk d;
            if (!selected.isEmpty()) d.selected = {selected};
            xp::desktop(c, d);
        };
    };
    out.append(file(QStringLiteral("PicTable"),
                    crop(QSize(800, 600), drawDesk(QString()), QRect(QPoint(0, 0), deskSize))));
    const QStringList deskLabels{QStringLiteral("我的文档"), QStringLiteral("我的电脑"),
                                 QStringLiteral("网上邻居"), QStringLiteral("回收站"),
                                 QStringLiteral("Internet Explorer")};
    for (int i = 0; i < int(DeskIcons.size()); ++i) {
        const DeskIconSpot& s = DeskIcons[size_t(i)];
        out.append(file(steps::desk::itemHighlight(QString::number(s.hotSpot)),
                        crop(QSize(800, 600), drawDesk(deskLabels[i]),
                             Twips{s.left, s.top, DeskIconWidth, DeskIconHeight}.px())));
    }
    const QSize startSize = boxRect(StartBox).size();
    out.append(
        file(QStringLiteral("PicStart"), crop(
                                             startSize, [](Canvas& c) { xp::startMenu(c, QPoint(0, 0), {}); },
                                             QRect(QPoint(0, 0), startSize))));
    // A Start-menu item's hover look: the menu drawn with that item highlighted.
    Canvas names(startSize);
    xp::startMenu(names, QPoint(0, 0), {});
    for (const Spot& s : StartItems) {
        QString itemName;
        for (auto it = names.items().cbegin(); it != names.items().cend(); ++it) {
            if (it.value() == s.rect.px()) itemName = it.key().mid(3);
        }
        xp::StartMenu hot;
        hot.highlighted = itemName;
        out.append(
            file(steps::desk::startItemHighlight(s.hotSpot),
                 crop(
                     startSize, [&](Canvas& c) { xp::startMenu(c, QPoint(0, 0), hot); }, s.rect.px())));
    }
    const QSize pcSize = boxRect(MyPcBox).size();
    // The box reaches a few pixels into the task bar: its last rows show the task bar's top edge.
    const auto onTaskbar = [](QImage img, const QRect& box) {
        Canvas screen(QSize(ScreenW, ScreenH));
        xp::taskbar(screen, {});
        const QImage bar = screen.finish();
        QPainter p(&img);
        const int below = TaskbarTop - box.top();
        if (below < img.height())
            p.drawImage(QPoint(0, below),
                        bar.copy(QRect(box.left(), TaskbarTop, box.width(), img.height() - below)));
        p.end();
        return img;
    };
    out.append(file(QStringLiteral("PicMyPc"),
                    onTaskbar(crop(
                                  pcSize, [](Canvas& c) { xp::myComputer(c, QPoint(0, 0)); },
                                  QRect(QPoint(0, 0), pcSize)),
                              boxRect(MyPcBox))));
    for (const Spot& s : MyPcItems) {
        const QString code =
            s.hotSpot >= 100 ? QStringLiteral("Z%1").arg(s.hotSpot % 10) : QString::number(s.hotSpot);
        out.append(
            file(steps::desk::itemHighlight(code),
                 crop(
                     pcSize, [&](Canvas& c) { xp::myComputer(c, QPoint(0, 0), s.hotSpot); }, s.rect.px())));
    }
    // The drop-down menus of the simulated desktop.
    out += menuPictures();
    return out;
}

} // namespace sample
