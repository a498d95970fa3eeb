// Unit 5: windows, icons and the Start menu through the desktop's hot-spots: toolbar buttons,
// task-pane links, Control Panel items, Start-menu items, desktop icons, the My Computer window and
// an object picture. The pictures under the hot-spots are the desktop's own (examdata); the steps
// name the hot-spot a click must reach in their target slots.
#include "sample/dialogs.h"
#include "sample/layout.h"
#include "sample/model.h"
#include "sample/screens.h"
#include "sample/step_record.h"

namespace sample {

using namespace screens;
using xp::Icon;

namespace {

// A target code: "H" (a click) or "S" (a double click), the menu id, rows "000000", the jump.
QString spot(QChar kind, const QString& id, QChar jump = u'0')
{
    return QString(kind) + id + QStringLiteral("000000") + QString(jump);
}

// A step judged on a hot-spot: the window it shows (paneCode, winCode), the slot that names the
// hot-spot, and the hint. Its action is the hot-spot action "7000", which the demonstration plays by
// aiming at the hot-spot the target names.
StepDef onHotSpot(const QString& bg, const QString& pane, const QString& win, int slot, const QString& code,
                  const QString& hint)
{
    StepDef s;
    s.background = bg;
    s.action = QStringLiteral("7000");
    s.hint = hint;
    s.at(col::PaneCode, pane).at(col::WinCode, win).at(slot, code);
    return s;
}

// A click on hot-spot `id` (a path in targetC) and a double click (targetA).
StepDef clickSpot(const QString& bg, const QString& pane, const QString& win, const QString& id,
                  const QString& hint)
{
    return onHotSpot(bg, pane, win, col::TargetC, spot(u'H', id), hint);
}
StepDef dblClickSpot(const QString& bg, const QString& pane, const QString& win, const QString& id,
                     const QString& hint)
{
    return onHotSpot(bg, pane, win, col::TargetA, spot(u'S', id), hint);
}

// Windows: no chrome of their own ("00"), a folder window with menu bar, toolbar and task pane 1
// ("A3"), one with menu bar and toolbar ("A1"), the desktop icons ("M0").
const QString NoChrome = QStringLiteral("00");
const QString Folder = QStringLiteral("A3");
const QString Toolbar = QStringLiteral("A1");
const QString Icons = QStringLiteral("M0");
// Contents: none, My Computer ("P0"), the Control Panel pages ("N0", "N1").
const QString Plain = QStringLiteral("00");
const QString MyPc = QStringLiteral("P0");

void addScenes(Scenes& s)
{
    // Folder windows with the task pane of code 1 and their files as tiles.
    const auto folder = [&s](const QString& name, const QString& title, Icon icon, const QString& address,
                             const QList<xp::FileItem>& items) {
        s.screen(name, [=](Canvas& c) {
            explorer(c, Explorer{title, icon, address, 1, Explorer::View::Tiles, 0, items});
        });
    };
    const QList<xp::FileItem> documents{{Icon::Folder, QStringLiteral("我的音乐")},
                                        {Icon::Folder, QStringLiteral("我的图片")},
                                        {Icon::TextFile, QStringLiteral("备忘录.txt")}};
    folder(QStringLiteral("热点-我的文档"), QStringLiteral("我的文档"), Icon::MyDocuments,
           QStringLiteral("我的文档"), documents);
    // The toolbar's "文件夹" button puts the folder tree in the task pane's place; "搜索" the search
    // companion, which pushes the files to its right.
    s.screen(QStringLiteral("热点-我的文档-文件夹"), [documents](Canvas& c) {
        explorer(c, Explorer{QStringLiteral("我的文档"), Icon::MyDocuments, QStringLiteral("我的文档"), 1,
                             Explorer::View::Tiles, 0, documents});
        folderTree(c, QRect(0, 112, 204, layout::TaskbarTop - 112), false, QStringLiteral("我的文档"));
    });
    s.screen(QStringLiteral("热点-我的文档-搜索"), [documents](Canvas& c) {
        explorer(c, Explorer{QStringLiteral("搜索结果"), Icon::Search, QStringLiteral("搜索结果"), 1,
                             Explorer::View::Tiles});
        const QRect pane = searchCompanion(c);
        searchChoices(c, pane.top() + 36);
        xp::tiles(c, QRect(pane.right() + 6, pane.top(), layout::ScreenW - pane.right() - 6, pane.height()),
                  documents, {});
    });
    // My Computer with drive C selected.
    s.screen(QStringLiteral("热点-我的电脑-C盘选中"), [](Canvas& c) {
        explorer(c, Explorer{QStringLiteral("我的电脑"), Icon::MyComputer, QStringLiteral("我的电脑"), 0,
                             Explorer::View::MyComputer, 95});
    });
    {
        xp::Desk d;
        d.selected = {QStringLiteral("我的文档")};
        s.screen(QStringLiteral("桌面-我的文档选中"), [d](Canvas& c) { xp::desktop(c, d); });
    }
    folder(QStringLiteral("热点-回收站"), QStringLiteral("回收站"), Icon::RecycleBin,
           QStringLiteral("回收站"), {});
    folder(QStringLiteral("热点-本地磁盘"), QStringLiteral("本地磁盘 (C:)"), Icon::HardDisk,
           QStringLiteral("C:\\"),
           {{Icon::Folder, QStringLiteral("Documents and Settings")},
            {Icon::Folder, QStringLiteral("Program Files")},
            {Icon::Folder, QStringLiteral("WINDOWS")}});
    s.screen(QStringLiteral("热点-控制面板-外观和主题"), [](Canvas& c) {
        controlPanelWindow(
            c, [](Canvas& cc, QPoint at) { controlPanelPage(cc, at, 1); }, QStringLiteral("外观和主题"));
    });
    // The folder "练习" on the desktop selected: the look a click on it loads over its icon (the
    // object picture, its icon cell), and the desktop that keeps it selected afterwards.
    xp::Desk practiceSelected;
    practiceSelected.extra = {{Icon::Folder, QStringLiteral("练习")}};
    practiceSelected.selected = {QStringLiteral("练习")};
    s.screen(QStringLiteral("桌面-练习-选中"),
             [practiceSelected](Canvas& c) { xp::desktop(c, practiceSelected); });
    const QRect cell = xp::deskCell(5);
    s.add(QStringLiteral("热点-练习-选中"), cell.size(), [cell, practiceSelected](Canvas& c) {
        Canvas full(QSize(layout::ScreenW, layout::ScreenH));
        xp::desktop(full, practiceSelected);
        c.p().drawImage(0, 0, full.finish().copy(cell));
    });
}

} // namespace

UnitDef unitHotspots(Scenes& s)
{
    addScenes(s);
    const QString desk = QStringLiteral("桌面");
    const QString myDocs = QStringLiteral("热点-我的文档");
    const QString myPc = QStringLiteral("我的电脑");
    const QString panel = QStringLiteral("控制面板");
    const QString appearance = QStringLiteral("热点-控制面板-外观和主题");
    const QString n0 = QStringLiteral("N0");
    const QString n1 = QStringLiteral("N1");

    StepDef select = clickSpot(QStringLiteral("桌面-练习"), QStringLiteral("S3"), NoChrome,
                               QStringLiteral("S3"), QStringLiteral("单击“练习”文件夹将它选中"));
    select.target = QStringLiteral("图标:练习");
    select.objectLook = QStringLiteral("热点-练习-选中");
    StepDef open = dblClickSpot(QStringLiteral("桌面-练习-选中"), QStringLiteral("S3"), NoChrome,
                                QStringLiteral("S3"), QStringLiteral("双击“练习”文件夹"));
    open.target = QStringLiteral("图标:练习");
    open.objectLook = QStringLiteral("热点-练习-选中");

    // The questions that open the Start menu come last: the menu stays open until the step's reset
    // closes it.
    UnitDef u;
    u.title = QStringLiteral("窗口、图标与「开始」菜单");
    u.questions = {
        {QStringLiteral("在“我的文档”窗口中，利用任务窗格打开“我的电脑”，再单击工具栏上的“向上”按钮。"),
         {clickSpot(myDocs, Plain, Folder, QStringLiteral("36"),
                    QStringLiteral("单击任务窗格“其它位置”中的“我的电脑”")),
          clickSpot(myPc, MyPc, Toolbar, QStringLiteral("13"), QStringLiteral("单击工具栏上的“向上”按钮")),
          done(desk)}},
        {QStringLiteral("在“我的文档”窗口中，单击工具栏上的“文件夹”按钮，再单击“搜索”按钮。"),
         {clickSpot(myDocs, Plain, Folder, QStringLiteral("15"),
                    QStringLiteral("单击工具栏上的“文件夹”按钮")),
          // The folder tree in the task pane's place: the window shows no task pane over it.
          clickSpot(QStringLiteral("热点-我的文档-文件夹"), Plain, Toolbar, QStringLiteral("14"),
                    QStringLiteral("单击工具栏上的“搜索”按钮")),
          done(QStringLiteral("热点-我的文档-搜索"))}},
        {QStringLiteral("利用桌面上的“我的电脑”图标打开“我的电脑”，并选中 C 盘。"),
         {dblClickSpot(desk, Plain, Icons, QStringLiteral("62"),
                       QStringLiteral("双击桌面上的“我的电脑”图标")),
          clickSpot(myPc, MyPc, Toolbar, QStringLiteral("95"), QStringLiteral("单击“本地磁盘 (C:)”")),
          done(QStringLiteral("热点-我的电脑-C盘选中"))}},
        {QStringLiteral("打开“回收站”，然后用工具栏上的“向上”按钮回到桌面。"),
         {dblClickSpot(desk, Plain, Icons, QStringLiteral("64"), QStringLiteral("双击桌面上的“回收站”图标")),
          clickSpot(QStringLiteral("热点-回收站"), Plain, Folder, QStringLiteral("13"),
                    QStringLiteral("单击工具栏上的“向上”按钮")),
          done(desk)}},
        {QStringLiteral("选中桌面上的“我的文档”图标，然后打开它。"),
         {clickSpot(desk, Plain, Icons, QStringLiteral("61"), QStringLiteral("单击桌面上的“我的文档”图标")),
          // The icon shown selected; the desktop's icons box, which draws none selected, is gone.
          doubleClick(QStringLiteral("桌面-我的文档选中"), QStringLiteral("图标:我的文档"),
                      QStringLiteral("双击“我的文档”图标")),
          done(myDocs)}},
        {QStringLiteral("选中桌面上的“练习”文件夹，然后打开它。"), {select, open, done(myDocs)}},
        {QStringLiteral("在“我的文档”窗口中，利用任务窗格打开“控制面板”，进入“外观和主题”，再打开“显示”。"),
         {clickSpot(myDocs, Plain, Folder, QStringLiteral("33"),
                    QStringLiteral("单击任务窗格“其它位置”中的“控制面板”")),
          clickSpot(panel, n0, NoChrome, QStringLiteral("41"), QStringLiteral("单击“外观和主题”")),
          clickSpot(appearance, n1, NoChrome, QStringLiteral("47"), QStringLiteral("单击“显示”图标")),
          done(appearance).over(1, QStringLiteral("显示属性-主题"), dialogs::DialogAt)}},
        {QStringLiteral("通过「开始」菜单打开“控制面板”，再打开“用户帐户”。"),
         {clickSpot(desk, Plain, NoChrome, QStringLiteral("76"),
                    QStringLiteral("单击“开始”按钮，再单击“控制面板”")),
          clickSpot(panel, n0, NoChrome, QStringLiteral("44"), QStringLiteral("单击“用户帐户”")),
          done(QStringLiteral("用户帐户"))}},
        {QStringLiteral("通过「开始」菜单打开“我的电脑”，然后打开 D 盘。"),
         {clickSpot(desk, Plain, NoChrome, QStringLiteral("77"),
                    QStringLiteral("单击“开始”按钮，再单击“我的电脑”")),
          dblClickSpot(myPc, MyPc, Toolbar, QStringLiteral("96"), QStringLiteral("双击“本地磁盘 (D:)”")),
          done(QStringLiteral("热点-本地磁盘"))}},
        {QStringLiteral("通过「开始」菜单打开“我的文档”，再单击工具栏上的“向上”按钮。"),
         {clickSpot(desk, Plain, NoChrome, QStringLiteral("81"),
                    QStringLiteral("单击“开始”按钮，再单击“我的文档”")),
          clickSpot(myDocs, Plain, Folder, QStringLiteral("13"), QStringLiteral("单击工具栏上的“向上”按钮")),
          done(desk)}},
    };
    return u;
}

} // namespace sample
