#pragma once
// The fixture of the end-to-end tests: a small installation, fake services, manual time,
// scripted message boxes and an intercepted program end.
#include <QCoreApplication>
#include <gtest/gtest.h>

#include "common/drill_state.h"
#include "common/scale.h"
#include "home/frm_fengmian.h"
#include "home/frm_start.h"
#include "installation.h"
#include "platform/app.h"
#include "platform/services_fake.h"
#include "platform/units.h"
#include "support/kit.h"
#include "support/script.h"

namespace hometest {

class HomeTest : public testing::Test {
protected:
    void SetUp() override
    {
        platform::setTwipsPerPixel(15, 15);
        common::computeScale();
        platform::app::releaseInstanceLock();
        platform::app::setExeName(
            QStringLiteral("brannock-hometest-%1").arg(QCoreApplication::applicationPid()));
        platform::app::setEndHandler([this] { ++ends; });
        common::drill().resetAll();
    }
    void TearDown() override
    {
        platform::Forms::destroyAll();
        testkit::settle();
        platform::app::setEndHandler({});
        platform::app::releaseInstanceLock();
        platform::app::setExeName({});
        platform::app::setTitle({});
        platform::setTwipsPerPixel(15, 15);
        common::computeScale();
        common::drill().resetAll();
    }

    // Starts the program as the candidate does: the splash, then 100 ms later the home screen.
    home::FrmFengmian& start()
    {
        platform::Forms::instance<home::FrmStart>().Show();
        time.advance(100);
        return platform::Forms::instance<home::FrmFengmian>();
    }
    home::FrmFengmian& home() { return platform::Forms::instance<home::FrmFengmian>(); }

    Installation inst;
    platform::FakeServices fakes;
    testkit::ManualTime time;
    testkit::ScriptedMessageBoxes boxes;
    int ends = 0;
};

} // namespace hometest
