// The generated sample installation, read back through the programs' own readers: the module
// information, the bank files, the step records and their pictures, the exam sets, the context
// menus, the cursors and the desktop's chrome, and the files' bytes.
#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/text_file.h"
#include "drill/bank_files.h"
#include "home/km_info.h"
#include "platform/picture.h"
#include "sample/generator.h"
#include "sample/menu_pictures.h"
#include "sample/model.h"
#include "sample/xp.h"
#include "steps/hotspot_tables.h"
#include "steps/menu_tables.h"
#include "steps/step.h"
#include "steps/tab_templates.h"
#include "support/solver.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QRect>
#include <QSet>
#include <QTemporaryDir>

#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>

namespace {

// Columns of the step record.
constexpr int Action = 8;
constexpr int BgCode = 12;
constexpr int MainRect = 66;
constexpr int EditRect = 86;
constexpr int CursorSpec = 101;
constexpr int TextLine = 106;
constexpr int AnswerLine = 109;
constexpr int HintPos = 112;
constexpr int HintLine = 122;
constexpr int AuxRect = 177;
constexpr auto SlotColumns = common::col::Slots;

const QRect Desktop(0, 0, 12000, 9000);
const QRect PanelCorner(12000 - 4980, 9000 - 3630, 4980, 3630);

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void copyFolder(const QString& from, const QString& to)
{
    std::error_code ec;
    std::filesystem::copy(from.toStdString(), to.toStdString(), std::filesystem::copy_options::recursive, ec);
    ASSERT_FALSE(ec) << ec.message();
}

int number(const QString& rec, int col, int width)
{
    return common::fieldNumber(rec, col, width).value_or(-1);
}

// A RectSpec: Left 5, JumpChar 1, Top 4, Width 5, Height 5.
QRect rectAt(const QString& rec, int col)
{
    return {number(rec, col, 5), number(rec, col + 6, 4), number(rec, col + 10, 5), number(rec, col + 15, 5)};
}

bool allZeros(const QString& s)
{
    return !s.isEmpty() && s.count(u'0') == s.size();
}

// The step a JumpChar names, as the step engine turns it into one.
int jumpStep(QChar c)
{
    return steps::jumpStep(QString(c));
}

struct Question {
    QString code;
    QString text;
    QStringList records;
};

class SampleInstallation : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = std::make_unique<QTemporaryDir>();
        QElapsedTimer timer;
        timer.start();
        QString error;
        generated = sample::generateInstallation(dir->path(), &error);
        ASSERT_TRUE(generated) << error.toStdString();
        std::printf("[ sample   ] installation generated in %lld ms\n", timer.elapsed());
        const home::ModuleInfoRead read = home::readModuleInfo(dir->path());
        ASSERT_TRUE(read.ok());
        info = home::kmInfoFromLines(read.lines, dir->path());
        ASSERT_TRUE(info.has_value());
        answers = common::readTextFile(common::txtPath(info->dataPath)).lines;
        const QStringList setTable = common::readTextFile(common::bankFile(info->dataPath, 91)).lines;
        ASSERT_GE(setTable.size(), 2);
        const int units = int(common::leadingNumber(setTable[0].trimmed().mid(2, 2)));
        for (int u = 0; u < units; ++u) {
            const QStringList list =
                drill::listQuestions(common::readTextFile(common::bankFile(info->dataPath, 70 + u)).lines);
            const QStringList steps = common::readTextFile(common::bankFile(info->dataPath, 20 + u)).lines;
            QList<Question> unit;
            int line = 0;
            for (const QString& q : list) {
                const int count = drill::stepCount(q);
                unit.append({q.left(4), q.mid(6), steps.mid(line, count)});
                line += count;
            }
            stepLines.append(int(steps.size()));
            questions.append(unit);
        }
    }
    static void TearDownTestSuite() { dir.reset(); }

    void SetUp() override { ASSERT_TRUE(generated); }

    static QString data(const QString& name) { return common::joinPath(info->dataPath, name); }
    static QString program(const QString& name) { return common::joinPath(dir->path(), name); }

    // Every step record with where it stands, for the checks that go over all of them.
    template <typename F> static void forEachStep(F&& f)
    {
        for (const QList<Question>& unit : questions) {
            for (const Question& q : unit) {
                for (int s = 0; s < q.records.size(); ++s) {
                    SCOPED_TRACE(QStringLiteral("question %1 step %2").arg(q.code).arg(s + 1).toStdString());
                    f(q, s, q.records[s]);
                }
            }
        }
    }

    // The picture of a code, loaded once.
    static std::optional<platform::Picture> picture(const QString& code)
    {
        if (!pictures.contains(code)) {
            const QString file = common::pictureFile(info->dataPath, code);
            pictures.insert(code, file.isEmpty() ? std::nullopt : platform::loadPicture(file));
        }
        return pictures.value(code);
    }

    static inline std::unique_ptr<QTemporaryDir> dir;
    static inline bool generated = false;
    static inline std::optional<home::KmInfo> info;
    static inline QStringList answers;
    static inline QList<QList<Question>> questions;
    static inline QList<int> stepLines;
    static inline QHash<QString, std::optional<platform::Picture>> pictures;
};

TEST_F(SampleInstallation, ModuleInformationDecodesWithTheStartUpReader)
{
    const home::ModuleInfoRead read = home::readModuleInfo(dir->path());
    const sample::ModuleInfo expected = sample::sampleModuleInfo();
    EXPECT_EQ(read.lines[0], expected.shortName);
    EXPECT_EQ(read.lines[1], expected.displayName);
    EXPECT_EQ(read.lines[2], expected.dataFolder);
    EXPECT_EQ(read.lines[3], QString::number(expected.moduleNo));
    ASSERT_EQ(expected.unitTitles.size(), questions.size());
    for (int u = 0; u < expected.unitTitles.size(); ++u)
        EXPECT_EQ(read.lines[4 + u], expected.unitTitles[u]);
    EXPECT_TRUE(read.lines[4 + int(expected.unitTitles.size())].isEmpty());
    EXPECT_EQ(info->kmName, QStringLiteral("Windows XP"));
    EXPECT_EQ(QDir(info->dataPath).absolutePath(), QDir(dir->path()).filePath(expected.dataFolder));

    // The home screen ends the program at once when the bank belongs to another module.
    const std::optional<QString> moduleNo =
        common::readLineOrLast(data(QStringLiteral("288899.rar")), 1).line;
    ASSERT_TRUE(moduleNo.has_value());
    EXPECT_EQ(common::FieldNumber(*moduleNo).value_or(-1), info->kmNo);
    EXPECT_FALSE(
        common::readLineOrLast(data(QStringLiteral("288895.rar")), 1).line.value_or(QString()).isEmpty());
    EXPECT_TRUE(common::readLineOrLast(data(QStringLiteral("288892.rar")), 1).line.has_value());
}

TEST_F(SampleInstallation, WritesEveryFileOfTheInstallation)
{
    QStringList expected{QStringLiteral("ver.txt"), QStringLiteral("tessaly.txt"),
                         QStringLiteral("sMenu.sys")};
    for (int i = 0; i <= 4; ++i)
        expected << QStringLiteral("ico%1.CUR").arg(i, 2, 10, QLatin1Char('0'));
    for (const char* name :
         {"1100W1",   "1100W2",  "41A001", "41A002", "41A003", "41A004", "NN0000", "NN0001", "PicTable",
          "PicStart", "PicMyPc", "A00000", "B00000", "C00000", "D00000", "E00000", "F00000", "G00000",
          "610099",   "950099",  "Z20099", "710088", "910088", "110088", "230099", "A10088"})
        expected << QStringLiteral("examdata/%1.rar").arg(QLatin1String(name));
    const QString bank = sample::sampleModuleInfo().dataFolder + QLatin1Char('/');
    for (int n : {90, 91, 92, 94, 95, 97, 99})
        expected << bank + QStringLiteral("2888%1.rar").arg(n);
    for (int u = 0; u < questions.size(); ++u) {
        expected << bank + QStringLiteral("28882%1.rar").arg(u) << bank + QStringLiteral("28887%1.rar").arg(u)
                 << QStringLiteral("ksdata/20880%1.rar").arg(u);
    }
    for (int page = 1; page <= 17; ++page)
        expected << bank + QStringLiteral("9l00%1.rar").arg(page, 2, 10, QLatin1Char('0'));
    expected << QStringLiteral("ksdata/288893.rar") << QStringLiteral("ksdata/288892.rar");
    for (int s = 0; s < 2; ++s)
        expected << QStringLiteral("ksdata/21880%1.rar").arg(s)
                 << QStringLiteral("ksdata/18240%1.rar").arg(s);
    for (const QString& f : expected)
        EXPECT_TRUE(QFile::exists(program(f))) << f.toStdString();
}

TEST_F(SampleInstallation, EveryQuestionBlockMatchesItsListAndEndsWithTheTerminalRecord)
{
    ASSERT_GE(questions.size(), 4);
    for (int u = 0; u < questions.size(); ++u) {
        SCOPED_TRACE(u);
        EXPECT_GE(questions[u].size(), 10);
        int total = 0;
        for (int q = 0; q < questions[u].size(); ++q) {
            const Question& question = questions[u][q];
            EXPECT_EQ(
                question.code,
                QStringLiteral("%1%2").arg(u, 2, 10, QLatin1Char('0')).arg(q + 1, 2, 10, QLatin1Char('0')));
            EXPECT_FALSE(question.text.trimmed().isEmpty());
            const int count = int(question.records.size());
            EXPECT_GE(count, 3) << question.code.toStdString();
            EXPECT_LE(count, 8) << question.code.toStdString();
            total += count;
            for (int s = 0; s < count; ++s) {
                const QString& rec = question.records[s];
                EXPECT_EQ(rec.size(), 212) << question.code.toStdString() << " step " << s + 1;
                EXPECT_EQ(common::field(rec, Action, 4) == QStringLiteral("9999"), s == count - 1)
                    << question.code.toStdString() << " step " << s + 1;
            }
        }
        // The blocks follow one another without gaps or left-over lines.
        EXPECT_EQ(total, stepLines[u]);
    }
}

TEST_F(SampleInstallation, RecordsNameOnlyPicturesThatLoad)
{
    int checked = 0;
    forEachStep([&](const Question&, int, const QString& rec) {
        const QString bg = common::field(rec, BgCode, 6);
        ASSERT_NE(bg, QStringLiteral("000000"));
        if (bg != QStringLiteral("888888")) {
            const std::optional<platform::Picture> p = picture(bg);
            ASSERT_TRUE(p.has_value()) << bg.toStdString();
            EXPECT_EQ(p->pixmap().size(), QSize(800, 600)) << bg.toStdString();
            ++checked;
        }
        for (const int col : SlotColumns) {
            const QString code = common::field(rec, col + 10, 6);
            if (code == QStringLiteral("000000") || code == QStringLiteral("888888")) continue;
            EXPECT_TRUE(picture(code).has_value()) << code.toStdString();
            ++checked;
        }
        if (common::field(rec, CursorSpec, 1) == QStringLiteral("M")) {
            const QString cursor = QStringLiteral("ico%1.CUR").arg(common::field(rec, CursorSpec + 3, 2));
            EXPECT_TRUE(platform::loadPicture(program(cursor)).has_value()) << cursor.toStdString();
        }
    });
    EXPECT_GT(checked, 200);
    // An illustration named by a question list is a picture of the bank too.
    for (const QList<Question>& unit : questions) {
        for (const Question& q : unit) {
            if (q.text.startsWith(QStringLiteral("picture"))) {
                EXPECT_TRUE(picture(q.text.mid(7, 6)).has_value());
            }
        }
    }
}

TEST_F(SampleInstallation, TargetsLieOnTheDesktopClearOfTheQuestionPanel)
{
    forEachStep([&](const Question&, int, const QString& rec) {
        const QString main = common::field(rec, MainRect, 20);
        if (!allZeros(main)) {
            const QRect r = rectAt(rec, MainRect);
            EXPECT_FALSE(r.isEmpty()) << main.toStdString();
            EXPECT_TRUE(Desktop.contains(r)) << main.toStdString();
            EXPECT_FALSE(r.intersects(PanelCorner)) << main.toStdString();
        }
        if (!allZeros(common::field(rec, AuxRect + 10, 10))) {
            const QRect r = rectAt(rec, AuxRect);
            EXPECT_TRUE(Desktop.contains(r));
            EXPECT_FALSE(r.intersects(PanelCorner));
        }
        if (common::leadingNumberNonZero(common::field(rec, EditRect, 20))) {
            const QRect r = rectAt(rec, EditRect);
            EXPECT_TRUE(Desktop.contains(r) && !r.isEmpty());
            EXPECT_FALSE(r.intersects(PanelCorner));
        }
        // Overlay pictures lie wholly on the screen.
        for (const int col : SlotColumns) {
            const QString code = common::field(rec, col + 10, 6);
            if (code == QStringLiteral("000000") || code == QStringLiteral("888888")) continue;
            const std::optional<platform::Picture> p = picture(code);
            ASSERT_TRUE(p.has_value());
            const QRect r(number(rec, col, 5), number(rec, col + 6, 4), p->pixmap().width() * 15,
                          p->pixmap().height() * 15);
            EXPECT_TRUE(Desktop.contains(r)) << code.toStdString();
        }
        // A hint that is placed lies on the screen.
        if (common::field(rec, HintPos, 10) != QStringLiteral("0000000000")) {
            EXPECT_TRUE(Desktop.contains(QPoint(number(rec, HintPos, 5), number(rec, HintPos + 5, 5))));
            EXPECT_NE(common::field(rec, HintLine, 3), QStringLiteral("000"));
        }
    });
}

// The hint lies on the form, below every area box: a hint placed under a box the step shows could
// not be read. Its first ten characters (the height of a line) stay clear of them.
TEST_F(SampleInstallation, HintsLieClearOfTheAreaBoxesTheirStepShows)
{
    int checked = 0;
    forEachStep([&](const Question&, int, const QString& rec) {
        if (common::field(rec, HintPos, 10) == QStringLiteral("0000000000")) return;
        const QRect hint(number(rec, HintPos, 5), number(rec, HintPos + 5, 5), 150 * 15, 22 * 15);
        const auto box = [](const hotspots::Rect& r) {
            return QRect(int(r.left), int(r.top), int(r.width), int(r.height));
        };
        QList<QRect> shown;
        const QString win = common::field(rec, common::col::WinCode, 2);
        const QChar c6 = win.isEmpty() ? QChar() : win[0];
        const int v = win.size() == 2 && win[1].isDigit() ? win[1].digitValue() : 0;
        if (c6 == u'M') shown << box(hotspots::DesktopBox);
        if (QStringLiteral("ABCDEFGO").contains(c6) && win != QStringLiteral("EE")) {
            if (c6 != u'O') shown << QRect(0, int(menus::MenuBarTop), 12000, 19 * 15);
            if (v % 2) shown << box(hotspots::ToolBox);
            if (v / 2) shown << box(hotspots::TaskPaneBox);
        }
        const QString pane = common::field(rec, common::col::PaneCode, 1);
        if (pane == QStringLiteral("P")) shown << box(hotspots::MyPcBox);
        if (pane == QStringLiteral("N")) shown << box(hotspots::DialogBox);
        for (const QRect& b : shown)
            EXPECT_FALSE(hint.intersects(b)) << rec.left(20).toStdString();
        checked += !shown.isEmpty();
    });
    EXPECT_GT(checked, 10);
}

TEST_F(SampleInstallation, JumpsStayInsideTheirQuestion)
{
    int jumps = 0;
    forEachStep([&](const Question& q, int, const QString& rec) {
        QList<int> cols{MainRect + 5};
        if (!allZeros(common::field(rec, AuxRect + 10, 10))) cols << AuxRect + 5;
        for (const int col : SlotColumns) {
            if (common::field(rec, col + 10, 6) != QStringLiteral("000000")) cols << col + 5;
        }
        for (const int col : cols) {
            const QChar j = rec.at(col - 1);
            if (j == u'0') continue;
            ++jumps;
            EXPECT_GE(jumpStep(j), 1);
            EXPECT_LE(jumpStep(j), q.records.size()) << "jump " << QString(j).toStdString();
        }
    });
    EXPECT_GT(jumps, 0);
}

TEST_F(SampleInstallation, TypedAndListStepsCannotCompleteWithoutTheCandidate)
{
    const auto entry = [&](const QString& rec, int col) {
        const int n = number(rec, col, 3);
        return n == 0 ? QString() : common::entryText(answers.value(n - 1));
    };
    forEachStep([&](const Question&, int, const QString& rec) {
        const QString action = common::field(rec, Action, 4);
        if (action.startsWith(u'L')) {
            const int line = int(common::leadingNumber(action.mid(1)));
            ASSERT_GE(line, 1);
            ASSERT_LE(line, answers.size());
            const QStringList items = common::entryText(answers[line - 1]).split(u'|');
            const int shown = number(rec, TextLine, 3);
            const int pick = number(rec, AnswerLine, 3);
            EXPECT_LT(pick, items.size());
            EXPECT_LT(shown, items.size());
            // Showing the picked entry first would complete the step during its render.
            EXPECT_NE(shown, pick);
            EXPECT_TRUE(common::leadingNumberNonZero(common::field(rec, EditRect, 20)));
        } else if (action.startsWith(QStringLiteral("002"))) {
            EXPECT_TRUE(common::leadingNumberNonZero(common::field(rec, EditRect, 20)))
                << action.toStdString();
            const QString initial = entry(rec, TextLine).section(u'|', 0, 0).trimmed();
            if (action == QStringLiteral("0023")) {
                // The text to select is the hint, and the field holds it.
                const QString wanted = entry(rec, HintLine).trimmed();
                EXPECT_FALSE(wanted.isEmpty());
                EXPECT_TRUE(initial.contains(wanted));
                return;
            }
            const QString answer = entry(rec, AnswerLine);
            ASSERT_FALSE(answer.trimmed().isEmpty()) << action.toStdString();
            // An entry without "|" is the same answer twice.
            const QString second = answer.contains(u'|') ? answer.section(u'|', 1) : answer;
            for (const QString& accepted : {answer.section(u'|', 0, 0), second})
                EXPECT_NE(initial.toLower(), accepted.trimmed().toLower());
            const bool clickCompletes = action == QStringLiteral("0022") ||
                                        action == QStringLiteral("0026") || action == QStringLiteral("0028");
            if (clickCompletes) {
                EXPECT_FALSE(allZeros(common::field(rec, MainRect, 20))) << action.toStdString();
            }
        }
    });
}

// The last release of a double click is judged against the step the double click leads to; a step
// that a plain left release on its target completes would be taken without the candidate.
TEST_F(SampleInstallation, NoStepAfterADoubleClickIsCompletedByItsLastRelease)
{
    const auto completedByLeftRelease = [](const QString& rec) {
        const QString action = common::field(rec, Action, 4);
        if (action == QStringLiteral("0001")) return true;
        bool numeric = false;
        const int code = action.toInt(&numeric);
        if (numeric && code >= 9000 && code <= 9999) return code % 1000 == 1; // left button, no keys
        // Their own rules: a right button, the double click itself, or the typed answer accepted
        // (never the initial text, checked above).
        static const QStringList ownRule = {"0002", "0003", "0022", "0026", "0028"};
        if (ownRule.contains(action)) return false;
        if (numeric && ((code >= 3000 && code <= 6000) || (code >= 8100 && code <= 8999))) return false;
        // Every other code jumps on any release by the main target's JumpChar.
        return rec.at(MainRect + 5 - 1) != u'0';
    };
    int doubleClicks = 0;
    forEachStep([&](const Question& q, int s, const QString& rec) {
        if (common::field(rec, Action, 4) != QStringLiteral("0002")) return;
        ++doubleClicks;
        const QChar j = rec.at(MainRect + 5 - 1);
        const int next = j == u'0' ? s + 2 : jumpStep(j);
        ASSERT_LE(next, q.records.size());
        const QString& after = q.records[next - 1];
        EXPECT_FALSE(completedByLeftRelease(after))
            << "step " << next << " (" << common::field(after, Action, 4).toStdString()
            << ") is taken by the double click's last release";
    });
    EXPECT_GT(doubleClicks, 0);
}

TEST_F(SampleInstallation, ContextMenuStepsPickAnItemOfTheirMenu)
{
    const QStringList menuFile = common::readTextFile(program(QStringLiteral("sMenu.sys"))).lines;
    ASSERT_EQ(menuFile.size(), 540);
    int picks = 0;
    forEachStep([&](const Question&, int, const QString& rec) {
        const int code = number(rec, Action, 4);
        if (code < 3000 || code > 6000) return;
        ++picks;
        const int group = code / 1000 - 2;
        const int set = code / 100 % 10;
        const int list = code / 10 % 10;
        const int item = code % 10;
        ASSERT_GE(set, 1);
        ASSERT_GE(list, 1);
        // Record lines of the lists 1-9 and of the captions of the cascades' lists.
        static constexpr int ItemLine[] = {0, 3, 4, 6, 7, 9, 10, 12, 14, 15};
        static constexpr int CaptionLine[] = {0, 2, 0, 5, 0, 8, 0, 11, 13, 0};
        const int offset = (group - 1) * 135 + (set - 1) * 15;
        const QString items = menuFile[offset + ItemLine[list] - 1];
        if (CaptionLine[list]) {
            EXPECT_NE(menuFile[offset + CaptionLine[list] - 1], QStringLiteral("0"));
        } else {
            EXPECT_NE(items, QStringLiteral("0"));
        }
        const QStringList split = items.split(u'|');
        ASSERT_LT(item, split.size()) << code;
        EXPECT_NE(split[item], QStringLiteral("-")) << code;
        EXPECT_FALSE(split[item].isEmpty()) << code;
        // The menu opens on a right click on the step's target.
        EXPECT_FALSE(allZeros(common::field(rec, MainRect, 20)));
    });
    EXPECT_GE(picks, 10);
}

TEST_F(SampleInstallation, ContextMenuFileHoldsFullRecordsOfAtMostTenItems)
{
    const QStringList lines = common::readTextFile(program(QStringLiteral("sMenu.sys"))).lines;
    ASSERT_EQ(lines.size(), 540);
    static constexpr int ItemLines[] = {3, 4, 6, 7, 9, 10, 12, 14, 15};
    for (int r = 0; r < 36; ++r) {
        EXPECT_FALSE(lines[r * 15].isEmpty()) << "record " << r + 1 << " has no title";
        // Items after the tenth are dropped by every reader: a line must not hold them.
        for (const int l : ItemLines)
            EXPECT_LE(lines[r * 15 + l - 1].count(u'|'), 9) << "record " << r + 1 << " line " << l;
    }
}

TEST_F(SampleInstallation, UsesEveryActionTheDesktopJudgesAndOverlayPictures)
{
    QSet<QString> codes;
    bool contextPicks = false;
    bool keyClicks = false;
    bool lists = false;
    bool overlays = false;
    bool pointers = false;
    forEachStep([&](const Question&, int, const QString& rec) {
        const QString action = common::field(rec, Action, 4);
        codes.insert(action);
        const int n = number(rec, Action, 4);
        contextPicks |= n >= 3000 && n <= 6000;
        keyClicks |= n >= 9000 && n <= 9998;
        lists |= action.startsWith(u'L');
        for (const int col : SlotColumns)
            overlays |= common::field(rec, col + 10, 6) != QStringLiteral("000000");
        pointers |= common::field(rec, CursorSpec, 1) == QStringLiteral("M");
    });
    for (const char* code : {"0001", "0002", "0003", "0020", "0021", "0022", "0023", "0024", "0025", "0026",
                             "0027", "0030", "7000", "8888", "9999"})
        EXPECT_TRUE(codes.contains(QLatin1String(code))) << code;
    // "0028" is a spreadsheet cell's: its demonstration shows an edit bar and asks for the text "in
    // the cell or the edit bar", which no window of this module has.
    EXPECT_FALSE(codes.contains(QStringLiteral("0028")));
    EXPECT_TRUE(contextPicks);
    EXPECT_TRUE(keyClicks);
    EXPECT_TRUE(lists);
    EXPECT_TRUE(overlays);
    EXPECT_TRUE(pointers);
}

// Every step judged on a hot-spot names one that its window shows and lays out within reach: the
// toolbar or a task-pane link of the window, an item of its Control Panel page, a desktop icon, a
// Start-menu item with the Start button clickable, an item of My Computer, or the object picture
// on its main target. The steps of all kinds of areas are there.
TEST_F(SampleInstallation, HotSpotStepsNameAHotSpotTheirWindowShows)
{
    using hotspots::Area;
    QSet<Area> areas;
    bool object = false, doubleClicks = false;
    forEachStep([&](const Question&, int, const QString& rec) {
        const std::optional<testkit::HotSpotStep> spot = testkit::hotSpotStep(rec);
        if (!spot) return;
        const int n = testkit::hotSpotOf(spot->id);
        const QString pane = common::field(rec, 4, 2), win = common::field(rec, 6, 2);
        const int digit = common::field(rec, 7, 1).toInt();
        doubleClicks |= spot->doubleClick;
        if (n == 0) {
            EXPECT_EQ(pane, spot->id);
            EXPECT_FALSE(allZeros(common::field(rec, MainRect, 20)));
            object = true;
            return;
        }
        const Area area = hotspots::areaOf(n);
        areas.insert(area);
        const bool window = QStringLiteral("ABCDEFGO").contains(win.left(1)) && win != QStringLiteral("EE");
        switch (area) {
        case Area::Toolbar:
            EXPECT_TRUE(window && digit % 2 == 1) << win.toStdString();
            EXPECT_LT(n, 24);
            break;
        case Area::TaskPane:
            EXPECT_TRUE(window && digit / 2 != 0) << win.toStdString();
            EXPECT_NE(hotspots::taskPaneLink(digit / 2, n).top, hotspots::TaskPaneParked);
            break;
        case Area::Dialog:
            EXPECT_EQ(pane.left(1), QStringLiteral("N"));
            EXPECT_NE(hotspots::dialogItem(pane.mid(1).toInt(), n), hotspots::DialogParked);
            break;
        case Area::Desktop:
            EXPECT_EQ(win.left(1), QStringLiteral("M"));
            EXPECT_LE(n, 65);
            break;
        case Area::StartMenu:
            EXPECT_NE(pane.mid(1, 1), QStringLiteral("F"));
            break;
        case Area::MyComputer:
            EXPECT_EQ(pane.left(1), QStringLiteral("P"));
            EXPECT_LE(n, 102);
            break;
        default:
            ADD_FAILURE() << "hot-spot " << n;
        }
    });
    for (const Area a :
         {Area::Toolbar, Area::TaskPane, Area::Dialog, Area::Desktop, Area::StartMenu, Area::MyComputer})
        EXPECT_TRUE(areas.contains(a)) << int(a);
    EXPECT_TRUE(object);
    EXPECT_TRUE(doubleClicks);
}

TEST_F(SampleInstallation, UsesEveryDragKeyAndTabStep)
{
    QSet<QString> codes;
    bool bandUpLeft = false, keyAlts = false, shortcuts = false, tabSwitch = false, tabPages = false,
         plainPress = false, auxJump = false, pictureJump = false;
    forEachStep([&](const Question&, int, const QString& rec) {
        const QString action = common::field(rec, Action, 4);
        codes.insert(action);
        const QRect from = rectAt(rec, 177), to = rectAt(rec, 66);
        if (action.startsWith(QStringLiteral("004"))) {
            // Drawn up and to the left: the band grows from its anchor the other way.
            bandUpLeft |= to.right() < from.left() && to.bottom() < from.top();
        }
        for (int c : {86, 91, 96})
            keyAlts |= common::field(rec, c, 1) == QStringLiteral("P");
        for (int c : {86, 96, 125})
            shortcuts |= common::field(rec, c, 1) == QStringLiteral("H");
        if (common::field(rec, 130, 1) == QStringLiteral("X")) {
            tabSwitch |= common::field(rec, 132, 1) != common::field(rec, 133, 1);
            const std::string_view tpl = desktop::tabTemplate(common::field(rec, 131, 1).toLatin1().at(0));
            tabPages |= !tpl.empty() && QFile::exists(data(QString::fromLatin1(tpl.substr(9, 6)) + ".rar")) &&
                        QFile::exists(data(QString::fromLatin1(tpl.substr(19, 6)) + ".rar"));
        }
        // A second target that is not the start of a band or a drag: a press on it passes the step, or
        // a release on it jumps by its own JumpChar.
        const steps::ActionKind kind = steps::actionKind(action);
        if (kind != steps::ActionKind::Band && kind != steps::ActionKind::Drag &&
            common::field(rec, 187, 10) != QStringLiteral("0000000000")) {
            plainPress |= common::field(rec, 182, 1) == QStringLiteral("0") &&
                          action != QStringLiteral("0028") &&
                          common::field(rec, 4, 2) != QStringLiteral("EE") &&
                          common::field(rec, 6, 2) != QStringLiteral("EE");
            auxJump |= common::field(rec, 182, 1) != QStringLiteral("0");
        }
        for (const int c : SlotColumns)
            pictureJump |= common::field(rec, c + 5, 1) != QStringLiteral("0") &&
                           common::field(rec, c + 10, 6) != QStringLiteral("000000");
    });
    for (const char* code : {"0040", "0041", "0050", "0052", "8001", "8002", "8003", "8004", "8006", "8007",
                             "8008", "8009", "6012", "6046"})
        EXPECT_TRUE(codes.contains(QLatin1String(code))) << code;
    EXPECT_TRUE(bandUpLeft);
    EXPECT_TRUE(keyAlts);
    EXPECT_TRUE(shortcuts);
    EXPECT_TRUE(tabSwitch);
    EXPECT_TRUE(tabPages);
    EXPECT_TRUE(plainPress);
    EXPECT_TRUE(auxJump);
    EXPECT_TRUE(pictureJump);
}

// The demonstration plays every step at the place where it acts: each action code names a kind of
// action (never "0000", which leaves the pointer where the last step left it and the step flashing
// past), and the record holds the place that kind is played at. Keys, automatic steps and the
// terminal record stand still.
TEST_F(SampleInstallation, EveryStepHasAnActionTheDemonstrationPlaysAtItsPlace)
{
    using steps::ActionKind;
    QSet<ActionKind> kinds;
    forEachStep([&](const Question&, int, const QString& rec) {
        const QString code = common::field(rec, Action, 4);
        const ActionKind kind = steps::actionKind(code);
        kinds.insert(kind);
        const bool main = !allZeros(common::field(rec, MainRect, 20));
        const bool aux = !allZeros(common::field(rec, AuxRect, 20));
        switch (kind) {
        case ActionKind::None:
            ADD_FAILURE() << "action " << code.toStdString() << " has no place to be played at";
            break;
        case ActionKind::Click:
        case ActionKind::DoubleClick:
        case ActionKind::RightClick:
        case ActionKind::PopupPick:
        case ActionKind::Hint:
            EXPECT_TRUE(main) << code.toStdString();
            break;
        case ActionKind::Band:
        case ActionKind::Drag:
            EXPECT_TRUE(main && aux) << code.toStdString();
            break;
        case ActionKind::Typing:
        case ActionKind::List:
            EXPECT_TRUE(common::leadingNumberNonZero(common::field(rec, EditRect, 20))) << code.toStdString();
            break;
        case ActionKind::ImageDrag:
            EXPECT_NE(common::field(rec, SlotColumns[4] + 10, 6), QStringLiteral("000000"));
            break;
        default:
            break;
        }
    });
    for (const ActionKind k : {ActionKind::Click, ActionKind::Key, ActionKind::Drag, ActionKind::ImageDrag})
        EXPECT_TRUE(kinds.contains(k)) << int(k);
}

// A step whose hint asks for a drag ("拖") is judged as one: a band or a drag from the second target
// onto the main target, or a drag of the picture Image5; never a click on where the drag ends. A
// drag starts on its second target without the press passing the step there ("EE"), and ends
// somewhere else.
TEST_F(SampleInstallation, StepsThatAskForADragAreJudgedAsDrags)
{
    using steps::ActionKind;
    int drags = 0;
    forEachStep([&](const Question&, int, const QString& rec) {
        const int line = number(rec, HintLine, 3);
        const QString hint = line > 0 ? common::entryText(answers.value(line - 1)) : QString();
        if (!hint.contains(u'拖')) return;
        ++drags;
        const QString code = common::field(rec, Action, 4);
        const ActionKind kind = steps::actionKind(code);
        EXPECT_TRUE(kind == ActionKind::Band || kind == ActionKind::Drag || kind == ActionKind::ImageDrag)
            << hint.toStdString() << ": " << code.toStdString();
        if (kind == ActionKind::Band || kind == ActionKind::Drag) {
            EXPECT_TRUE(common::field(rec, 4, 2) == QStringLiteral("EE") ||
                        common::field(rec, 6, 2) == QStringLiteral("EE"))
                << hint.toStdString();
            EXPECT_FALSE(rectAt(rec, AuxRect).intersects(rectAt(rec, MainRect))) << hint.toStdString();
        }
    });
    EXPECT_GE(drags, 14);
}

TEST_F(SampleInstallation, ExamSetsBuildWithTheDrillsSetBuilder)
{
    const QStringList table = common::readTextFile(data(QStringLiteral("288891.rar"))).lines;
    const int sets = int(common::leadingNumber(table[0].trimmed().left(2)));
    const int units = int(common::leadingNumber(table[0].trimmed().mid(2, 2)));
    EXPECT_GE(sets, 2);
    EXPECT_EQ(units, questions.size());
    ASSERT_EQ(table.size(), sets + 2);
    for (int u = 0; u < units; ++u)
        EXPECT_EQ(int(common::leadingNumber(table[1].mid(2 * u, 2))), questions[u].size());

    common::DrillState& state = common::drill();
    state.resetAll();
    state.dataPath = info->dataPath;
    for (int s = 0; s < sets; ++s) {
        SCOPED_TRACE(s);
        const QString codes = table[s + 2];
        ASSERT_EQ(codes.size(), 160);
        QSet<QString> distinct;
        int steps = 0;
        for (int i = 1; i <= 40; ++i) {
            const std::optional<drill::QuestionCode> code = drill::codeAt(codes, i);
            ASSERT_TRUE(code.has_value());
            ASSERT_LT(code->unit, questions.size());
            ASSERT_GE(code->question, 1);
            ASSERT_LE(code->question, questions[code->unit].size());
            distinct.insert(codes.mid(4 * (i - 1), 4));
            steps += int(questions[code->unit][code->question - 1].records.size());
        }
        EXPECT_EQ(distinct.size(), 40);
        const drill::Outcome built = drill::copyShiTI(codes, 40, s);
        ASSERT_TRUE(built.ok()) << built.failure.toStdString();
        EXPECT_EQ(common::readTextFile(common::bankFile(info->dataPath, 50 + s)).lines.size(), 40);
        EXPECT_EQ(common::readTextFile(common::bankFile(info->dataPath, s)).lines.size(), steps);
        QFile::remove(common::bankFile(info->dataPath, s));
        QFile::remove(common::bankFile(info->dataPath, 50 + s));
    }
    state.resetAll();
}

TEST_F(SampleInstallation, ChromePicturesFitTheBoxesOfTheDesktop)
{
    const struct {
        const char* name;
        QSize size;
    } cases[] = {{"1100W1", {798, 39}},    {"1100W2", {798, 39}},    {"41A001", {197, 445}},
                 {"41A004", {197, 445}},   {"NN0000", {800, 457}},   {"NN0001", {800, 457}},
                 {"PicTable", {800, 566}}, {"PicStart", {378, 479}}, {"PicMyPc", {590, 458}},
                 {"E00000", {216, 19}},    {"610099", {52, 62}},     {"710088", {176, 24}},
                 {"950099", {132, 26}},    {"110099", {79, 38}}};
    for (const auto& c : cases) {
        const std::optional<platform::Picture> p =
            platform::loadPicture(program(QStringLiteral("examdata/%1.rar").arg(QLatin1String(c.name))));
        ASSERT_TRUE(p.has_value()) << c.name;
        EXPECT_EQ(p->pixmap().size(), c.size) << c.name;
    }
    for (int page = 1; page <= 17; ++page) {
        const std::optional<platform::Picture> p =
            platform::loadPicture(data(QStringLiteral("9l00%1.rar").arg(page, 2, 10, QLatin1Char('0'))));
        ASSERT_TRUE(p.has_value()) << page;
        EXPECT_EQ(p->pixmap().size(), QSize(798, 545));
    }
}

// The drop-down pictures are drawn where the desktop lays its row labels: every label lies inside
// its panel picture, and every row's hovered look is exactly as large as the label it lies under,
// in whole pixels.
TEST_F(SampleInstallation, DropDownPicturesHoldTheRowsTheDesktopLaysOverThem)
{
    const auto load = [&](const QString& name) {
        return platform::loadPicture(program(QStringLiteral("examdata/") + name + QStringLiteral(".rar")));
    };
    int drawn = 0;
    for (const sample::DropDownDef& d : sample::dropDowns()) {
        SCOPED_TRACE(d.id.toStdString());
        const bool third = d.id.startsWith(QStringLiteral("SS0"));
        const int r2 = third ? d.id.mid(3).toInt() : 0;
        QList<menus::Box> rows;
        QString panel;
        if (third) {
            const auto r = menus::thirdLevelRows(1, 1);
            rows = QList<menus::Box>(r.begin() + 1, r.end());
            panel = menus::thirdLevelPanel(r2);
        } else if (d.id.size() == 4) {
            const auto r = menus::secondLevelRows(d.id, 1, 1);
            rows = QList<menus::Box>(r.begin() + 1, r.end());
            panel = menus::secondLevelPanel(d.id);
        } else {
            const auto r = menus::firstLevelRows(d.id, 1, 1);
            rows = QList<menus::Box>(r.begin() + 1, r.end());
            panel = menus::firstLevelPanel(d.id);
        }
        const std::optional<platform::Picture> p = load(panel);
        ASSERT_TRUE(p.has_value()) << panel.toStdString();
        const QRectF area(QPointF(0, 0), QSizeF(p->pixmap().size()) * 15);
        for (int i = 1; i <= d.rows.size(); ++i) {
            const menus::Box& b = rows[i - 1];
            ASSERT_NE(b, menus::Parked) << "row " << i << " has no label";
            EXPECT_TRUE(area.contains(QRectF(b.left, b.top, b.width, b.height))) << "row " << i;
            const QString hover = third              ? menus::thirdLevelRowPicture(r2, i)
                                  : d.id.size() == 4 ? menus::secondLevelRowPicture(d.id, i)
                                                     : menus::firstLevelRowPicture(d.id, i, d.id.front());
            const std::optional<platform::Picture> h = load(hover);
            ASSERT_TRUE(h.has_value()) << hover.toStdString();
            // The whole pixels the label covers (the Views menu's rows are 2560 twips, 170 pixels and
            // a third).
            const QSizeF whole(std::floor(b.width / 15) * 15, std::floor(b.height / 15) * 15);
            EXPECT_EQ(QSizeF(h->pixmap().size()) * 15, whole) << hover.toStdString();
        }
        if (d.rows.size() < rows.size()) {
            EXPECT_EQ(rows[d.rows.size()], menus::Parked) << "more labels than drawn rows";
        }
        ++drawn;
    }
    EXPECT_GE(drawn, 10);
}

// Every drop-down the sample's windows let a click or right click open has its panel drawn: the
// object menus of the desktop icons, the bare areas, the Start button and its My Recent Documents,
// the toolbar's Views button, My Computer's items and the object picture the unit shows, besides
// the menus of the folder window, Notepad and the Sound Recorder (window E, which the unit of
// drags and keys names).
TEST_F(SampleInstallation, EveryDropDownTheWindowsCanOpenIsDrawn)
{
    for (const char* id : {"61", "62", "63", "64", "65", "25", "69", "70", "23", "Z3", "92", "93", "94",
                           "95", "96", "97", "98", "99", "Z0", "S3", "80", "84", "A1", "A2", "A3", "A4",
                           "A5", "A6", "B1", "B2", "B3", "B4", "B5", "E1", "E2", "E3", "E4"}) {
        const QString panel = menus::firstLevelPanel(QString::fromLatin1(id));
        EXPECT_TRUE(
            platform::loadPicture(program(QStringLiteral("examdata/") + panel + QStringLiteral(".rar"))))
            << id;
    }
}

// Every drawn row's caption can be read whole in the row the desktop lays over it.
TEST_F(SampleInstallation, DrawnRowCaptionsFitTheirRows)
{
    for (const sample::DropDownDef& d : sample::dropDowns()) {
        const bool third = d.id.startsWith(QStringLiteral("SS0"));
        const auto first = menus::firstLevelRows(d.id, 1, 1);
        const auto second = menus::secondLevelRows(d.id, 1, 1);
        const auto deepest = menus::thirdLevelRows(1, 1);
        for (int i = 1; i <= d.rows.size(); ++i) {
            const menus::Box& b = third              ? deepest[size_t(i)]
                                  : d.id.size() == 4 ? second[size_t(i)]
                                                     : first[size_t(i)];
            QString caption = d.rows[i - 1];
            caption.remove(QStringLiteral(" >"));
            EXPECT_LE(sample::xp::textWidth(caption) + 6 + 16, int(b.width) / 15)
                << d.id.toStdString() << " row " << i << " " << caption.toStdString();
        }
    }
}

// The captions of a drawn drop-down stand in one column: the first inked column of every row's
// caption is the same in all its rows, within the glyphs' own side bearings (a Latin capital and a
// Chinese character begin a few pixels apart; the check-mark column is 18 pixels wide).
TEST_F(SampleInstallation, DrawnRowCaptionsStandInOneColumn)
{
    int panels = 0;
    for (const sample::DropDownDef& d : sample::dropDowns()) {
        SCOPED_TRACE(d.id.toStdString());
        const bool third = d.id.startsWith(QStringLiteral("SS0"));
        const QString panel = third              ? menus::thirdLevelPanel(d.id.mid(3).toInt())
                              : d.id.size() == 4 ? menus::secondLevelPanel(d.id)
                                                 : menus::firstLevelPanel(d.id);
        const std::optional<platform::Picture> p =
            platform::loadPicture(program(QStringLiteral("examdata/") + panel + QStringLiteral(".rar")));
        ASSERT_TRUE(p.has_value()) << panel.toStdString();
        const QImage img = p->pixmap().toImage();
        const auto first = menus::firstLevelRows(d.id, 1, 1);
        const auto second = menus::secondLevelRows(d.id, 1, 1);
        const auto deepest = menus::thirdLevelRows(1, 1);
        int lowest = 1 << 20, highest = -1;
        for (int i = 1; i <= d.rows.size(); ++i) {
            const menus::Box& b = third              ? deepest[size_t(i)]
                                  : d.id.size() == 4 ? second[size_t(i)]
                                                     : first[size_t(i)];
            const QRect row(int(b.left) / 15, int(b.top) / 15, int(b.width) / 15, int(b.height) / 15);
            int ink = -1;
            for (int x = row.left() + 1; x < row.right() && ink < 0; ++x) {
                for (int y = row.top() + 2; y < row.bottom() - 1; ++y) {
                    if (img.rect().contains(x, y) && qGray(img.pixel(x, y)) < 100) {
                        ink = x;
                        break;
                    }
                }
            }
            ASSERT_GE(ink, 0) << "row " << i << " shows no caption";
            lowest = std::min(lowest, ink - row.left());
            highest = std::max(highest, ink - row.left());
        }
        EXPECT_LE(highest - lowest, 8);
        ++panels;
    }
    EXPECT_GE(panels, 10);
}

// A drawn row shows a cascade arrow exactly when the desktop opens a sub-menu for it, and that
// sub-menu is drawn too.
TEST_F(SampleInstallation, DrawnCascadesAreTheSubMenusTheDesktopOpens)
{
    for (const sample::DropDownDef& d : sample::dropDowns()) {
        if (d.id.startsWith(QStringLiteral("SS0"))) continue;
        for (int i = 1; i <= d.rows.size(); ++i) {
            SCOPED_TRACE(QStringLiteral("%1 row %2").arg(d.id).arg(i).toStdString());
            QString next;
            if (d.id.size() == 2 && menus::hasSecondLevel(menus::secondLevelKey(d.id, i)))
                next = menus::secondLevelKey(d.id, i);
            else if (d.id.size() == 4 && menus::opensThirdLevel(d.id.left(2), d.id.mid(2).toInt(), i))
                next = QStringLiteral("SS0") + QString::number(i);
            EXPECT_EQ(d.rows[i - 1].endsWith(QStringLiteral(" >")), !next.isEmpty());
            if (!next.isEmpty()) {
                EXPECT_FALSE(sample::dropDownRows(next).isEmpty()) << next.toStdString();
            }
        }
    }
}

// Every menu step names a path through drawn drop-downs: rows that exist, sub-menus that open.
TEST_F(SampleInstallation, MenuStepsPickRowsOfDrawnDropDowns)
{
    int levels[4] = {};
    forEachStep([&](const Question&, int, const QString& rec) {
        if (common::field(rec, Action, 4) != QStringLiteral("7000")) return;
        if (testkit::hotSpotStep(rec)) return; // a click on a hot-spot: no drop-down
        const QString path = common::field(rec, common::col::TargetC, 10);
        ASSERT_TRUE(path.startsWith(u'H')) << path.toStdString();
        const QString id = path.mid(1, 2);
        const int r1 = path.mid(3, 2).toInt(), r2 = path.mid(5, 2).toInt(), r3 = path.mid(7, 2).toInt();
        // Menu-bar menus lie in a window with that menu bar; All Programs on the bare desktop; the
        // desktop's own menu over the desktop's box.
        if (id == QStringLiteral("69")) {
            EXPECT_EQ(common::field(rec, common::col::WinCode, 1), QStringLiteral("M"));
        } else if (id != QStringLiteral("84")) {
            EXPECT_EQ(common::field(rec, common::col::WinCode, 1), id.left(1));
        }
        ASSERT_GE(r1, 1);
        EXPECT_LE(r1, sample::dropDownRows(id).size());
        const QString key = menus::secondLevelKey(id, r1);
        if (r2 == 0) {
            EXPECT_FALSE(menus::hasSecondLevel(key)) << "a row with a sub-menu is picked by its sub-menu";
            ++levels[1];
            return;
        }
        ASSERT_TRUE(menus::hasSecondLevel(key)) << key.toStdString();
        EXPECT_LE(r2, sample::dropDownRows(key).size());
        if (r3 == 0) {
            EXPECT_FALSE(menus::opensThirdLevel(id, r1, r2));
            ++levels[2];
            return;
        }
        ASSERT_TRUE(menus::opensThirdLevel(id, r1, r2));
        EXPECT_LE(r3, sample::dropDownRows(QStringLiteral("SS0") + QString::number(r2)).size());
        ++levels[3];
    });
    EXPECT_GT(levels[1], 0);
    EXPECT_GT(levels[2], 0);
    EXPECT_GT(levels[3], 0);
}

// The desktop pictures that a step lets the candidate open, found from the desktop's tables alone:
// the menu bar's titles of the window's application letter, the toolbar's Views button and its
// bare area, the desktop's icons and bare area, My Computer's items and bare area, the step's object
// picture, the Start menu with its two cascades and its button's menu, and every menu a target names.
// Each drop-down brings its panel, the hovered look of each of its rows, and the sub-menus its rows
// open, to the third level.
QSet<QString> deskPicturesOfStep(const QString& rec)
{
    QSet<QString> names;
    QStringList menuIds;
    const QString pane = common::field(rec, common::col::PaneCode, 2);
    const QString win = common::field(rec, common::col::WinCode, 2);
    const QChar letter = win.isEmpty() ? QChar() : win.front();
    const bool window = QStringLiteral("ABCDEFGO").contains(letter) && win != QStringLiteral("EE");
    if (window && letter != u'O') {
        names << QString(letter) + QStringLiteral("00000");
        for (int t = menus::FirstTitleHotSpot; t <= menus::LastTitleHotSpot; ++t) {
            const QString id = QString(letter) + QString::number(t);
            if (!menus::menuEntry(id)) continue;
            names << id + QStringLiteral("0088");
            menuIds << id;
        }
    }
    if (window && common::fieldNumber(rec, common::col::WinCode + 1, 1).value_or(0) % 2 == 1) {
        for (const hotspots::Spot& s : hotspots::Toolbar) {
            if (s.n > 23) continue;
            names << QString::number(s.n) + QStringLiteral("0088")
                  << QString::number(s.n) + QStringLiteral("0099");
        }
        menuIds << QStringLiteral("23") << QStringLiteral("25");
    }
    if (letter == u'M') {
        for (int n = 61; n <= 65; ++n) {
            names << QString::number(n) + QStringLiteral("0099");
            menuIds << QString::number(n);
        }
        menuIds << QStringLiteral("69");
    }
    if (pane.startsWith(u'P')) {
        for (int n = 92; n <= 102; ++n)
            names << (n >= 100 ? QStringLiteral("Z%1").arg(n % 10) : QString::number(n)) +
                         QStringLiteral("0099");
        for (int n = 92; n <= 99; ++n)
            menuIds << QString::number(n);
        menuIds << QStringLiteral("Z0") << QStringLiteral("Z3");
    }
    if (QStringList{"S1", "S2", "S3", "S5", "S6", "S7", "S8", "S9"}.contains(pane)) menuIds << pane;
    const bool startButton = common::field(rec, common::col::PaneCode + 1, 1) != QStringLiteral("F") &&
                             common::field(rec, common::col::Action, 4) != QStringLiteral("9999");
    if (startButton) {
        names << QStringLiteral("PicStart");
        for (const hotspots::Spot& s : hotspots::StartMenu)
            names << QString::number(s.n) + QStringLiteral("0088");
        menuIds << QStringLiteral("70") << QStringLiteral("80") << QStringLiteral("84");
    }
    for (const int slot : {common::col::TargetC, common::col::TargetA, common::col::TargetB}) {
        const QString t = common::field(rec, slot, 10);
        if (t.size() == 10 && t.startsWith(u'H') && menus::menuEntry(t.mid(1, 2))) menuIds << t.mid(1, 2);
    }

    for (const QString& id : menuIds) {
        const menus::MenuEntry* e = menus::menuEntry(id);
        if (!e) continue;
        names << menus::firstLevelPanel(id);
        const auto rows1 = menus::firstLevelRows(id, 1, 1);
        for (int r1 = 1; r1 <= menus::MaxRows1; ++r1) {
            if (rows1[size_t(r1)] == menus::Parked) continue;
            names << menus::firstLevelRowPicture(id, r1, letter);
            const QString key = menus::secondLevelKey(id, r1);
            if (!menus::hasSecondLevel(key)) continue;
            names << menus::secondLevelPanel(key);
            const auto rows2 = menus::secondLevelRows(key, 1, 1);
            for (int r2 = 1; r2 <= menus::MaxRows2; ++r2) {
                if (rows2[size_t(r2)] == menus::Parked) continue;
                names << menus::secondLevelRowPicture(key, r2);
                if (!menus::opensThirdLevel(id, r1, r2)) continue;
                names << menus::thirdLevelPanel(r2);
                for (int r3 = 1; r3 <= menus::MaxRows3; ++r3)
                    names << menus::thirdLevelRowPicture(r2, r3);
            }
        }
    }
    return names;
}

// Every desktop picture the steps of the sample let a candidate open is installed.
TEST_F(SampleInstallation, ShipsEveryDesktopPictureItsStepsCanOpen)
{
    QSet<QString> needed;
    forEachStep([&](const Question&, int, const QString& rec) { needed.unite(deskPicturesOfStep(rec)); });
    QStringList missing;
    for (const QString& name : needed) {
        if (!QFile::exists(program(QStringLiteral("examdata/") + name + QStringLiteral(".rar"))))
            missing << name;
    }
    missing.sort();
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " of " << needed.size()
                                   << " missing: " << missing.join(QLatin1Char(' ')).toStdString();
    // The steps show the windows with menus, the desktop, My Computer and the Start menu.
    for (const char* name : {"800077", "840077", "SS0477", "A10077", "B10077", "690077", "Z30077", "230077"})
        EXPECT_TRUE(needed.contains(QLatin1String(name))) << name;
}

// A task-pane link's text begins where the desktop draws the underline of the hovered link, 645
// twips (43 pixels) into the pane: no text stands left of it, and the first character touches it.
TEST_F(SampleInstallation, TaskPaneLinkTextStartsWhereItsUnderlineStarts)
{
    const int underline = 645 / 15;
    for (int code = 1; code <= 4; ++code) {
        const std::optional<platform::Picture> p =
            platform::loadPicture(program(QStringLiteral("examdata/41A00%1.rar").arg(code)));
        ASSERT_TRUE(p.has_value()) << code;
        const QImage img = p->pixmap().toImage();
        int links = 0;
        for (int n = 26; n <= 37; ++n) {
            const hotspots::Rect link = hotspots::taskPaneLink(code, n);
            if (link.top == hotspots::TaskPaneParked) continue;
            SCOPED_TRACE(testing::Message() << "pane " << code << " link " << n);
            // The first column right of the icon with a pixel of the link's blue text in the first line
            // (much darker than the group's pale body, which the picture's compression leaves a
            // little uneven).
            int first = -1;
            const int top = int(link.top) / 15;
            for (int x = underline - 3; x < underline + 20 && first < 0; ++x) {
                for (int y = top + 2; y < top + 16; ++y) {
                    const QColor c = img.pixelColor(x, y);
                    if (c.red() < 0xA0 && c.blue() > c.red() + 0x20) {
                        first = x;
                        break;
                    }
                }
            }
            if (first < 0) continue; // a link this pane does not draw
            EXPECT_GE(first, underline);
            EXPECT_LE(first, underline + 2);
            ++links;
        }
        EXPECT_GE(links, 5);
    }
}

// A task-pane link's text is never cut at the right: its last line ends before the edge of the box
// it is drawn in (187 pixels into the pane), so no blue of it stands in the box's last columns.
TEST_F(SampleInstallation, TaskPaneLinkTextsEndInsideThePane)
{
    for (int code = 1; code <= 4; ++code) {
        const std::optional<platform::Picture> p =
            platform::loadPicture(program(QStringLiteral("examdata/41A00%1.rar").arg(code)));
        ASSERT_TRUE(p.has_value()) << code;
        const QImage img = p->pixmap().toImage();
        for (int n = 26; n <= 37; ++n) {
            const hotspots::Rect link = hotspots::taskPaneLink(code, n);
            if (link.top == hotspots::TaskPaneParked) continue;
            SCOPED_TRACE(testing::Message() << "pane " << code << " link " << n);
            const int top = int(link.top) / 15;
            for (int x = 184; x < 187; ++x) {
                for (int y = top + 2; y < top + int(link.height) / 15; ++y) {
                    const QColor c = img.pixelColor(x, y);
                    EXPECT_FALSE(c.red() < 0xA0 && c.blue() > c.red() + 0x20) << x << "," << y;
                }
            }
        }
    }
}

// Each item of My Computer, the CD drive among them, has a pressed look of its own: the picture
// laid over it when it is clicked differs clearly from the box's picture under it.
TEST_F(SampleInstallation, MyComputerItemsLookPressedWhenClicked)
{
    const std::optional<platform::Picture> box =
        platform::loadPicture(program(QStringLiteral("examdata/PicMyPc.rar")));
    ASSERT_TRUE(box.has_value());
    const QImage normal = box->pixmap().toImage();
    for (const hotspots::Spot& s : hotspots::MyComputer) {
        const QString code = s.n >= 100 ? QStringLiteral("Z%1").arg(s.n % 10) : QString::number(s.n);
        SCOPED_TRACE(code.toStdString());
        const std::optional<platform::Picture> look =
            platform::loadPicture(program(QStringLiteral("examdata/") + code + QStringLiteral("0099.rar")));
        ASSERT_TRUE(look.has_value());
        const QImage pressed = look->pixmap().toImage();
        const QRect at(int(s.r.left) / 15, int(s.r.top) / 15, pressed.width(), pressed.height());
        ASSERT_TRUE(normal.rect().contains(at));
        // Pixels that changed markedly (beyond the pictures' compression noise).
        int changed = 0;
        for (int y = 0; y < pressed.height(); ++y) {
            for (int x = 0; x < pressed.width(); ++x) {
                const QColor a = pressed.pixelColor(x, y), b = normal.pixelColor(at.topLeft() + QPoint(x, y));
                changed += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) > 40;
            }
        }
        EXPECT_GT(changed, pressed.width() * pressed.height() / 3);
    }
}

TEST_F(SampleInstallation, CursorFilesAreCursorsWithTheirHotSpots)
{
    const struct {
        int number;
        QPoint hotSpot;
    } cases[] = {{0, {0, 0}}, {1, {6, 0}}, {2, {16, 16}}, {3, {16, 16}}, {4, {0, 0}}};
    for (const auto& c : cases) {
        const std::optional<platform::Picture> p = platform::loadPicture(
            program(QStringLiteral("ico%1.CUR").arg(c.number, 2, 10, QLatin1Char('0'))));
        ASSERT_TRUE(p.has_value()) << c.number;
        EXPECT_TRUE(p->isCursor());
        EXPECT_EQ(p->hotSpot(), c.hotSpot) << c.number;
        EXPECT_EQ(p->pixmap().size(), QSize(32, 32));
        // Transparent around the pointer, and the hot-spot on the pointer drawn.
        const QImage img = p->pixmap().toImage();
        EXPECT_EQ(qAlpha(img.pixel(31, 0)), 0);
        EXPECT_EQ(qAlpha(img.pixel(c.hotSpot)), 255) << c.number;
    }
}

TEST_F(SampleInstallation, TextFilesAreGbkWithCrLfInTheirStoredForms)
{
    const QString bank = sample::sampleModuleInfo().dataFolder + QLatin1Char('/');
    // Whole files whose bytes are fixed.
    const struct {
        QString file;
        QByteArray bytes;
    } exact[] = {
        {QStringLiteral("tessaly.txt"), "0\r\n"},
        {bank + QStringLiteral("288892.rar"), "1\r\n"},
        {bank + QStringLiteral("288897.rar"), "0\r\n"},
        {bank + QStringLiteral("288899.rar"), "7\r\n"},
        {bank + QStringLiteral("288894.rar"), "\r\n\r\n\r\n\r\n"},
        {QStringLiteral("ksdata/288893.rar"), "FFFFFFFFFFFF\r\nFFFFFFFFFFFF\r\nFFFFFFFFFFFF\r\nFFFFFFFFFFFF\r"
                                              "\nFFFFFFFFFFFFF\r\nFFFFFFFFFF\r\nFFFFFFFFFFFFF\r\n\r\n"},
        {QStringLiteral("ksdata/208801.rar"), QByteArray(40, '0') + "\r\n\r\n"},
        {QStringLiteral("ksdata/218802.rar"), QByteArray(40, '0') + "\r\n\r\n"},
        {QStringLiteral("ksdata/182400.rar"), "\r\n\r\n"},
        {QStringLiteral("ksdata/288892.rar"), QByteArray("\r\n").repeated(10)},
    };
    for (const auto& e : exact)
        EXPECT_EQ(readBytes(program(e.file)), e.bytes) << e.file.toStdString();

    // Every text file: GBK throughout, every line ended by CR LF and nothing else.
    QStringList files{program(QStringLiteral("ver.txt")), program(QStringLiteral("sMenu.sys"))};
    for (const QString& name : QDir(info->dataPath).entryList({QStringLiteral("2888*.rar")}, QDir::Files))
        files << data(name);
    for (const QString& name : QDir(program(QStringLiteral("ksdata"))).entryList(QDir::Files))
        files << program(QStringLiteral("ksdata/") + name);
    for (const QString& f : files) {
        SCOPED_TRACE(f.toStdString());
        const QByteArray bytes = readBytes(f);
        ASSERT_TRUE(bytes.endsWith("\r\n"));
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
        EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
        const std::optional<QString> text = common::decodeGbk(bytes);
        ASSERT_TRUE(text.has_value());
        // Read and written back the lines give the same bytes: the stored form, byte for byte.
        const common::TextReadResult read = common::readTextFile(f);
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(common::encodeGbk(read.lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")), bytes);
    }
    // The question lists hold Chinese text, written in GBK.
    const QByteArray list = readBytes(common::bankFile(info->dataPath, 70));
    EXPECT_TRUE(list.contains(*common::encodeGbk(QStringLiteral("在桌面上新建一个名为“练习”的文件夹。"))));
}

TEST_F(SampleInstallation, RegenerationKeepsTheCandidatesFilesAndRestoresTheShippedOnes)
{
    // An installation in use: a copy of the generated one.
    QTemporaryDir dir;
    copyFolder(SampleInstallation::dir->path(), dir.path());
    QString error;
    const QString bank = common::joinPath(dir.path(), sample::sampleModuleInfo().dataFolder);
    const auto at = [&](const QString& name) { return common::joinPath(dir.path(), name); };

    // Files the program and the candidate change: progress, start flag, launch counter, login
    // times and the auto-update setting.
    const QList<std::pair<QString, QByteArray>> kept{
        {at(QStringLiteral("ksdata/288893.rar")),
         "TTFFFFFFFFFF\r\nFFFFFFFFFFFF\r\nFFFFFFFFFFFF\r\nFFFFFFFFFFFF\r\n\r\n"},
        {at(QStringLiteral("ksdata/208801.rar")), "5100000000000000000000000000000000000000\r\n\r\n"},
        {at(QStringLiteral("ksdata/182400.rar")), "00010203\r\n\r\n"},
        {at(QStringLiteral("ksdata/288892.rar")), "2024-06-01 10:00:00\r\n95\r\n\r\n"},
        {common::bankFile(bank, 97), "12\r\n"},
        {common::bankFile(bank, 94), "2024-06-01 09:59:00\r\n\r\n\r\n\r\n"},
        {at(QStringLiteral("tessaly.txt")), "1\r\n"},
    };
    for (const auto& [path, bytes] : kept)
        writeBytes(path, bytes);
    // Files that ship with the installation are written anew.
    const QByteArray setTable = readBytes(common::bankFile(bank, 91));
    const QByteArray menus = readBytes(at(QStringLiteral("sMenu.sys")));
    writeBytes(common::bankFile(bank, 91), "0000\r\n");
    QFile::remove(at(QStringLiteral("sMenu.sys")));
    // A picture that the bank no longer names goes away.
    writeBytes(common::joinPath(bank, QStringLiteral("P99999.rar")), "old");
    // A progress file that went missing is created again.
    const QByteArray states = readBytes(at(QStringLiteral("ksdata/208802.rar")));
    QFile::remove(at(QStringLiteral("ksdata/208802.rar")));

    ASSERT_TRUE(sample::generateInstallation(dir.path(), &error)) << error.toStdString();
    for (const auto& [path, bytes] : kept)
        EXPECT_EQ(readBytes(path), bytes) << path.toStdString();
    EXPECT_EQ(readBytes(common::bankFile(bank, 91)), setTable);
    EXPECT_EQ(readBytes(at(QStringLiteral("sMenu.sys"))), menus);
    EXPECT_EQ(readBytes(at(QStringLiteral("ksdata/208802.rar"))), states);
    EXPECT_FALSE(QFile::exists(common::joinPath(bank, QStringLiteral("P99999.rar"))));
}

} // namespace
