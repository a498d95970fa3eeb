#pragma once
// Whole screens that several questions show: the desktop with its Start menu, Explorer windows and
// application windows, each drawn at the places the desktop's chrome uses.
#include "sample/canvas.h"
#include "sample/xp.h"

#include <functional>

namespace sample::screens {

// The Start menu's place on the screen.
QPoint startMenuAt();

// The desktop with the Start menu open.
void startMenuScreen(Canvas& c, const xp::StartMenu& s, const xp::Desk& d = {});

// The rows of the cascades of All Programs.
QList<xp::MenuRow> allProgramsRows();
QList<xp::MenuRow> accessoriesRows();
QList<xp::MenuRow> systemToolsRows();
// Where the cascades open: All Programs to the right of its button, each next one to the right of
// the previous one, level with the row that opened it.
QPoint allProgramsAt();
QPoint accessoriesAt();
QPoint systemToolsAt();

struct Explorer {
    enum class View { MyComputer, Tiles, Details, List };
    QString title;
    xp::Icon icon = xp::Icon::Folder;
    QString address;
    int pane = 1; // the task-pane picture; 0: My Computer's system tasks
    View view = View::Tiles;
    int selectedHotSpot = 0;     // My Computer: the selected item
    QList<xp::FileItem> items{}; // Tiles and Details
    QStringList selected{};
    QString editing{};
    bool back = false;
    xp::Desk desk{}; // the desktop under the window and its task bar
};
// A maximized Explorer window: menu bar, toolbar, address bar and task pane at the places of the
// desktop's boxes, its content to the right of the task pane.
void explorer(Canvas& c, const Explorer& e);
// Where an Explorer window shows its files.
QRect explorerContent();

// An application window with a menu bar; `body` draws the client area below the menu bar.
struct AppWindow {
    QRect frame;
    QString title;
    xp::Icon icon = xp::Icon::None;
    QStringList menus;
    char letter = 0; // the menu-bar hot-spot layout the titles follow (0: by their width)
    bool maximized = false;
};
QRect appWindow(Canvas& c, const AppWindow& w, const std::function<void(Canvas&, const QRect&)>& body = {});

// The folder tree an Explorer window shows in place of its task pane (the "文件夹" button, the view
// menu's explorer bar) in `r`, "我的电脑" and its drives listed, drive C opened when `cOpen`, the
// node `selected` highlighted. Records "树:" & node and "树:+" & node for its expanders.
void folderTree(Canvas& c, const QRect& r, bool cOpen, const QString& selected);
// The search companion an Explorer window shows in place of its task pane (the "搜索" button), its
// title drawn; returns its rectangle.
QRect searchCompanion(Canvas& c);
// The companion's first page from `top` down: what to look for, as links.
void searchChoices(Canvas& c, int top);

// Notepad with a document; records "记事本:正文" (the text area).
struct Notepad {
    QString document = QStringLiteral("无标题");
    QString content{};
    bool wrap = false;
    bool blackFace = false; // the text in 黑体 小四 instead of 宋体 五号
};
QRect notepadFrame();
void notepad(Canvas& c, const Notepad& n, const xp::Desk& under = {});

} // namespace sample::screens

namespace sample::screens {

// A Control Panel page (800 x 457) whose items lie under the dialog hot-spots: digit 0 the
// category view, 1 the page "外观和主题". Records "链接:" & item.
void controlPanelPage(Canvas& c, QPoint at, int digit);

// A category page in the layout of "外观和主题": up to four tasks, up to three icons, see-also
// links and troubleshooters.
struct CategoryPage {
    QString title;
    xp::Icon icon = xp::Icon::ControlPanel;
    QList<std::pair<xp::Icon, QString>> tasks;
    QList<std::pair<xp::Icon, QString>> icons;
    QStringList seeAlso;
    QStringList troubleshooters;
};
void categoryPage(Canvas& c, QPoint at, const CategoryPage& page);
CategoryPage appearancePage();

// Control Panel as a maximized window around a page drawn by `page` at the dialog box's place.
void controlPanelWindow(Canvas& c, const std::function<void(Canvas&, QPoint)>& page, const QString& address);

// The classic view of Control Panel; records "图标:" & item.
QList<xp::FileItem> classicControlPanelItems();
void classicControlPanel(Canvas& c);

} // namespace sample::screens
