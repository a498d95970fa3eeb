// The generator at work on its own: the packing of the module information, the context-menu codes, the
// bank builder's refusal of faulty tables, a folder that cannot be written, and the pictures the
// selection commands end on.
#include "common/naming.h"
#include "common/record.h"
#include "common/text_file.h"
#include "home/km_info.h"
#include "sample/bank.h"
#include "sample/context_menus.h"
#include "sample/generator.h"
#include "sample/info_pages.h"
#include "sample/layout.h"
#include "sample/model.h"
#include "sample/ver_packing.h"
#include "sample/xp.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

TEST(SampleInfoPacking, DecodesWithTheStartUpReader)
{
    for (const QString& text :
         {QString(), QStringLiteral("Windows XP"), QStringLiteral("中文 Windows XP 操作系统"),
          QStringLiteral("xpdata"), QStringLiteral("7"), QStringLiteral("「开始」菜单（二）€")}) {
        const std::optional<QString> packed = sample::packInfoLine(text);
        ASSERT_TRUE(packed.has_value()) << text.toStdString();
        EXPECT_EQ(packed->size(), 6 * text.size());
        EXPECT_EQ(home::unpackInfoLine(*packed), text) << text.toStdString();
    }
    // A character without a code in the code page cannot be written.
    EXPECT_FALSE(sample::packInfoLine(QStringLiteral("a😀")).has_value());
    EXPECT_FALSE(sample::packModuleInfo(
        {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"), 1, {QStringLiteral("😀")}}));
}

TEST(SampleContextMenus, CodesNameTheirItem)
{
    const struct {
        const char* menu;
        const char* item;
        int code;
    } cases[] = {
        {"桌面", "新建(W)/文件夹(F)", 3130}, // group 1 set 1, the items of cascade 2, first item
        {"桌面", "属性(R)", 3141},           // plain group 2 after its separator
        {"桌面", "排列图标(I)/修改时间(M)", 3113},
        {"任务栏", "工具栏(T)/快速启动", 3514},
        {"任务栏", "属性(R)", 3529},     // the tenth item of a line
        {"文本文件", "重命名(M)", 4266}, // a plain group after two cascades
        {"打印机", "设为默认打印机(F)", 5921},
        {"桌面", "新建(W)/-", -1}, // a separator cannot be picked
        {"桌面", "新建(W)", -1},   // a cascade's caption is no item
        {"桌面", "没有这一项", -1},
        {"没有这个菜单", "属性(R)", -1},
        {"Word 文档正文", "复制(C)", -1}, // group 4: its codes 6001-6999 are key steps
    };
    for (const auto& c : cases)
        EXPECT_EQ(sample::menuCode(QString::fromUtf8(c.menu), QString::fromUtf8(c.item)), c.code)
            << c.menu << " " << c.item;

    // The code's record in the file holds the item at the code's place.
    const QStringList lines = sample::contextMenuLines();
    ASSERT_EQ(lines.size(), 540);
    const int code = sample::menuCode(QStringLiteral("文本文件"), QStringLiteral("打开方式(H)/写字板"));
    const int offset = (code / 1000 - 3) * 135 + (code / 100 % 10 - 1) * 15;
    EXPECT_EQ(lines[offset + 4], QStringLiteral("打开方式(H)")); // line 5: the caption of cascade 2 (list 3)
    EXPECT_EQ(lines[offset + 5].split(u'|').value(code % 10), QStringLiteral("写字板"));
}

// A small module with one picture and one question, to which each case adds its fault.
struct Fixture {
    sample::ModuleDef module;
    Fixture()
    {
        module.scenes.screen(QStringLiteral("底图"), [](sample::Canvas& c) {
            c.mark(QStringLiteral("按钮:甲"), QRect(100, 100, 60, 20));
            c.mark(QStringLiteral("按钮:半遮"), QRect(440, 400, 60, 20)); // reaches under the question panel
            c.mark(QStringLiteral("按钮:全遮"), QRect(600, 450, 60, 20)); // wholly under it
            c.mark(QStringLiteral("文本框:名"), QRect(100, 200, 100, 20));
        });
        module.scenes.add(QStringLiteral("对话框"), QSize(200, 100), [](sample::Canvas& c) {
            c.mark(QStringLiteral("按钮:乙"), QRect(10, 10, 50, 20));
        });
        module.units = {{QStringLiteral("单元"), {{QStringLiteral("题目"), steps()}}}};
        module.examSets = {{QStringLiteral("0001")}};
    }
    static QList<sample::StepDef> steps()
    {
        return {sample::click(QStringLiteral("底图"), QStringLiteral("按钮:甲"), QStringLiteral("单击甲")),
                sample::click(QStringLiteral("底图"), QStringLiteral("按钮:乙"), QStringLiteral("单击乙"))
                    .over(1, QStringLiteral("对话框"), QPoint(300, 100)),
                sample::done(QStringLiteral("底图"))};
    }
    QList<sample::StepDef>& question() { return module.units[0].questions[0].steps; }
};

TEST(SampleBankBuilder, BuildsTheRecordsOfAFaultlessTable)
{
    Fixture f;
    f.question()[0].target = QStringLiteral("按钮:半遮");
    QString error;
    const std::optional<sample::BankFiles> bank = sample::buildBank(f.module, &error);
    ASSERT_TRUE(bank.has_value()) << error.toStdString();
    ASSERT_EQ(bank->unitSteps.size(), 1);
    ASSERT_EQ(bank->unitSteps[0].size(), 3);
    EXPECT_EQ(bank->unitLists[0], QStringList{QStringLiteral("000103题目")});
    EXPECT_EQ(bank->setTable,
              (QStringList{QStringLiteral("0101"), QStringLiteral("01"), QStringLiteral("0001")}));
    const QString& first = bank->unitSteps[0][0];
    // The target is cut back to the part left of the question panel.
    EXPECT_EQ(common::field(first, 66, 20), QStringLiteral("06600") + QStringLiteral("0") +
                                                QStringLiteral("6000") + QStringLiteral("00420") +
                                                QStringLiteral("00300"));
    const QString& second = bank->unitSteps[0][1];
    EXPECT_EQ(common::field(second, 8, 4), QStringLiteral("0001"));
    EXPECT_EQ(common::field(second, 18, 16).left(10),
              QStringLiteral("04500") + QStringLiteral("0") + QStringLiteral("1500"));
    EXPECT_EQ(common::field(second, 66, 20),
              QStringLiteral("04650016500075000300")); // 乙 at (310, 110) on the dialog
    EXPECT_EQ(common::field(bank->unitSteps[0][2], 8, 4), QStringLiteral("9999"));
    // Two pictures, each drawn once however many steps show them.
    EXPECT_EQ(bank->pictures.size(), 2);
    // Hints are entries of the answer texts, numbered from 1.
    EXPECT_EQ(bank->answerTexts, (QStringList{QStringLiteral("001单击甲"), QStringLiteral("002单击乙")}));
}

TEST(SampleBankBuilder, RefusesFaultyTables)
{
    const struct {
        const char* fault;
        std::function<void(Fixture&)> make;
        const char* reason;
    } cases[] = {
        {"picture that does not exist",
         [](Fixture& f) { f.question()[0].background = QStringLiteral("没有"); }, "no picture"},
        {"item that does not exist", [](Fixture& f) { f.question()[0].target = QStringLiteral("按钮:丙"); },
         "no item"},
        {"item on a picture not shown",
         [](Fixture& f) { f.question()[0].target = QStringLiteral("按钮:乙"); }, "no item"},
        {"target under the question panel",
         [](Fixture& f) { f.question()[0].target = QStringLiteral("按钮:全遮"); }, "question panel"},
        {"target under a picture above it",
         [](Fixture& f) { f.question()[0].over(1, QStringLiteral("对话框"), QPoint(50, 50)); },
         "under a picture"},
        {"jump past the question's end", [](Fixture& f) { f.question()[0].jumpTo(u'4'); },
         "leaves the question"},
        {"letter jump past the end", [](Fixture& f) { f.question()[1].jumpTo(u'A'); }, "leaves the question"},
        {"terminal record not last",
         [](Fixture& f) { f.question()[1] = sample::done(QStringLiteral("底图")); }, "terminal record"},
        {"no terminal record",
         [](Fixture& f) {
             f.question().removeLast();
             f.question().append(f.question()[0]);
         },
         "terminal record"},
        {"too few steps", [](Fixture& f) { f.question().removeFirst(); }, "has 2 steps"},
        {"answer already typed",
         [](Fixture& f) {
             f.question()[0] =
                 sample::typeText(QStringLiteral("0024"), QStringLiteral("底图"), QStringLiteral("文本框:名"),
                                  QStringLiteral("练习"), QStringLiteral("作业|练习"));
         },
         "differ"},
        {"list showing the entry to pick",
         [](Fixture& f) {
             f.question()[0] = sample::pickFromList(QStringLiteral("底图"), QStringLiteral("文本框:名"),
                                                    {QStringLiteral("甲"), QStringLiteral("乙")}, 1, 1,
                                                    QStringLiteral("选乙"));
         },
         "two different entries"},
        {"list pick beyond its entries",
         [](Fixture& f) {
             f.question()[0] = sample::pickFromList(QStringLiteral("底图"), QStringLiteral("文本框:名"),
                                                    {QStringLiteral("甲"), QStringLiteral("乙")}, 0, 2,
                                                    QStringLiteral("选丙"));
         },
         "two different entries"},
        {"typing without a field", [](Fixture& f) { f.question()[0].action = QStringLiteral("0020"); },
         "edit field"},
        {"overlay in the picture box slot", [](Fixture& f) { f.question()[1].overlays[0].slot = 6; },
         "slot 6"},
        {"picture defined twice",
         [](Fixture& f) { f.module.scenes.screen(QStringLiteral("底图"), [](sample::Canvas&) {}); },
         "defined twice"},
    };
    for (const auto& c : cases) {
        Fixture f;
        c.make(f);
        QString error;
        EXPECT_FALSE(sample::buildBank(f.module, &error).has_value()) << c.fault;
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << c.fault << ": " << error.toStdString();
    }
}

TEST(SampleRegeneration, ReportsAFolderThatCannotBeWritten)
{
    QTemporaryDir dir;
    const QString file = common::joinPath(dir.path(), QStringLiteral("occupied"));
    writeBytes(file, "x");
    QString error;
    EXPECT_FALSE(sample::generateInstallation(common::joinPath(file, QStringLiteral("inside")), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace

// The menu commands that select in My Documents (select all; invert a selection of nothing) end on
// a picture with every item's name drawn selected.
TEST(SampleScenes, SelectionCommandsEndWithEveryItemSelected)
{
    const sample::ModuleDef& module = sample::sampleModule();
    int checked = 0;
    for (const sample::UnitDef& unit : module.units) {
        for (const sample::QuestionDef& q : unit.questions) {
            if (!q.text.contains(QStringLiteral("“编辑”菜单"))) continue;
            SCOPED_TRACE(q.text.toStdString());
            const sample::SceneDef* scene = module.scenes.find(q.steps.last().background);
            ASSERT_NE(scene, nullptr);
            sample::Canvas c(scene->size);
            scene->draw(c);
            const auto items = c.items();
            const QImage img = c.finish();
            int names = 0;
            for (auto it = items.begin(); it != items.end(); ++it) {
                if (!it.key().startsWith(QStringLiteral("名称:"))) continue;
                ++names;
                const QPoint p(it.value().left() - 1, it.value().center().y()); // before the text
                EXPECT_EQ(img.pixelColor(p), QColor(0x31, 0x6A, 0xC5)) << it.key().toStdString();
            }
            EXPECT_GT(names, 3);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 2);
}

// The instructions name the home screen's tiles as they read: every “name” the candidate is told to
// click on the home screen is the caption of one of its two tiles.
TEST(SampleInfoPages, InstructionsNameTheHomeScreensTiles)
{
    const QStringList tiles{QStringLiteral("单元练习"), QStringLiteral("模拟考试")};
    const QString onHome = QStringLiteral("在首页单击“");
    int named = 0;
    for (const sample::InfoPage& page : sample::infoPageTexts(QStringLiteral("Windows XP"))) {
        for (const QString& line : page.lines) {
            const qsizetype at = line.indexOf(onHome);
            if (at < 0) continue;
            const qsizetype from = at + onHome.size();
            const QString name = line.mid(from, line.indexOf(QStringLiteral("”"), from) - from);
            EXPECT_TRUE(tiles.contains(name)) << line.toStdString();
            ++named;
        }
    }
    EXPECT_EQ(named, 2);
}

namespace {

// What a step shows: its background with its overlays laid over it in slot order, and the named
// items that can still be seen (an overlay hides the items of the pictures below it).
struct Shown {
    QImage image;
    QHash<QString, QRect> items;
};

std::optional<QImage> drawScene(const sample::Scenes& scenes, const QString& name,
                                QHash<QString, QRect>* items = nullptr)
{
    const sample::SceneDef* scene = scenes.find(name);
    if (!scene) return std::nullopt;
    sample::Canvas c(scene->size);
    scene->draw(c);
    if (items) *items = c.items();
    return c.finish();
}

std::optional<Shown> shown(const sample::Scenes& scenes, const sample::StepDef& s)
{
    Shown out;
    const std::optional<QImage> bg = drawScene(scenes, s.background, &out.items);
    if (!bg) return std::nullopt;
    out.image = bg->convertToFormat(QImage::Format_RGB32);
    QList<sample::OverlayDef> overlays = s.overlays;
    std::sort(overlays.begin(), overlays.end(), [](const auto& a, const auto& b) { return a.slot < b.slot; });
    QPainter p(&out.image);
    for (const sample::OverlayDef& o : overlays) {
        QHash<QString, QRect> items;
        const std::optional<QImage> img = drawScene(scenes, o.scene, &items);
        if (!img) return std::nullopt;
        const QRect over(o.at, img->size());
        out.items.removeIf([&](const auto& it) { return it.value().intersects(over); });
        for (auto it = items.begin(); it != items.end(); ++it)
            out.items.insert(it.key(), it.value().translated(o.at));
        p.drawImage(o.at, *img);
    }
    return out;
}

// Whether `part` is drawn somewhere in `whole`: nine in ten of its pixels exactly alike (a window's
// rounded corners show what lies under them).
bool contains(const QImage& whole, const QImage& part)
{
    const QImage w = whole.convertToFormat(QImage::Format_RGB32),
                 a = part.convertToFormat(QImage::Format_RGB32);
    const int allowed = a.width() * a.height() / 10;
    const QPoint probe(a.width() / 2, a.height() / 2);
    for (int y = 0; y + a.height() <= w.height(); ++y) {
        for (int x = 0; x + a.width() <= w.width(); ++x) {
            if (w.pixel(x + probe.x(), y + probe.y()) != a.pixel(probe)) continue;
            int differ = 0;
            for (int v = 0; v < a.height() && differ <= allowed; ++v)
                for (int u = 0; u < a.width() && differ <= allowed; ++u)
                    differ += w.pixel(x + u, y + v) != a.pixel(u, v);
            if (differ <= allowed) return true;
        }
    }
    return false;
}

// The “names” a hint quotes.
QStringList quoted(const QString& hint)
{
    QStringList out;
    qsizetype from = 0;
    while ((from = hint.indexOf(QStringLiteral("“"), from)) >= 0) {
        const qsizetype end = hint.indexOf(QStringLiteral("”"), from);
        if (end < 0) break;
        out << hint.mid(from + 1, end - from - 1);
        from = end;
    }
    return out;
}

} // namespace

// A picture dragged in a step stays where it was dropped: the next step's pictures show it (the
// thumbs of the volume control, the note's window up to the last step).
TEST(SampleScenes, DraggedPicturesStayWhereTheyAreDropped)
{
    const sample::ModuleDef& module = sample::sampleModule();
    int checked = 0;
    for (const sample::UnitDef& unit : module.units) {
        for (const sample::QuestionDef& q : unit.questions) {
            for (int i = 0; i + 1 < q.steps.size(); ++i) {
                const auto dragged = std::find_if(q.steps[i].overlays.begin(), q.steps[i].overlays.end(),
                                                  [](const sample::OverlayDef& o) { return o.slot == 5; });
                if (dragged == q.steps[i].overlays.end()) continue;
                SCOPED_TRACE(QStringLiteral("%1 step %2").arg(q.text).arg(i + 2).toStdString());
                const std::optional<QImage> picture = drawScene(module.scenes, dragged->scene);
                const std::optional<Shown> next = shown(module.scenes, q.steps[i + 1]);
                ASSERT_TRUE(picture && next);
                EXPECT_TRUE(contains(next->image, *picture));
                ++checked;
            }
        }
    }
    EXPECT_GE(checked, 9);
}

// A hint does not cover what it tells the candidate to use: the step's target, its second target,
// its edit field, the picture it drags, nor any item its pictures show under a name the hint quotes,
// nor a readout they show (the value the step changes: a slider's resolution); nor any other
// control of its pictures (bare places and whole window bodies are none). Only the title bar of a
// window whose chrome leaves no other room may lie under it.
TEST(SampleScenes, HintsLeaveTheControlsOfTheirStepInSight)
{
    const sample::ModuleDef& module = sample::sampleModule();
    QString error;
    const std::optional<sample::BankFiles> bank = sample::buildBank(module, &error);
    ASSERT_TRUE(bank.has_value()) << error.toStdString();
    const auto rect = [](const QString& rec, int col) {
        const auto n = [&](int c, int w) { return common::fieldNumber(rec, c, w).value_or(0) / 15; };
        return QRect(n(col, 5), n(col + 6, 4), n(col + 10, 5), n(col + 15, 5));
    };
    int checked = 0;
    for (int u = 0; u < module.units.size(); ++u) {
        int line = 0;
        for (const sample::QuestionDef& q : module.units[u].questions) {
            for (const sample::StepDef& s : q.steps) {
                const QString rec = bank->unitSteps[u][line++];
                if (s.hint.isEmpty() || s.action.startsWith(QStringLiteral("002")) || !s.list.isEmpty())
                    continue;
                SCOPED_TRACE(QStringLiteral("%1: %2").arg(q.text, s.hint).toStdString());
                const int x = common::fieldNumber(rec, common::col::HintPos, 5).value_or(0) / 15;
                const int y = common::fieldNumber(rec, common::col::HintPos + 5, 5).value_or(0) / 15;
                // The desktop's hint: bold 11-point 宋体, 15 pixels a character, and its margins.
                const QRect hint(x, y, int(s.hint.size()) * 15 + 12, 22);
                QList<std::pair<QString, QRect>> named;
                if (!s.target.isEmpty()) named.append({s.target, rect(rec, common::col::MainRect)});
                if (!s.aux.isEmpty()) named.append({s.aux, rect(rec, common::col::AuxRect)});
                if (!s.edit.isEmpty()) named.append({s.edit, rect(rec, common::col::EditRect)});
                const std::optional<Shown> seen = shown(module.scenes, s);
                ASSERT_TRUE(seen.has_value());
                for (const sample::OverlayDef& o : s.overlays) {
                    if (o.slot != 5) continue;
                    const std::optional<QImage> img = drawScene(module.scenes, o.scene);
                    named.append({o.scene, QRect(o.at, img->size())});
                }
                const QStringList names = quoted(s.hint);
                for (auto it = seen->items.begin(); it != seen->items.end(); ++it) {
                    const QString label = it.key().section(u':', 1);
                    const bool isNamed = it.key().startsWith(QStringLiteral("读数:")) ||
                                         std::any_of(names.begin(), names.end(), [&](const QString& n) {
                                             return label == n || label.startsWith(n + u'(');
                                         });
                    const bool control = label != QStringLiteral("空白") &&
                                         it.value().width() * it.value().height() < 200 * 150 &&
                                         it.key() != QStringLiteral("窗口:标题栏");
                    if (isNamed || control) named.append({it.key(), it.value()});
                }
                for (const auto& [name, r] : named)
                    EXPECT_FALSE(hint.intersects(r)) << name.toStdString();
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 200);
}

// Internet Explorer's icon keeps its "e" where it stands on blue: a highlighted Start-menu row, a
// selected desktop icon. Light pixels outline the letter against the blue.
TEST(SampleIcons, InternetExplorersLetterStandsOutOnBlue)
{
    for (const int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        QImage img(size, size, QImage::Format_RGB32);
        img.fill(QColor(0x31, 0x6A, 0xC5));
        {
            QPainter p(&img);
            sample::xp::icon(p, QRectF(0, 0, size, size), sample::xp::Icon::IE);
        }
        int light = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QColor c = img.pixelColor(x, y);
                light += c.red() > 0xB0 && c.green() > 0xB0 && c.blue() > 0xB0;
            }
        EXPECT_GE(light, size);
    }
}

// A question's last picture shows no desktop icon besides the five standard ones (which a
// full-screen window may have hidden until then) that the desktop under none of its steps held
// before, unless the question asks for it by name (a folder it creates, a shortcut it makes).
TEST(SampleScenes, FinishedDesktopsShowNoIconFromNowhere)
{
    const sample::ModuleDef& module = sample::sampleModule();
    const QStringList standard{QStringLiteral("我的文档"), QStringLiteral("我的电脑"),
                               QStringLiteral("网上邻居"), QStringLiteral("回收站"),
                               QStringLiteral("Internet Explorer")};
    QList<QRect> cells;
    for (int n = 0; n < 20; ++n)
        cells << sample::xp::deskCell(n);
    const auto deskIcons = [&](const QHash<QString, QRect>& items) {
        QSet<QString> out;
        for (auto it = items.begin(); it != items.end(); ++it)
            if (it.key().startsWith(QStringLiteral("图标:")) && cells.contains(it.value()))
                out << it.key().mid(3);
        return out;
    };
    int checked = 0;
    for (const sample::UnitDef& unit : module.units) {
        for (const sample::QuestionDef& q : unit.questions) {
            SCOPED_TRACE(q.text.toStdString());
            QSet<QString> before;
            // What the desktop under the earlier steps' windows holds.
            for (int i = 0; i + 1 < q.steps.size(); ++i) {
                QHash<QString, QRect> items;
                ASSERT_TRUE(drawScene(module.scenes, q.steps[i].background, &items).has_value());
                before |= deskIcons(items);
            }
            const std::optional<Shown> last = shown(module.scenes, q.steps.last());
            ASSERT_TRUE(last.has_value());
            for (const QString& label : deskIcons(last->items)) {
                if (standard.contains(label) || before.contains(label) ||
                    q.text.contains(label.section(u'.', 0, 0)))
                    continue;
                ADD_FAILURE() << "the icon " << label.toStdString() << " appears at the end";
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 50);
}

// A menu command of the menus unit shows its result: the picture after the pick differs from the
// picture it was made on (a view changed, an item added, a bar or a window opened, the desktop's
// icons hidden). Only the desktop's refresh leaves it as it was.
TEST(SampleScenes, MenuCommandsShowTheirResult)
{
    const sample::ModuleDef& module = sample::sampleModule();
    int checked = 0;
    for (const sample::UnitDef& unit : module.units) {
        if (unit.title != QStringLiteral("菜单操作")) continue;
        for (const sample::QuestionDef& q : unit.questions) {
            if (q.text.contains(QStringLiteral("刷新桌面"))) continue;
            SCOPED_TRACE(q.text.toStdString());
            const std::optional<Shown> before = shown(module.scenes, q.steps.first());
            const std::optional<Shown> after = shown(module.scenes, q.steps.last());
            ASSERT_TRUE(before && after);
            EXPECT_NE(before->image, after->image);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 12);
}

// After a rubber band, every desktop icon inside the band is drawn selected in the next picture.
TEST(SampleScenes, RubberBandsSelectEveryIconInside)
{
    const sample::ModuleDef& module = sample::sampleModule();
    int checked = 0;
    for (const sample::UnitDef& unit : module.units) {
        for (const sample::QuestionDef& q : unit.questions) {
            for (int i = 0; i + 1 < q.steps.size(); ++i) {
                const sample::StepDef& s = q.steps[i];
                if (s.action != QStringLiteral("0040") && s.action != QStringLiteral("0041")) continue;
                SCOPED_TRACE(q.text.toStdString());
                const std::optional<Shown> now = shown(module.scenes, s);
                const std::optional<Shown> next = shown(module.scenes, q.steps[i + 1]);
                ASSERT_TRUE(now && next);
                const QRect band =
                    QRect(now->items.value(s.aux).center(), now->items.value(s.target).center()).normalized();
                int inside = 0;
                for (auto it = next->items.begin(); it != next->items.end(); ++it) {
                    if (!it.key().startsWith(QStringLiteral("名称:")) || !band.contains(it.value().center()))
                        continue;
                    int blue = 0;
                    for (int y = it.value().top(); y <= it.value().bottom(); ++y)
                        for (int x = it.value().left(); x <= it.value().right(); ++x)
                            blue += next->image.pixelColor(x, y) == QColor(0x31, 0x6A, 0xC5);
                    EXPECT_GT(blue, 20) << it.key().toStdString();
                    ++inside;
                }
                EXPECT_GE(inside, 2);
                ++checked;
            }
        }
    }
    EXPECT_GE(checked, 2);
}

// A window dragged into a dashed frame ("8006"-"8009") passes wherever it is let go of inside the
// frame: its Left and Top meet the code's rule at the step's drop point (8006 left of x and below
// y, 8007 right and below, 8008 left and above, 8009 right and above, edges included) at every
// place inside the frame, and the drop point lies inside the frame.
TEST(SampleScenes, AWindowLetGoInsideItsDropFramePasses)
{
    const sample::ModuleDef& module = sample::sampleModule();
    constexpr int Tpp = sample::layout::TwipsPerPixel;
    int frames = 0;
    for (const sample::UnitDef& unit : module.units) {
        for (const sample::QuestionDef& q : unit.questions) {
            for (const sample::StepDef& s : q.steps) {
                const int code = s.action.toInt();
                if (code < 8006 || code > 8009) continue;
                SCOPED_TRACE(s.hint.toStdString());
                const sample::SceneDef* bg = module.scenes.find(s.background);
                ASSERT_NE(bg, nullptr);
                sample::Canvas c(bg->size);
                bg->draw(c);
                const QRect frame = c.items().value(QStringLiteral("虚线框"));
                ASSERT_FALSE(frame.isNull());
                ++frames;
                QSize window;
                for (const sample::OverlayDef& o : s.overlays)
                    if (o.slot == 5) window = module.scenes.find(o.scene)->size;
                ASSERT_TRUE(window.isValid());
                QString point;
                for (const auto& [column, text] : s.columns)
                    if (column == common::col::PointSpec) point = text;
                ASSERT_EQ(point.size(), 10);
                const int x = point.left(5).toInt(), y = point.mid(5).toInt();
                EXPECT_TRUE(frame.contains(x / Tpp, y / Tpp)) << x << "," << y;
                const bool leftOf = code == 8006 || code == 8008, below = code == 8006 || code == 8007;
                int refused = 0;
                for (int left = frame.left(); left + window.width() <= frame.right() + 1; ++left) {
                    for (int top = frame.top(); top + window.height() <= frame.bottom() + 1; ++top) {
                        const bool ok = (leftOf ? left * Tpp <= x : left * Tpp >= x) &&
                                        (below ? top * Tpp >= y : top * Tpp <= y);
                        if (!ok && refused++ == 0) ADD_FAILURE() << "refused at " << left << "," << top;
                    }
                }
                EXPECT_EQ(refused, 0);
            }
        }
    }
    EXPECT_EQ(frames, 4);
}

// The buttons and text fields of a picture stand apart: none lies over another (a field reaching
// under a dialog's column of buttons could not be read, nor the button pressed).
TEST(SampleScenes, ButtonsAndFieldsOfAPictureStandApart)
{
    const sample::ModuleDef& module = sample::sampleModule();
    QSet<QString> names;
    for (const sample::UnitDef& unit : module.units)
        for (const sample::QuestionDef& q : unit.questions)
            for (const sample::StepDef& s : q.steps) {
                names << s.background;
                for (const sample::OverlayDef& o : s.overlays)
                    names << o.scene;
            }
    int checked = 0;
    for (const QString& name : names) {
        QHash<QString, QRect> items;
        ASSERT_TRUE(drawScene(module.scenes, name, &items).has_value()) << name.toStdString();
        QList<std::pair<QString, QRect>> controls;
        for (auto it = items.begin(); it != items.end(); ++it)
            if (it.key().startsWith(QStringLiteral("按钮:")) ||
                it.key().startsWith(QStringLiteral("文本框:")))
                controls.append({it.key(), it.value()});
        for (int i = 0; i < controls.size(); ++i)
            for (int j = i + 1; j < controls.size(); ++j)
                EXPECT_FALSE(controls[i].second.intersects(controls[j].second))
                    << name.toStdString() << ": " << controls[i].first.toStdString() << " and "
                    << controls[j].first.toStdString();
        checked += !controls.isEmpty();
    }
    EXPECT_GT(checked, 20);
}
