// The second target and the overlay pictures: the rubber band and the target drag from Label4 to
// Label1, the plain press on Label4, the "0028" release and the release that jumps by auxRect's
// JumpChar; clicks on the six overlay pictures and the drag of Image5 past its drop line.
#include "actions_fixture.h"

using namespace desktoptest;

namespace {

// Label4 on (1500, 1500) 1500 x 900; Label1 on (6000, 3000) 1500 x 900: right edge 7500, bottom
// edge 3900. One pixel is 15 twips at scale 1.
constexpr double PressX = 2250, PressY = 1950;
constexpr double DropRight = 7500, DropBottom = 3900;

StepRecord gesture(const QString& action, char auxJump = '0', char dragJump = '0',
                   const QString& cursor = QStringLiteral("S0002"))
{
    StepRecord r = step(action);
    r.set(col::WinCode, QStringLiteral("EE")); // a left press is no plain match
    r.setRect(col::AuxRect, 1500, auxJump, 1500, 1500, 900);
    r.mainRect(6000, '0', 3000, 1500, 900);
    r.set(col::CursorSpec, cursor);
    r.set(col::CursorSpec + 1, QString(QChar::fromLatin1(dragJump)));
    return r;
}

} // namespace

using Drag = Actions;

TEST_F(Drag, BandAndDragReleases)
{
    struct Case {
        const char* name;
        const char* action;
        int shift;     // held through press, moves and release
        double x, y;   // release point
        int steps;     // moves between press and release
        char dragJump; // column 102
        char auxJump;  // column 182
        int step;      // where the task is afterwards
    } cases[] = {
        {"band released on the drop's bottom-right corner", "0040", 0, DropRight, DropBottom, 4, '0', '5', 2},
        {"band released one pixel right of the drop", "0040", 0, DropRight + 15, DropBottom, 4, '0', '0', 1},
        {"band released one pixel below the drop", "0040", 0, DropRight, DropBottom + 15, 4, '0', '0', 1},
        {"band missed: the release jumps by auxRect", "0040", 0, DropRight + 15, DropBottom, 4, '0', 'C', 12},
        {"band with Shift, Shift held", "0041", 1, 6750, 3450, 4, '7', '0', 2},
        {"band with Shift, no key held", "0041", 0, 6750, 3450, 4, '0', '0', 1},
        {"band with Shift, Ctrl held", "0041", 2, 6750, 3450, 4, '0', '0', 1},
        {"band with Ctrl+Alt", "0046", 6, 6750, 3450, 4, '0', '0', 2},
        {"band released on the drop without a move", "0040", 0, 6750, 3450, 0, '0', '0', 2},
        {"drag released on the drop's edge", "0050", 0, DropRight, DropBottom, 4, '0', '0', 2},
        {"drag goes by column 102", "0050", 0, 6750, 3450, 4, '7', '0', 7},
        {"drag released one pixel outside", "0050", 0, DropRight + 15, DropBottom, 4, '7', '0', 1},
        {"drag released without a move", "0050", 0, 6750, 3450, 0, '7', '0', 1},
        {"drag with Shift+Ctrl, keys held", "0053", 3, 6750, 3450, 4, '0', '0', 2},
        {"drag with Shift+Ctrl, Shift alone", "0053", 1, 6750, 3450, 4, '0', 'B', 11},
        {"drag with Alt, Alt held", "0054", 4, 6750, 3450, 4, '0', '0', 2},
        {"drag with Alt, no key held", "0054", 0, 6750, 3450, 4, '0', '0', 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrmMain& f = show({gesture(QString::fromLatin1(c.action), c.auxJump, c.dragJump)});
        ASSERT_EQ(stepNow(), 1);
        testkit::dragHeld(f, PressX, PressY, c.x, c.y, 1, c.shift, c.steps);
        EXPECT_EQ(stepNow(), c.step);
        again();
    }
}

TEST_F(Drag, TheBandSpansAnchorAndPointerInEveryDirection)
{
    struct Case {
        const char* name;
        double x, y;                     // pointer after the press at (2250, 1950)
        double left, top, width, height; // the band then
    } cases[] = {
        {"right and down", 3000, 2400, 2250, 1950, 750, 450},
        {"left and up", 1500, 1500, 1500, 1500, 750, 450},
        {"right and up", 3000, 1500, 2250, 1500, 750, 450},
        {"left and down", 1500, 2400, 1500, 1950, 750, 450},
    };
    FrmMain& f = show({gesture(QStringLiteral("0040"))});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testkit::press(f, PressX, PressY);
        EXPECT_TRUE(f.Shape6.Visible());
        testkit::moveHeld(f, c.x, c.y, 1);
        EXPECT_DOUBLE_EQ(f.Shape6.Left(), c.left);
        EXPECT_DOUBLE_EQ(f.Shape6.Top(), c.top);
        EXPECT_DOUBLE_EQ(f.Shape6.Width(), c.width);
        EXPECT_DOUBLE_EQ(f.Shape6.Height(), c.height);
        // Released off the drop: the band is gone, the step stays.
        testkit::release(f, c.x, c.y);
        EXPECT_FALSE(f.Shape6.Visible());
        EXPECT_EQ(stepNow(), 1);
    }
    // A press with the wrong keys draws no band.
    testkit::press(f, PressX, PressY, 1, 1);
    EXPECT_FALSE(f.Shape6.Visible());
    testkit::release(f, PressX, PressY, 1, 1);
}

TEST_F(Drag, ADragPointerOfTheDefaultShapeNeverCompletes)
{
    FrmMain& f = show({gesture(QStringLiteral("0050"), '0', '0', QStringLiteral("S0000"))});
    testkit::dragHeld(f, PressX, PressY, 6750, 3450, 1, 0, 4);
    EXPECT_EQ(stepNow(), 1);
    EXPECT_EQ(f.Label4.MousePointer(), 0);
}

TEST_F(Drag, APressAcceptedWithOtherKeysAtItsReleaseLeavesTheDragOnForTheNextStep)
{
    // Kept as the desktop has always done it: the press of step 1 is accepted with Shift, its
    // release comes without Shift and jumps to step 2, which is a drag with Shift too. There a
    // mere hover with Shift shows the drag pointer, so a press and a release on the drop complete
    // it without any move.
    FrmMain& f = show({gesture(QStringLiteral("0051"), '2'), gesture(QStringLiteral("0051"))});
    testkit::press(f, PressX, PressY, 1, 1);
    testkit::release(f, PressX, PressY, 1, 0);
    ASSERT_EQ(stepNow(), 2);
    EXPECT_TRUE(f.dragOn);
    EXPECT_EQ(f.Label4.MousePointer(), 0);
    testkit::moveHeld(f, PressX, PressY, 0, 1);
    EXPECT_EQ(f.Label4.MousePointer(), 2);
    testkit::press(f, PressX, PressY, 1, 1);
    testkit::release(f, 6750, 3450, 1, 1);
    EXPECT_EQ(stepNow(), 3);
    EXPECT_FALSE(f.dragOn);
}

TEST_F(Drag, PlainPressOnTheSecondTarget)
{
    StepRecord plain = step(QStringLiteral("0001"));
    plain.setRect(col::AuxRect, 1500, '0', 1500, 1500, 900);
    // Step 2 jumps by its own auxRect at any release on the same place.
    StepRecord next = step(QStringLiteral("0000"));
    next.setRect(col::AuxRect, 1500, '9', 1500, 1500, 900);
    StepRecord pane = plain;
    pane.set(col::PaneCode, QStringLiteral("EE"));
    StepRecord typed = plain;
    typed.action(QStringLiteral("0028"));
    struct Case {
        const char* name;
        StepRecord first;
        int button;
        int afterPress, afterRelease;
    } cases[] = {
        {"a left press advances, its release passes nothing more", plain, 1, 2, 2},
        {"a right press does nothing", plain, 2, 1, 1},
        {"a middle press does nothing", plain, 4, 1, 1},
        {"no plain press with paneCode EE", pane, 1, 1, 1},
        // Its release confirms the (empty) answer of answerLine "000".
        {"no plain press on a typed-answer step", typed, 1, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrmMain& f = show({c.first, next});
        testkit::press(f, PressX, PressY, c.button);
        EXPECT_EQ(stepNow(), c.afterPress);
        testkit::release(f, PressX, PressY, c.button);
        EXPECT_EQ(stepNow(), c.afterRelease);
        again();
    }
}

TEST_F(Drag, ATypedAnswerIsConfirmedByAReleaseOnTheSecondTarget)
{
    writeTexts({QStringLiteral("Report"), QStringLiteral("report|report.txt")});
    for (const auto& [initial, expected] : {std::pair{1, 2}, std::pair{0, 1}}) {
        StepRecord r = step(QStringLiteral("0028"));
        r.setRect(col::EditRect, 3000, '0', 600, 3000, 300);
        r.setNumber(col::TextLine, 3, initial);
        r.setNumber(col::AnswerLine, 3, 2);
        r.setRect(col::AuxRect, 1500, '0', 1500, 1500, 900);
        FrmMain& f = show({r});
        testkit::click(f.Label4);
        EXPECT_EQ(stepNow(), expected) << "initial text line " << initial;
        again();
    }
}

TEST_F(Drag, PictureClicksJumpByTheirSlot)
{
    for (int slot = 1; slot <= 6; ++slot)
        writePicture(QStringLiteral("PIC00%1").arg(slot), 60, 40);
    struct Case {
        int slot;
        char jump;
        int step;
    } cases[] = {{1, '5', 5}, {2, 'B', 11}, {3, '0', 1}, {4, '3', 3}, {5, 'C', 12}, {6, '7', 7}, {6, '0', 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot << " jump " << c.jump);
        StepRecord r = step(QStringLiteral("0000"));
        r.setSlot(col::Slots[c.slot - 1], 1500 * c.slot, c.jump, 600, QStringLiteral("PIC00%1").arg(c.slot));
        FrmMain& f = show({r});
        platform::Control* images[] = {&f.Image1, &f.Image2, &f.Image3, &f.Image4, &f.Image5, &f.Image6};
        ASSERT_TRUE(images[c.slot - 1]->Visible());
        testkit::click(*images[c.slot - 1]);
        EXPECT_EQ(stepNow(), c.step);
        again();
    }
}

class PictureDrag : public Drag {
protected:
    // Image5 (600 x 450 twips) on its slot; the drop point in pointSpec.
    static StepRecord dragStep(const QString& code, int left, int top, int toX, int toY, char slotJump = '0')
    {
        StepRecord r = step(code);
        r.setSlot(col::Slot5, left, slotJump, top, QStringLiteral("DRAG01"));
        r.setNumber(col::PointSpec, 5, toX);
        r.setNumber(col::PointSpec + 5, 5, toY);
        r.mainRect(left, '0', top, 600, 450); // shrunk away for "80" codes
        return r;
    }
    void SetUp() override
    {
        Drag::SetUp();
        writePicture(QStringLiteral("DRAG01"), 40, 30);
    }
};

TEST_F(PictureDrag, DropsInEachDirection)
{
    struct Case {
        const char* code;
        int toX, toY; // drop point
        double x, y;  // where the pointer takes the picture's corner
        bool advances;
    } cases[] = {
        // The picture's corner starts at (6000, 4500); it ends within half a pixel of the pointer.
        {"8001", 3000, 0, 2955, 4500, true},  // left of the line
        {"8001", 3000, 0, 3105, 4500, false}, // short of it
        {"8002", 7500, 0, 7545, 4500, true},  // right of it
        {"8002", 7500, 0, 7395, 4500, false},
        {"8003", 0, 3000, 6000, 2955, true}, // above it
        {"8003", 0, 3000, 6000, 3105, false},
        {"8004", 0, 6000, 6000, 6045, true}, // below it
        {"8004", 0, 6000, 6000, 5895, false},
        {"8006", 3000, 6000, 2955, 6045, true}, // left and below
        {"8006", 3000, 6000, 2955, 5895, false},
        {"8007", 7500, 6000, 7545, 6045, true}, // right and below
        {"8007", 7500, 6000, 7395, 6045, false},
        {"8008", 3000, 3000, 2955, 2955, true}, // left and above
        {"8008", 3000, 3000, 3105, 2955, false},
        {"8009", 7500, 3000, 7545, 2955, true}, // right and above
        {"8009", 7500, 3000, 7545, 3105, false},
        {"8005", 3000, 3000, 2985, 2985, false}, // moves nothing, accepts nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " to " << c.x << ", " << c.y);
        FrmMain& f = show(
            {dragStep(QString::fromLatin1(c.code), 6000, 4500, c.toX, c.toY), step(QStringLiteral("0000"))});
        const int code = QString::fromLatin1(c.code).toInt();
        const bool horizontal = code != 8003 && code != 8004 && code != 8005;
        const bool vertical = code != 8001 && code != 8002 && code != 8005;
        // Held just inside the corner, carried to the end, rested there until the picture caught up.
        testkit::dragHeld(f, 6015, 4515, c.x + 15, c.y + 15, 1, 0, 6, 12);
        EXPECT_EQ(stepNow(), c.advances ? 2 : 1);
        if (c.advances) {
            // Snapped onto the drop line of its axes.
            if (horizontal) {
                EXPECT_DOUBLE_EQ(f.Image5.Left(), c.toX);
            }
            if (vertical) {
                EXPECT_DOUBLE_EQ(f.Image5.Top(), c.toY);
            }
        } else {
            // Back on its slot.
            EXPECT_DOUBLE_EQ(f.Image5.Left(), 6000);
            EXPECT_DOUBLE_EQ(f.Image5.Top(), 4500);
        }
        again();
    }
}

TEST_F(PictureDrag, OnlyTheLeftButtonMovesThePictureAndAnyReleaseJudges)
{
    // The slot already lies beyond the drop line: any release succeeds.
    FrmMain& f = show({dragStep(QStringLiteral("8001"), 3000, 4500, 6000, 0), step(QStringLiteral("0000"))});
    testkit::press(f, 3015, 4515, 2);
    testkit::moveHeld(f, 1515, 4515, 2);
    EXPECT_DOUBLE_EQ(f.Image5.Left(), 3000);
    testkit::release(f, 1515, 4515, 2);
    EXPECT_EQ(stepNow(), 2);
}

TEST_F(PictureDrag, ThePictureClosesInOnAPointerThatRestsWhileTheButtonHoldsIt)
{
    // No move events come while the pointer rests: one quick move leaves the picture half way.
    FrmMain& f = show({dragStep(QStringLiteral("8001"), 6000, 4500, 3000, 0), step(QStringLiteral("0000"))});
    testkit::press(f, 6015, 4515);
    testkit::moveHeld(f, 2955, 4515, 1);
    EXPECT_GT(f.Image5.Left(), 4000);
    // Released at once, it springs back, and nothing moves it once the button is up.
    testkit::release(f, 2955, 4515);
    EXPECT_EQ(stepNow(), 1);
    clock.advance(1000);
    EXPECT_DOUBLE_EQ(f.Image5.Left(), 6000);
    // Held while the pointer rests on the far side of the line, it closes in and the drop passes.
    testkit::press(f, 6015, 4515);
    testkit::moveHeld(f, 2955, 4515, 1);
    clock.advance(1000);
    EXPECT_LE(f.Image5.Left(), 3000);
    EXPECT_GT(f.Image5.Left(), 2900);
    testkit::release(f, 2955, 4515);
    EXPECT_EQ(stepNow(), 2);
    EXPECT_DOUBLE_EQ(f.Image5.Left(), 3000);
}

TEST_F(PictureDrag, OneReleasePassesOneStep)
{
    // Step 2 is a drag its picture already satisfies, under the pointer, and a click on its picture
    // would jump: the release that completes step 1 (and the click it ends) leave the task on step 2.
    FrmMain& f = show({dragStep(QStringLiteral("8001"), 6000, 4500, 3000, 0),
                       dragStep(QStringLiteral("8002"), 2700, 4500, 2000, 0, 'C')});
    testkit::dragHeld(f, 6015, 4515, 3000, 4515, 1, 0, 6, 12);
    EXPECT_EQ(stepNow(), 2);
    EXPECT_DOUBLE_EQ(f.Image5.Left(), 2700);
}

TEST_F(PictureDrag, TheFirstMoveStartsFromThePictureShownAtAnyScale)
{
    useScale(12); // scale 0.8
    // Image6 shown elsewhere as well: the drag still starts from Image5's own place.
    writePicture(QStringLiteral("SIX001"), 40, 30);
    StepRecord r = dragStep(QStringLiteral("8001"), 6000, 4500, 3000, 0);
    r.setSlot(col::Slot6, 900, '0', 900, QStringLiteral("SIX001"));
    FrmMain& f = show({r, step(QStringLiteral("0000"))});
    const double start = f.Image5.Left();
    ASSERT_DOUBLE_EQ(start, 6000 * sx());
    // One pixel in, then one pixel left: the picture moves by half the pointer's offset.
    testkit::press(f, start + 12, f.Image5.Top() + 12);
    testkit::moveHeld(f, start - 12, f.Image5.Top() + 12, 1);
    EXPECT_NEAR(f.Image5.Left(), start - 6, 0.001);
    testkit::release(f, start - 12, f.Image5.Top() + 12);
    EXPECT_EQ(stepNow(), 1);
    EXPECT_DOUBLE_EQ(f.Image5.Left(), start);
}
