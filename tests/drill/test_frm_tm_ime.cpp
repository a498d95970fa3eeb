// The input-method menu of the question panel's "EN" box over the system's keyboard layouts: its
// entries, where it opens, and which layout each pick hands to the desktop's edit fields.
#include <QApplication>
#include <QWidget>

#include "platform/services_fake.h"
#include "test_frm_tm_fixture.h"

using namespace paneltest;
using Layout = platform::FakeKeyboardLayouts::Layout;

namespace {

class ImeMenu : public Panel {
protected:
    platform::FakeServices fakes;
    testkit::PopupScript popups;

    // Layouts in the system's order: "" a plain keyboard, any other text an input method's name.
    void system(const QStringList& names)
    {
        fakes.keyboard.list.clear();
        for (int i = 0; i < names.size(); ++i)
            fakes.keyboard.list << Layout{QStringLiteral("layout%1").arg(i + 1), names[i], QString()};
    }
    // Opens the menu and picks caption (or only looks when caption is empty).
    QStringList open(FrmTm& p, const QString& caption = QString())
    {
        if (caption.isEmpty())
            popups.dismiss();
        else
            popups.pick(caption);
        testkit::click(p.LblIME);
        return popups.lastShown;
    }
};

TEST_F(ImeMenu, EntriesPlaceAndPicksFollowTheSystemsLayouts)
{
    const QString eng = QStringLiteral("英语（美国）");
    const QString pinyin = QStringLiteral("微软拼音"), wubi = QStringLiteral("五笔"),
                  zhengma = QStringLiteral("郑码"), shuang = QStringLiteral("双拼");
    QStringList twelve;
    for (int i = 1; i <= 12; ++i)
        twelve << QStringLiteral("输入法%1").arg(i);
    struct Case {
        const char* what;
        QStringList system;
        QStringList shown;
        int imeNext;
        int engPicks, firstPicks; // imeHkl after a pick of the English and the first named entry
    };
    const Case cases[] = {
        {"a plain keyboard first, four input methods",
         {"", pinyin, wubi, zhengma, shuang},
         {eng, pinyin, wubi, zhengma, shuang},
         5,
         1,
         2},
        {"two plain keyboards first", {"", "", pinyin}, {eng, pinyin}, 2, 1, 3},
        {"an input method first", {pinyin, ""}, {eng, pinyin}, 2, 2, 1},
        {"no input method", {"", ""}, {eng, QStringLiteral("中文1")}, 1, 1, 2},
        {"one plain keyboard only", {""}, {eng, QStringLiteral("中文1")}, 1, 1, 0},
        {"no layout at all", {}, {eng, QStringLiteral("中文1")}, 1, 0, 0},
        {"twelve input methods", twelve, QStringList{eng} + twelve.mid(0, 10), 13, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        system(c.system);
        FrmTm& p = load();
        EXPECT_EQ(open(p), c.shown);
        EXPECT_EQ(p.imeNext, c.imeNext);
        EXPECT_TRUE(popups.lastRightAligned);
        const QPoint top = p.hostWidget()->mapToGlobal(
            QPoint(platform::toPixelsX(p.LblIME.Left()),
                   platform::toPixelsY(p.LblIME.Top() + p.FrmZhuYa.Top() - c.imeNext * 300)));
        EXPECT_EQ(popups.lastAt, top);

        open(p, c.shown.at(1));
        EXPECT_EQ(common::drill().imeHkl, c.firstPicks);
        open(p, eng);
        EXPECT_EQ(common::drill().imeHkl, c.engPicks);
        reset = std::make_unique<testkit::FormsReset>();
    }
}

TEST_F(ImeMenu, OnlyTheFirstSixteenLayoutsCount)
{
    QStringList many(20, QString());
    many[16] = QStringLiteral("第十七个");
    system(many);
    FrmTm& p = load();
    EXPECT_EQ(open(p), QStringList({QStringLiteral("英语（美国）"), QStringLiteral("中文1")}));
    EXPECT_EQ(p.hklList[16], 16);
}

TEST_F(ImeMenu, APickRestoresTheDesktopAndItsEditFieldSwitchesToTheLayout)
{
    system({"", QStringLiteral("微软拼音")});
    FrmTm& p = load();
    desk().Show();
    desk().Text1.setVisible(true); // a step with an edit field
    desk().setWindowState(platform::vbMinimized);
    fakes.keyboard.activated.clear();
    open(p, QStringLiteral("微软拼音"));
    EXPECT_EQ(desk().WindowState(), platform::vbNormal);
    EXPECT_TRUE(desk().Visible());
    EXPECT_EQ(desk().focusedControl(), &desk().Text1);
    EXPECT_EQ(fakes.keyboard.activated, QList<int>{1}); // the second layout, counted from 0
}

} // namespace

namespace {

TEST_F(ImeMenu, APickWhileTheEditFieldHasTheKeyboardSwitchesItAtOnce)
{
    system({"", QStringLiteral("微软拼音")});
    FrmTm& p = load();
    desk().Show();
    desk().Text1.setVisible(true);
    QApplication::processEvents(); // the desktop is the active window
    // The candidate types in the field, then turns to the panel's "EN" box.
    testkit::click(desk().Text1);
    ASSERT_EQ(desk().focusedControl(), &desk().Text1);
    fakes.keyboard.activated.clear();
    open(p, QStringLiteral("微软拼音"));
    EXPECT_EQ(fakes.keyboard.activated, QList<int>{1});
    open(p, QStringLiteral("英语（美国）"));
    EXPECT_EQ(fakes.keyboard.activated, (QList<int>{1, 0}));
    EXPECT_EQ(desk().focusedControl(), &desk().Text1);
}

} // namespace
