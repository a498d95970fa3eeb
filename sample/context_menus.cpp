#include "sample/context_menus.h"

namespace sample {
namespace {

const QString None = QStringLiteral("0");

ContextMenu plain(const QString& title, const QString& items, const QString& more = None)
{
    return ContextMenu{
        title, {None, None, None, None, None}, {None, None, None, None, None}, {items, more, None, None}};
}

const QString SendTo = QStringLiteral("压缩(zipped)文件夹|桌面快捷方式|邮件接收者|我的文档|3.5 软盘 (A:)");
const QString NewItems = QStringLiteral(
    "文件夹(F)|快捷方式(S)|-|公文包|位图图像|Microsoft Word 文档|文本文档|波形声音|压缩(zipped)文件夹");
const QString FileTail = QStringLiteral("-|剪切(T)|复制(C)|-|创建快捷方式(S)|删除(D)|重命名(M)|-|属性(R)");

std::array<ContextMenu, 36> build()
{
    std::array<ContextMenu, 36> m;
    // Group 1 (codes 3xxx): the desktop, its icons, the task bar and the Start menu.
    m[0] = ContextMenu{
        QStringLiteral("桌面"),
        {QStringLiteral("排列图标(I)"), QStringLiteral("新建(W)"), None, None, None},
        {QStringLiteral("名称(N)|大小(S)|类型(T)|修改时间(M)|-|按组排列(G)|自动排列(A)|对齐到网格(L)|-|"
                        "显示桌面图标(D)"),
         NewItems, None, None, None},
        {QStringLiteral("刷新(E)|-|粘贴(P)|粘贴快捷方式(S)|撤消重命名(U)|-"), QStringLiteral("-|属性(R)"),
         None, None}};
    m[1] = plain(QStringLiteral("我的电脑图标"),
                 QStringLiteral(
                     "打开(O)|资源管理器(X)|搜索(E)...|管理(G)|-|映射网络驱动器(N)...|断开网络驱动器(I)...|-|"
                     "创建快捷方式(S)|删除(D)"),
                 QStringLiteral("重命名(M)|-|属性(R)"));
    m[2] = ContextMenu{QStringLiteral("我的文档图标"),
                       {None, QStringLiteral("发送到(N)"), None, None, None},
                       {None, SendTo, None, None, None},
                       {QStringLiteral("打开(O)|资源管理器(X)|搜索(E)...|-|共享和安全(H)...|-"),
                        QStringLiteral("-|剪切(T)|复制(C)|-|删除(D)|重命名(M)|-|属性(R)"), None, None}};
    m[3] = plain(QStringLiteral("回收站图标"),
                 QStringLiteral("打开(O)|资源管理器(X)|清空回收站(B)|-|创建快捷方式(S)|-|属性(R)"));
    m[4] = ContextMenu{
        QStringLiteral("任务栏"),
        {QStringLiteral("工具栏(T)"), None, None, None, None},
        {QStringLiteral("地址|链接|语言栏|桌面|快速启动|-|新建工具栏(N)..."), None, None, None, None},
        {QStringLiteral("-|层叠窗口(S)|横向平铺窗口(H)|纵向平铺窗口(E)|显示桌面(S)|-|任务管理器(K)|-|"
                        "锁定任务栏(L)|属性(R)"),
         None, None, None}};
    m[5] = plain(
        QStringLiteral("开始按钮"),
        QStringLiteral("打开(O)|资源管理器(X)|搜索(E)...|-|属性(R)|-|打开所有用户(P)|资源管理所有用户(R)"));
    m[6] = plain(QStringLiteral("Internet Explorer 图标"),
                 QStringLiteral("打开主页(H)|-|创建快捷方式(S)|删除(D)|-|Internet 属性(R)"));
    m[7] = plain(
        QStringLiteral("网上邻居图标"),
        QStringLiteral("打开(O)|资源管理器(X)|搜索计算机(C)...|-|映射网络驱动器(N)...|断开网络驱动器(I)...|-|"
                       "创建快捷方式(S)|删除(D)|重命名(M)"),
        QStringLiteral("-|属性(R)"));
    m[8] = ContextMenu{QStringLiteral("开始菜单中的程序"),
                       {None, QStringLiteral("发送到(N)"), None, None, None},
                       {None, SendTo, None, None, None},
                       {QStringLiteral("打开(O)|以其他用户身份运行(A)...|-|附到「开始」菜单(U)|-"),
                        QStringLiteral("-|剪切(T)|复制(C)|-|删除(D)|重命名(M)|-|按名称排序(B)|-|属性(R)"),
                        None, None}};
    // Group 2 (codes 4xxx): files and folders.
    m[9] = ContextMenu{
        QStringLiteral("文件夹"),
        {None, QStringLiteral("发送到(N)"), None, None, None},
        {None, SendTo, None, None, None},
        {QStringLiteral("打开(O)|资源管理器(X)|搜索(E)...|-|共享和安全(H)...|-"), FileTail, None, None}};
    m[10] = ContextMenu{
        QStringLiteral("文本文件"),
        {None, QStringLiteral("打开方式(H)"), QStringLiteral("发送到(N)"), None, None},
        {None, QStringLiteral("记事本|写字板|Microsoft Office Word|-|选择程序(C)..."), SendTo, None, None},
        {QStringLiteral("打开(O)|打印(P)|编辑(E)"), QStringLiteral("-"), FileTail, None}};
    m[11] = ContextMenu{
        QStringLiteral("窗口空白处"),
        {QStringLiteral("查看(V)"), QStringLiteral("排列图标(I)"), QStringLiteral("新建(W)"), None, None},
        {QStringLiteral("缩略图(H)|平铺(S)|图标(N)|列表(L)|详细信息(D)"),
         QStringLiteral("名称(N)|大小(S)|类型(T)|修改时间(M)|-|按组排列(G)|自动排列(A)|对齐到网格(L)"),
         NewItems, None, None},
        {QStringLiteral("-"),
         QStringLiteral("刷新(E)|-|自定义文件夹(F)...|-|粘贴(P)|粘贴快捷方式(S)|撤消复制(U)|-"),
         QStringLiteral("-|属性(R)"), None}};
    m[12] = ContextMenu{
        QStringLiteral("图片文件"),
        {None, QStringLiteral("打开方式(H)"), QStringLiteral("发送到(N)"), None, None},
        {None, QStringLiteral("画图|Windows 图片和传真查看器|-|选择程序(C)..."), SendTo, None, None},
        {QStringLiteral("预览(V)|编辑(E)|打印(P)|-|顺时针旋转(K)|逆时针旋转(C)|-|设为桌面背景(B)"),
         QStringLiteral("-"), FileTail, None}};
    m[13] = ContextMenu{QStringLiteral("快捷方式"),
                        {None, QStringLiteral("发送到(N)"), None, None, None},
                        {None, SendTo, None, None, None},
                        {QStringLiteral("打开(O)|打开文件位置(I)|-"), FileTail, None, None}};
    m[14] = ContextMenu{
        QStringLiteral("压缩文件夹"),
        {None, QStringLiteral("打开方式(H)"), QStringLiteral("发送到(N)"), None, None},
        {None, QStringLiteral("压缩(zipped)文件夹|Windows 资源管理器|-|选择程序(C)..."), SendTo, None, None},
        {QStringLiteral("打开(O)|资源管理器(X)|搜索(E)...|全部提取(A)..."), QStringLiteral("-"), FileTail,
         None}};
    m[15] = plain(QStringLiteral("回收站中的文件"), QStringLiteral("还原(E)|-|剪切(T)|-|删除(D)|-|属性(R)"));
    m[16] = ContextMenu{
        QStringLiteral("Word 文档"),
        {None, QStringLiteral("打开方式(H)"), QStringLiteral("发送到(N)"), None, None},
        {None, QStringLiteral("Microsoft Office Word|写字板|-|选择程序(C)..."), SendTo, None, None},
        {QStringLiteral("打开(O)|新建(N)|打印(P)"), QStringLiteral("-"), FileTail, None}};
    m[17] = ContextMenu{QStringLiteral("选中的多个文件"),
                        {None, QStringLiteral("发送到(N)"), None, None, None},
                        {None, SendTo, None, None, None},
                        {QStringLiteral("打开(O)|打印(P)|编辑(E)|-"), FileTail, None, None}};
    // Group 3 (codes 5xxx): drives, programs and system places.
    m[18] = plain(QStringLiteral("本地磁盘"),
                  QStringLiteral("打开(O)|资源管理器(X)|搜索(E)...|-|共享和安全(H)...|-|格式化(A)...|-"),
                  QStringLiteral("复制(C)|-|创建快捷方式(S)|重命名(M)|-|属性(R)"));
    m[19] = plain(
        QStringLiteral("软盘"),
        QStringLiteral("打开(O)|资源管理器(X)|搜索(E)...|-|共享和安全(H)...|-|复制磁盘(Y)...|格式化(A)...|-"),
        QStringLiteral("复制(C)|-|创建快捷方式(S)|-|属性(R)"));
    m[20] =
        plain(QStringLiteral("光驱"),
              QStringLiteral("自动播放(Y)|打开(O)|资源管理器(X)|搜索(E)...|-|共享和安全(H)...|-|弹出(J)|-"),
              QStringLiteral("复制(C)|-|创建快捷方式(S)|-|属性(R)"));
    m[21] = ContextMenu{QStringLiteral("文本编辑区"),
                        {None, None, QStringLiteral("插入 Unicode 控制字符(I)"), None, None},
                        {None, None, QStringLiteral("LRM|RLM|ZWJ|ZWNJ|LRE|RLE|LRO|RLO|PDF|NADS"), None, None},
                        {QStringLiteral("撤消(U)|-|剪切(T)|复制(C)|粘贴(P)|删除(D)|-|全选(A)"),
                         QStringLiteral("-|从右到左的阅读顺序(R)|显示 Unicode 控制字符(S)"), None, None}};
    m[22] = plain(QStringLiteral("任务管理器中的程序"),
                  QStringLiteral("切换至(S)|前置(B)|最小化(M)|最大化(X)|-|结束任务(E)|-|转到进程(G)"));
    m[23] =
        ContextMenu{QStringLiteral("文件夹树中的文件夹"),
                    {None, QStringLiteral("发送到(N)"), None, None, None},
                    {None, SendTo, None, None, None},
                    {QStringLiteral("展开(A)|-|资源管理器(X)|打开(O)|搜索(E)...|-|共享和安全(H)...|-"),
                     QStringLiteral("-|剪切(T)|复制(C)|粘贴(P)|-|删除(D)|重命名(M)|-|属性(R)"), None, None}};
    m[24] = plain(QStringLiteral("音量图标"), QStringLiteral("打开音量控制(O)|调整音频属性(A)"));
    m[25] =
        plain(QStringLiteral("时钟"),
              QStringLiteral("调整日期/时间(A)|-|层叠窗口(S)|横向平铺窗口(H)|纵向平铺窗口(E)|显示桌面(S)|-|"
                             "任务管理器(K)|-|锁定任务栏(L)"),
              QStringLiteral("属性(R)"));
    m[26] = plain(
        QStringLiteral("打印机"),
        QStringLiteral("打开(O)|设为默认打印机(F)|打印首选项(E)...|暂停打印(A)|共享(H)...|-|创建快捷方式(S)|"
                       "删除(D)|重命名(M)|-"),
        QStringLiteral("属性(R)"));
    // Group 4: the menus of application windows.
    m[27] = plain(QStringLiteral("Word 文档正文"), QStringLiteral("剪切(T)|复制(C)|粘贴(P)|-"),
                  QStringLiteral("字体(F)...|段落(P)...|项目符号和编号(N)...|-|超链接(H)...|-|查阅(K)..."));
    m[28] =
        plain(QStringLiteral("Excel 单元格"),
              QStringLiteral("剪切(T)|复制(C)|粘贴(P)|选择性粘贴(S)...|-|插入(I)...|删除(D)...|清除内容(N)|-|"
                             "插入批注(M)"),
              QStringLiteral(
                  "设置单元格格式(F)...|从下拉列表中选择(K)...|-|创建列表(C)...|超链接(H)...|查阅(L)..."));
    m[29] = ContextMenu{
        QStringLiteral("网页"),
        {None, None, QStringLiteral("编码(E)"), None, None},
        {None, None,
         QStringLiteral("自动选择|-|简体中文(GB2312)|繁体中文(Big5)|Unicode (UTF-8)|西欧(Windows)"), None,
         None},
        {QStringLiteral("后退(B)|前进(O)|-|背景另存为(S)...|设置为背景(G)|复制背景(C)|-|全选(A)|粘贴(P)"),
         QStringLiteral("-|创建快捷方式(T)|添加到收藏夹(F)...|查看源文件(V)"),
         QStringLiteral("-|打印(I)|刷新(R)|-|属性(P)"), None}};
    m[30] = plain(QStringLiteral("网页链接"),
                  QStringLiteral("打开(O)|在新窗口中打开(N)|目标另存为(A)...|打印目标(P)|-|剪切|复制(C)|"
                                 "复制快捷方式(T)|粘贴(P)|-"),
                  QStringLiteral("添加到收藏夹(F)...|-|属性(R)"));
    m[31] = plain(QStringLiteral("网上邻居中的计算机"),
                  QStringLiteral(
                      "打开(O)|资源管理器(X)|搜索(E)...|-|映射网络驱动器(N)...|-|创建快捷方式(S)|-|属性(R)"));
    m[32] = plain(QStringLiteral("输入法指示器"), QStringLiteral("设置(E)...|-|还原语言栏(R)"));
    m[33] = plain(QStringLiteral("语言栏"),
                  QStringLiteral("最小化(N)|透明度(T)|-|文字标签(X)|垂直(V)|-|其他图标(A)|-|设置(E)..."));
    m[34] = ContextMenu{QStringLiteral("桌面上的文本文件"),
                        {None, QStringLiteral("打开方式(H)"), QStringLiteral("发送到(N)"), None, None},
                        {None, QStringLiteral("记事本|写字板|-|选择程序(C)..."), SendTo, None, None},
                        {QStringLiteral("打开(O)|打印(P)|编辑(E)"), QStringLiteral("-"), FileTail, None}};
    m[35] =
        ContextMenu{QStringLiteral("共享文档"),
                    {None, QStringLiteral("发送到(N)"), None, None, None},
                    {None, SendTo, None, None, None},
                    {QStringLiteral("打开(O)|资源管理器(X)|搜索(E)...|-|共享和安全(H)...|-"),
                     QStringLiteral("-|剪切(T)|复制(C)|-|创建快捷方式(S)|删除(D)|-|属性(R)"), None, None}};
    return m;
}

// Record lines 2-15 in order, and which list digit each item line is.
QStringList recordLines(const ContextMenu& m)
{
    return {m.title,       m.cascades[0],   m.subItems[0], m.plainItems[0], m.cascades[1],
            m.subItems[1], m.plainItems[1], m.cascades[2], m.subItems[2],   m.plainItems[2],
            m.cascades[3], m.subItems[3],   m.cascades[4], m.subItems[4],   m.plainItems[3]};
}

} // namespace

const std::array<ContextMenu, 36>& contextMenus()
{
    static const std::array<ContextMenu, 36> m = build();
    return m;
}

QStringList contextMenuLines()
{
    QStringList lines;
    for (const ContextMenu& m : contextMenus())
        lines += recordLines(m);
    return lines;
}

int menuCode(const QString& menuTitle, const QString& item)
{
    const auto& all = contextMenus();
    for (int r = 0; r < int(all.size()); ++r) {
        const ContextMenu& m = all[size_t(r)];
        if (m.title != menuTitle) continue;
        const int group = r / 9 + 1;
        const int set = r % 9 + 1;
        if (group > 3) return -1;
        // List digits: 1, 3, 5, 7, 8 the cascades' items; 2, 4, 6, 9 the plain groups.
        static constexpr int cascadeList[] = {1, 3, 5, 7, 8};
        static constexpr int plainList[] = {2, 4, 6, 9};
        const auto indexIn = [](const QString& line, const QString& text) {
            const QStringList items = line.split(QLatin1Char('|')).mid(0, 10);
            const int i = int(items.indexOf(text));
            return text == QStringLiteral("-") ? -1 : i;
        };
        const int slash = int(item.indexOf(QLatin1Char('/')));
        int list = 0;
        int index = -1;
        if (slash > 0) {
            for (int k = 0; k < 5 && index < 0; ++k) {
                if (m.cascades[size_t(k)] == item.left(slash) && m.cascades[size_t(k)] != None) {
                    index = indexIn(m.subItems[size_t(k)], item.mid(slash + 1));
                    list = cascadeList[k];
                }
            }
        } else {
            for (int k = 0; k < 4 && index < 0; ++k) {
                if (m.plainItems[size_t(k)] == None) continue;
                index = indexIn(m.plainItems[size_t(k)], item);
                list = plainList[k];
            }
        }
        if (index < 0) return -1;
        return (group + 2) * 1000 + set * 100 + list * 10 + index;
    }
    return -1;
}

} // namespace sample
