// Pictures shared by the units: the desktop, the Start menu and its cascades, My Computer, Notepad.
#include "sample/flows.h"
#include "sample/model.h"
#include "sample/screens.h"

namespace sample {

using namespace screens;
using xp::Icon;

void addCommonScenes(Scenes& s)
{
    s.screen(QStringLiteral("桌面"), [](Canvas& c) { xp::desktop(c, {}); });
    s.screen(QStringLiteral("开始菜单"), [](Canvas& c) { startMenuScreen(c, {}); });
    s.screen(QStringLiteral("开始菜单-所有程序"), [](Canvas& c) {
        xp::StartMenu m;
        m.allProgramsOpen = true;
        startMenuScreen(c, m);
    });
    s.menu(QStringLiteral("所有程序菜单"), allProgramsRows());
    s.menu(QStringLiteral("所有程序菜单-附件"), allProgramsRows(), 0);
    s.menu(QStringLiteral("附件菜单"), accessoriesRows());
    s.menu(QStringLiteral("附件菜单-系统工具"), accessoriesRows(), 0);
    s.menu(QStringLiteral("系统工具菜单"), systemToolsRows());
    s.screen(QStringLiteral("我的电脑"), [](Canvas& c) {
        explorer(c, Explorer{QStringLiteral("我的电脑"), Icon::MyComputer, QStringLiteral("我的电脑"), 0,
                             Explorer::View::MyComputer});
    });
    s.screen(QStringLiteral("记事本"), [](Canvas& c) { notepad(c, {}); });
}

namespace flows {

StepDef clickStart(const QString& bg)
{
    return click(bg, QStringLiteral("任务栏:开始"), QStringLiteral("单击“开始”按钮"));
}

QList<StepDef> openAccessories()
{
    return {
        clickStart(),
        hover(QStringLiteral("开始菜单"), QStringLiteral("开始:所有程序(P)"),
              QStringLiteral("指向“所有程序”")),
        hover(QStringLiteral("开始菜单-所有程序"), QStringLiteral("菜单:附件"), QStringLiteral("指向“附件”"))
            .over(1, QStringLiteral("所有程序菜单"), allProgramsAt())};
}

StepDef withAccessoriesOpen(StepDef s)
{
    s.background = QStringLiteral("开始菜单-所有程序");
    s.overlays.prepend(OverlayDef{2, QStringLiteral("附件菜单"), accessoriesAt()});
    s.overlays.prepend(OverlayDef{1, QStringLiteral("所有程序菜单-附件"), allProgramsAt()});
    return s;
}

QList<StepDef> openSystemTools()
{
    return openAccessories() << withAccessoriesOpen(
               hover(QString(), QStringLiteral("菜单:系统工具"), QStringLiteral("指向“系统工具”")));
}

StepDef withSystemToolsOpen(StepDef s)
{
    s.background = QStringLiteral("开始菜单-所有程序");
    s.overlays.prepend(OverlayDef{3, QStringLiteral("系统工具菜单"), systemToolsAt()});
    s.overlays.prepend(OverlayDef{2, QStringLiteral("附件菜单-系统工具"), accessoriesAt()});
    s.overlays.prepend(OverlayDef{1, QStringLiteral("所有程序菜单-附件"), allProgramsAt()});
    return s;
}

} // namespace flows
} // namespace sample
