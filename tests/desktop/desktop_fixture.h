#pragma once
// A small installation for the candidate's desktop: a program folder with a question bank (one
// unit's step file, the answer texts, pictures written under ".rar" names), the drill state of a
// unit practice over it, the manual clock and the screen of a test.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

#include "common/drill_state.h"
#include "common/question_panel.h"
#include "common/scale.h"
#include "desktop/frm_main.h"
#include "drill/frm_tm.h"
#include "drill/panel_link.h"
#include "platform/clock.h"
#include "platform/form.h"
#include "platform/units.h"
#include "support/kit.h"
#include "support/scaled.h"
#include "support/step_record.h"

namespace desktoptest {

using testkit::StepRecord;
namespace col = testkit::col;

class Desktop : public ::testing::Test, protected testkit::Scaled {
protected:
    void SetUp() override
    {
        platform::setClock(&clock);
        platform::setScreenPixels(QSize(800, 600));
        useScale(15);
        common::drill().resetAll();
        dataPath = prog.file(QStringLiteral("data"));
        QDir().mkpath(dataPath);
        QDir().mkpath(prog.file(QStringLiteral("examdata")));
        auto& d = common::drill();
        d.dataPath = dataPath + QLatin1Char('/');
        d.txtPath = d.dataPath + QStringLiteral("288890.rar");
        d.fileBase = 20;
        d.setNo = 0;
        d.ksMode = common::ModePractice;
        drill::installPanel(); // the panel beside the desktop, as a drill start installs it
    }
    void TearDown() override
    {
        reset.reset();
        common::setQuestionPanel({});
        platform::setClock(nullptr);
        platform::setScreenPixels(QSize());
        platform::setTwipsPerPixel(15, 15);
        common::computeScale();
        common::drill().resetAll();
    }

    // The unit's step file with these questions, one list of records each; tmStart and tmCount
    // follow from them.
    void writeBank(const QList<QList<StepRecord>>& questions)
    {
        auto& d = common::drill();
        QList<StepRecord> all;
        int start = 1;
        for (int q = 1; q <= questions.size(); ++q) {
            d.tmStart[q] = start;
            d.tmDone[q] = QStringLiteral("F");
            start += int(questions[q - 1].size());
            all += questions[q - 1];
        }
        d.tmStart[questions.size() + 1] = start;
        d.tmCount = int(questions.size());
        testkit::writeStepFile(dataPath, d.fileBase + d.setNo, all);
    }
    void writeTexts(const QStringList& texts) { testkit::writeAnswerTexts(dataPath, texts); }

    // A picture file of the bank, named by its code; bmp or jpeg content under the ".rar" name.
    QString writePicture(const QString& code, int w = 40, int h = 30, const char* format = "BMP")
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(QColor(0, 128, 255));
        const QString path = dataPath + QLatin1Char('/') + code + QStringLiteral(".rar");
        EXPECT_TRUE(img.save(path, format));
        return path;
    }
    QString writeDeskPicture(const QString& name, int w = 40, int h = 30)
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::white);
        const QString path = prog.file(QStringLiteral("examdata/") + name);
        EXPECT_TRUE(img.save(path, "BMP"));
        return path;
    }

    // The desktop shown as the question panel shows it: the question's step set, the one-shot
    // render timer enabled, and its tick let run.
    FrmMain& showQuestion(int q, int step = 1)
    {
        auto& d = common::drill();
        d.dqTm = q;
        d.dqStep = step;
        FrmMain& f = platform::form<FrmMain>();
        f.Show();
        f.Timer2.setEnabled(true);
        clock.advance(100);
        return f;
    }
    FrmMain& desk() { return platform::form<FrmMain>(); }
    FrmTm& panel() { return platform::form<FrmTm>(); }

    static QString sourceName(const platform::Picture& p) { return p.source().section(QLatin1Char('/'), -1); }

    platform::ManualClock clock;
    testkit::TempProgramFolder prog;
    QString dataPath;
    std::unique_ptr<testkit::FormsReset> reset = std::make_unique<testkit::FormsReset>();
};

// Short records and the common fixtures.
inline StepRecord step(const QString& action = QStringLiteral("0001"))
{
    StepRecord r;
    r.action(action);
    return r;
}

// A record told apart by its main target's Left (marker * 10).
inline StepRecord marked(int marker, const QString& action = QStringLiteral("0001"))
{
    StepRecord r = step(action);
    r.mainRect(marker * 10, '0', 600, 300, 300);
    return r;
}

inline StepRecord terminal()
{
    return step(QStringLiteral("9999"));
}

} // namespace desktoptest
