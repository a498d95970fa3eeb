#include "sample/screens.h"

#include "sample/layout.h"

#include <QLinearGradient>

namespace sample::screens {

using xp::Icon;
using xp::MenuRow;

QPoint startMenuAt()
{
    return layout::StartBox.px().topLeft();
}

void startMenuScreen(Canvas& c, const xp::StartMenu& s, const xp::Desk& d)
{
    xp::Desk desk = d;
    desk.taskbar.startPressed = true;
    xp::desktop(c, desk);
    xp::startMenu(c, startMenuAt(), s);
}

QList<MenuRow> allProgramsRows()
{
    return {{QStringLiteral("附件 >"), Icon::Programs},
            {QStringLiteral("游戏 >"), Icon::Games},
            {QStringLiteral("启动 >"), Icon::Programs},
            {QStringLiteral("-")},
            {QStringLiteral("Internet Explorer"), Icon::IE},
            {QStringLiteral("MSN Explorer"), Icon::Messenger},
            {QStringLiteral("Outlook Express"), Icon::Outlook},
            {QStringLiteral("远程协助"), Icon::Help},
            {QStringLiteral("Windows Media Player"), Icon::MediaPlayer},
            {QStringLiteral("Windows Messenger"), Icon::Messenger},
            {QStringLiteral("-")},
            {QStringLiteral("Microsoft Office >"), Icon::Word}};
}

QList<MenuRow> accessoriesRows()
{
    return {{QStringLiteral("系统工具 >"), Icon::Programs},
            {QStringLiteral("辅助工具 >"), Icon::Programs},
            {QStringLiteral("通讯 >"), Icon::Programs},
            {QStringLiteral("娱乐 >"), Icon::Programs},
            {QStringLiteral("Windows 资源管理器"), Icon::FolderOpen},
            {QStringLiteral("画图"), Icon::Paint},
            {QStringLiteral("计算器"), Icon::Calculator},
            {QStringLiteral("记事本"), Icon::Notepad},
            {QStringLiteral("命令提示符"), Icon::Cmd},
            {QStringLiteral("写字板"), Icon::WordPad},
            {QStringLiteral("程序兼容性向导"), Icon::Help},
            {QStringLiteral("漫游 Windows XP"), Icon::Tour}};
}

QList<MenuRow> systemToolsRows()
{
    return {{QStringLiteral("磁盘清理"), Icon::DiskCleanup},
            {QStringLiteral("磁盘碎片整理程序"), Icon::Defrag},
            {QStringLiteral("系统还原"), Icon::SystemRestore},
            {QStringLiteral("系统信息"), Icon::System},
            {QStringLiteral("任务计划"), Icon::DateTime},
            {QStringLiteral("字符映射表"), Icon::Fonts},
            {QStringLiteral("备份"), Icon::Floppy}};
}

QPoint allProgramsAt()
{
    // The cascade ends level with the bottom of "所有程序".
    const QRect button = QRect(7, 408, 174, 24).translated(startMenuAt());
    return {186, button.bottom() + 1 - xp::menuSize(allProgramsRows()).height()};
}

QPoint accessoriesAt()
{
    // "附件" is the first row of All Programs.
    return {allProgramsAt().x() + xp::menuSize(allProgramsRows()).width(), allProgramsAt().y()};
}

QPoint systemToolsAt()
{
    // "系统工具" is the first row of the accessories.
    return {accessoriesAt().x() + xp::menuSize(accessoriesRows()).width(), accessoriesAt().y()};
}

namespace {

// The folder tree of Explorer, its nodes recorded as "树:" & name and their expanders as "树:+" & name.
struct Node {
    int depth;
    Icon icon;
    QString name{};
    int expander; // 0 none, 1 "+", 2 "-"
};

void drawTree(Canvas& c, const QRect& r, const QList<Node>& nodes, const QString& selected)
{
    QPainter& p = c.p();
    p.fillRect(r, Qt::white);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 22), QColor(0xEC, 0xE9, 0xD8));
    xp::text(p, QRect(r.left() + 6, r.top(), 100, 22), QStringLiteral("文件夹"));
    xp::text(p, QRect(r.right() - 20, r.top(), 16, 22), QStringLiteral("×"), Qt::AlignCenter);
    int y = r.top() + 26;
    for (const Node& n : nodes) {
        const int x = r.left() + 8 + n.depth * 19;
        if (n.expander) {
            const QRect box(x, y + 4, 9, 9);
            p.setPen(QPen(QColor(0x7A, 0x99, 0xAC), 1));
            p.setBrush(Qt::white);
            p.drawRect(box);
            p.setPen(Qt::black);
            p.drawLine(box.left() + 2, box.center().y(), box.right() - 2, box.center().y());
            if (n.expander == 1)
                p.drawLine(box.center().x(), box.top() + 2, box.center().x(), box.bottom() - 2);
            c.mark(QStringLiteral("树:+") + n.name, box.adjusted(-3, -3, 3, 3));
        }
        xp::icon(p, QRectF(x + 13, y, 16, 16), n.icon);
        const QRect label(x + 32, y, xp::textWidth(n.name) + 4, 17);
        if (n.name == selected) p.fillRect(label, QColor(0x31, 0x6A, 0xC5));
        xp::text(p, label.adjusted(2, 0, 0, 0), n.name, Qt::AlignLeft | Qt::AlignVCenter,
                 n.name == selected ? Qt::white : Qt::black);
        c.mark(QStringLiteral("树:") + n.name, label);
        y += 19;
    }
}

QList<Node> treeNodes(bool cOpen)
{
    QList<Node> n{{0, Icon::Display, QStringLiteral("桌面"), 2},
                  {1, Icon::MyDocuments, QStringLiteral("我的文档"), 1},
                  {1, Icon::MyComputer, QStringLiteral("我的电脑"), 2},
                  {2, Icon::Floppy, QStringLiteral("3.5 软盘 (A:)"), 0},
                  {2, Icon::HardDisk, QStringLiteral("本地磁盘 (C:)"), cOpen ? 2 : 1}};
    if (cOpen) {
        n += {{3, Icon::Folder, QStringLiteral("Documents and Settings"), 1},
              {3, Icon::Folder, QStringLiteral("Program Files"), 1},
              {3, Icon::Folder, QStringLiteral("WINDOWS"), 1}};
    }
    n += {{2, Icon::HardDisk, QStringLiteral("本地磁盘 (D:)"), 1},
          {2, Icon::HardDisk, QStringLiteral("本地磁盘 (E:)"), 1},
          {2, Icon::CdDrive, QStringLiteral("CD 驱动器 (G:)"), 0},
          {2, Icon::ControlPanel, QStringLiteral("控制面板"), 0},
          {2, Icon::SharedDocs, QStringLiteral("共享文档"), 1},
          {1, Icon::Network, QStringLiteral("网上邻居"), 1},
          {1, Icon::RecycleBin, QStringLiteral("回收站"), 0}};
    return n;
}

} // namespace

void folderTree(Canvas& c, const QRect& r, bool cOpen, const QString& selected)
{
    drawTree(c, r, treeNodes(cOpen), selected);
}

QRect searchCompanion(Canvas& c)
{
    QPainter& p = c.p();
    const QRect pane(0, 112, 250, layout::TaskbarTop - 112);
    c.cover(pane);
    p.fillRect(pane, QColor(0xF4, 0xF3, 0xEE));
    p.fillRect(QRect(pane.right(), pane.top(), 2, pane.height()), QColor(0xC5, 0xC2, 0xB2));
    xp::text(p, QRect(8, 118, 230, 20), QStringLiteral("搜索助理"), Qt::AlignLeft | Qt::AlignVCenter,
             QColor(0x21, 0x5D, 0xC6), 13, true);
    return pane;
}

void searchChoices(Canvas& c, int top)
{
    int y = top;
    xp::text(c.p(), QRect(10, y, 230, 20), QStringLiteral("您要查找什么？"), Qt::AlignLeft | Qt::AlignVCenter,
             Qt::black, 13, true);
    y += 30;
    for (const auto& [ic, t] :
         QList<std::pair<Icon, QString>>{{Icon::Picture, QStringLiteral("图片、音乐或视频")},
                                         {Icon::WordDoc, QStringLiteral("文档(文字处理、电子数据表等)")},
                                         {Icon::Search, QStringLiteral("所有文件和文件夹")},
                                         {Icon::Users, QStringLiteral("计算机或人")},
                                         {Icon::Help, QStringLiteral("帮助和支持中心中的信息")}}) {
        xp::link(c, QPoint(16, y), t, ic);
        y += 26;
    }
}

QRect explorerContent()
{
    return {204, 112, 596, layout::TaskbarTop - 112};
}

void explorer(Canvas& c, const Explorer& e)
{
    QPainter& p = c.p();
    const QRect frame(0, 0, layout::ScreenW, layout::TaskbarTop);
    xp::window(c, xp::Frame{frame, e.title, e.icon, false, false, true});
    // The menu bar where the desktop puts its box, with the titles over their hot-spots.
    const QPoint menuAt = layout::MenuBarAt.px().topLeft();
    const QRect bar(0, 26, layout::ScreenW, 22);
    QList<QRect> boxes;
    for (int i = 1; i <= 6; ++i)
        boxes.append(layout::menuTitle('A', i).px().translated(menuAt - bar.topLeft()));
    xp::menuBar(c, bar,
                {QStringLiteral("文件(F)"), QStringLiteral("编辑(E)"), QStringLiteral("查看(V)"),
                 QStringLiteral("收藏(A)"), QStringLiteral("工具(T)"), QStringLiteral("帮助(H)")},
                boxes);
    p.fillRect(QRect(0, 48, layout::ScreenW, 1), QColor(0xC5, 0xC2, 0xB2));
    xp::toolbar(c, layout::ToolBox.px().topLeft(), e.back);
    xp::addressBar(c, QRect(0, 89, layout::ScreenW, 23), e.address, e.icon);
    const QRect content = explorerContent();
    QLinearGradient g(0, content.top(), 0, content.bottom());
    g.setColorAt(0, QColor(0x7B, 0xA2, 0xE7));
    g.setColorAt(1, QColor(0x63, 0x75, 0xD6));
    p.fillRect(QRect(0, content.top(), content.left(), content.height()), g);
    xp::taskPane(c, layout::TaskPaneBox.px().topLeft(), e.pane);
    p.fillRect(content, Qt::white);
    switch (e.view) {
    case Explorer::View::MyComputer:
        xp::myComputer(c, layout::MyPcBox.px().topLeft(), e.selectedHotSpot);
        break;
    case Explorer::View::Tiles:
        xp::tiles(c, content, e.items, e.selected, e.editing);
        c.mark(QStringLiteral("窗口:空白"), QRect(content.left() + 30, content.top() + 200, 200, 40));
        break;
    case Explorer::View::List:
        xp::list(c, content, e.items, e.selected);
        c.mark(QStringLiteral("窗口:空白"), QRect(content.left() + 30, content.top() + 200, 200, 40));
        break;
    case Explorer::View::Details:
        xp::details(c, content.adjusted(2, 2, 0, 0), e.items, e.selected);
        c.mark(QStringLiteral("窗口:空白"), QRect(content.left() + 30, content.top() + 200, 200, 40));
        break;
    }
    xp::Taskbar t = e.desk.taskbar;
    if (t.tasks.isEmpty()) {
        t.tasks = {e.title};
        t.taskIcons = {e.icon};
        t.active = 0;
    }
    xp::taskbar(c, t);
}

QRect appWindow(Canvas& c, const AppWindow& w, const std::function<void(Canvas&, const QRect&)>& body)
{
    const QRect client = xp::window(c, xp::Frame{w.frame, w.title, w.icon, false, false, w.maximized});
    QRect rest = client;
    if (!w.menus.isEmpty()) {
        const QRect bar(client.left(), client.top(), client.width(), 20);
        QList<QRect> boxes;
        if (w.letter) {
            for (int i = 1; i <= w.menus.size(); ++i)
                boxes.append(layout::menuTitle(w.letter, i).px());
        }
        xp::menuBar(c, bar, w.menus, boxes);
        rest.setTop(bar.bottom() + 1);
    }
    if (body) body(c, rest);
    return rest;
}

QRect notepadFrame()
{
    return {40, 30, 560, 420};
}

void notepad(Canvas& c, const Notepad& n, const xp::Desk& under)
{
    xp::Desk d = under;
    d.taskbar.tasks = {n.document + QStringLiteral(" - 记事本")};
    d.taskbar.taskIcons = {Icon::Notepad};
    d.taskbar.active = 0;
    xp::desktop(c, d);
    appWindow(c,
              AppWindow{notepadFrame(),
                        n.document + QStringLiteral(" - 记事本"),
                        Icon::Notepad,
                        {QStringLiteral("文件(F)"), QStringLiteral("编辑(E)"), QStringLiteral("格式(O)"),
                         QStringLiteral("查看(V)"), QStringLiteral("帮助(H)")},
                        'B'},
              [&](Canvas& cc, const QRect& r) {
                  QPainter& p = cc.p();
                  const QRect area = r.adjusted(1, 1, -1, -1);
                  p.fillRect(area, Qt::white);
                  p.setPen(QColor(0x7F, 0x9D, 0xB9));
                  p.setBrush(Qt::NoBrush);
                  p.drawRect(area.adjusted(0, 0, -1, -1));
                  // The vertical scroll bar.
                  p.fillRect(QRect(area.right() - 16, area.top() + 1, 16, area.height() - 2),
                             QColor(0xF3, 0xF1, 0xEC));
                  const QRect textArea = area.adjusted(4, 3, -20, -3);
                  QFont f = xp::font(n.blackFace ? 16 : 12);
                  if (n.blackFace) f.setWeight(QFont::DemiBold);
                  p.setFont(f);
                  p.setPen(Qt::black);
                  p.drawText(textArea, Qt::AlignLeft | Qt::AlignTop | (n.wrap ? Qt::TextWordWrap : 0),
                             n.content);
                  cc.mark(QStringLiteral("记事本:正文"), textArea);
              });
}

} // namespace sample::screens

namespace sample::screens {

namespace {

void leftPane(Canvas& c, const QRect& r,
              const QList<std::pair<QString, QList<std::pair<int, QString>>>>& groups)
{
    QPainter& p = c.p();
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, QColor(0x7B, 0xA2, 0xE7));
    g.setColorAt(1, QColor(0x63, 0x75, 0xD6));
    p.fillRect(r, g);
    for (const auto& [title, links] : groups) {
        if (links.isEmpty()) continue;
        const int top = links.first().first - 34;
        const int bottom = links.last().first + 26;
        p.fillRect(QRect(r.left() + 10, top, 180, 25), QColor(0xF0, 0xF4, 0xFF));
        xp::text(p, QRect(r.left() + 20, top, 170, 25), title, Qt::AlignLeft | Qt::AlignVCenter,
                 QColor(0x21, 0x5D, 0xC6), 12, true);
        p.fillRect(QRect(r.left() + 10, top + 25, 180, bottom - top - 25), QColor(0xD6, 0xDF, 0xF7));
        for (const auto& [y, text] : links)
            xp::link(c, QPoint(r.left() + 25, y), text, xp::Icon::Help);
    }
}

} // namespace

void controlPanelPage(Canvas& c, QPoint at, int digit)
{
    if (digit == 1) {
        categoryPage(c, at, appearancePage());
        return;
    }
    QPainter& p = c.p();
    const QRect box(at, layout::DialogBox.px().size());
    p.fillRect(box, Qt::white);
    const auto spot = [&](int id) { return layout::dialogItem(0, id).px().translated(at); };
    leftPane(c, QRect(at.x(), at.y(), 200, box.height()),
             {{QStringLiteral("控制面板"), {{spot(51).top(), QStringLiteral("切换到经典视图")}}},
              {QStringLiteral("另请参见"),
               {{spot(52).top(), QStringLiteral("Windows Update")},
                {spot(53).top(), QStringLiteral("帮助和支持")},
                {spot(54).top(), QStringLiteral("其他控制面板选项")}}}});
    xp::text(p, QRect(at.x() + 224, at.y() + 14, 400, 28), QStringLiteral("选择一个类别"),
             Qt::AlignLeft | Qt::AlignVCenter, QColor(0x00, 0x33, 0x99), 20, true);
    const QList<std::pair<xp::Icon, QString>> items{
        {xp::Icon::Display, QStringLiteral("外观和主题")},
        {xp::Icon::Printer, QStringLiteral("打印机和其它硬件")},
        {xp::Icon::NetConnections, QStringLiteral("网络和 Internet 连接")},
        {xp::Icon::Users, QStringLiteral("用户帐户")},
        {xp::Icon::AddRemove, QStringLiteral("添加/删除程序")},
        {xp::Icon::DateTime, QStringLiteral("日期、时间、语言和区域设置")},
        {xp::Icon::Sound, QStringLiteral("声音、语音和音频设备")},
        {xp::Icon::Accessibility, QStringLiteral("辅助功能选项")},
        {xp::Icon::System, QStringLiteral("性能和维护")},
        {xp::Icon::Security, QStringLiteral("安全中心")}};
    for (int i = 0; i < items.size(); ++i) {
        const QRect r = spot(41 + i);
        xp::icon(p, QRectF(r.left() + 2, r.center().y() - 16, 32, 32), items[i].first);
        xp::text(p, r.adjusted(40, 0, 0, 0), items[i].second, Qt::AlignLeft | Qt::AlignVCenter,
                 QColor(0x21, 0x5D, 0xC6), 13);
        c.mark(QStringLiteral("链接:") + items[i].second, r);
    }
}

CategoryPage appearancePage()
{
    return {QStringLiteral("外观和主题"),
            xp::Icon::Display,
            {{xp::Icon::Display, QStringLiteral("更改计算机的主题")},
             {xp::Icon::Picture, QStringLiteral("更改桌面背景")},
             {xp::Icon::Display, QStringLiteral("选择一个屏幕保护程序")},
             {xp::Icon::Display, QStringLiteral("更改屏幕分辨率")}},
            {{xp::Icon::TaskbarIcon, QStringLiteral("任务栏和「开始」菜单")},
             {xp::Icon::FolderOptions, QStringLiteral("文件夹选项")},
             {xp::Icon::Display, QStringLiteral("显示")}},
            {QStringLiteral("字体"), QStringLiteral("鼠标指针"), QStringLiteral("高对比度"),
             QStringLiteral("用户帐户图片")},
            {QStringLiteral("显示"), QStringLiteral("声音")}};
}

void categoryPage(Canvas& c, QPoint at, const CategoryPage& pg)
{
    QPainter& p = c.p();
    const QRect box(at, layout::DialogBox.px().size());
    p.fillRect(box, Qt::white);
    const auto spot = [&](int id) { return layout::dialogItem(1, id).px().translated(at); };
    QList<std::pair<int, QString>> seeAlso;
    for (int i = 0; i < pg.seeAlso.size() && i < 4; ++i)
        seeAlso.append({spot(51 + i).top(), pg.seeAlso[i]});
    QList<std::pair<int, QString>> trouble;
    for (int i = 0; i < pg.troubleshooters.size() && i < 2; ++i)
        trouble.append({spot(55 + i).top(), pg.troubleshooters[i]});
    leftPane(c, QRect(at.x(), at.y(), 200, box.height()),
             {{QStringLiteral("另请参见"), seeAlso}, {QStringLiteral("疑难解答"), trouble}});
    xp::icon(p, QRectF(at.x() + 223, at.y() + 8, 32, 32), pg.icon);
    xp::text(p, QRect(at.x() + 262, at.y() + 10, 400, 28), pg.title, Qt::AlignLeft | Qt::AlignVCenter,
             QColor(0x00, 0x33, 0x99), 20, true);
    xp::text(p, QRect(at.x() + 223, at.y() + 66, 300, 20), QStringLiteral("选择一个任务..."),
             Qt::AlignLeft | Qt::AlignVCenter, QColor(0x00, 0x33, 0x99), 14, true);
    for (int i = 0; i < pg.tasks.size() && i < 4; ++i) {
        const QRect r = spot(41 + i);
        xp::icon(p, QRectF(r.left() + 2, r.center().y() - 8, 16, 16), pg.tasks[i].first);
        xp::text(p, r.adjusted(24, 0, 0, 0), pg.tasks[i].second, Qt::AlignLeft | Qt::AlignVCenter,
                 QColor(0x21, 0x5D, 0xC6));
        c.mark(QStringLiteral("链接:") + pg.tasks[i].second, r);
    }
    xp::text(p, QRect(at.x() + 223, at.y() + 240, 300, 20), QStringLiteral("或选择一个控制面板图标"),
             Qt::AlignLeft | Qt::AlignVCenter, QColor(0x00, 0x33, 0x99), 14, true);
    for (int i = 0; i < pg.icons.size() && i < 3; ++i) {
        const QRect r = spot(45 + i);
        xp::icon(p, QRectF(r.left() + 2, r.center().y() - 16, 32, 32), pg.icons[i].first);
        xp::text(p, r.adjusted(40, 0, 0, 0), pg.icons[i].second, Qt::AlignLeft | Qt::AlignVCenter,
                 QColor(0x21, 0x5D, 0xC6));
        c.mark(QStringLiteral("链接:") + pg.icons[i].second, r);
    }
}

void controlPanelWindow(Canvas& c, const std::function<void(Canvas&, QPoint)>& page, const QString& address)
{
    Explorer e{QStringLiteral("控制面板"), xp::Icon::ControlPanel, address, 1};
    explorer(c, e);
    page(c, layout::DialogBox.px().topLeft());
}

QList<xp::FileItem> classicControlPanelItems()
{
    using xp::Icon;
    return {{Icon::IE, QStringLiteral("Internet 选项")},
            {Icon::Security, QStringLiteral("安全中心")},
            {Icon::DateTime, QStringLiteral("日期和时间")},
            {Icon::Power, QStringLiteral("电源选项")},
            {Icon::Sound, QStringLiteral("声音和音频设备")},
            {Icon::Printer, QStringLiteral("打印机和传真")},
            {Icon::Region, QStringLiteral("区域和语言选项")},
            {Icon::Accessibility, QStringLiteral("辅助功能选项")},
            {Icon::TaskbarIcon, QStringLiteral("任务栏和「开始」菜单")},
            {Icon::Keyboard, QStringLiteral("键盘")},
            {Icon::AddRemove, QStringLiteral("添加或删除程序")},
            {Icon::Fonts, QStringLiteral("字体")},
            {Icon::Mouse, QStringLiteral("鼠标")},
            {Icon::FolderOptions, QStringLiteral("文件夹选项")},
            {Icon::NetConnections, QStringLiteral("网络连接")},
            {Icon::Users, QStringLiteral("用户帐户")},
            {Icon::Display, QStringLiteral("显示")},
            {Icon::System, QStringLiteral("系统")}};
}

void classicControlPanel(Canvas& c)
{
    Explorer e{QStringLiteral("控制面板"), xp::Icon::ControlPanel, QStringLiteral("控制面板"), 1};
    e.items = classicControlPanelItems();
    explorer(c, e);
}

} // namespace sample::screens
