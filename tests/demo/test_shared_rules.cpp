// The demonstration plays each step by the candidate's desktop's rules: the tab dialog laid out from
// its template, the CD drive's panel, the context-menu file read alike, the object picture of an
// object menu, the rubber band in every direction, and the main target's pointer shape.
#include <QFile>
#include <QImage>
#include <cmath>

#include "common/text_file.h"
#include "demo_fixture.h"

using namespace demotest;

namespace {

void picture(const QString& path, int w = 120, int h = 200)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    ASSERT_TRUE(img.save(path, "BMP")) << path.toStdString();
}

QString sourceName(const platform::Picture& p)
{
    return p.source().section(QLatin1Char('/'), -1);
}

void expectSame(const platform::Control& a, const platform::Control& b, const char* what)
{
    EXPECT_DOUBLE_EQ(a.Left(), b.Left()) << what;
    EXPECT_DOUBLE_EQ(a.Top(), b.Top()) << what;
    EXPECT_DOUBLE_EQ(a.Width(), b.Width()) << what;
    EXPECT_DOUBLE_EQ(a.Height(), b.Height()) << what;
}

class Shared : public Demo {
protected:
    void data(const QString& code, int w = 400, int h = 480)
    {
        picture(dataPath + QLatin1Char('/') + code + QStringLiteral(".rar"), w, h);
    }
    void deskPicture(const QString& name, int w = 120, int h = 200)
    {
        picture(prog.file(QStringLiteral("examdata/") + name + QStringLiteral(".rar")), w, h);
    }
    template <class F> bool until(F done)
    {
        for (int i = 0; i < 300 && playing(); ++i) {
            if (done()) return true;
            time.advance(100);
        }
        return playing() && done();
    }
};

} // namespace

TEST_F(Shared, ATabStepOpensOnTheFirstPageFramesTheExpectedTabAndGlidesToIt)
{
    writeAnswers({QStringLiteral("选“高级”选项卡，单击“确定”")});
    for (const char* code : {"DLG001", "610197", "610251"})
        data(QString::fromLatin1(code));
    StepRecord tab = at("0001", 4000, 5000);
    tab.setSlot(col::Slot1, 1500, '0', 1200, QStringLiteral("DLG001"));
    tab.set(col::TabSpec, QStringLiteral("XA121"));
    tab.setNumber(col::HintPos, 5, 6000).setNumber(col::HintPos + 5, 5, 600).setNumber(col::HintLine, 3, 1);
    // A second record with a back button of its own place as well.
    StepRecord back = tab;
    back.set(col::BackSpec, QStringLiteral("Q0001")).set(col::TabSpec, QStringLiteral("XA121"));
    back.setNumber(col::PointSpec, 5, 7000).setNumber(col::PointSpec + 5, 5, 7500);
    start({{tab, back, terminal()}});
    FrmMain& f = desk();
    startDemo();
    FrmYanShi& p = player();
    // The scene of the candidate's desktop: the page of tab 1, the tabs over the dialog, the
    // template's back button, the hint asking for tab 2, the target out of reach.
    EXPECT_EQ(sourceName(p.Image1.picture()), QStringLiteral("610197.rar"));
    for (int i = 0; i <= 2; ++i)
        expectSame(p.LblXXK(i), f.LblXXK(i), "tab label");
    EXPECT_DOUBLE_EQ(p.LblXXK(1).Left(), 1500 + 150);
    EXPECT_DOUBLE_EQ(p.LblXXK(2).Left(), 1500 + 900);
    EXPECT_DOUBLE_EQ(p.LblXXK(2).Top(), 1200 + 555);
    EXPECT_DOUBLE_EQ(p.LblXXK(2).Width(), 1200);
    EXPECT_DOUBLE_EQ(p.LblXXK(0).Left(), 1500 + 3615);
    EXPECT_EQ(p.LHelp.Caption(), QStringLiteral("请选择第2个选项卡"));
    EXPECT_DOUBLE_EQ(p.Label1.Width(), 1);
    expectSame(p.Shape1, p.LblXXK(2), "frame");
    EXPECT_TRUE(p.Shape1.Visible());
    // The first glide ends inside the expected tab; the click there shows its page and goes on.
    ASSERT_TRUE(until([&] { return p.Shape4.Left() == -100; }));
    EXPECT_EQ(p.shownStep(), 1);
    // The ring marks where the click was made.
    const double px = p.Shape5.Left() + 180, py = p.Shape5.Top() + 180;
    EXPECT_GE(px, p.LblXXK(2).Left() - 120);
    EXPECT_LE(px, p.LblXXK(2).Left() + p.LblXXK(2).Width() + 120);
    EXPECT_NEAR(py, p.LblXXK(2).Top() + p.LblXXK(2).Height() / 2, 120);
    EXPECT_EQ(sourceName(p.Image1.picture()), QStringLiteral("DLG001.rar"));
    EXPECT_EQ(p.LHelp.Caption(), QStringLiteral("选“高级”选项卡，单击“确定”"));
    ASSERT_TRUE(until([&] { return p.shownStep() == 2; }));
    // A backSpec puts the back button at its own place, 1095 x 285.
    EXPECT_DOUBLE_EQ(p.LblXXK(0).Left(), 7000);
    EXPECT_DOUBLE_EQ(p.LblXXK(0).Top(), 7500);
    EXPECT_DOUBLE_EQ(p.LblXXK(0).Width(), 1095);
    EXPECT_DOUBLE_EQ(p.LblXXK(0).Height(), 285);
}

TEST_F(Shared, TheCdDriveOpensTheDrivesPanel)
{
    deskPicture(QStringLiteral("950077"));
    deskPicture(QStringLiteral("Z00099"));
    StepRecord cd;
    cd.action(QStringLiteral("7000"));
    cd.set(col::PaneCode, QStringLiteral("P0"));
    cd.set(col::TargetA, QStringLiteral("HZ00100000"));
    start({{cd, terminal()}});
    startDemo();
    FrmYanShi& p = player();
    ASSERT_TRUE(until([&] { return p.Pic1J.Visible(); }));
    EXPECT_EQ(sourceName(p.Pic1J.picture()), QStringLiteral("950077.rar"));
    EXPECT_EQ(sourceName(p.ImgMyPc.picture()), QStringLiteral("Z00099.rar"));
    EXPECT_GE(runToEnd(), 0);
}

// The context-menu file: every record's cascade caption tagged with its group and set.
class MenuFile : public Shared {
protected:
    static QStringList lines()
    {
        QStringList all;
        for (int g = 1; g <= 4; ++g)
            for (int s = 1; s <= 9; ++s) {
                all << QStringLiteral("record") << QStringLiteral("新建(W) %1-%2").arg(g).arg(s)
                    << QStringLiteral("文件夹(F)|快捷方式(S)");
                for (int k = 4; k <= 15; ++k)
                    all << QStringLiteral("0");
            }
        return all;
    }
};

TEST_F(MenuFile, ARecordBeforeTheFilesStartIsItsFirstRecordAsOnTheCandidatesDesktop)
{
    testkit::writeTextLines(prog.path(), QStringLiteral("sMenu.sys"), lines());
    // Group 1 with set 0 lies 15 lines before the file's start.
    start({{at("3013", 3000, 3000), terminal()}});
    startDemo();
    FrmYanShi& p = player();
    ASSERT_TRUE(until([&] { return p.LRightMMenu.Visible(); }));
    EXPECT_EQ(p.LRMJL(1).Caption(), QStringLiteral("新建(W) 1-1"));
    EXPECT_TRUE(p.LRMJL(1).Visible());
}

TEST_F(MenuFile, ABadlyEncodedFileIsReadAsTheCandidatesDesktopReadsIt)
{
    QByteArray bytes;
    const QStringList all = lines();
    for (int i = 0; i < all.size(); ++i)
        bytes +=
            (i == 0 ? QByteArray("\xFF\xFE\xFF") : common::encodeGbk(all[i]).value_or(QByteArray())) + "\r\n";
    QFile file(prog.file(QStringLiteral("sMenu.sys")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    start({{at("3213", 3000, 3000), terminal()}});
    startDemo();
    FrmYanShi& p = player();
    ASSERT_TRUE(until([&] { return p.LRightMMenu.Visible(); }));
    EXPECT_EQ(p.LRMJL(1).Caption(), QStringLiteral("新建(W) 1-2"));
}

TEST_F(Shared, AnObjectMenuShowsTheObjectsPictureWhileItIsOpen)
{
    deskPicture(QStringLiteral("S10077"));
    data(QStringLiteral("OBJ001"), 60, 60);
    StepRecord obj = at("7000", 3000, 3000);
    obj.set(col::PaneCode, QStringLiteral("S1"));
    obj.set(col::TargetA, QStringLiteral("HS10100000"));
    obj.set(col::PointSpec, QStringLiteral("OBJ001"));
    start({{obj, terminal()}});
    startDemo();
    FrmYanShi& p = player();
    ASSERT_TRUE(until([&] { return p.Pic1J.Visible(); }));
    EXPECT_TRUE(p.ImgMenu.Visible());
    EXPECT_EQ(sourceName(p.ImgMenu.picture()), QStringLiteral("OBJ001.rar"));
    EXPECT_DOUBLE_EQ(p.ImgMenu.Left(), p.Label1.Left());
    EXPECT_DOUBLE_EQ(p.ImgMenu.Top(), p.Label1.Top());
}

TEST_F(Shared, ABandDrawnUpAndLeftSpansItsAnchorAndThePointer)
{
    StepRecord band;
    band.action(QStringLiteral("0040"));
    band.mainRect(1500, '0', 1500, 600, 300);
    band.setRect(col::AuxRect, 6000, '0', 4500, 600, 300);
    start({{band, terminal()}});
    startDemo();
    FrmYanShi& p = player();
    // The second leg: the band anchored at the second target's corner.
    ASSERT_TRUE(until([&] { return p.Shape6.Left() + p.Shape6.Width() == 6000; }));
    int checked = 0;
    while (playing() && p.shownStep() == 1) {
        time.advance(100);
        if (!playing() || p.shownStep() != 1) break;
        EXPECT_GE(p.Shape6.Width(), 0);
        EXPECT_GE(p.Shape6.Height(), 0);
        EXPECT_DOUBLE_EQ(p.Shape6.Left(), p.ImgICO.Left());
        EXPECT_DOUBLE_EQ(p.Shape6.Top(), p.ImgICO.Top());
        EXPECT_DOUBLE_EQ(p.Shape6.Left() + p.Shape6.Width(), 6000);
        EXPECT_DOUBLE_EQ(p.Shape6.Top() + p.Shape6.Height(), 4500);
        ++checked;
    }
    EXPECT_GT(checked, 3);
}

TEST_F(Shared, TheTargetTakesTheStepsPointerShape)
{
    StepRecord shaped = at("0001", 3000, 3000);
    shaped.set(col::CursorSpec, QStringLiteral("S0011"));
    start({{at("0001", 3000, 3000), shaped, terminal()}});
    startDemo();
    FrmYanShi& p = player();
    EXPECT_EQ(p.Label1.MousePointer(), 0);
    ASSERT_TRUE(until([&] { return p.shownStep() == 2; }));
    EXPECT_EQ(p.Label1.MousePointer(), 11);
}

// The window's chrome on both desktops: a toolbar, menu-bar or task-pane picture that cannot be read
// leaves the picture the box shows, and the box is shown all the same.
TEST_F(Shared, AWindowPictureThatCannotBeReadLeavesTheOneShownOnBothDesktops)
{
    for (const char* name : {"1100W1", "A00000", "41A001"})
        deskPicture(QString::fromLatin1(name));
    StepRecord folder = at("0001", 6000, 6000);
    folder.set(col::WinCode, QStringLiteral("A3"));
    // The wide toolbar, Notepad's menu bar and task pane 2: none of them in the installation.
    StepRecord other = at("0001", 6000, 6000);
    other.set(col::PaneCode, QStringLiteral("0W")).set(col::WinCode, QStringLiteral("B5"));
    start({{folder, other, terminal()}});
    auto& d = common::drill();
    FrmMain& f = desk();
    d.ysRun = false; // the demonstration desktop renders each step without playing it
    FrmYanShi& p = platform::Forms::instance<FrmYanShi>();
    p.Load();
    for (int k = 1; k <= 2; ++k) {
        SCOPED_TRACE(testing::Message() << "step " << k);
        d.dqStep = k;
        f.setData();
        p.showStep(k);
        for (const auto& [a, b, what] :
             {std::tuple<const platform::Control*, const platform::Control*, const char*>{
                  &f.PicTool, &p.PicTool, "toolbar"},
              {&f.PicMenu, &p.PicMenu, "menu bar"},
              {&f.PicHui, &p.PicHui, "task pane"}})
            EXPECT_TRUE(a->Visible() && b->Visible()) << what;
        EXPECT_EQ(sourceName(f.PicTool.picture()), QStringLiteral("1100W1.rar"));
        EXPECT_EQ(sourceName(p.PicTool.picture()), QStringLiteral("1100W1.rar"));
        EXPECT_EQ(sourceName(f.PicMenu.picture()), QStringLiteral("A00000.rar"));
        EXPECT_EQ(sourceName(p.PicMenu.picture()), QStringLiteral("A00000.rar"));
        EXPECT_EQ(sourceName(f.PicHui.picture()), QStringLiteral("41A001.rar"));
        EXPECT_EQ(sourceName(p.PicHui.picture()), QStringLiteral("41A001.rar"));
    }
}
