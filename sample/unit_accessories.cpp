// Unit 4: the accessories and the system tools.
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

const QString LongText = QStringLiteral("Windows XP 是一款视窗操作系统，它的界面美观，操作简便。在 Windows "
                                        "XP 中，我们可以管理文件、运行程序、设置系统，"
                                        "还可以使用记事本、写字板、画图和计算器等附件程序。");

// The desktop with one open window, its button pressed on the task bar.
xp::Desk deskWithTask(const QString& task, Icon icon)
{
    xp::Desk d;
    d.taskbar.tasks = {task};
    d.taskbar.taskIcons = {icon};
    d.taskbar.active = 0;
    return d;
}

// Where a drop-down of title `title` opens in a window whose menu bar follows the letter's layout.
QPoint menuUnder(const QRect& client, char letter, int title)
{
    const QRect box = layout::menuTitle(letter, title).px().translated(client.topLeft());
    return {box.left(), client.top() + 20};
}

QRect notepadClient()
{
    return notepadFrame().adjusted(4, 29, -4, -4);
}

const QRect CalculatorFrame(150, 90, 262, 262);
const QRect ScientificFrame(110, 60, 460, 300);

void calculator(Canvas& c, bool scientific)
{
    xp::desktop(c, deskWithTask(QStringLiteral("计算器"), Icon::Calculator));
    appWindow(
        c,
        AppWindow{scientific ? ScientificFrame : CalculatorFrame,
                  QStringLiteral("计算器"),
                  Icon::Calculator,
                  {QStringLiteral("编辑(E)"), QStringLiteral("查看(V)"), QStringLiteral("帮助(H)")}},
        [&](Canvas& cc, const QRect& r) {
            QPainter& p = cc.p();
            const QRect display(r.left() + 10, r.top() + 8, r.width() - 20, 22);
            p.fillRect(display, Qt::white);
            p.setPen(QColor(0x7F, 0x9D, 0xB9));
            p.setBrush(Qt::NoBrush);
            p.drawRect(display.adjusted(0, 0, -1, -1));
            xp::text(p, display.adjusted(0, 0, -6, 0), QStringLiteral("0."),
                     Qt::AlignRight | Qt::AlignVCenter);
            QStringList keys{
                QStringLiteral("7"),    QStringLiteral("8"), QStringLiteral("9"),   QStringLiteral("/"),
                QStringLiteral("sqrt"), QStringLiteral("4"), QStringLiteral("5"),   QStringLiteral("6"),
                QStringLiteral("*"),    QStringLiteral("%"), QStringLiteral("1"),   QStringLiteral("2"),
                QStringLiteral("3"),    QStringLiteral("-"), QStringLiteral("1/x"), QStringLiteral("0"),
                QStringLiteral("+/-"),  QStringLiteral("."), QStringLiteral("+"),   QStringLiteral("=")};
            const int left = scientific ? r.left() + 200 : r.left() + 44;
            if (scientific) {
                const QStringList fn{QStringLiteral("sin"), QStringLiteral("cos"), QStringLiteral("tan"),
                                     QStringLiteral("x^y"), QStringLiteral("x^3"), QStringLiteral("x^2"),
                                     QStringLiteral("log"), QStringLiteral("n!"),  QStringLiteral("ln"),
                                     QStringLiteral("Exp"), QStringLiteral("pi"),  QStringLiteral("Int")};
                for (int i = 0; i < fn.size(); ++i)
                    xp::button(cc, QRect(r.left() + 12 + (i % 3) * 60, r.top() + 80 + (i / 3) * 34, 54, 28),
                               fn[i]);
                xp::radio(cc, {r.left() + 14, r.top() + 44}, QStringLiteral("十六进制"), false);
                xp::radio(cc, {r.left() + 94, r.top() + 44}, QStringLiteral("十进制"), true);
                xp::radio(cc, {r.left() + 164, r.top() + 44}, QStringLiteral("八进制"), false);
                xp::radio(cc, {r.left() + 234, r.top() + 44}, QStringLiteral("二进制"), false);
            }
            for (int i = 0; i < keys.size(); ++i)
                xp::button(cc, QRect(left + (i % 5) * 40, r.top() + 80 + (i / 5) * 34, 36, 28), keys[i]);
            xp::button(cc, QRect(left, r.top() + 44, 64, 26), QStringLiteral("Backspace"));
            xp::button(cc, QRect(left + 68, r.top() + 44, 56, 26), QStringLiteral("CE"));
            xp::button(cc, QRect(left + 128, r.top() + 44, 56, 26), QStringLiteral("C"));
        });
}

const QRect PaintFrame(0, 0, 800, layout::TaskbarTop);

void paint(Canvas& c, QSize canvasSize)
{
    xp::desktop(c, deskWithTask(QStringLiteral("未命名 - 画图"), Icon::Paint));
    appWindow(c,
              AppWindow{PaintFrame,
                        QStringLiteral("未命名 - 画图"),
                        Icon::Paint,
                        {QStringLiteral("文件(F)"), QStringLiteral("编辑(E)"), QStringLiteral("查看(V)"),
                         QStringLiteral("图像(I)"), QStringLiteral("颜色(C)"), QStringLiteral("帮助(H)")},
                        'D',
                        true},
              [&](Canvas& cc, const QRect& r) {
                  QPainter& p = cc.p();
                  p.fillRect(r, QColor(0x80, 0x80, 0x80));
                  // The tool box and the colour box.
                  p.fillRect(QRect(r.left(), r.top(), 56, r.height()), QColor(0xEC, 0xE9, 0xD8));
                  for (int i = 0; i < 16; ++i) {
                      const QRect t(r.left() + 4 + (i % 2) * 25, r.top() + 6 + (i / 2) * 25, 23, 23);
                      xp::button(cc, t, QString());
                  }
                  const QRect colours(r.left(), r.bottom() - 46, r.width(), 46);
                  p.fillRect(colours, QColor(0xEC, 0xE9, 0xD8));
                  const QColor palette[] = {Qt::black,     Qt::gray,      Qt::darkRed,  Qt::darkYellow,
                                            Qt::darkGreen, Qt::darkCyan,  Qt::darkBlue, Qt::darkMagenta,
                                            Qt::white,     Qt::lightGray, Qt::red,      Qt::yellow,
                                            Qt::green,     Qt::cyan,      Qt::blue,     Qt::magenta};
                  for (int i = 0; i < 16; ++i)
                      p.fillRect(
                          QRect(colours.left() + 40 + (i % 8) * 17, colours.top() + 6 + (i / 8) * 17, 15, 15),
                          palette[i]);
                  const QSize shown(std::min(canvasSize.width(), r.width() - 70),
                                    std::min(canvasSize.height(), r.height() - 60));
                  p.fillRect(QRect(r.left() + 60, r.top() + 4, shown.width(), shown.height()), Qt::white);
              });
}

void wordpad(Canvas& c, int stage)
{
    xp::desktop(c, deskWithTask(QStringLiteral("文档 - 写字板"), Icon::WordPad));
    appWindow(
        c,
        AppWindow{PaintFrame,
                  QStringLiteral("文档 - 写字板"),
                  Icon::WordPad,
                  {QStringLiteral("文件(F)"), QStringLiteral("编辑(E)"), QStringLiteral("查看(V)"),
                   QStringLiteral("插入(I)"), QStringLiteral("格式(O)"), QStringLiteral("帮助(H)")},
                  'G',
                  true},
        [&](Canvas& cc, const QRect& r) {
            QPainter& p = cc.p();
            // Tool bar, format bar and ruler.
            int x = r.left() + 6;
            for (const Icon ic :
                 {Icon::TextFile, Icon::FolderOpen, Icon::Floppy, Icon::Printer, Icon::Search}) {
                xp::icon(p, QRectF(x, r.top() + 5, 18, 18), ic);
                x += 26;
            }
            const int fy = r.top() + 30;
            xp::combo(cc, QRect(r.left() + 6, fy, 150, 20), QStringLiteral("宋体"), QStringLiteral("字体"));
            xp::combo(cc, QRect(r.left() + 162, fy, 50, 20), QStringLiteral("10"), QStringLiteral("字号"));
            xp::combo(cc, QRect(r.left() + 218, fy, 110, 20), QStringLiteral("CHINESE_GB2312"),
                      QStringLiteral("字符集"));
            const QList<std::pair<QString, QString>> format{{QStringLiteral("B"), QStringLiteral("粗体")},
                                                            {QStringLiteral("I"), QStringLiteral("斜体")},
                                                            {QStringLiteral("U"), QStringLiteral("下划线")}};
            x = r.left() + 338;
            for (const auto& [g, name] : format) {
                const QRect b(x, fy - 1, 22, 22);
                if (stage == 2 && name == QStringLiteral("粗体")) p.fillRect(b, QColor(0xC1, 0xD2, 0xEE));
                QFont f(QStringLiteral("DejaVu Serif"));
                f.setPixelSize(15);
                f.setBold(g == QStringLiteral("B"));
                f.setItalic(g == QStringLiteral("I"));
                f.setUnderline(g == QStringLiteral("U"));
                p.setFont(f);
                p.setPen(Qt::black);
                p.drawText(b, Qt::AlignCenter, g);
                cc.mark(QStringLiteral("工具栏:") + name, b);
                x += 26;
            }
            p.fillRect(QRect(r.left(), r.top() + 56, r.width(), 22), QColor(0xF4, 0xF3, 0xEE));
            for (int t = 0; t < 70; ++t) {
                const int tx = r.left() + 20 + t * 10;
                p.setPen(QColor(0x60, 0x60, 0x60));
                p.drawLine(tx, r.top() + 70, tx, r.top() + (t % 5 ? 74 : 66));
            }
            const QRect page(r.left() + 4, r.top() + 80, r.width() - 8, r.height() - 84);
            p.fillRect(page, Qt::white);
            const QRect body(page.left() + 16, page.top() + 12, 430, 100);
            cc.mark(QStringLiteral("写字板:正文"), body);
            const QString before = QStringLiteral("我们每天都在使用");
            const QString word = QStringLiteral("计算机");
            const QString after = QStringLiteral("学习和工作。");
            int tx = body.left();
            xp::text(p, QRect(tx, body.top(), 200, 18), before);
            tx += xp::textWidth(before);
            const int ww = xp::textWidth(word, 12, stage == 2);
            if (stage == 1) p.fillRect(QRect(tx, body.top(), ww, 18), QColor(0x31, 0x6A, 0xC5));
            xp::text(p, QRect(tx, body.top(), ww + 2, 18), word, Qt::AlignLeft | Qt::AlignVCenter,
                     stage == 1 ? Qt::white : Qt::black, 12, stage == 2);
            tx += ww;
            xp::text(p, QRect(tx, body.top(), 200, 18), after);
        });
}

const QRect CmdFrame(40, 30, 580, 380);
const QString Prompt = QStringLiteral("C:\\Documents and Settings\\Administrator>");

void commandPrompt(Canvas& c, bool ran)
{
    xp::desktop(c, deskWithTask(QStringLiteral("命令提示符"), Icon::Cmd));
    appWindow(
        c, AppWindow{CmdFrame, QStringLiteral("命令提示符"), Icon::Cmd, {}}, [&](Canvas& cc, const QRect& r) {
            QPainter& p = cc.p();
            p.fillRect(r, Qt::black);
            QFont f(QStringLiteral("DejaVu Sans Mono"));
            f.setPixelSize(12);
            QStringList lines{QStringLiteral("Microsoft Windows XP [版本 5.1.2600]"),
                              QStringLiteral("(C) 版权所有 1985-2001 Microsoft Corp."), QString()};
            if (ran) {
                lines += {Prompt + QStringLiteral("dir"),
                          QStringLiteral(" 驱动器 C 中的卷没有标签。"),
                          QStringLiteral(" 卷的序列号是 3C2A-1F08"),
                          QString(),
                          QStringLiteral(" C:\\Documents and Settings\\Administrator 的目录"),
                          QString(),
                          QStringLiteral("2008-03-09  11:11    <DIR>          ."),
                          QStringLiteral("2008-03-09  11:11    <DIR>          .."),
                          QStringLiteral("2008-03-09  11:11    <DIR>          My Documents"),
                          QStringLiteral("2008-03-01  09:00    <DIR>          「开始」菜单"),
                          QStringLiteral("2008-03-01  09:00    <DIR>          桌面"),
                          QStringLiteral("               0 个文件              0 字节"),
                          QStringLiteral("               5 个目录  4,294,967,296 可用字节"),
                          QString()};
            }
            lines += Prompt;
            int y = r.top() + 4;
            for (const QString& l : lines) {
                xp::text(p, QRect(r.left() + 4, y, r.width() - 8, 16), l, Qt::AlignLeft | Qt::AlignVCenter,
                         QColor(0xC0, 0xC0, 0xC0));
                y += 16;
            }
            cc.mark(QStringLiteral("命令行"), QRect(r.left() + 4 + xp::textWidth(Prompt), y - 16, 200, 16));
        });
}

struct Task {
    QString name;
    bool running = true;
};

void taskManager(Scenes& s, const QString& name, bool notepadRunning, bool selected)
{
    s.add(name, QSize(400, 430), [=](Canvas& c) {
        const QRect client = appWindow(
            c, AppWindow{c.rect(),
                         QStringLiteral("Windows 任务管理器"),
                         Icon::TaskManager,
                         {QStringLiteral("文件(F)"), QStringLiteral("选项(O)"), QStringLiteral("查看(V)"),
                          QStringLiteral("窗口(W)"), QStringLiteral("关机(U)"), QStringLiteral("帮助(H)")},
                         'F'});
        const QRect page = xp::tabs(c, client.adjusted(6, 6, -6, -30),
                                    {QStringLiteral("应用程序"), QStringLiteral("进程"),
                                     QStringLiteral("性能"), QStringLiteral("联网"), QStringLiteral("用户")},
                                    0);
        QPainter& p = c.p();
        const QRect list(page.left(), page.top(), page.width(), page.height() - 40);
        p.fillRect(list, Qt::white);
        p.setPen(QColor(0x7F, 0x9D, 0xB9));
        p.setBrush(Qt::NoBrush);
        p.drawRect(list.adjusted(0, 0, -1, -1));
        p.fillRect(QRect(list.left() + 1, list.top() + 1, list.width() - 2, 20), QColor(0xEB, 0xEA, 0xDB));
        xp::text(p, QRect(list.left() + 8, list.top() + 1, 200, 20), QStringLiteral("任务"));
        xp::text(p, QRect(list.right() - 90, list.top() + 1, 80, 20), QStringLiteral("状态"));
        QList<std::pair<Icon, QString>> tasks;
        if (notepadRunning) tasks.append({Icon::Notepad, QStringLiteral("无标题 - 记事本")});
        tasks.append({Icon::MyComputer, QStringLiteral("我的电脑")});
        int y = list.top() + 24;
        for (const auto& [ic, t] : tasks) {
            const QRect row(list.left() + 2, y, list.width() - 4, 18);
            const bool sel = selected && t == QStringLiteral("无标题 - 记事本");
            if (sel) p.fillRect(row, QColor(0x31, 0x6A, 0xC5));
            xp::icon(p, QRectF(row.left() + 4, row.top() + 1, 16, 16), ic);
            xp::text(p, row.adjusted(24, 0, 0, 0), t, Qt::AlignLeft | Qt::AlignVCenter,
                     sel ? Qt::white : Qt::black);
            xp::text(p, QRect(list.right() - 90, row.top(), 80, 18), QStringLiteral("正在运行"),
                     Qt::AlignLeft | Qt::AlignVCenter, sel ? Qt::white : Qt::black);
            c.mark(QStringLiteral("任务:") + t, row);
            y += 20;
        }
        xp::button(c, QRect(page.right() - 250, page.bottom() - 28, 80, 23), QStringLiteral("结束任务(E)"),
                   false, selected);
        xp::button(c, QRect(page.right() - 164, page.bottom() - 28, 80, 23), QStringLiteral("切换至(S)"),
                   false, selected);
        xp::button(c, QRect(page.right() - 78, page.bottom() - 28, 78, 23), QStringLiteral("新任务(N)..."));
        xp::text(p, QRect(client.left() + 6, client.bottom() - 22, client.width() - 12, 20),
                 QStringLiteral("进程数: 28    CPU 使用: 3%    提交更改: 180M / 1246M"));
    });
}

const QRect RestoreFrame(10, 10, 456, 500);

void systemRestore(Canvas& c, int stage)
{
    xp::desktop(c, deskWithTask(QStringLiteral("系统还原"), Icon::SystemRestore));
    appWindow(
        c, AppWindow{RestoreFrame, QStringLiteral("系统还原"), Icon::SystemRestore, {}},
        [&](Canvas& cc, const QRect& r) {
            QPainter& p = cc.p();
            p.fillRect(r, Qt::white);
            p.fillRect(QRect(r.left(), r.top(), r.width(), 50), QColor(0xD6, 0xE4, 0xF8));
            const QStringList headings{QStringLiteral("欢迎使用系统还原"), QStringLiteral("欢迎使用系统还原"),
                                       QStringLiteral("创建一个还原点"), QStringLiteral("正在创建还原点"),
                                       QStringLiteral("已创建还原点")};
            xp::text(p, QRect(r.left() + 16, r.top(), r.width() - 32, 50), headings[stage],
                     Qt::AlignLeft | Qt::AlignVCenter, QColor(0x00, 0x33, 0x99), 18, true);
            const int x = r.left() + 20;
            int y = r.top() + 70;
            const int by = r.bottom() - 40;
            switch (stage) {
            case 0:
            case 1:
                xp::label(cc, QRect(x, y, r.width() - 40, 60),
                          QStringLiteral("您可以使用系统还原撤消对计算机所做的有害更改，\n并恢复它的设置和性"
                                         "能。系统还原不会丢失您最近\n的工作，"
                                         "如保存的文档、电子邮件或历史记录。"),
                          Qt::AlignLeft | Qt::AlignTop);
                xp::label(cc, QRect(x, y += 90, 300, 18), QStringLiteral("要开始，选择您想要执行的任务："));
                xp::radio(cc, {x + 10, y += 30}, QStringLiteral("恢复我的计算机到一个较早的时间(R)"),
                          stage == 0);
                xp::radio(cc, {x + 10, y += 28}, QStringLiteral("创建一个还原点(C)"), stage == 1);
                xp::button(cc, QRect(r.right() - 180, by, 90, 23), QStringLiteral("下一步(N) >"), true);
                xp::button(cc, QRect(r.right() - 84, by, 75, 23), QStringLiteral("取消"));
                break;
            case 2:
                xp::label(cc, QRect(x, y, r.width() - 40, 40),
                          QStringLiteral("您的计算机会按计划自动创建还原点。您也可以在\n安装程序或更改系统之"
                                         "前自己创建还原点。"),
                          Qt::AlignLeft | Qt::AlignTop);
                xp::label(cc, QRect(x, y += 70, 200, 18), QStringLiteral("还原点描述："));
                xp::edit(cc, QRect(x, y += 22, 300, 20), QString(), QStringLiteral("还原点描述"));
                xp::label(cc, QRect(x, y += 30, 380, 18),
                          QStringLiteral("当前日期和时间会自动添加到您的还原点。"));
                xp::button(cc, QRect(r.right() - 260, by, 80, 23), QStringLiteral("< 上一步(B)"));
                xp::button(cc, QRect(r.right() - 172, by, 80, 23), QStringLiteral("创建(R)"), true);
                xp::button(cc, QRect(r.right() - 84, by, 75, 23), QStringLiteral("取消"));
                break;
            case 3:
                xp::label(cc, QRect(x, y, 300, 18), QStringLiteral("正在创建还原点，请稍候..."));
                xp::progress(cc, QRect(x, y + 30, 300, 16), 50);
                break;
            default:
                xp::label(cc, QRect(x, y, 300, 18), QStringLiteral("新的还原点："));
                xp::label(cc, QRect(x + 20, y + 26, 360, 18), QStringLiteral("2008年3月10日  10:30:00"));
                xp::label(cc, QRect(x + 20, y + 48, 360, 18), QStringLiteral("安装软件前"));
                xp::button(cc, QRect(r.right() - 172, by, 80, 23), QStringLiteral("主页(H)"));
                xp::button(cc, QRect(r.right() - 84, by, 75, 23), QStringLiteral("关闭(C)"), true);
                break;
            }
        });
}

struct FormatState {
    QString label;
    bool quick = false;
    bool running = false;
};

void formatDialog(Scenes& s, const QString& name, const FormatState& st)
{
    s.dialog(name, QSize(270, 410), QStringLiteral("格式化 3.5 软盘 (A:)"),
             [st](Canvas& c, const QRect& client) {
                 const int x = client.left() + 12;
                 const int w = client.width() - 24;
                 int y = client.top() + 10;
                 const QList<std::pair<QString, QString>> fields{
                     {QStringLiteral("容量(P):"), QStringLiteral("3.5 英寸, 1.44MB, 512 字节/扇区")},
                     {QStringLiteral("文件系统(F):"), QStringLiteral("FAT")},
                     {QStringLiteral("分配单元大小(A):"), QStringLiteral("默认配置大小")}};
                 for (const auto& [l, v] : fields) {
                     xp::label(c, QRect(x, y, w, 16), l);
                     xp::combo(c, QRect(x, y += 18, w, 20), v, l);
                     y += 30;
                 }
                 xp::label(c, QRect(x, y, w, 16), QStringLiteral("卷标(L):"));
                 xp::edit(c, QRect(x, y += 18, w, 20), st.label, QStringLiteral("卷标"));
                 xp::group(c, QRect(x, y += 32, w, 100), QStringLiteral("格式化选项(O)"));
                 xp::checkBox(c, {x + 10, y + 22}, QStringLiteral("快速格式化(Q)"), st.quick);
                 xp::checkBox(c, {x + 10, y + 46}, QStringLiteral("启用压缩(E)"), false, false);
                 xp::checkBox(c, {x + 10, y + 70}, QStringLiteral("创建一个 MS-DOS 启动盘(M)"), false);
                 if (st.running) xp::progress(c, QRect(x, y + 112, w, 16), 45);
                 xp::button(c, QRect(client.right() - 170, client.bottom() - 32, 75, 23),
                            QStringLiteral("开始(S)"), !st.running, !st.running);
                 xp::button(c, QRect(client.right() - 88, client.bottom() - 32, 75, 23),
                            QStringLiteral("关闭(C)"));
             });
}

void defragmenter(Scenes& s, const QString& name, int stage)
{
    s.add(name, QSize(580, 400), [stage](Canvas& c) {
        const QRect client = appWindow(c, AppWindow{c.rect(),
                                                    QStringLiteral("磁盘碎片整理程序"),
                                                    Icon::Defrag,
                                                    {QStringLiteral("文件(F)"), QStringLiteral("操作(A)"),
                                                     QStringLiteral("查看(V)"), QStringLiteral("帮助(H)")}});
        QPainter& p = c.p();
        const QRect list(client.left() + 6, client.top() + 6, client.width() - 12, 70);
        p.fillRect(list, Qt::white);
        const QStringList heads{QStringLiteral("卷"),       QStringLiteral("会话状态"),
                                QStringLiteral("文件系统"), QStringLiteral("容量"),
                                QStringLiteral("可用空间"), QStringLiteral("% 可用空间")};
        for (int i = 0; i < heads.size(); ++i)
            xp::text(p, QRect(list.left() + 6 + i * 90, list.top() + 2, 88, 18), heads[i]);
        const QString status = stage == 0   ? QString()
                               : stage == 1 ? QStringLiteral("正在分析...")
                                            : QStringLiteral("已分析");
        const QStringList row{QStringLiteral("(C:)"),    status,
                              QStringLiteral("NTFS"),    QStringLiteral("10.00 GB"),
                              QStringLiteral("4.00 GB"), QStringLiteral("40 %")};
        for (int i = 0; i < row.size(); ++i)
            xp::text(p, QRect(list.left() + 6 + i * 90, list.top() + 24, 88, 18), row[i]);
        for (const auto& [label, y] : {std::pair{QStringLiteral("进行碎片整理前预计磁盘使用量:"), 90},
                                       std::pair{QStringLiteral("进行碎片整理后预计磁盘使用量:"), 150}}) {
            xp::label(c, QRect(client.left() + 8, client.top() + y, 300, 16), label);
            const QRect band(client.left() + 8, client.top() + y + 20, client.width() - 16, 26);
            p.fillRect(band, Qt::white);
            if (stage == 2 && y == 90) {
                for (int i = 0; i < band.width(); i += 3) {
                    const QColor col = (i / 3) % 7 == 0   ? Qt::red
                                       : (i / 3) % 3 == 0 ? Qt::white
                                                          : QColor(0x20, 0x40, 0xE0);
                    p.fillRect(QRect(band.left() + i, band.top(), 3, band.height()), col);
                }
            }
        }
        const int by = client.top() + 210;
        xp::button(c, QRect(client.left() + 8, by, 75, 23), QStringLiteral("分析(A)"), false, stage != 1);
        xp::button(c, QRect(client.left() + 90, by, 90, 23), QStringLiteral("碎片整理(D)"), false,
                   stage != 1);
        xp::button(c, QRect(client.left() + 188, by, 75, 23), QStringLiteral("暂停(P)"), false, stage == 1);
        xp::button(c, QRect(client.left() + 270, by, 75, 23), QStringLiteral("停止(S)"), false, stage == 1);
        xp::button(c, QRect(client.left() + 352, by, 90, 23), QStringLiteral("查看报告(R)"), false,
                   stage == 2);
        const QList<std::pair<QColor, QString>> legend{
            {Qt::red, QStringLiteral("零碎的文件")},
            {QColor(0x20, 0x40, 0xE0), QStringLiteral("连续的文件")},
            {QColor(0x20, 0xA0, 0x20), QStringLiteral("无法移动的文件")},
            {Qt::white, QStringLiteral("可用空间")}};
        int lx = client.left() + 8;
        for (const auto& [col, text] : legend) {
            p.fillRect(QRect(lx, by + 40, 12, 12), col);
            p.setPen(Qt::black);
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(lx, by + 40, 12, 12));
            xp::text(p, QRect(lx + 16, by + 37, 110, 18), text);
            lx += 130;
        }
        if (stage == 2)
            xp::text(p, QRect(client.left() + 8, by + 66, client.width() - 16, 18),
                     QStringLiteral("已完成分析：(C:)。您应该对该卷进行碎片整理。"));
    });
}

void addScenes(Scenes& s)
{
    // Notepad.
    s.screen(QStringLiteral("记事本-已输入"), [](Canvas& c) {
        notepad(c, {QStringLiteral("无标题"), QStringLiteral("今天天气很好")});
    });
    s.screen(QStringLiteral("记事本-日记"), [](Canvas& c) {
        notepad(c, {QStringLiteral("日记"), QStringLiteral("今天天气很好")});
    });
    s.screen(QStringLiteral("记事本-长文"), [](Canvas& c) {
        notepad(c, {QStringLiteral("介绍"), LongText});
    });
    s.screen(QStringLiteral("记事本-长文-换行"), [](Canvas& c) {
        notepad(c, {QStringLiteral("介绍"), LongText, true});
    });
    s.screen(QStringLiteral("记事本-长文-黑体"), [](Canvas& c) {
        notepad(c, {QStringLiteral("介绍"), LongText, false, true});
    });
    s.menu(QStringLiteral("记事本文件菜单"),
           {{QStringLiteral("新建(N)")},
            {QStringLiteral("打开(O)...")},
            {QStringLiteral("保存(S)")},
            {QStringLiteral("另存为(A)...")},
            {QStringLiteral("-")},
            {QStringLiteral("页面设置(U)...")},
            {QStringLiteral("打印(P)...")},
            {QStringLiteral("-")},
            {QStringLiteral("退出(X)")}},
           -1, 150);
    s.menu(QStringLiteral("记事本格式菜单"),
           {{QStringLiteral("自动换行(W)")}, {QStringLiteral("字体(F)...")}}, -1, 130);
    s.dialog(
        QStringLiteral("另存为"), QSize(530, 330), QStringLiteral("另存为"),
        [](Canvas& c, const QRect& client) {
            QPainter& p = c.p();
            xp::label(c, QRect(client.left() + 10, client.top() + 10, 70, 20), QStringLiteral("保存在(I):"));
            xp::combo(c, QRect(client.left() + 84, client.top() + 10, 240, 20), QStringLiteral("我的文档"),
                      QStringLiteral("保存在"));
            const QRect places(client.left() + 8, client.top() + 40, 80, 200);
            p.fillRect(places, QColor(0x9C, 0xB2, 0xE4));
            int y = places.top() + 6;
            for (const auto& [ic, t] :
                 QList<std::pair<Icon, QString>>{{Icon::MyDocuments, QStringLiteral("我最近的文档")},
                                                 {Icon::Display, QStringLiteral("桌面")},
                                                 {Icon::MyDocuments, QStringLiteral("我的文档")},
                                                 {Icon::MyComputer, QStringLiteral("我的电脑")},
                                                 {Icon::Network, QStringLiteral("网上邻居")}}) {
                xp::icon(p, QRectF(places.center().x() - 12, y, 24, 24), ic);
                xp::text(p, QRect(places.left(), y + 24, places.width(), 14), t, Qt::AlignCenter, Qt::white,
                         11);
                y += 40;
            }
            const QRect files(client.left() + 94, client.top() + 40, client.width() - 104, 160);
            p.fillRect(files, Qt::white);
            p.setPen(QColor(0x7F, 0x9D, 0xB9));
            p.setBrush(Qt::NoBrush);
            p.drawRect(files.adjusted(0, 0, -1, -1));
            xp::icon(p, QRectF(files.left() + 6, files.top() + 6, 16, 16), Icon::Folder);
            xp::text(p, QRect(files.left() + 26, files.top() + 6, 100, 16), QStringLiteral("资料"));
            xp::icon(p, QRectF(files.left() + 6, files.top() + 26, 16, 16), Icon::TextFile);
            xp::text(p, QRect(files.left() + 26, files.top() + 26, 100, 16), QStringLiteral("报告.txt"));
            const int fx = client.left() + 94;
            xp::label(c, QRect(fx, client.top() + 208, 80, 20), QStringLiteral("文件名(N):"));
            xp::combo(c, QRect(fx + 84, client.top() + 208, 250, 20), QStringLiteral("*.txt"),
                      QStringLiteral("文件名"));
            xp::label(c, QRect(fx, client.top() + 234, 80, 20), QStringLiteral("保存类型(T):"));
            xp::combo(c, QRect(fx + 84, client.top() + 234, 250, 20), QStringLiteral("文本文档(*.txt)"),
                      QStringLiteral("保存类型"));
            xp::label(c, QRect(fx, client.top() + 260, 80, 20), QStringLiteral("编码(E):"));
            xp::combo(c, QRect(fx + 84, client.top() + 260, 120, 20), QStringLiteral("ANSI"),
                      QStringLiteral("编码"));
            xp::button(c, QRect(client.right() - 90, client.top() + 207, 80, 23), QStringLiteral("保存(S)"),
                       true);
            xp::button(c, QRect(client.right() - 90, client.top() + 233, 80, 23), QStringLiteral("取消"));
        });
    const QStringList fonts{QStringLiteral("Fixedsys"),       QStringLiteral("宋体"),
                            QStringLiteral("黑体"),           QStringLiteral("楷体_GB2312"),
                            QStringLiteral("隶书"),           QStringLiteral("仿宋_GB2312"),
                            QStringLiteral("Times New Roman")};
    const QStringList sizes{QStringLiteral("初号"), QStringLiteral("小初"), QStringLiteral("一号"),
                            QStringLiteral("小一"), QStringLiteral("二号"), QStringLiteral("小二"),
                            QStringLiteral("三号"), QStringLiteral("小三"), QStringLiteral("四号"),
                            QStringLiteral("小四"), QStringLiteral("五号"), QStringLiteral("小五")};
    for (const auto& [name, font, size] : {std::tuple{QStringLiteral("字体对话框"), 1, 10},
                                           std::tuple{QStringLiteral("字体对话框-黑体"), 2, 10},
                                           std::tuple{QStringLiteral("字体对话框-黑体-小四"), 2, 9}}) {
        // Copies, not the bindings themselves: lambdas may not capture structured bindings everywhere.
        s.dialog(
            name, QSize(430, 330), QStringLiteral("字体"),
            [=, font = font, size = size](Canvas& c, const QRect& client) {
                const int y = client.top() + 10;
                xp::label(c, QRect(client.left() + 10, y, 150, 16), QStringLiteral("字体(F):"));
                xp::edit(c, QRect(client.left() + 10, y + 18, 150, 20), fonts[font], QStringLiteral("字体"));
                xp::listBox(c, QRect(client.left() + 10, y + 40, 150, 120), fonts, font,
                            QStringLiteral("字体"));
                xp::label(c, QRect(client.left() + 170, y, 100, 16), QStringLiteral("字形(Y):"));
                xp::edit(c, QRect(client.left() + 170, y + 18, 90, 20), QStringLiteral("常规"),
                         QStringLiteral("字形"));
                xp::listBox(c, QRect(client.left() + 170, y + 40, 90, 120),
                            {QStringLiteral("常规"), QStringLiteral("倾斜"), QStringLiteral("粗体"),
                             QStringLiteral("粗偏斜体")},
                            0, QStringLiteral("字形"));
                xp::label(c, QRect(client.left() + 270, y, 60, 16), QStringLiteral("大小(S):"));
                xp::edit(c, QRect(client.left() + 270, y + 18, 60, 20), sizes[size], QStringLiteral("大小"));
                xp::listBox(c, QRect(client.left() + 270, y + 40, 60, 120), sizes, size,
                            QStringLiteral("大小"));
                xp::button(c, QRect(client.right() - 80, y + 18, 72, 23), QStringLiteral("确定"), true);
                xp::button(c, QRect(client.right() - 80, y + 46, 72, 23), QStringLiteral("取消"));
                xp::group(c, QRect(client.left() + 170, y + 170, 160, 70), QStringLiteral("示例"));
                QFont f = xp::font(font == 2 ? 16 : 12);
                c.p().setFont(f);
                c.p().setPen(Qt::black);
                c.p().drawText(QRect(client.left() + 176, y + 186, 148, 48), Qt::AlignCenter,
                               QStringLiteral("微软中文软件"));
                xp::label(c, QRect(client.left() + 170, y + 246, 120, 16), QStringLiteral("字符集(R):"));
                xp::combo(c, QRect(client.left() + 170, y + 264, 160, 20), QStringLiteral("CHINESE_GB2312"),
                          QStringLiteral("字符集"));
            });
    }

    // Calculator, Paint, WordPad and the command prompt.
    s.screen(QStringLiteral("计算器"), [](Canvas& c) { calculator(c, false); });
    s.screen(QStringLiteral("计算器-科学型"), [](Canvas& c) { calculator(c, true); });
    s.menu(QStringLiteral("计算器查看菜单"),
           {{QStringLiteral("标准型(T)"), Icon::None, true},
            {QStringLiteral("科学型(S)")},
            {QStringLiteral("-")},
            {QStringLiteral("数字分组(I)")}},
           -1, 130);
    s.screen(QStringLiteral("画图"), [](Canvas& c) { paint(c, QSize(800, 600)); });
    s.screen(QStringLiteral("画图-400x300"), [](Canvas& c) { paint(c, QSize(400, 300)); });
    s.menu(QStringLiteral("画图图像菜单"),
           {{QStringLiteral("翻转/旋转(F)...")},
            {QStringLiteral("拉伸/扭曲(S)...")},
            {QStringLiteral("反色(I)")},
            {QStringLiteral("属性(A)...")},
            {QStringLiteral("清除图像(C)")},
            {QStringLiteral("不透明处理(D)"), Icon::None, true}},
           -1, 150);
    for (const bool narrowed : {false, true}) {
        s.dialog(
            narrowed ? QStringLiteral("图像属性-宽400") : QStringLiteral("图像属性"), QSize(330, 260),
            QStringLiteral("属性"), [narrowed](Canvas& c, const QRect& client) {
                const int x = client.left() + 12;
                xp::label(c, QRect(x, client.top() + 10, 300, 16), QStringLiteral("文件修改时间：  不可用"));
                xp::label(c, QRect(x, client.top() + 30, 300, 16), QStringLiteral("磁盘上的大小：  不可用"));
                xp::label(c, QRect(x, client.top() + 64, 60, 20), QStringLiteral("宽度(W):"));
                xp::edit(c, QRect(x + 60, client.top() + 64, 60, 20),
                         narrowed ? QStringLiteral("400") : QStringLiteral("800"), QStringLiteral("宽度"));
                xp::label(c, QRect(x + 136, client.top() + 64, 60, 20), QStringLiteral("高度(H):"));
                xp::edit(c, QRect(x + 196, client.top() + 64, 60, 20), QStringLiteral("600"),
                         QStringLiteral("高度"));
                xp::group(c, QRect(x, client.top() + 96, 200, 50), QStringLiteral("单位"));
                xp::radio(c, {x + 8, client.top() + 118}, QStringLiteral("英寸(I)"), false);
                xp::radio(c, {x + 72, client.top() + 118}, QStringLiteral("厘米(M)"), false);
                xp::radio(c, {x + 136, client.top() + 118}, QStringLiteral("像素(P)"), true);
                xp::group(c, QRect(x, client.top() + 152, 200, 50), QStringLiteral("颜色"));
                xp::radio(c, {x + 8, client.top() + 174}, QStringLiteral("黑白(B)"), false);
                xp::radio(c, {x + 100, client.top() + 174}, QStringLiteral("彩色(L)"), true);
                xp::button(c, QRect(client.right() - 88, client.top() + 10, 75, 23), QStringLiteral("确定"),
                           true);
                xp::button(c, QRect(client.right() - 88, client.top() + 38, 75, 23), QStringLiteral("取消"));
                // Below the row of the two fields, which reaches under the column of buttons.
                xp::button(c, QRect(client.right() - 88, client.top() + 100, 75, 23),
                           QStringLiteral("默认值(D)"));
            });
    }
    for (int stage = 0; stage < 3; ++stage) {
        static const QString names[] = {QStringLiteral("写字板"), QStringLiteral("写字板-已选中"),
                                        QStringLiteral("写字板-粗体")};
        s.screen(names[stage], [stage](Canvas& c) { wordpad(c, stage); });
    }
    s.screen(QStringLiteral("命令提示符"), [](Canvas& c) { commandPrompt(c, false); });
    s.screen(QStringLiteral("命令提示符-dir"), [](Canvas& c) { commandPrompt(c, true); });

    // Disk cleanup and the defragmenter.
    s.dialog(QStringLiteral("选择驱动器"), QSize(300, 160), QStringLiteral("磁盘清理 : 驱动器选择"),
             [](Canvas& c, const QRect& client) {
                 xp::icon(c.p(), QRectF(client.left() + 12, client.top() + 12, 32, 32), Icon::DiskCleanup);
                 xp::label(c, QRect(client.left() + 56, client.top() + 14, 200, 18),
                           QStringLiteral("选择要清理的驱动器。"));
                 xp::label(c, QRect(client.left() + 56, client.top() + 44, 80, 20),
                           QStringLiteral("驱动器(D):"));
                 xp::combo(c, QRect(client.left() + 136, client.top() + 44, 120, 20), QStringLiteral("(C:)"),
                           QStringLiteral("驱动器"));
                 xp::button(c, QRect(client.right() - 170, client.bottom() - 32, 75, 23),
                            QStringLiteral("确定"), true);
                 xp::button(c, QRect(client.right() - 88, client.bottom() - 32, 75, 23),
                            QStringLiteral("退出(X)"));
             });
    s.dialog(
        QStringLiteral("磁盘清理-计算"), QSize(360, 150), QStringLiteral("磁盘清理"),
        [](Canvas& c, const QRect& client) {
            xp::icon(c.p(), QRectF(client.left() + 12, client.top() + 12, 32, 32), Icon::DiskCleanup);
            xp::label(
                c, QRect(client.left() + 56, client.top() + 10, 280, 36),
                QStringLiteral("“磁盘清理”正在计算可以在 (C:) 上释放多少空\n间。这可能需要几分钟时间。"),
                Qt::AlignLeft | Qt::AlignTop);
            xp::progress(c, QRect(client.left() + 12, client.top() + 58, client.width() - 24, 16), 30);
            xp::label(c, QRect(client.left() + 12, client.top() + 80, 280, 18),
                      QStringLiteral("正在扫描：  回收站"));
        },
        false);
    s.sheet(
        QStringLiteral("磁盘清理-C"), QSize(380, 420), QStringLiteral("(C:)的磁盘清理"),
        {QStringLiteral("磁盘清理"), QStringLiteral("其他选项")}, 0, [](Canvas& c, const QRect& page) {
            xp::icon(c.p(), QRectF(page.left() + 4, page.top() + 4, 32, 32), Icon::DiskCleanup);
            xp::label(c, QRect(page.left() + 44, page.top() + 4, page.width() - 48, 36),
                      QStringLiteral("使用“磁盘清理”可以释放 (C:) 上多达 152,341 KB\n的磁盘空间。"),
                      Qt::AlignLeft | Qt::AlignTop);
            xp::label(c, QRect(page.left(), page.top() + 48, 200, 16), QStringLiteral("要删除的文件(F):"));
            const QList<std::tuple<QString, QString, bool>> rows{
                {QStringLiteral("已下载的程序文件"), QStringLiteral("0 KB"), true},
                {QStringLiteral("Internet 临时文件"), QStringLiteral("2,341 KB"), true},
                {QStringLiteral("回收站"), QStringLiteral("150,000 KB"), false},
                {QStringLiteral("临时文件"), QStringLiteral("0 KB"), false}};
            int y = page.top() + 70;
            for (const auto& [t, size, on] : rows) {
                xp::checkBox(c, {page.left() + 6, y}, t, on);
                xp::label(c, QRect(page.right() - 90, y, 84, 16), size, Qt::AlignRight | Qt::AlignVCenter);
                y += 22;
            }
        });
    dialogs::diskProperties(s, QStringLiteral("C盘属性-工具"), QStringLiteral("本地磁盘 (C:)"), 1);
    defragmenter(s, QStringLiteral("磁盘碎片整理程序"), 0);
    defragmenter(s, QStringLiteral("磁盘碎片整理-分析中"), 1);
    defragmenter(s, QStringLiteral("磁盘碎片整理-分析完毕"), 2);

    // Task Manager, System Restore and the floppy's format.
    taskManager(s, QStringLiteral("任务管理器"), true, false);
    taskManager(s, QStringLiteral("任务管理器-选中记事本"), true, true);
    taskManager(s, QStringLiteral("任务管理器-已结束"), false, false);
    for (int stage = 0; stage < 5; ++stage) {
        static const QString names[] = {QStringLiteral("系统还原"), QStringLiteral("系统还原-创建"),
                                        QStringLiteral("系统还原-描述"), QStringLiteral("系统还原-创建中"),
                                        QStringLiteral("系统还原-已创建")};
        s.screen(names[stage], [stage](Canvas& c) { systemRestore(c, stage); });
    }
    formatDialog(s, QStringLiteral("格式化软盘"), {});
    formatDialog(s, QStringLiteral("格式化软盘-卷标"), {QStringLiteral("BACKUP")});
    formatDialog(s, QStringLiteral("格式化软盘-快速"), {QStringLiteral("BACKUP"), true});
    formatDialog(s, QStringLiteral("格式化软盘-进行中"), {QStringLiteral("BACKUP"), true, true});
    dialogs::messageBox(s, QStringLiteral("格式化警告"), QStringLiteral("格式化 3.5 软盘 (A:)"),
                        Icon::Warning,
                        {QStringLiteral("警告：格式化将删除磁盘上的所有数据。"),
                         QStringLiteral("要格式化磁盘，请单击“确定”。要退出，请单击“取消”。")},
                        {QStringLiteral("确定"), QStringLiteral("取消")});
    dialogs::messageBox(s, QStringLiteral("格式化完毕"), QStringLiteral("格式化 3.5 软盘 (A:)"),
                        Icon::InfoIcon, {QStringLiteral("格式化完毕。")}, {QStringLiteral("确定")});
}

} // namespace

UnitDef unitAccessories(Scenes& s)
{
    addScenes(s);
    const QRect notepadArea = notepadClient();
    const QRect paintClient = PaintFrame.adjusted(0, 26, 0, 0);
    const QRect calcClient = CalculatorFrame.adjusted(4, 29, -4, -4);
    const QPoint formatAt(60, 40);
    const QPoint warningAt(40, 200);
    UnitDef u;
    u.title = QStringLiteral("附件与系统工具");
    u.questions = {
        {QStringLiteral("在已打开的“记事本”中输入“今天天气很好”，然后以“日记”为文件名保存在“我的文档”中。"),
         {typeText(QStringLiteral("0027"), QStringLiteral("记事本"), QStringLiteral("记事本:正文"), QString(),
                   QStringLiteral("今天天气很好")),
          click(QStringLiteral("记事本-已输入"), QStringLiteral("菜单栏:文件(F)"),
                QStringLiteral("单击“文件”菜单")),
          click(QStringLiteral("记事本-已输入"), QStringLiteral("菜单:另存为(A)..."),
                QStringLiteral("单击“另存为”"))
              .over(1, QStringLiteral("记事本文件菜单"), menuUnder(notepadArea, 'B', 1)),
          typeText(QStringLiteral("0026"), QStringLiteral("记事本-已输入"), QStringLiteral("文本框:文件名"),
                   QString(), QStringLiteral("日记|日记.txt"), QStringLiteral("按钮:保存(S)"))
              .over(1, QStringLiteral("另存为"), QPoint(20, 20)),
          done(QStringLiteral("记事本-日记"))}},
        {QStringLiteral("在已打开的“记事本”中设置“自动换行”。"),
         {click(QStringLiteral("记事本-长文"), QStringLiteral("菜单栏:格式(O)"),
                QStringLiteral("单击“格式”菜单")),
          click(QStringLiteral("记事本-长文"), QStringLiteral("菜单:自动换行(W)"),
                QStringLiteral("单击“自动换行”"))
              .over(1, QStringLiteral("记事本格式菜单"), menuUnder(notepadArea, 'B', 3)),
          done(QStringLiteral("记事本-长文-换行"))}},
        {QStringLiteral("将已打开的“记事本”的字体设置为“黑体”，大小为“小四”。"),
         {click(QStringLiteral("记事本-长文"), QStringLiteral("菜单栏:格式(O)"),
                QStringLiteral("单击“格式”菜单")),
          click(QStringLiteral("记事本-长文"), QStringLiteral("菜单:字体(F)..."),
                QStringLiteral("单击“字体”"))
              .over(1, QStringLiteral("记事本格式菜单"), menuUnder(notepadArea, 'B', 3)),
          pickFromList(QStringLiteral("记事本-长文"), QStringLiteral("列表:字体"),
                       {QStringLiteral("Fixedsys"), QStringLiteral("宋体"), QStringLiteral("黑体"),
                        QStringLiteral("楷体_GB2312"), QStringLiteral("隶书"), QStringLiteral("仿宋_GB2312"),
                        QStringLiteral("Times New Roman")},
                       1, 2, QStringLiteral("在“字体”列表中选择“黑体”"))
              .over(1, QStringLiteral("字体对话框"), DialogAt),
          pickFromList(QStringLiteral("记事本-长文"), QStringLiteral("列表:大小"),
                       {QStringLiteral("初号"), QStringLiteral("小初"), QStringLiteral("一号"),
                        QStringLiteral("小一"), QStringLiteral("二号"), QStringLiteral("小二"),
                        QStringLiteral("三号"), QStringLiteral("小三"), QStringLiteral("四号"),
                        QStringLiteral("小四"), QStringLiteral("五号"), QStringLiteral("小五")},
                       10, 9, QStringLiteral("在“大小”列表中选择“小四”"))
              .over(1, QStringLiteral("字体对话框-黑体"), DialogAt),
          click(QStringLiteral("记事本-长文"), QStringLiteral("按钮:确定"), QStringLiteral("单击“确定”"))
              .over(1, QStringLiteral("字体对话框-黑体-小四"), DialogAt),
          done(QStringLiteral("记事本-长文-黑体"))}},
        {QStringLiteral("启动“计算器”，并将它切换为“科学型”。"),
         flows::openAccessories()
             << flows::withAccessoriesOpen(
                    click(QString(), QStringLiteral("菜单:计算器"), QStringLiteral("单击“计算器”")))
             << click(QStringLiteral("计算器"), QStringLiteral("菜单栏:查看(V)"),
                      QStringLiteral("单击“查看”菜单"))
             << click(QStringLiteral("计算器"), QStringLiteral("菜单:科学型(S)"),
                      QStringLiteral("单击“科学型”"))
                    .over(1, QStringLiteral("计算器查看菜单"),
                          QPoint(calcClient.left() + 2 + xp::textWidth(QStringLiteral("编辑(E)")) + 14,
                                 calcClient.top() + 20))
             << done(QStringLiteral("计算器-科学型"))},
        {QStringLiteral("在已打开的“画图”中，将图像的宽度设置为 400 像素、高度设置为 300 像素。"),
         {click(QStringLiteral("画图"), QStringLiteral("菜单栏:图像(I)"), QStringLiteral("单击“图像”菜单")),
          click(QStringLiteral("画图"), QStringLiteral("菜单:属性(A)..."), QStringLiteral("单击“属性”"))
              .over(1, QStringLiteral("画图图像菜单"), menuUnder(paintClient, 'D', 4)),
          // The fields start empty: the value typed in is the whole value.
          typeText(QStringLiteral("0022"), QStringLiteral("画图"), QStringLiteral("文本框:宽度"), QString(),
                   QStringLiteral("400"), QStringLiteral("文本框:高度"))
              .over(1, QStringLiteral("图像属性"), QPoint(80, 80)),
          typeText(QStringLiteral("0024"), QStringLiteral("画图"), QStringLiteral("文本框:高度"), QString(),
                   QStringLiteral("300"))
              .over(1, QStringLiteral("图像属性-宽400"), QPoint(80, 80)),
          done(QStringLiteral("画图-400x300"))}},
        {QStringLiteral("使用“磁盘清理”程序清理C盘。"),
         flows::openSystemTools()
             << flows::withSystemToolsOpen(
                    click(QString(), QStringLiteral("菜单:磁盘清理"), QStringLiteral("单击“磁盘清理”")))
             << click(QStringLiteral("桌面"), QStringLiteral("按钮:确定"),
                      QStringLiteral("选择驱动器 (C:)，单击“确定”"))
                    .over(1, QStringLiteral("选择驱动器"), QPoint(100, 150))
             << wait(QStringLiteral("桌面"), QStringLiteral("正在计算可以释放的空间，请稍候"))
                    .over(1, QStringLiteral("磁盘清理-计算"), QPoint(100, 150))
             << done(QStringLiteral("桌面")).over(1, QStringLiteral("磁盘清理-C"), DialogAt)},
        {QStringLiteral("对C盘进行碎片整理前的分析。"),
         {doubleClick(QStringLiteral("桌面"), QStringLiteral("图标:我的电脑"),
                      QStringLiteral("双击桌面上的“我的电脑”图标")),
          contextPick(QStringLiteral("我的电脑"), QStringLiteral("图标:本地磁盘 (C:)"),
                      menuCode(QStringLiteral("本地磁盘"), QStringLiteral("属性(R)")),
                      QStringLiteral("右键单击“本地磁盘 (C:)”，选择“属性”")),
          click(QStringLiteral("我的电脑"), QStringLiteral("选项卡:工具"), QStringLiteral("单击“工具”选项卡"))
              .over(1, QStringLiteral("C盘属性"), DialogAt),
          click(QStringLiteral("我的电脑"), QStringLiteral("按钮:开始整理(D)..."),
                QStringLiteral("单击“开始整理”"))
              .over(1, QStringLiteral("C盘属性-工具"), DialogAt),
          click(QStringLiteral("我的电脑"), QStringLiteral("按钮:分析(A)"), QStringLiteral("单击“分析”"))
              .over(1, QStringLiteral("C盘属性-工具"), DialogAt)
              .over(2, QStringLiteral("磁盘碎片整理程序"), QPoint(10, 10)),
          wait(QStringLiteral("我的电脑"), QStringLiteral("正在分析，请稍候"))
              .over(1, QStringLiteral("C盘属性-工具"), DialogAt)
              .over(2, QStringLiteral("磁盘碎片整理-分析中"), QPoint(10, 10)),
          done(QStringLiteral("我的电脑"))
              .over(1, QStringLiteral("C盘属性-工具"), DialogAt)
              .over(2, QStringLiteral("磁盘碎片整理-分析完毕"), QPoint(10, 10))}},
        {QStringLiteral("在已打开的“写字板”中选中文字“计算机”，并将其设置为粗体。"),
         {selectText(QStringLiteral("写字板"), QStringLiteral("写字板:正文"),
                     QStringLiteral("我们每天都在使用计算机学习和工作。"), QStringLiteral("计算机")),
          click(QStringLiteral("写字板-已选中"), QStringLiteral("工具栏:粗体"),
                QStringLiteral("单击格式栏上的“粗体”按钮")),
          done(QStringLiteral("写字板-粗体"))}},
        {QStringLiteral("打开“命令提示符”窗口，输入 dir 命令并按回车键执行。"),
         flows::openAccessories() << flows::withAccessoriesOpen(click(QString(),
                                                                      QStringLiteral("菜单:命令提示符"),
                                                                      QStringLiteral("单击“命令提示符”")))
                                  << typeText(QStringLiteral("0024"), QStringLiteral("命令提示符"),
                                              QStringLiteral("命令行"), QString(), QStringLiteral("dir"))
                                         .format(QStringLiteral("0090000900"))
                                  << done(QStringLiteral("命令提示符-dir"))},
        {QStringLiteral("使用“任务管理器”结束“记事本”程序。"),
         {contextPick(QStringLiteral("记事本"), QStringLiteral("任务栏:空白"),
                      menuCode(QStringLiteral("任务栏"), QStringLiteral("任务管理器(K)")),
                      QStringLiteral("右键单击任务栏空白处，选择“任务管理器”")),
          click(QStringLiteral("记事本"), QStringLiteral("任务:无标题 - 记事本"),
                QStringLiteral("选中“无标题 - 记事本”"))
              .over(1, QStringLiteral("任务管理器"), DialogAt),
          click(QStringLiteral("记事本"), QStringLiteral("按钮:结束任务(E)"),
                QStringLiteral("单击“结束任务”"))
              .over(1, QStringLiteral("任务管理器-选中记事本"), DialogAt),
          done(QStringLiteral("桌面")).over(1, QStringLiteral("任务管理器-已结束"), DialogAt)}},
        {QStringLiteral("在已打开的“系统还原”中，创建一个名为“安装软件前”的还原点。"),
         {click(QStringLiteral("系统还原"), QStringLiteral("单选:创建一个还原点(C)"),
                QStringLiteral("选中“创建一个还原点”")),
          click(QStringLiteral("系统还原-创建"), QStringLiteral("按钮:下一步(N) >"),
                QStringLiteral("单击“下一步”")),
          typeText(QStringLiteral("0026"), QStringLiteral("系统还原-描述"),
                   QStringLiteral("文本框:还原点描述"), QString(), QStringLiteral("安装软件前"),
                   QStringLiteral("按钮:创建(R)")),
          wait(QStringLiteral("系统还原-创建中"), QStringLiteral("正在创建还原点，请稍候")),
          done(QStringLiteral("系统还原-已创建"))}},
        {QStringLiteral("将 3.5 英寸软盘快速格式化，卷标为“BACKUP”。"),
         {doubleClick(QStringLiteral("桌面"), QStringLiteral("图标:我的电脑"),
                      QStringLiteral("双击桌面上的“我的电脑”图标")),
          contextPick(QStringLiteral("我的电脑"), QStringLiteral("图标:3.5 软盘 (A:)"),
                      menuCode(QStringLiteral("软盘"), QStringLiteral("格式化(A)...")),
                      QStringLiteral("右键单击“3.5 软盘 (A:)”，选择“格式化”")),
          typeText(QStringLiteral("0021"), QStringLiteral("我的电脑"), QStringLiteral("文本框:卷标"),
                   QString(), QStringLiteral("BACKUP"))
              .over(1, QStringLiteral("格式化软盘"), formatAt),
          click(QStringLiteral("我的电脑"), QStringLiteral("复选框:快速格式化(Q)"),
                QStringLiteral("选中“快速格式化”"))
              .over(1, QStringLiteral("格式化软盘-卷标"), formatAt),
          click(QStringLiteral("我的电脑"), QStringLiteral("按钮:开始(S)"), QStringLiteral("单击“开始”"))
              .over(1, QStringLiteral("格式化软盘-快速"), formatAt),
          click(QStringLiteral("我的电脑"), QStringLiteral("按钮:确定"),
                QStringLiteral("单击“确定”开始格式化"))
              .over(1, QStringLiteral("格式化软盘-快速"), formatAt)
              .over(2, QStringLiteral("格式化警告"), warningAt),
          wait(QStringLiteral("我的电脑"), QStringLiteral("正在格式化，请稍候"))
              .over(1, QStringLiteral("格式化软盘-进行中"), formatAt),
          done(QStringLiteral("我的电脑"))
              .over(1, QStringLiteral("格式化软盘-进行中"), formatAt)
              .over(2, QStringLiteral("格式化完毕"), QPoint(100, 200))}},
    };
    return u;
}

} // namespace sample
