// Steps without an action code of their own, demonstrated where the candidate completes them: the
// pointer glides to the second target or to the picture that leads on and clicks there, and the
// question goes on where that click leads; a step that a key completes pauses as a key step does.
// Each step has a hint of its own, by which the test tells the steps shown apart.
#include <QImage>
#include <QRectF>

#include "demo_fixture.h"
#include "platform/keys.h"

using namespace demotest;

namespace {

const QStringList Hints = {QStringLiteral("第一步"), QStringLiteral("第二步"), QStringLiteral("第三步"),
                           QStringLiteral("第四步")};
const QString Done = QStringLiteral("操作成功！");

StepRecord none()
{
    return StepRecord().action(QStringLiteral("0000"));
}

} // namespace

class Completion : public Demo {
protected:
    // A picture of 60 x 45 pixels (900 x 675 twips) under the step-picture code `code`.
    void writePicture(const QString& code)
    {
        QImage img(60, 45, QImage::Format_RGB32);
        img.fill(Qt::darkBlue);
        ASSERT_TRUE(img.save(dataPath + QLatin1Char('/') + code + QStringLiteral(".rar"), "BMP"));
    }
    // Plays to the end; the hints shown in order, and where the pointer stood when the first step
    // ended and how many ticks of 100 ms that step lasted.
    struct Played {
        QStringList hints;
        QPointF leftFirstAt;
        long firstRing = 0; // the click ring's colour during the first step's last glide
        int firstTicks = 0;
    };
    Played play()
    {
        Played r;
        startDemo();
        r.hints << hintShown();
        long ring = 0;
        for (int i = 0; i < 400 && playing(); ++i) {
            time.advance(100);
            if (!playing()) break;
            if (r.hints.size() == 1) ++r.firstTicks;
            if (hintShown() == r.hints.last()) {
                ring = player().Shape5.BorderColor();
                continue;
            }
            if (r.hints.size() == 1) {
                r.leftFirstAt = pointer();
                r.firstRing = ring;
            }
            r.hints << hintShown();
        }
        EXPECT_FALSE(playing()) << "still at " << r.hints.last().toStdString();
        return r;
    }
};

TEST_F(Completion, ThePointerClicksWhereTheCandidateCompletesTheStepAndTheStepGoesWhereThatLeads)
{
    const struct Case {
        const char* how;
        StepRecord first;
        QRectF target; // design twips
        QStringList hints;
    } cases[] = {
        {"a press on the second target advances",
         none().setRect(col::AuxRect, 3000, '0', 2000, 600, 300),
         QRectF(3000, 2000, 600, 300),
         {Hints[0], Hints[1], Hints[2], Done}},
        {"a release on the second target jumps by its JumpChar",
         none().setRect(col::AuxRect, 3000, '3', 2000, 600, 300),
         QRectF(3000, 2000, 600, 300),
         {Hints[0], Hints[2], Done}},
        {"the picture that leads on, past a step the candidate never reaches",
         none()
             .setSlot(col::Slot2, 4500, '3', 1500, QStringLiteral("P00002"))
             .setSlot(col::Slot3, 6000, '1', 1500, QStringLiteral("P00003")),
         QRectF(4500, 1500, 900, 675),
         {Hints[0], Hints[2], Done}},
        {"a picture in slot 6",
         none().setSlot(col::Slot6, 9000, '3', 4500, QStringLiteral("P00002")),
         QRectF(9000, 4500, 900, 675),
         {Hints[0], Hints[2], Done}},
        {"a release on the main target jumps by its JumpChar",
         none().mainRect(1500, '3', 6000, 600, 300),
         QRectF(1500, 6000, 600, 300),
         {Hints[0], Hints[2], Done}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        writeAnswers(Hints);
        writePicture(QStringLiteral("P00002"));
        writePicture(QStringLiteral("P00003"));
        start({{hinted(c.first, 1), hinted(at("8888"), 2), hinted(at("8888"), 3), terminal()}});
        const Played r = play();
        EXPECT_EQ(r.hints, c.hints);
        // The pointer glided there (no step flashes by) and stands at the centre of what it clicked.
        EXPECT_GE(r.firstTicks, 10);
        EXPECT_NEAR(r.leftFirstAt.x(), c.target.center().x(), 0.5);
        EXPECT_NEAR(r.leftFirstAt.y(), c.target.center().y(), 0.5);
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
}

TEST_F(Completion, AStepThatAKeyCompletesPausesOneSecondWithThePointerStill)
{
    const struct Case {
        const char* how;
        StepRecord step;
    } cases[] = {
        {"a key code", at("6013")},
        {"a key alternative", none().set(col::KeyAlt2, QStringLiteral("P6013"))},
        {"the shortcut of its menu path", none().set(col::TargetC, QStringLiteral("HA20800000"))},
        // A code beginning "6" pauses as a key step does, "6000" too: the candidate completes it
        // by a key alternative (or by its pop-up); the pointer never goes to the target.
        {"a pop-up code beginning \"6\" with a key alternative",
         at("6000", 6000, 1500).set(col::KeyAlt1, QStringLiteral("P6013"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        writeAnswers(Hints);
        start({{hinted(aimed("0001", 1500, 0), 1), hinted(c.step, 2), hinted(at("8888"), 3), terminal()}});
        startDemo();
        for (int i = 0; i < 30 && playing() && hintShown() == Hints[0]; ++i)
            time.advance(100);
        ASSERT_EQ(hintShown(), Hints[1]);
        const QPointF still = pointer();
        EXPECT_EQ(still, QPointF(StartX + 1500, StartY));
        int ticks = 0;
        while (playing() && hintShown() == Hints[1] && ticks < 20) {
            time.advance(200);
            ++ticks;
            EXPECT_EQ(pointer(), still);
        }
        EXPECT_EQ(ticks, 5);
        EXPECT_EQ(hintShown(), Hints[2]);
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
}

// A step that no action of the candidate completes: an action code that is never accepted, a code
// beginning "80" whose targets are shrunk for the picture drag (no release or press on them counts),
// a typed-text code that nothing judges, a drag whose pointer never changes. The candidate's desktop
// stays at the step whatever is clicked; the demonstration ends there, as on a record it cannot
// read, without playing the next step and without "操作成功！".
TEST_F(Completion, AStepNothingCompletesEndsTheDemonstrationAndTheCandidatesDesktopStays)
{
    const QRectF main(1500, 6000, 600, 300), second(3000, 2000, 600, 300); // design twips
    const auto withMain = [&](const char* code, char jump) {
        return StepRecord()
            .action(QString::fromLatin1(code))
            .mainRect(int(main.left()), jump, int(main.top()), int(main.width()), int(main.height()));
    };
    const auto withSecond = [&](StepRecord r, char jump) {
        return r.setRect(col::AuxRect, int(second.left()), jump, int(second.top()), int(second.width()),
                         int(second.height()));
    };
    const struct Case {
        const char* what;
        StepRecord first;
    } cases[] = {
        {"\"8000\" whose target's JumpChar names a step", withMain("8000", '2')},
        {"\"8000\" whose second target's JumpChar is \"0\"", withSecond(withMain("8000", '0'), '0')},
        {"\"8005\" whose second target's JumpChar names a step", withSecond(withMain("8005", '0'), '3')},
        {"\"8000\" with the JumpChar \"0\" and nothing else", withMain("8000", '0')},
        {"\"8012\" whose target's JumpChar names a step", withMain("8012", '3')},
        {"\"0029\", which nothing judges", withMain("0029", '0')},
        {"a drag whose pointer stays the default one", withSecond(withMain("0050", '0'), '0')
                                                           .set(col::CursorSpec, QStringLiteral("S0000"))
                                                           .set(col::WinCode, QStringLiteral("EE"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeAnswers(Hints);
        start({{hinted(c.first, 1), hinted(at("0001", 4500, 4500), 2), hinted(at("8888"), 3), terminal()}});
        const Played r = play();
        EXPECT_EQ(r.hints, QStringList{Hints[0]});
        EXPECT_LE(r.firstTicks, 10); // it ends at once, with no pause
        // Handed back at the candidate's own step, which no click, press or release passes.
        time.advance(200);
        auto& d = common::drill();
        ASSERT_EQ(d.dqStep, 1);
        for (const QRectF& at : {main, second}) {
            const QPointF centre = at.center();
            testkit::click(desk(), centre.x(), centre.y());
            testkit::click(desk(), centre.x(), centre.y(), platform::vbRightButton);
            testkit::dblClick(desk(), centre.x(), centre.y());
            testkit::dragHeld(desk(), second.center().x(), second.center().y(), centre.x(), centre.y());
            time.advance(1000);
            EXPECT_EQ(d.dqStep, 1);
        }
        EXPECT_FALSE(desk().LblSuccess.Visible());
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
}

// An action code is the number it begins with, blanks skipped, on both desktops: "3" and blanks is
// a right click, which the demonstration plays on the target with the right click's ring and the
// candidate's desktop takes as one; " 2" is a double click.
TEST_F(Completion, ACodeIsReadAsTheNumberItBeginsWithOnBothDesktops)
{
    const struct Case {
        const char* code;
        long ring; // the ring's colour at the click
        int button;
        bool doubleClick;
    } cases[] = {{"3   ", 0xFFFF, platform::vbRightButton, false},
                 {" 3  ", 0xFFFF, platform::vbRightButton, false},
                 {"0003", 0xFFFF, platform::vbRightButton, false},
                 {" 2  ", 0xFF00, platform::vbLeftButton, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        writeAnswers(Hints);
        const QRectF target(4500, 1500, 600, 300);
        start({{hinted(at(QString::fromLatin1(c.code), 4500, 1500), 1), hinted(at("8888"), 2), terminal()}});
        const Played r = play();
        EXPECT_EQ(r.hints, (QStringList{Hints[0], Hints[1], Done}));
        EXPECT_GE(r.firstTicks, 10);
        EXPECT_NEAR(r.leftFirstAt.x(), target.center().x(), 0.5);
        EXPECT_NEAR(r.leftFirstAt.y(), target.center().y(), 0.5);
        EXPECT_EQ(r.firstRing, c.ring);
        time.advance(200);
        auto& d = common::drill();
        ASSERT_EQ(d.dqStep, 1);
        // The other button does nothing; the code's own click passes the step.
        const QPointF centre = target.center();
        testkit::click(desk(), centre.x(), centre.y(),
                       c.button == platform::vbRightButton ? platform::vbLeftButton
                                                           : platform::vbRightButton);
        EXPECT_EQ(d.dqStep, 1);
        if (c.doubleClick)
            testkit::dblClick(desk(), centre.x(), centre.y());
        else
            testkit::click(desk(), centre.x(), centre.y(), c.button);
        EXPECT_EQ(d.dqStep, 2);
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
}

// Every typed-text code by one rule on both desktops: the demonstration types into the field the
// code names the text that completes it (the whole entry where the whole entry is asked for), and
// confirms it as the code asks; the same text typed into the candidate's field, confirmed the same
// way, passes the step there. An answer field that is no number names the file's last entry on both.
TEST_F(Completion, WhatTheDemonstrationTypesTheCandidatesDesktopAccepts)
{
    enum Confirm { Typed, Enter, Click };
    const struct Case {
        const char* code;
        const char* answerLine;
        Confirm confirm;
    } cases[] = {{"0020", "001", Typed}, {"0021", "001", Typed}, {"0022", "001", Click},
                 {"0024", "001", Enter}, {"0025", "001", Typed}, {"0026", "001", Click},
                 {"0027", "001", Typed}, {"0028", "001", Enter}, {"0020", "a0b", Typed},
                 {"0021", "x1y", Typed}};
    const QRectF target(6000, 6000, 600, 300);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " " << c.answerLine);
        writeAnswers({QStringLiteral("Abc|xy"), QStringLiteral("never"), QStringLiteral("Last|one")});
        StepRecord typing = at(QString::fromLatin1(c.code), int(target.left()), int(target.top()));
        typing.setRect(col::EditRect, 1500, '0', 3000, 3000, 300);
        typing.set(col::AnswerLine, QString::fromLatin1(c.answerLine));
        start({{typing, at("8888"), terminal()}});
        startDemo();
        FrmYanShi& p = player();
        const bool second = QLatin1String(c.code) == QLatin1String("0021");
        for (int i = 0; i < 200 && playing() && p.shownStep() == 1; ++i)
            time.advance(100);
        ASSERT_EQ(p.shownStep(), 2);
        // The next step shows no edit field and leaves the text as typed.
        const QString typed = (second ? p.Text2 : p.Text1).Text();
        const QString entry = QLatin1String(c.answerLine) == QLatin1String("001") ? QStringLiteral("Abc|xy")
                                                                                    : QStringLiteral("Last|one");
        EXPECT_EQ(typed, second ? entry : entry.section(QLatin1Char('|'), 0, 0));
        EXPECT_GE(runToEnd(), 0);
        time.advance(200);

        auto& d = common::drill();
        ASSERT_EQ(d.dqStep, 1);
        if (second) testkit::click(desk().Text2);
        testkit::type(desk(), typed);
        if (c.confirm == Enter) testkit::key(desk(), platform::vbKeyReturn);
        if (c.confirm == Click) testkit::click(desk(), target.center().x(), target.center().y());
        EXPECT_EQ(d.dqStep, 2);
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
}

// An answer-text field that is no number (not "000") names the file's last entry, for the hint, the
// edit field's first text and the answer alike, on both desktops.
TEST_F(Completion, AnAnswerTextFieldThatIsNoNumberNamesTheLastEntryOnBothDesktops)
{
    writeAnswers({QStringLiteral("first"), QStringLiteral("Last|one")});
    StepRecord r = at("0001", 6000, 6000);
    r.setRect(col::EditRect, 1500, '0', 3000, 3000, 300);
    r.set(col::TextLine, QStringLiteral(" x ")).set(col::HintLine, QStringLiteral("0a0"));
    r.setNumber(col::HintPos, 5, 120).setNumber(col::HintPos + 5, 5, 120);
    start({{r, terminal()}});
    EXPECT_EQ(desk().LHelp.Caption(), QStringLiteral("Last\r\none"));
    EXPECT_EQ(desk().Text1.Text(), QStringLiteral("Last"));
    startDemo();
    EXPECT_EQ(player().LHelp.Caption(), desk().LHelp.Caption());
    EXPECT_EQ(player().Text1.Text(), desk().Text1.Text());
}
