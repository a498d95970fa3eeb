// The sibling-module catalogue on the last information page: which modules are installed, and
// what a click on a slot starts or opens.
#include "common/maker_site.h"
#include "home_fixture.h"
#include "platform/app.h"

using namespace hometest;
using home::FrmFengmian;
using platform::Forms;

namespace {

const QString Key = QStringLiteral("Software\\Microsoft");
constexpr long Red = 255;
constexpr long Grey = 0xC0C0C0;

class Catalogue : public HomeTest {
protected:
    void record(const QString& nn, const QString& path, const std::optional<QString>& name)
    {
        fakes.settings.write(Key, QStringLiteral("ProPath") + nn, path);
        if (name) fakes.settings.write(Key, QStringLiteral("ProName") + nn, *name);
    }
    // The last information page, where the slots are shown.
    FrmFengmian& catalogue()
    {
        FrmFengmian& h = start();
        testkit::click(h.LblPro(4));
        EXPECT_EQ(h.proPage, 17);
        return h;
    }
};

QString stars(int n)
{
    return QString(n, u'*');
}

} // namespace

TEST_F(Catalogue, JudgesEverySlotFromTheInstallValues)
{
    // Pairs sharing a number, told apart by the recorded program name.
    record("08", QStringLiteral("D:\\Train\\Module") + stars(72), QStringLiteral("prog") + stars(36));
    record("09", QStringLiteral("/opt/excel"), QStringLiteral("EXCEL2007abc") + stars(36));
    record("10", QStringLiteral("   ") + stars(72), QStringLiteral("ppt2003") + stars(36)); // only blanks
    record("13", QStringLiteral("/opt/net"), QStringLiteral("net"));                        // no asterisks
    record("12", QStringLiteral("/opt/access") + stars(72), std::nullopt);                  // no name
    // Texts keep every character, Chinese ones included.
    record("16", QStringLiteral("/home/考生/文字模块") + stars(72), QStringLiteral("文字") + stars(36));
    record("11", QStringLiteral("/opt/wps") + stars(72), QStringLiteral("**")); // an empty name
    FrmFengmian& h = start();

    struct Slot {
        int index;
        long colour;
        QString link;
    };
    const QString self = inst.folder() + u'/' + platform::app::exeName(); // written by the start-up
    const Slot expected[] = {
        {0, Red, self},
        // The name begins with neither edition's keyword: both editions count as installed.
        {1, Red, QStringLiteral("D:\\Train\\Module\\prog")},
        {2, Red, QStringLiteral("D:\\Train\\Module\\prog")},
        // The name begins with the other edition's keyword, in any letter case.
        {3, Grey, QStringLiteral("09")},
        {4, Red, QStringLiteral("/opt/excel/EXCEL2007abc")},
        {5, Grey, QStringLiteral("10")},
        {6, Grey, QStringLiteral("30")},
        {7, Red, QStringLiteral("/opt/net/net")},
        {8, Grey, QStringLiteral("12")},
        {9, Grey, QStringLiteral("14")},
        {10, Red, QStringLiteral("/home/考生/文字模块/文字")},
        {11, Grey, QStringLiteral("11")},
        {18, Grey, QStringLiteral("22")},
    };
    for (const Slot& s : expected) {
        SCOPED_TRACE(s.index);
        EXPECT_EQ(h.ShapeKm(s.index).BorderColor(), s.colour);
        EXPECT_EQ(h.kmLink[size_t(s.index)], s.link);
    }
    for (int i = 0; i < 19; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(h.ShapeKm(i).BorderColor() == Red || h.ShapeKm(i).BorderColor() == Grey);
    }
}

TEST_F(Catalogue, AClickStartsAnInstalledModuleOrOpensItsDownloadPage)
{
    record("08", QStringLiteral("D:\\Train\\Module") + stars(72), QStringLiteral("prog") + stars(36));
    record("13", QStringLiteral("/opt/net"), QStringLiteral("net.exe"));
    record("12", QStringLiteral("/opt/access"), QStringLiteral("ACCESS.EXE"));
    FrmFengmian& h = catalogue();
    for (int i = 0; i < 19; ++i)
        ASSERT_TRUE(h.LblKmLj(i).Visible());

    for (int i : {1, 7, 8, 9, 18})
        testkit::click(h.LblKmLj(i));
    using Started = platform::FakeShell::Started;
    EXPECT_EQ(fakes.shell.started, (QList<Started>{{QStringLiteral("D:\\Train\\Module\\prog.exe"), {}},
                                                   {QStringLiteral("/opt/net/net.exe"), {}},
                                                   {QStringLiteral("/opt/access/ACCESS.EXE.exe"), {}}}));
    EXPECT_EQ(fakes.shell.opened, (QStringList{QStringLiteral("http://www.ostrel.example/down.asp?id=14"),
                                               QStringLiteral("http://www.ostrel.example/down.asp?id=22")}));

    // The download pages lie on the site that the update checker's Host setting names.
    fakes.shell.opened.clear();
    fakes.settings.write(common::SiteKey, QStringLiteral("Host"),
                         QStringLiteral(" https://mirror.example:8443/ "));
    testkit::click(h.LblKmLj(9));
    EXPECT_EQ(fakes.shell.opened, QStringList{QStringLiteral("https://mirror.example:8443/down.asp?id=14")});

    // A module that cannot be started (moved since it recorded itself) is passed over.
    fakes.shell.startResult = false;
    testkit::click(h.LblKmLj(1));
    EXPECT_EQ(fakes.shell.started.size(), 4);
    EXPECT_TRUE(h.Visible());
    EXPECT_EQ(ends, 0);
}

TEST_F(Catalogue, AModuleRemovedSinceTheLastLoadTurnsGreyAtTheNext)
{
    record("13", QStringLiteral("/opt/net") + stars(72), QStringLiteral("net") + stars(36));
    FrmFengmian& h = start();
    EXPECT_EQ(h.ShapeKm(7).BorderColor(), Red);
    h.Unload();
    fakes.settings.write(Key, QStringLiteral("ProPath13"), QString());
    h.Show();
    EXPECT_EQ(h.ShapeKm(7).BorderColor(), Grey);
    EXPECT_EQ(h.kmLink[7], QStringLiteral("13"));
}
