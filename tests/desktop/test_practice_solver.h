#pragma once
// Solves the step shown on the candidate's desktop by hand, through the window, as a candidate
// who reads the task would: clicks, double clicks, right clicks with a pick in the pop-up menu,
// hovers, clicks with keys held, typed text, Enter, a selection in the edit field, and the wait of
// an automatic step. Steps of other kinds (drags, bands, hot-spot menus, keys, lists) are not
// this solver's.
#include <QLineEdit>
#include <QRect>
#include <QString>
#include <functional>
#include <gtest/gtest.h>

#include "common/drill_state.h"
#include "common/record.h"
#include "common/text_file.h"
#include "desktop/frm_main.h"
#include "desktop/smenu.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/units.h"
#include "support/kit.h"

namespace practice {

inline QString recCol(int start, int length)
{
    return common::field(common::drill().stepRec, start, length);
}

// The action codes the solver handles (the terminal record "9999" ends a question).
inline bool solvable(const QString& rec)
{
    const QString code = common::field(rec, 8, 4);
    if (common::field(rec, 86, 1) == QLatin1String("R")) return false; // overrides: not a reader's task
    static const QStringList fixed = {"0001", "0002", "0003", "0020", "0021", "0022", "0023", "0024",
                                      "0025", "0026", "0027", "0028", "0030", "8888", "9999"};
    if (fixed.contains(code)) return true;
    bool ok = false;
    const int n = code.toInt(&ok);
    if (!ok) return false;
    return (n >= 9000 && n <= 9998) || (n >= 3000 && n <= 6000) || (n >= 8100 && n <= 8999);
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
        if (!solvable(rec)) {
            ADD_FAILURE() << "not a step the solver takes: " << code.toStdString();
            return false;
        }
        const int n = code.toInt();
        if (code == QLatin1String("0001")) {
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
        } else if (n >= 9000 && n <= 9998) {
            testkit::click(f.Label1, n % 100, (n % 1000) / 100);
        } else if (n >= 3000 && n <= 8999) {
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

    // Solves the question shown to its terminal record; false when a step did not move it on.
    bool solveQuestion(int maxSteps = 40)
    {
        for (int i = 0; i < maxSteps; ++i) {
            if (recCol(8, 4) == QLatin1String("9999")) return true;
            const int before = common::drill().dqStep;
            const QString rec = common::drill().stepRec;
            if (!solveStep()) return false;
            if (common::drill().dqStep == before && common::drill().stepRec == rec) {
                ADD_FAILURE() << "step " << before << " (" << recCol(8, 4).toStdString()
                              << ") did not move on";
                return false;
            }
        }
        ADD_FAILURE() << "no terminal record within " << maxSteps << " steps";
        return false;
    }

private:
    // The first accepted answer, typed over the field's text; the typing stops once the step moves on.
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

    void typeAnswer(const QString& code)
    {
        const QString answer = entry(109).section(QLatin1Char('|'), 0, 0);
        const int step = common::drill().dqStep;
        retype(answer);
        if (common::drill().dqStep != step) return;
        if (code == QLatin1String("0026"))
            testkit::click(f.Label1);
        else if (code != QLatin1String("0020") && code != QLatin1String("0025") &&
                 code != QLatin1String("0027"))
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

    // A right click on the target and the pick of the item the code names.
    void pickFromPopup(int code)
    {
        const int opened = code >= 8100 ? code - 2000 : code;
        const smenu::ReadResult menu = smenu::readRecord(smenu::filePath(), code, smenu::setDigit(opened));
        ASSERT_TRUE(menu.ok) << "no sMenu.sys";
        // List digit -> (caption line or 0, item line) of the record.
        static const int captionLine[] = {0, 2, 0, 5, 0, 8, 0, 11, 13, 0};
        static const int itemLine[] = {0, 3, 4, 6, 7, 9, 10, 12, 14, 15};
        const int list = smenu::listDigit(code), item = smenu::itemDigit(code);
        ASSERT_GE(list, 1);
        const QStringList items = smenu::splitItems(menu.record[itemLine[list]]);
        ASSERT_LT(item, items.size());
        QString path = items.at(item);
        if (captionLine[list] != 0) path = menu.record[captionLine[list]] + QLatin1Char('/') + path;
        testkit::PopupScript popups;
        popups.pick(path);
        testkit::click(f.Label1, platform::vbRightButton);
    }

    FrmMain& f;
    platform::ManualClock& clock;
};

} // namespace practice
