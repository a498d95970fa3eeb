// Unit 5: dragging with the mouse, the keyboard and tabbed dialogs: a rubber band, a drag onto a
// target, pictures dragged in every direction, picture clicks, the second target, key steps and
// shortcuts, and a dialog whose target lies on its second tab.
#include "common/record.h"
#include "sample/context_menus.h"
#include "sample/dialogs.h"
#include "sample/layout.h"
#include "sample/model.h"
#include "steps/tab_templates.h"

#include <optional>

namespace sample {

using xp::Icon;

namespace {

constexpr int Tpp = layout::TwipsPerPixel;

// A step of this unit: no window frame ("EE"), so nothing of the desktop's own areas lies over its
// pictures, and a press on a second target is not a plain click.
StepDef bare(const QString& action, const QString& bg, const QString& hint)
{
    StepDef s;
    s.background = bg;
    s.action = action;
    s.hint = hint;
    s.at(common::col::WinCode, QStringLiteral("EE"));
    return s;
}

// A rubber band ("0040") or a drag ("0050") from `from` released on `onto`.
StepDef gesture(const QString& action, const QString& bg, const QString& from, const QString& onto,
                const QString& hint)
{
    StepDef s = bare(action, bg, hint);
    s.target = onto;
    s.aux = from;
    s.cursor = QStringLiteral("S05"); // the drag pointer: four-way arrows
    return s;
}

// Image5 (`thumb` at `at`, pixels) dragged by code 8001-8009 past the drop point `to` (pixels).
StepDef dragPicture(const QString& code, const QString& bg, const QString& thumb, QPoint at, QPoint to,
                    const QString& hint)
{
    StepDef s = bare(code, bg, hint);
    s.over(5, thumb, at);
    s.at(common::col::PointSpec, QString::number(to.x() * Tpp).rightJustified(5, u'0') +
                                     QString::number(to.y() * Tpp).rightJustified(5, u'0'));
    return s;
}

// A key step: its key code "6skk" (Shift state s, key kk), and the key alternatives that name the
// keys an action code cannot (Enter, F3-F9: "P" and a key code).
StepDef keys(const QString& code, const QString& bg, const QString& hint,
             const QStringList& alternatives = {})
{
    StepDef s = bare(code, bg, hint);
    for (int i = 0; i < alternatives.size(); ++i)
        if (!alternatives[i].isEmpty()) s.at(common::col::KeyAlt1 + 5 * i, alternatives[i]);
    return s;
}

// Alt+F4: the action code's last two digits cannot name F4 (read there, "15" is the key code 15,
// which no key has), so "6415" makes the step a key step and the key alternative takes Alt+F4.
StepDef altF4(const QString& bg, const QString& hint)
{
    return keys(QStringLiteral("6415"), bg, hint, {QStringLiteral("P6415")});
}

// ----- pictures ----------------------------------------------------------------------------------

const QList<xp::DeskItem> Notes{{Icon::TextFile, QStringLiteral("通讯录.txt")}};

void desk(Scenes& s, const QString& name, xp::Desk d, const std::function<void(Canvas&)>& more = {})
{
    s.screen(name, [d, more](Canvas& c) {
        xp::desktop(c, d);
        if (more) more(c);
    });
}

// Volume control: a vertical volume slider and a horizontal balance slider. The thumb a step drags
// is a picture of its own laid over the window; the other one, and every thumb once dropped, is
// drawn at its place.
const QRect VolumeFrame(160, 60, 300, 330);
constexpr QPoint VolumeTop(300, 150), VolumeBottom(300, 300); // thumb places (pixels)
constexpr QPoint VolumeMiddle(300, 225);
constexpr QPoint BalanceLeft(250, 118), BalanceRight(350, 118);
constexpr QPoint BalanceCentre(300, 118);
constexpr QSize ThumbSize(20, 20);

void drawThumb(QPainter& p, const QRect& r)
{
    p.fillRect(r, QColor(0xC1, 0xD2, 0xEE));
    p.setPen(QColor(0x31, 0x6A, 0xC5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

// A slider's groove between the centres of its two end places, with a tick at either end.
void groove(QPainter& p, QPoint from, QPoint to)
{
    const QPoint a = from + QPoint(ThumbSize.width() / 2, ThumbSize.height() / 2);
    const QPoint b = to + QPoint(ThumbSize.width() / 2, ThumbSize.height() / 2);
    const bool across = a.y() == b.y();
    const QRect r =
        across ? QRect(a.x(), a.y() - 2, b.x() - a.x(), 4) : QRect(a.x() - 2, a.y(), 4, b.y() - a.y());
    p.setPen(QPen(QColor(0x9D, 0x9C, 0x99), 1));
    p.setBrush(QColor(0xEC, 0xEB, 0xE6));
    p.drawRect(r);
    p.setPen(QPen(QColor(0xA1, 0xA1, 0x92), 1));
    for (const QPoint& end : {a, b}) {
        if (across)
            p.drawLine(end.x(), end.y() + 13, end.x(), end.y() + 17);
        else
            p.drawLine(end.x() - 17, end.y(), end.x() - 13, end.y());
    }
}

// The window with its thumbs where they stand; a missing one is being dragged.
void volumeControl(Canvas& c, std::optional<QPoint> volume, std::optional<QPoint> balance,
                   const xp::Desk& under = {})
{
    xp::desktop(c, under);
    const QRect client = xp::window(c, xp::Frame{VolumeFrame, QStringLiteral("音量控制"), Icon::None, true});
    QPainter& p = c.p();
    xp::label(c, QRect(client.left() + 10, client.top() + 8, 120, 18), QStringLiteral("平衡："));
    groove(p, BalanceLeft, BalanceRight);
    xp::label(c, QRect(BalanceLeft.x() - 24, BalanceLeft.y(), 20, 20), QStringLiteral("左"));
    xp::label(c, QRect(BalanceRight.x() + 26, BalanceRight.y(), 20, 20), QStringLiteral("右"));
    xp::label(c, QRect(client.left() + 10, client.top() + 70, 120, 18), QStringLiteral("音量："));
    groove(p, VolumeTop, VolumeBottom);
    xp::label(c, QRect(VolumeTop.x() + 30, VolumeTop.y(), 40, 18), QStringLiteral("高"));
    xp::label(c, QRect(VolumeBottom.x() + 30, VolumeBottom.y(), 40, 18), QStringLiteral("低"));
    for (const std::optional<QPoint>& at : {volume, balance})
        if (at) drawThumb(p, QRect(*at, ThumbSize));
}

void volumeScenes(Scenes& s)
{
    const auto add = [&](const QString& name, std::optional<QPoint> volume, std::optional<QPoint> balance) {
        s.screen(name, [volume, balance](Canvas& c) { volumeControl(c, volume, balance); });
    };
    add(QStringLiteral("动作-音量控制"), VolumeMiddle, BalanceCentre);
    add(QStringLiteral("动作-音量控制-调音量"), std::nullopt, BalanceCentre);
    add(QStringLiteral("动作-音量控制-调平衡"), VolumeBottom, std::nullopt);
    add(QStringLiteral("动作-音量控制-平衡最左"), VolumeBottom, BalanceLeft);
    add(QStringLiteral("动作-音量控制-完成"), VolumeBottom, BalanceRight);
    xp::Desk recycleSelected;
    recycleSelected.selected = {QStringLiteral("回收站")};
    s.screen(QStringLiteral("动作-音量控制-平衡最左-回收站选中"),
             [recycleSelected](Canvas& c) { volumeControl(c, VolumeBottom, BalanceLeft, recycleSelected); });
    s.add(QStringLiteral("动作-滑块"), ThumbSize, [](Canvas& c) { drawThumb(c.p(), c.rect()); });
}

// A small window dragged about, and the desktop with its goal drawn as a dotted outline.
const QSize NoteSize(160, 100);
constexpr QPoint LastGoal(360, 40);
void drawNote(Canvas& c)
{
    const QRect client = xp::window(c, xp::Frame{c.rect(), QStringLiteral("便笺"), Icon::TextFile, true});
    xp::label(c, client.adjusted(6, 6, -6, -6), QStringLiteral("记得备份文件"));
}

void noteWindow(Scenes& s)
{
    s.add(QStringLiteral("便笺窗口"), NoteSize, drawNote);
}

// The dashed frame round the window's goal (its Left and Top there), a margin wider on every side.
constexpr int GoalMargin = 8;
QRect goalFrame(QPoint goal)
{
    return QRect(goal, NoteSize).adjusted(-GoalMargin, -GoalMargin, GoalMargin, GoalMargin);
}

void deskWithGoal(Scenes& s, const QString& name, QPoint goal)
{
    desk(s, name, xp::Desk{}, [goal](Canvas& c) {
        QPainter& p = c.p();
        p.setPen(QPen(Qt::white, 2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(goalFrame(goal));
        c.mark(QStringLiteral("虚线框"), goalFrame(goal));
    });
}

// The note window dragged from `from` into the frame round `goal` by code 8006-8009, whose rule the
// window's Left and Top must meet at the drop point. A window inside the frame has its Left and Top
// within the margin of the goal's, so the drop point is the goal moved by the margin to the far side
// of that range in the code's directions ("left of x": x = goal + margin; "below y": y = goal -
// margin). The point lies inside the frame, and every window placed in the frame passes.
StepDef dragNote(const QString& code, const QString& bg, QPoint from, QPoint goal, const QString& hint)
{
    const bool leftOf = code == QLatin1String("8006") || code == QLatin1String("8008");
    const bool below = code == QLatin1String("8006") || code == QLatin1String("8007");
    const QPoint drop(goal.x() + (leftOf ? GoalMargin : -GoalMargin),
                      goal.y() + (below ? -GoalMargin : GoalMargin));
    return dragPicture(code, bg, QStringLiteral("便笺窗口"), from, drop, hint);
}

// The display properties as template A lays out its two tabs: 主题 and 桌面, the back button on
// the Cancel button.
constexpr QSize SheetSize(420, 460);
QRect tplRect(std::string_view tpl, int col, int wCol, int hCol)
{
    const auto n = [&](int c, int w) {
        return QString::fromLatin1(tpl.substr(size_t(c - 1), size_t(w))).toInt();
    };
    return QRect(n(col, 4) / Tpp, n(col + 4, 4) / Tpp, n(wCol, 4) / Tpp, n(hCol, 4) / Tpp);
}

void sheetA(Scenes& s, const QString& name, int active, const QString& chosen)
{
    s.add(name, SheetSize, [active, chosen](Canvas& c) {
        const std::string_view tpl = desktop::tabTemplate('A');
        const auto num = [&](int col, int w) {
            return QString::fromLatin1(tpl.substr(size_t(col - 1), size_t(w))).toInt();
        };
        const QRect client =
            xp::window(c, xp::Frame{c.rect(), QStringLiteral("显示 属性"), Icon::None, true, true});
        QPainter& p = c.p();
        const int top = num(3, 4) / Tpp, height = num(7, 3) / Tpp;
        const QRect page(6, top + height, SheetSize.width() - 12, 340);
        p.setPen(QColor(0x91, 0x9B, 0x9C));
        p.setBrush(QColor(0xFC, 0xFC, 0xFE));
        p.drawRect(page);
        const QStringList titles{QStringLiteral("主题"), QStringLiteral("桌面")};
        for (int i = 1; i <= 2; ++i) {
            const int left = num(10 * i + 6, 4) / Tpp, right = num(10 * (i + 1) + 6, 4) / Tpp;
            QRect tab(left, top, right - left, height);
            if (i == active) tab.adjust(0, -2, 0, 1);
            p.setPen(QColor(0x91, 0x9B, 0x9C));
            p.setBrush(i == active ? QColor(0xFC, 0xFC, 0xFE) : QColor(0xEC, 0xE9, 0xD8));
            p.drawRect(tab);
            if (i == active)
                p.fillRect(QRect(tab.left() + 1, tab.top() + 2, tab.width() - 1, 2),
                           QColor(0xFF, 0xC8, 0x3C));
            xp::text(p, tab, titles[i - 1], Qt::AlignCenter);
            c.mark(QStringLiteral("选项卡:") + titles[i - 1], tab);
        }
        if (active == 1) {
            xp::label(c, QRect(page.left() + 12, page.top() + 14, 300, 18),
                      QStringLiteral("主题是背景加上一组声音、图标以及其他元素。"));
            xp::combo(c, QRect(page.left() + 12, page.top() + 44, 240, 21), QStringLiteral("Windows XP"),
                      QStringLiteral("主题"));
        } else {
            xp::label(c, QRect(page.left() + 12, page.top() + 14, 200, 18), QStringLiteral("背景(K)："));
            xp::listBox(c, QRect(page.left() + 12, page.top() + 36, 200, 150), dialogs::backgrounds(),
                        int(dialogs::backgrounds().indexOf(chosen)), QStringLiteral("背景"));
        }
        const QRect back = tplRect(tpl, 140, 148, 152);
        xp::button(c, QRect(back.left() - 80, back.top(), 75, back.height()), QStringLiteral("确定"), true);
        xp::button(c, back, QStringLiteral("取消"));
        Q_UNUSED(client);
    });
}

// A key step with the desktop icons area shown, which takes the keys once it is clicked.
StepDef onIcons(StepDef s)
{
    s.at(common::col::WinCode, QStringLiteral("M0"));
    return s;
}

// A key step in the open Start menu (no window: "00"), with a menu path whose shortcut it takes.
StepDef inStartMenu(StepDef s, const QString& path = QString())
{
    s.at(common::col::WinCode, QStringLiteral("00"));
    if (!path.isEmpty()) s.at(common::col::TargetC, path);
    return s;
}

// The folder window of the key steps: its files shown, all selected, or gone.
const QRect FolderFrame(120, 50, 460, 300);
const QList<xp::FileItem> Files{{Icon::WordDoc, QStringLiteral("工作计划.doc")},
                                {Icon::TextFile, QStringLiteral("通讯录.txt")},
                                {Icon::Picture, QStringLiteral("旅游.jpg")}};

// The help window that F1 opens: its home page, or the page on using the help itself (F1 pressed
// in the help window).
const QRect HelpFrame(230, 90, 520, 380);
void helpWindow(Canvas& c, bool aboutHelp)
{
    const QRect client =
        xp::window(c, xp::Frame{HelpFrame, QStringLiteral("帮助和支持中心"), Icon::Help, true});
    QPainter& p = c.p();
    const QRect head(client.left(), client.top(), client.width(), 44);
    p.fillRect(head, QColor(0x31, 0x6A, 0xC5));
    xp::text(p, head.adjusted(12, 0, 0, 0), QStringLiteral("帮助和支持中心"),
             Qt::AlignLeft | Qt::AlignVCenter, Qt::white, 16, true);
    xp::label(c, QRect(client.left() + 12, head.bottom() + 10, 40, 20), QStringLiteral("搜索"));
    xp::edit(c, QRect(client.left() + 52, head.bottom() + 10, 220, 20), QString(), QStringLiteral("搜索"));
    int y = head.bottom() + 44;
    if (aboutHelp) {
        xp::text(p, QRect(client.left() + 12, y, client.width() - 24, 22),
                 QStringLiteral("使用帮助和支持中心"), Qt::AlignLeft | Qt::AlignVCenter,
                 QColor(0x21, 0x5D, 0xC6), 14, true);
        y += 30;
        for (const QString& line : {QStringLiteral("在“搜索”框中键入要查找的词，然后单击箭头按钮。"),
                                    QStringLiteral("单击左侧的主题，在右侧阅读它的内容。"),
                                    QStringLiteral("按 Tab 键在主题之间移动，按回车键打开主题。"),
                                    QStringLiteral("按 Esc 键关闭帮助和支持中心。")}) {
            xp::label(c, QRect(client.left() + 20, y, client.width() - 40, 20), QStringLiteral("• ") + line);
            y += 26;
        }
        return;
    }
    xp::text(p, QRect(client.left() + 12, y, client.width() - 24, 22), QStringLiteral("选择一个帮助主题"),
             Qt::AlignLeft | Qt::AlignVCenter, Qt::black, 14, true);
    y += 30;
    for (const QString& topic :
         {QStringLiteral("Windows 基础知识"), QStringLiteral("文件和文件夹"), QStringLiteral("网络和 Web"),
          QStringLiteral("自定义您的计算机"), QStringLiteral("打印和传真"), QStringLiteral("性能和维护")}) {
        xp::link(c, QPoint(client.left() + 20, y), topic, Icon::Help);
        y += 26;
    }
}

void folder(Scenes& s, const QString& name, bool selected, bool empty, bool help = false)
{
    desk(s, name, xp::Desk{}, [selected, empty, help](Canvas& c) {
        const QRect client = xp::window(c, xp::Frame{FolderFrame, QStringLiteral("资料"), Icon::FolderOpen});
        QStringList all;
        for (const xp::FileItem& f : Files)
            all << f.label;
        if (!empty) xp::tiles(c, client.adjusted(8, 8, -8, -8), Files, selected ? all : QStringList());
        if (help) helpWindow(c, false);
    });
}

// The folder once its files are pasted back: each copy beside them, the copies selected.
void folderWithCopies(Scenes& s, const QString& name)
{
    desk(s, name, xp::Desk{}, [](Canvas& c) {
        const QRect client = xp::window(c, xp::Frame{FolderFrame, QStringLiteral("资料"), Icon::FolderOpen});
        QList<xp::FileItem> items = Files;
        QStringList copies;
        for (const xp::FileItem& f : Files) {
            items.append({f.icon, QStringLiteral("复件 ") + f.label});
            copies << items.last().label;
        }
        xp::tiles(c, client.adjusted(8, 8, -8, -8), items, copies);
    });
}

// My Computer's properties.
void systemProperties(Scenes& s, const QString& name)
{
    s.sheet(name, QSize(400, 440), QStringLiteral("系统属性"),
            {QStringLiteral("常规"), QStringLiteral("计算机名"), QStringLiteral("硬件"),
             QStringLiteral("高级"), QStringLiteral("远程")},
            0, [](Canvas& c, const QRect& page) {
                xp::icon(c.p(), QRectF(page.left() + 16, page.top() + 20, 48, 48), Icon::MyComputer);
                const QStringList lines{QStringLiteral("系统："),
                                        QStringLiteral("    Microsoft Windows XP"),
                                        QStringLiteral("    Professional"),
                                        QStringLiteral("    版本 2002"),
                                        QStringLiteral("    Service Pack 2"),
                                        QString(),
                                        QStringLiteral("计算机："),
                                        QStringLiteral("    Intel(R) Pentium(R) 4 CPU"),
                                        QStringLiteral("    2.80 GHz"),
                                        QStringLiteral("    512 MB 的内存")};
                int y = page.top() + 16;
                for (const QString& line : lines) {
                    xp::label(c, QRect(page.left() + 150, y, page.width() - 160, 18), line);
                    y += 20;
                }
            });
}

void addScenes(Scenes& s)
{
    xp::Desk withNotes;
    withNotes.extra = Notes;
    // The band: from a blank place below and right of "网上邻居" up to a blank place above and left
    // of "我的电脑", so both icons lie inside it.
    desk(s, QStringLiteral("拖动-桌面"), withNotes, [](Canvas& c) {
        const QRect computer = xp::deskCell(1), network = xp::deskCell(2);
        c.mark(QStringLiteral("选框:起点"), QRect(network.right() + 20, network.bottom() + 6, 40, 24));
        c.mark(QStringLiteral("选框:终点"), QRect(computer.left() - 12, computer.top() - 12, 10, 10));
    });
    xp::Desk both = withNotes;
    both.selected = {QStringLiteral("我的电脑"), QStringLiteral("网上邻居")};
    desk(s, QStringLiteral("拖动-桌面-已框选"), both);
    xp::Desk full;
    full.recycleFull = true;
    desk(s, QStringLiteral("拖动-桌面-已删除"), full);

    volumeScenes(s);
    noteWindow(s);
    deskWithGoal(s, QStringLiteral("便笺-左下"), {200, 250});
    deskWithGoal(s, QStringLiteral("便笺-右下"), {280, 300});
    deskWithGoal(s, QStringLiteral("便笺-左上"), {120, 60});
    deskWithGoal(s, QStringLiteral("便笺-右上"), LastGoal);
    // The window stays where the last drag put it.
    desk(s, QStringLiteral("便笺-完成"), xp::Desk{}, [](Canvas& c) {
        Canvas note(NoteSize);
        drawNote(note);
        c.p().drawImage(LastGoal, note.finish());
    });

    sheetA(s, QStringLiteral("动作-显示属性-桌面"), 2, QString());
    sheetA(s, QStringLiteral("动作-显示属性-桌面-Azul"), 2, QStringLiteral("Azul"));
    // The template's own pages.
    sheetA(s, QStringLiteral("#610197"), 1, QString());
    sheetA(s, QStringLiteral("#610251"), 2, QString());
    xp::Desk azul = withNotes;
    azul.wallpaper = QStringLiteral("Azul");
    desk(s, QStringLiteral("动作-桌面-Azul"), azul);

    folder(s, QStringLiteral("资料窗口"), false, false);
    folder(s, QStringLiteral("资料窗口-全选"), true, false);
    folder(s, QStringLiteral("资料窗口-已删除"), false, true);
    folder(s, QStringLiteral("资料窗口-帮助"), false, false, true);
    folderWithCopies(s, QStringLiteral("资料窗口-已粘贴"));
    // The desktop's five icons, as the icons box shows them, under the help window.
    desk(s, QStringLiteral("动作-桌面-帮助"), xp::Desk{}, [](Canvas& c) { helpWindow(c, false); });
    desk(s, QStringLiteral("动作-桌面-帮助-使用帮助"), xp::Desk{}, [](Canvas& c) { helpWindow(c, true); });
    systemProperties(s, QStringLiteral("动作-系统属性"));
    dialogs::messageBox(s, QStringLiteral("动作-确认删除"), QStringLiteral("确认删除多个文件"), Icon::Warning,
                        {QStringLiteral("确实要把这 3 项删除吗？")},
                        {QStringLiteral("是(Y)"), QStringLiteral("否(N)")});

    // Picture clicks: a message whose two buttons are pictures of their own.
    dialogs::messageBox(s, QStringLiteral("动作-清空提示"), QStringLiteral("确认删除多个文件"), Icon::Warning,
                        {QStringLiteral("确实要删除这些项吗？")}, {});
    s.add(QStringLiteral("按钮图-是"), QSize(75, 23),
          [](Canvas& c) { xp::button(c, c.rect(), QStringLiteral("是(Y)"), true); });
    s.add(QStringLiteral("按钮图-否"), QSize(75, 23),
          [](Canvas& c) { xp::button(c, c.rect(), QStringLiteral("否(N)")); });
}

} // namespace

UnitDef unitActions(Scenes& s)
{
    addScenes(s);
    const QString deskBg = QStringLiteral("拖动-桌面");
    const QPoint messageAt(220, 200);
    UnitDef u;
    u.title = QStringLiteral("拖动与键盘");
    u.questions = {
        {QStringLiteral(
             "在桌面上用鼠标拖出选框，同时选中“我的电脑”和“网上邻居”，再把“通讯录.txt”拖到“回收站”中。"),
         {gesture(QStringLiteral("0040"), deskBg, QStringLiteral("选框:起点"), QStringLiteral("选框:终点"),
                  QStringLiteral("从右下向左上拖出选框")),
          gesture(QStringLiteral("0050"), QStringLiteral("拖动-桌面-已框选"),
                  QStringLiteral("图标:通讯录.txt"), QStringLiteral("图标:回收站"),
                  QStringLiteral("把“通讯录.txt”拖到“回收站”上")),
          done(QStringLiteral("拖动-桌面-已删除"))}},
        {QStringLiteral("在“音量控制”中先把音量调到最高再调到最低，然后把平衡先拖到最左再拖到最右。"),
         {dragPicture(QStringLiteral("8003"), QStringLiteral("动作-音量控制-调音量"),
                      QStringLiteral("动作-滑块"), VolumeBottom, VolumeTop,
                      QStringLiteral("向上拖动音量滑块")),
          dragPicture(QStringLiteral("8004"), QStringLiteral("动作-音量控制-调音量"),
                      QStringLiteral("动作-滑块"), VolumeTop, VolumeBottom,
                      QStringLiteral("向下拖动音量滑块")),
          dragPicture(QStringLiteral("8001"), QStringLiteral("动作-音量控制-调平衡"),
                      QStringLiteral("动作-滑块"), BalanceCentre, BalanceLeft,
                      QStringLiteral("向左拖动平衡滑块")),
          dragPicture(QStringLiteral("8002"), QStringLiteral("动作-音量控制-调平衡"),
                      QStringLiteral("动作-滑块"), BalanceLeft, BalanceRight,
                      QStringLiteral("向右拖动平衡滑块")),
          done(QStringLiteral("动作-音量控制-完成"))}},
        {QStringLiteral("用鼠标拖动“便笺”窗口的标题栏，依次把它移到桌面上虚线框所示的四个位置。"),
         {dragNote(QStringLiteral("8006"), QStringLiteral("便笺-左下"), {300, 150}, {200, 250},
                   QStringLiteral("把窗口拖到左下方的虚线框")),
          dragNote(QStringLiteral("8007"), QStringLiteral("便笺-右下"), {200, 250}, {280, 300},
                   QStringLiteral("把窗口拖到右下方的虚线框")),
          dragNote(QStringLiteral("8008"), QStringLiteral("便笺-左上"), {280, 300}, {120, 60},
                   QStringLiteral("把窗口拖到左上方的虚线框")),
          dragNote(QStringLiteral("8009"), QStringLiteral("便笺-右上"), {120, 60}, {360, 40},
                   QStringLiteral("把窗口拖到右上方的虚线框")),
          done(QStringLiteral("便笺-完成"))}},
        {QStringLiteral("在“显示 属性”对话框中把桌面背景设置为“Azul”。"),
         {[] {
              StepDef s = click(QStringLiteral("拖动-桌面"), QStringLiteral("列表项:Azul"),
                                QStringLiteral("在“桌面”选项卡中单击“Azul”"));
              s.over(1, QStringLiteral("动作-显示属性-桌面"), {30, 40});
              s.at(common::col::TabSpec, QStringLiteral("XA121")); // shows 主题, the target on 桌面
              s.page(QStringLiteral("#610197")).page(QStringLiteral("#610251"));
              return s;
          }(),
          [] {
              StepDef s = click(QStringLiteral("拖动-桌面"), QStringLiteral("按钮:确定"),
                                QStringLiteral("单击“确定”"));
              s.over(1, QStringLiteral("动作-显示属性-桌面-Azul"), {30, 40});
              s.at(common::col::TabSpec, QStringLiteral("XA221"));
              return s;
          }(),
          done(QStringLiteral("动作-桌面-Azul"))}},
        {QStringLiteral(
             "在“资料”窗口中用快捷键选定全部文件，按 Delete 键删除并确认，最后用 Alt+F4 关闭窗口。"),
         {[] {
              StepDef s =
                  keys(QStringLiteral("6265"), QStringLiteral("资料窗口"), QStringLiteral("按 Ctrl+A 全选"));
              s.at(common::col::TargetC, QStringLiteral("HA20800000")); // 编辑 > 全选, its shortcut the same
              return s;
          }(),
          keys(QStringLiteral("6046"), QStringLiteral("资料窗口-全选"), QStringLiteral("按 Delete 键")),
          keys(QStringLiteral("6489"), QStringLiteral("资料窗口-全选"),
               QStringLiteral("按 Alt+Y 或回车键确认"), {QStringLiteral("P6489"), QStringLiteral("P6013")})
              .over(1, QStringLiteral("动作-确认删除"), messageAt),
          altF4(QStringLiteral("资料窗口-已删除"), QStringLiteral("按 Alt+F4 关闭窗口")),
          done(QStringLiteral("桌面"))}},
        {QStringLiteral("单击“回收站”，在提示中单击“是”，然后右键单击“我的电脑”图标打开其属性。"),
         {click(QStringLiteral("拖动-桌面"), QStringLiteral("图标:回收站"), QStringLiteral("单击“回收站”")),
          // "是" goes on to step 3; the picture "否", and closing the message (a release on the
          // second target, which goes by its own jump), back to step 1.
          click(QStringLiteral("拖动-桌面"), QStringLiteral("按钮:是(Y)"), QStringLiteral("单击“是”"))
              .jumpTo(u'3')
              .alsoBy(QStringLiteral("窗口:关闭"), u'1')
              .over(1, QStringLiteral("动作-清空提示"), messageAt)
              .over(2, QStringLiteral("按钮图-是"), messageAt + QPoint(45, 95), u'3')
              .over(3, QStringLiteral("按钮图-否"), messageAt + QPoint(140, 95), u'1'),
          contextPick(QStringLiteral("拖动-桌面"), QStringLiteral("图标:我的电脑"),
                      menuCode(QStringLiteral("我的电脑图标"), QStringLiteral("属性(R)")),
                      QStringLiteral("右键单击“我的电脑”，选择“属性”")),
          done(QStringLiteral("拖动-桌面")).over(1, QStringLiteral("动作-系统属性"), {200, 60})}},
        {QStringLiteral(
             "按住 Shift 键拖出选框选中“我的电脑”和“网上邻居”，再按住 Ctrl 键把“通讯录.txt”拖到“回收站”上。"),
         {gesture(QStringLiteral("0041"), deskBg, QStringLiteral("选框:起点"), QStringLiteral("选框:终点"),
                  QStringLiteral("按住 Shift 键拖出选框")),
          [&] {
              StepDef s = gesture(QStringLiteral("0052"), QStringLiteral("拖动-桌面-已框选"),
                                  QStringLiteral("图标:通讯录.txt"), QStringLiteral("图标:回收站"),
                                  QStringLiteral("按住 Ctrl 键拖动"));
              s.at(common::col::CursorSpec + 1, QStringLiteral("3")); // the drop goes on to step 3
              return s;
          }(),
          done(QStringLiteral("拖动-桌面-已删除"))}},
        {QStringLiteral("在“资料”窗口中用快捷键复制选定的文件，再把它粘贴回来。"),
         {[] {
              StepDef s = keys(QStringLiteral("6267"), QStringLiteral("资料窗口-全选"),
                               QStringLiteral("按 Ctrl+C 复制"));
              s.at(common::col::TargetA, QStringLiteral("HA20300000")); // 编辑 > 复制
              return s;
          }(),
          [] {
              StepDef s = keys(QStringLiteral("6286"), QStringLiteral("资料窗口-全选"),
                               QStringLiteral("按 Ctrl+V 粘贴"));
              s.at(common::col::TargetB, QStringLiteral("HA20400000")); // 编辑 > 粘贴
              return s;
          }(),
          done(QStringLiteral("资料窗口-已粘贴"))}},
        {QStringLiteral("在“资料”窗口中按 F1 打开帮助，按 Tab 键移到下一项，再按 Esc 键关闭帮助。"),
         {keys(QStringLiteral("6012"), QStringLiteral("资料窗口"), QStringLiteral("按 F1 键")),
          keys(QStringLiteral("6009"), QStringLiteral("资料窗口-帮助"), QStringLiteral("按 Tab 键")),
          keys(QStringLiteral("6027"), QStringLiteral("资料窗口-帮助"), QStringLiteral("按 Esc 键")),
          done(QStringLiteral("资料窗口"))}},
        {QStringLiteral("在“音量控制”中把平衡拖到最左，再单击桌面上的“回收站”。"),
         {dragPicture(QStringLiteral("8001"), QStringLiteral("动作-音量控制-调平衡"),
                      QStringLiteral("动作-滑块"), BalanceRight, BalanceLeft,
                      QStringLiteral("向左拖动平衡滑块")),
          click(QStringLiteral("动作-音量控制-平衡最左"), QStringLiteral("图标:回收站"),
                QStringLiteral("单击“回收站”")),
          done(QStringLiteral("动作-音量控制-平衡最左-回收站选中"))}},
        // A key pressed on the desktop's icons, whose area the help window the key opens takes away,
        // and the same key asked twice in a row: one press passes one step. F1 in the help window
        // opens the help's page on using it.
        {QStringLiteral("在桌面上按 F1 键打开帮助，再按一次 F1 键查看帮助的用法，然后按 Esc 键关闭帮助。"),
         {onIcons(keys(QStringLiteral("6012"), QStringLiteral("桌面"), QStringLiteral("按 F1 键"))),
          keys(QStringLiteral("6012"), QStringLiteral("动作-桌面-帮助"), QStringLiteral("再按一次 F1 键")),
          keys(QStringLiteral("6027"), QStringLiteral("动作-桌面-帮助-使用帮助"),
               QStringLiteral("按 Esc 键")),
          done(QStringLiteral("桌面"))}},
        {QStringLiteral("打开“开始”菜单，按 Ctrl+C 复制“我的文档”，再按一次 Ctrl+C。"),
         {inStartMenu(
              keys(QStringLiteral("6267"), QStringLiteral("开始菜单"), QStringLiteral("按 Ctrl+C 复制")),
              QStringLiteral("HA20300000")), // 编辑 > 复制
          inStartMenu(
              keys(QStringLiteral("6267"), QStringLiteral("开始菜单"), QStringLiteral("再按一次 Ctrl+C"))),
          done(QStringLiteral("开始菜单"))}},
        {QStringLiteral("按 Alt+F4 关闭“资料”窗口，再按 Alt+F4 关闭“音量控制”窗口。"),
         {altF4(QStringLiteral("资料窗口"), QStringLiteral("按 Alt+F4 关闭“资料”窗口")),
          altF4(QStringLiteral("动作-音量控制"), QStringLiteral("按 Alt+F4 关闭“音量控制”窗口")),
          done(QStringLiteral("桌面"))}},
    };
    return u;
}

} // namespace sample
