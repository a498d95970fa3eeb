// The scene a render lays out from the columns of a step record, at scale 1.0 and 0.8.
#include <QFile>
#include <QListWidget>
#include <functional>

#include "desktop_fixture.h"

using namespace desktoptest;

namespace {

constexpr double Scales[] = {15.0, 12.0};

} // namespace

class Render : public Desktop {
protected:
    // Renders the first record of a one-question bank (a terminal record follows it).
    FrmMain& render(const StepRecord& r, int step = 1)
    {
        QList<StepRecord> q;
        for (int i = 1; i < step; ++i)
            q << StepRecord();
        q << r << terminal();
        writeBank({q});
        return showQuestion(1, step);
    }
    void forEachScale(const std::function<void(double tpp)>& body)
    {
        for (double tpp : Scales) {
            SCOPED_TRACE(tpp);
            useScale(tpp);
            body(tpp);
            desk().Unload();
            testkit::settle();
        }
    }
};

// One row per field of the record: the field set, and what the candidate sees.
TEST_F(Render, EachColumnOfTheRecordShowsInTheScene)
{
    writeTexts({QStringLiteral("新建文件夹|其它"), QStringLiteral("请双击此处|打开")});
    writePicture(QStringLiteral("B00001"), 80, 60);
    for (const char* code : {"I00001", "I00002", "I00003", "I00004", "I00005", "I00006"})
        writePicture(QString::fromLatin1(code), 20, 10);
    writeDeskPicture(QStringLiteral("1100W1.rar"));
    writeDeskPicture(QStringLiteral("1100W2.rar"));
    writeDeskPicture(QStringLiteral("A00000.rar"));
    writeDeskPicture(QStringLiteral("41A002.rar"));

    struct Row {
        const char* what;
        std::function<void(StepRecord&)> set;
        std::function<void(FrmMain&)> check;
    };
    const Row rows[] = {
        {"paneCode P, drive F: My Computer, no Start button",
         [](StepRecord& r) { r.set(col::PaneCode, "PF"); },
         [](FrmMain& f) {
             EXPECT_TRUE(f.PicMyPc.Visible());
             EXPECT_FALSE(f.PicCtrl.Visible());
             EXPECT_FALSE(f.StartMenu.Visible());
         }},
        {"paneCode N: the dialog panel", [](StepRecord& r) { r.set(col::PaneCode, "N0"); },
         [](FrmMain& f) {
             EXPECT_TRUE(f.PicCtrl.Visible());
             EXPECT_FALSE(f.PicMyPc.Visible());
             EXPECT_TRUE(f.StartMenu.Visible());
         }},
        {"paneCode S1: the object image on the main target",
         [](StepRecord& r) { r.set(col::PaneCode, "S1").mainRect(1200, '0', 2400, 900, 450); },
         [](FrmMain& f) {
             EXPECT_TRUE(f.ImgElse.Visible());
             EXPECT_DOUBLE_EQ(f.ImgElse.Left(), 1200 * sx());
             EXPECT_DOUBLE_EQ(f.ImgElse.Top(), 2400 * sy());
             EXPECT_DOUBLE_EQ(f.ImgElse.Width(), 900 * sx());
             EXPECT_DOUBLE_EQ(f.ImgElse.Height(), 450 * sy());
         }},
        {"paneCode S6: the object image at Left 780",
         [](StepRecord& r) { r.set(col::PaneCode, "S6").mainRect(1200, '0', 2400, 900, 450); },
         [](FrmMain& f) {
             EXPECT_DOUBLE_EQ(f.ImgElse.Left(), 780 * sx());
             EXPECT_DOUBLE_EQ(f.ImgElse.Top(), 2400 * sy());
         }},
        {"paneCode column 5 W: the second toolbar picture", [](StepRecord& r) { r.set(col::PaneCode, "0W"); },
         [](FrmMain& f) {
             EXPECT_EQ(sourceName(f.PicTool.picture()), "1100W2.rar");
             EXPECT_FALSE(f.PicTool.Visible());
             EXPECT_FALSE(f.ImgElse.Visible());
         }},
        {"winCode M: the desktop icons only", [](StepRecord& r) { r.set(col::WinCode, "M3"); },
         [](FrmMain& f) {
             EXPECT_TRUE(f.PicTable.Visible());
             EXPECT_FALSE(f.PicMenu.Visible());
             EXPECT_FALSE(f.PicTool.Visible());
             EXPECT_FALSE(f.PicHui.Visible());
             EXPECT_EQ(sourceName(f.PicTool.picture()), "1100W1.rar");
         }},
        {"winCode A5: menu bar A, toolbar, task pane 2", [](StepRecord& r) { r.set(col::WinCode, "A5"); },
         [](FrmMain& f) {
             EXPECT_FALSE(f.PicTable.Visible());
             EXPECT_TRUE(f.PicMenu.Visible());
             EXPECT_EQ(sourceName(f.PicMenu.picture()), "A00000.rar");
             EXPECT_TRUE(f.PicTool.Visible());
             EXPECT_TRUE(f.PicHui.Visible());
             EXPECT_EQ(sourceName(f.PicHui.picture()), "41A002.rar");
         }},
        {"winCode O1: toolbar without menu bar", [](StepRecord& r) { r.set(col::WinCode, "O1"); },
         [](FrmMain& f) {
             EXPECT_FALSE(f.PicMenu.Visible());
             EXPECT_TRUE(f.PicTool.Visible());
             EXPECT_FALSE(f.PicHui.Visible());
         }},
        {"winCode O0: a window without chrome", [](StepRecord& r) { r.set(col::WinCode, "O0"); },
         [](FrmMain& f) {
             EXPECT_FALSE(f.PicMenu.Visible());
             EXPECT_FALSE(f.PicTool.Visible());
             EXPECT_FALSE(f.PicTable.Visible());
         }},
        {"winCode EE: nothing", [](StepRecord& r) { r.set(col::WinCode, "EE"); },
         [](FrmMain& f) {
             for (platform::Control* c : {(platform::Control*)&f.PicMenu, (platform::Control*)&f.PicTool,
                                          (platform::Control*)&f.PicHui, (platform::Control*)&f.PicTable})
                 EXPECT_FALSE(c->Visible()) << c->Name().toStdString();
         }},
        {"action code of a list: actCode 0, no automatic step",
         [](StepRecord& r) {
             r.action("L002")
                 .setRect(col::EditRect, 300, '0', 300, 1500, 600)
                 .setNumber(col::AnswerLine, 3, 5);
         },
         [](FrmMain& f) {
             EXPECT_EQ(f.actCode, 0);
             EXPECT_FALSE(f.Timer3.Enabled());
         }},
        {"background", [](StepRecord& r) { r.background("B00001"); },
         [](FrmMain& f) {
             EXPECT_EQ(sourceName(f.picture()), "B00001.rar");
             EXPECT_EQ(common::drill().tmPic[1][0], "B00001");
         }},
        {"the six overlay slots",
         [](StepRecord& r) {
             r.setSlot(col::Slot1, 150, '0', 300, "I00001").setSlot(col::Slot2, 450, '0', 600, "I00002");
             r.setSlot(col::Slot3, 750, '0', 900, "I00003").setSlot(col::Slot4, 1050, '0', 1200, "I00004");
             r.setSlot(col::Slot5, 1350, '0', 1500, "I00005").setSlot(col::Slot6, 1650, '0', 1800, "I00006");
         },
         [](FrmMain& f) {
             platform::Control* images[] = {&f.Image1, &f.Image2, &f.Image3, &f.Image4, &f.Image5, &f.Image6};
             const platform::Picture* pictures[] = {&f.Image1.picture(), &f.Image2.picture(),
                                                    &f.Image3.picture(), &f.Image4.picture(),
                                                    &f.Image5.picture(), &f.Image6.picture()};
             for (int k = 1; k <= 6; ++k) {
                 SCOPED_TRACE(k);
                 EXPECT_TRUE(images[k - 1]->Visible());
                 EXPECT_DOUBLE_EQ(images[k - 1]->Left(), (k * 300 - 150) * sx());
                 EXPECT_DOUBLE_EQ(images[k - 1]->Top(), k * 300 * sy());
                 EXPECT_EQ(sourceName(*pictures[k - 1]), QStringLiteral("I0000%1.rar").arg(k));
                 EXPECT_EQ(common::drill().tmPic[1][k], QStringLiteral("I0000%1").arg(k));
             }
             // Not stretched: the image takes its picture's size.
             EXPECT_DOUBLE_EQ(f.Image1.Width(), 20 * platform::twipsPerPixelX());
             EXPECT_EQ(f.dragLeft, 1650); // slot 6 comes after slot 5
             EXPECT_EQ(f.dragTop, 1800);
         }},
        {"main target", [](StepRecord& r) { r.mainRect(1200, '0', 2400, 900, 450); },
         [](FrmMain& f) {
             EXPECT_TRUE(f.Label1.Visible());
             EXPECT_DOUBLE_EQ(f.Label1.Left(), 1200 * sx());
             EXPECT_DOUBLE_EQ(f.Label1.Top(), 2400 * sy());
             EXPECT_DOUBLE_EQ(f.Label1.Width(), 900 * sx());
             EXPECT_DOUBLE_EQ(f.Label1.Height(), 450 * sy());
             EXPECT_EQ(f.mainWidth, 900);
             EXPECT_EQ(f.mainHeight, 450);
             EXPECT_EQ(f.Shape1.Left(), f.Label1.Left());
             EXPECT_EQ(f.Shape1.Top(), f.Label1.Top());
             EXPECT_EQ(f.Shape1.Width(), f.Label1.Width());
             EXPECT_EQ(f.Shape1.Height(), f.Label1.Height());
             EXPECT_FALSE(f.Shape1.Visible()); // practice mode
         }},
        {"edit field with its initial text",
         [](StepRecord& r) {
             r.setRect(col::EditRect, 3000, '0', 1500, 2400, 330).setNumber(col::TextLine, 3, 1);
         },
         [](FrmMain& f) {
             EXPECT_TRUE(f.Text1.Visible());
             EXPECT_DOUBLE_EQ(f.Text1.Left(), 3000 * sx());
             EXPECT_DOUBLE_EQ(f.Text1.Top(), 1500 * sy());
             EXPECT_DOUBLE_EQ(f.Text1.Width(), 2400 * sx());
             EXPECT_DOUBLE_EQ(f.Text1.Height(), 330 * sy());
             EXPECT_EQ(f.Text1.Text(), "新建文件夹");
             EXPECT_EQ(f.Text1.SelStart(), 0);
             EXPECT_EQ(f.Text1.SelLength(), 5);
             EXPECT_TRUE(f.Text1.hasFocus());
             EXPECT_EQ(f.Label1.MousePointer(), 0); // column 101 is a digit of the rectangle
         }},
        {"targets in columns 86-105: no edit field, pointer from cursorSpec",
         [](StepRecord& r) { r.set(col::TargetA, "H010100000").set(col::CursorSpec, "S0011"); },
         [](FrmMain& f) {
             EXPECT_FALSE(f.Text1.Visible());
             EXPECT_FALSE(f.Text2.Visible());
             EXPECT_EQ(f.Label1.MousePointer(), 11);
         }},
        {"hint place and text",
         [](StepRecord& r) {
             r.setNumber(col::HintPos, 5, 4500)
                 .setNumber(col::HintPos + 5, 5, 7200)
                 .setNumber(col::HintLine, 3, 2);
         },
         [](FrmMain& f) {
             EXPECT_DOUBLE_EQ(f.LHelp.Left(), 4500 * sx());
             EXPECT_DOUBLE_EQ(f.LHelp.Top(), 7200 * sy());
             EXPECT_EQ(f.LHelp.Caption(), "请双击此处\r\n打开");
             EXPECT_EQ(f.tabHint, "请双击此处|打开");
         }},
        {"drop point",
         [](StepRecord& r) { r.setNumber(col::PointSpec, 5, 6000).setNumber(col::PointSpec + 5, 5, 300); },
         [](FrmMain& f) {
             EXPECT_EQ(f.dragToX, 6000); // design twips, not scaled
             EXPECT_EQ(f.dragToY, 300);
         }},
        {"second target", [](StepRecord& r) { r.setRect(col::AuxRect, 600, '0', 900, 1200, 1500); },
         [](FrmMain& f) {
             EXPECT_TRUE(f.Label4.Visible());
             EXPECT_DOUBLE_EQ(f.Label4.Left(), 600 * sx());
             EXPECT_DOUBLE_EQ(f.Label4.Top(), 900 * sy());
             EXPECT_DOUBLE_EQ(f.Label4.Width(), 1200 * sx());
             EXPECT_DOUBLE_EQ(f.Label4.Height(), 1500 * sy());
             EXPECT_EQ(f.Shape4.Left(), f.Label4.Left());
             EXPECT_EQ(f.Shape4.Height(), f.Label4.Height());
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        forEachScale([&](double) {
            StepRecord r;
            r.action("0001");
            row.set(r);
            FrmMain& f = render(r);
            row.check(f);
        });
    }
}

TEST_F(Render, OverlayPicturesKeepHideAndClear)
{
    writePicture(QStringLiteral("P00001"));
    writePicture(QStringLiteral("P00002"), 60, 20, "JPEG");
    forEachScale([&](double) {
        StepRecord s1 = step(), s2 = step(), s3 = step(), s4 = step(), s5 = step();
        s1.setSlot(col::Slot1, 300, '0', 600, "P00001").setSlot(col::Slot2, 300, '0', 600, "888888");
        s2.setSlot(col::Slot1, 300, '0', 600, "000000");  // hidden, picture kept
        s3.setSlot(col::Slot1, 900, '0', 1200, "888888"); // shown again, moved
        s4.setSlot(col::Slot1, 900, '0', 1200, "NOFILE")
            .setSlot(col::Slot3, 0, '0', 0, "../x00"); // unreadable
        s5.setSlot(col::Slot1, 900, '0', 1200, "P00002");
        writeBank({{s1, s2, s3, s4, s5, terminal()}});
        auto& d = common::drill();
        platform::form<FrmMain>(); // a load starts every question without pictures
        d.tmPic[1][2] = "OLD";
        FrmMain& f = showQuestion(1);
        EXPECT_TRUE(f.Image1.Visible());
        EXPECT_EQ(sourceName(f.Image1.picture()), "P00001.rar");
        // "888888" on step 1: an image without a picture at the slot's place, tmPic untouched.
        EXPECT_TRUE(f.Image2.Visible());
        EXPECT_TRUE(f.Image2.picture().isNull());
        EXPECT_EQ(d.tmPic[1][2], "OLD");

        f.doNext();
        EXPECT_FALSE(f.Image1.Visible());
        EXPECT_EQ(sourceName(f.Image1.picture()), "P00001.rar");
        EXPECT_DOUBLE_EQ(f.Image1.Left(), 300 * sx());

        f.doNext();
        EXPECT_TRUE(f.Image1.Visible());
        EXPECT_EQ(sourceName(f.Image1.picture()), "P00001.rar");
        EXPECT_DOUBLE_EQ(f.Image1.Left(), 900 * sx());
        EXPECT_DOUBLE_EQ(f.Image1.Top(), 1200 * sy());

        f.doNext(); // a missing file and a code that is no file name: the pictures stay
        EXPECT_TRUE(f.Image1.Visible());
        EXPECT_EQ(sourceName(f.Image1.picture()), "P00001.rar");
        EXPECT_EQ(d.tmPic[1][1], "NOFILE");
        EXPECT_TRUE(f.Image3.Visible());
        EXPECT_TRUE(f.Image3.picture().isNull());

        f.doNext(); // JPEG content under the ".rar" name
        EXPECT_EQ(sourceName(f.Image1.picture()), "P00002.rar");
        EXPECT_DOUBLE_EQ(f.Image1.Width(), 60 * platform::twipsPerPixelX());

        f.GoStep(QStringLiteral("1")); // step 1 clears every overlay first
        EXPECT_EQ(sourceName(f.Image1.picture()), "P00001.rar");
        f.GoStep(QStringLiteral("3"));
        d.dqStep = 1;
        StepRecord keep = step();
        keep.setSlot(col::Slot1, 0, '0', 0, "888888");
        writeBank({{keep, terminal()}});
        f.setData();
        EXPECT_TRUE(f.Image1.picture().isNull());
    });
}

TEST_F(Render, BackgroundKeptByItsKeepCode)
{
    writePicture(QStringLiteral("B00001"));
    StepRecord s1 = step(), s2 = step(), s3 = step();
    s1.background("B00001");
    s3.background("NOFILE");
    writeBank({{s1, s2, s3, terminal()}});
    FrmMain& f = showQuestion(1);
    EXPECT_EQ(sourceName(f.picture()), "B00001.rar");
    f.doNext();
    EXPECT_EQ(sourceName(f.picture()), "B00001.rar");
    EXPECT_EQ(common::drill().tmPic[1][0], "B00001");
    f.doNext();
    EXPECT_EQ(sourceName(f.picture()), "B00001.rar");
    EXPECT_EQ(common::drill().tmPic[1][0], "NOFILE");
}

TEST_F(Render, ARecordEndingBeforeTheSixthSlotsCodeHidesImage6)
{
    writePicture(QStringLiteral("I00006"));
    StepRecord full = step();
    full.setSlot(col::Slot6, 300, '0', 300, "I00006");
    StepRecord shortRec = step();
    shortRec.setSlot(col::Slot6, 300, '0', 300, "I00006");
    writeBank({{full, shortRec, terminal()}});
    FrmMain& f = showQuestion(1);
    EXPECT_TRUE(f.Image6.Visible());
    testkit::writeStepFile(dataPath, 20, QStringList{full.str(), shortRec.truncated(200), terminal().str()});
    f.doNext();
    EXPECT_EQ(common::drill().stepRec.size(), 200);
    EXPECT_FALSE(f.Image6.Visible());
    EXPECT_EQ(sourceName(f.Image6.picture()), "I00006.rar");
}

TEST_F(Render, EditFieldFormat)
{
    writeTexts({QStringLiteral("abc")});
    struct Case {
        const char* format;
        double size;
        int align;
        bool bold, italic, underline;
        const char* font;
        long fore, back;
    } cases[] = {
        {"0105R00000", 10.5, platform::vbRightJustify, false, false, false, "宋体", 0x0, 0xFFFFFF},
        {"0000m07312", 9, platform::vbCenter, true, true, true, "楷体_GB2312", 0xFF0000, 0xFF},
        {"0120L05229", 12, platform::vbLeftJustify, true, false, true, "黑体", 0xFF, 0xE1FFFF},
        {"0090r0x1x6", 9, platform::vbRightJustify, false, false, false, "Times New Roman", 0x0, 0x18000},
    };
    forEachScale([&](double) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.format);
            StepRecord r = step();
            r.setRect(col::EditRect, 300, '0', 300, 1500, 300).setNumber(col::TextLine, 3, 1);
            r.set(col::EditFormat, QString::fromLatin1(c.format));
            FrmMain& f = render(r);
            EXPECT_DOUBLE_EQ(f.Text1.FontSize(), c.size * sx());
            EXPECT_EQ(f.Text1.Alignment(), c.align);
            EXPECT_EQ(f.Text1.FontBold(), c.bold);
            EXPECT_EQ(f.Text1.FontItalic(), c.italic);
            EXPECT_EQ(f.Text1.FontUnderline(), c.underline);
            EXPECT_EQ(f.Text1.FontName(), QString::fromUtf8(c.font));
            EXPECT_EQ(f.Text1.ForeColor(), c.fore);
            EXPECT_EQ(f.Text1.BackColor(), c.back);
        }
    });

    // Digits without a rule keep what the last edit step set: style 8, font 6, colours 7 and x.
    StepRecord set = step(), keep = step();
    set.setRect(col::EditRect, 300, '0', 300, 1500, 300).set(col::EditFormat, "0000m07312");
    keep.setRect(col::EditRect, 300, '0', 300, 1500, 300).set(col::EditFormat, "0000 08675");
    writeBank({{set, keep, terminal()}});
    FrmMain& f = showQuestion(1);
    f.doNext();
    EXPECT_TRUE(f.Text1.FontBold());
    EXPECT_TRUE(f.Text1.FontItalic());
    EXPECT_EQ(f.Text1.FontName(), "楷体_GB2312");
    EXPECT_EQ(f.Text1.ForeColor(), 0xFF0000);
    EXPECT_EQ(f.Text1.BackColor(), 0xD6D5FF);
    EXPECT_EQ(f.Text1.Alignment(), platform::vbLeftJustify);
}

TEST_F(Render, HintKeptByZeroPlaceAndEmptiedByLineZero)
{
    writeTexts({QStringLiteral("第一|第二")});
    StepRecord s1 = step(), s2 = step(), s3 = step(), s4 = step("0022");
    s1.setNumber(col::HintPos, 5, 300).setNumber(col::HintPos + 5, 5, 600).setNumber(col::HintLine, 3, 1);
    s2.setNumber(col::HintLine, 3, 1); // hintPos all zeros: nothing changes
    s3.setNumber(col::HintPos, 5, 900).setNumber(col::HintPos + 5, 5, 1200);
    s4.setNumber(col::HintPos, 5, 900).setNumber(col::HintPos + 5, 5, 1200).setNumber(col::HintLine, 3, 1);
    writeBank({{s1, s2, s3, s4, terminal()}});
    auto& d = common::drill();
    d.ksMode = common::ModeTeaching;
    FrmMain& f = showQuestion(1);
    EXPECT_TRUE(f.LHelp.Visible());
    EXPECT_EQ(f.LHelp.Caption(), "第一\r\n第二");
    const double twoLinesHigh = f.LHelp.Height(), twoLinesWide = f.LHelp.Width();
    f.LHelp.setCaption(QStringLiteral("留下"));
    // Shown as two lines, each as wide as one of two characters.
    EXPECT_GT(twoLinesHigh, 1.5 * f.LHelp.Height());
    EXPECT_LT(twoLinesWide, 1.3 * f.LHelp.Width());
    f.doNext();
    EXPECT_EQ(f.LHelp.Caption(), "留下");
    EXPECT_DOUBLE_EQ(f.LHelp.Left(), 300);
    f.doNext();
    EXPECT_EQ(f.LHelp.Caption(), "");
    EXPECT_EQ(f.tabHint, "第一|第二");
    EXPECT_DOUBLE_EQ(f.LHelp.Top(), 1200);
    f.doNext();
    EXPECT_EQ(f.LHelp.Caption(), "输入 第一或  第二 并按回车键或点红色方框处");
}

TEST_F(Render, TeachingAidsAndTheRedFrame)
{
    forEachScale([&](double) {
        StepRecord normal = step(), flat = step(), none = step(), drag = step("8006"),
                   auto8888 = step("8888");
        normal.mainRect(1200, '0', 2400, 900, 450).setRect(col::AuxRect, 600, '0', 900, 300, 300);
        flat.mainRect(1200, '0', 2400, 900, 0);
        drag.mainRect(1200, '0', 2400, 900, 450).setRect(col::AuxRect, 600, '0', 900, 300, 300);
        writeBank({{normal, flat, none, drag, auto8888, terminal()}});
        auto& d = common::drill();
        d.ksMode = common::ModeTeaching;
        FrmMain& f = showQuestion(1);
        EXPECT_TRUE(f.LHelp.Visible());
        EXPECT_TRUE(f.Shape1.Visible());
        EXPECT_TRUE(f.Shape2.Visible());
        EXPECT_TRUE(f.Shape4.Visible());

        f.doNext(); // height 0: Label1 visible at 1 x 1, no frame
        EXPECT_TRUE(f.Label1.Visible());
        EXPECT_EQ(f.Label1.Width(), 1);
        EXPECT_EQ(f.Label1.Height(), 1);
        EXPECT_DOUBLE_EQ(f.Label1.Left(), 1200 * sx());
        EXPECT_FALSE(f.Shape1.Visible());

        f.doNext(); // no main target
        EXPECT_FALSE(f.Label1.Visible());
        EXPECT_EQ(f.Label1.Width(), 1);
        EXPECT_FALSE(f.Shape1.Visible());
        EXPECT_EQ(f.mainWidth, 900); // kept from the last step with a main target

        f.doNext(); // a drag of Image5: both targets out of the pointer's way
        EXPECT_EQ(f.actCode, 8006);
        EXPECT_EQ(f.Label1.Width(), 1);
        EXPECT_EQ(f.Label1.Height(), 1);
        EXPECT_DOUBLE_EQ(f.Label1.Left(), 1200 * sx());
        EXPECT_EQ(f.Label4.Width(), 1);
        EXPECT_EQ(f.Label4.Height(), 1);
        EXPECT_DOUBLE_EQ(f.Shape4.Width(), 300 * sx());
        EXPECT_FALSE(f.Shape1.Visible());
        EXPECT_FALSE(f.Timer3.Enabled());

        f.doNext();
        EXPECT_TRUE(f.Timer3.Enabled());
        // The second target's frame keeps the parked label's rectangle, in real twips.
        EXPECT_EQ(f.Label4.Left(), -1);
        EXPECT_EQ(f.Label4.Width(), 1);
        EXPECT_EQ(f.Shape4.Left(), -1);
        EXPECT_DOUBLE_EQ(f.Label4.Top(), 900 * sy()); // Top kept while parked
        EXPECT_TRUE(f.Label4.Visible());

        d.ksMode = common::ModePractice;
        f.GoStep(QStringLiteral("1"));
        EXPECT_FALSE(f.LHelp.Visible());
        EXPECT_FALSE(f.Shape1.Visible());
        EXPECT_FALSE(f.Shape2.Visible());
        EXPECT_FALSE(f.Shape4.Visible());
    });
}

TEST_F(Render, SecondTargetWithWidthAndHeightZeroIsParked)
{
    StepRecord used = step(), parked = step(), zeroWidth = step();
    used.setRect(col::AuxRect, 600, '0', 900, 1200, 1500);
    parked.setRect(col::AuxRect, 4500, '0', 3000, 0, 0);
    zeroWidth.setRect(col::AuxRect, 4500, '0', 3000, 0, 150);
    writeBank({{used, parked, zeroWidth, terminal()}});
    FrmMain& f = showQuestion(1);
    f.doNext();
    EXPECT_EQ(f.Label4.Left(), -1);
    EXPECT_EQ(f.Label4.Top(), 900);
    EXPECT_EQ(f.Label4.Width(), 1);
    EXPECT_EQ(f.Label4.Height(), 1);
    EXPECT_EQ(f.Shape4.Left(), -1);
    EXPECT_EQ(f.Shape4.Width(), 1);
    f.doNext();
    EXPECT_EQ(f.Label4.Left(), 4500);
    EXPECT_EQ(f.Label4.Width(), 0);
    EXPECT_EQ(f.Label4.Height(), 150);
}

TEST_F(Render, AFieldThatDoesNotFitSixteenBitsIsSkipped)
{
    StepRecord first = step(), wide = step();
    first.mainRect(1200, '0', 2400, 900, 450);
    wide.mainRect(1500, '0', 2700, 900, 450).set(col::MainRect, "40000"); // Left does not fit
    wide.set(col::EditRect, "A").setNumber(col::PointSpec, 5, 33000).setNumber(col::PointSpec + 5, 5, 77);
    writeBank({{first, wide, terminal()}});
    FrmMain& f = showQuestion(1);
    f.doNext();
    EXPECT_EQ(f.Label1.Left(), 1200); // kept
    EXPECT_EQ(f.Label1.Top(), 2700);  // the rest of the render goes on
    EXPECT_EQ(f.dragToX, 0);
    EXPECT_EQ(f.dragToY, 77);
}

TEST_F(Render, TypedTextPromptsAndOverlays)
{
    writeTexts({QStringLiteral("初始|其余"), QStringLiteral("甲|乙")});
    struct Case {
        const char* code;
        const char* prompt;
        bool frame; // in teaching mode
        int selLength;
    } cases[] = {
        {"0020", "输入 甲或  乙", false, 0},
        {"0021", "输入 甲或  乙", false, 0},
        {"0022", "输入 甲或  乙 并按回车键或点红色方框处", true, 0},
        {"0023", "请选中 甲或  乙", false, 0},
        {"0024", "输入 甲或  乙 并按回车键", false, 0},
        {"0025", "输入 甲或  乙", false, 0},
        {"0026", "输入 甲或  乙 并点击红色方框处", true, 0},
        {"0027", "输入 甲或  乙", false, 0},
        {"0028", "甲或  乙", false, 2},
        {"0001", "甲\r\n乙", true, 2},
    };
    forEachScale([&](double) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.code);
            auto& d = common::drill();
            d.ksMode = common::ModeTeaching;
            StepRecord r = step(QString::fromLatin1(c.code));
            r.mainRect(6000, '0', 4500, 600, 300);
            r.setRect(col::EditRect, 3000, '0', 1500, 2400, 330)
                .setNumber(col::TextLine, 3, 1)
                .setNumber(col::AnswerLine, 3, 2);
            r.set(col::EditFormat, "0120L01112");
            r.setNumber(col::HintPos, 5, 300)
                .setNumber(col::HintPos + 5, 5, 300)
                .setNumber(col::HintLine, 3, 2);
            FrmMain& f = render(r);
            EXPECT_EQ(d.dqStep, 1);
            EXPECT_EQ(f.LHelp.Caption(), QString::fromUtf8(c.prompt));
            EXPECT_EQ(f.Shape1.Visible(), c.frame);
            const QString code = QString::fromLatin1(c.code);
            platform::TextBox* shown = code == "0021" ? &f.Text2 : code == "0027" ? &f.Text3 : &f.Text1;
            for (platform::TextBox* t : {&f.Text1, &f.Text2, &f.Text3})
                EXPECT_EQ(t->Visible(), t == shown) << t->Name().toStdString();
            EXPECT_EQ(shown->Text(), "初始");
            EXPECT_DOUBLE_EQ(shown->Left(), 3000 * sx());
            EXPECT_DOUBLE_EQ(shown->Top(), 1500 * sy());
            EXPECT_DOUBLE_EQ(shown->Width(), 2400 * sx());
            EXPECT_DOUBLE_EQ(shown->Height(), 330 * sy());
            if (shown == &f.Text1) {
                EXPECT_EQ(f.Text1.SelLength(), c.selLength);
            }
            if (code == "0027") {
                EXPECT_DOUBLE_EQ(f.Text3.FontSize(), 12 * sx());
                EXPECT_EQ(f.Text3.FontName(), "Times New Roman");
                EXPECT_TRUE(f.Text3.FontBold());
                EXPECT_FALSE(f.Text3.FontItalic()); // not taken over
                EXPECT_EQ(f.Text3.ForeColor(), 0xFF0000);
                EXPECT_EQ(f.Text3.BackColor(), 0xFF);
            }
        }
    });
}

TEST_F(Render, SimulatedList)
{
    writeTexts({QStringLiteral("红|绿|"), QStringLiteral("甲")});
    forEachScale([&](double) {
        StepRecord list = step("L001");
        list.setRect(col::EditRect, 1500, '0', 2000, 2400, 900)
            .setNumber(col::TextLine, 3, 1)
            .setNumber(col::AnswerLine, 3, 0);
        writeBank({{list, marked(2), terminal()}});
        FrmMain& f = showQuestion(1);
        auto& d = common::drill();
        EXPECT_EQ(d.dqStep, 1);
        EXPECT_FALSE(f.Text1.Visible());
        EXPECT_TRUE(f.LstLA.Visible());
        ASSERT_EQ(f.LstLA.ListCount(), 3);
        EXPECT_EQ(f.LstLA.List(0), "红");
        EXPECT_EQ(f.LstLA.List(2), ""); // a trailing "|" adds an empty item
        EXPECT_EQ(f.LstLA.ListIndex(), 1);
        EXPECT_EQ(f.LblXXK(0).Caption(), "绿");
        EXPECT_DOUBLE_EQ(f.LblXXK(0).Width(), 2400 * sx());
        const double L = 1500 * sx(), T = 2000 * sy(), W = 2400 * sx(), H = 900 * sy();
        const double t = 15 * sx(), u = 15 * sy();
        EXPECT_DOUBLE_EQ(f.LstLA.Left(), L);
        EXPECT_DOUBLE_EQ(f.LstLA.Height(), H);
        EXPECT_DOUBLE_EQ(f.PicLeft.Left(), L);
        EXPECT_DOUBLE_EQ(f.PicLeft.Width(), t);
        EXPECT_DOUBLE_EQ(f.PicRight.Left(), L + W - t);
        EXPECT_DOUBLE_EQ(f.PicTop.Height(), u);
        EXPECT_DOUBLE_EQ(f.PicBottom.Top(), T + H - u);
        EXPECT_DOUBLE_EQ(f.PicBottom.Width(), W);
        for (platform::Control* c : {(platform::Control*)&f.PicLeft, (platform::Control*)&f.PicRight,
                                     (platform::Control*)&f.PicTop, (platform::Control*)&f.PicBottom})
            EXPECT_TRUE(c->Visible());

        // Picks through the window: a wrong item changes only the selection and the caption.
        auto clickItem = [&](int row) {
            auto* list = qobject_cast<QListWidget*>(f.LstLA.widget());
            ASSERT_TRUE(list);
            const QPoint c = list->visualItemRect(list->item(row)).center();
            const QPoint inForm = list->viewport()->mapTo(list->window(), c);
            testkit::click(f, platform::fromPixelsX(inForm.x()), platform::fromPixelsY(inForm.y()));
        };
        clickItem(2);
        EXPECT_EQ(f.LstLA.ListIndex(), 2);
        EXPECT_EQ(d.dqStep, 1);
        EXPECT_EQ(f.LblXXK(0).Caption(), "");
        clickItem(1);
        EXPECT_EQ(d.dqStep, 1);
        EXPECT_EQ(f.LblXXK(0).Caption(), "绿");
        EXPECT_TRUE(f.LstLA.Visible());
        clickItem(0); // the answer: closes the list and advances
        EXPECT_EQ(d.dqStep, 2);
        EXPECT_FALSE(f.LstLA.Visible());
        EXPECT_FALSE(f.PicTop.Visible());
        EXPECT_EQ(f.LblXXK(0).Caption(), "");
    });
}

TEST_F(Render, PointerOfTheMainTarget)
{
    // A cursor file beside the program: 32 x 32, one bit, hot-spot (3, 5).
    QByteArray cur;
    auto put = [&cur](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            cur.append(char((v >> (8 * i)) & 0xFF));
    };
    put(0, 2), put(2, 2), put(1, 2);
    put(32, 1), put(32, 1), put(2, 1), put(0, 1), put(3, 2), put(5, 2), put(40 + 8 + 256, 4), put(22, 4);
    put(40, 4), put(32, 4), put(64, 4), put(1, 2), put(1, 2), put(0, 4), put(256, 4);
    put(0, 4), put(0, 4), put(2, 4), put(0, 4);
    put(0, 4), put(0xFFFFFF, 4);
    cur.append(QByteArray(128, '\0'));       // XOR: black
    cur.append(QByteArray(128, char(0xF0))); // AND: left half opaque
    QFile file(prog.file(QStringLiteral("ico03.CUR")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(cur);
    file.close();
    StepRecord s = step(), m = step(), missing = step(), odd = step(), plain = step();
    s.mainRect(300, '0', 300, 300, 300).set(col::CursorSpec, "SXY11");
    m.mainRect(300, '0', 300, 300, 300).set(col::CursorSpec, "M0003");
    missing.mainRect(300, '0', 300, 300, 300).set(col::CursorSpec, "M0009");
    odd.mainRect(300, '0', 300, 300, 300).set(col::CursorSpec, "M00/.");
    writeBank({{s, m, missing, odd, plain, terminal()}});
    FrmMain& f = showQuestion(1);
    EXPECT_EQ(f.Label1.MousePointer(), 11);
    f.doNext();
    EXPECT_EQ(f.Label1.MousePointer(), 99);
    EXPECT_EQ(sourceName(f.Label1.MouseIcon()), "ico03.CUR");
    EXPECT_TRUE(f.Label1.MouseIcon().isCursor());
    EXPECT_EQ(f.Label1.MouseIcon().hotSpot(), QPoint(3, 5));
    // A cursor file that is missing, or a number that is no file name: the custom pointer keeps
    // the image it had.
    for (int k = 0; k < 2; ++k) {
        f.doNext();
        EXPECT_EQ(f.Label1.MousePointer(), 99);
        EXPECT_EQ(sourceName(f.Label1.MouseIcon()), "ico03.CUR");
    }
    f.doNext();
    EXPECT_EQ(f.Label1.MousePointer(), 0);
    EXPECT_EQ(f.Label4.MousePointer(), 0);
}

TEST_F(Render, TerminalRecordByDrill)
{
    struct Case {
        const char* what;
        int fileBase, setNo, ksMode;
        const char* title; // "" = unchanged
        const char* unfinished;
        bool success;
    } cases[] = {
        {"unit practice", 20, 0, common::ModePractice, "第1单元  第3/12题（已完成）",
         "未完成的题目 1 2 4 5 6 7 8 9 10 11 12", true},
        {"error review", 20, -1, common::ModePractice, "错题复习  第3/12题",
         "未完成的题目 1 4 5 6 7 8 9 10 11 12", true},
        {"exam", 0, 4, common::ModeExam, "", "未完成的题目 1 4 5 6 7 8 9 10 11 12", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto& d = common::drill();
        d.fileBase = c.fileBase;
        d.setNo = c.setNo;
        d.ksMode = c.ksMode;
        QList<QList<StepRecord>> bank;
        for (int q = 1; q <= 12; ++q)
            bank << QList<StepRecord>{marked(q), terminal()};
        writeBank(bank);
        for (int q = 1; q <= 12; ++q) {
            d.tmState[q] = 1;
            d.tmDone[q] = QStringLiteral("F");
        }
        d.tmState[2] = 5; // solved, flag still "F"
        d.tmDone[12] = QStringLiteral("F");
        panel().LblBiao.setCaption(QStringLiteral("原标题"));
        desk().LHelp.setVisible(true);
        FrmMain& f = showQuestion(3, 2);
        EXPECT_EQ(d.tmState[3], 5);
        EXPECT_EQ(d.tmDone[3], c.fileBase == 20 ? "T" : "F");
        EXPECT_EQ(panel().LblBiao.Caption(),
                  *c.title ? QString::fromUtf8(c.title) : QStringLiteral("原标题"));
        EXPECT_EQ(panel().LblUnit.Caption(), QString::fromUtf8(c.unfinished));
        EXPECT_EQ(f.LblSuccess.Visible(), c.success);
        EXPECT_EQ(f.LblSuccess.Caption(), "操作成功！");
        EXPECT_FALSE(f.Shape1.Visible());
        EXPECT_FALSE(f.StartMenu.Visible());
        EXPECT_EQ(f.actCode, 9999);
        EXPECT_FALSE(f.Timer3.Enabled());

        // Rendered again: the bit is never added twice; the next render hides the label.
        f.setData();
        EXPECT_EQ(d.tmState[3], 5);
        f.GoStep(QStringLiteral("1"));
        EXPECT_FALSE(f.LblSuccess.Visible());
        EXPECT_TRUE(f.StartMenu.Visible());
        f.Unload();
        testkit::settle();
    }
}

TEST_F(Render, TheTerminalRecordInTeachingModeTakesTheAidsAway)
{
    writeBank({{marked(1), terminal()}});
    common::drill().ksMode = common::ModeTeaching;
    FrmMain& f = showQuestion(1);
    EXPECT_TRUE(f.LHelp.Visible());
    f.doNext();
    EXPECT_FALSE(f.LHelp.Visible());
    EXPECT_FALSE(f.Shape1.Visible());
    EXPECT_FALSE(f.Shape2.Visible());
    EXPECT_TRUE(f.LblSuccess.Visible());
}

TEST_F(Render, TabLabelsAreParkedAtEveryRender)
{
    writeBank({{marked(1), terminal()}});
    forEachScale([&](double) {
        FrmMain& f = showQuestion(1);
        for (int i = 0; i <= 13; ++i) {
            EXPECT_EQ(f.LblXXK(i).Width(), 1);
            EXPECT_EQ(f.LblXXK(i).Height(), 1);
            EXPECT_DOUBLE_EQ(f.LblXXK(i).Left(), -1 * sx());
            EXPECT_DOUBLE_EQ(f.LblXXK(i).Top(), -1 * sy());
        }
        EXPECT_DOUBLE_EQ(f.Pic1J.Left(), 30000 * sx());
        EXPECT_DOUBLE_EQ(f.Pic1J.Top(), 30000 * sy());
        EXPECT_TRUE(f.TimerDisFK.Enabled()); // the teaching frames' one-shot tick
    });
}
