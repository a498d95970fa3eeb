// The registry helpers over the family's settings store.
#include <gtest/gtest.h>

#include "home/mod_zcb.h"
#include "platform/services_fake.h"
#include "support/kit.h"

using namespace home::ModZCB;

namespace {

const QString Key = QStringLiteral("Software\\Microsoft");

struct Registry : testing::Test {
    platform::FakeServices fakes;
};

} // namespace

TEST_F(Registry, TextsAreKeptWholeWhateverTheirLengthAndCharacters)
{
    const QString text = QStringLiteral("D:\\培训\\模块") + QString(300, u'*');
    QVariant data = text;
    long cb = 0;
    EXPECT_EQ(setRegValue(HkeyCurrentUser, Key, QStringLiteral("ProPath07"), RegSz, data, cb), 0);
    EXPECT_EQ(cb, text.size());
    QVariant value;
    EXPECT_EQ(getRegValue(HkeyCurrentUser, Key, QStringLiteral("propath07"), value), 0);
    EXPECT_EQ(value.toString(), text);
}

TEST_F(Registry, MissingValuesAndKeysLeaveTheValueUntouched)
{
    QVariant value = QStringLiteral("before");
    EXPECT_EQ(getRegValue(HkeyCurrentUser, Key, QStringLiteral("ProPath99"), value), ErrorFileNotFound);
    QVariant data = QStringLiteral("x");
    long cb = 0;
    setRegValue(HkeyCurrentUser, Key, QStringLiteral("ProPath07"), RegSz, data, cb);
    EXPECT_EQ(getRegValue(HkeyCurrentUser, Key, QStringLiteral("ProPath99"), value), ErrorFileNotFound);
    EXPECT_EQ(
        getRegValue(HkeyCurrentUser, QStringLiteral("Software\\Other"), QStringLiteral("ProPath07"), value),
        ErrorFileNotFound);
    EXPECT_EQ(getRegValue(0x80000002L, Key, QStringLiteral("ProPath07"), value), ErrorInvalidHandle);
    EXPECT_EQ(value.toString(), QStringLiteral("before"));
}

TEST_F(Registry, NumbersAreThirtyTwoBitIntegers)
{
    QVariant data = 7.5; // rounded half to even
    long cb = 0;
    EXPECT_EQ(setRegValue(HkeyCurrentUser, Key, QStringLiteral("Count"), RegDword, data, cb), 0);
    EXPECT_EQ(cb, 4);
    EXPECT_EQ(data, QVariant(qint32(8)));
    QVariant value;
    EXPECT_EQ(getRegValue(HkeyCurrentUser, Key, QStringLiteral("Count"), value), 0);
    EXPECT_EQ(value, QVariant(qint32(8)));

    data = -1;
    cb = 4;
    EXPECT_EQ(setRegValue(HkeyCurrentUser, Key, QStringLiteral("Bin"), RegBinary, data, cb), 0);
    EXPECT_EQ(getRegValue(HkeyCurrentUser, Key, QStringLiteral("Bin"), value), 0);
    EXPECT_EQ(value, QVariant(qint32(-1)));

    cb = 8; // a binary value beyond 4 bytes is refused
    EXPECT_EQ(setRegValue(HkeyCurrentUser, Key, QStringLiteral("Bin"), RegBinary, data, cb),
              ErrorInvalidParameter);
    data = 5e9;
    EXPECT_EQ(setRegValue(HkeyCurrentUser, Key, QStringLiteral("Count"), RegDword, data, cb),
              ErrorInvalidParameter);
}

TEST_F(Registry, OtherTypesWriteNothingAndFailedWritesSaySo)
{
    QVariant data = QStringLiteral("x");
    long cb = 0;
    EXPECT_EQ(setRegValue(HkeyCurrentUser, Key, QStringLiteral("Multi"), 7, data, cb), 0);
    EXPECT_EQ(fakes.settings.writes, 0);
    fakes.settings.failWrites = true;
    EXPECT_EQ(setRegValue(HkeyCurrentUser, Key, QStringLiteral("ProName07"), RegSz, data, cb),
              ErrorAccessDenied);
    QVariant value;
    EXPECT_EQ(getRegValue(HkeyCurrentUser, Key, QStringLiteral("ProName07"), value), ErrorFileNotFound);
}
