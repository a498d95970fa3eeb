#pragma once
// The look of Windows XP, drawn with QPainter: icons, the desktop, the task bar, window frames,
// menus, the Start menu and the controls of dialogs. Everything clickable is recorded on the
// canvas under a name ("图标:我的电脑", "按钮:确定", "菜单:属性(R)" ...).
#include "sample/canvas.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

namespace sample::xp {

enum class Icon {
    None,
    Folder,
    FolderOpen,
    MyComputer,
    MyDocuments,
    SharedDocs,
    Network,
    RecycleBin,
    RecycleBinFull,
    IE,
    TextFile,
    WordDoc,
    ExcelDoc,
    Picture,
    Zip,
    HardDisk,
    Floppy,
    CdDrive,
    Removable,
    Notepad,
    Paint,
    Calculator,
    Cmd,
    WordPad,
    ControlPanel,
    Display,
    Mouse,
    Sound,
    DateTime,
    Region,
    Users,
    Printer,
    Power,
    TaskbarIcon,
    FolderOptions,
    Fonts,
    AddRemove,
    Search,
    Help,
    Run,
    System,
    Accessibility,
    Security,
    NetConnections,
    Keyboard,
    DiskCleanup,
    Defrag,
    SystemRestore,
    TaskManager,
    MediaPlayer,
    Outlook,
    Messenger,
    Tour,
    Word,
    Excel,
    Programs,
    LogOff,
    TurnOff,
    UserPicture,
    Warning,
    Question,
    InfoIcon,
    Recorder,
    Games,
    Volume,
};

// The interface font (the system's 9-point type is 12 pixels high).
QFont font(int px = 12, bool bold = false);
void text(QPainter& p, const QRect& r, const QString& s, int flags = Qt::AlignLeft | Qt::AlignVCenter,
          QColor colour = Qt::black, int px = 12, bool bold = false);
int textWidth(const QString& s, int px = 12, bool bold = false);
// The pixel size, `px` or smaller, at which `s` fits `width` (a one-line caption in a fixed box).
int fittingSize(const QString& s, int width, int px = 12);

// An icon in a square (16, 24, 32 or 48 pixels); `shortcut` adds the shortcut arrow.
void icon(QPainter& p, const QRectF& r, Icon kind, bool shortcut = false);

// ----- the desktop -----------------------------------------------------------------------------
void wallpaper(QPainter& p, const QRect& r, const QString& name = QString());

struct DeskItem {
    Icon icon = Icon::Folder;
    QString label;
    bool shortcut = false;
};

struct Taskbar {
    QStringList tasks;         // buttons of the open windows
    QList<Icon> taskIcons;     // their icons (Folder when missing)
    int active = -1;           // the pressed button
    bool quickLaunch = false;  // the Quick Launch bar
    bool autoHide = false;     // hidden: only its top edge shows
    bool startPressed = false; // the Start button pressed (menu open)
    bool classicStart = false; // the Start button of the classic Start menu
    bool locked = true;        // unlocked: a dotted grip stands before each of its bars
};

struct Desk {
    QList<DeskItem> extra; // icons after the five standard ones, in the order shown
    QStringList selected;  // the labels of the selected icons
    QString editing;       // the label of the icon being renamed (its label is the edit field)
    bool recycleFull = false;
    QString wallpaper{}; // empty: the green hill; "Azul": the blue one
    Taskbar taskbar{};
};

// The cell of the n-th desktop icon (0-4 the standard icons at their hot-spots, then the extras).
QRect deskCell(int n);
// The label box of a desktop icon cell (where the rename field lies).
QRect deskLabelBox(const QRect& cell);
// Wallpaper, icons ("图标:" & label; "桌面:空白" a bare place) and the task bar.
void desktop(Canvas& c, const Desk& d);
// The task bar ("任务栏:开始", "任务栏:空白", "任务栏:" & task, "任务栏:快速启动").
void taskbar(Canvas& c, const Taskbar& t);

// ----- windows and dialogs ---------------------------------------------------------------------
struct Frame {
    QRect rect;
    QString title;
    Icon icon = Icon::None;
    bool dialog = false; // a dialog's frame: a close button, and "?" when help is set
    bool help = false;
    bool maximized = false;
};
// Draws the frame and gives the client area; records "窗口:关闭", "窗口:最大化", "窗口:最小化",
// "窗口:标题栏" (the names are prefixed by `prefix`).
QRect window(Canvas& c, const Frame& f, const QString& prefix = QString());

// A menu bar with its titles; records "菜单栏:" & title. `titleLefts` gives each title's place in
// pixels from the bar's left edge (the menu-bar hot-spots); empty places them by their width.
void menuBar(Canvas& c, const QRect& r, const QStringList& titles, const QList<QRect>& titleBoxes = {},
             int open = -1);

// A drop-down or context menu; rows "-" are separators, a row ending in ">" opens a cascade.
struct MenuRow {
    QString text;
    Icon icon = Icon::None;
    bool checked = false;
    bool disabled = false;
    bool bold = false;
};
QList<MenuRow> rows(const QStringList& texts);
// Draws the menu at `at`; records "菜单:" & row text (without ">"). Returns its rectangle.
QRect menu(Canvas& c, QPoint at, const QList<MenuRow>& rows, int highlighted = -1, int minWidth = 0,
           int rowHeight = 22);
QSize menuSize(const QList<MenuRow>& rows, int minWidth = 0, int rowHeight = 22);

// Controls.
void button(Canvas& c, const QRect& r, const QString& label, bool isDefault = false, bool enabled = true);
void checkBox(Canvas& c, QPoint at, const QString& label, bool checked, bool enabled = true);
void radio(Canvas& c, QPoint at, const QString& label, bool checked);
void edit(Canvas& c, const QRect& r, const QString& value, const QString& name, bool enabled = true);
void combo(Canvas& c, const QRect& r, const QString& value, const QString& name);
void listBox(Canvas& c, const QRect& r, const QStringList& items, int selected, const QString& name,
             int rowHeight = 16);
void group(Canvas& c, const QRect& r, const QString& title);
void label(Canvas& c, const QRect& r, const QString& s, int flags = Qt::AlignLeft | Qt::AlignVCenter,
           QColor colour = Qt::black);
// A link in a task pane or a page: blue text; records "链接:" & text.
void link(Canvas& c, QPoint at, const QString& s, Icon ic = Icon::None,
          QColor colour = QColor(0x21, 0x5D, 0xC6));
// Tabs along the top of `r`; records "选项卡:" & title. Returns the page area.
QRect tabs(Canvas& c, const QRect& r, const QStringList& titles, int active);
// A slider with `ticks` positions; records "滑块:" & name & ":" & position for every position.
void slider(Canvas& c, const QRect& r, int ticks, int at, const QString& name);
void progress(Canvas& c, const QRect& r, int percent);

// A message box's body in a dialog client area: icon, text lines and buttons (the first default).
void messageBody(Canvas& c, const QRect& client, Icon ic, const QStringList& lines,
                 const QStringList& buttons);

// ----- Explorer --------------------------------------------------------------------------------
// The Explorer toolbar at `at` (798 x 39): its buttons lie under the toolbar hot-spots. `second`
// is the toolbar of a window with history (Back enabled). Records "工具栏:" & button.
void toolbar(Canvas& c, QPoint at, bool second);
void addressBar(Canvas& c, const QRect& r, const QString& address, Icon ic);

// The task pane (197 x 445) of a task-pane code 1-4; its links lie under the task-pane hot-spots.
// Records "链接:" & link text.
void taskPane(Canvas& c, QPoint at, int code);

// The content of My Computer (590 x 458); its items lie under the My Computer hot-spots. Records
// "图标:" & item label. `selected` is the hot-spot number of the selected item, or 0.
void myComputer(Canvas& c, QPoint at, int selected = 0);

// Icons of a folder in the tiles view, from `at` in columns; records "图标:" & label.
struct FileItem {
    Icon icon = Icon::TextFile;
    QString label;
    QString detail{}; // second line (type, size)
};
void tiles(Canvas& c, const QRect& area, const QList<FileItem>& items, const QStringList& selected = {},
           const QString& editing = QString());
// The tile box of item n in an area (where its rename field lies: its label line).
QRect tileBox(const QRect& area, int n);
QRect tileLabel(const QRect& area, int n);
// Details view with a header; records "图标:" & label for each row.
void details(Canvas& c, const QRect& area, const QList<FileItem>& items, const QStringList& selected = {});
// List view: small icons with their names, down the first column; records "图标:" & label.
void list(Canvas& c, const QRect& area, const QList<FileItem>& items, const QStringList& selected = {});

// ----- the Start menu --------------------------------------------------------------------------
struct StartMenu {
    QStringList pinned;  // extra pinned programs (below Internet and E-mail)
    QString highlighted; // the highlighted item text
    bool allProgramsOpen = false;
};
// The open Start menu at `at` (378 x 479): its items lie under the Start-menu hot-spots. Records
// "开始:" & item.
void startMenu(Canvas& c, QPoint at, const StartMenu& s);

// ----- a few pictures used by several scenes ------------------------------------------------------
// The Windows logo in a square.
void windowsLogo(QPainter& p, const QRectF& r);

} // namespace sample::xp
