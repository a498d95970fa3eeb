#pragma once
// A unit practice started as the home screen starts it: the drill state of the unit, the question
// panel touched first (its load shows the desktop with question 1), the practice captions, the
// reload timer, the panel and the desktop shown.
#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "desktop/frm_main.h"
#include "drill/frm_tm.h"
#include "platform/app.h"
#include "platform/clock.h"
#include "home/launch.h"
#include "platform/form.h"
#include "platform/units.h"
#include "support/kit.h"
#include "support/script.h"
#include "support/solver.h"
#include "support/step_record.h"

namespace practice {

using testkit::Solver;

class Practice : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setScreenPixels(QSize(800, 600));
        platform::setTwipsPerPixel(15, 15);
        common::computeScale();
        common::drill().resetAll();
    }
    void TearDown() override
    {
        reset.reset();
        platform::setScreenPixels(QSize());
        common::drill().resetAll();
    }

    // The drill state that the home screen's unit card sets, from the bank in `dataPath` and the
    // progress files of the program folder.
    void startUnit(const QString& dataPath, int unit)
    {
        auto& d = common::drill();
        d.dataPath = dataPath;
        const QString ext = common::defaultDataExt();
        d.tmPath = common::tmPath(dataPath, 20, unit, ext);
        const common::TextReadResult list = common::readTextFile(d.tmPath);
        ASSERT_TRUE(list.ok()) << d.tmPath.toStdString();
        const common::TextReadResult progress = common::readTextFile(
            common::joinPath(platform::app::path(), QStringLiteral("ksdata/288893.rar")));
        ASSERT_TRUE(progress.ok());
        const QString flags = progress.lines.value(unit).trimmed();

        d.tmCount = int(flags.size());
        d.fileBase = 20;
        d.ksMode = common::ModePractice;
        d.setNo = unit;
        d.dataExt = ext;
        d.txtPath = common::txtPath(dataPath, ext);
        d.stepPath = common::stepPath(dataPath, 20, unit, ext);
        d.dqTm = 1;
        d.dqStep = 1;
        d.timeLeft = 50;
        d.tmStart[1] = 1;
        for (int q = 1; q <= list.lines.size() && q < common::DrillVars::MaxStarts; ++q)
            d.tmStart[q + 1] = d.tmStart[q] + list.lines.at(q - 1).mid(4, 2).toInt();
        for (int i = 1; i <= d.tmCount; ++i)
            d.tmDone[i] = flags.mid(i - 1, 1);
        const common::TextReadResult states = common::readTextFile(common::joinPath(
            platform::app::path(), QStringLiteral("ksdata/2088%1.rar").arg(common::twoDigits(unit))));
        const QString digits = states.lines.value(0);
        for (int i = 1; i <= common::DrillVars::MaxQuestions; ++i)
            d.tmState[i] = digits.mid(i - 1, 1).toInt();

        // The hand-over: the panel first, so that its load lays it out with this state.
        home::showUnitPractice();
        // The desktop's first render and the panel's reload, each a tick of 100 ms; the reload
        // asks for one more render.
        time.advance(100);
        time.advance(100);
    }

    FrmTm& panel() { return platform::Forms::instance<FrmTm>(); }
    FrmMain& desk() { return platform::Forms::instance<FrmMain>(); }
    // A click on one of the panel's eight button areas, through its window.
    void command(int index) { testkit::click(panel().CmdGN(index)); }
    // Question q through the selector.
    void choose(int q)
    {
        command(4);
        testkit::click(panel().CmTNO(q));
        time.advance(100);
    }
    // After a question load: the desktop's render.
    void rendered() { time.advance(100); }

    testkit::ManualTime time;
    std::unique_ptr<testkit::FormsReset> reset = std::make_unique<testkit::FormsReset>();
};

} // namespace practice
