// Unit 5: the drop-down menus. Every question is one pick in the simulated menus of the desktop:
// a row of a folder window's menu, a row of one of its sub-menus, or a program three levels deep in
// the Start menu's All Programs; the desktop's menu pictures (menu_pictures.cpp) show the rows.
#include "sample/menu_pictures.h"
#include "sample/model.h"

namespace sample {

namespace {

struct MenuQuestion {
    const char* text;
    const char* menuId;
    int row1, row2, row3;
    const char* after; // the picture once the pick is made
};

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

UnitDef unitMenus(Scenes&)
{
    const MenuQuestion table[] = {
        {"在“我的文档”窗口中，用“编辑”菜单选定窗口中的全部项目。", "A2", 8, 0, 0, "我的文档-连续选中"},
        {"在“我的文档”窗口中，用“编辑”菜单反向选择窗口中的项目。", "A2", 9, 0, 0, "我的文档"},
        {"在“我的文档”窗口中，用“查看”菜单以列表方式显示窗口中的项目。", "A3", 7, 0, 0, "我的文档"},
        {"在“我的文档”窗口中，用“查看”菜单显示项目的详细信息。", "A3", 8, 0, 0, "我的文档-详细信息"},
        {"在“我的文档”窗口中，用“文件”菜单查看“我的文档”的属性。", "A1", 8, 0, 0, "我的文档"},
        {"在“我的文档”窗口中，用“文件”菜单新建一个文件夹。", "A1", 4, 1, 0, "我的文档"},
        {"在“我的文档”窗口中，用“文件”菜单新建一个文本文档。", "A1", 4, 5, 0, "我的文档"},
        {"在“我的文档”窗口中，用“查看”菜单在浏览器栏中显示文件夹。", "A3", 3, 5, 0, "我的文档"},
        {"从“开始”菜单启动“附件”中“系统工具”里的“磁盘碎片整理程序”。", "84", 10, 2, 2, "桌面"},
        {"从“开始”菜单启动“附件”中“娱乐”里的“录音机”。", "84", 10, 4, 1, "桌面"},
    };
    UnitDef u;
    u.title = QStringLiteral("菜单操作");
    for (const MenuQuestion& m : table) {
        const bool startMenu = QLatin1String(m.menuId) == QLatin1String("84");
        const QString bg = startMenu ? QStringLiteral("桌面") : QStringLiteral("我的文档");
        const QString winCode = startMenu ? QStringLiteral("00") : QStringLiteral("A0");
        const QString caption = rowCaption(m);
        const QString hint = startMenu
                                 ? QStringLiteral("单击“开始”，指向“所有程序”，在菜单中单击“%1”").arg(caption)
                                 : QStringLiteral("在菜单中单击“%1”").arg(caption);
        u.questions.append(
            {QString::fromUtf8(m.text),
             {menuPick(bg, winCode, QString::fromLatin1(m.menuId), m.row1, m.row2, m.row3, hint),
              wait(QString::fromUtf8(m.after), QStringLiteral("已执行“%1”").arg(caption)),
              done(QString::fromUtf8(m.after))}});
    }
    return u;
}

} // namespace sample
