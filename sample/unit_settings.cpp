// Unit 3: Control Panel and the settings of the system.
#include "common/record.h"
#include "sample/context_menus.h"
#include "sample/dialogs.h"
#include "sample/flows.h"
#include "sample/layout.h"
#include "sample/model.h"
#include "sample/screens.h"

namespace sample {

using namespace screens;
using dialogs::DialogAt;
using xp::Icon;

namespace {

const QStringList Months{QStringLiteral("一月"), QStringLiteral("二月"),   QStringLiteral("三月"),
                         QStringLiteral("四月"), QStringLiteral("五月"),   QStringLiteral("六月"),
                         QStringLiteral("七月"), QStringLiteral("八月"),   QStringLiteral("九月"),
                         QStringLiteral("十月"), QStringLiteral("十一月"), QStringLiteral("十二月")};

const QStringList Zones{QStringLiteral("(GMT+05:30) 马德拉斯，加尔各答，孟买，新德里"),
                        QStringLiteral("(GMT+06:00) 阿斯塔纳，达卡"),
                        QStringLiteral("(GMT+07:00) 曼谷，河内，雅加达"),
                        QStringLiteral("(GMT+08:00) 北京，重庆，香港特别行政区，乌鲁木齐"),
                        QStringLiteral("(GMT+08:00) 台北"),
                        QStringLiteral("(GMT+09:00) 东京，大坂，札幌"),
                        QStringLiteral("(GMT+09:00) 汉城")};

const QStringList MonitorTimes{
    QStringLiteral("1 分钟之后"),  QStringLiteral("2 分钟之后"),  QStringLiteral("5 分钟之后"),
    QStringLiteral("10 分钟之后"), QStringLiteral("15 分钟之后"), QStringLiteral("20 分钟之后"),
    QStringLiteral("30 分钟之后"), QStringLiteral("1 小时之后"),  QStringLiteral("从不")};

const QStringList Keyboards{
    QStringLiteral("中文(简体) - 美式键盘"), QStringLiteral("中文(简体) - 微软拼音输入法 3.0 版"),
    QStringLiteral("中文(简体) - 全拼"),     QStringLiteral("中文(简体) - 双拼"),
    QStringLiteral("中文(简体) - 郑码"),     QStringLiteral("中文(简体) - 智能ABC")};

struct DateTimeState {
    int tab = 0;
    int month = 5;
    QString year = QStringLiteral("2007");
    int day = 15;
    int zone = 2;
};

void dateTime(Scenes& s, const QString& name, const DateTimeState& st)
{
    s.sheet(
        name, QSize(420, 400), QStringLiteral("日期和时间 属性"),
        {QStringLiteral("时间和日期"), QStringLiteral("时区"), QStringLiteral("Internet 时间")}, st.tab,
        [st](Canvas& c, const QRect& page) {
            QPainter& p = c.p();
            if (st.tab == 1) {
                xp::combo(c, QRect(page.left(), page.top() + 4, page.width(), 20), Zones[st.zone],
                          QStringLiteral("时区"));
                c.mark(QStringLiteral("列表区:时区"), QRect(page.left(), page.top() + 4, page.width(), 132));
                // A small map of the world.
                const QRect map(page.left(), page.top() + 34, page.width(), 180);
                p.fillRect(map, QColor(0x1C, 0x3C, 0x8C));
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0x38, 0x9C, 0x38));
                p.drawEllipse(QRect(map.left() + 30, map.top() + 30, 90, 70));
                p.drawEllipse(QRect(map.left() + 60, map.top() + 100, 50, 60));
                p.drawEllipse(QRect(map.left() + 160, map.top() + 20, 180, 80));
                p.drawEllipse(QRect(map.left() + 290, map.top() + 110, 50, 40));
                xp::checkBox(c, {page.left(), map.bottom() + 12}, QStringLiteral("自动调整夏令时(U)"), true);
                return;
            }
            if (st.tab == 2) return;
            xp::group(c, QRect(page.left(), page.top(), 210, 230), QStringLiteral("日期(D)"));
            xp::combo(c, QRect(page.left() + 8, page.top() + 20, 100, 20), Months[st.month],
                      QStringLiteral("月份"));
            c.mark(QStringLiteral("列表区:月份"), QRect(page.left() + 8, page.top() + 20, 100, 200));
            xp::edit(c, QRect(page.left() + 116, page.top() + 20, 70, 20), st.year, QStringLiteral("年份"));
            // The spin buttons of the year.
            p.fillRect(QRect(page.left() + 186, page.top() + 20, 14, 20), QColor(0xC1, 0xD3, 0xFB));
            const QStringList week{QStringLiteral("日"), QStringLiteral("一"), QStringLiteral("二"),
                                   QStringLiteral("三"), QStringLiteral("四"), QStringLiteral("五"),
                                   QStringLiteral("六")};
            const QRect cal(page.left() + 8, page.top() + 48, 196, 170);
            p.fillRect(cal, Qt::white);
            p.fillRect(QRect(cal.left(), cal.top(), cal.width(), 20), QColor(0xA0, 0xA0, 0xA0));
            for (int d = 0; d < 7; ++d)
                xp::text(p, QRect(cal.left() + 28 * d, cal.top(), 28, 20), week[d], Qt::AlignCenter,
                         Qt::white);
            const int firstColumn = 5;
            for (int day = 1; day <= 31; ++day) {
                const int k = firstColumn + day - 1;
                const QRect cell(cal.left() + 28 * (k % 7), cal.top() + 22 + 24 * (k / 7), 28, 24);
                if (day == st.day) p.fillRect(cell.adjusted(2, 2, -2, -2), QColor(0x31, 0x6A, 0xC5));
                xp::text(p, cell, QString::number(day), Qt::AlignCenter,
                         day == st.day ? Qt::white : Qt::black);
                c.mark(QStringLiteral("日期:") + QString::number(day), cell);
            }
            xp::group(c, QRect(page.left() + 220, page.top(), page.width() - 220, 230),
                      QStringLiteral("时间(T)"));
            const QRect clock(page.left() + 240, page.top() + 30, 130, 130);
            p.setPen(QPen(QColor(0x30, 0x30, 0x40), 2));
            p.setBrush(Qt::white);
            p.drawEllipse(clock);
            p.drawLine(clock.center(), clock.center() + QPoint(0, -45));
            p.drawLine(clock.center(), clock.center() + QPoint(35, 10));
            xp::edit(c, QRect(page.left() + 250, page.top() + 180, 110, 20), QStringLiteral("10:30:00"),
                     QStringLiteral("时间"));
            xp::label(c, QRect(page.left(), page.top() + 240, page.width(), 18),
                      QStringLiteral("当前时区：中国标准时间"));
        },
        st.tab == 0 && (st.year != QStringLiteral("2007") || st.month != 5 || st.day != 15));
}

// The classic Control Panel with a dialog of one of its items.
void classicWith(Scenes& s, const QString& name)
{
    s.screen(name, [](Canvas& c) { classicControlPanel(c); });
}

void userAccounts(Canvas& c, int stage, bool created)
{
    xp::Desk d;
    d.taskbar.tasks = {QStringLiteral("用户帐户")};
    d.taskbar.taskIcons = {Icon::Users};
    d.taskbar.active = 0;
    xp::desktop(c, d);
    appWindow(
        c,
        AppWindow{QRect(0, 0, 800, layout::TaskbarTop), QStringLiteral("用户帐户"), Icon::Users, {}, 0, true},
        [&](Canvas& cc, const QRect& r) {
            QPainter& p = cc.p();
            p.fillRect(r, Qt::white);
            QLinearGradient g(0, r.top(), 0, r.bottom());
            g.setColorAt(0, QColor(0x7B, 0xA2, 0xE7));
            g.setColorAt(1, QColor(0x63, 0x75, 0xD6));
            p.fillRect(QRect(r.left(), r.top(), 200, r.height()), g);
            xp::text(p, QRect(r.left() + 14, r.top() + 20, 180, 20), QStringLiteral("学习"),
                     Qt::AlignLeft | Qt::AlignVCenter, Qt::white, 13, true);
            xp::link(cc, QPoint(r.left() + 14, r.top() + 48), QStringLiteral("用户帐户"), Icon::Help,
                     Qt::white);
            xp::link(cc, QPoint(r.left() + 14, r.top() + 70), QStringLiteral("用户帐户类型"), Icon::Help,
                     Qt::white);
            const int x = r.left() + 230;
            int y = r.top() + 30;
            switch (stage) {
            case 0:
                xp::text(p, QRect(x, y, 500, 30), QStringLiteral("挑选一项任务..."),
                         Qt::AlignLeft | Qt::AlignVCenter, QColor(0x00, 0x33, 0x99), 20, true);
                xp::link(cc, QPoint(x + 10, y += 46), QStringLiteral("更改帐户"), Icon::Users);
                xp::link(cc, QPoint(x + 10, y += 28), QStringLiteral("创建一个新帐户"), Icon::Users);
                xp::link(cc, QPoint(x + 10, y += 28), QStringLiteral("更改用户登录或注销的方式"),
                         Icon::Users);
                xp::text(p, QRect(x, y += 50, 500, 30), QStringLiteral("或挑一个帐户做更改"),
                         Qt::AlignLeft | Qt::AlignVCenter, QColor(0x00, 0x33, 0x99), 16, true);
                y += 40;
                for (const auto& [who, kind] :
                     QList<std::pair<QString, QString>>{
                         {QStringLiteral("Administrator"), QStringLiteral("计算机管理员")},
                         {QStringLiteral("Guest"), QStringLiteral("来宾帐户没有启用")}} +
                         (created ? QList<std::pair<QString, QString>>{{QStringLiteral("张三"),
                                                                        QStringLiteral("计算机管理员")}}
                                  : QList<std::pair<QString, QString>>{})) {
                    xp::icon(p, QRectF(x, y, 48, 48), Icon::UserPicture);
                    xp::text(p, QRect(x + 56, y + 4, 200, 20), who, Qt::AlignLeft | Qt::AlignVCenter,
                             Qt::black, 13, true);
                    xp::text(p, QRect(x + 56, y + 24, 200, 20), kind, Qt::AlignLeft | Qt::AlignVCenter,
                             QColor(0x60, 0x60, 0x60));
                    y += 60;
                }
                break;
            case 1:
                xp::text(p, QRect(x, y, 500, 30), QStringLiteral("为新帐户起名"),
                         Qt::AlignLeft | Qt::AlignVCenter, QColor(0x00, 0x33, 0x99), 20, true);
                xp::label(cc, QRect(x, y += 50, 400, 18), QStringLiteral("为新帐户键入一个名称(T):"));
                xp::edit(cc, QRect(x, y += 22, 220, 20), QString(), QStringLiteral("新帐户名"));
                xp::label(cc, QRect(x, y += 30, 500, 18),
                          QStringLiteral("这个名称会出现在欢迎屏幕和「开始」菜单上。"));
                xp::button(cc, QRect(x + 60, y += 50, 90, 23), QStringLiteral("下一步(N) >"), true);
                xp::button(cc, QRect(x + 158, y, 75, 23), QStringLiteral("取消"));
                break;
            default:
                xp::text(p, QRect(x, y, 500, 30), QStringLiteral("挑选一个帐户类型"),
                         Qt::AlignLeft | Qt::AlignVCenter, QColor(0x00, 0x33, 0x99), 20, true);
                xp::radio(cc, {x, y += 50}, QStringLiteral("计算机管理员(A)"), true);
                xp::radio(cc, {x + 150, y}, QStringLiteral("受限(L)"), false);
                xp::label(cc, QRect(x, y += 30, 220, 90),
                          QStringLiteral(
                              "使用计算机管理员帐户，您可以：\n· 创建、更改和删除帐户\n· 进行系统范围的更改\n"
                              "· 安装程序并访问所有文件"),
                          Qt::AlignLeft | Qt::AlignTop);
                xp::button(cc, QRect(x, y += 100, 90, 23), QStringLiteral("< 上一步(B)"));
                xp::button(cc, QRect(x + 98, y, 90, 23), QStringLiteral("创建帐户(C)"), true);
                xp::button(cc, QRect(x + 196, y, 75, 23), QStringLiteral("取消"));
                break;
            }
        });
}

void addScenes(Scenes& s)
{
    // Display properties for the screen saver, the background and the resolution.
    dialogs::DisplayState st;
    dialogs::displayProperties(s, QStringLiteral("显示属性-主题"), 0, st);
    dialogs::displayProperties(s, QStringLiteral("显示属性-屏幕保护"), 2, st);
    st.saver = QStringLiteral("三维文字");
    dialogs::displayProperties(s, QStringLiteral("显示属性-三维文字"), 2, st);
    st.wait = QStringLiteral("5");
    dialogs::displayProperties(s, QStringLiteral("显示属性-三维文字-5"), 2, st);
    dialogs::DisplayState bg;
    bg.position = QStringLiteral("居中");
    dialogs::displayProperties(s, QStringLiteral("显示属性-桌面"), 1, bg);
    bg.background = QStringLiteral("Azul");
    dialogs::displayProperties(s, QStringLiteral("显示属性-桌面-Azul"), 1, bg);
    bg.position = QStringLiteral("拉伸");
    dialogs::displayProperties(s, QStringLiteral("显示属性-桌面-Azul-拉伸"), 1, bg);
    dialogs::DisplayState res;
    dialogs::displayProperties(s, QStringLiteral("显示属性-设置"), 4, res);
    res.resolution = 2;
    dialogs::displayProperties(s, QStringLiteral("显示属性-设置-1024"), 4, res);
    {
        xp::Desk d;
        d.wallpaper = QStringLiteral("Azul");
        s.screen(QStringLiteral("桌面-Azul"), [d](Canvas& c) { xp::desktop(c, d); });
        s.add(QStringLiteral("示意图-Azul"), QSize(400, 300), [d](Canvas& c) {
            Canvas full(QSize(800, 600));
            xp::desktop(full, d);
            c.p().drawImage(c.rect(), full.finish());
        });
    }
    s.screen(QStringLiteral("黑屏"), [](Canvas& c) { c.p().fillRect(c.rect(), Qt::black); });
    dialogs::messageBox(s, QStringLiteral("监视器设置"), QStringLiteral("监视器设置"), Icon::Question,
                        {QStringLiteral("您的桌面已重新配置。要保留这些设置吗？"),
                         QStringLiteral("15 秒后将恢复到以前的设置。")},
                        {QStringLiteral("是(Y)"), QStringLiteral("否(N)")});

    // Control Panel: the categories, the date page and the classic view.
    s.screen(QStringLiteral("控制面板"), [](Canvas& c) {
        controlPanelWindow(
            c, [](Canvas& cc, QPoint at) { controlPanelPage(cc, at, 0); }, QStringLiteral("控制面板"));
    });
    s.screen(QStringLiteral("控制面板-日期时间"), [](Canvas& c) {
        controlPanelWindow(
            c,
            [](Canvas& cc, QPoint at) {
                categoryPage(cc, at,
                             {QStringLiteral("日期、时间、语言和区域设置"),
                              Icon::DateTime,
                              {{Icon::DateTime, QStringLiteral("更改日期和时间")},
                               {Icon::Region, QStringLiteral("更改数字、日期和时间的格式")},
                               {Icon::Region, QStringLiteral("添加其他语言")}},
                              {{Icon::DateTime, QStringLiteral("日期和时间")},
                               {Icon::Region, QStringLiteral("区域和语言选项")}},
                              {QStringLiteral("打印机和其它硬件")},
                              {}});
            },
            QStringLiteral("日期、时间、语言和区域设置"));
    });
    classicWith(s, QStringLiteral("控制面板-经典"));
    dateTime(s, QStringLiteral("日期和时间属性"), {});
    dateTime(s, QStringLiteral("日期和时间属性-八月"), {0, 7});
    dateTime(s, QStringLiteral("日期和时间属性-2008"), {0, 7, QStringLiteral("2008")});
    dateTime(s, QStringLiteral("日期和时间属性-8日"), {0, 7, QStringLiteral("2008"), 8});
    dateTime(s, QStringLiteral("日期和时间属性-时区"), {1});
    dateTime(s, QStringLiteral("日期和时间属性-北京"), {1, 5, QStringLiteral("2007"), 15, 3});

    // Mouse.
    for (const bool fastest : {false, true}) {
        s.sheet(
            fastest ? QStringLiteral("鼠标属性-最快") : QStringLiteral("鼠标属性"), QSize(380, 420),
            QStringLiteral("鼠标 属性"),
            {QStringLiteral("鼠标键"), QStringLiteral("指针"), QStringLiteral("指针选项"),
             QStringLiteral("硬件")},
            0,
            [fastest](Canvas& c, const QRect& page) {
                xp::group(c, QRect(page.left(), page.top(), page.width(), 90), QStringLiteral("鼠标键配置"));
                xp::checkBox(c, {page.left() + 10, page.top() + 24},
                             QStringLiteral("切换主要和次要的按钮(S)"), false);
                xp::icon(c.p(), QRectF(page.right() - 50, page.top() + 20, 32, 32), Icon::Mouse);
                xp::group(c, QRect(page.left(), page.top() + 100, page.width(), 100),
                          QStringLiteral("双击速度"));
                xp::label(
                    c, QRect(page.left() + 10, page.top() + 120, 240, 32),
                    QStringLiteral("双击文件夹以测试您的设置。如果文件夹\n不打开或关闭，请使用较慢的设置。"),
                    Qt::AlignLeft | Qt::AlignTop);
                xp::label(c, QRect(page.left() + 10, page.top() + 162, 40, 16), QStringLiteral("慢(W)"));
                xp::slider(c, QRect(page.left() + 50, page.top() + 158, 170, 24), 5, fastest ? 4 : 2,
                           QStringLiteral("双击速度"));
                xp::label(c, QRect(page.left() + 224, page.top() + 162, 30, 16), QStringLiteral("快"));
                xp::icon(c.p(), QRectF(page.right() - 54, page.top() + 130, 40, 40), Icon::Folder);
                xp::group(c, QRect(page.left(), page.top() + 210, page.width(), 80),
                          QStringLiteral("单击锁定"));
                xp::checkBox(c, {page.left() + 10, page.top() + 234}, QStringLiteral("启用单击锁定(T)"),
                             false);
                xp::button(c, QRect(page.right() - 86, page.top() + 230, 78, 23),
                           QStringLiteral("设置(E)..."));
            },
            fastest);
    }

    // Regional and language options and the input languages.
    for (const int tab : {0, 1}) {
        s.sheet(tab == 0 ? QStringLiteral("区域和语言选项-区域选项") : QStringLiteral("区域和语言选项-语言"),
                QSize(400, 440), QStringLiteral("区域和语言选项"),
                {QStringLiteral("区域选项"), QStringLiteral("语言"), QStringLiteral("高级")}, tab,
                [tab](Canvas& c, const QRect& page) {
                    if (tab == 0) {
                        xp::group(c, QRect(page.left(), page.top(), page.width(), 150),
                                  QStringLiteral("标准和格式"));
                        xp::combo(c, QRect(page.left() + 10, page.top() + 40, page.width() - 110, 20),
                                  QStringLiteral("中文(中国)"), QStringLiteral("标准和格式"));
                        xp::button(c, QRect(page.right() - 90, page.top() + 40, 80, 23),
                                   QStringLiteral("自定义(R)..."));
                        const QStringList samples{
                            QStringLiteral("数字：123,456,789.00"), QStringLiteral("货币：￥123,456,789.00"),
                            QStringLiteral("时间：10:30:00"), QStringLiteral("短日期：2007-6-15")};
                        int y = page.top() + 70;
                        for (const QString& t : samples) {
                            xp::label(c, QRect(page.left() + 10, y, page.width() - 20, 18), t);
                            y += 18;
                        }
                        xp::group(c, QRect(page.left(), page.top() + 160, page.width(), 70),
                                  QStringLiteral("位置"));
                        xp::combo(c, QRect(page.left() + 10, page.top() + 190, page.width() - 20, 20),
                                  QStringLiteral("中国"), QStringLiteral("位置"));
                        return;
                    }
                    xp::group(c, QRect(page.left(), page.top(), page.width(), 100),
                              QStringLiteral("文字服务和输入语言"));
                    xp::label(c, QRect(page.left() + 10, page.top() + 20, page.width() - 20, 36),
                              QStringLiteral("要查看或更改您用来输入文字的语言和方法，\n请单击“详细信息”。"),
                              Qt::AlignLeft | Qt::AlignTop);
                    xp::button(c, QRect(page.right() - 100, page.top() + 64, 90, 23),
                               QStringLiteral("详细信息(D)..."));
                    xp::group(c, QRect(page.left(), page.top() + 110, page.width(), 100),
                              QStringLiteral("补充的语言支持"));
                    xp::checkBox(c, {page.left() + 10, page.top() + 136},
                                 QStringLiteral("为复杂文字和从右到左的语言安装文件(T)"), false);
                    xp::checkBox(c, {page.left() + 10, page.top() + 160},
                                 QStringLiteral("为东亚语言安装文件(E)"), true);
                });
    }
    for (const bool added : {false, true}) {
        s.sheet(added ? QStringLiteral("文字服务和输入语言-全拼") : QStringLiteral("文字服务和输入语言"),
                QSize(380, 400), QStringLiteral("文字服务和输入语言"),
                {QStringLiteral("设置"), QStringLiteral("高级")}, 0, [added](Canvas& c, const QRect& page) {
                    xp::group(c, QRect(page.left(), page.top(), page.width(), 56),
                              QStringLiteral("默认输入语言(L)"));
                    xp::combo(c, QRect(page.left() + 10, page.top() + 24, page.width() - 20, 20),
                              QStringLiteral("中文(中国) - 中文(简体) - 美式键盘"),
                              QStringLiteral("默认输入语言"));
                    xp::group(c, QRect(page.left(), page.top() + 64, page.width(), 190),
                              QStringLiteral("已安装的服务(I)"));
                    QStringList rows{QStringLiteral("中文(中国)"), QStringLiteral("    键盘"),
                                     QStringLiteral("      · 中文(简体) - 美式键盘"),
                                     QStringLiteral("      · 中文(简体) - 微软拼音输入法 3.0 版")};
                    if (added) rows.append(QStringLiteral("      · 中文(简体) - 全拼"));
                    xp::listBox(c, QRect(page.left() + 10, page.top() + 84, page.width() - 110, 160), rows,
                                -1, QStringLiteral("已安装的服务"));
                    xp::button(c, QRect(page.right() - 92, page.top() + 84, 82, 23),
                               QStringLiteral("添加(D)..."));
                    xp::button(c, QRect(page.right() - 92, page.top() + 114, 82, 23),
                               QStringLiteral("删除(R)"));
                    xp::button(c, QRect(page.right() - 92, page.top() + 144, 82, 23),
                               QStringLiteral("属性(P)..."));
                });
    }
    for (const bool chosen : {false, true}) {
        s.dialog(chosen ? QStringLiteral("添加输入语言-全拼") : QStringLiteral("添加输入语言"),
                 QSize(330, 200), QStringLiteral("添加输入语言"), [chosen](Canvas& c, const QRect& client) {
                     xp::label(c, QRect(client.left() + 12, client.top() + 12, 200, 18),
                               QStringLiteral("输入语言(I):"));
                     xp::combo(c, QRect(client.left() + 12, client.top() + 32, client.width() - 24, 20),
                               QStringLiteral("中文(中国)"), QStringLiteral("输入语言"));
                     xp::label(c, QRect(client.left() + 12, client.top() + 62, 220, 18),
                               QStringLiteral("键盘布局/输入法(K):"));
                     xp::combo(c, QRect(client.left() + 12, client.top() + 82, client.width() - 24, 20),
                               chosen ? Keyboards[2] : Keyboards[0], QStringLiteral("键盘布局/输入法"));
                     c.mark(QStringLiteral("列表区:键盘布局/输入法"),
                            QRect(client.left() + 12, client.top() + 82, client.width() - 24, 100));
                     xp::button(c, QRect(client.right() - 170, client.bottom() - 32, 75, 23),
                                QStringLiteral("确定"), true);
                     xp::button(c, QRect(client.right() - 88, client.bottom() - 32, 75, 23),
                                QStringLiteral("取消"));
                 });
    }

    // User accounts.
    s.screen(QStringLiteral("用户帐户"), [](Canvas& c) { userAccounts(c, 0, false); });
    s.screen(QStringLiteral("用户帐户-命名"), [](Canvas& c) { userAccounts(c, 1, false); });
    s.screen(QStringLiteral("用户帐户-类型"), [](Canvas& c) { userAccounts(c, 2, false); });
    s.screen(QStringLiteral("用户帐户-张三"), [](Canvas& c) { userAccounts(c, 0, true); });

    // Power options and sounds.
    for (const bool changed : {false, true}) {
        s.sheet(
            changed ? QStringLiteral("电源选项属性-15") : QStringLiteral("电源选项属性"), QSize(390, 420),
            QStringLiteral("电源选项 属性"),
            {QStringLiteral("电源使用方案"), QStringLiteral("高级"), QStringLiteral("休眠"),
             QStringLiteral("UPS")},
            0,
            [changed](Canvas& c, const QRect& page) {
                xp::icon(c.p(), QRectF(page.left() + 4, page.top() + 4, 32, 32), Icon::Power);
                xp::label(c, QRect(page.left() + 44, page.top() + 4, page.width() - 48, 36),
                          QStringLiteral(
                              "选择最适合您的计算机的电源使用方案。注意更\n改下面的设置将修改所选的方案。"),
                          Qt::AlignLeft | Qt::AlignTop);
                xp::group(c, QRect(page.left(), page.top() + 48, page.width(), 70),
                          QStringLiteral("电源使用方案(S)"));
                xp::combo(c, QRect(page.left() + 10, page.top() + 70, page.width() - 20, 20),
                          QStringLiteral("家用/办公桌"), QStringLiteral("电源使用方案"));
                xp::button(c, QRect(page.right() - 170, page.top() + 94, 80, 20),
                           QStringLiteral("另存为(A)..."));
                xp::button(c, QRect(page.right() - 84, page.top() + 94, 74, 20), QStringLiteral("删除(D)"));
                xp::group(c, QRect(page.left(), page.top() + 126, page.width(), 120),
                          QStringLiteral("家用/办公桌 电源使用方案设置"));
                const int y = page.top() + 150;
                xp::label(c, QRect(page.left() + 10, y, 110, 20), QStringLiteral("关闭监视器(M):"));
                xp::combo(c, QRect(page.left() + 130, y, 160, 20), MonitorTimes[changed ? 4 : 5],
                          QStringLiteral("关闭监视器"));
                c.mark(QStringLiteral("列表区:关闭监视器"), QRect(page.left() + 130, y, 160, 150));
                xp::label(c, QRect(page.left() + 10, y + 30, 110, 20), QStringLiteral("关闭硬盘(I):"));
                xp::combo(c, QRect(page.left() + 130, y + 30, 160, 20), QStringLiteral("30 分钟之后"),
                          QStringLiteral("关闭硬盘"));
                xp::label(c, QRect(page.left() + 10, y + 60, 110, 20), QStringLiteral("系统待机(T):"));
                xp::combo(c, QRect(page.left() + 130, y + 60, 160, 20), QStringLiteral("从不"),
                          QStringLiteral("系统待机"));
            },
            changed);
    }
    for (const bool ticked : {false, true}) {
        s.sheet(
            ticked ? QStringLiteral("声音和音频设备属性-音量图标") : QStringLiteral("声音和音频设备属性"),
            QSize(390, 430), QStringLiteral("声音和音频设备 属性"),
            {QStringLiteral("音量"), QStringLiteral("声音"), QStringLiteral("音频"), QStringLiteral("语声"),
             QStringLiteral("硬件")},
            0,
            [ticked](Canvas& c, const QRect& page) {
                xp::icon(c.p(), QRectF(page.left() + 4, page.top() + 4, 32, 32), Icon::Sound);
                xp::label(c, QRect(page.left() + 48, page.top() + 12, 220, 18),
                          QStringLiteral("Realtek AC97 Audio"));
                xp::group(c, QRect(page.left(), page.top() + 48, page.width(), 150),
                          QStringLiteral("设备音量"));
                xp::label(c, QRect(page.left() + 10, page.top() + 72, 30, 18), QStringLiteral("低"));
                xp::slider(c, QRect(page.left() + 40, page.top() + 68, 220, 24), 11, 7,
                           QStringLiteral("设备音量"));
                xp::label(c, QRect(page.left() + 264, page.top() + 72, 30, 18), QStringLiteral("高"));
                xp::checkBox(c, {page.left() + 10, page.top() + 108}, QStringLiteral("静音(M)"), false);
                xp::checkBox(c, {page.left() + 10, page.top() + 132},
                             QStringLiteral("将音量图标放入任务栏(I)"), ticked);
                xp::button(c, QRect(page.right() - 90, page.top() + 160, 80, 23),
                           QStringLiteral("高级(D)..."));
                xp::group(c, QRect(page.left(), page.top() + 208, page.width(), 80),
                          QStringLiteral("扬声器设置"));
                xp::button(c, QRect(page.left() + 20, page.top() + 250, 110, 23),
                           QStringLiteral("扬声器音量(S)..."));
                xp::button(c, QRect(page.left() + 150, page.top() + 250, 80, 23),
                           QStringLiteral("高级(V)..."));
            },
            ticked);
    }

    // The Start menu's style and the printers.
    dialogs::taskbarProperties(s, QStringLiteral("开始菜单属性"), 1, false, false);
    dialogs::taskbarProperties(s, QStringLiteral("开始菜单属性-经典"), 1, false, true);
    {
        xp::Desk d;
        d.taskbar.classicStart = true;
        s.screen(QStringLiteral("桌面-经典开始"), [d](Canvas& c) { xp::desktop(c, d); });
    }
    for (const bool isDefault : {false, true}) {
        Explorer e{QStringLiteral("打印机和传真"), Icon::Printer, QStringLiteral("打印机和传真"), 1};
        e.items = {{Icon::Printer, QStringLiteral("HP LaserJet 1020"),
                    isDefault ? QStringLiteral("默认打印机  就绪") : QStringLiteral("0 个文档  就绪")},
                   {Icon::Printer, QStringLiteral("Microsoft Office Document Image Writer"),
                    isDefault ? QStringLiteral("0 个文档  就绪") : QStringLiteral("默认打印机  就绪")}};
        s.screen(isDefault ? QStringLiteral("打印机和传真-默认") : QStringLiteral("打印机和传真"),
                 [e](Canvas& c) { explorer(c, e); });
    }
}

// A slider's thumb dragged along its track from position `from` to `to`: a press on the thumb (the
// second target), a drag and a release on the new position ("0050"). With no window ("EE") a plain
// press on the thumb does not pass the step by itself.
StepDef dragSlider(const QString& bg, const QString& slider, int from, int to, const QString& hint)
{
    const auto place = [&slider](int at) { return QStringLiteral("滑块:%1:%2").arg(slider).arg(at); };
    StepDef s = click(bg, place(to), hint).alsoBy(place(from)).pointer(QStringLiteral("S09"));
    s.action = QStringLiteral("0050");
    s.at(common::col::WinCode, QStringLiteral("EE"));
    return s;
}

} // namespace

UnitDef unitSettings(Scenes& s)
{
    addScenes(s);
    const QString deskProperties = QStringLiteral("在桌面空白处单击鼠标右键，选择“属性”");
    const int deskPropertiesCode = menuCode(QStringLiteral("桌面"), QStringLiteral("属性(R)"));
    const QString classic = QStringLiteral("控制面板-经典");
    // The dialog a double click opens comes up by itself; the candidate's next click is a step of its own.
    const auto opening = [](const QString& bg, const QString& dialog, const QString& title) {
        return wait(bg, QStringLiteral("正在打开“%1”，请稍候").arg(title)).over(1, dialog, DialogAt);
    };
    UnitDef u;
    u.title = QStringLiteral("控制面板与系统设置");
    u.questions = {
        {QStringLiteral("将屏幕保护程序设置为“三维文字”，等待时间为 5 分钟。"),
         {contextPick(QStringLiteral("桌面"), QStringLiteral("桌面:空白"), deskPropertiesCode,
                      deskProperties),
          click(QStringLiteral("桌面"), QStringLiteral("选项卡:屏幕保护程序"),
                QStringLiteral("单击“屏幕保护程序”选项卡"))
              .over(1, QStringLiteral("显示属性-主题"), DialogAt),
          pickFromList(QStringLiteral("桌面"), QStringLiteral("列表区:屏幕保护程序"), dialogs::screenSavers(),
                       1, 2, QStringLiteral("在“屏幕保护程序”列表中选择“三维文字”"))
              .over(1, QStringLiteral("显示属性-屏幕保护"), DialogAt),
          typeText(QStringLiteral("0021"), QStringLiteral("桌面"), QStringLiteral("文本框:等待"), QString(),
                   QStringLiteral("5"))
              .over(1, QStringLiteral("显示属性-三维文字"), DialogAt),
          click(QStringLiteral("桌面"), QStringLiteral("按钮:确定"), QStringLiteral("单击“确定”"))
              .over(1, QStringLiteral("显示属性-三维文字-5"), DialogAt),
          done(QStringLiteral("桌面"))}},
        {QStringLiteral("将桌面背景设置为“Azul”，位置为“拉伸”（效果如图）。"),
         {contextPick(QStringLiteral("桌面"), QStringLiteral("桌面:空白"), deskPropertiesCode,
                      deskProperties),
          click(QStringLiteral("桌面"), QStringLiteral("选项卡:桌面"), QStringLiteral("单击“桌面”选项卡"))
              .over(1, QStringLiteral("显示属性-主题"), DialogAt),
          pickFromList(QStringLiteral("桌面"), QStringLiteral("列表区:背景"), dialogs::backgrounds(), 4, 3,
                       QStringLiteral("在“背景”列表中选择“Azul”"))
              .over(1, QStringLiteral("显示属性-桌面"), DialogAt),
          pickFromList(QStringLiteral("桌面"), QStringLiteral("列表区:位置"),
                       {QStringLiteral("居中"), QStringLiteral("平铺"), QStringLiteral("拉伸")}, 0, 2,
                       QStringLiteral("在“位置”列表中选择“拉伸”"))
              .over(1, QStringLiteral("显示属性-桌面-Azul"), DialogAt),
          click(QStringLiteral("桌面"), QStringLiteral("按钮:确定"), QStringLiteral("单击“确定”"))
              .over(1, QStringLiteral("显示属性-桌面-Azul-拉伸"), DialogAt),
          done(QStringLiteral("桌面-Azul"))},
         QStringLiteral("示意图-Azul")},
        {QStringLiteral("将屏幕分辨率设置为 1024×768 像素，并保留新的设置。"),
         {contextPick(QStringLiteral("桌面"), QStringLiteral("桌面:空白"), deskPropertiesCode,
                      deskProperties),
          click(QStringLiteral("桌面"), QStringLiteral("选项卡:设置"), QStringLiteral("单击“设置”选项卡"))
              .over(1, QStringLiteral("显示属性-主题"), DialogAt),
          dragSlider(QStringLiteral("桌面"), QStringLiteral("屏幕分辨率"), 1, 2,
                     QStringLiteral("将滑块拖到“1024 × 768 像素”"))
              .over(1, QStringLiteral("显示属性-设置"), DialogAt),
          click(QStringLiteral("桌面"), QStringLiteral("按钮:确定"), QStringLiteral("单击“确定”"))
              .over(1, QStringLiteral("显示属性-设置-1024"), DialogAt),
          wait(QStringLiteral("黑屏"), QStringLiteral("正在更改显示设置，请稍候")),
          click(QStringLiteral("桌面"), QStringLiteral("按钮:是(Y)"), QStringLiteral("单击“是”保留设置"))
              .over(1, QStringLiteral("监视器设置"), QPoint(150, 200)),
          done(QStringLiteral("桌面"))}},
        {QStringLiteral("在已打开的“控制面板”中，将系统日期改为 2008 年 8 月 8 日。"),
         {click(QStringLiteral("控制面板"), QStringLiteral("链接:日期、时间、语言和区域设置"),
                QStringLiteral("单击“日期、时间、语言和区域设置”"))
              .pointer(QStringLiteral("M01")),
          click(QStringLiteral("控制面板-日期时间"), QStringLiteral("链接:更改日期和时间"),
                QStringLiteral("单击“更改日期和时间”"))
              .pointer(QStringLiteral("M01")),
          pickFromList(QStringLiteral("控制面板-日期时间"), QStringLiteral("列表区:月份"), Months, 5, 7,
                       QStringLiteral("在月份列表中选择“八月”"))
              .over(1, QStringLiteral("日期和时间属性"), DialogAt),
          typeText(QStringLiteral("0027"), QStringLiteral("控制面板-日期时间"), QStringLiteral("文本框:年份"),
                   QString(), QStringLiteral("2008"))
              .over(1, QStringLiteral("日期和时间属性-八月"), DialogAt),
          click(QStringLiteral("控制面板-日期时间"), QStringLiteral("日期:8"),
                QStringLiteral("单击日历中的“8”"))
              .over(1, QStringLiteral("日期和时间属性-2008"), DialogAt),
          click(QStringLiteral("控制面板-日期时间"), QStringLiteral("按钮:确定"),
                QStringLiteral("单击“确定”"))
              .over(1, QStringLiteral("日期和时间属性-8日"), DialogAt),
          done(QStringLiteral("控制面板-日期时间"))}},
        {QStringLiteral("通过“控制面板”将鼠标的双击速度调到最快。"),
         {flows::clickStart(),
          click(QStringLiteral("开始菜单"), QStringLiteral("开始:控制面板(C)"),
                QStringLiteral("单击“控制面板”")),
          click(QStringLiteral("控制面板"), QStringLiteral("链接:切换到经典视图"),
                QStringLiteral("单击“切换到经典视图”"))
              .pointer(QStringLiteral("M01")),
          doubleClick(classic, QStringLiteral("图标:鼠标"), QStringLiteral("双击“鼠标”图标")),
          opening(classic, QStringLiteral("鼠标属性"), QStringLiteral("鼠标 属性")),
          dragSlider(classic, QStringLiteral("双击速度"), 2, 4, QStringLiteral("将“双击速度”滑块拖到最右端"))
              .over(1, QStringLiteral("鼠标属性"), DialogAt),
          click(classic, QStringLiteral("按钮:确定"), QStringLiteral("单击“确定”"))
              .over(1, QStringLiteral("鼠标属性-最快"), DialogAt),
          done(classic)}},
        {QStringLiteral("在已打开的“控制面板”中，添加“中文(简体) - 全拼”输入法。"),
         {doubleClick(classic, QStringLiteral("图标:区域和语言选项"),
                      QStringLiteral("双击“区域和语言选项”图标")),
          opening(classic, QStringLiteral("区域和语言选项-区域选项"), QStringLiteral("区域和语言选项")),
          click(classic, QStringLiteral("选项卡:语言"), QStringLiteral("单击“语言”选项卡"))
              .over(1, QStringLiteral("区域和语言选项-区域选项"), DialogAt),
          click(classic, QStringLiteral("按钮:详细信息(D)..."), QStringLiteral("单击“详细信息”"))
              .over(1, QStringLiteral("区域和语言选项-语言"), DialogAt),
          click(classic, QStringLiteral("按钮:添加(D)..."), QStringLiteral("单击“添加”"))
              .over(1, QStringLiteral("区域和语言选项-语言"), DialogAt)
              .over(2, QStringLiteral("文字服务和输入语言"), QPoint(80, 60)),
          pickFromList(classic, QStringLiteral("列表区:键盘布局/输入法"), Keyboards, 0, 2,
                       QStringLiteral("在“键盘布局/输入法”列表中选择“中文(简体) - 全拼”"))
              .over(1, QStringLiteral("区域和语言选项-语言"), DialogAt)
              .over(2, QStringLiteral("文字服务和输入语言"), QPoint(80, 60))
              .over(3, QStringLiteral("添加输入语言"), QPoint(100, 120)),
          click(classic, QStringLiteral("按钮:确定"), QStringLiteral("单击“确定”"))
              .over(1, QStringLiteral("区域和语言选项-语言"), DialogAt)
              .over(2, QStringLiteral("文字服务和输入语言"), QPoint(80, 60))
              .over(3, QStringLiteral("添加输入语言-全拼"), QPoint(100, 120)),
          done(classic)
              .over(1, QStringLiteral("区域和语言选项-语言"), DialogAt)
              .over(2, QStringLiteral("文字服务和输入语言-全拼"), QPoint(80, 60))}},
        {QStringLiteral("在已打开的“控制面板”中，创建一个名为“张三”的计算机管理员帐户。"),
         {doubleClick(classic, QStringLiteral("图标:用户帐户"), QStringLiteral("双击“用户帐户”图标")),
          wait(QStringLiteral("用户帐户"), QStringLiteral("正在打开“用户帐户”窗口，请稍候")),
          click(QStringLiteral("用户帐户"), QStringLiteral("链接:创建一个新帐户"),
                QStringLiteral("单击“创建一个新帐户”"))
              .pointer(QStringLiteral("M01")),
          typeText(QStringLiteral("0026"), QStringLiteral("用户帐户-命名"), QStringLiteral("文本框:新帐户名"),
                   QString(), QStringLiteral("张三"), QStringLiteral("按钮:下一步(N) >")),
          click(QStringLiteral("用户帐户-类型"), QStringLiteral("按钮:创建帐户(C)"),
                QStringLiteral("单击“创建帐户”")),
          done(QStringLiteral("用户帐户-张三"))}},
        {QStringLiteral("在已打开的“控制面板”中，将关闭监视器的时间设置为“15 分钟之后”。"),
         {doubleClick(classic, QStringLiteral("图标:电源选项"), QStringLiteral("双击“电源选项”图标")),
          pickFromList(classic, QStringLiteral("列表区:关闭监视器"), MonitorTimes, 5, 4,
                       QStringLiteral("在“关闭监视器”列表中选择“15 分钟之后”"))
              .over(1, QStringLiteral("电源选项属性"), DialogAt),
          click(classic, QStringLiteral("按钮:确定"), QStringLiteral("单击“确定”"))
              .over(1, QStringLiteral("电源选项属性-15"), DialogAt),
          done(classic)}},
        {QStringLiteral("在已打开的“控制面板”中，设置在任务栏上显示音量图标。"),
         {doubleClick(classic, QStringLiteral("图标:声音和音频设备"),
                      QStringLiteral("双击“声音和音频设备”图标")),
          opening(classic, QStringLiteral("声音和音频设备属性"), QStringLiteral("声音和音频设备 属性")),
          click(classic, QStringLiteral("复选框:将音量图标放入任务栏(I)"),
                QStringLiteral("选中“将音量图标放入任务栏”"))
              .over(1, QStringLiteral("声音和音频设备属性"), DialogAt),
          click(classic, QStringLiteral("按钮:确定"), QStringLiteral("单击“确定”"))
              .over(1, QStringLiteral("声音和音频设备属性-音量图标"), DialogAt),
          done(classic)}},
        {QStringLiteral(
             "在已打开的“控制面板”中，将时区设置为“(GMT+08:00) 北京，重庆，香港特别行政区，乌鲁木齐”。"),
         {doubleClick(classic, QStringLiteral("图标:日期和时间"), QStringLiteral("双击“日期和时间”图标")),
          opening(classic, QStringLiteral("日期和时间属性"), QStringLiteral("日期和时间 属性")),
          click(classic, QStringLiteral("选项卡:时区"), QStringLiteral("单击“时区”选项卡"))
              .over(1, QStringLiteral("日期和时间属性"), DialogAt),
          pickFromList(classic, QStringLiteral("列表区:时区"), Zones, 2, 3,
                       QStringLiteral("在时区列表中选择“(GMT+08:00) 北京…”"))
              .over(1, QStringLiteral("日期和时间属性-时区"), DialogAt),
          click(classic, QStringLiteral("按钮:确定"), QStringLiteral("单击“确定”"))
              .over(1, QStringLiteral("日期和时间属性-北京"), DialogAt),
          done(classic)}},
        {QStringLiteral("将「开始」菜单设置为“经典「开始」菜单”样式。"),
         {contextPick(QStringLiteral("桌面"), QStringLiteral("任务栏:开始"),
                      menuCode(QStringLiteral("开始按钮"), QStringLiteral("属性(R)")),
                      QStringLiteral("右键单击“开始”按钮，选择“属性”")),
          click(QStringLiteral("桌面"), QStringLiteral("单选:经典「开始」菜单(M)"),
                QStringLiteral("选中“经典「开始」菜单”"))
              .over(1, QStringLiteral("开始菜单属性"), DialogAt),
          click(QStringLiteral("桌面"), QStringLiteral("按钮:确定"), QStringLiteral("单击“确定”"))
              .over(1, QStringLiteral("开始菜单属性-经典"), DialogAt),
          done(QStringLiteral("桌面-经典开始"))}},
        {QStringLiteral("将打印机“HP LaserJet 1020”设置为默认打印机。"),
         {flows::clickStart(),
          click(QStringLiteral("开始菜单"), QStringLiteral("开始:打印机和传真"),
                QStringLiteral("单击“打印机和传真”")),
          contextPick(QStringLiteral("打印机和传真"), QStringLiteral("图标:HP LaserJet 1020"),
                      menuCode(QStringLiteral("打印机"), QStringLiteral("设为默认打印机(F)")),
                      QStringLiteral("右键单击“HP LaserJet 1020”，选择“设为默认打印机”")),
          done(QStringLiteral("打印机和传真-默认"))}},
    };
    return u;
}

} // namespace sample
