#include "sample/dialogs.h"

#include "sample/xp.h"

namespace sample::dialogs {

using xp::Icon;

void messageBox(Scenes& s, const QString& name, const QString& title, Icon icon, const QStringList& lines,
                const QStringList& buttons)
{
    int w = 0;
    for (const QString& l : lines)
        w = std::max(w, xp::textWidth(l));
    w = std::max(w + 100, int(buttons.size()) * 83 + 40);
    const int h = 29 + 4 + 30 + int(lines.size()) * 18 + 50;
    s.dialog(
        name, QSize(w, h), title,
        [=](Canvas& c, const QRect& client) { xp::messageBody(c, client, icon, lines, buttons); }, false);
}

void taskbarProperties(Scenes& s, const QString& name, int tab, bool autoHide, bool classic)
{
    s.sheet(
        name, QSize(380, 430), QStringLiteral("任务栏和「开始」菜单属性"),
        {QStringLiteral("任务栏"), QStringLiteral("「开始」菜单")}, tab, [=](Canvas& c, const QRect& page) {
            QPainter& p = c.p();
            if (tab == 0) {
                xp::group(c, QRect(page.left(), page.top(), page.width(), 200), QStringLiteral("任务栏外观"));
                // A small picture of the task bar.
                const QRect pic(page.left() + 12, page.top() + 20, page.width() - 24, 26);
                p.fillRect(pic, QColor(0x24, 0x5E, 0xDC));
                p.fillRect(QRect(pic.left(), pic.top(), 50, pic.height()), QColor(0x3C, 0x9A, 0x3C));
                xp::text(p, QRect(pic.left() + 8, pic.top(), 40, pic.height()), QStringLiteral("开始"),
                         Qt::AlignLeft | Qt::AlignVCenter, Qt::white, 12, true);
                int y = page.top() + 56;
                xp::checkBox(c, {page.left() + 12, y}, QStringLiteral("锁定任务栏(L)"), true);
                xp::checkBox(c, {page.left() + 12, y += 24}, QStringLiteral("自动隐藏任务栏(U)"), autoHide);
                xp::checkBox(c, {page.left() + 12, y += 24},
                             QStringLiteral("将任务栏保持在其它窗口的前端(T)"), true);
                xp::checkBox(c, {page.left() + 12, y += 24}, QStringLiteral("分组相似任务栏按钮(G)"), true);
                xp::checkBox(c, {page.left() + 12, y += 24}, QStringLiteral("显示快速启动(Q)"), false);
                xp::group(c, QRect(page.left(), page.top() + 210, page.width(), 100),
                          QStringLiteral("通知区域"));
                xp::checkBox(c, {page.left() + 12, page.top() + 236}, QStringLiteral("显示时钟(K)"), true);
                xp::checkBox(c, {page.left() + 12, page.top() + 260}, QStringLiteral("隐藏不活动的图标(H)"),
                             true);
                xp::button(c, QRect(page.right() - 90, page.top() + 256, 80, 23),
                           QStringLiteral("自定义(C)..."));
            } else {
                xp::radio(c, {page.left() + 8, page.top() + 14}, QStringLiteral("「开始」菜单(S)"), !classic);
                xp::label(c, QRect(page.left() + 26, page.top() + 32, page.width() - 120, 36),
                          QStringLiteral("选择此菜单样式可以轻松访问 Internet、\n电子邮件和您最常用的程序。"),
                          Qt::AlignLeft | Qt::AlignTop);
                xp::button(c, QRect(page.right() - 90, page.top() + 12, 80, 23),
                           QStringLiteral("自定义(C)..."));
                xp::radio(c, {page.left() + 8, page.top() + 90}, QStringLiteral("经典「开始」菜单(M)"),
                          classic);
                xp::label(c, QRect(page.left() + 26, page.top() + 108, page.width() - 120, 36),
                          QStringLiteral("选择此选项可以使用以前版本的\nWindows 中的菜单样式。"),
                          Qt::AlignLeft | Qt::AlignTop);
                xp::button(c, QRect(page.right() - 90, page.top() + 88, 80, 23),
                           QStringLiteral("自定义(R)..."));
            }
        });
}

QStringList screenSavers()
{
    return {QStringLiteral("(无)"),       QStringLiteral("Windows XP"),    QStringLiteral("三维文字"),
            QStringLiteral("贝塞尔曲线"), QStringLiteral("变幻线"),        QStringLiteral("飞越星空"),
            QStringLiteral("字幕"),       QStringLiteral("我的图片幻灯片")};
}

QStringList backgrounds()
{
    return {QStringLiteral("(无)"),        QStringLiteral("Ascent"), QStringLiteral("Autumn"),
            QStringLiteral("Azul"),        QStringLiteral("Bliss"),  QStringLiteral("Crystal"),
            QStringLiteral("Follow"),      QStringLiteral("Friend"), QStringLiteral("Home"),
            QStringLiteral("Moon flower"), QStringLiteral("Tulips"), QStringLiteral("Wind")};
}

void displayProperties(Scenes& s, const QString& name, int tab, const DisplayState& st)
{
    const QStringList tabTitles{QStringLiteral("主题"), QStringLiteral("桌面"),
                                QStringLiteral("屏幕保护程序"), QStringLiteral("外观"),
                                QStringLiteral("设置")};
    s.sheet(
        name, QSize(400, 450), QStringLiteral("显示 属性"), tabTitles, tab,
        [=](Canvas& c, const QRect& page) {
            QPainter& p = c.p();
            // The monitor with its preview, on every page but 主题 and 外观.
            const QRect monitor(page.center().x() - 80, page.top() + 4, 160, 120);
            const auto drawMonitor = [&](bool saver) {
                p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
                p.setBrush(QColor(0xE8, 0xE6, 0xDA));
                p.drawRoundedRect(monitor, 6, 6);
                const QRect screen = monitor.adjusted(10, 10, -10, -22);
                if (saver) {
                    p.fillRect(screen, Qt::black);
                    xp::windowsLogo(p, QRectF(screen.center().x() - 14, screen.center().y() - 14, 28, 28));
                } else {
                    xp::wallpaper(p, screen,
                                  st.background == QStringLiteral("Azul") ? st.background : QString());
                }
            };
            switch (tab) {
            case 0:
                xp::label(c, QRect(page.left(), page.top(), page.width(), 32),
                          QStringLiteral("主题是背景加一组声音、图标以及其它元素，它可以帮\n助您用一次单击即"
                                         "个性化您的计算机。"),
                          Qt::AlignLeft | Qt::AlignTop);
                xp::label(c, QRect(page.left(), page.top() + 40, 60, 18), QStringLiteral("主题(T):"));
                xp::combo(c, QRect(page.left(), page.top() + 58, 230, 20), QStringLiteral("Windows XP"),
                          QStringLiteral("主题"));
                break;
            case 1: {
                drawMonitor(false);
                xp::label(c, QRect(page.left(), page.top() + 132, 80, 16), QStringLiteral("背景(K):"));
                const QStringList bgs = backgrounds();
                xp::listBox(c, QRect(page.left(), page.top() + 150, 220, 120), bgs,
                            int(bgs.indexOf(st.background)), QStringLiteral("背景"));
                c.mark(QStringLiteral("列表区:背景"), QRect(page.left(), page.top() + 150, 220, 120));
                xp::button(c, QRect(page.left() + 232, page.top() + 150, 80, 23),
                           QStringLiteral("浏览(B)..."));
                xp::label(c, QRect(page.left() + 232, page.top() + 180, 80, 16), QStringLiteral("位置(P):"));
                xp::combo(c, QRect(page.left() + 232, page.top() + 198, 100, 20), st.position,
                          QStringLiteral("位置"));
                c.mark(QStringLiteral("列表区:位置"), QRect(page.left() + 232, page.top() + 198, 100, 60));
                xp::button(c, QRect(page.left(), page.top() + 290, 110, 23),
                           QStringLiteral("自定义桌面(D)..."));
                break;
            }
            case 2:
                drawMonitor(true);
                xp::group(c, QRect(page.left(), page.top() + 130, page.width(), 100),
                          QStringLiteral("屏幕保护程序(S)"));
                xp::combo(c, QRect(page.left() + 10, page.top() + 150, 170, 20), st.saver,
                          QStringLiteral("屏幕保护程序"));
                c.mark(QStringLiteral("列表区:屏幕保护程序"),
                       QRect(page.left() + 10, page.top() + 150, 170, 132));
                xp::button(c, QRect(page.left() + 190, page.top() + 149, 70, 23), QStringLiteral("设置(T)"));
                xp::button(c, QRect(page.left() + 266, page.top() + 149, 70, 23), QStringLiteral("预览(V)"));
                xp::label(c, QRect(page.left() + 10, page.top() + 182, 60, 20), QStringLiteral("等待(W):"));
                xp::edit(c, QRect(page.left() + 66, page.top() + 182, 40, 20), st.wait,
                         QStringLiteral("等待"));
                xp::label(c, QRect(page.left() + 112, page.top() + 182, 40, 20), QStringLiteral("分钟"));
                xp::checkBox(c, {page.left() + 160, page.top() + 185},
                             QStringLiteral("在恢复时使用密码保护(P)"), false);
                xp::group(c, QRect(page.left(), page.top() + 240, page.width(), 60),
                          QStringLiteral("监视器的电源"));
                xp::button(c, QRect(page.right() - 90, page.top() + 264, 80, 23),
                           QStringLiteral("电源(O)..."));
                break;
            case 3:
                xp::label(c, QRect(page.left(), page.top() + 150, 120, 16), QStringLiteral("窗口和按钮(W):"));
                xp::combo(c, QRect(page.left(), page.top() + 168, 200, 20), QStringLiteral("Windows XP 样式"),
                          QStringLiteral("窗口和按钮"));
                xp::label(c, QRect(page.left(), page.top() + 196, 120, 16), QStringLiteral("色彩方案(C):"));
                xp::combo(c, QRect(page.left(), page.top() + 214, 200, 20), QStringLiteral("默认(蓝)"),
                          QStringLiteral("色彩方案"));
                xp::label(c, QRect(page.left(), page.top() + 242, 120, 16), QStringLiteral("字体大小(F):"));
                xp::combo(c, QRect(page.left(), page.top() + 260, 200, 20), QStringLiteral("正常"),
                          QStringLiteral("字体大小"));
                break;
            default: {
                drawMonitor(false);
                static const QStringList sizes{
                    QStringLiteral("640 × 480 像素"), QStringLiteral("800 × 600 像素"),
                    QStringLiteral("1024 × 768 像素"), QStringLiteral("1280 × 1024 像素")};
                xp::label(c, QRect(page.left(), page.top() + 130, page.width(), 16),
                          QStringLiteral("显示：即插即用监视器 上的 默认显示卡"));
                xp::group(c, QRect(page.left(), page.top() + 152, 180, 80), QStringLiteral("屏幕分辨率(S)"));
                xp::label(c, QRect(page.left() + 8, page.top() + 170, 20, 16), QStringLiteral("少"));
                xp::label(c, QRect(page.left() + 150, page.top() + 170, 20, 16), QStringLiteral("多"));
                xp::slider(c, QRect(page.left() + 30, page.top() + 168, 116, 24), 4, st.resolution,
                           QStringLiteral("屏幕分辨率"));
                // The readout of the resolution the slider stands at.
                const QRect readout(page.left() + 8, page.top() + 200, 170, 16);
                xp::label(c, readout, sizes.value(st.resolution), Qt::AlignCenter);
                c.mark(QStringLiteral("读数:屏幕分辨率"), readout);
                xp::group(c, QRect(page.left() + 192, page.top() + 152, page.width() - 192, 80),
                          QStringLiteral("颜色质量(C)"));
                xp::combo(c, QRect(page.left() + 200, page.top() + 176, page.width() - 210, 20),
                          QStringLiteral("最高(32位)"), QStringLiteral("颜色质量"));
                xp::button(c, QRect(page.right() - 190, page.top() + 250, 90, 23),
                           QStringLiteral("疑难解答(T)..."));
                xp::button(c, QRect(page.right() - 92, page.top() + 250, 90, 23), QStringLiteral("高级(V)"));
                break;
            }
            }
        });
}

void diskProperties(Scenes& s, const QString& name, const QString& drive, int tab)
{
    s.sheet(name, QSize(370, 440), drive + QStringLiteral(" 属性"),
            {QStringLiteral("常规"), QStringLiteral("工具"), QStringLiteral("硬件"), QStringLiteral("共享"),
             QStringLiteral("配额")},
            tab, [=](Canvas& c, const QRect& page) {
                QPainter& p = c.p();
                if (tab == 0) {
                    xp::icon(p, QRectF(page.left() + 4, page.top() + 2, 32, 32), Icon::HardDisk);
                    xp::edit(c, QRect(page.left() + 60, page.top() + 8, 200, 20), QString(),
                             QStringLiteral("卷标"));
                    const QStringList rows{QStringLiteral("类型：        本地磁盘"),
                                           QStringLiteral("文件系统：    NTFS"),
                                           QStringLiteral("已用空间：    6,442,450,944 字节    6.00 GB"),
                                           QStringLiteral("可用空间：    4,294,967,296 字节    4.00 GB"),
                                           QStringLiteral("容量：        10,737,418,240 字节   10.0 GB")};
                    int y = page.top() + 44;
                    for (const QString& r : rows) {
                        xp::label(c, QRect(page.left() + 4, y, page.width() - 8, 18), r);
                        y += 22;
                    }
                    // The pie of used and free space.
                    const QRect pie(page.center().x() - 50, y + 6, 100, 60);
                    p.setPen(QPen(Qt::black, 1));
                    p.setBrush(QColor(0xFF, 0x00, 0xFF));
                    p.drawPie(pie, 90 * 16, 144 * 16);
                    p.setBrush(QColor(0x00, 0x00, 0xFF));
                    p.drawPie(pie, 234 * 16, 216 * 16);
                    xp::label(c, QRect(page.center().x() - 40, y + 70, 100, 16),
                              QStringLiteral("驱动器 ") + drive.right(3).left(2),
                              Qt::AlignLeft | Qt::AlignVCenter);
                    xp::button(c, QRect(page.right() - 90, y + 66, 88, 23), QStringLiteral("磁盘清理(D)"));
                    xp::checkBox(c, {page.left() + 4, y + 100}, QStringLiteral("压缩驱动器以节约磁盘空间(C)"),
                                 false);
                    xp::checkBox(c, {page.left() + 4, y + 122},
                                 QStringLiteral("允许索引服务编制该磁盘的索引以便快速搜索文件(I)"), true);
                } else {
                    const struct {
                        QString title;
                        QString text;
                        QString button;
                        Icon icon;
                    } groups[] = {{QStringLiteral("查错"), QStringLiteral("该选项将检查卷中的错误。"),
                                   QStringLiteral("开始检查(C)..."), Icon::HardDisk},
                                  {QStringLiteral("碎片整理"),
                                   QStringLiteral("该选项将对卷中的文件进行碎片整理。"),
                                   QStringLiteral("开始整理(D)..."), Icon::Defrag},
                                  {QStringLiteral("备份"), QStringLiteral("该选项将备份卷中的文件。"),
                                   QStringLiteral("开始备份(B)..."), Icon::Floppy}};
                    int y = page.top();
                    for (const auto& g : groups) {
                        xp::group(c, QRect(page.left(), y, page.width(), 84), g.title);
                        xp::icon(p, QRectF(page.left() + 10, y + 20, 32, 32), g.icon);
                        xp::label(c, QRect(page.left() + 52, y + 22, page.width() - 60, 16), g.text);
                        xp::button(c, QRect(page.right() - 104, y + 52, 96, 23), g.button);
                        y += 94;
                    }
                }
            });
}

} // namespace sample::dialogs
