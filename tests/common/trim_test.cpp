#include "common/trim.h"

#include <gtest/gtest.h>

#include "support/kit.h"

TEST(Trim, SpacesAtEitherEndAndNothingElse)
{
    const struct {
        const char16_t *text, *trimmed;
    } cases[] = {
        {u"", u""},
        {u"   ", u""},
        {u"  a b  ", u"a b"},
        {u"a  ", u"a"},
        {u"  a", u"a"},
        {u"\ta\t", u"\ta\t"},                 // a tab is no space
        {u" \r\n a \r\n ", u"\r\n a \r\n"},   // nor a line break
        {u"\u3000a\u3000", u"\u3000a\u3000"}, // nor a full-width space
        {u" 文件夹 ", u"文件夹"},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(common::trimSpaces(text), QString::fromUtf16(c.trimmed));
    }
}
