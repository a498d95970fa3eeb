// Steps without an action code of their own, demonstrated where the candidate completes them: the
// pointer glides to the second target or to the picture that leads on and clicks there, and the
// question goes on where that click leads; a step that a key completes pauses as a key step does.
// Each step has a hint of its own, by which the test tells the steps shown apart.
#include <QImage>
#include <QRectF>

#include "demo_fixture.h"

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
        int firstTicks = 0;
    };
    Played play()
    {
        Played r;
        startDemo();
        r.hints << hintShown();
        for (int i = 0; i < 400 && playing(); ++i) {
            time.advance(100);
            if (!playing()) break;
            if (r.hints.size() == 1) ++r.firstTicks;
            if (hintShown() == r.hints.last()) continue;
            if (r.hints.size() == 1) r.leftFirstAt = pointer();
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
        {"no action completes it", none()},
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
