// The step library's rules as tables of cases: action kinds, jumps, hot-spot numbers of menu ids,
// tab templates and tab labels, drop-down placement, and the record writer's refusals.
#include <gtest/gtest.h>

#include "steps/completion.h"
#include "steps/desk_pictures.h"
#include "steps/dropdown.h"
#include "steps/question_block.h"
#include "steps/record_writer.h"
#include "steps/smenu.h"
#include "steps/step.h"
#include "steps/tabs.h"
#include "support/step_record.h"

using steps::ActionKind;

TEST(ActionKinds, EveryCodeOfTheRecordFormatAndTheBoundariesOfItsRanges)
{
    const struct {
        const char* code;
        ActionKind kind;
        int popup; // the pop-up code it opens
    } cases[] = {
        {"0000", ActionKind::None, 0},
        {"0001", ActionKind::Click, 0},
        {"0004", ActionKind::Click, 0},
        {"0030", ActionKind::Click, 0},
        {"0002", ActionKind::DoubleClick, 0},
        {"0003", ActionKind::RightClick, 0},
        {"0019", ActionKind::None, 0},
        {"0020", ActionKind::Typing, 0},
        {"0028", ActionKind::Typing, 0},
        {"0029", ActionKind::Typing, 0},
        {"0040", ActionKind::Band, 0},
        {"0049", ActionKind::Band, 0},
        {"0050", ActionKind::Drag, 0},
        {"0059", ActionKind::Drag, 0},
        {"0060", ActionKind::None, 0},
        {"2999", ActionKind::None, 0},
        {"3000", ActionKind::PopupPick, 3000},
        {"3113", ActionKind::PopupPick, 3113},
        {"5990", ActionKind::PopupPick, 5990},
        {"6000", ActionKind::PopupPick, 6000},
        {"6001", ActionKind::Key, 0},
        {"6013", ActionKind::Key, 0},
        {"6999", ActionKind::Key, 0},
        {"7000", ActionKind::Menu, 0},
        {"7001", ActionKind::None, 0},
        {"8000", ActionKind::None, 0},
        {"8001", ActionKind::ImageDrag, 0},
        {"8004", ActionKind::ImageDrag, 0},
        {"8005", ActionKind::None, 0},
        {"8006", ActionKind::ImageDrag, 0},
        {"8009", ActionKind::ImageDrag, 0},
        {"8010", ActionKind::None, 0},
        {"8099", ActionKind::None, 0},
        {"8100", ActionKind::PopupPick, 6100},
        {"8123", ActionKind::PopupPick, 6123},
        {"8888", ActionKind::Auto, 0},
        {"8999", ActionKind::PopupPick, 6999},
        {"9000", ActionKind::Hint, 0},
        {"9001", ActionKind::Hint, 0},
        {"9998", ActionKind::Hint, 0},
        {"9999", ActionKind::Terminal, 0},
        {"L012", ActionKind::List, 0},
        {"L1", ActionKind::List, 0},
        {"L", ActionKind::List, 0},
        // A code is read as the number it begins with, blanks skipped, as every numeric field is.
        {"3   ", ActionKind::RightClick, 0},
        {" 3", ActionKind::RightClick, 0},
        {"  3 ", ActionKind::RightClick, 0},
        {"0003", ActionKind::RightClick, 0},
        {"3ab1", ActionKind::RightClick, 0},
        {" 001", ActionKind::Click, 0},
        {"2   ", ActionKind::DoubleClick, 0},
        {"20  ", ActionKind::Typing, 0},
        {"6000", ActionKind::PopupPick, 6000},
        {" 3 0", ActionKind::Click, 0}, // blanks inside are skipped too: 30
        {"600", ActionKind::None, 0},
        {"8000", ActionKind::None, 0},
        {"8005", ActionKind::None, 0},
        {"8 05", ActionKind::None, 0}, // 805
        {"8888", ActionKind::Auto, 0},
        // No leading digit: the number 0, which no range holds.
        {"", ActionKind::None, 0},
        {"abcd", ActionKind::None, 0},
        {" L12", ActionKind::None, 0},
        {"l012", ActionKind::None, 0},
        {"-003", ActionKind::None, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(steps::actionKind(QString::fromLatin1(c.code)), c.kind) << c.code;
        EXPECT_EQ(steps::popupCodeOf(QString::fromLatin1(c.code)), c.popup) << c.code;
    }
    // The number a code reads as, which the judges compare with.
    const struct {
        const char* code;
        int number;
    } numbers[] = {{"0003", 3}, {"3   ", 3}, {" 3", 3},   {"9101", 9101}, {"8 05", 805},
                   {"L012", 0}, {"", 0},     {"abcd", 0}, {"3ab1", 3}};
    for (const auto& c : numbers)
        EXPECT_EQ(steps::actionNumber(QString::fromLatin1(c.code)), c.number) << c.code;
    // Key codes as key alternatives read them too.
    EXPECT_FALSE(steps::isKeyCode(6000));
    EXPECT_TRUE(steps::isKeyCode(6001));
    EXPECT_TRUE(steps::isKeyCode(6999));
    EXPECT_FALSE(steps::isKeyCode(7000));
    EXPECT_FALSE(steps::isPointing(ActionKind::Key));
    EXPECT_FALSE(steps::isPointing(ActionKind::Auto));
    EXPECT_TRUE(steps::isPointing(ActionKind::Menu));
    EXPECT_TRUE(steps::isPointing(ActionKind::Typing));
}

TEST(Jumps, DigitsLettersAndNone)
{
    const struct {
        const char* jump;
        int step;
    } cases[] = {{"0", 0}, {"", 0}, {"1", 1}, {"9", 9}, {"A", 10}, {"B", 11}, {"Z", 35}, {"#", 9}};
    for (const auto& c : cases)
        EXPECT_EQ(steps::jumpStep(QString::fromLatin1(c.jump)), c.step) << c.jump;
    EXPECT_TRUE(steps::jumpInBlock(3, 3));
    EXPECT_FALSE(steps::jumpInBlock(4, 3));
    EXPECT_FALSE(steps::jumpInBlock(0, 3));
    EXPECT_TRUE(steps::jumpInBlock(35, 0));
}

// The one outcome of a jump on both desktops: none, a step of the block, or past the block.
TEST(Jumps, OutcomeInABlock)
{
    using Outcome = steps::Jump::Outcome;
    const struct {
        const char* jump;
        int count;
        Outcome outcome;
        int step;
    } cases[] = {{"0", 3, Outcome::None, 0},        {"", 3, Outcome::None, 0},
                 {"3", 3, Outcome::ToStep, 3},      {"4", 3, Outcome::PastBlock, 4},
                 {"Z", 15, Outcome::PastBlock, 35}, {"Z", 0, Outcome::ToStep, 35}};
    for (const auto& c : cases) {
        const steps::Jump j = steps::jumpIn(QString::fromLatin1(c.jump), c.count);
        EXPECT_EQ(j.outcome, c.outcome) << c.jump << " in " << c.count;
        EXPECT_EQ(j.step, c.step) << c.jump << " in " << c.count;
    }
}

// Question 1 has records 1-3 of a four-line file, question 2 line 4 and question 3 lines 5-6,
// which the file does not have.
TEST(QuestionBlocks, OnlyAQuestionsOwnRecords)
{
    common::DrillVars d;
    d.tmStart[1] = 1;
    d.tmStart[2] = 4;
    d.tmStart[3] = 5;
    d.tmStart[4] = 7;
    const QStringList lines = {"r1", "r2", "r3", "r4"};

    const std::optional<steps::Block> q1 = steps::questionBlock(d, 1);
    ASSERT_TRUE(q1);
    EXPECT_EQ(q1->first, 1);
    EXPECT_EQ(q1->count, 3);
    EXPECT_EQ(steps::blockRecord(lines, *q1, 1), QStringLiteral("r1"));
    EXPECT_EQ(steps::blockRecord(lines, *q1, 3), QStringLiteral("r3"));
    // A step past the block would be the next question's record.
    EXPECT_EQ(steps::blockRecord(lines, *q1, 4), std::nullopt);
    EXPECT_EQ(steps::blockRecord(lines, *q1, 0), std::nullopt);
    EXPECT_TRUE(steps::blockInFile(*q1, lines.size()));

    const std::optional<steps::Block> q3 = steps::questionBlock(d, 3);
    ASSERT_TRUE(q3);
    EXPECT_EQ(steps::blockRecord(lines, *q3, 1), std::nullopt);
    EXPECT_FALSE(steps::blockInFile(*q3, lines.size()));

    // Start lines that give no record, and question numbers out of range.
    for (int q : {0, 4, -1, common::DrillVars::MaxQuestions + 1})
        EXPECT_EQ(steps::questionBlock(d, q), std::nullopt) << q;
    d.tmStart[2] = 0;
    EXPECT_EQ(steps::questionBlock(d, 2), std::nullopt); // first line 0
    EXPECT_EQ(steps::questionBlock(d, 1), std::nullopt); // a negative count
}

TEST(QuestionLists, OneRuleForTheEndAndEveryStart)
{
    // The list ends at a line empty after trimming spaces; a tab is text, so its line is a question.
    const struct {
        const char* what;
        QStringList file;
        int questions;
    } ends[] = {
        {"to the end of the file", {"0001 2a", "0002 1b"}, 2},
        {"at an empty line", {"0001 2a", "", "0002 1b"}, 1},
        {"at a line of spaces", {"0001 2a", "   ", "0002 1b"}, 1},
        {"not at a tab", {"0001 2a", "\t", "0002 1b"}, 3},
        {"not at spaces around a tab", {"0001 2a", " \t ", "0002 1b"}, 3},
        {"an empty list", {"", "0001 2a"}, 0},
    };
    for (const auto& e : ends)
        EXPECT_EQ(steps::listQuestions(e.file).size(), e.questions) << e.what;
    EXPECT_EQ(steps::listStarts({"0001 2a", "\t", "0003-1", "0004 3"}), (QList<qint64>{1, 3, 3, 2, 5}));

    const QStringList three{"r", "r", "r", "", ""}; // three records, then empty lines
    const struct {
        const char* what;
        QStringList questions;
        bool fits;
    } fits[] = {
        {"blocks covering the records", {"0001 2", "0002 1"}, true},
        {"a question without records between", {"0001 2", "\t", "0002 1"}, true},
        {"one record short", {"0001 2", "0002 0"}, false},
        {"one record over", {"0001 2", "0002 2"}, false},
        // Question 3 would start on question 1's last record, though the last start is right.
        {"a start inside an earlier block", {"0001 3", "0002-2", "0003 2"}, false},
        {"no questions, no records", {}, false},
    };
    for (const auto& f : fits)
        EXPECT_EQ(steps::listFitsSteps(f.questions, three), f.fits) << f.what;
    EXPECT_TRUE(steps::listFitsSteps({}, {"", ""}));
    EXPECT_EQ(steps::stepRecords(three), 3);
}

TEST(MenuIds, HotSpotNumbersBothWays)
{
    const struct {
        const char* id;
        int n;
    } cases[] = {{"A3", 3}, {"84", 84}, {"S2", 2}, {"Z0", 100}, {"Z3", 103}, {"00", 0}, {"10", 10}};
    for (const auto& c : cases)
        EXPECT_EQ(steps::hotSpotOf(QString::fromLatin1(c.id)), c.n) << c.id;
    EXPECT_EQ(steps::menuIdOf(3, u'A'), "A3");
    EXPECT_EQ(steps::menuIdOf(10, u'A'), "10");
    EXPECT_EQ(steps::menuIdOf(84, u'B'), "84");
    EXPECT_EQ(steps::menuIdOf(100, u'A'), "Z0");
    EXPECT_EQ(steps::menuIdOf(3, QChar()), "3");
}

TEST(StepView, NamedFieldsOfAWrittenRecord)
{
    steps::RecordWriter w;
    w.set(4, u"S2").set(6, u"B3").set(8, u"7000").set(steps::col::TargetA, u"HA1030200B");
    w.set(steps::col::TabSpec, u"XB2C3").set(steps::col::PointSpec, u"W0300W0600");
    w.setRect(steps::col::MainRect, 1200, u'7', 345, 600, 90);
    ASSERT_TRUE(w.error().isEmpty());
    const steps::Step s(w.str());
    EXPECT_EQ(s.paneCode(), "S2");
    EXPECT_EQ(s.appLetter(), u'B');
    EXPECT_EQ(s.taskPaneCode(), 1);
    EXPECT_TRUE(s.toolbarShown());
    EXPECT_EQ(s.kind(), ActionKind::Menu);
    EXPECT_EQ(s.mainJump(), "7");
    EXPECT_TRUE(s.hasTabs());
    EXPECT_EQ(s.tabLetter(), u'B');
    EXPECT_EQ(s.tabShown(), 2);
    EXPECT_EQ(s.tabExpected(), 12);
    EXPECT_EQ(s.tabSlot(), 3);
    EXPECT_TRUE(s.tabChange());
    // A dialog of a letter that names no template is no tab change: nothing is laid out for it.
    steps::RecordWriter unknown;
    unknown.set(steps::col::TabSpec, u"XZ123");
    EXPECT_TRUE(steps::Step(unknown.str()).hasTabs());
    EXPECT_FALSE(steps::Step(unknown.str()).tabChange());
    EXPECT_TRUE(s.menuBarPlaced());
    EXPECT_EQ(s.menuBarLeft(), 300);
    EXPECT_EQ(s.menuBarTop(), 600);
    const steps::MenuPath p = s.menuPath();
    EXPECT_EQ(p.menuId, "A1");
    EXPECT_EQ(p.row1, 3);
    EXPECT_EQ(p.row2, 2);
    EXPECT_EQ(p.row3, 0);
    EXPECT_EQ(p.jump, "B");
    // A short record: fields past its end are empty, numbers 0.
    const steps::Step cut(w.str().left(9));
    EXPECT_EQ(cut.action(), "70");
    EXPECT_TRUE(cut.appLetter() == u'B');
    EXPECT_FALSE(cut.hasTabs());
    EXPECT_EQ(cut.menuBarLeft(), 0);
}

TEST(StepView, FieldsTheCandidatesJudgesRead)
{
    steps::RecordWriter keys;
    keys.set(4, u"P1").set(steps::col::KeyAlt1, u"P6112").set(steps::col::KeyAlt3, u"P0032");
    keys.set(steps::col::CursorSpec, u"S0012").set(steps::col::AnswerLine, u"007");
    keys.setSlot(steps::col::Slot5, 1234, u'3', 567, QStringLiteral("ABC123"));
    ASSERT_TRUE(keys.error().isEmpty());
    const steps::Step s(keys.str());
    // Only alternatives written with "P" are keys; numbers outside 1-3 name none.
    EXPECT_EQ(s.keyAlt(1), std::optional<int>(6112));
    EXPECT_EQ(s.keyAlt(2), std::nullopt);
    EXPECT_EQ(s.keyAlt(3), std::optional<int>(32));
    EXPECT_EQ(s.keyAlt(0), std::nullopt);
    EXPECT_EQ(s.keyAlt(4), std::nullopt);
    EXPECT_FALSE(s.hasPopupOverride());
    EXPECT_EQ(s.cursorKind(), u'S');
    EXPECT_EQ(s.cursorNumber(), 12);
    EXPECT_EQ(s.answerNumber(), std::optional<qint16>(7));
    EXPECT_EQ(s.slotLeft(5), 1234);
    EXPECT_EQ(s.slotTop(5), 567);
    EXPECT_EQ(s.slotJump(5), "3");
    EXPECT_EQ(s.dialogCode(), "1");
    EXPECT_EQ(s.dialogDigit(), 1);

    steps::RecordWriter popup;
    popup.set(steps::col::TargetA, u"R8123");
    EXPECT_TRUE(steps::Step(popup.str()).hasPopupOverride());
    // A record cut before column 5 has no dialog code at all (not a blank character).
    EXPECT_EQ(steps::Step(keys.str().left(4)).dialogCode(), "");
}

TEST(RecordWriter, RefusesWhatDoesNotFit)
{
    steps::RecordWriter sample;
    sample.setNumber(steps::col::PointSpec, 5, -12);
    EXPECT_FALSE(sample.error().isEmpty());
    EXPECT_EQ(sample.str().mid(steps::col::PointSpec - 1, 5), "00000");
    steps::RecordWriter tests(steps::RecordWriter::Negatives::Written);
    tests.setNumber(steps::col::PointSpec, 5, -12);
    EXPECT_TRUE(tests.error().isEmpty());
    EXPECT_EQ(tests.str().mid(steps::col::PointSpec - 1, 5), "-0012");
    for (auto write : {+[](steps::RecordWriter& w) { w.set(210, u"ABCD"); },
                       +[](steps::RecordWriter& w) { w.set(0, u"A"); },
                       +[](steps::RecordWriter& w) { w.setNumber(8, 2, 123); },
                       +[](steps::RecordWriter& w) { w.setSlot(18, 0, u'0', 0, QStringLiteral("A1")); }}) {
        steps::RecordWriter w;
        write(w);
        EXPECT_FALSE(w.error().isEmpty());
        EXPECT_EQ(w.str().size(), 212);
    }
}

TEST(TabLabels, TemplateAOnAnOverlayAtTheOrigin)
{
    const QString a = steps::tabTemplateText(u'A');
    ASSERT_EQ(a.size(), 155);
    EXPECT_EQ(steps::tabCount(a), 2);
    EXPECT_EQ(steps::tabPage(a, 1), "610197");
    EXPECT_EQ(steps::tabPage(a, 2), "610251");
    const steps::TabLayout l = steps::layoutTabs(a, 1, 1, 1, 0, 0);
    EXPECT_EQ(l.count, 2);
    EXPECT_EQ(l.labels[1], (steps::Rect{150, 555, 750, 270}));
    EXPECT_EQ(l.labels[2], (steps::Rect{900, 555, 1200, 270}));
    EXPECT_EQ(l.labels[0], (steps::Rect{3615, 6315, 1080, 285}));
    EXPECT_TRUE(steps::tabTemplateText(u'O').isEmpty());
    EXPECT_TRUE(steps::tabTemplateText(QChar(0x4E00)).isEmpty());
}

TEST(TabLabels, ScaledAndShiftedWithEveryTemplateInOneRow)
{
    for (QChar c = u'A'; c <= u'N'; c = QChar(c.unicode() + 1)) {
        const QString t = steps::tabTemplateText(c);
        const steps::TabLayout l = steps::layoutTabs(t, 1, 0.8, 0.8, 1000, 2000);
        ASSERT_GE(l.count, 2) << char(c.unicode());
        for (int i = 1; i <= l.count; ++i) {
            EXPECT_GT(l.labels[size_t(i)].width, 0) << char(c.unicode()) << i;
            EXPECT_DOUBLE_EQ(l.labels[size_t(i)].top, l.labels[1].top);
            if (i > 1) {
                EXPECT_DOUBLE_EQ(l.labels[size_t(i)].left,
                                 l.labels[size_t(i - 1)].left + l.labels[size_t(i - 1)].width);
            }
        }
        EXPECT_GE(l.labels[1].left, 1000);
        EXPECT_GE(l.labels[1].top, 2000);
    }
}

TEST(TabLabels, TwoRowsPutTheShownTabsRowAgainstThePage)
{
    // A template of twelve tabs: tabs 1-6 the first row, 7-12 the second.
    QString t = QStringLiteral("Z") + QStringLiteral("C") + QStringLiteral("0500") + QStringLiteral("300");
    for (int i = 1; i <= 12; ++i)
        t += QStringLiteral("PAGE%1").arg(i, 2, 10, QLatin1Char('0')) +
             QString::number(100 + ((i - 1) % 6) * 1000).rightJustified(4, u'0');
    t += QStringLiteral("0000006100");
    t = t.leftJustified(139, u'0') + QStringLiteral("0000000000000000");
    const steps::TabLayout low = steps::layoutTabs(t, 2, 1, 1, 0, 0);
    EXPECT_EQ(low.count, 12);
    EXPECT_EQ(low.row, 1);
    EXPECT_DOUBLE_EQ(low.labels[2].top, 800);
    EXPECT_DOUBLE_EQ(low.labels[8].top, 500);
    EXPECT_DOUBLE_EQ(low.labels[6].width, 1050);
    const steps::TabLayout high = steps::layoutTabs(t, 9, 1, 1, 0, 0);
    EXPECT_EQ(high.row, 2);
    EXPECT_DOUBLE_EQ(high.labels[2].top, 500);
    EXPECT_DOUBLE_EQ(high.labels[8].top, 800);
}

TEST(TabLabels, BackButtonAndHint)
{
    steps::RecordWriter w;
    w.set(steps::col::BackSpec, u"Q0003").setNumber(steps::col::PointSpec, 5, 4000);
    w.setNumber(steps::col::PointSpec + 5, 5, 6000);
    const steps::Step s(w.str());
    EXPECT_TRUE(s.hasBack());
    EXPECT_EQ(steps::backButton(s, 0.8, 0.8), (steps::Rect{3200, 4800, 876, 228}));
    EXPECT_EQ(steps::backCount(s.backKey()), 3);
    EXPECT_EQ(steps::backCount(QStringLiteral("Q0000")), 1);
    EXPECT_EQ(steps::backCount(QStringLiteral("NONO")), 1);
    EXPECT_EQ(steps::chooseTabHint(2), QStringLiteral("请选择第2个选项卡"));
}

TEST(DropDowns, FirstLevelPlacesAndEdges)
{
    const steps::Rect spot{1000, 400, 600, 300};
    EXPECT_EQ(steps::underSpot(spot, 2000, 3000), (steps::Rect{1000, 700, 2000, 3000}));
    EXPECT_EQ(steps::atCentre(spot, 2000, 3000), (steps::Rect{1300, 550, 2000, 3000}));
    // Exactly on the edge: the menu-bar rule and the inclusive form flip, the strict form stays.
    const steps::Rect onEdge{10300, 5820, 2000, 3000};
    EXPECT_EQ(steps::flipUnderTitle(onEdge, spot, 1, 1), (steps::Rect{-1000, -2600, 2000, 3000}));
    EXPECT_EQ(steps::flipAtEdges(onEdge, {false, 12300, 8820}), (steps::Rect{8300, 2820, 2000, 3000}));
    EXPECT_EQ(steps::flipAtEdges(onEdge, {true, 12300, 8820}), onEdge);
    EXPECT_EQ(steps::flipAtEdges(onEdge, {false, 12300, std::nullopt}),
              (steps::Rect{8300, 5820, 2000, 3000}));
}

TEST(DropDowns, SecondAndThirdLevels)
{
    const steps::Rect first{1000, 1000, 3000, 4000}, row{1045, 2000, 2900, 330};
    // Overlap 75 for letter keys and the object menus, 15 for the Start menu's.
    EXPECT_DOUBLE_EQ(steps::secondLevelPlace(first, row, 2000, 1000, "A104", "A1", 1, 1).left, 3925);
    EXPECT_DOUBLE_EQ(steps::secondLevelPlace(first, row, 2000, 1000, "8409", "84", 1, 1).left, 3985);
    EXPECT_DOUBLE_EQ(steps::secondLevelPlace(first, row, 2000, 1000, "6901", "69", 1, 1).left, 3925);
    EXPECT_DOUBLE_EQ(steps::secondLevelPlace(first, row, 2000, 1000, "8409", "84", 1, 1).top, 2000);
    EXPECT_DOUBLE_EQ(steps::secondLevelPlace(first, row, 2000, 1000, "8401", "84", 1, 1).top, 1330);
    EXPECT_DOUBLE_EQ(steps::secondLevelPlace(first, row, 2000, 1000, "8410", "84", 1, 1).top, 1000);
    // Kept above 8820 and flipped left past 11850.
    EXPECT_DOUBLE_EQ(steps::secondLevelPlace(first, row, 2000, 8000, "8409", "84", 1, 1).top, 820);
    const steps::Rect right{9000, 1000, 2000, 4000};
    EXPECT_DOUBLE_EQ(steps::secondLevelPlace(right, row, 2000, 1000, "8409", "84", 1, 1).left, 7015);
    EXPECT_EQ(steps::thirdLevelPlace(first, row, 500, 600, 1), (steps::Rect{3985, 2000, 500, 600}));
}

TEST(DeskPictures, Names)
{
    EXPECT_EQ(steps::desk::toolbar(u'W'), "1100W2");
    EXPECT_EQ(steps::desk::toolbar(u'P'), "1100W1");
    EXPECT_EQ(steps::desk::menuBar(u'A'), "A00000");
    EXPECT_EQ(steps::desk::taskPane(2), "41A002");
    EXPECT_EQ(steps::desk::toolbarPressed(7), "070099");
    EXPECT_EQ(steps::desk::toolbarHovered(17), "170088");
    EXPECT_EQ(steps::desk::startItemHighlight(75), "750088");
    EXPECT_EQ(steps::desk::itemHighlight("Z0"), "Z00099");
}

// How a step is completed and where it leads: the action code's own rule with its jump, and for a
// code without one the second target, the pictures, the releases and the keys, the first way that
// leads on preferred.
TEST(Completion, TheWayAStepIsCompletedAndWhereItLeads)
{
    using steps::Way;
    using testkit::StepRecord;
    namespace col = common::col;
    const auto none = [] { return StepRecord().action(QStringLiteral("0000")); };
    const auto aux = [&](char jump) { return none().setRect(col::AuxRect, 3000, jump, 2000, 600, 300); };
    const auto pictures = [&](char jump2, char jump3) {
        return none()
            .setSlot(col::Slot2, 4500, jump2, 1500, QStringLiteral("P00002"))
            .setSlot(col::Slot3, 6000, jump3, 1500, QStringLiteral("P00003"));
    };
    const struct {
        const char* what;
        StepRecord rec;
        int step;
        Way way;
        int slot;
        const char* jump;
    } cases[] = {
        {"a click jumps by mainRect", StepRecord().action(QStringLiteral("0001")).mainRect(1, '3', 1, 9, 9),
         1, Way::Action, 0, "3"},
        {"a double click jumps by mainRect",
         StepRecord().action(QStringLiteral("0002")).mainRect(1, '6', 1, 9, 9), 1, Way::Action, 0, "6"},
        {"a right click jumps by mainRect",
         StepRecord().action(QStringLiteral("0003")).mainRect(1, 'A', 1, 9, 9), 1, Way::Action, 0, "A"},
        {"a click with keys jumps by mainRect",
         StepRecord().action(QStringLiteral("9101")).mainRect(1, '2', 1, 9, 9), 1, Way::Action, 0, "2"},
        {"a hover advances", StepRecord().action(QStringLiteral("0030")).mainRect(1, '3', 1, 9, 9), 1,
         Way::Action, 0, "0"},
        {"a drag jumps by column 102",
         StepRecord()
             .action(QStringLiteral("0052"))
             .set(col::CursorSpec + 1, QStringLiteral("3"))
             .setRect(col::AuxRect, 1, '5', 1, 9, 9),
         1, Way::Action, 0, "3"},
        {"a key code advances", StepRecord().action(QStringLiteral("6013")), 1, Way::Action, 0, "0"},
        {"typing with a second target",
         StepRecord().action(QStringLiteral("0028")).setRect(col::AuxRect, 1, '0', 1, 9, 9), 1, Way::Action,
         0, "0"},
        {"a press on the second target", aux('0'), 1, Way::SecondPress, 0, "0"},
        {"no press where the window is \"EE\"", aux('0').set(col::WinCode, QStringLiteral("EE")), 1,
         Way::Nothing, 0, "0"},
        {"no press where the pane is \"EE\"", aux('0').set(col::PaneCode, QStringLiteral("EE")), 1,
         Way::Nothing, 0, "0"},
        {"no second target of size 0", none().setRect(col::AuxRect, 3000, '0', 2000, 0, 0), 1, Way::Nothing,
         0, "0"},
        {"a release on the second target jumps", aux('4'), 1, Way::SecondRelease, 0, "4"},
        {"the picture that leads on", pictures('3', '1'), 1, Way::Picture, 2, "3"},
        {"the picture that leads on, in slot 3", pictures('1', '5'), 2, Way::Picture, 3, "5"},
        {"no way leads on: the first", pictures('1', '2'), 3, Way::Picture, 2, "1"},
        {"a picture of JumpChar \"0\" is not clickable", pictures('0', '0'), 1, Way::Nothing, 0, "0"},
        {"a hidden picture is not clickable",
         none().setSlot(col::Slot1, 10, '3', 10, QStringLiteral("000000")), 1, Way::Nothing, 0, "0"},
        {"the press before a picture", aux('0').setSlot(col::Slot1, 10, '5', 10, QStringLiteral("P00001")), 1,
         Way::SecondPress, 0, "0"},
        {"a release that leads back, the only way", aux('1'), 2, Way::SecondRelease, 0, "1"},
        {"a release on the main target", none().mainRect(1500, '3', 6000, 600, 300), 1, Way::MainRelease, 0,
         "3"},
        {"no release on a main target of size 0", none().mainRect(1500, '3', 6000, 0, 0), 1, Way::Nothing, 0,
         "0"},
        {"a key alternative", none().set(col::KeyAlt2, QStringLiteral("P6013")), 1, Way::Key, 0, "0"},
        {"a key alternative that names no key", none().set(col::KeyAlt1, QStringLiteral("P6000")), 1,
         Way::Nothing, 0, "0"},
        {"a menu path's shortcut", none().set(col::TargetC, QStringLiteral("HA20800000")), 1, Way::Key, 0,
         "0"},
        {"a menu path without a shortcut", none().set(col::TargetA, QStringLiteral("HA29900000")), 1,
         Way::Nothing, 0, "0"},
        {"the pointer before the key", aux('0').set(col::KeyAlt1, QStringLiteral("P6013")), 1,
         Way::SecondPress, 0, "0"},
        {"nothing at all", none(), 1, Way::Nothing, 0, "0"},
        // A code read by its number.
        {"a right click written \"3\" and blanks",
         StepRecord().action(QStringLiteral("3   ")).mainRect(1, '4', 1, 9, 9), 1, Way::Action, 0, "4"},
        // Codes that the candidate's desktop never accepts, and targets that take no pointer.
        {"\"8000\": the targets are shrunk, a release or press on them does nothing",
         StepRecord()
             .action(QStringLiteral("8000"))
             .mainRect(1500, '3', 6000, 600, 300)
             .setRect(col::AuxRect, 3000, '0', 2000, 600, 300),
         1, Way::Nothing, 0, "0"},
        {"\"8005\" with a released second target",
         StepRecord().action(QStringLiteral("8005")).setRect(col::AuxRect, 3000, '4', 2000, 600, 300), 1,
         Way::Nothing, 0, "0"},
        {"\"8000\" with a picture that leads on",
         StepRecord()
             .action(QStringLiteral("8000"))
             .mainRect(1500, '3', 6000, 600, 300)
             .setSlot(col::Slot5, 4500, '3', 1500, QStringLiteral("P00005")),
         1, Way::Picture, 5, "3"},
        {"\"8005\" with a key alternative",
         StepRecord().action(QStringLiteral("8005")).set(col::KeyAlt1, QStringLiteral("P6013")), 1, Way::Key,
         0, "0"},
        {"\"8012\" shrinks the targets too",
         StepRecord().action(QStringLiteral("8012")).mainRect(1, '3', 1, 9, 9), 1, Way::Nothing, 0, "0"},
        {"a picture drag", StepRecord().action(QStringLiteral("8006")), 1, Way::Action, 0, "0"},
        {"\"0029\" has no typed-text rule: its release jumps",
         StepRecord().action(QStringLiteral("0029")).mainRect(1, '3', 1, 9, 9), 1, Way::MainRelease, 0, "3"},
        {"\"0029\" and nothing else", StepRecord().action(QStringLiteral("0029")), 1, Way::Nothing, 0, "0"},
        {"a typed answer confirmed by a click",
         StepRecord().action(QStringLiteral("0026")).mainRect(1, '3', 1, 9, 9), 1, Way::Action, 0, "0"},
        {"a drag whose pointer stays the default one",
         StepRecord()
             .action(QStringLiteral("0050"))
             .set(col::CursorSpec, QStringLiteral("S0000"))
             .set(col::WinCode, QStringLiteral("EE"))
             .setRect(col::AuxRect, 1, '0', 1, 9, 9),
         1, Way::Nothing, 0, "0"},
        {"a band without a second target",
         StepRecord().action(QStringLiteral("0041")).mainRect(1, '0', 1, 9, 9), 1, Way::Nothing, 0, "0"},
        {"\"0004\" only jumps", StepRecord().action(QStringLiteral("0004")).mainRect(1, '3', 1, 9, 9), 1,
         Way::Action, 0, "3"},
        {"\"0004\" with the JumpChar \"0\"",
         StepRecord().action(QStringLiteral("0004")).mainRect(1, '0', 1, 9, 9), 1, Way::Nothing, 0, "0"},
        {"a click with the middle button and Shift",
         StepRecord().action(QStringLiteral("9104")).mainRect(1, '0', 1, 9, 9), 1, Way::Action, 0, "0"},
        {"a click with a button no mouse has",
         StepRecord().action(QStringLiteral("9003")).mainRect(1, '3', 1, 9, 9), 1, Way::Nothing, 0, "0"},
        {"a click with keys no keyboard holds",
         StepRecord().action(QStringLiteral("9801")).mainRect(1, '3', 1, 9, 9), 1, Way::Nothing, 0, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const steps::Completion got = steps::completion(steps::Step(c.rec.str()), c.step);
        EXPECT_EQ(got.way, c.way);
        EXPECT_EQ(got.slot, c.slot);
        EXPECT_EQ(got.jump, QString::fromLatin1(c.jump));
    }
}

// The candidate's judges ask the same rule about one action at a time.
TEST(Completion, APressOnTheSecondTargetAndAClickOnAPicture)
{
    using testkit::StepRecord;
    namespace col = common::col;
    const steps::Step pressed(StepRecord().setRect(col::AuxRect, 1, '0', 1, 9, 9).str());
    EXPECT_TRUE(steps::secondTargetPressAdvances(pressed));
    EXPECT_FALSE(steps::secondTargetPressAdvances(
        steps::Step(StepRecord().setRect(col::AuxRect, 1, '2', 1, 9, 9).str())));
    EXPECT_FALSE(steps::secondTargetPressAdvances(steps::Step(
        StepRecord().action(QStringLiteral("0028")).setRect(col::AuxRect, 1, '0', 1, 9, 9).str())));
    const steps::Step pictured(StepRecord()
                                   .setSlot(col::Slot4, 10, '7', 10, QStringLiteral("P00004"))
                                   .setSlot(col::Slot6, 10, '0', 10, QStringLiteral("P00006"))
                                   .str());
    EXPECT_EQ(steps::pictureJump(pictured, 4), QStringLiteral("7"));
    EXPECT_EQ(steps::pictureJump(pictured, 6), QString());
    EXPECT_EQ(steps::pictureJump(pictured, 0), QString());
    EXPECT_EQ(steps::pictureJump(steps::Step(pictured.text().left(196)), 6), QString());
    ASSERT_NE(steps::shortcutOf(QStringLiteral("D114")), nullptr);
    EXPECT_EQ(steps::shortcutOf(QStringLiteral("D114"))->shift, 4);
    EXPECT_EQ(steps::shortcutOf(QStringLiteral("A299")), nullptr);
}

// The typed-text prompts: the answers joined by "或  " and each code's words on either desktop.
TEST(TypedTextHints, TheWordsOfEachCodeOnBothDesktops)
{
    const QString hint = QStringLiteral("abc|ABC");
    const QString joined = QStringLiteral("abc或  ABC");
    const struct {
        const char* code;
        QString desk, demo;
    } cases[] = {
        {"0020", "输入 " + joined, "输入 " + joined},
        {"0021", "输入 " + joined, "输入 " + joined},
        {"0022", "输入 " + joined + " 并按回车键或点红色方框处",
         "输入 " + joined + " 并按回车键或点红色方框处"},
        {"0023", "请选中 " + joined, "请选中 " + joined},
        {"0024", "输入 " + joined + " 并按回车键", "输入 " + joined + " 并按回车键"},
        {"0025", "输入 " + joined, joined},
        {"0026", "输入 " + joined + " 并点击红色方框处", "输入 " + joined + " 并点击红色方框处"},
        {"0027", "输入 " + joined, "输入 " + joined},
        {"0028", joined, "在单元格或编辑栏中输入 " + joined + " 并按回车键或点编辑区或点“√”"},
        {"0029", joined, joined},
        // Codes read by their number: "22" and blanks is "0022".
        {"22  ", "输入 " + joined + " 并按回车键或点红色方框处",
         "输入 " + joined + " 并按回车键或点红色方框处"},
        {" 20 ", "输入 " + joined, "输入 " + joined},
        {"0001", hint, hint},
        {"9001", hint, hint},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(steps::typedTextHint(QString::fromLatin1(c.code), hint, false), c.desk) << c.code;
        EXPECT_EQ(steps::typedTextHint(QString::fromLatin1(c.code), hint, true), c.demo) << c.code;
    }
    // The frame stays where a click on the target completes the step.
    EXPECT_TRUE(steps::typedTextPrompt(QStringLiteral("0022"), false)->framed);
    EXPECT_TRUE(steps::typedTextPrompt(QStringLiteral("0026"), false)->framed);
    EXPECT_FALSE(steps::typedTextPrompt(QStringLiteral("0024"), true)->framed);
    EXPECT_FALSE(steps::typedTextPrompt(QStringLiteral("0028"), false).has_value());
}

// The panels that open at fixed places of the desktop, and the Start-menu items with a list.
TEST(DropDowns, FixedPlacesAndTheStartMenusLists)
{
    const struct {
        int spot;
        std::optional<std::pair<int, int>> place;
        bool list;
    } cases[] = {
        {steps::StartButtonMenu, std::pair{360, 6600}, false},
        {steps::RecentDocuments, std::pair{5535, 2890}, true},
        {steps::AllPrograms, std::pair{2160, 2565}, true},
        {81, std::nullopt, false},
        {steps::ViewsButton, std::nullopt, false},
        {69, std::nullopt, false},
    };
    for (const auto& c : cases) {
        const std::optional<steps::Place> p = steps::fixedPanelPlace(c.spot);
        ASSERT_EQ(p.has_value(), c.place.has_value()) << c.spot;
        if (p) {
            EXPECT_EQ(std::pair(p->left, p->top), *c.place) << c.spot;
        }
        EXPECT_EQ(steps::startItemOpensList(c.spot), c.list) << c.spot;
    }
}

// The context menu's row map: each list's caption line (cascades only) and item line.
TEST(ContextMenus, TheRecordLinesOfEachList)
{
    const int caption[] = {0, 2, 0, 5, 0, 8, 0, 11, 13, 0, 0};
    const int items[] = {0, 3, 4, 6, 7, 9, 10, 12, 14, 15, 0};
    for (int list = 0; list <= 10; ++list) {
        EXPECT_EQ(smenu::listLines(list).caption, caption[list]) << list;
        EXPECT_EQ(smenu::listLines(list).items, items[list]) << list;
    }
    EXPECT_EQ(smenu::listLines(-1).items, 0);
}
