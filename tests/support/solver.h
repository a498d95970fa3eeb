#pragma once
// Solves the step shown on the candidate's desktop by hand, through the window, as a candidate
// who reads the task would: clicks, double clicks, right clicks with a pick in the pop-up menu,
// hovers, clicks with keys held, typed text (the field's old text selected by keys and typed
// over), Enter or a click on the target, a selection in the edit field, a pick in the simulated
// list, the wait of an automatic step, and a pick in the simulated drop-down menus ("7000" with a
// menu path at targetC: the menu opened from its title or from the Start menu's All Programs, then
// its rows). Steps judged on a hot-spot or the object picture (a menu path ending there, a
// double-click target) are clicked there, a Start-menu item after the Start button. Steps of other
// kinds (drags, bands, keys, the overrides at column 86) are not this solver's: unsupported() names
// them.
#include <QLineEdit>
#include <QListWidget>
#include <QRect>
#include <QScrollBar>
#include <QString>
#include <QStyle>
#include <QStyleOptionSlider>
#include <gtest/gtest.h>
#include <optional>

#include "common/drill_state.h"
#include "common/record.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "desktop/frm_main.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/units.h"
#include "steps/key_tables.h"
#include "steps/smenu.h"
#include "steps/step.h"
#include "support/kit.h"

namespace testkit {

inline QString recCol(int start, int length)
{
    return common::field(common::drill().stepRec, start, length);
}

// ---- Hot-spot steps ---------------------------------------------------------------------------
// A step completed on a hot-spot or on the object picture: a menu path that ends there (targetC,
// targetA, targetB, examined in that order) or a double-click target (targetA), on a step whose
// action is none ("0000") or the hot-spot action ("7000").
struct HotSpotStep {
    QString id; // the menu id: "Z" and a digit, two digits, a letter and a title digit, "S" objects
    bool doubleClick = false;
    QChar jump = u'0';
};

inline std::optional<HotSpotStep> hotSpotStep(const QString& rec)
{
    const QString code = common::field(rec, 8, 4);
    if (code != QLatin1String("0000") && code != QLatin1String("7000")) return std::nullopt;
    const auto ends = [](const QString& t, QChar kind) {
        return t.size() == 10 && t[0] == kind && t.mid(3, 4) == QLatin1String("0000");
    };
    for (const int c : {125, 86, 96}) {
        const QString t = common::field(rec, c, 10);
        if (ends(t, u'H')) return HotSpotStep{t.mid(1, 2), false, t[9]};
    }
    const QString a = common::field(rec, 86, 10);
    if (ends(a, u'S')) return HotSpotStep{a.mid(1, 2), true, a[9]};
    return std::nullopt;
}

// The hot-spot a menu id names (0 for the object picture's ids).
inline int hotSpotOf(const QString& id)
{
    if (id.startsWith(u'S')) return 0;
    if (id.startsWith(u'Z')) return 100 + id.mid(1).toInt();
    if (id.size() == 2 && id[0].isLetter()) return id.mid(1).toInt();
    return id.toInt();
}

// The key that a key code "6skk" names where it stands (the action code, keyAlt 1 and 3, or keyAlt 2):
// {key code, Shift state}, or {0, 0} when it is no key code.
inline std::pair<int, int> keyOfCode(const QString& code, int keyAlt = 0)
{
    bool ok = false;
    const int n = code.toInt(&ok);
    if (!ok || !steps::isKeyCode(n)) return {0, 0};
    int kk = n % 100;
    if (keyAlt != 2) {
        if (kk == 12)
            kk = 112;
        else if (kk == 13)
            kk = 113;
        else if (keyAlt != 0 && kk <= 20)
            kk += 100;
    }
    return {kk, (n % 1000) / 100};
}

// The key a step takes: its action code as a key code, a key alternative, or the shortcut of a menu
// path; {0, 0} when none.
inline std::pair<int, int> stepKey(const QString& rec)
{
    // An action code whose key no keyboard has ("6415": read there, "15" is no key, as F4 can be
    // named only by a key alternative) leaves the key to the alternatives.
    if (auto k = keyOfCode(common::field(rec, 8, 4));
        k.first != 0 && platform::qtKey(k.first) != Qt::Key_unknown)
        return k;
    for (int i = 1; i <= 3; ++i) {
        const QString alt = common::field(rec, 86 + 5 * (i - 1), 5);
        if (!alt.startsWith(QLatin1Char('P'))) continue;
        if (auto k = keyOfCode(alt.mid(1), i); k.first != 0) return k;
    }
    for (int column : {125, 86, 96}) {
        const QString path = common::field(rec, column, 10);
        if (!path.startsWith(QLatin1Char('H'))) continue;
        for (const desktop::Shortcut& sc : desktop::ShortcutTable)
            if (path.mid(1, 4) == QLatin1String(sc.item.data(), qsizetype(sc.item.size())))
                return {sc.keyCode, sc.shift};
    }
    return {0, 0};
}

// The step a jump character leads to, by the step library's rule; "0" leads to `next`.
inline int jumpStepOf(QChar jump, int next)
{
    const int to = steps::jumpStep(QString(jump));
    return to == 0 ? next : to;
}

// The overlay slot (1-6) whose click leads furthest forward from `step`, or 0.
inline int forwardPicture(const QString& rec, int step)
{
    int best = 0, bestStep = step;
    for (int k = 1; k <= 6; ++k) {
        const int c = common::col::Slots[k - 1];
        const QString code = common::field(rec, c + 10, 6);
        const QString j = common::field(rec, c + 5, 1);
        if (code.isEmpty() || code == QLatin1String("000000") || j.isEmpty() || j == QLatin1String("0"))
            continue;
        const int to = jumpStepOf(j.front(), step + 1);
        if (to > bestStep) best = k, bestStep = to;
    }
    return best;
}

inline bool hasSecondTarget(const QString& rec)
{
    return common::field(rec, 187, 10) != QLatin1String("0000000000");
}

// Why the solver cannot take a record; empty when it can (the terminal record "9999" included).
inline QString unsupported(const QString& rec)
{
    const QString code = common::field(rec, 8, 4);
    const steps::ActionKind kind = steps::actionKind(code);
    using steps::ActionKind;
    // Bands and drags from the second target, picture drags, keys, and the steps done by a key, a
    // press on the second target or a picture click.
    if ((kind == ActionKind::Band || kind == ActionKind::Drag) && hasSecondTarget(rec)) return {};
    if (kind == ActionKind::ImageDrag) return {};
    if ((kind == ActionKind::Key || code == QLatin1String("0000")) && stepKey(rec).first != 0) return {};
    if (code == QLatin1String("0000") && (hasSecondTarget(rec) || forwardPicture(rec, 0) != 0)) return {};
    if (common::field(rec, 86, 1) == QLatin1String("R"))
        return QStringLiteral("override at column 86 on action ") + code;
    static const QStringList fixed = {"0001", "0002", "0003", "0020", "0021", "0022", "0023", "0024",
                                      "0025", "0026", "0027", "0028", "0030", "8888", "9999"};
    if (fixed.contains(code)) return {};
    if (hotSpotStep(rec)) return {};
    if (code == QLatin1String("7000")) {
        const QString path = common::field(rec, 125, 10);
        const QString id = path.mid(1, 2);
        const bool opener = id == QLatin1String("84") || id == QLatin1String("69") ||
                            (id.size() == 2 && id[0] >= u'A' && id[0] <= u'G');
        return path.startsWith(u'H') && opener ? QString() : QStringLiteral("menu path ") + path;
    }
    if (kind == ActionKind::List) {
        bool ok = false;
        code.mid(1).toInt(&ok);
        return ok ? QString() : QStringLiteral("list code ") + code;
    }
    if (kind == ActionKind::Hint || kind == ActionKind::PopupPick) return {};
    return QStringLiteral("action ") + code;
}

inline bool solvable(const QString& rec)
{
    return unsupported(rec).isEmpty();
}

// The answer-text entry named by a record field, without its index.
inline QString entry(int start)
{
    const common::LineResult r =
        common::readTextEntryNamed(common::drill().txtPath, common::field(common::drill().stepRec, start, 3));
    return r.line.value_or(QString());
}

class Solver {
public:
    Solver(FrmMain& desk, platform::ManualClock& clock)
        : f(desk)
        , clock(clock)
    {}

    // Carries out the step shown. False (with a test failure) when it is not one of the solver's.
    bool solveStep()
    {
        const QString rec = common::drill().stepRec;
        const QString code = recCol(8, 4);
        if (const QString why = unsupported(rec); !why.isEmpty()) {
            ADD_FAILURE() << "not a step the solver takes: " << why.toStdString();
            return false;
        }
        const int n = code.toInt();
        const steps::ActionKind kind = steps::actionKind(code);
        using steps::ActionKind;
        if (recCol(130, 1) == QLatin1String("X") && f.Label1.Width() <= 1) {
            // The target lies on another tab: the tab shown first, then the expected one.
            testkit::click(f.LblXXK(tabNumber(recCol(132, 1))));
            testkit::click(f.LblXXK(tabNumber(recCol(133, 1))));
        }
        if (const std::optional<HotSpotStep> spot = hotSpotStep(rec)) {
            clickHotSpot(*spot);
        } else if (kind == ActionKind::Band || kind == ActionKind::Drag) {
            // From the second target onto the main target, the keys of the code held throughout.
            const QPointF from = testkit::centreOf(f.Label4), to = testkit::centreOf(f.Label1);
            testkit::dragHeld(f, from.x(), from.y(), to.x(), to.y(), 1, recCol(11, 1).toInt(), 6);
        } else if (kind == ActionKind::ImageDrag) {
            dragPicture(n);
        } else if (const auto k = stepKey(rec); k.first != 0 && (kind == ActionKind::Key || code == "0000")) {
            clickWhereTheKeysGo();
            testkit::key(f, k.first, k.second);
        } else if (code == QLatin1String("0000")) {
            if (hasSecondTarget(rec)) {
                testkit::click(f.Label4);
            } else {
                platform::Control* images[] = {&f.Image1, &f.Image2, &f.Image3,
                                               &f.Image4, &f.Image5, &f.Image6};
                testkit::click(*images[forwardPicture(rec, common::drill().dqStep) - 1]);
            }
        } else if (kind == ActionKind::List) {
            pickFromList();
        } else if (code == QLatin1String("0001")) {
            testkit::click(f.Label1);
        } else if (code == QLatin1String("0002")) {
            testkit::dblClick(f.Label1);
        } else if (code == QLatin1String("0003")) {
            testkit::click(f.Label1, platform::vbRightButton);
        } else if (code == QLatin1String("0030")) {
            testkit::move(f, 15, 15);
            const QPointF c = testkit::centreOf(f.Label1);
            testkit::move(f, c.x(), c.y());
        } else if (code == QLatin1String("8888")) {
            clock.advance(1000);
        } else if (code == QLatin1String("7000")) {
            pickFromMenus();
        } else if (kind == ActionKind::Hint) {
            testkit::click(f.Label1, n % 100, (n % 1000) / 100);
        } else if (kind == ActionKind::PopupPick) {
            pickFromPopup(n);
        } else if (code == QLatin1String("0021")) {
            testkit::click(f.Text2);
            retype(entry(109));
        } else if (code == QLatin1String("0023")) {
            selectHint();
        } else {
            typeAnswer(code);
        }
        return true;
    }

    // The step that solving step `step` (record `rec`) leads to: the main target's jump (column 71)
    // for the pointer actions on it, the menu path's for a menu pick, the next step for every other
    // action.
    static int nextStep(const QString& rec, int step)
    {
        const QString code = common::field(rec, 8, 4);
        const steps::ActionKind kind = steps::actionKind(code);
        const std::optional<HotSpotStep> spot = hotSpotStep(rec);
        // A menu step jumps by its menu path's JumpChar (targetC's tenth column).
        const bool menu = code == QLatin1String("7000");
        const bool jumps = spot || menu || code == QLatin1String("0001") ||
                           kind == steps::ActionKind::DoubleClick || kind == steps::ActionKind::RightClick ||
                           kind == steps::ActionKind::Hint;
        const QString j = common::field(rec, menu ? 134 : 71, 1);
        const QChar jump = spot ? spot->jump : j.isEmpty() ? QChar(u'0') : j.front();
        const auto at = [&rec](int column) {
            const QString c = common::field(rec, column, 1);
            return c.isEmpty() ? QChar(u'0') : c.front();
        };
        if (kind == steps::ActionKind::Drag) return jumpStepOf(at(102), step + 1);
        if (!spot && code == QLatin1String("0000") && stepKey(rec).first == 0) {
            if (hasSecondTarget(rec)) return jumpStepOf(at(182), step + 1);
            const int k = forwardPicture(rec, step);
            if (k != 0) return jumpStepOf(at(common::col::Slots[k - 1] + 5), step + 1);
        }
        return jumps ? jumpStepOf(jump, step + 1) : step + 1;
    }

    // Record `step` of the question shown.
    static QString recordOf(int step)
    {
        const auto& d = common::drill();
        return common::readTextFile(d.stepPath).lines.value(d.tmStart[d.dqTm] - 1 + step - 1);
    }

    // Carries out the step shown; false (with a test failure) when it did not lead where its
    // record says. The last release of a double click is judged against the step the double click
    // led to: a step it takes as well is one the candidate never performs, so it fails too.
    bool solveStepAsRecorded()
    {
        const int before = common::drill().dqStep;
        const QString rec = common::drill().stepRec;
        const QString code = recCol(8, 4);
        const int expected = nextStep(rec, before);
        if (!solveStep()) return false;
        const int now = common::drill().dqStep;
        if (now == expected) return true;
        if (code == QLatin1String("0002") && now == nextStep(recordOf(expected), expected)) {
            ADD_FAILURE() << "step " << before << " (0002): the double click's last release also took step "
                          << expected << ", which the candidate never performs";
            return false;
        }
        ADD_FAILURE() << "step " << before << " (" << code.toStdString() << ") led to step " << now
                      << ", not " << expected;
        return false;
    }

    // Solves the question shown to its terminal record, step by step; false when a step did not
    // lead where its record says.
    bool solveQuestion(int maxSteps = 40)
    {
        for (int i = 0; i < maxSteps; ++i) {
            if (recCol(8, 4) == QLatin1String("9999")) return true;
            if (!solveStepAsRecorded()) return false;
        }
        ADD_FAILURE() << "no terminal record within " << maxSteps << " steps";
        return false;
    }

private:
    // Before a key: a click on a bare place of the area the candidate works in, which then takes
    // the keys: the open Start menu on a step without a window ("00", the Start button opens it),
    // else the desktop icons area when the step shows it.
    void clickWhereTheKeysGo()
    {
        platform::PictureBox* area = nullptr;
        if (recCol(6, 2) == QLatin1String("00")) {
            if (!f.PicStart.Visible()) testkit::click(f.StartMenu);
            area = &f.PicStart;
        } else if (f.PicTable.Visible()) {
            area = &f.PicTable;
        }
        if (!area || !area->Visible()) return;
        const QPointF bare = testkit::bareSpotOf(*area);
        testkit::click(f, bare.x(), bare.y());
    }

    // A click or double click on the hot-spot or object picture; a Start-menu item once the Start
    // button has opened the menu.
    void clickHotSpot(const HotSpotStep& spot)
    {
        const int n = hotSpotOf(spot.id);
        if (n >= 71 && n <= 91 && !f.PicStart.Visible()) testkit::click(f.StartMenu);
        const platform::Control& target = n == 0 ? static_cast<const platform::Control&>(f.ImgElse)
                                                 : static_cast<const platform::Control&>(f.LblZHU(n));
        if (spot.doubleClick)
            testkit::dblClick(target);
        else
            testkit::click(target);
    }

    static int tabNumber(const QString& c)
    {
        if (c.isEmpty()) return 0;
        const QChar ch = c.front();
        if (ch.isDigit()) return ch.digitValue();
        return ch >= u'A' && ch <= u'D' ? 10 + (ch.unicode() - u'A') : 0;
    }

    // Image5 carried past its drop point (pointSpec) by three pixels in the code's directions,
    // the pointer resting there until the picture has caught up with it.
    void dragPicture(int code)
    {
        const double tx = recCol(167, 5).toInt() * common::scaleX(),
                     ty = recCol(172, 5).toInt() * common::scaleY();
        const double px = platform::fromPixelsX(1), py = platform::fromPixelsY(1);
        const double left = f.Image5.Left(), top = f.Image5.Top();
        double x = left, y = top;
        switch (code) {
        case 8001:
            x = tx - 3 * px;
            break;
        case 8002:
            x = tx + 3 * px;
            break;
        case 8003:
            y = ty - 3 * py;
            break;
        case 8004:
            y = ty + 3 * py;
            break;
        case 8006:
            x = tx - 3 * px, y = ty + 3 * py;
            break;
        case 8007:
            x = tx + 3 * px, y = ty + 3 * py;
            break;
        case 8008:
            x = tx - 3 * px, y = ty - 3 * py;
            break;
        default:
            x = tx + 3 * px, y = ty - 3 * py;
            break;
        }
        testkit::dragHeld(f, left + px, top + py, x + px, y + py, 1, 0, 8, 16);
    }

    // The field's text selected by keys and typed over; the typing stops once the step moves on.
    void retype(const QString& text)
    {
        testkit::key(f, platform::vbKeyHome);
        testkit::key(f, platform::vbKeyEnd, platform::vbShiftMask);
        testkit::key(f, platform::vbKeyDelete);
        const int step = common::drill().dqStep;
        for (QChar c : text) {
            testkit::type(f, QString(c));
            if (common::drill().dqStep != step) return;
        }
    }

    // The first accepted answer; then Enter where the code asks for it, a click on the target
    // where it asks for that ("0022" takes either: Enter, as the prompt offers it first).
    void typeAnswer(const QString& code)
    {
        const QString answer = entry(109).section(QLatin1Char('|'), 0, 0);
        const int step = common::drill().dqStep;
        retype(answer);
        if (common::drill().dqStep != step) return;
        if (code == QLatin1String("0026") || code == QLatin1String("0028"))
            testkit::click(f.Label1);
        else if (code == QLatin1String("0022") || code == QLatin1String("0024"))
            testkit::key(f, platform::vbKeyReturn);
    }

    // Selects the hint's text in the field with the mouse: the cursor put at its start, a Shift-click
    // at its end.
    void selectHint()
    {
        const QString wanted = entry(122).trimmed();
        const qsizetype at = f.Text1.Text().indexOf(wanted, 0, Qt::CaseInsensitive);
        ASSERT_GE(at, 0) << "the field does not hold the text to select";
        auto* edit = qobject_cast<QLineEdit*>(f.Text1.widget());
        ASSERT_NE(edit, nullptr);
        auto cursorTo = [this](qsizetype pos) {
            testkit::key(f, platform::vbKeyHome);
            for (qsizetype i = 0; i < pos; ++i)
                testkit::key(f, platform::vbKeyRight);
        };
        cursorTo(at + wanted.size());
        const QRect end = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QPoint p = edit->mapTo(f.hostWidget(), end.center());
        cursorTo(at);
        testkit::click(f, platform::fromPixelsX(p.x()), platform::fromPixelsY(p.y()), 1,
                       platform::vbShiftMask);
    }

    // A click on the list entry the record names (answerLine as the 0-based entry), scrolled into
    // view first by clicks on the list's scroll arrows.
    void pickFromList()
    {
        auto* list = qobject_cast<QListWidget*>(f.LstLA.widget());
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(list->isVisible()) << "no list shown";
        const int pick = recCol(109, 3).toInt();
        ASSERT_LT(pick, list->count()) << "the list has no entry " << pick;
        QListWidgetItem* item = list->item(pick);
        for (int i = 0; i < list->count() && !list->viewport()->rect().contains(list->visualItemRect(item));
             ++i) {
            const bool down = list->visualItemRect(item).bottom() >= list->viewport()->height();
            ASSERT_TRUE(clickScrollArrow(list->verticalScrollBar(), down))
                << "entry " << pick << " out of reach";
        }
        const QRect r = list->visualItemRect(item);
        ASSERT_TRUE(list->viewport()->rect().contains(r.center())) << "entry " << pick << " not shown";
        const QPoint p = list->viewport()->mapTo(f.hostWidget(), r.center());
        testkit::click(f, platform::fromPixelsX(p.x()), platform::fromPixelsY(p.y()));
    }

    bool clickScrollArrow(QScrollBar* bar, bool down)
    {
        if (!bar || !bar->isVisible()) return false;
        QStyleOptionSlider opt;
        opt.initFrom(bar);
        opt.orientation = bar->orientation();
        opt.minimum = bar->minimum();
        opt.maximum = bar->maximum();
        opt.sliderPosition = bar->sliderPosition();
        opt.sliderValue = bar->value();
        opt.singleStep = bar->singleStep();
        opt.pageStep = bar->pageStep();
        opt.subControls = QStyle::SC_All;
        const QRect arrow = bar->style()->subControlRect(
            QStyle::CC_ScrollBar, &opt, down ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine,
            bar);
        if (arrow.isEmpty()) return false;
        const QPoint p = bar->mapTo(f.hostWidget(), arrow.center());
        testkit::click(f, platform::fromPixelsX(p.x()), platform::fromPixelsY(p.y()));
        return true;
    }

    // Points at a control and clicks it.
    void pointAndClick(const platform::Control& c)
    {
        const QPointF p = testkit::centreOf(c);
        testkit::move(f, p.x(), p.y());
        testkit::click(c);
    }

    // The menu path at targetC picked as a candidate does: the menu opened from its menu-bar title
    // (for All Programs, the Start button and then All Programs; for the desktop's menu, a right
    // click on the bare desktop), then its rows level by level.
    void pickFromMenus()
    {
        const QString path = recCol(125, 10);
        const QString id = path.mid(1, 2);
        const int rows[] = {path.mid(3, 2).toInt(), path.mid(5, 2).toInt(), path.mid(7, 2).toInt()};
        if (id == QLatin1String("84")) {
            pointAndClick(f.StartMenu);
            ASSERT_TRUE(f.PicStart.Visible()) << "the Start button opened no Start menu";
            pointAndClick(f.LblZHU(84));
        } else if (id == QLatin1String("69")) {
            ASSERT_TRUE(f.PicTable.Visible()) << "no bare desktop to right-click";
            const QPointF p = testkit::centreOf(f.PicTable);
            testkit::move(f, p.x(), p.y());
            testkit::click(f.PicTable, platform::vbRightButton);
        } else {
            pointAndClick(f.LblZHU(id.mid(1).toInt()));
        }
        ASSERT_TRUE(f.Pic1J.Visible()) << "the hot-spot opened no drop-down for " << path.toStdString();
        platform::LabelArray* levels[] = {&f.Lbl1J, &f.Lbl2J, &f.Lbl3J};
        platform::PictureBox* panels[] = {&f.Pic1J, &f.Pic2J, &f.Pic3J};
        for (int level = 0; level < 3 && rows[level] > 0; ++level) {
            ASSERT_TRUE(panels[level]->Visible()) << "level " << level + 1 << " of " << path.toStdString();
            pointAndClick((*levels[level])(rows[level]));
        }
    }

    // A right click on the target and the pick of the item the code names.
    void pickFromPopup(int code)
    {
        const int opened = steps::popupCodeOf(QString::number(code));
        const smenu::ReadResult menu = smenu::readRecord(smenu::filePath(), code, smenu::setDigit(opened));
        ASSERT_TRUE(menu.ok) << "no sMenu.sys";
        const int list = smenu::listDigit(code), item = smenu::itemDigit(code);
        ASSERT_GE(list, 1);
        const smenu::ListLines lines = smenu::listLines(list);
        const QStringList items = smenu::splitItems(menu.record[lines.items]);
        ASSERT_LT(item, items.size());
        QString path = items.at(item);
        if (lines.caption != 0) path = menu.record[lines.caption] + QLatin1Char('/') + path;
        testkit::PopupScript popups;
        popups.pick(path);
        testkit::click(f.Label1, platform::vbRightButton);
    }

    FrmMain& f;
    platform::ManualClock& clock;
};

} // namespace testkit
