#include "support/step_record.h"

#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/text_file.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>

using common::field;
using testkit::StepRecord;
namespace col = testkit::col;

TEST(StepRecordBuilder, NeutralRecord)
{
    const StepRecord r;
    const QString& s = r.str();
    ASSERT_EQ(s.size(), 212);
    EXPECT_EQ(field(s, col::Action, 4), "0000");
    EXPECT_EQ(field(s, col::BgCode, 6), "888888");
    for (int slot : {col::Slot1, col::Slot2, col::Slot3, col::Slot4, col::Slot5, col::Slot6})
        EXPECT_EQ(field(s, slot + 10, 6), "000000");
    EXPECT_EQ(field(s, col::MainRect, 20), QString(20, u'0'));
    EXPECT_FALSE(common::leadingNumberNonZero(field(s, col::EditRect, 20))); // targets, not an edit field
    EXPECT_EQ(field(s, col::HintPos, 10), "0000000000");
    EXPECT_EQ(field(s, col::TextLine, 3), "000");
    EXPECT_EQ(field(s, col::AnswerLine, 3), "000");
    EXPECT_EQ(field(s, col::HintLine, 3), "000");
    EXPECT_EQ(field(s, col::AuxRect + 10, 10), "0000000000");
}

TEST(StepRecordBuilder, FieldsByColumn)
{
    StepRecord r;
    r.set(8, "0001").setNumber(66, 5, 1200);
    r.setRect(col::MainRect, 1200, '7', 345, 600, 90);
    r.setSlot(col::Slot1, 15, 'C', 30, "A10477");
    r.setSlot(col::Slot6, 100, '0', 200, "B00001");
    r.set(col::TargetA, "H010203000");
    r.setNumber(col::PointSpec, 5, -12);
    const QString& s = r.str();
    ASSERT_EQ(s.size(), 212);
    EXPECT_EQ(field(s, 8, 4), "0001");
    EXPECT_EQ(field(s, 66, 20), "01200703450060000090");
    EXPECT_EQ(field(s, 71, 1), "7"); // mainRect's JumpChar
    EXPECT_EQ(common::fieldNumber(s, 76, 5), 600);
    EXPECT_EQ(field(s, 18, 16), "00015C0030A10477");
    EXPECT_EQ(field(s, 23, 1), "C");
    EXPECT_EQ(field(s, 207, 6), "B00001");
    EXPECT_EQ(field(s, 202, 1), "0");
    EXPECT_EQ(field(s, 86, 10), "H010203000");
    EXPECT_EQ(field(s, 167, 5), "-0012");
    EXPECT_EQ(common::fieldNumber(s, 167, 5), -12);
}

TEST(StepRecordBuilder, ShortRecords)
{
    StepRecord r;
    r.setSlot(col::Slot6, 0, '0', 0, "C00001");
    EXPECT_EQ(r.truncated(200).size(), 200);
    EXPECT_EQ(field(r.truncated(200), 207, 6), ""); // ImageSlot 6 reads empty
}

TEST(StepRecordBuilder, MisuseIsReported)
{
    StepRecord r;
    EXPECT_NONFATAL_FAILURE(r.set(211, "ABC"), "does not fit");
    EXPECT_NONFATAL_FAILURE(r.setNumber(66, 5, 123456), "does not fit");
    EXPECT_EQ(r.str(), StepRecord().str());
}

TEST(StepRecordBuilder, WritesFixtureFiles)
{
    QTemporaryDir dir;
    StepRecord a;
    a.action("0001").mainRect(100, '0', 200, 300, 400);
    StepRecord end;
    end.action("9999");
    const QString steps = testkit::writeStepFile(dir.path(), 23, {a, end});
    EXPECT_EQ(steps, common::stepPath(dir.path(), 20, 3));
    const common::TextReadResult r = common::readTextFile(steps);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.lines, (QStringList{a.str(), end.str()}));

    const QString texts = testkit::writeAnswerTexts(dir.path(), {QStringLiteral("新建文件夹|abc"), "x"});
    EXPECT_EQ(texts, common::txtPath(dir.path()));
    EXPECT_EQ(common::readTextEntry(texts, 1).line, QStringLiteral("新建文件夹|abc"));
    EXPECT_EQ(common::readLineOrLast(texts, 2).line, "002x");

    const QString other = testkit::writeTextLines(dir.path(), "ver.txt", {"a", "b"});
    EXPECT_EQ(common::readTextFile(other).lines, (QStringList{"a", "b"}));
}
