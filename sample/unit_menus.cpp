// Unit 5: the drop-down menus. Every question is one pick in the simulated menus of the desktop:
// a row of a folder window's menu, a row of one of its sub-menus, a program three levels deep in
// the Start menu's All Programs, a row of the bare desktop's menu opened by a right click, or a row
// of Notepad's menu bar; the desktop's menu pictures (menu_pictures.cpp) show the rows.
#include "sample/dialogs.h"
#include "sample/layout.h"
#include "sample/menu_pictures.h"
#include "sample/model.h"
#include "sample/screens.h"
#include "sample/step_record.h"

namespace sample {

namespace {

struct MenuQuestion {
    const char* text;
    const char* menuId;
    int row1, row2, row3;
    const char* after;             // the picture once the pick is made
    const char* notepad = nullptr; // a Notepad picture the menu is opened in: its menu bar goes
                                   // where the window draws it
    const char* window = nullptr;  // a window the pick opens, shown over `after` at `windowAt`
    QPoint windowAt{};
};

// Sound Recorder, as the Entertainment menu starts it.
void soundRecorder(Scenes& s)
{
    s.add(QStringLiteral("录音机窗口"), QSize(330, 190), [](Canvas& c) {
        const QRect client =
            screens::appWindow(c, screens::AppWindow{c.rect(),
                                                     QStringLiteral("声音 - 录音机"),
                                                     xp::Icon::Recorder,
                                                     {QStringLiteral("文件(F)"), QStringLiteral("编辑(E)"),
                                                      QStringLiteral("效果(S)"), QStringLiteral("帮助(H)")},
                                                     'E'});
        QPainter& p = c.p();
        xp::label(c, QRect(client.left() + 10, client.top() + 8, 80, 18), QStringLiteral("位置："));
        xp::label(c, QRect(client.left() + 10, client.top() + 26, 80, 18), QStringLiteral("0.00 秒"));
        xp::label(c, QRect(client.right() - 90, client.top() + 8, 80, 18), QStringLiteral("长度："),
                  Qt::AlignRight | Qt::AlignVCenter);
        xp::label(c, QRect(client.right() - 90, client.top() + 26, 80, 18), QStringLiteral("0.00 秒"),
                  Qt::AlignRight | Qt::AlignVCenter);
        const QRect wave(client.left() + 96, client.top() + 8, client.width() - 192, 38);
        p.fillRect(wave, Qt::black);
        p.setPen(QPen(QColor(0x00, 0xFF, 0x00), 1));
        p.drawLine(wave.left(), wave.center().y(), wave.right(), wave.center().y());
        xp::slider(c, QRect(client.left() + 10, client.top() + 54, client.width() - 20, 24), 2, 0,
                   QStringLiteral("位置"));
        const QStringList glyphs{QStringLiteral("◀◀"), QStringLiteral("▶▶"), QStringLiteral("▶"),
                                 QStringLiteral("■"), QStringLiteral("●")};
        for (int i = 0; i < glyphs.size(); ++i) {
            const QRect b(client.left() + 14 + 58 * i, client.top() + 88, 52, 28);
            xp::button(c, b, QString());
            xp::text(p, b, glyphs[i], Qt::AlignCenter, i == 4 ? QColor(0xC0, 0x10, 0x10) : Qt::black, 12);
        }
    });
}

// The caption of the row a path ends on, as the candidate reads it in the menu.
QString rowCaption(const MenuQuestion& m)
{
    QString id = QString::fromLatin1(m.menuId);
    int row = m.row1;
    if (m.row2) {
        id += QString::number(m.row1).rightJustified(2, u'0');
        row = m.row2;
    }
    if (m.row3) {
        id = QStringLiteral("SS0") + QString::number(m.row2);
        row = m.row3;
    }
    QString caption = dropDownRows(id).value(row - 1);
    caption.remove(QStringLiteral(" >"));
    return caption;
}

} // namespace

UnitDef unitMenus(Scenes& s)
{
    soundRecorder(s);
    const MenuQuestion table[] = {
        {"在“我的文档”窗口中，用“编辑”菜单选定窗口中的全部项目。", "A2", 8, 0, 0, "我的文档-全部选中"},
        {"在“我的文档”窗口中，用“编辑”菜单反向选择窗口中的项目。", "A2", 9, 0, 0, "我的文档-全部选中"},
        {"在“我的文档”窗口中，用“查看”菜单以列表方式显示窗口中的项目。", "A3", 7, 0, 0, "我的文档-列表"},
        {"在“我的文档”窗口中，用“查看”菜单显示项目的详细信息。", "A3", 8, 0, 0, "我的文档-详细信息"},
        {"在“我的文档”窗口中，用“文件”菜单查看“我的文档”的属性。", "A1", 8, 0, 0, "我的文档", nullptr,
         "我的文档属性", dialogs::DialogAt},
        {"在“我的文档”窗口中，用“文件”菜单新建一个文件夹。", "A1", 11, 1, 0, "我的文档-新建文件夹"},
        {"在“我的文档”窗口中，用“文件”菜单新建一个文本文档。", "A1", 11, 8, 0, "我的文档-新建文本文档"},
        {"在“我的文档”窗口中，用“查看”菜单在浏览器栏中显示文件夹。", "A3", 3, 5, 0, "我的文档-文件夹栏"},
        {"从“开始”菜单启动“附件”中“系统工具”里的“磁盘碎片整理程序”。",
         "84",
         10,
         2,
         2,
         "桌面",
         nullptr,
         "磁盘碎片整理程序",
         {110, 60}},
        {"从“开始”菜单启动“附件”中“娱乐”里的“录音机”。",
         "84",
         10,
         4,
         1,
         "桌面",
         nullptr,
         "录音机窗口",
         {230, 150}},
        {"用桌面的快捷菜单刷新桌面。", "69", 2, 0, 0, "桌面"},
        {"在“我的文档”窗口中，用“查看”菜单按名称排列窗口中的图标。", "A3", 9, 1, 0, "我的文档-按名称排列"},
        {"在记事本中，用“格式”菜单设置自动换行。", "B3", 1, 0, 0, "记事本-长文-换行", "记事本-长文"},
    };
    // Notepad's menu bar lies at the top of its client area, where the window's own picture draws it.
    const QRect client = screens::notepadFrame().adjusted(4, 29, -4, -4);
    const layout::Twips bar = layout::twips(QRect(client.topLeft(), QSize(1, 1)));
    const QString notepadBar =
        QStringLiteral("W%1 %2").arg(bar.left, 4, 10, QLatin1Char('0')).arg(bar.top, 4, 10, QLatin1Char('0'));
    UnitDef u;
    u.title = QStringLiteral("菜单操作");
    for (const MenuQuestion& m : table) {
        const QLatin1String id(m.menuId);
        const bool startMenu = id == QLatin1String("84"), desk = id == QLatin1String("69");
        const QString bg = m.notepad           ? QString::fromUtf8(m.notepad)
                           : startMenu || desk ? QStringLiteral("桌面")
                                               : QStringLiteral("我的文档");
        // The bare desktop's menu opens over the desktop's box ("M"); a menu-bar menu in a window
        // with that menu bar.
        const QString winCode = startMenu ? QStringLiteral("00")
                                : desk    ? QStringLiteral("M0")
                                          : QString(id.front()) + QStringLiteral("0");
        const QString caption = rowCaption(m);
        const QString hint = startMenu
                                 ? QStringLiteral("单击“开始”，指向“所有程序”，在菜单中单击“%1”").arg(caption)
                             : desk ? QStringLiteral("右击桌面空白处，在菜单中单击“%1”").arg(caption)
                                    : QStringLiteral("在菜单中单击“%1”").arg(caption);
        StepDef pick = menuPick(bg, winCode, QString(id), m.row1, m.row2, m.row3, hint);
        if (m.notepad) pick.at(col::PointSpec, notepadBar);
        StepDef shown = wait(QString::fromUtf8(m.after), QStringLiteral("已执行“%1”").arg(caption));
        StepDef last = done(QString::fromUtf8(m.after));
        if (m.window) {
            shown.over(1, QString::fromUtf8(m.window), m.windowAt);
            last.over(1, QString::fromUtf8(m.window), m.windowAt);
        }
        u.questions.append({QString::fromUtf8(m.text), {pick, shown, last}});
    }
    return u;
}

} // namespace sample
