// Unit 2: files and folders in My Computer, Explorer and the search.
#include "sample/context_menus.h"
#include "sample/dialogs.h"
#include "sample/flows.h"
#include "sample/layout.h"
#include "sample/model.h"
#include "sample/screens.h"

namespace sample {

using namespace screens;
using dialogs::DialogAt;
using xp::FileItem;
using xp::Icon;

namespace {

QList<FileItem> myDocuments()
{
    return {{Icon::Folder, QStringLiteral("资料"), QStringLiteral("文件夹")},
            {Icon::Folder, QStringLiteral("照片"), QStringLiteral("文件夹")},
            {Icon::TextFile, QStringLiteral("报告.txt"), QStringLiteral("文本文档  1 KB")},
            {Icon::WordDoc, QStringLiteral("工作计划.doc"), QStringLiteral("Microsoft Word 文档  24 KB")},
            {Icon::Picture, QStringLiteral("风景.jpg"), QStringLiteral("JPEG 图像  96 KB")},
            {Icon::TextFile, QStringLiteral("新建文本文档.txt"), QStringLiteral("文本文档  0 KB")}};
}

QList<FileItem> driveC()
{
    return {{Icon::Folder, QStringLiteral("Documents and Settings"), QStringLiteral("文件夹")},
            {Icon::Folder, QStringLiteral("Program Files"), QStringLiteral("文件夹")},
            {Icon::Folder, QStringLiteral("WINDOWS"), QStringLiteral("文件夹")},
            {Icon::TextFile, QStringLiteral("AUTOEXEC.BAT"), QStringLiteral("MS-DOS 批处理文件  0 KB")},
            {Icon::TextFile, QStringLiteral("CONFIG.SYS"), QStringLiteral("系统文件  0 KB")}};
}

QList<FileItem> driveD()
{
    return {{Icon::Folder, QStringLiteral("软件"), QStringLiteral("文件夹")},
            {Icon::Folder, QStringLiteral("备份"), QStringLiteral("文件夹")},
            {Icon::TextFile, QStringLiteral("说明.txt"), QStringLiteral("文本文档  2 KB")}};
}

Explorer folder(const QString& title, Icon icon, const QString& address, const QList<FileItem>& items,
                int pane = 1)
{
    Explorer e{title, icon, address, pane};
    e.items = items;
    return e;
}

Explorer documents(const QList<FileItem>& items = myDocuments())
{
    return folder(QStringLiteral("我的文档"), Icon::MyDocuments,
                  QStringLiteral("C:\\Documents and Settings\\Administrator\\My Documents"), items);
}

void addExplorer(Scenes& s, const QString& name, const Explorer& e)
{
    s.screen(name, [e](Canvas& c) { explorer(c, e); });
}

// Explorer with its folder tree instead of the task pane.
void explorerWithTree(Canvas& c, const QString& title, const QString& address, bool cOpen,
                      const QString& selected, const QList<FileItem>& items)
{
    Explorer e{title, Icon::FolderOpen, address, 1};
    e.items = items;
    explorer(c, e);
    folderTree(c, QRect(0, 112, 204, layout::TaskbarTop - 112), cOpen, selected);
}

// The search window: its companion pane on the left, the results on the right.
enum class SearchStage { Start, Criteria, Running, Results };
struct Search {
    SearchStage stage = SearchStage::Start;
    QString name{};
    QString lookIn = QStringLiteral("本地硬盘驱动器 (C:;D:;E:;F:)");
};

void searchWindow(Canvas& c, const Search& s)
{
    Explorer e{QStringLiteral("搜索结果"), Icon::Search, QStringLiteral("搜索结果"), 1,
               Explorer::View::Details};
    QList<FileItem> found;
    if (s.stage == SearchStage::Results || s.stage == SearchStage::Running) {
        found = {
            {Icon::TextFile, QStringLiteral("AUTOEXEC.BAT"),
             QStringLiteral("0 KB|MS-DOS 批处理文件|2008-3-1 9:00")},
            {Icon::TextFile, QStringLiteral("setuplog.txt"), QStringLiteral("2 KB|文本文档|2008-3-5 10:20")},
            {Icon::TextFile, QStringLiteral("报告.txt"), QStringLiteral("1 KB|文本文档|2008-3-8 14:05")}};
        // Only text files are found; while the search runs, the first of them.
        found.removeIf([](const FileItem& i) { return !i.label.endsWith(QStringLiteral(".txt")); });
        if (s.stage == SearchStage::Running) found = found.mid(0, 1);
    }
    explorer(c, e);
    QPainter& p = c.p();
    const QRect pane = searchCompanion(c);
    xp::details(
        c, QRect(pane.right() + 4, pane.top() + 2, layout::ScreenW - pane.right() - 4, pane.height() - 2),
        found);
    int y = 148;
    switch (s.stage) {
    case SearchStage::Start:
        searchChoices(c, y);
        break;
    case SearchStage::Criteria:
        xp::text(p, QRect(10, y, 230, 20), QStringLiteral("按下面任何或所有标准进行搜索。"));
        xp::text(p, QRect(10, y += 28, 230, 18), QStringLiteral("全部或部分文件名(O):"));
        xp::edit(c, QRect(10, y += 20, 220, 20), s.name, QStringLiteral("全部或部分文件名"));
        xp::text(p, QRect(10, y += 30, 230, 18), QStringLiteral("文件中的一个字或词组(W):"));
        xp::edit(c, QRect(10, y += 20, 220, 20), QString(), QStringLiteral("文件中的一个字或词组"));
        xp::text(p, QRect(10, y += 30, 230, 18), QStringLiteral("在这里寻找(L):"));
        xp::combo(c, QRect(10, y += 20, 220, 20), s.lookIn, QStringLiteral("在这里寻找"));
        c.mark(QStringLiteral("列表区:在这里寻找"), QRect(10, y, 220, 110));
        xp::text(p, QRect(10, y += 34, 230, 18), QStringLiteral("什么时候修改的？"),
                 Qt::AlignLeft | Qt::AlignVCenter, QColor(0x21, 0x5D, 0xC6));
        xp::text(p, QRect(10, y += 22, 230, 18), QStringLiteral("大小是？"), Qt::AlignLeft | Qt::AlignVCenter,
                 QColor(0x21, 0x5D, 0xC6));
        xp::text(p, QRect(10, y += 22, 230, 18), QStringLiteral("更多高级选项"),
                 Qt::AlignLeft | Qt::AlignVCenter, QColor(0x21, 0x5D, 0xC6));
        xp::button(c, QRect(60, y += 34, 75, 23), QStringLiteral("后退(B)"));
        xp::button(c, QRect(142, y, 75, 23), QStringLiteral("搜索(R)"));
        break;
    case SearchStage::Running:
        xp::text(p, QRect(10, y, 230, 20), QStringLiteral("正在搜索，请稍候..."),
                 Qt::AlignLeft | Qt::AlignVCenter, Qt::black, 13, true);
        xp::progress(c, QRect(10, y + 30, 220, 16), 40);
        xp::text(p, QRect(10, y + 56, 230, 18), QStringLiteral("正在查找：C:\\WINDOWS\\system32"));
        xp::button(c, QRect(142, y + 90, 75, 23), QStringLiteral("停止(P)"));
        break;
    case SearchStage::Results:
        xp::text(p, QRect(10, y, 230, 40), QStringLiteral("已完成搜索，共找到 2 个文件。"),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        xp::link(c, QPoint(16, y + 50), QStringLiteral("是，完成搜索"), Icon::Search);
        xp::link(c, QPoint(16, y + 76), QStringLiteral("更改文件名或关键字"), Icon::Search);
        break;
    }
}

void fileProperties(Scenes& s, const QString& name, bool readOnly)
{
    s.sheet(
        name, QSize(360, 440), QStringLiteral("报告.txt 属性"),
        {QStringLiteral("常规"), QStringLiteral("摘要")}, 0,
        [readOnly](Canvas& c, const QRect& page) {
            QPainter& p = c.p();
            xp::icon(p, QRectF(page.left() + 4, page.top() + 2, 32, 32), Icon::TextFile);
            xp::edit(c, QRect(page.left() + 80, page.top() + 8, page.width() - 90, 20),
                     QStringLiteral("报告.txt"), QStringLiteral("文件名"));
            const QList<std::pair<QString, QString>> rows{
                {QStringLiteral("文件类型："), QStringLiteral("文本文档")},
                {QStringLiteral("打开方式："), QStringLiteral("记事本")},
                {QStringLiteral("位置："),
                 QStringLiteral("C:\\Documents and Settings\\Administrator\\My Documents")},
                {QStringLiteral("大小："), QStringLiteral("1.00 KB (1,024 字节)")},
                {QStringLiteral("占用空间："), QStringLiteral("4.00 KB (4,096 字节)")},
                {QStringLiteral("创建时间："), QStringLiteral("2008年3月8日，14:05:12")},
                {QStringLiteral("修改时间："), QStringLiteral("2008年3月8日，14:05:12")},
                {QStringLiteral("访问时间："), QStringLiteral("2008年3月9日")}};
            int y = page.top() + 44;
            for (const auto& [k, v] : rows) {
                xp::label(c, QRect(page.left() + 4, y, 76, 18), k);
                xp::label(c, QRect(page.left() + 80, y, page.width() - 84, 18),
                          QFontMetrics(xp::font()).elidedText(v, Qt::ElideMiddle, page.width() - 90));
                y += k == QStringLiteral("打开方式：") || k == QStringLiteral("占用空间：") ? 30 : 22;
            }
            xp::button(c, QRect(page.right() - 80, page.top() + 64, 75, 22), QStringLiteral("更改(C)..."));
            xp::label(c, QRect(page.left() + 4, y + 8, 60, 18), QStringLiteral("属性："));
            xp::checkBox(c, {page.left() + 80, y + 10}, QStringLiteral("只读(R)"), readOnly);
            xp::checkBox(c, {page.left() + 160, y + 10}, QStringLiteral("隐藏(H)"), false);
            xp::button(c, QRect(page.right() - 80, y + 6, 75, 22), QStringLiteral("高级(D)..."));
        },
        readOnly);
}

void folderOptions(Scenes& s, const QString& name, int tab, bool showHidden)
{
    s.sheet(
        name, QSize(380, 440), QStringLiteral("文件夹选项"),
        {QStringLiteral("常规"), QStringLiteral("查看"), QStringLiteral("文件类型"),
         QStringLiteral("脱机文件")},
        tab,
        [tab, showHidden](Canvas& c, const QRect& page) {
            QPainter& p = c.p();
            if (tab == 0) {
                xp::group(c, QRect(page.left(), page.top(), page.width(), 80), QStringLiteral("任务"));
                xp::radio(c, {page.left() + 12, page.top() + 24}, QStringLiteral("在文件夹中显示常见任务(S)"),
                          true);
                xp::radio(c, {page.left() + 12, page.top() + 48},
                          QStringLiteral("使用 Windows 传统风格的文件夹(C)"), false);
                xp::group(c, QRect(page.left(), page.top() + 90, page.width(), 80),
                          QStringLiteral("浏览文件夹"));
                xp::radio(c, {page.left() + 12, page.top() + 114},
                          QStringLiteral("在同一窗口中打开每个文件夹(M)"), true);
                xp::radio(c, {page.left() + 12, page.top() + 138},
                          QStringLiteral("在不同窗口中打开不同的文件夹(W)"), false);
                xp::group(c, QRect(page.left(), page.top() + 180, page.width(), 80),
                          QStringLiteral("打开项目的方式"));
                xp::radio(c, {page.left() + 12, page.top() + 204},
                          QStringLiteral("通过单击打开项目(指向时选定)(S)"), false);
                xp::radio(c, {page.left() + 12, page.top() + 228},
                          QStringLiteral("通过双击打开项目(单击时选定)(D)"), true);
                return;
            }
            xp::group(c, QRect(page.left(), page.top(), page.width(), 70), QStringLiteral("文件夹视图"));
            xp::button(c, QRect(page.left() + 60, page.top() + 34, 120, 23),
                       QStringLiteral("应用到所有文件夹(L)"));
            xp::button(c, QRect(page.left() + 190, page.top() + 34, 120, 23),
                       QStringLiteral("重置所有文件夹(R)"));
            xp::label(c, QRect(page.left(), page.top() + 78, 100, 18), QStringLiteral("高级设置："));
            const QRect list(page.left(), page.top() + 98, page.width(), 190);
            p.setPen(QPen(QColor(0x7F, 0x9D, 0xB9), 1));
            p.setBrush(Qt::white);
            p.drawRect(list.adjusted(0, 0, -1, -1));
            int y = list.top() + 6;
            const auto row = [&](int indent, const QString& t, int kind, bool on) {
                const QPoint at(list.left() + 6 + indent, y);
                if (kind == 0) {
                    xp::icon(p, QRectF(at.x(), at.y(), 16, 16), Icon::Folder);
                    xp::label(c, QRect(at.x() + 20, at.y(), 280, 16), t);
                } else if (kind == 1) {
                    xp::checkBox(c, at, t, on);
                } else {
                    xp::radio(c, at, t, on);
                }
                y += 20;
            };
            row(0, QStringLiteral("文件和文件夹"), 0, false);
            row(18, QStringLiteral("不缓存缩略图"), 1, false);
            row(18, QStringLiteral("记住每个文件夹的视图设置"), 1, true);
            row(18, QStringLiteral("鼠标指向文件夹和桌面项时显示提示信息"), 1, true);
            row(18, QStringLiteral("隐藏文件和文件夹"), 0, false);
            row(36, QStringLiteral("不显示隐藏的文件和文件夹"), 2, !showHidden);
            row(36, QStringLiteral("显示所有文件和文件夹"), 2, showHidden);
            row(18, QStringLiteral("隐藏受保护的操作系统文件(推荐)"), 1, true);
            row(18, QStringLiteral("隐藏已知文件类型的扩展名"), 1, true);
            xp::button(c, QRect(page.right() - 100, list.bottom() + 8, 100, 23),
                       QStringLiteral("还原为默认值(D)"));
        },
        showHidden);
}

void addScenes(Scenes& s)
{
    // My Documents and the states the questions bring it to.
    addExplorer(s, QStringLiteral("我的文档"), documents());
    {
        Explorer e = documents();
        e.pane = 2;
        e.selected = {QStringLiteral("风景.jpg")};
        addExplorer(s, QStringLiteral("我的文档-选中风景"), e);
        e.pane = 3;
        e.selected = {QStringLiteral("风景.jpg"), QStringLiteral("报告.txt")};
        addExplorer(s, QStringLiteral("我的文档-选中两个"), e);
        e.pane = 4;
        e.selected = {QStringLiteral("资料")};
        addExplorer(s, QStringLiteral("我的文档-选中资料"), e);
        e.pane = 3;
        e.selected = {QStringLiteral("资料"), QStringLiteral("照片"), QStringLiteral("报告.txt")};
        addExplorer(s, QStringLiteral("我的文档-连续选中"), e);
        e.selected.clear();
        for (const FileItem& item : e.items)
            e.selected << item.label;
        addExplorer(s, QStringLiteral("我的文档-全部选中"), e);
    }
    {
        QList<FileItem> items = myDocuments();
        items.removeAt(4);
        items.removeAt(2);
        addExplorer(s, QStringLiteral("我的文档-删除后"), documents(items));
    }
    {
        Explorer e = documents();
        e.view = Explorer::View::Details;
        e.items = {
            {Icon::Folder, QStringLiteral("资料"), QStringLiteral("|文件夹|2008-3-2 8:30")},
            {Icon::Folder, QStringLiteral("照片"), QStringLiteral("|文件夹|2008-3-6 19:12")},
            {Icon::TextFile, QStringLiteral("报告.txt"), QStringLiteral("1 KB|文本文档|2008-3-8 14:05")},
            {Icon::WordDoc, QStringLiteral("工作计划.doc"),
             QStringLiteral("24 KB|Microsoft Word 文档|2008-3-1 9:40")},
            {Icon::Picture, QStringLiteral("风景.jpg"), QStringLiteral("96 KB|JPEG 图像|2008-2-28 16:00")},
            {Icon::TextFile, QStringLiteral("新建文本文档.txt"),
             QStringLiteral("0 KB|文本文档|2008-3-9 11:11")}};
        addExplorer(s, QStringLiteral("我的文档-详细信息"), e);
    }
    {
        Explorer e = documents();
        e.editing = QStringLiteral("新建文本文档.txt");
        addExplorer(s, QStringLiteral("我的文档-重命名"), e);
        QList<FileItem> items = myDocuments();
        items[5].label = QStringLiteral("Readme.txt");
        addExplorer(s, QStringLiteral("我的文档-Readme"), documents(items));
        items = myDocuments();
        items.append({Icon::Zip, QStringLiteral("照片.zip"), QStringLiteral("压缩(zipped)文件夹  512 KB")});
        addExplorer(s, QStringLiteral("我的文档-压缩后"), documents(items));
    }
    // The results of the menu commands of the folder window (the unit of menus): the list view, a
    // new folder and a new text document waiting for their names, the folder tree in the Explorer
    // bar, and the folder's properties. A new item comes selected.
    {
        Explorer e = documents();
        e.view = Explorer::View::List;
        addExplorer(s, QStringLiteral("我的文档-列表"), e);
        // Arranged by name: the folders first, each group in the order of its names' sounds.
        QList<FileItem> byName = myDocuments();
        std::swap(byName[0], byName[1]);
        std::swap(byName[3], byName[4]);
        addExplorer(s, QStringLiteral("我的文档-按名称排列"), documents(byName));
        e = documents(
            myDocuments() << FileItem{Icon::Folder, QStringLiteral("新建文件夹"), QStringLiteral("文件夹")});
        e.selected = {QStringLiteral("新建文件夹")};
        addExplorer(s, QStringLiteral("我的文档-新建文件夹"), e);
        e = documents(myDocuments() << FileItem{Icon::TextFile, QStringLiteral("新建 文本文档.txt"),
                                                QStringLiteral("文本文档  0 KB")});
        e.selected = {QStringLiteral("新建 文本文档.txt")};
        addExplorer(s, QStringLiteral("我的文档-新建文本文档"), e);
        s.screen(QStringLiteral("我的文档-文件夹栏"), [](Canvas& c) {
            explorerWithTree(c, QStringLiteral("我的文档"),
                             QStringLiteral("C:\\Documents and Settings\\Administrator\\My Documents"), false,
                             QStringLiteral("我的文档"), myDocuments());
        });
        s.sheet(QStringLiteral("我的文档属性"), QSize(360, 420), QStringLiteral("我的文档 属性"),
                {QStringLiteral("目标"), QStringLiteral("常规"), QStringLiteral("共享")}, 0,
                [](Canvas& c, const QRect& page) {
                    xp::icon(c.p(), QRectF(page.left() + 8, page.top() + 8, 32, 32), Icon::MyDocuments);
                    xp::label(c, QRect(page.left() + 52, page.top() + 8, page.width() - 60, 36),
                              QStringLiteral("“我的文档”文件夹是文档、图片和其他文件的存储位置。"),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
                    xp::group(c, QRect(page.left() + 6, page.top() + 56, page.width() - 12, 96),
                              QStringLiteral("目标文件夹位置"));
                    xp::label(c, QRect(page.left() + 16, page.top() + 78, 60, 18),
                              QStringLiteral("目标(T)："));
                    xp::edit(c, QRect(page.left() + 16, page.top() + 98, page.width() - 32, 20),
                             QStringLiteral("C:\\Documents and Settings\\Administrator\\My Documents"),
                             QStringLiteral("目标"));
                    xp::button(c, QRect(page.left() + 16, page.top() + 164, 90, 23),
                               QStringLiteral("还原默认值(R)"));
                    xp::button(c, QRect(page.left() + 114, page.top() + 164, 80, 23),
                               QStringLiteral("移动(M)..."));
                    xp::button(c, QRect(page.left() + 202, page.top() + 164, 90, 23),
                               QStringLiteral("查找目标(F)..."));
                });
    }
    // Drives C and D.
    addExplorer(s, QStringLiteral("C盘"),
                folder(QStringLiteral("本地磁盘 (C:)"), Icon::HardDisk, QStringLiteral("C:\\"), driveC()));
    {
        Explorer e = folder(
            QStringLiteral("本地磁盘 (C:)"), Icon::HardDisk, QStringLiteral("C:\\"),
            driveC() << FileItem{Icon::Folder, QStringLiteral("新建文件夹"), QStringLiteral("文件夹")});
        e.editing = QStringLiteral("新建文件夹");
        addExplorer(s, QStringLiteral("C盘-新建文件夹"), e);
        addExplorer(
            s, QStringLiteral("C盘-资料"),
            folder(QStringLiteral("本地磁盘 (C:)"), Icon::HardDisk, QStringLiteral("C:\\"),
                   driveC() << FileItem{Icon::Folder, QStringLiteral("资料"), QStringLiteral("文件夹")}));
    }
    addExplorer(s, QStringLiteral("D盘"),
                folder(QStringLiteral("本地磁盘 (D:)"), Icon::HardDisk, QStringLiteral("D:\\"), driveD()));
    addExplorer(s, QStringLiteral("D盘-报告"),
                folder(QStringLiteral("本地磁盘 (D:)"), Icon::HardDisk, QStringLiteral("D:\\"),
                       driveD() << FileItem{Icon::TextFile, QStringLiteral("报告.txt"),
                                            QStringLiteral("文本文档  1 KB")}));

    // The drop-down menus of the folder window.
    const QList<xp::MenuRow> fileMenu{{QStringLiteral("新建(W) >")},
                                      {QStringLiteral("-")},
                                      {QStringLiteral("创建快捷方式(S)"), Icon::None, false, true},
                                      {QStringLiteral("删除(D)"), Icon::None, false, true},
                                      {QStringLiteral("重命名(M)"), Icon::None, false, true},
                                      {QStringLiteral("属性(R)")},
                                      {QStringLiteral("-")},
                                      {QStringLiteral("关闭(C)")}};
    s.menu(QStringLiteral("文件菜单"), fileMenu, -1, 160);
    s.menu(QStringLiteral("文件菜单-新建"), fileMenu, 0, 160);
    s.menu(QStringLiteral("新建子菜单"), {{QStringLiteral("文件夹(F)"), Icon::Folder},
                                          {QStringLiteral("快捷方式(S)"), Icon::Programs},
                                          {QStringLiteral("-")},
                                          {QStringLiteral("公文包"), Icon::Folder},
                                          {QStringLiteral("位图图像"), Icon::Paint},
                                          {QStringLiteral("Microsoft Word 文档"), Icon::WordDoc},
                                          {QStringLiteral("文本文档"), Icon::TextFile},
                                          {QStringLiteral("压缩(zipped)文件夹"), Icon::Zip}});
    s.menu(QStringLiteral("工具菜单"), {{QStringLiteral("映射网络驱动器(N)...")},
                                        {QStringLiteral("断开网络驱动器(D)...")},
                                        {QStringLiteral("同步(S)...")},
                                        {QStringLiteral("-")},
                                        {QStringLiteral("文件夹选项(O)...")}});
    folderOptions(s, QStringLiteral("文件夹选项-常规"), 0, false);
    folderOptions(s, QStringLiteral("文件夹选项-查看"), 1, false);
    folderOptions(s, QStringLiteral("文件夹选项-查看-显示"), 1, true);
    dialogs::diskProperties(s, QStringLiteral("C盘属性"), QStringLiteral("本地磁盘 (C:)"), 0);
    fileProperties(s, QStringLiteral("报告属性"), false);
    fileProperties(s, QStringLiteral("报告属性-只读"), true);
    dialogs::messageBox(s, QStringLiteral("确认删除多个文件"), QStringLiteral("确认删除多个文件"),
                        Icon::RecycleBin, {QStringLiteral("确实要把这 2 项放入回收站吗？")},
                        {QStringLiteral("是(Y)"), QStringLiteral("否(N)")});
    s.dialog(
        QStringLiteral("正在压缩"), QSize(340, 130), QStringLiteral("正在压缩..."),
        [](Canvas& c, const QRect& client) {
            xp::icon(c.p(), QRectF(client.left() + 12, client.top() + 12, 32, 32), Icon::Zip);
            xp::label(c, QRect(client.left() + 56, client.top() + 12, 260, 18),
                      QStringLiteral("照片\\毕业合影.jpg"));
            xp::progress(c, QRect(client.left() + 12, client.top() + 50, client.width() - 24, 16), 60);
        },
        false);

    // The search.
    s.screen(QStringLiteral("搜索-开始"), [](Canvas& c) { searchWindow(c, {SearchStage::Start}); });
    s.screen(QStringLiteral("搜索-条件"), [](Canvas& c) { searchWindow(c, {SearchStage::Criteria}); });
    s.screen(QStringLiteral("搜索-条件-已输入"), [](Canvas& c) {
        searchWindow(c, {SearchStage::Criteria, QStringLiteral("*.txt")});
    });
    s.screen(QStringLiteral("搜索-条件-C盘"), [](Canvas& c) {
        searchWindow(c, {SearchStage::Criteria, QStringLiteral("*.txt"), QStringLiteral("本地磁盘 (C:)")});
    });
    s.screen(QStringLiteral("搜索-进行中"), [](Canvas& c) { searchWindow(c, {SearchStage::Running}); });
    s.screen(QStringLiteral("搜索-结果"), [](Canvas& c) { searchWindow(c, {SearchStage::Results}); });

    // Explorer with the folder tree.
    const QList<FileItem> startFolder{
        {Icon::Folder, QStringLiteral("程序"), QStringLiteral("文件夹")},
        {Icon::WordDoc, QStringLiteral("新建 Microsoft Word 文档"), QStringLiteral("快捷方式  1 KB")},
        {Icon::ExcelDoc, QStringLiteral("新建 Microsoft Excel 工作表"), QStringLiteral("快捷方式  1 KB")}};
    const QString startAddress = QStringLiteral("C:\\Documents and Settings\\Administrator\\「开始」菜单");
    s.screen(QStringLiteral("资源管理器"), [=](Canvas& c) {
        explorerWithTree(c, QStringLiteral("「开始」菜单"), startAddress, false, QString(), startFolder);
    });
    s.screen(QStringLiteral("资源管理器-C展开"), [=](Canvas& c) {
        explorerWithTree(c, QStringLiteral("「开始」菜单"), startAddress, true, QString(), startFolder);
    });
    s.screen(QStringLiteral("资源管理器-WINDOWS"), [](Canvas& c) {
        explorerWithTree(
            c, QStringLiteral("WINDOWS"), QStringLiteral("C:\\WINDOWS"), true, QStringLiteral("WINDOWS"),
            {{Icon::Folder, QStringLiteral("Fonts"), QStringLiteral("文件夹")},
             {Icon::Folder, QStringLiteral("Help"), QStringLiteral("文件夹")},
             {Icon::Folder, QStringLiteral("system32"), QStringLiteral("文件夹")},
             {Icon::Folder, QStringLiteral("Web"), QStringLiteral("文件夹")},
             {Icon::Notepad, QStringLiteral("notepad.exe"), QStringLiteral("记事本")},
             {Icon::FolderOpen, QStringLiteral("explorer.exe"), QStringLiteral("Windows 资源管理器")}});
    });
}

// Where a menu-bar title's drop-down opens in a maximized folder window.
QPoint dropDownAt(int title)
{
    const QRect box = layout::menuTitle('A', title).px().translated(layout::MenuBarAt.px().topLeft());
    return {box.left(), box.bottom() + 1};
}

} // namespace

UnitDef unitFiles(Scenes& s)
{
    addScenes(s);
    const QPoint fileMenuAt = dropDownAt(1);
    const QPoint newMenuAt(fileMenuAt.x() + xp::menuSize({{QStringLiteral("新建(W) >")}}, 160).width() - 3,
                           fileMenuAt.y());
    const QString openMyDocuments = QStringLiteral("双击桌面上的“我的文档”图标");
    // The window a double click opens comes up by itself; the candidate's next click is a step of its own.
    const auto opening = [](const QString& window, const QString& title) {
        return wait(window, QStringLiteral("正在打开“%1”窗口，请稍候").arg(title));
    };
    UnitDef u;
    u.title = QStringLiteral("文件和文件夹的管理");
    u.questions = {
        {QStringLiteral("打开“我的电脑”，查看C盘的属性。"),
         {doubleClick(QStringLiteral("桌面"), QStringLiteral("图标:我的电脑"),
                      QStringLiteral("双击桌面上的“我的电脑”图标"))
              .jumpTo(u'3')
              .alsoBy(QStringLiteral("任务栏:开始")),
          click(QStringLiteral("开始菜单"), QStringLiteral("开始:我的电脑"),
                QStringLiteral("单击“我的电脑”")),
          contextPick(QStringLiteral("我的电脑"), QStringLiteral("图标:本地磁盘 (C:)"),
                      menuCode(QStringLiteral("本地磁盘"), QStringLiteral("属性(R)")),
                      QStringLiteral("右键单击“本地磁盘 (C:)”，选择“属性”")),
          done(QStringLiteral("我的电脑")).over(1, QStringLiteral("C盘属性"), DialogAt)}},
        {QStringLiteral("在C盘根目录下新建一个名为“资料”的文件夹。"),
         {doubleClick(QStringLiteral("桌面"), QStringLiteral("图标:我的电脑"),
                      QStringLiteral("双击桌面上的“我的电脑”图标")),
          doubleClick(QStringLiteral("我的电脑"), QStringLiteral("图标:本地磁盘 (C:)"),
                      QStringLiteral("双击“本地磁盘 (C:)”")),
          opening(QStringLiteral("C盘"), QStringLiteral("本地磁盘 (C:)")),
          click(QStringLiteral("C盘"), QStringLiteral("菜单栏:文件(F)"), QStringLiteral("单击“文件”菜单")),
          hover(QStringLiteral("C盘"), QStringLiteral("菜单:新建(W)"), QStringLiteral("指向“新建”"))
              .over(1, QStringLiteral("文件菜单"), fileMenuAt),
          click(QStringLiteral("C盘"), QStringLiteral("菜单:文件夹(F)"), QStringLiteral("单击“文件夹”"))
              .over(1, QStringLiteral("文件菜单-新建"), fileMenuAt)
              .over(2, QStringLiteral("新建子菜单"), newMenuAt),
          // The field over the new folder's name starts empty: the name typed in is the whole name.
          typeText(QStringLiteral("0024"), QStringLiteral("C盘-新建文件夹"),
                   QStringLiteral("名称:新建文件夹"), QString(), QStringLiteral("资料")),
          done(QStringLiteral("C盘-资料"))}},
        {QStringLiteral("将“我的文档”中的“报告.txt”复制到D盘根目录下。"),
         {doubleClick(QStringLiteral("桌面"), QStringLiteral("图标:我的文档"), openMyDocuments),
          contextPick(QStringLiteral("我的文档"), QStringLiteral("图标:报告.txt"),
                      menuCode(QStringLiteral("文本文件"), QStringLiteral("复制(C)")),
                      QStringLiteral("右键单击“报告.txt”，选择“复制”")),
          click(QStringLiteral("我的文档"), QStringLiteral("链接:我的电脑"),
                QStringLiteral("单击左侧“其它位置”中的“我的电脑”"))
              .pointer(QStringLiteral("M01")),
          doubleClick(QStringLiteral("我的电脑"), QStringLiteral("图标:本地磁盘 (D:)"),
                      QStringLiteral("双击“本地磁盘 (D:)”")),
          contextPick(QStringLiteral("D盘"), QStringLiteral("窗口:空白"),
                      menuCode(QStringLiteral("窗口空白处"), QStringLiteral("粘贴(P)")),
                      QStringLiteral("在窗口空白处单击右键，选择“粘贴”")),
          done(QStringLiteral("D盘-报告"))}},
        {QStringLiteral("在“我的文档”中同时选中“风景.jpg”和“报告.txt”，然后将它们删除。"),
         {doubleClick(QStringLiteral("桌面"), QStringLiteral("图标:我的文档"), openMyDocuments),
          opening(QStringLiteral("我的文档"), QStringLiteral("我的文档")),
          click(QStringLiteral("我的文档"), QStringLiteral("图标:风景.jpg"),
                QStringLiteral("单击“风景.jpg”")),
          keyClick(QStringLiteral("我的文档-选中风景"), QStringLiteral("图标:报告.txt"), 9201,
                   QStringLiteral("按住 Ctrl 键单击“报告.txt”")),
          contextPick(QStringLiteral("我的文档-选中两个"), QStringLiteral("图标:报告.txt"),
                      menuCode(QStringLiteral("选中的多个文件"), QStringLiteral("删除(D)")),
                      QStringLiteral("右键单击选中的文件，选择“删除”")),
          click(QStringLiteral("我的文档-选中两个"), QStringLiteral("按钮:是(Y)"), QStringLiteral("单击“是”"))
              .over(1, QStringLiteral("确认删除多个文件"), QPoint(150, 200)),
          done(QStringLiteral("我的文档-删除后"))}},
        {QStringLiteral("在“我的文档”中，用 Shift 键一次选中从“资料”到“报告.txt”的连续三个项目。"),
         {doubleClick(QStringLiteral("桌面"), QStringLiteral("图标:我的文档"), openMyDocuments),
          opening(QStringLiteral("我的文档"), QStringLiteral("我的文档")),
          click(QStringLiteral("我的文档"), QStringLiteral("图标:资料"), QStringLiteral("单击“资料”文件夹")),
          keyClick(QStringLiteral("我的文档-选中资料"), QStringLiteral("图标:报告.txt"), 9101,
                   QStringLiteral("按住 Shift 键单击“报告.txt”")),
          done(QStringLiteral("我的文档-连续选中"))}},
        {QStringLiteral("将“我的文档”窗口的查看方式改为“详细信息”。"),
         {doubleClick(QStringLiteral("桌面"), QStringLiteral("图标:我的文档"), openMyDocuments),
          contextPick(QStringLiteral("我的文档"), QStringLiteral("窗口:空白"),
                      menuCode(QStringLiteral("窗口空白处"), QStringLiteral("查看(V)/详细信息(D)")),
                      QStringLiteral("在窗口空白处单击右键，指向“查看”，单击“详细信息”")),
          done(QStringLiteral("我的文档-详细信息"))}},
        {QStringLiteral("通过“我的电脑”窗口的“文件夹选项”，设置显示所有文件和文件夹。"),
         {doubleClick(QStringLiteral("桌面"), QStringLiteral("图标:我的电脑"),
                      QStringLiteral("双击桌面上的“我的电脑”图标")),
          opening(QStringLiteral("我的电脑"), QStringLiteral("我的电脑")),
          click(QStringLiteral("我的电脑"), QStringLiteral("菜单栏:工具(T)"),
                QStringLiteral("单击“工具”菜单")),
          click(QStringLiteral("我的电脑"), QStringLiteral("菜单:文件夹选项(O)..."),
                QStringLiteral("单击“文件夹选项”"))
              .over(1, QStringLiteral("工具菜单"), dropDownAt(5)),
          click(QStringLiteral("我的电脑"), QStringLiteral("选项卡:查看"), QStringLiteral("单击“查看”选项卡"))
              .over(1, QStringLiteral("文件夹选项-常规"), DialogAt),
          click(QStringLiteral("我的电脑"), QStringLiteral("单选:显示所有文件和文件夹"),
                QStringLiteral("选中“显示所有文件和文件夹”"))
              .over(1, QStringLiteral("文件夹选项-查看"), DialogAt),
          click(QStringLiteral("我的电脑"), QStringLiteral("按钮:确定"), QStringLiteral("单击“确定”"))
              .over(1, QStringLiteral("文件夹选项-查看-显示"), DialogAt),
          done(QStringLiteral("我的电脑"))}},
        {QStringLiteral("利用“搜索”查找C盘中所有扩展名为 .txt 的文件。"),
         {flows::clickStart(),
          click(QStringLiteral("开始菜单"), QStringLiteral("开始:搜索(S)"), QStringLiteral("单击“搜索”")),
          click(QStringLiteral("搜索-开始"), QStringLiteral("链接:所有文件和文件夹"),
                QStringLiteral("单击“所有文件和文件夹”"))
              .pointer(QStringLiteral("M01")),
          typeText(QStringLiteral("0020"), QStringLiteral("搜索-条件"),
                   QStringLiteral("文本框:全部或部分文件名"), QString(), QStringLiteral("*.txt")),
          pickFromList(QStringLiteral("搜索-条件-已输入"), QStringLiteral("列表区:在这里寻找"),
                       {QStringLiteral("本地硬盘驱动器 (C:;D:;E:;F:)"), QStringLiteral("我的文档"),
                        QStringLiteral("桌面"), QStringLiteral("我的电脑"), QStringLiteral("本地磁盘 (C:)"),
                        QStringLiteral("本地磁盘 (D:)"), QStringLiteral("本地磁盘 (E:)")},
                       0, 4, QStringLiteral("在“在这里寻找”列表中选择“本地磁盘 (C:)”")),
          click(QStringLiteral("搜索-条件-C盘"), QStringLiteral("按钮:搜索(R)"),
                QStringLiteral("单击“搜索”按钮")),
          wait(QStringLiteral("搜索-进行中"), QStringLiteral("正在搜索，请稍候")),
          done(QStringLiteral("搜索-结果"))}},
        {QStringLiteral("将“我的文档”中的“新建文本文档.txt”重命名为“Readme.txt”（注意大小写）。"),
         {doubleClick(QStringLiteral("桌面"), QStringLiteral("图标:我的文档"), openMyDocuments),
          contextPick(QStringLiteral("我的文档"), QStringLiteral("图标:新建文本文档.txt"),
                      menuCode(QStringLiteral("文本文件"), QStringLiteral("重命名(M)")),
                      QStringLiteral("右键单击“新建文本文档.txt”，选择“重命名”")),
          typeText(QStringLiteral("0025"), QStringLiteral("我的文档-重命名"),
                   QStringLiteral("名称:新建文本文档.txt"), QString(), QStringLiteral("Readme.txt")),
          done(QStringLiteral("我的文档-Readme"))}},
        {QStringLiteral("将“我的文档”中“报告.txt”的属性设置为“只读”。"),
         {doubleClick(QStringLiteral("桌面"), QStringLiteral("图标:我的文档"), openMyDocuments),
          contextPick(QStringLiteral("我的文档"), QStringLiteral("图标:报告.txt"),
                      menuCode(QStringLiteral("文本文件"), QStringLiteral("属性(R)")),
                      QStringLiteral("右键单击“报告.txt”，选择“属性”")),
          click(QStringLiteral("我的文档"), QStringLiteral("复选框:只读(R)"), QStringLiteral("选中“只读”"))
              .over(1, QStringLiteral("报告属性"), DialogAt),
          click(QStringLiteral("我的文档"), QStringLiteral("按钮:确定"), QStringLiteral("单击“确定”"))
              .over(1, QStringLiteral("报告属性-只读"), DialogAt),
          done(QStringLiteral("我的文档"))}},
        {QStringLiteral("将“我的文档”中的“照片”文件夹发送到“压缩(zipped)文件夹”。"),
         {doubleClick(QStringLiteral("桌面"), QStringLiteral("图标:我的文档"), openMyDocuments),
          contextPick(QStringLiteral("我的文档"), QStringLiteral("图标:照片"),
                      menuCode(QStringLiteral("文件夹"), QStringLiteral("发送到(N)/压缩(zipped)文件夹")),
                      QStringLiteral("右键单击“照片”，指向“发送到”，单击“压缩(zipped)文件夹”")),
          wait(QStringLiteral("我的文档"), QStringLiteral("正在压缩，请稍候"))
              .over(1, QStringLiteral("正在压缩"), QPoint(200, 200)),
          done(QStringLiteral("我的文档-压缩后"))}},
        {QStringLiteral("使用“Windows 资源管理器”打开C盘中的“WINDOWS”文件夹。"),
         {contextPick(QStringLiteral("桌面"), QStringLiteral("任务栏:开始"),
                      menuCode(QStringLiteral("开始按钮"), QStringLiteral("资源管理器(X)")),
                      QStringLiteral("右键单击“开始”按钮，选择“资源管理器”")),
          click(QStringLiteral("资源管理器"), QStringLiteral("树:+本地磁盘 (C:)"),
                QStringLiteral("单击“本地磁盘 (C:)”前面的“+”号展开它")),
          click(QStringLiteral("资源管理器-C展开"), QStringLiteral("树:WINDOWS"),
                QStringLiteral("单击“WINDOWS”文件夹")),
          done(QStringLiteral("资源管理器-WINDOWS"))}},
    };
    return u;
}

} // namespace sample
