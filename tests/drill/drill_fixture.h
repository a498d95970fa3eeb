#pragma once
// A small installation for the drill screens: a program folder with a question bank (units of
// numbered questions, the set table), the "ksdata" progress folder, the drill state, the manual
// clock, a stand-in for the question panel and one for the home screen.
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

#include "common/drill_state.h"
#include "common/question_panel.h"
#include "common/scale.h"
#include "drill/exam_clock.h"
#include "drill/frm_tm_end.h"
#include "drill/panel_link.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/units.h"
#include "support/kit.h"
#include "support/script.h"
#include "support/step_record.h"

namespace drilltest {

using testkit::StepRecord;

// The question panel as the drill screens see it: its mode captions, title, question buttons,
// time display and timers, wired to the drill end, the exam clock and the unload guard as the
// panel wires them. Its question load only counts.
class PanelStandIn final : public platform::Form {
public:
    platform::Label LblBiao{this, "LblBiao"};
    platform::PictureBox PTime{this, "PTime"};
    platform::Label LblTimeJD{this, "LblTimeJD"};
    platform::Label LblTime{this, "LblTime"};
    platform::PictureBox PicUnit{this, "PicUnit"};
    platform::Label LblUnit{this, "LblUnit"};
    platform::Label CmdEnd{this, "CmdEnd"}, CmdCZTS{this, "CmdCZTS"}, Command1{this, "Command1"};
    platform::CommandButton Image2{this, "Image2"};
    platform::CommandButtonArray CmTNO{this, "CmTNO"};
    platform::Timer TimeKS{60000, true};
    platform::Timer TimerREDO{100, false};
    platform::Timer TimStartYS{100, false};
    int loads = 0;     // question loads (TimerREDO ticks)
    int formLoads = 0; // Form_Load runs

    PanelStandIn()
        : Form(QStringLiteral("FrmTm"))
    {
        LblTimeJD.setContainer(&PTime);
        LblUnit.setContainer(&PicUnit);
        for (int i = 1; i <= 40; ++i)
            CmTNO.design(i);
        registerTimer(&TimeKS);
        registerTimer(&TimerREDO);
        registerTimer(&TimStartYS);
        CmdEnd.onClick = [] { drill::CmdEnd_Click(); };
        TimeKS.onTimer = [] { drill::TimeKS_Timer(); };
        TimerREDO.onTimer = [this] {
            ++loads;
            TimerREDO.setEnabled(false);
        };
        onUnload = [](int& cancel) { drill::Form_Unload(cancel); };
    }

protected:
    void design() override
    {
        setBorderStyle(platform::vbBSNone);
        Move(0, 0, 4980, 3630);
        CmdEnd.Move(90, 2355, 945, 360);
        PTime.Move(1365, 2760, 2055, 285);
        LblTimeJD.Move(0, 0, 0, 255);
        LblTimeJD.setBackColor(0xFF0000);
        for (int i = 1; i <= 40; ++i) {
            CmTNO(i).setVisible(true);
            CmTNO(i).setBackColor(0x8000000F);
        }
    }
    void Form_Load() override
    {
        ++formLoads;
        const auto& d = common::drill();
        for (int i = d.tmCount + 1; i <= 40; ++i)
            CmTNO(i).setVisible(false);
        if (d.ksMode == common::ModeExam)
            drill::setExamCaptions(drill::panelPartsOf(*this));
        else
            drill::setCaptions(drill::panelPartsOf(*this), QStringLiteral("手把手教"),
                               QStringLiteral("操作演示"), QStringLiteral("结束练习"));
        PicUnit.setVisible(d.ksMode != common::ModeExam);
        drill::showTime(drill::panelPartsOf(*this), d.timeLeft);
    }
};

// The home screen: it only counts its showings.
class HomeStandIn final : public platform::Form {
public:
    int loads = 0;
    HomeStandIn()
        : Form(QStringLiteral("FrmFengmian"))
    {}

protected:
    void Form_Load() override { ++loads; }
};

// One question of a unit: its step count and, when the test cares, its records (default: an
// automatic step, then the terminal one, each marked with unit, question and step in the
// background code).
struct Question {
    int steps = 2;
    QString text;
};

class DrillTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setScreenPixels(QSize(800, 600));
        platform::setTwipsPerPixel(15, 15);
        common::computeScale();
        common::drill().resetAll();
        dataPath = prog.file(QStringLiteral("data"));
        QDir().mkpath(dataPath);
        QDir().mkpath(prog.file(QStringLiteral("examdata")));
        QDir().mkpath(prog.file(QStringLiteral("ksdata")));
        auto& d = common::drill();
        d.dataPath = dataPath + QLatin1Char('/');
        d.kmName = QStringLiteral("WinXP");
        d.setCount = 3;
        d.unitCount = 4;
        drill::setPanelSource([] { return drill::panelPartsOf(platform::Forms::instance<PanelStandIn>()); });
        platform::Forms::instance<HomeStandIn>();
    }
    void TearDown() override
    {
        reset.reset();
        drill::setPanelSource({});
        common::setQuestionPanel({}); // what a drill start installed goes with the test
        drill::detail::setExamRunning(false);
        platform::setScreenPixels(QSize());
        common::drill().resetAll();
    }

    // A step record marked with its unit, question and step in the background code.
    static StepRecord record(int unit, int q, int step, const QString& action)
    {
        StepRecord r;
        r.action(action);
        r.background(QStringLiteral("%1%2%3")
                         .arg(unit, 2, 10, QLatin1Char('0'))
                         .arg(q, 2, 10, QLatin1Char('0'))
                         .arg(step, 2, 10, QLatin1Char('0')));
        return r;
    }
    // The list line of question q of a unit: its code, step count and text.
    static QString listLine(int unit, int q, int steps, const QString& text = QString())
    {
        return QStringLiteral("%1%2%3")
            .arg(unit * 100 + q, 4, 10, QLatin1Char('0'))
            .arg(steps, 2, 10, QLatin1Char('0'))
            .arg(text.isEmpty() ? QStringLiteral("第%1单元第%2题").arg(unit).arg(q) : text);
    }
    // Unit `unit`'s question list (bank file 70 + unit) and step file (20 + unit): each question an
    // automatic step followed by steps up to the terminal one.
    void writeUnit(int unit, const QList<Question>& questions)
    {
        QStringList list;
        QList<StepRecord> steps;
        for (int q = 1; q <= questions.size(); ++q) {
            const Question& question = questions[q - 1];
            list << listLine(unit, q, question.steps, question.text);
            for (int s = 1; s <= question.steps; ++s)
                steps << record(unit, q, s,
                                s == question.steps ? QStringLiteral("9999") : QStringLiteral("8888"));
        }
        testkit::writeTextLines(dataPath, bankName(70 + unit), list);
        testkit::writeStepFile(dataPath, 20 + unit, steps);
    }
    void writeUnit(int unit, int questions, int steps = 2)
    {
        writeUnit(unit, QList<Question>(questions, Question{steps, QString()}));
    }
    // The set table: counts, unit sizes and one code line per set.
    void writeSetTable(const QStringList& setLines, const QString& first = QStringLiteral("0304"),
                       const QString& second = QStringLiteral("10101010"))
    {
        testkit::writeTextLines(dataPath, bankName(91), QStringList{first, second} + setLines);
    }
    // Forty codes: question 1..40 of units 0-3 (ten each).
    static QString fortyCodes()
    {
        QString s;
        for (int i = 0; i < 40; ++i)
            s += QStringLiteral("%1").arg((i / 10) * 100 + i % 10 + 1, 4, 10, QLatin1Char('0'));
        return s;
    }
    // Four units of ten two-step questions and three sets over them.
    void writeStandardBank()
    {
        for (int u = 0; u < 4; ++u)
            writeUnit(u, 10);
        writeSetTable({fortyCodes(), fortyCodes(), fortyCodes()});
    }

    static QString bankName(int n) { return QStringLiteral("2888%1.rar").arg(n, 2, 10, QLatin1Char('0')); }
    QString bankFile(int n) const { return dataPath + QLatin1Char('/') + bankName(n); }
    QString ksdata(const QString& name) const { return prog.file(QStringLiteral("ksdata/") + name); }

    static QByteArray bytes(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return QByteArray("<missing>");
        return f.readAll();
    }
    static void writeBytes(const QString& path, const QByteArray& b)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(b);
    }
    // A file that exists but cannot be read: a folder of its name.
    static void makeUnreadable(const QString& path) { ASSERT_TRUE(QDir().mkpath(path)); }

    PanelStandIn& tm() { return platform::Forms::instance<PanelStandIn>(); }
    HomeStandIn& home() { return platform::Forms::instance<HomeStandIn>(); }

    testkit::ManualTime time;
    testkit::TempProgramFolder prog;
    QString dataPath;
    std::unique_ptr<testkit::FormsReset> reset = std::make_unique<testkit::FormsReset>();
};

} // namespace drilltest
