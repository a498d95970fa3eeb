// The sample's questions on the candidate's desktop, as a new candidate meets them: every typing
// step is solved by typing what its hint says into the field it shows, and every step shows what it
// did, unless its action is one that changes nothing a candidate could see.
#include <QFile>
#include <QHash>
#include <QImage>
#include <QStringList>

#include "common/record.h"
#include "common/text_file.h"
#include "desktop/test_practice_fixture.h"
#include "platform/keys.h"
#include "sample/generator.h"
#include "sample/menu_pictures.h"
#include "steps/completion.h"
#include "steps/menu_tables.h"
#include "steps/smenu.h"
#include "steps/step.h"

namespace {

using steps::ActionKind;

class SampleOnTheDesktop : public practice::Practice {
protected:
    // The records of question q of the drill.
    static QStringList recordsOf(int q)
    {
        const auto& d = common::drill();
        const QStringList lines = common::readTextFile(d.stepPath).lines;
        return lines.mid(d.tmStart[q] - 1, d.tmStart[q + 1] - d.tmStart[q]);
    }

    static QString where(int unit, int q, int step, const QString& what)
    {
        return QStringLiteral("第%1单元 Q%2 s%3 (%4)").arg(unit + 1).arg(q).arg(step).arg(what);
    }

    testkit::TempProgramFolder prog;
};

// A step that asks for typed text (not a selection in the field).
bool asksForText(const QString& rec)
{
    const QString code = steps::Step(rec).action();
    return steps::actionKind(code) == ActionKind::Typing && code != QLatin1String("0023");
}

// What a candidate does who reads the prompt: a click into the field the step shows unless it has
// the keys already, the first accepted answer typed key by key (never selecting what the field
// holds), then Enter where the prompt asks for it, a click on the red box where it asks for that.
void typeAsThePromptSays(FrmMain& f)
{
    const QString code = steps::Step(common::drill().stepRec).action();
    platform::TextBox& field = code == QLatin1String("0021")   ? f.Text2
                               : code == QLatin1String("0027") ? f.Text3
                                                               : f.Text1;
    ASSERT_TRUE(field.Visible()) << "no field to type into";
    if (f.hostWidget()->focusWidget() != field.widget()) testkit::click(field);
    const int step = common::drill().dqStep;
    for (const QChar c : testkit::entry(common::col::AnswerLine).section(QLatin1Char('|'), 0, 0)) {
        testkit::type(f, QString(c));
        if (common::drill().dqStep != step) return;
    }
    const std::optional<steps::TypedTextPrompt> prompt = steps::typedTextPrompt(code, false);
    if (!prompt || QString::fromUtf8(prompt->after).contains(QStringLiteral("回车")))
        testkit::key(f, platform::vbKeyReturn);
    else if (prompt->framed)
        testkit::click(f.Label1);
}

TEST_F(SampleOnTheDesktop, TypingWhatThePromptSaysSolvesEveryTypingStep)
{
    int typed = 0;
    QStringList unsolved;
    forEachSampleUnit(prog.path(), [&](int unit) {
        auto& d = common::drill();
        const int questions = d.tmCount;
        for (int q = 1; q <= questions; ++q) {
            const QStringList records = recordsOf(q);
            if (std::none_of(records.begin(), records.end(), asksForText)) continue;
            SCOPED_TRACE(testing::Message() << "question " << q);
            choose(q);
            rendered();
            testkit::Solver solver(desk(), time.clock());
            for (int i = 0; i < 40 && testkit::recCol(8, 4) != QLatin1String("9999"); ++i) {
                const QString rec = d.stepRec;
                if (!asksForText(rec)) {
                    ASSERT_TRUE(solver.solveStepAsRecorded());
                    continue;
                }
                const int step = d.dqStep, expected = testkit::Solver::nextStep(rec, step);
                typeAsThePromptSays(desk());
                ++typed;
                if (d.dqStep == expected) continue;
                unsolved << where(unit, q, step, steps::Step(rec).action()) +
                                QStringLiteral(": the field reads ") + desk().Text1.Text() + u'/' +
                                desk().Text2.Text() + u'/' + desk().Text3.Text();
                break;
            }
        }
    });
    EXPECT_TRUE(unsolved.isEmpty()) << unsolved.join(u'\n').toStdString();
    EXPECT_GE(typed, 15);
}

// ---- Every step shows what it did ---------------------------------------------------------------

// The name of what a step asks for, as the allow-list below names actions: "8888" for an automatic
// step, a key ("Ctrl+C", "Tab"), the item picked in a context menu or a drop-down ("复制(C)"), else
// the action code.
QString keyName(int code)
{
    const auto [vk, shift] = testkit::keyOfCode(QString::number(code));
    QString name =
        QString(shift & 2 ? "Ctrl+" : "") + (shift & 4 ? "Alt+" : "") + (shift & 1 ? "Shift+" : "");
    if (vk >= 'A' && vk <= 'Z') return name + QChar(vk);
    if (vk >= 112 && vk <= 123) return name + QStringLiteral("F%1").arg(vk - 111);
    static const QHash<int, QString> named{{9, "Tab"}, {13, "Enter"}, {27, "Esc"}, {46, "Delete"}};
    return name + named.value(vk, QString::number(vk));
}

QString actionName(const steps::Step& s)
{
    const QString code = s.action();
    switch (s.kind()) {
    case ActionKind::Auto:
        return code;
    case ActionKind::Key:
        if (const std::optional<qint16> n = s.actionNumber()) return keyName(*n);
        return code;
    case ActionKind::PopupPick: {
        const int n = s.actionNumber().value_or(0);
        const smenu::ReadResult menu =
            smenu::readRecord(smenu::filePath(), n, smenu::setDigit(steps::popupCodeOf(code)));
        const smenu::ListLines lines = smenu::listLines(smenu::listDigit(n));
        if (!menu.ok || smenu::listDigit(n) < 1) return code;
        return smenu::splitItems(menu.record[lines.items]).value(smenu::itemDigit(n), code);
    }
    case ActionKind::Menu: {
        const steps::MenuPath path = s.menuPath();
        if (path.row1 == 0) return QStringLiteral("hot-spot ") + path.menuId;
        QString id = path.menuId;
        int row = path.row1;
        if (path.row2 > 0) {
            id = menus::secondLevelKey(path.menuId, path.row1);
            row = path.row2;
        }
        if (path.row3 > 0) {
            id = QStringLiteral("SS0%1").arg(path.row2);
            row = path.row3;
        }
        return sample::dropDownRows(id).value(row - 1, code).remove(QStringLiteral(" >"));
    }
    default:
        return code;
    }
}

// The actions that change nothing a candidate could see, with the reason for each. Every other
// completed step leads to a record whose scene differs from its own.
const QHash<QString, QString>& unseenActions()
{
    static const QHash<QString, QString> list{
        {"8888", "an automatic step: the candidate does nothing; it shows, while it waits, what the "
                 "step before it did"},
        {"Ctrl+C", "a copy: the clipboard is not drawn"},
        {"复制(C)", "a copy: the clipboard is not drawn"},
        {"Tab", "Tab moves the keyboard focus, which the pictures do not draw"},
        {"刷新(E)", "a refresh draws the same desktop again"},
    };
    return list;
}

// The scene of the candidate's desktop as it was laid out for its step: the form with all it holds
// (background, overlays, the window's chrome and panes, the edit field and list), without the
// success label of the terminal record. Practice mode shows no hint and no red frame.
QImage sceneShown(FrmMain& f)
{
    f.LblSuccess.setVisible(false);
    return f.hostWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The pixels in which two scenes differ clearly: a colour channel apart by more than the noise of
// two pictures compressed apart from the same drawing (a window's chrome laid over a background
// that shows it too).
int differing(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) return a.width() * a.height();
    const auto apart = [](QRgb p, QRgb q) {
        return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                         std::abs(qBlue(p) - qBlue(q))}) > 64;
    };
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            n += apart(pa[x], pb[x]);
    }
    return n;
}

// A scene that differs from another in fewer pixels than this shows the same: an edit field's
// caret, blinking, is the most that may differ. The smallest change a step draws, a check mark or a
// digit typed into a field, takes some thirty.
constexpr int SameScene = 16;

TEST_F(SampleOnTheDesktop, EveryStepShowsWhatItDid)
{
    int compared = 0;
    QStringList unchanged;
    QSet<QString> allowedUsed;
    forEachSampleUnit(prog.path(), [&](int unit) {
        auto& d = common::drill();
        const int questions = d.tmCount;
        FrmMain& f = desk();
        for (int q = 1; q <= questions; ++q) {
            choose(q);
            rendered();
            const int count = d.tmStart[q + 1] - d.tmStart[q];
            QList<QImage> scenes;
            QStringList records;
            for (int k = 1; k <= count; ++k) {
                d.dqStep = k;
                f.setData();
                records << d.stepRec;
                scenes << sceneShown(f);
            }
            for (int k = 1; k < count; ++k) {
                const steps::Step s(records[k - 1]);
                const steps::Completion c = steps::completion(s, k);
                const int next = c.jump == QLatin1String("0") ? k + 1 : steps::jumpStep(c.jump);
                if (c.way == steps::Way::Nothing || next < 1 || next > count || next == k) continue;
                ++compared;
                if (differing(scenes[k - 1], scenes[next - 1]) >= SameScene) continue;
                const QString what = actionName(s);
                if (unseenActions().contains(what)) {
                    allowedUsed << what;
                    continue;
                }
                unchanged << where(unit, q, k, what);
            }
        }
    });
    EXPECT_TRUE(unchanged.isEmpty()) << "steps whose next record shows the same scene:\n"
                                     << unchanged.join(u'\n').toStdString();
    // Every entry of the list is needed.
    for (auto it = unseenActions().begin(); it != unseenActions().end(); ++it)
        EXPECT_TRUE(allowedUsed.contains(it.key()))
            << it.key().toStdString() << " is on the list for nothing";
    EXPECT_GT(compared, 250);
}

} // namespace
