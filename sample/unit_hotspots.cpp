// Unit 5: windows, icons and the Start menu through the desktop's hot-spots: toolbar buttons,
// task-pane links, Control Panel items, Start-menu items, desktop icons, the My Computer window and
// an object picture. The pictures under the hot-spots are the desktop's own (examdata); the steps
// name the hot-spot a click must reach in their target slots.
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
    folder(QStringLiteral("热点-我的文档"), QStringLiteral("我的文档"), Icon::MyDocuments,
           QStringLiteral("我的文档"),
           {{Icon::Folder, QStringLiteral("我的音乐")},
            {Icon::Folder, QStringLiteral("我的图片")},
            {Icon::TextFile, QStringLiteral("备忘录.txt")}});
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
    // The selected look of the folder "练习" on the desktop: its icon cell, drawn selected.
    const QRect cell = xp::deskCell(5);
    s.add(QStringLiteral("热点-练习-选中"), cell.size(), [cell](Canvas& c) {
        Canvas full(QSize(layout::ScreenW, layout::ScreenH));
        xp::Desk d;
        d.extra = {{Icon::Folder, QStringLiteral("练习")}};
        d.selected = {QStringLiteral("练习")};
        xp::desktop(full, d);
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
    StepDef open = dblClickSpot(QStringLiteral("桌面-练习"), QStringLiteral("S3"), NoChrome,
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
          clickSpot(myDocs, Plain, Folder, QStringLiteral("14"), QStringLiteral("单击工具栏上的“搜索”按钮")),
          done(myDocs)}},
        {QStringLiteral("利用桌面上的“我的电脑”图标打开“我的电脑”，并选中 C 盘。"),
         {dblClickSpot(desk, Plain, Icons, QStringLiteral("62"),
                       QStringLiteral("双击桌面上的“我的电脑”图标")),
          clickSpot(myPc, MyPc, Toolbar, QStringLiteral("95"), QStringLiteral("单击“本地磁盘 (C:)”")),
          done(myPc)}},
        {QStringLiteral("打开“回收站”，然后用工具栏上的“向上”按钮回到桌面。"),
         {dblClickSpot(desk, Plain, Icons, QStringLiteral("64"), QStringLiteral("双击桌面上的“回收站”图标")),
          clickSpot(QStringLiteral("热点-回收站"), Plain, Folder, QStringLiteral("13"),
                    QStringLiteral("单击工具栏上的“向上”按钮")),
          done(desk)}},
        {QStringLiteral("选中桌面上的“我的文档”图标，然后打开它。"),
         {clickSpot(desk, Plain, Icons, QStringLiteral("61"), QStringLiteral("单击桌面上的“我的文档”图标")),
          dblClickSpot(desk, Plain, Icons, QStringLiteral("61"), QStringLiteral("双击“我的文档”图标")),
          done(myDocs)}},
        {QStringLiteral("选中桌面上的“练习”文件夹，然后打开它。"), {select, open, done(myDocs)}},
        {QStringLiteral("在“我的文档”窗口中，利用任务窗格打开“控制面板”，进入“外观和主题”，再打开“显示”。"),
         {clickSpot(myDocs, Plain, Folder, QStringLiteral("33"),
                    QStringLiteral("单击任务窗格“其它位置”中的“控制面板”")),
          clickSpot(panel, n0, NoChrome, QStringLiteral("41"), QStringLiteral("单击“外观和主题”")),
          clickSpot(appearance, n1, NoChrome, QStringLiteral("47"), QStringLiteral("单击“显示”图标")),
          done(appearance)}},
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
