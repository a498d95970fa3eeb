#include "home/frm_about.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/scale.h"
#include "home/home_art.h"
#include "platform/app.h"
#include "platform/files.h"
#include "platform/services.h"

namespace home {

namespace {

const QString Producer = QStringLiteral("出品：Ostrel软件工作室");
const QString Notice = QStringLiteral("本软件供考生练习使用。练习题目依照考试大纲编写，仅供参考，"
                                      "不代表正式考试的实际题目。");

} // namespace

FrmAbout::FrmAbout()
    : Form(QStringLiteral("FrmAbout"))
{
    // The white title lies behind the dark-blue one, as its shadow.
    for (int i : {0, 2, 1, 3, 6, 4})
        Label1.design(i);
    for (int i = 0; i <= 6; ++i)
        Line1.design(i);
    Command1.onClick = [this] { Command1_Click(); };
    onClick = [this] { Form_Click(); };
    Label1.onClick = [this](int i) { Label1_Click(i); };
}

void FrmAbout::design()
{
    setCaption(QStringLiteral("QuenmarAldervane练习系统"));
    setBorderStyle(platform::vbFixedSingle);
    setCentred(true);
    Move(0, 0, 6675, 4365);

    Image1.setStretch(true);
    Image1.Move(120, 120, 480, 480);
    Image1.setPicture(art::programIcon());

    Label1.forEach([](int, platform::Label& l) {
        l.setBackStyle(platform::vbTransparent);
        l.setAutoSize(true);
        // Folder names and module titles are shown as they are.
        l.setUseMnemonic(false);
    });
    for (int i : {1, 2}) {
        Label1(i).setFontName(QStringLiteral("宋体"));
        Label1(i).setFontSize(12);
        Label1(i).setFontBold(true);
    }
    Label1(2).setForeColor(0xFFFFFF);
    Label1(1).setForeColor(0x800000);
    Label1(0).Move(480, 1320);
    // 5580 wide; the height follows the font (a long folder wraps instead of being cut off).
    Label1(3).setWordWrap(true);
    Label1(3).Move(480, 1560, 5580, 180);
    Label1(3).setMousePointer(99);
    Label1(3).setMouseIcon(art::handPointer());
    Label1(6).Move(480, 2070);
    Label1(6).setCaption(Producer);
    Label1(4).setAutoSize(false);
    Label1(4).setWordWrap(true);
    Label1(4).Move(480, 3600, 4530, 660);
    Label1(4).setCaption(Notice);

    // Etched rules: a grey line with a white one just under it.
    const struct {
        int index;
        long colour;
        double y;
    } rules[] = {{0, 0x808080, 1905}, {1, 0xFFFFFF, 1920}, {4, 0x808080, 2385}, {2, 0x808080, 2400},
                 {3, 0xFFFFFF, 2400}, {6, 0x808080, 3480}, {5, 0xFFFFFF, 3495}};
    for (const auto& r : rules) {
        platform::Line& l = Line1(r.index);
        l.setX1(360);
        l.setX2(6300);
        l.setY1(r.y);
        l.setY2(r.y);
        l.setBorderColor(r.colour);
    }

    Command1.setCaption(QStringLiteral("确定"));
    Command1.Move(5160, 3690, 1005, 360);
    // Enter and Esc close the box, as on any dialog.
    Command1.setDefault(true);
    Command1.setCancel(true);
}

void FrmAbout::Form_Load()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    Label1(1).Move(735 * sx, 135 * sy);
    Label1(2).Move(720 * sx, 120 * sy);
    const QString title = QStringLiteral("Aldervane练习系统\r\n\r\n── ") + common::drill().kmTitle;
    Label1(1).setCaption(title);
    Label1(2).setCaption(title);
    Label1(0).setCaption(QStringLiteral("软件版本: V%1.%2.%3")
                             .arg(platform::app::Major)
                             .arg(platform::app::Minor)
                             .arg(platform::app::Revision));
    Label1(3).setCaption(QStringLiteral("系统工作目录: ") + QDir::toNativeSeparators(platform::app::path()));
}

void FrmAbout::Command1_Click()
{
    Unload();
}

void FrmAbout::Form_Click()
{
    Unload();
}

QString FrmAbout::programIconFile()
{
    return common::joinPath(platform::app::path(), platform::app::exeName() + QStringLiteral(".png"));
}

bool FrmAbout::writeProgramIcon()
{
    const QString file = programIconFile();
    if (QFileInfo(file).isFile()) return true;
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !art::programIcon().pixmap().save(&buffer, "PNG")) return false;
    return platform::saveFileWhole(file, png) == platform::FileSaveStatus::Ok;
}

void FrmAbout::Label1_Click(int index)
{
    if (index != 3) return;
    // Each step may fail on its own; nothing is reported.
    const QString folder = platform::app::path();
    platform::shell().open(folder);
    const QString program = common::joinPath(folder, platform::app::exeName() + QStringLiteral(".exe"));
    const QString name = common::drill().kmName + QStringLiteral("模块.lnk");
    // The icon is written beside the program only for a shortcut that shows it; a shortcut whose
    // icon cannot be written is written again without one.
    if (!platform::shell().writeDesktopShortcut(name, program, folder, programIconFile())) return;
    if (!writeProgramIcon()) platform::shell().writeDesktopShortcut(name, program, folder, QString());
}

} // namespace home
