#pragma once
// A unit practice started by the home screen's launch: the drill state of the unit, the question
// panel and the desktop shown with the practice captions, and the reload timer.
#include <QDir>
#include <QFile>
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
#include "home/launch.h"
#include "platform/app.h"
#include "platform/clock.h"
#include "platform/form.h"
#include "platform/units.h"
#include "sample/generator.h"
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

    // Unit practice `unit` of the bank in `dataPath`, started by the home screen's own launch with
    // the progress files of the program folder; then the desktop's first render and the panel's
    // reload, each a tick of 100 ms (the reload asks for one more render).
    void startUnit(const QString& dataPath, int unit)
    {
        common::drill().dataPath = dataPath;
        QString failure;
        ASSERT_TRUE(home::startUnitPractice(unit, &failure)) << failure.toStdString();
        time.advance(100);
        time.advance(100);
    }

    // The sample installation written into `folder`, then each of its units started as the home
    // screen starts it: each(unit) runs with the unit's drill on screen, and closeUnit() after it.
    template <class F> void forEachSampleUnit(const QString& folder, F each)
    {
        QString error;
        ASSERT_TRUE(sample::generateInstallation(folder, &error)) << error.toStdString();
        const QString data =
            common::joinPath(folder, sample::sampleModuleInfo().dataFolder) + QLatin1Char('/');
        for (int unit = 0; QFile::exists(common::tmPath(data, 20, unit)); ++unit) {
            SCOPED_TRACE(testing::Message() << "unit " << unit);
            startUnit(data, unit);
            each(unit);
            closeUnit();
            if (HasFatalFailure()) return;
        }
    }
    // Closes the desktop and the panel of a unit's drill.
    virtual void closeUnit()
    {
        desk().Unload();
        common::drill().canUnload = true;
        panel().Unload();
        testkit::settle();
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
    // The demonstration (form class Player) of the question on screen, started from the panel's
    // button (with Shift: at half speed) and given 200 ms; none when it did not start.
    template <class Player> Player* startDemonstration(int shift = 0)
    {
        testkit::click(panel().CmdGN(7), platform::vbLeftButton, shift);
        time.advance(200);
        return platform::Forms::isLoaded<Player>() ? &platform::Forms::instance<Player>() : nullptr;
    }

    testkit::ManualTime time;
    std::unique_ptr<testkit::FormsReset> reset = std::make_unique<testkit::FormsReset>();
};

} // namespace practice
