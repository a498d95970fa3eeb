// The About box: what it shows, how it closes, and the work-folder link that opens the folder
// and writes the desktop shortcut.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include "home/frm_about.h"
#include "home_fixture.h"
#include "platform/keys.h"

using namespace hometest;
using home::FrmAbout;
using home::FrmFengmian;
using platform::Forms;

namespace {

class About : public HomeTest {
protected:
    // Opens the box from the home screen; answer acts on it while it is shown.
    void open(std::function<void(FrmAbout&)> answer)
    {
        FrmFengmian& h = Forms::isLoaded<FrmFengmian>() ? home() : start();
        modals.expect(QStringLiteral("FrmAbout"),
                      [answer](platform::Form& f) { answer(static_cast<FrmAbout&>(f)); });
        testkit::click(h.LblAbout);
        EXPECT_EQ(modals.pending(), 0);
    }
    testkit::ModalScript modals;
};

} // namespace

TEST_F(About, ShowsTheExamTheModuleTheVersionAndTheFolder)
{
    open([&](FrmAbout& a) {
        EXPECT_EQ(a.Caption(), QStringLiteral("QuenmarAldervane练习系统"));
        const QString title = QStringLiteral("Aldervane练习系统\r\n\r\n── Windows XP 操作系统");
        EXPECT_EQ(a.Label1(1).Caption(), title);
        EXPECT_EQ(a.Label1(2).Caption(), title);
        EXPECT_EQ(a.Label1(1).ForeColor(), 0x800000);
        EXPECT_EQ(a.Label1(2).ForeColor(), 0xFFFFFF);
        EXPECT_EQ(a.Label1(0).Caption(), QStringLiteral("软件版本: V2.0.1"));
        EXPECT_EQ(a.Label1(3).Caption(), QStringLiteral("系统工作目录: ") + inst.folder());
        EXPECT_EQ(a.Image1.picture().source(), QStringLiteral("home:programIcon"));
        EXPECT_TRUE(a.Command1.Default());
        EXPECT_TRUE(a.Command1.Cancel());
        a.Unload();
    });
}

TEST_F(About, TheTitlesKeepTheirPixelPlacesAtAnyScale)
{
    struct Case {
        int twipsPerPixel;
        double left1, top1, left2, top2;
    };
    for (const Case& c : {Case{15, 735, 135, 720, 120}, Case{12, 588, 108, 576, 96}}) {
        SCOPED_TRACE(c.twipsPerPixel);
        platform::setTwipsPerPixel(c.twipsPerPixel, c.twipsPerPixel);
        common::computeScale(); // as the start-up and every load of the home screen do
        open([&](FrmAbout& a) {
            EXPECT_DOUBLE_EQ(a.Label1(1).Left(), c.left1);
            EXPECT_DOUBLE_EQ(a.Label1(1).Top(), c.top1);
            EXPECT_DOUBLE_EQ(a.Label1(2).Left(), c.left2);
            EXPECT_DOUBLE_EQ(a.Label1(2).Top(), c.top2);
            EXPECT_DOUBLE_EQ(a.Label1(0).Left(), 480); // the others keep their twips
            EXPECT_DOUBLE_EQ(a.Label1(0).Top(), 1320);
            a.Unload();
        });
    }
}

TEST_F(About, ClosesByItsButtonEnterEscOrTheBackgroundButNotByItsLines)
{
    struct Case {
        const char* what;
        std::function<void(FrmAbout&)> act;
    };
    const Case cases[] = {
        {"the button", [](FrmAbout& a) { testkit::click(a.Command1); }},
        {"Enter", [](FrmAbout& a) { testkit::key(a, platform::vbKeyReturn); }},
        {"Esc", [](FrmAbout& a) { testkit::key(a, platform::vbKeyEscape); }},
        {"the background", [](FrmAbout& a) { testkit::click(a, 6000, 3000); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open([&](FrmAbout& a) {
            // The version, the title, the producer line and the icon do nothing.
            for (int i : {0, 1, 6})
                testkit::click(a.Label1(i));
            testkit::click(a.Image1);
            EXPECT_TRUE(a.Visible());
            c.act(a);
            EXPECT_FALSE(a.Visible());
        });
        EXPECT_FALSE(Forms::isLoaded<FrmAbout>());
        EXPECT_TRUE(fakes.shell.opened.isEmpty());
    }
}

TEST_F(About, TheWorkFolderOpensTheFolderAndWritesTheShortcutEachTime)
{
    const QString icon = inst.folder() + u'/' + platform::app::exeName() + QStringLiteral(".png");
    const QString exe = inst.folder() + u'/' + platform::app::exeName() + QStringLiteral(".exe");
    using Shortcut = platform::FakeShell::Shortcut;
    const Shortcut shortcut{QStringLiteral("XP模块.lnk"), exe, inst.folder(), icon};

    // Nothing that fails is reported, and a shortcut that cannot be written leaves no icon behind.
    fakes.shell.openResult = false;
    fakes.shell.shortcutResult = false;
    open([&](FrmAbout& a) {
        testkit::click(a.Label1(3));
        EXPECT_TRUE(a.Visible());
        a.Unload();
    });
    EXPECT_EQ(fakes.shell.opened, QStringList{inst.folder()});
    EXPECT_EQ(fakes.shell.shortcuts, QList<Shortcut>{shortcut});
    EXPECT_FALSE(QFileInfo::exists(icon));

    fakes.shell.opened.clear();
    fakes.shell.shortcuts.clear();
    fakes.shell.openResult = true;
    fakes.shell.shortcutResult = true;
    open([&](FrmAbout& a) {
        testkit::click(a.Label1(3));
        testkit::click(a.Label1(3));
        a.Unload();
    });
    EXPECT_EQ(fakes.shell.opened, (QStringList{inst.folder(), inst.folder()}));
    EXPECT_EQ(fakes.shell.shortcuts, (QList<Shortcut>{shortcut, shortcut}));
    EXPECT_EQ(QImage(icon).size(), QSize(32, 32));

    // An icon that cannot be written: the shortcut is written again without one.
    ASSERT_TRUE(QFile::remove(icon));
    ASSERT_TRUE(QDir().mkpath(icon));
    fakes.shell.shortcuts.clear();
    open([&](FrmAbout& a) {
        testkit::click(a.Label1(3));
        a.Unload();
    });
    EXPECT_EQ(fakes.shell.shortcuts,
              (QList<Shortcut>{shortcut, {QStringLiteral("XP模块.lnk"), exe, inst.folder(), QString()}}));
}

TEST_F(About, TheShortcutIsALauncherWithTheChineseNameAndTheIcon)
{
    QTemporaryDir desktop;
    platform::DesktopShell shell(desktop.path());
    platform::setShell(&shell);
    // The program itself, as the installation has it.
    Installation::write(inst.folder() + u'/' + platform::app::exeName(), {QStringLiteral("#!/bin/sh")});
    open([&](FrmAbout& a) {
        testkit::click(a.Label1(3));
        a.Unload();
    });
    platform::setShell(&fakes.shell);

    QFile launcher(desktop.filePath(QStringLiteral("XP模块.desktop")));
    ASSERT_TRUE(launcher.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(launcher.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("\nName=XP模块\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\nIcon=") + inst.folder() + u'/' + platform::app::exeName() +
                              QStringLiteral(".png\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Exec=\"") + inst.folder() + u'/' + platform::app::exeName() +
                              QStringLiteral("\"")))
        << text.toStdString();
    EXPECT_TRUE(launcher.permissions() & QFile::ExeOwner);
    // Nothing but the launcher is left on the desktop (it was written through a temporary file).
    EXPECT_EQ(QDir(desktop.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("XP模块.desktop")});
}
