// Unit 1: the desktop, the task bar and the Start menu.
#include "sample/context_menus.h"
#include "sample/dialogs.h"
#include "sample/flows.h"
#include "sample/model.h"
#include "sample/screens.h"

namespace sample {

using namespace screens;
using dialogs::DialogAt;
using xp::Icon;

namespace {

xp::Desk deskWith(QList<xp::DeskItem> extra, const QString& editing = QString())
{
    xp::Desk d;
    d.extra = std::move(extra);
    d.editing = editing;
    return d;
}

void addScenes(Scenes& s)
{
    const auto desk = [&](const QString& name, const xp::Desk& d) {
        s.screen(name, [d](Canvas& c) { xp::desktop(c, d); });
    };
    desk(QStringLiteral("桌面-新建文件夹"),
         deskWith({{Icon::Folder, QStringLiteral("新建文件夹")}}, QStringLiteral("新建文件夹")));
    desk(QStringLiteral("桌面-练习"), deskWith({{Icon::Folder, QStringLiteral("练习")}}));
    desk(QStringLiteral("桌面-练习-重命名"),
         deskWith({{Icon::Folder, QStringLiteral("练习")}}, QStringLiteral("练习")));
    desk(QStringLiteral("桌面-作业"), deskWith({{Icon::Folder, QStringLiteral("作业")}}));
    desk(QStringLiteral("桌面-旧资料"), deskWith({{Icon::Folder, QStringLiteral("旧资料")}}));
    {
        xp::Desk d;
        d.recycleFull = true;
        desk(QStringLiteral("桌面-回收站满"), d);
    }
    {
        xp::Desk d;
        d.taskbar.autoHide = true;
        desk(QStringLiteral("桌面-任务栏隐藏"), d);
    }
    {
        // Unlocked, then with the Quick Launch bar: the grips stay until the bar is locked again.
        xp::Desk d;
        d.taskbar.locked = false;
        desk(QStringLiteral("桌面-任务栏未锁定"), d);
        d.taskbar.quickLaunch = true;
        desk(QStringLiteral("桌面-快速启动"), d);
    }
    desk(QStringLiteral("桌面-计算器快捷方式"),
         deskWith({{Icon::Calculator, QStringLiteral("计算器"), true}}));
    const QList<xp::DeskItem> three{{Icon::WordDoc, QStringLiteral("工作计划.doc")},
                                    {Icon::TextFile, QStringLiteral("通讯录.txt")},
                                    {Icon::Picture, QStringLiteral("旅游.jpg")}};
    desk(QStringLiteral("桌面-三个文件"), deskWith(three));
    desk(QStringLiteral("桌面-按时间排列"), deskWith({three[2], three[0], three[1]}));
    s.screen(QStringLiteral("开始菜单-记事本"), [](Canvas& c) {
        xp::StartMenu m;
        m.pinned = {QStringLiteral("记事本")};
        startMenuScreen(c, m);
    });

    // The desktop's context menu, drawn, and its "排列图标" cascade.
    const QList<xp::MenuRow> deskMenu{{QStringLiteral("排列图标(I) >")},
                                      {QStringLiteral("刷新(E)")},
                                      {QStringLiteral("-")},
                                      {QStringLiteral("粘贴(P)"), Icon::None, false, true},
                                      {QStringLiteral("粘贴快捷方式(S)"), Icon::None, false, true},
                                      {QStringLiteral("撤消重命名(U)")},
                                      {QStringLiteral("-")},
                                      {QStringLiteral("新建(W) >")},
                                      {QStringLiteral("-")},
                                      {QStringLiteral("属性(R)")}};
    s.menu(QStringLiteral("桌面右键菜单"), deskMenu, -1, 150);
    s.menu(QStringLiteral("桌面右键菜单-排列图标"), deskMenu, 0, 150);
    s.menu(QStringLiteral("排列图标子菜单"), {{QStringLiteral("名称(N)")},
                                              {QStringLiteral("大小(S)")},
                                              {QStringLiteral("类型(T)")},
                                              {QStringLiteral("修改时间(M)")},
                                              {QStringLiteral("-")},
                                              {QStringLiteral("按组排列(G)"), Icon::None, false, true},
                                              {QStringLiteral("自动排列(A)")},
                                              {QStringLiteral("对齐到网格(L)"), Icon::None, true},
                                              {QStringLiteral("-")},
                                              {QStringLiteral("显示桌面图标(D)"), Icon::None, true},
                                              {QStringLiteral("运行桌面清理向导(R)")}});

    dialogs::taskbarProperties(s, QStringLiteral("任务栏属性"), 0, false, false);
    dialogs::taskbarProperties(s, QStringLiteral("任务栏属性-自动隐藏"), 0, true, false);
    dialogs::messageBox(s, QStringLiteral("确认删除文件夹"), QStringLiteral("确认文件夹删除"),
                        Icon::RecycleBin,
                        {QStringLiteral("确实要删除文件夹“旧资料”并将所有内容移入回收站吗？")},
                        {QStringLiteral("是(Y)"), QStringLiteral("否(N)")});
    dialogs::messageBox(s, QStringLiteral("确认清空回收站"), QStringLiteral("确认删除文件夹"),
                        Icon::RecycleBinFull, {QStringLiteral("确实要永久删除“旧资料”吗？")},
                        {QStringLiteral("是(Y)"), QStringLiteral("否(N)")});
    for (const bool direct : {false, true}) {
        s.sheet(
            direct ? QStringLiteral("回收站属性-彻底删除") : QStringLiteral("回收站属性"), QSize(380, 430),
            QStringLiteral("回收站 属性"),
            {QStringLiteral("全局"), QStringLiteral("本地磁盘 (C:)"), QStringLiteral("本地磁盘 (D:)")}, 0,
            [direct](Canvas& c, const QRect& page) {
                xp::radio(c, {page.left() + 8, page.top() + 10}, QStringLiteral("独立配置驱动器(C)"), false);
                xp::radio(c, {page.left() + 8, page.top() + 32},
                          QStringLiteral("所有驱动器均使用同一设置(U)"), true);
                xp::checkBox(c, {page.left() + 8, page.top() + 70},
                             QStringLiteral("删除时不将文件移入回收站，而是彻底删除(R)"), direct);
                xp::slider(c, QRect(page.left() + 20, page.top() + 110, page.width() - 40, 24), 11, 1,
                           QStringLiteral("回收站大小"));
                xp::label(c, QRect(page.left() + 8, page.top() + 146, page.width() - 16, 16),
                          QStringLiteral("回收站的最大空间(驱动器的百分比)：10%"), Qt::AlignCenter);
                xp::checkBox(c, {page.left() + 8, page.top() + 180}, QStringLiteral("显示删除确认对话框(D)"),
                             true);
            },
            direct);
    }
    s.dialog(
        QStringLiteral("运行"), QSize(350, 190), QStringLiteral("运行"), [](Canvas& c, const QRect& client) {
            xp::icon(c.p(), QRectF(client.left() + 12, client.top() + 14, 32, 32), Icon::Run);
            xp::label(
                c, QRect(client.left() + 56, client.top() + 12, client.width() - 64, 36),
                QStringLiteral("请键入程序、文件夹、文档或 Internet 资源的名称，\nWindows 将为您打开它。"),
                Qt::AlignLeft | Qt::AlignTop);
            xp::label(c, QRect(client.left() + 12, client.top() + 64, 50, 20), QStringLiteral("打开(O):"));
            xp::combo(c, QRect(client.left() + 66, client.top() + 64, client.width() - 80, 20), QString(),
                      QStringLiteral("打开"));
            const int y = client.bottom() - 34;
            xp::button(c, QRect(client.right() - 250, y, 75, 23), QStringLiteral("确定"), true);
            xp::button(c, QRect(client.right() - 168, y, 75, 23), QStringLiteral("取消"));
            xp::button(c, QRect(client.right() - 86, y, 75, 23), QStringLiteral("浏览(B)..."));
        });
}

// Where the desktop's drawn context menu opens: at the right click on the bare desktop.
constexpr QPoint DeskMenuAt{360, 200};

} // namespace

UnitDef unitDesktop(Scenes& s)
{
    addScenes(s);
    const QPoint arrangeAt(DeskMenuAt.x() + xp::menuSize({}, 150).width() - 3, DeskMenuAt.y());
    UnitDef u;
    u.title = QStringLiteral("Windows XP 桌面与「开始」菜单");
    u.questions = {
        {QStringLiteral("在桌面上新建一个名为“练习”的文件夹。"),
         {contextPick(QStringLiteral("桌面"), QStringLiteral("桌面:空白"),
                      menuCode(QStringLiteral("桌面"), QStringLiteral("新建(W)/文件夹(F)")),
                      QStringLiteral("在桌面空白处单击鼠标右键，指向“新建”，单击“文件夹”")),
          // A rename: the field over the old name starts empty, so the new name typed straight in
          // is the whole name; Enter takes it.
          typeText(QStringLiteral("0024"), QStringLiteral("桌面-新建文件夹"),
                   QStringLiteral("名称:新建文件夹"), QString(), QStringLiteral("练习")),
          done(QStringLiteral("桌面-练习"))}},
        {QStringLiteral("打开“我的电脑”窗口，然后将它关闭。"),
         {doubleClick(QStringLiteral("桌面"), QStringLiteral("图标:我的电脑"),
                      QStringLiteral("双击桌面上的“我的电脑”图标"))
              .jumpTo(u'3')
              .alsoBy(QStringLiteral("任务栏:开始")),
          click(QStringLiteral("开始菜单"), QStringLiteral("开始:我的电脑"),
                QStringLiteral("单击“我的电脑”")),
          wait(QStringLiteral("我的电脑"), QStringLiteral("正在打开“我的电脑”窗口，请稍候")),
          click(QStringLiteral("我的电脑"), QStringLiteral("窗口:关闭"),
                QStringLiteral("单击窗口右上角的“关闭”按钮")),
          done(QStringLiteral("桌面"))}},
        {QStringLiteral("利用“开始”菜单启动“记事本”程序。"),
         flows::openAccessories() << flows::withAccessoriesOpen(click(QString(),
                                                                      QStringLiteral("菜单:记事本"),
                                                                      QStringLiteral("单击“记事本”")))
                                  << done(QStringLiteral("记事本"))},
        {QStringLiteral("将“附件”中的“记事本”附到「开始」菜单。"),
         flows::openAccessories() << flows::withAccessoriesOpen(contextPick(
                                         QString(), QStringLiteral("菜单:记事本"),
                                         menuCode(QStringLiteral("开始菜单中的程序"),
                                                  QStringLiteral("附到「开始」菜单(U)")),
                                         QStringLiteral("右键单击“记事本”，选择“附到「开始」菜单”")))
                                  << done(QStringLiteral("开始菜单-记事本"))},
        {QStringLiteral("将任务栏设置为“自动隐藏”。"),
         {contextPick(QStringLiteral("桌面"), QStringLiteral("任务栏:空白"),
                      menuCode(QStringLiteral("任务栏"), QStringLiteral("属性(R)")),
                      QStringLiteral("右键单击任务栏的空白处，选择“属性”")),
          click(QStringLiteral("桌面"), QStringLiteral("复选框:自动隐藏任务栏(U)"),
                QStringLiteral("选中“自动隐藏任务栏”"))
              .over(1, QStringLiteral("任务栏属性"), DialogAt),
          click(QStringLiteral("桌面"), QStringLiteral("按钮:确定"), QStringLiteral("单击“确定”"))
              .over(1, QStringLiteral("任务栏属性-自动隐藏"), DialogAt),
          done(QStringLiteral("桌面-任务栏隐藏"))}},
        {QStringLiteral("将桌面上的图标按“修改时间”排列。"),
         {rightClick(QStringLiteral("桌面-三个文件"), QStringLiteral("桌面:空白"),
                     QStringLiteral("在桌面空白处单击鼠标右键")),
          hover(QStringLiteral("桌面-三个文件"), QStringLiteral("菜单:排列图标(I)"),
                QStringLiteral("指向“排列图标”"))
              .over(1, QStringLiteral("桌面右键菜单"), DeskMenuAt),
          click(QStringLiteral("桌面-三个文件"), QStringLiteral("菜单:修改时间(M)"),
                QStringLiteral("单击“修改时间”"))
              .over(1, QStringLiteral("桌面右键菜单-排列图标"), DeskMenuAt)
              .over(2, QStringLiteral("排列图标子菜单"), arrangeAt),
          done(QStringLiteral("桌面-按时间排列"))}},
        {QStringLiteral("取消“锁定任务栏”，然后在任务栏上显示“快速启动”工具栏。"),
         {contextPick(QStringLiteral("桌面"), QStringLiteral("任务栏:空白"),
                      menuCode(QStringLiteral("任务栏"), QStringLiteral("锁定任务栏(L)")),
                      QStringLiteral("右键单击任务栏空白处，单击“锁定任务栏”取消锁定")),
          contextPick(QStringLiteral("桌面-任务栏未锁定"), QStringLiteral("任务栏:空白"),
                      menuCode(QStringLiteral("任务栏"), QStringLiteral("工具栏(T)/快速启动")),
                      QStringLiteral("再次右键单击任务栏空白处，指向“工具栏”，单击“快速启动”")),
          done(QStringLiteral("桌面-快速启动"))}},
        {QStringLiteral("在桌面上创建“计算器”的快捷方式。"),
         flows::openAccessories()
             << flows::withAccessoriesOpen(contextPick(
                    QString(), QStringLiteral("菜单:计算器"),
                    menuCode(QStringLiteral("开始菜单中的程序"), QStringLiteral("发送到(N)/桌面快捷方式")),
                    QStringLiteral("右键单击“计算器”，指向“发送到”，单击“桌面快捷方式”")))
             << done(QStringLiteral("桌面-计算器快捷方式"))},
        {QStringLiteral("将桌面上的“练习”文件夹重命名为“作业”。"),
         {contextPick(QStringLiteral("桌面-练习"), QStringLiteral("图标:练习"),
                      menuCode(QStringLiteral("文件夹"), QStringLiteral("重命名(M)")),
                      QStringLiteral("右键单击“练习”文件夹，选择“重命名”")),
          typeText(QStringLiteral("0024"), QStringLiteral("桌面-练习-重命名"), QStringLiteral("名称:练习"),
                   QString(), QStringLiteral("作业")),
          done(QStringLiteral("桌面-作业"))}},
        {QStringLiteral("删除桌面上的“旧资料”文件夹，然后清空回收站。"),
         {contextPick(QStringLiteral("桌面-旧资料"), QStringLiteral("图标:旧资料"),
                      menuCode(QStringLiteral("文件夹"), QStringLiteral("删除(D)")),
                      QStringLiteral("右键单击“旧资料”文件夹，选择“删除”")),
          click(QStringLiteral("桌面-旧资料"), QStringLiteral("按钮:是(Y)"),
                QStringLiteral("单击“是”确认删除"))
              .over(1, QStringLiteral("确认删除文件夹"), QPoint(150, 200)),
          contextPick(QStringLiteral("桌面-回收站满"), QStringLiteral("图标:回收站"),
                      menuCode(QStringLiteral("回收站图标"), QStringLiteral("清空回收站(B)")),
                      QStringLiteral("右键单击“回收站”，选择“清空回收站”")),
          click(QStringLiteral("桌面-回收站满"), QStringLiteral("按钮:是(Y)"), QStringLiteral("单击“是”"))
              .over(1, QStringLiteral("确认清空回收站"), QPoint(150, 200)),
          done(QStringLiteral("桌面"))}},
        {QStringLiteral("设置回收站：删除时不将文件移入回收站，而是彻底删除。"),
         {contextPick(QStringLiteral("桌面"), QStringLiteral("图标:回收站"),
                      menuCode(QStringLiteral("回收站图标"), QStringLiteral("属性(R)")),
                      QStringLiteral("右键单击“回收站”，选择“属性”")),
          click(QStringLiteral("桌面"), QStringLiteral("复选框:删除时不将文件移入回收站，而是彻底删除(R)"),
                QStringLiteral("选中“删除时不将文件移入回收站，而是彻底删除”"))
              .over(1, QStringLiteral("回收站属性"), DialogAt),
          click(QStringLiteral("桌面"), QStringLiteral("按钮:确定"), QStringLiteral("单击“确定”"))
              .over(1, QStringLiteral("回收站属性-彻底删除"), DialogAt),
          done(QStringLiteral("桌面"))}},
        {QStringLiteral("使用“开始”菜单中的“运行”命令启动“记事本”（notepad）。"),
         {flows::clickStart(),
          click(QStringLiteral("开始菜单"), QStringLiteral("开始:运行(R)..."), QStringLiteral("单击“运行”")),
          typeText(QStringLiteral("0026"), QStringLiteral("桌面"), QStringLiteral("文本框:打开"), QString(),
                   QStringLiteral("notepad|notepad.exe"), QStringLiteral("按钮:确定"))
              .over(1, QStringLiteral("运行"), QPoint(20, 330)),
          done(QStringLiteral("记事本"))}},
    };
    return u;
}

} // namespace sample
