#pragma once
// The drag, key and tab tests: one question made of the steps under test, padded with steps that
// ask for nothing up to step 12 (so every jump lands on a step) and ended by the terminal record.
#include "desktop_fixture.h"

namespace desktoptest {

class Actions : public Desktop {
protected:
    FrmMain& show(const QList<StepRecord>& steps, int at = 1)
    {
        QList<StepRecord> q = steps;
        while (q.size() < 12)
            q << step(QStringLiteral("0000"));
        q << terminal();
        writeBank({q});
        return showQuestion(1, at);
    }
    // A fresh desktop for the next case of a table.
    void again()
    {
        reset.reset();
        reset = std::make_unique<testkit::FormsReset>();
    }
    static int stepNow() { return common::drill().dqStep; }
};

} // namespace desktoptest
