#pragma once
// A unit practice over a small question bank, with the question panel and the candidate's desktop
// shown, from which a demonstration is started through the panel's button as the candidate starts
// it; the manual clock drives the player.
#include <QDir>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/scale.h"
#include "demo/frm_yanshi.h"
#include "desktop/frm_main.h"
#include "drill/frm_tm.h"
#include "home/launch.h"
#include "platform/form.h"
#include "platform/units.h"
#include "support/kit.h"
#include "support/script.h"
#include "support/step_record.h"

namespace demotest {

using testkit::StepRecord;
namespace col = testkit::col;

// The pointer's start, design twips.
constexpr int StartX = 7680, StartY = 5760;

class Demo : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setScreenPixels(QSize(800, 600));
        platform::setTwipsPerPixel(15, 15);
        common::computeScale();
        common::drill().resetAll();
        dataPath = prog.file(QStringLiteral("data"));
        for (const char* dir : {"data", "examdata", "ksdata"})
            QDir().mkpath(prog.file(QString::fromLatin1(dir)));
    }
    void TearDown() override
    {
        reset.reset();
        platform::setScreenPixels(QSize());
        common::drill().resetAll();
    }

    // Unit 0 of the bank: these questions, one list of records each.
    void writeBank(const QList<QList<StepRecord>>& questions)
    {
        auto& d = common::drill();
        QList<StepRecord> all;
        QStringList list;
        int start = 1;
        for (int q = 1; q <= questions.size(); ++q) {
            d.tmStart[q] = start;
            d.tmDone[q] = QStringLiteral("F");
            start += int(questions[q - 1].size());
            all += questions[q - 1];
            list << QStringLiteral("%1%2第%3题")
                        .arg(q, 4, 10, QLatin1Char('0'))
                        .arg(questions[q - 1].size(), 2, 10, QLatin1Char('0'))
                        .arg(q);
        }
        d.tmStart[questions.size() + 1] = start;
        d.tmCount = int(questions.size());
        testkit::writeStepFile(dataPath, 20, all);
        testkit::writeTextLines(dataPath, QStringLiteral("288870.rar"), list);
    }
    void writeAnswers(const QStringList& texts) { testkit::writeAnswerTexts(dataPath, texts); }

    // The drill as the home screen's unit card starts it, question 1 shown on the desktop.
    void startDrill()
    {
        auto& d = common::drill();
        d.dataPath = dataPath + QLatin1Char('/');
        d.fileBase = 20;
        d.setNo = 0;
        d.ksMode = common::ModePractice;
        d.txtPath = common::txtPath(d.dataPath, d.dataExt);
        d.stepPath = common::stepPath(d.dataPath, 20, 0, d.dataExt);
        d.tmPath = common::tmPath(d.dataPath, 20, 0, d.dataExt);
        d.dqTm = 1;
        d.dqStep = 1;
        d.timeLeft = 50;
        home::showUnitPractice();
        time.advance(100);
        time.advance(100);
        time.advance(100);
    }
    void start(const QList<QList<StepRecord>>& questions)
    {
        writeBank(questions);
        startDrill();
    }

    // A click on the panel's demonstration button; its start timer loads the player two ticks
    // later.
    void startDemo(int button = platform::vbLeftButton, int shift = 0)
    {
        testkit::click(panel().CmdGN(7), button, shift);
        time.advance(200);
    }
    // Advances until the player has unloaded itself; the milliseconds it took, or -1 when it
    // still runs after `limit`.
    qint64 runToEnd(qint64 limit = 120000, qint64 step = 100)
    {
        for (qint64 t = 0; t <= limit; t += step) {
            if (!platform::Forms::isLoaded<FrmYanShi>()) return t;
            time.advance(step);
        }
        return -1;
    }
    // Ticks of `step` ms until the player's step is no longer `from`; -1 after `limit` ticks.
    int ticksUntilStepLeaves(int from, int limit = 60, qint64 step = 100)
    {
        for (int n = 1; n <= limit; ++n) {
            time.advance(step);
            if (!playing() || player().shownStep() != from) return n;
        }
        return -1;
    }

    // The steps played, in order, until the player has unloaded itself (a step that never ends
    // leaves it loaded: a test failure).
    QList<int> playedToEnd(int limit = 300)
    {
        QList<int> played{player().shownStep()};
        for (int i = 0; i < limit && playing(); ++i) {
            time.advance(100);
            if (playing() && player().shownStep() != played.last()) played << player().shownStep();
        }
        EXPECT_FALSE(playing()) << "still at step " << played.last();
        return played;
    }

    bool playing() const { return platform::Forms::isLoaded<FrmYanShi>(); }
    FrmYanShi& player() { return platform::Forms::instance<FrmYanShi>(); }
    FrmTm& panel() { return platform::Forms::instance<FrmTm>(); }
    FrmMain& desk() { return platform::Forms::instance<FrmMain>(); }

    // A step whose target's centre lies (dx, dy) design twips from the pointer's start.
    static StepRecord aimed(const QString& action, int dx, int dy, char jump = '0')
    {
        StepRecord r;
        r.action(action);
        r.mainRect(StartX + dx - 150, jump, StartY + dy - 150, 300, 300);
        return r;
    }
    // A step with its target at (x, y), 600 x 300 design twips.
    static StepRecord at(const QString& action, int x = 1500, int y = 1500, char jump = '0')
    {
        StepRecord r;
        r.action(action);
        r.mainRect(x, jump, y, 600, 300);
        return r;
    }
    static StepRecord terminal() { return StepRecord().action(QStringLiteral("9999")); }
    // The record with a hint of its own: answer-text entry `line`, shown at the top left.
    static StepRecord hinted(StepRecord r, int line)
    {
        r.setNumber(col::HintPos, 5, 120)
            .setNumber(col::HintPos + 5, 5, 120)
            .setNumber(col::HintLine, 3, line);
        return r;
    }

    // The pointer as drawn: the arrow's reference point (its outline's first line starts 60 design
    // twips right of it), or the cursor picture's corner while that stands for the arrow.
    QPointF pointer()
    {
        FrmYanShi& p = player();
        if (p.ImgICO.Visible()) return {p.ImgICO.Left(), p.ImgICO.Top()};
        return {p.LPoint(0).X1() - 60 * common::scaleX(), p.LPoint(0).Y1()};
    }
    // The hint shown, which tells the steps of a question apart where each has its own.
    QString hintShown() { return player().LHelp.Caption(); }

    testkit::ManualTime time;
    testkit::TempProgramFolder prog;
    QString dataPath;
    std::unique_ptr<testkit::FormsReset> reset = std::make_unique<testkit::FormsReset>();
};

} // namespace demotest
