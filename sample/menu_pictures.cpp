#include "sample/menu_pictures.h"

#include <algorithm>

#include "sample/canvas.h"
#include "sample/layout.h"
#include "sample/xp.h"
#include "steps/menu_tables.h"

namespace sample {
namespace {

const QColor MenuBlue(0x31, 0x6A, 0xC5);
const QColor Border(0x8A, 0x86, 0x7A);
const QColor Separator(0xAC, 0xA8, 0x99);

QString cascade(const QString& row)
{
    return row + QStringLiteral(" >");
}

// The rows the desktop lays over a drop-down, in design twips at scale 1 (element 0 unused).
QList<menus::Box> rowBoxes(const QString& id, int count)
{
    QList<menus::Box> out{menus::Parked};
    if (id.startsWith(QStringLiteral("SS0"))) {
        const auto rows = menus::thirdLevelRows(1, 1);
        for (int i = 1; i <= count && i <= menus::MaxRows3; ++i)
            out.append(rows[size_t(i)]);
    } else {
        const auto rows = id.size() == 4 ? menus::secondLevelRows(id, 1, 1) : menus::firstLevelRows(id, 1, 1);
        for (int i = 1; i <= count && i <= menus::MaxRows1; ++i)
            out.append(rows[size_t(i)]);
    }
    return out;
}

QRect px(const menus::Box& b)
{
    const int t = layout::TwipsPerPixel;
    return {int(b.left) / t, int(b.top) / t, int(b.width) / t, int(b.height) / t};
}

// The panel of a drop-down with row `hot` highlighted (0: none), as large as its rows and their margins.
QImage drawPanel(const DropDownDef& d, const QList<menus::Box>& boxes, int hot)
{
    double right = 0, bottom = 0, left = 1e9, top = 1e9;
    for (int i = 1; i < boxes.size(); ++i) {
        right = std::max(right, boxes[i].left + boxes[i].width);
        bottom = std::max(bottom, boxes[i].top + boxes[i].height);
        left = std::min(left, boxes[i].left);
        top = std::min(top, boxes[i].top);
    }
    const int t = layout::TwipsPerPixel;
    const QSize size(int(right + left) / t, int(bottom + std::max(top, 30.0)) / t);
    Canvas c(size, Qt::white);
    QPainter& p = c.p();
    p.setPen(QPen(Border, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(c.rect().adjusted(0, 0, -1, -1));

    const auto captionOf = [&](int i) {
        QString caption = d.rows.value(i - 1);
        if (caption.endsWith(QStringLiteral(" >"))) caption.chop(2);
        return caption;
    };
    // The captions stand in one column: when one of them is wider than its narrow row, the whole
    // panel gives up the space of the check-mark column.
    int indent = 24;
    for (int i = 1; i < boxes.size(); ++i)
        if (xp::textWidth(captionOf(i)) > px(boxes[i]).width() - 40) indent = 6;
    // A separator lies in every gap wider than the rows' own pitch.
    QList<int> order;
    for (int i = 1; i < boxes.size(); ++i)
        order.append(i);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return boxes[a].top < boxes[b].top; });
    double pitch = 1e9;
    for (int k = 1; k < order.size(); ++k)
        pitch = std::min(pitch, boxes[order[k]].top - boxes[order[k - 1]].top);
    for (int k = 1; k < order.size(); ++k) {
        const menus::Box& above = boxes[order[k - 1]];
        const menus::Box& below = boxes[order[k]];
        if (below.top - above.top <= pitch) continue;
        const int y = int((above.top + pitch + below.top) / 2) / t;
        p.setPen(QPen(Separator, 1));
        p.drawLine(px(below).left() + indent, y, px(below).right() - 2, y);
    }

    for (int i = 1; i < boxes.size(); ++i) {
        const QRect r = px(boxes[i]);
        const QString caption = captionOf(i);
        const bool opens = d.rows.value(i - 1).endsWith(QStringLiteral(" >"));
        const QColor fg = i == hot ? QColor(Qt::white) : QColor(Qt::black);
        if (i == hot) p.fillRect(r, MenuBlue);
        xp::text(p, r.adjusted(indent, 0, -16, 0), caption, Qt::AlignLeft | Qt::AlignVCenter, fg);
        if (opens)
            xp::text(p, r.adjusted(0, 0, -4, 0), QStringLiteral("▶"), Qt::AlignRight | Qt::AlignVCenter, fg,
                     8);
        c.mark(QStringLiteral("菜单:") + caption, r);
    }
    return c.finish();
}

PictureFile file(const QString& name, const QImage& image)
{
    return PictureFile{name + QStringLiteral(".rar"), encodePicture(image)};
}

} // namespace

const QList<DropDownDef>& dropDowns()
{
    // Rows by number, row 1 first (All Programs and its Accessories are drawn upwards and downwards
    // as the desktop lays them).
    static const QList<DropDownDef> defs{
        {QStringLiteral("A1"),
         {QStringLiteral("打开(O)"), QStringLiteral("资源管理器(X)"), QStringLiteral("搜索(E)..."),
          cascade(QStringLiteral("打开方式(H)")), QStringLiteral("创建快捷方式(S)"),
          QStringLiteral("删除(D)"), QStringLiteral("重命名(M)"), QStringLiteral("属性(R)"),
          QStringLiteral("共享和安全(H)..."), cascade(QStringLiteral("发送到(N)")),
          cascade(QStringLiteral("新建(W)")), cascade(QStringLiteral("压缩(Z)")), QStringLiteral("剪切(T)"),
          QStringLiteral("复制(C)"), QStringLiteral("粘贴(P)"), QStringLiteral("粘贴快捷方式(S)"),
          QStringLiteral("关闭(C)")}},
        {QStringLiteral("A2"),
         {QStringLiteral("撤消(U)"), QStringLiteral("剪切(T)"), QStringLiteral("复制(C)"),
          QStringLiteral("粘贴(P)"), QStringLiteral("粘贴快捷方式(S)"), QStringLiteral("复制到文件夹(F)..."),
          QStringLiteral("移动到文件夹(V)..."), QStringLiteral("全部选定(A)"),
          QStringLiteral("反向选择(I)")}},
        {QStringLiteral("A3"),
         {cascade(QStringLiteral("工具栏(T)")), QStringLiteral("状态栏(B)"),
          cascade(QStringLiteral("浏览器栏(E)")), QStringLiteral("缩略图(H)"), QStringLiteral("平铺(S)"),
          QStringLiteral("图标(N)"), QStringLiteral("列表(L)"), QStringLiteral("详细信息(D)"),
          cascade(QStringLiteral("排列图标(I)")), QStringLiteral("选择详细信息(C)..."),
          QStringLiteral("自定义文件夹(F)..."), cascade(QStringLiteral("转到(O)")),
          QStringLiteral("刷新(R)")}},
        {QStringLiteral("A4"),
         {QStringLiteral("添加到收藏夹(A)..."), QStringLiteral("整理收藏夹(O)..."),
          cascade(QStringLiteral("链接")), QStringLiteral("MSN.com"), QStringLiteral("电台指南"),
          QStringLiteral("Windows Media"), QStringLiteral("新闻"), QStringLiteral("地图")}},
        {QStringLiteral("A5"),
         {QStringLiteral("映射网络驱动器(N)..."), QStringLiteral("断开网络驱动器(D)..."),
          QStringLiteral("同步(S)..."), QStringLiteral("文件夹选项(O)...")}},
        {QStringLiteral("A6"),
         {QStringLiteral("Windows 是正版吗?(L)"), QStringLiteral("帮助和支持中心(H)"),
          QStringLiteral("关于 Windows(A)")}},
        {QStringLiteral("A110"),
         {QStringLiteral("压缩(zipped)文件夹"), QStringLiteral("桌面快捷方式"), QStringLiteral("邮件接收者"),
          QStringLiteral("我的文档"), QStringLiteral("3.5 软盘 (A:)"), QStringLiteral("本地磁盘 (D:)")}},
        {QStringLiteral("A111"),
         {QStringLiteral("文件夹(F)"), QStringLiteral("快捷方式(S)"), QStringLiteral("公文包"),
          QStringLiteral("位图图像"), QStringLiteral("Microsoft Word 文档"),
          QStringLiteral("Microsoft PowerPoint 演示文稿"), QStringLiteral("Microsoft Excel 工作表"),
          QStringLiteral("文本文档"), QStringLiteral("波形声音"), QStringLiteral("压缩(zipped)文件夹"),
          QStringLiteral("WinRAR 压缩文件"), QStringLiteral("RTF 文档"),
          QStringLiteral("Microsoft Access 应用程序")}},
        {QStringLiteral("A112"), {QStringLiteral("压缩到此处")}},
        {QStringLiteral("A301"),
         {QStringLiteral("标准按钮"), QStringLiteral("地址栏"), QStringLiteral("链接"),
          QStringLiteral("锁定工具栏(K)"), QStringLiteral("自定义(C)...")}},
        {QStringLiteral("A309"),
         {QStringLiteral("名称(N)"), QStringLiteral("大小(S)"), QStringLiteral("类型(T)"),
          QStringLiteral("修改时间(M)"), QStringLiteral("按组排列(G)"), QStringLiteral("自动排列(A)"),
          QStringLiteral("对齐到网格(L)")}},
        {QStringLiteral("A312"),
         {QStringLiteral("后退(B)"), QStringLiteral("前进(F)"), QStringLiteral("向上一级(U)"),
          QStringLiteral("主页(H)"), QStringLiteral("我的电脑"), QStringLiteral("我的文档"),
          QStringLiteral("网上邻居"), QStringLiteral("控制面板"), QStringLiteral("回收站"),
          QStringLiteral("我的图片")}},
        {QStringLiteral("A403"),
         {QStringLiteral("免费的 Hotmail"), QStringLiteral("自定义链接"), QStringLiteral("Windows"),
          QStringLiteral("Windows Media")}},
        {QStringLiteral("8401"),
         {QStringLiteral("纸牌"), QStringLiteral("蜘蛛纸牌"), QStringLiteral("空当接龙"),
          QStringLiteral("扫雷"), QStringLiteral("红心大战"), QStringLiteral("弹球"),
          QStringLiteral("Internet 黑白棋"), QStringLiteral("Internet 跳棋"),
          QStringLiteral("Internet 双陆棋"), QStringLiteral("Internet 黑桃王"),
          QStringLiteral("Internet 红心大战"), QStringLiteral("国际象棋"), QStringLiteral("麻将"),
          QStringLiteral("五子棋"), QStringLiteral("中国象棋")}},
        {QStringLiteral("8408"),
         {QStringLiteral("组件服务"), QStringLiteral("计算机管理"), QStringLiteral("数据源 (ODBC)"),
          QStringLiteral("事件查看器"), QStringLiteral("本地安全策略"), QStringLiteral("性能"),
          QStringLiteral("服务"), QStringLiteral("Internet 信息服务"), QStringLiteral("远程桌面"),
          QStringLiteral("终端服务配置"), QStringLiteral("授权"), QStringLiteral("路由和远程访问"),
          QStringLiteral("分布式文件系统"), QStringLiteral("磁盘管理"), QStringLiteral("设备管理器")}},
        {QStringLiteral("8409"),
         {QStringLiteral("Microsoft Office Word"), QStringLiteral("Microsoft Office Excel"),
          QStringLiteral("Microsoft Office PowerPoint"), QStringLiteral("Microsoft Office Access"),
          QStringLiteral("Microsoft Office Outlook"), QStringLiteral("Microsoft Office Publisher"),
          QStringLiteral("Microsoft Office InfoPath"), QStringLiteral("Microsoft Office OneNote"),
          QStringLiteral("Microsoft Office Visio"), QStringLiteral("Microsoft Office Project"),
          QStringLiteral("Microsoft Office 工具"), QStringLiteral("Microsoft Office 图片管理器"),
          QStringLiteral("Microsoft Office 剪辑管理器"), QStringLiteral("Microsoft Office 语言设置"),
          QStringLiteral("Microsoft Office 诊断")}},
        {QStringLiteral("A104"),
         {QStringLiteral("记事本"), QStringLiteral("写字板"), QStringLiteral("画图"),
          QStringLiteral("Internet Explorer"), QStringLiteral("Windows 图片和传真查看器"),
          QStringLiteral("选择程序(C)...")}},
        // The bare desktop's menu, its Arrange Icons By sub-menu (its New sub-menu is A111's).
        {QStringLiteral("69"),
         {cascade(QStringLiteral("排列图标(I)")), QStringLiteral("刷新(E)"), QStringLiteral("粘贴(P)"),
          QStringLiteral("粘贴快捷方式(S)"), QStringLiteral("撤消删除(U)"),
          cascade(QStringLiteral("新建(W)")), QStringLiteral("属性(R)")}},
        {QStringLiteral("6901"),
         {QStringLiteral("名称(N)"), QStringLiteral("大小(S)"), QStringLiteral("类型(T)"),
          QStringLiteral("修改时间(M)"), QStringLiteral("按组排列(G)"), QStringLiteral("自动排列(A)"),
          QStringLiteral("对齐到网格(L)"), QStringLiteral("显示桌面图标(D)"),
          QStringLiteral("在桌面上锁定 Web 项目(I)"), QStringLiteral("运行桌面清理向导(R)")}},
        // The object menus a right click opens: the desktop icons (My Network Places shows My
        // Computer's), the bare toolbar, the Start button, My Computer's bare window (rows 1-7 look as
        // the desktop's, row 8 on top opens the Views menu), its drives and folders, the object
        // pictures. Rows open sub-menus exactly where the desktop opens them.
        {QStringLiteral("61"),
         {QStringLiteral("打开(O)"), QStringLiteral("资源管理器(X)"), QStringLiteral("搜索(E)..."),
          QStringLiteral("共享和安全(H)..."), QStringLiteral("复制(C)"), QStringLiteral("创建快捷方式(S)"),
          QStringLiteral("重命名(M)"), QStringLiteral("属性(R)")}},
        {QStringLiteral("62"),
         {QStringLiteral("打开(O)"), QStringLiteral("资源管理器(X)"), QStringLiteral("搜索(E)..."),
          QStringLiteral("管理(G)"), QStringLiteral("映射网络驱动器(N)..."),
          QStringLiteral("断开网络驱动器(I)..."), QStringLiteral("创建快捷方式(S)"),
          QStringLiteral("删除(D)"), QStringLiteral("重命名(M)"), QStringLiteral("属性(R)")}},
        {QStringLiteral("64"),
         {QStringLiteral("打开(O)"), QStringLiteral("资源管理器(X)"), QStringLiteral("清空回收站(B)"),
          QStringLiteral("创建快捷方式(S)"), QStringLiteral("属性(R)")}},
        {QStringLiteral("65"),
         {QStringLiteral("打开主页(H)"), QStringLiteral("创建快捷方式(S)"), QStringLiteral("删除(D)"),
          QStringLiteral("重命名(M)"), QStringLiteral("属性(R)")}},
        {QStringLiteral("25"),
         {QStringLiteral("标准按钮"), QStringLiteral("地址栏"), QStringLiteral("链接"),
          QStringLiteral("锁定工具栏(K)"), QStringLiteral("自定义(C)...")}},
        {QStringLiteral("70"),
         {QStringLiteral("打开(O)"), QStringLiteral("资源管理器(X)"), QStringLiteral("搜索(E)..."),
          QStringLiteral("打开所有用户(P)"), QStringLiteral("浏览所有用户(E)"),
          QStringLiteral("锁定任务栏(L)"), QStringLiteral("属性(R)")}},
        {QStringLiteral("23"),
         {QStringLiteral("缩略图(H)"), QStringLiteral("平铺(S)"), QStringLiteral("图标(N)"),
          QStringLiteral("列表(L)"), QStringLiteral("详细信息(D)")}},
        {QStringLiteral("Z3"),
         {cascade(QStringLiteral("排列图标(I)")), QStringLiteral("刷新(E)"), QStringLiteral("粘贴(P)"),
          QStringLiteral("粘贴快捷方式(S)"), QStringLiteral("撤消删除(U)"),
          cascade(QStringLiteral("新建(W)")), QStringLiteral("属性(R)"), cascade(QStringLiteral("查看(V)"))}},
        {QStringLiteral("95"),
         {QStringLiteral("打开(O)"), QStringLiteral("资源管理器(X)"), QStringLiteral("搜索(E)..."),
          QStringLiteral("自动播放(Y)"), QStringLiteral("共享和安全(H)..."), QStringLiteral("格式化(A)..."),
          QStringLiteral("复制(C)"), QStringLiteral("创建快捷方式(S)"), QStringLiteral("重命名(M)"),
          QStringLiteral("属性(R)")}},
        {QStringLiteral("S2"),
         {QStringLiteral("打开(O)"), QStringLiteral("资源管理器(X)"), QStringLiteral("搜索(E)..."),
          QStringLiteral("共享和安全(H)..."), QStringLiteral("压缩到此处"),
          cascade(QStringLiteral("发送到(N)")), QStringLiteral("剪切(T)"), QStringLiteral("复制(C)"),
          QStringLiteral("粘贴(P)"), QStringLiteral("创建快捷方式(S)"), QStringLiteral("删除(D)"),
          QStringLiteral("重命名(M)"), QStringLiteral("属性(R)")}},
        {QStringLiteral("S1"),
         {QStringLiteral("打开(O)"), QStringLiteral("编辑(E)"), QStringLiteral("新建(N)"),
          QStringLiteral("打印(P)"), cascade(QStringLiteral("打开方式(H)")), QStringLiteral("压缩到此处"),
          cascade(QStringLiteral("发送到(N)")), QStringLiteral("剪切(T)"), QStringLiteral("复制(C)"),
          QStringLiteral("创建快捷方式(S)"), QStringLiteral("删除(D)"), QStringLiteral("重命名(M)"),
          QStringLiteral("属性(R)")}},
        {QStringLiteral("S3"),
         {QStringLiteral("打开(O)"), QStringLiteral("资源管理器(X)"), QStringLiteral("属性(R)")}},
        // Notepad's menus.
        {QStringLiteral("B1"),
         {QStringLiteral("新建(N)"), QStringLiteral("打开(O)..."), QStringLiteral("保存(S)"),
          QStringLiteral("另存为(A)..."), QStringLiteral("页面设置(U)..."), QStringLiteral("打印(P)..."),
          QStringLiteral("退出(X)")}},
        {QStringLiteral("B2"),
         {QStringLiteral("撤消(U)"), QStringLiteral("剪切(T)"), QStringLiteral("复制(C)"),
          QStringLiteral("粘贴(P)"), QStringLiteral("删除(L)"), QStringLiteral("查找(F)..."),
          QStringLiteral("查找下一个(N)"), QStringLiteral("替换(R)..."), QStringLiteral("转到(G)..."),
          QStringLiteral("全选(A)"), QStringLiteral("时间/日期(D)")}},
        {QStringLiteral("B3"), {QStringLiteral("自动换行(W)"), QStringLiteral("字体(F)...")}},
        {QStringLiteral("B4"), {QStringLiteral("状态栏(S)")}},
        {QStringLiteral("B5"), {QStringLiteral("帮助主题(H)"), QStringLiteral("关于记事本(A)")}},
        // Sound Recorder's menus (window E).
        {QStringLiteral("E1"),
         {QStringLiteral("新建(N)"), QStringLiteral("打开(O)..."), QStringLiteral("保存(S)"),
          QStringLiteral("另存为(A)"), QStringLiteral("恢复(R)"), QStringLiteral("属性(I)"),
          QStringLiteral("退出(X)")}},
        {QStringLiteral("E2"),
         {QStringLiteral("复制(C)"), QStringLiteral("粘贴插入(P)"), QStringLiteral("粘贴混入(M)"),
          QStringLiteral("插入文件(I)..."), QStringLiteral("与文件混音(M)..."),
          QStringLiteral("删除当前位置以前的内容(B)"), QStringLiteral("删除当前位置以后的内容(A)"),
          QStringLiteral("音频属性(E)")}},
        {QStringLiteral("E3"),
         {QStringLiteral("加大音量(按 25%)(I)"), QStringLiteral("降低音量(D)"),
          QStringLiteral("加速(按 100%)(N)"), QStringLiteral("减速(S)"), QStringLiteral("添加回音(A)"),
          QStringLiteral("反转(R)")}},
        {QStringLiteral("E4"), {QStringLiteral("帮助主题(H)"), QStringLiteral("关于录音机(A)")}},
        // The Start menu's My Recent Documents.
        {QStringLiteral("80"),
         {QStringLiteral("备忘录.txt"), QStringLiteral("课程表.doc"), QStringLiteral("成绩.xls"),
          QStringLiteral("风景.jpg"), QStringLiteral("通知.txt"), QStringLiteral("会议记录.doc"),
          QStringLiteral("练习.bmp")}},
        {QStringLiteral("A303"),
         {QStringLiteral("搜索(S)"), QStringLiteral("收藏夹(A)"), QStringLiteral("媒体(M)"),
          QStringLiteral("历史记录(H)"), QStringLiteral("文件夹(O)"), QStringLiteral("每日提示(T)"),
          QStringLiteral("讨论(D)")}},
        {QStringLiteral("84"),
         {cascade(QStringLiteral("游戏")), QStringLiteral("Windows Media Player"),
          QStringLiteral("Windows Messenger"), QStringLiteral("Outlook Express"),
          QStringLiteral("Internet Explorer"), QStringLiteral("远程协助"), QStringLiteral("启动"),
          cascade(QStringLiteral("管理工具")), cascade(QStringLiteral("Microsoft Office")),
          cascade(QStringLiteral("附件")), QStringLiteral("设定程序访问和默认值"),
          QStringLiteral("Windows Update"), QStringLiteral("Windows Catalog"),
          QStringLiteral("Windows 目录服务"), QStringLiteral("WinRAR")}},
        {QStringLiteral("8410"),
         {cascade(QStringLiteral("辅助工具")), cascade(QStringLiteral("系统工具")),
          cascade(QStringLiteral("通讯")), cascade(QStringLiteral("娱乐")),
          QStringLiteral("Windows 资源管理器"), QStringLiteral("画图"), QStringLiteral("计算器"),
          QStringLiteral("记事本"), QStringLiteral("命令提示符"), QStringLiteral("写字板"),
          QStringLiteral("通讯簿"), QStringLiteral("同步"), QStringLiteral("程序兼容性向导"),
          QStringLiteral("漫游 Windows XP"), QStringLiteral("远程桌面连接")}},
        {QStringLiteral("SS01"),
         {QStringLiteral("放大镜"), QStringLiteral("屏幕键盘"), QStringLiteral("讲述人"),
          QStringLiteral("辅助工具管理器"), QStringLiteral("辅助功能向导"), QStringLiteral("辅助功能选项"),
          QStringLiteral("显示设置"), QStringLiteral("声音设置"), QStringLiteral("鼠标设置")}},
        {QStringLiteral("SS02"),
         {QStringLiteral("磁盘清理"), QStringLiteral("磁盘碎片整理程序"), QStringLiteral("备份"),
          QStringLiteral("系统还原"), QStringLiteral("系统信息"), QStringLiteral("任务计划"),
          QStringLiteral("文件和设置转移向导"), QStringLiteral("字符映射表"), QStringLiteral("安全中心")}},
        {QStringLiteral("SS03"),
         {QStringLiteral("网络连接"), QStringLiteral("网络安装向导"), QStringLiteral("新建连接向导"),
          QStringLiteral("超级终端"), QStringLiteral("远程桌面连接"), QStringLiteral("HyperTerminal"),
          QStringLiteral("拨号连接"), QStringLiteral("无线网络安装向导"), QStringLiteral("NetMeeting")}},
        {QStringLiteral("SS04"),
         {QStringLiteral("录音机"), QStringLiteral("音量控制"), QStringLiteral("Windows Media Player"),
          QStringLiteral("Windows Movie Maker"), QStringLiteral("CD 播放器"), QStringLiteral("媒体库"),
          QStringLiteral("声音"), QStringLiteral("音频设置"), QStringLiteral("视频设置")}},
    };
    return defs;
}

QStringList dropDownRows(const QString& id)
{
    for (const DropDownDef& d : dropDowns()) {
        if (d.id == id) return d.rows;
    }
    // A sub-menu that shows another one's pictures shows its rows.
    if (id.size() != 4) return {};
    for (const DropDownDef& d : dropDowns()) {
        const QString panel = d.id.size() == 4 ? menus::secondLevelPanel(d.id) : menus::firstLevelPanel(d.id);
        if (panel == menus::secondLevelPanel(id)) return d.rows;
    }
    return {};
}

QList<PictureFile> menuPictures()
{
    QList<PictureFile> out;
    for (const DropDownDef& d : dropDowns()) {
        const QList<menus::Box> boxes = rowBoxes(d.id, int(d.rows.size()));
        const int rows = int(boxes.size()) - 1;
        QString panel;
        std::function<QString(int)> rowName;
        if (d.id.startsWith(QStringLiteral("SS0"))) {
            const int r2 = d.id.mid(3).toInt();
            panel = menus::thirdLevelPanel(r2);
            rowName = [r2](int i) { return menus::thirdLevelRowPicture(r2, i); };
        } else if (d.id.size() == 4) {
            panel = menus::secondLevelPanel(d.id);
            rowName = [&d](int i) { return menus::secondLevelRowPicture(d.id, i); };
        } else {
            panel = menus::firstLevelPanel(d.id);
            rowName = [&d](int i) { return menus::firstLevelRowPicture(d.id, i, d.id.front()); };
        }
        out.append(file(panel, drawPanel(d, boxes, 0)));
        for (int i = 1; i <= rows; ++i)
            out.append(file(rowName(i), drawPanel(d, boxes, i).copy(px(boxes[i]))));
    }
    return out;
}

} // namespace sample
