#pragma once
// The question panel over a small unit: a question list, a step file of two-step questions and
// their pictures, the drill state of a unit practice, the manual clock and an 800 x 600 screen.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/question_panel.h"
#include "common/scale.h"
#include "desktop/frm_main.h"
#include "drill/frm_tm.h"
#include "drill/panel_link.h"
#include "platform/form.h"
#include "platform/units.h"
#include "support/kit.h"
#include "support/scaled.h"
#include "support/script.h"
#include "support/step_record.h"

namespace paneltest {

class Panel : public ::testing::Test, protected testkit::Scaled {
protected:
    void SetUp() override
    {
        platform::setScreenPixels(QSize(800, 600));
        useScale(15);
        common::drill().resetAll();
        data = prog.file(QStringLiteral("data"));
        QDir().mkpath(data);
        QDir().mkpath(prog.file(QStringLiteral("examdata")));
        auto& d = common::drill();
        d.dataPath = data + QLatin1Char('/');
        d.kmName = QStringLiteral("WinXP");
        d.ksName = QStringLiteral("张三");
        d.fileBase = 20;
        d.setNo = 0;
        d.ksMode = common::ModePractice;
        d.timeLeft = common::ExamMinutes;
        d.dqTm = 1;
        d.dqStep = 1;
        d.txtPath = common::txtPath(d.dataPath);
        d.stepPath = common::stepPath(d.dataPath, 20, 0);
        d.tmPath = common::tmPath(d.dataPath, 20, 0);
        writeUnit(4);
        drill::installPanel(); // as a drill start does: the desktop reaches this panel
    }
    void TearDown() override
    {
        reset.reset();
        common::setQuestionPanel({});
        platform::setScreenPixels(QSize());
        useScale(15);
        common::drill().resetAll();
    }

    // Unit 0 of the drill's data folder: `count` questions of two steps each, question q's text
    // "第q题" (or the given texts), its steps on the backgrounds "Q<qq>S1" and "Q<qq>S2".
    void writeUnit(int count, const QStringList& texts = {})
    {
        auto& d = common::drill();
        QStringList list;
        QList<testkit::StepRecord> steps;
        for (int q = 1; q <= count; ++q) {
            const QString qq = QStringLiteral("%1").arg(q, 2, 10, QLatin1Char('0'));
            list << QStringLiteral("00") + qq + QStringLiteral("02") +
                        (q <= texts.size() ? texts[q - 1] : QStringLiteral("第%1题").arg(q));
            for (int s = 1; s <= 2; ++s) {
                testkit::StepRecord r;
                r.action(s == 2 ? QStringLiteral("9999") : QStringLiteral("0000"));
                r.background(QStringLiteral("Q%1S%2P").arg(qq).arg(s));
                steps << r;
                writePicture(QStringLiteral("Q%1S%2P").arg(qq).arg(s));
            }
            d.tmStart[q] = 2 * q - 1;
            d.tmDone[q] = QStringLiteral("F");
        }
        d.tmStart[count + 1] = 2 * count + 1;
        d.tmCount = count;
        testkit::writeTextLines(data, QStringLiteral("288870.rar"), list);
        testkit::writeStepFile(data, 20, steps);
    }
    void writePicture(const QString& code)
    {
        QImage img(20, 20, QImage::Format_RGB32);
        img.fill(QColor(200, 100, 0));
        ASSERT_TRUE(img.save(data + QLatin1Char('/') + code + QStringLiteral(".rar"), "BMP"));
    }

    // The panel created by a drill start, with the state set so far, and shown.
    FrmTm& load()
    {
        FrmTm& tm = platform::form<FrmTm>();
        tm.Show();
        return tm;
    }
    FrmTm& tm() { return platform::Forms::instance<FrmTm>(); }
    FrmMain& desk() { return platform::Forms::instance<FrmMain>(); }
    static QString sourceName(const platform::Picture& p) { return p.source().section(QLatin1Char('/'), -1); }

    testkit::ManualTime time;
    testkit::TempProgramFolder prog;
    QString data;
    std::unique_ptr<testkit::FormsReset> reset = std::make_unique<testkit::FormsReset>();
};

} // namespace paneltest
