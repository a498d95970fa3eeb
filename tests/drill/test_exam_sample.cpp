// A mock exam on the sample installation, as a candidate sits it: the login typed through the
// window, the set's step file and question list built from the unit files, the questions solved
// by hand on the candidate's desktop, the hand-in through both dialogs, the results with the
// answer sheet and the files they write, an error review from the results screen, and the
// time-up of the exam clock.
#include <QRegularExpression>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "common/naming.h"
#include "common/record.h"
#include "common/text_file.h"
#include "drill/bank_files.h"
#include "drill/frm_tm.h"
#include "exam_fixture.h"
#include "platform/keys.h"
#include "sample/generator.h"
#include "support/solver.h"

using namespace drill;
using platform::Forms;

namespace drilltest {
namespace {

constexpr long Green = 0xFF00;
constexpr long Red = 0xFF;

class SampleExam : public Exam {
protected:
    // One generated installation for the suite; each test works on a copy of its own.
    static void SetUpTestSuite()
    {
        installed = std::make_unique<QTemporaryDir>();
        QString error;
        generated = sample::generateInstallation(installed->path(), &error);
        generationError = error;
    }
    static void TearDownTestSuite() { installed.reset(); }

    void SetUp() override
    {
        DrillTest::SetUp(); // not the standard bank of Exam: the sample's
        ASSERT_TRUE(generated) << generationError.toStdString();
        std::error_code ec;
        std::filesystem::copy(
            installed->path().toStdString(), prog.path().toStdString(),
            std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing, ec);
        ASSERT_FALSE(ec) << ec.message();
        setPanelSource({}); // the program's question panel
        auto& d = common::drill();
        const sample::ModuleInfo info = sample::sampleModuleInfo();
        dataPath = common::joinPath(prog.path(), info.dataFolder);
        d.dataPath = dataPath + QLatin1Char('/');
        d.kmName = info.shortName;
        const QStringList table = common::readTextFile(bankFile(91)).lines;
        ASSERT_GE(table.size(), 2);
        d.setCount = table[0].left(2).toInt();
        d.unitCount = table[0].mid(2, 2).toInt();
    }

    FrmTm& panel() { return Forms::instance<FrmTm>(); }
    FrmMain& desk() { return Forms::instance<FrmMain>(); }

    // The set's code line in the set table.
    QString setCodes(int set) const { return common::readTextFile(bankFile(91)).lines.value(set + 2); }

    // What the set builder must write for a set: the list line and the step block of each code,
    // taken from the unit files.
    void expectedSet(int set, QStringList& list, QStringList& steps) const
    {
        const QString codes = setCodes(set);
        for (int i = 0; i < 40; ++i) {
            const int unit = codes.mid(4 * i, 2).toInt(), q = codes.mid(4 * i + 2, 2).toInt();
            const QStringList unitList = common::readTextFile(bankFile(70 + unit)).lines;
            const QStringList unitSteps = common::readTextFile(bankFile(20 + unit)).lines;
            int first = 0;
            for (int k = 1; k < q; ++k)
                first += unitList.value(k - 1).mid(4, 2).toInt();
            const QString line = unitList.value(q - 1);
            list << line;
            steps << unitSteps.mid(first, line.mid(4, 2).toInt());
        }
    }

    // The field's text selected by keys and typed over.
    void typeInto(drill::FrmLogon& f, platform::TextBox& field, const QString& text)
    {
        testkit::click(field);
        testkit::key(f, platform::vbKeyEnd);
        testkit::key(f, platform::vbKeyHome, platform::vbShiftMask);
        testkit::type(f, text);
    }

    // The login page of the set as the home screen's exam card shows it, the seat and ID numbers
    // typed, the login clicked and the bar run to the exam's start, which loads question 1.
    void loginByHand(int set, const QString& seat, const QString& id)
    {
        auto& d = common::drill();
        d.tmCount = 40;
        d.fileBase = 0;
        d.ksMode = common::ModeExam;
        d.setNo = set;
        home().Unload();
        drill::FrmLogon& f = platform::form<drill::FrmLogon>();
        f.Show();
        time.advance(100);
        typeInto(f, f.TxtZwh, seat);
        typeInto(f, f.TxtSFZ, id);
        testkit::click(f.CmdLog);
        ASSERT_TRUE(f.Picture2.Visible()) << "no confirmation card";
        time.advance(700);
        ASSERT_FALSE(f.isLoaded());
        time.advance(100); // the panel's question load
        time.advance(100); // the desktop's render
        ASSERT_TRUE(panel().Visible());
        ASSERT_EQ(d.dqTm, 1);
    }

    // The question shown solved by hand; then the panel's next-question button.
    void solveShown(bool next)
    {
        auto& d = common::drill();
        const int q = d.dqTm;
        SCOPED_TRACE(testing::Message()
                     << "question " << q << " ("
                     << common::field(setCodes(d.setNo), 4 * q - 3, 4).toStdString() << ")");
        testkit::Solver solver(desk(), time.clock());
        ASSERT_TRUE(solver.solveQuestion());
        EXPECT_GE(d.tmState[q], common::TmSolved);
        EXPECT_FALSE(desk().LblSuccess.Visible()) << "no success label in an exam";
        if (!next) return;
        testkit::click(panel().CmdNext);
        time.advance(100);
        ASSERT_EQ(d.dqTm, q + 1);
    }

    QString ksdataText(const QString& name) const { return QString::fromLatin1(bytes(ksdata(name))); }

    static inline std::unique_ptr<QTemporaryDir> installed;
    static inline bool generated = false;
    static inline QString generationError;
};

TEST_F(SampleExam, ThirtyNineSolvedByHandHandedInScoredAndTheWrongOneReviewed)
{
    constexpr int Unsolved = 23;
    auto& d = common::drill();
    loginByHand(0, QStringLiteral("12"), QStringLiteral("110101199001011234"));
    EXPECT_EQ(d.ksZwh, QStringLiteral("12"));
    EXPECT_EQ(d.ksSfz, QStringLiteral("110101199001011234"));
    EXPECT_EQ(panel().CmdEnd.Caption(), QStringLiteral("结束考试"));
    EXPECT_EQ(panel().LblTime.Caption(), QStringLiteral("剩余50分钟"));

    // The set's step file and question list, and the question starts built from them.
    QStringList list, steps;
    expectedSet(0, list, steps);
    EXPECT_EQ(common::readTextFile(bankFile(50)).lines, list);
    EXPECT_EQ(common::readTextFile(bankFile(0)).lines, steps);
    EXPECT_EQ(d.tmPath, bankFile(50));
    EXPECT_EQ(d.stepPath, bankFile(0));
    int start = 1;
    for (int q = 1; q <= 40; ++q) {
        EXPECT_EQ(d.tmStart[q], start) << q;
        start += list[q - 1].mid(4, 2).toInt();
    }
    EXPECT_EQ(common::readTextFile(bankFile(94)).lines.value(0), QStringLiteral("2026-01-05 09:00:00"));
    const QString started = d.ksStart;
    EXPECT_EQ(started, QStringLiteral("2026-01-05 09:00:00"));

    for (int q = 1; q <= 40; ++q) {
        ASSERT_EQ(d.dqTm, q);
        EXPECT_EQ(panel().RtbTM.Text(), list[q - 1].mid(6).remove(QRegularExpression("^picture.{6}")));
        if (q == Unsolved) {
            testkit::click(panel().CmdNext);
            time.advance(100);
            continue;
        }
        solveShown(q < 40);
        if (HasFatalFailure()) return;
    }
    EXPECT_LT(d.tmState[Unsolved], common::TmSolved);

    testkit::ModalScript modals;
    modals.expect("FrmEnd1", [](platform::Form& f) { press(f, true); });
    modals.expect("FrmEnd2", [](platform::Form& f) { press(f, true); });
    testkit::click(panel().CmdEnd);
    EXPECT_EQ(modals.pending(), 0);
    ASSERT_TRUE(results().isLoaded());
    EXPECT_EQ(results().Label1.Caption(), QStringLiteral("得分：97.5分"));
    for (int q = 1; q <= 40; ++q)
        EXPECT_EQ(results().CmTNO(q).BackColor(), q == Unsolved ? Red : Green) << q;
    EXPECT_FALSE(panel().Visible());
    EXPECT_FALSE(panel().TimeKS.Enabled());

    // The files in their stored form: the wrong list, the history of set 0 among the three sets,
    // the set's marks (none).
    const QString wrongCode = setCodes(0).mid(4 * (Unsolved - 1), 4);
    EXPECT_EQ(ksdataText(QStringLiteral("182400.rar")), wrongCode + QStringLiteral("\r\n"));
    EXPECT_EQ(ksdataText(QStringLiteral("288892.rar")),
              started + QStringLiteral("\r\n97.5\r\n") + QStringLiteral("\r\n").repeated(8));
    EXPECT_EQ(ksdataText(QStringLiteral("218800.rar")), QString(40, u'0') + QStringLiteral("\r\n\r\n"));
    EXPECT_EQ(ksdataText(QStringLiteral("182401.rar")), QStringLiteral("\r\n\r\n")) << "another set's list";

    // The error review of the one wrong answer, solved by hand and ended: the list is emptied.
    testkit::click(results().Command3);
    EXPECT_FALSE(results().isLoaded());
    EXPECT_EQ(d.tmCount, 1);
    EXPECT_EQ(panel().CmdEnd.Caption(), QStringLiteral("结束复习"));
    EXPECT_FALSE(panel().CmTNO(2).Visible());
    time.advance(100);
    time.advance(100);
    EXPECT_EQ(panel().LblBiao.Caption(), QStringLiteral("错题复习  第1/1题"));
    EXPECT_EQ(common::readTextFile(bankFile(69)).lines, QStringList{list[Unsolved - 1]});
    EXPECT_EQ(panel().RtbTM.Text(), list[Unsolved - 1].mid(6).remove(QRegularExpression("^picture.{6}")));
    ASSERT_TRUE(testkit::Solver(desk(), time.clock()).solveQuestion());
    EXPECT_TRUE(desk().LblSuccess.Visible());
    EXPECT_GE(d.tmState[1], common::TmSolved);

    testkit::ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes, QStringLiteral("本次答对的题目要从“错题复习”中去掉吗？"));
    testkit::click(panel().CmdEnd);
    EXPECT_EQ(ksdataText(QStringLiteral("182400.rar")), QStringLiteral("\r\n\r\n")); // the review end's form
    EXPECT_FALSE(panel().isLoaded());
    EXPECT_TRUE(home().Visible());
}

TEST_F(SampleExam, TheTimeUpAfterFiftyMinutesHandsInWhatWasSolved)
{
    auto& d = common::drill();
    loginByHand(1, QStringLiteral("7"), QStringLiteral("1234"));
    EXPECT_EQ(d.ksZwh, QStringLiteral("07"));
    EXPECT_EQ(d.ksSfz, QStringLiteral("110101198001011234"));
    for (int q = 1; q <= 3; ++q) {
        solveShown(true);
        if (HasFatalFailure()) return;
    }
    time.advance(49 * 60000 - time.elapsedMs() + 1000); // a minute before the end
    EXPECT_EQ(panel().LblTime.Caption(), QStringLiteral("剩余1分钟"));
    EXPECT_FALSE(results().isLoaded());

    testkit::ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK, QStringLiteral("时间已到，自动交卷！"));
    time.advance(60000);
    ASSERT_TRUE(results().isLoaded());
    EXPECT_EQ(boxes.pending(), 0);
    EXPECT_EQ(results().Label1.Caption(), QStringLiteral("得分：7.5分"));
    EXPECT_FALSE(panel().Visible());
    EXPECT_FALSE(panel().TimeKS.Enabled());
    EXPECT_EQ(ksdataText(QStringLiteral("182401.rar")), setCodes(1).mid(12) + QStringLiteral("\r\n"));
    // Nothing more once the exam is over.
    time.advance(60 * 60000);
    EXPECT_TRUE(results().Visible());
    EXPECT_EQ(boxes.seen().size(), 1);
}

} // namespace
} // namespace drilltest
