// The sibling-module catalogue on the last information page: which modules are installed, and
// what a click on a slot starts or opens.
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
    record("08", QStringLiteral("D:\\Train\\Module") + stars(72), QStringLiteral("prog") + stars(36));
    record("09", QStringLiteral("   ") + stars(72), QStringLiteral("excel") + stars(36)); // only blanks
    record("10", QStringLiteral("/opt/ppt"), QStringLiteral("ppt"));                      // no asterisks
    record("12", QStringLiteral("/opt/access") + stars(72), std::nullopt);                // no name
    // Texts keep every character, Chinese ones included.
    record("13", QStringLiteral("/home/考生/网络模块") + stars(72), QStringLiteral("网络") + stars(36));
    // Pairs sharing a number, told apart by the recorded program name.
    record("06", QStringLiteral("/opt/ppt2k"), QStringLiteral("PPT2000abc") + stars(36));
    record("16", QStringLiteral("/opt/wps"), QStringLiteral("wps2000") + stars(36));
    record("19", QStringLiteral("/opt/project"), QStringLiteral("other") + stars(36));
    record("01", QStringLiteral("/opt/win2000") + stars(72), QStringLiteral("**")); // an empty name
    FrmFengmian& h = start();

    struct Slot {
        int index;
        long colour;
        QString link;
    };
    const QString self = inst.folder() + u'/' + platform::app::exeName(); // written by the start-up
    const Slot expected[] = {
        {0, Red, self},
        {1, Red, QStringLiteral("D:\\Train\\Module\\prog")},
        {2, Grey, QStringLiteral("09")},
        {3, Red, QStringLiteral("/opt/ppt/ppt")},
        {4, Grey, QStringLiteral("12")},
        {5, Red, QStringLiteral("/home/考生/网络模块/网络")},
        {6, Grey, QStringLiteral("06")}, // the name begins with its partner's keyword "ppt2000"
        {7, Red, QStringLiteral("/opt/ppt2k/PPT2000abc")},
        {8, Red, QStringLiteral("/opt/wps/wps2000")},
        {9, Grey, QStringLiteral("36")},
        {10, Red, QStringLiteral("/opt/project/other")}, // begins with neither keyword: both red
        {11, Red, QStringLiteral("/opt/project/other")},
        {12, Grey, QStringLiteral("01")},
        {13, Grey, QStringLiteral("03")},
        {18, Grey, QStringLiteral("18")},
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
    record("09", QStringLiteral("/opt/excel"), QStringLiteral("excel.exe"));
    record("10", QStringLiteral("/opt/ppt"), QStringLiteral("PPT.EXE"));
    FrmFengmian& h = catalogue();
    for (int i = 0; i < 19; ++i)
        ASSERT_TRUE(h.LblKmLj(i).Visible());

    for (int i : {1, 2, 3, 4, 18})
        testkit::click(h.LblKmLj(i));
    using Started = platform::FakeShell::Started;
    EXPECT_EQ(fakes.shell.started, (QList<Started>{{QStringLiteral("D:\\Train\\Module\\prog.exe"), {}},
                                                   {QStringLiteral("/opt/excel/excel.exe"), {}},
                                                   {QStringLiteral("/opt/ppt/PPT.EXE.exe"), {}}}));
    EXPECT_EQ(fakes.shell.opened, (QStringList{QStringLiteral("https://www.ostrel.example/down.asp?id=12"),
                                               QStringLiteral("https://www.ostrel.example/down.asp?id=18")}));

    // A module that cannot be started (moved since it recorded itself) is passed over.
    fakes.shell.startResult = false;
    testkit::click(h.LblKmLj(1));
    EXPECT_EQ(fakes.shell.started.size(), 4);
    EXPECT_TRUE(h.Visible());
    EXPECT_EQ(ends, 0);
}

TEST_F(Catalogue, AModuleRemovedSinceTheLastLoadTurnsGreyAtTheNext)
{
    record("08", QStringLiteral("/opt/word") + stars(72), QStringLiteral("word") + stars(36));
    FrmFengmian& h = start();
    EXPECT_EQ(h.ShapeKm(1).BorderColor(), Red);
    h.Unload();
    fakes.settings.write(Key, QStringLiteral("ProPath08"), QString());
    h.Show();
    EXPECT_EQ(h.ShapeKm(1).BorderColor(), Grey);
    EXPECT_EQ(h.kmLink[1], QStringLiteral("08"));
}
