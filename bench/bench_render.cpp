// One render of the candidate's desktop: the step record read from the step file, the scene laid
// out and the window painted once. Renders every step of every question of the sample bank when
// one is installed beside this program (a data folder holding unit step files, their question
// lists and the answer texts), otherwise of a bank of its own written to a temporary folder.
// Reports the median and the 95th percentile of one render: of every step's first showing in the
// process, and of showings of steps already shown, with decoded pictures kept by the loader and
// with none kept; of one pointer move over a drop-down row until its highlight is
// painted; and of one tick of the demonstration player playing the bank's questions.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <utility>
#include <vector>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "demo/frm_yanshi.h"
#include "desktop/frm_main.h"
#include "drill/frm_tm.h"
#include "home/launch.h"
#include "platform/app.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/form_window.h"
#include "platform/msgbox.h"
#include "platform/picture.h"
#include "platform/units.h"
#include "steps/menu_tables.h"

namespace {

struct Step {
    int unit, question, step;
};

// A unit of a bank: its step file's number, its questions' first lines and its steps.
struct Unit {
    int setNo;
    std::array<int, common::DrillVars::MaxStarts + 1> tmStart{};
    int questions = 0;
};

struct Bank {
    QString dataPath;
    std::vector<Unit> units;
    std::vector<Step> steps;
    QString origin;
};

// Units of an installed bank: step file 2888(20+u) with question list 2888(70+u), whose lines
// give each question's step count in characters 5-6.
bool readBank(const QString& dataPath, Bank& bank)
{
    for (int u = 0; u < 20; ++u) {
        if (common::findFile(common::stepPath(dataPath, 20, u)).isEmpty()) continue;
        const auto list = common::readTextFile(common::tmPath(dataPath, 20, u));
        if (!list.ok() || list.lines.isEmpty()) continue;
        Unit unit{u, {}, 0};
        int start = 1;
        for (const QString& line : list.lines) {
            if (unit.questions == common::DrillVars::MaxQuestions) break;
            const int count = common::fieldNumber(line, 5, 2).value_or(0);
            if (count <= 0) break;
            unit.tmStart[++unit.questions] = start;
            start += count;
        }
        unit.tmStart[unit.questions + 1] = start;
        for (int q = 1; q <= unit.questions; ++q)
            for (int s = 1; s < unit.tmStart[q + 1] - unit.tmStart[q] + 1; ++s)
                bank.steps.push_back({int(bank.units.size()), q, s});
        bank.units.push_back(unit);
    }
    bank.dataPath = dataPath;
    return !bank.steps.empty();
}

QString findInstalledBank()
{
    QDir dir(platform::app::path());
    for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString data = dir.filePath(sub);
        if (!common::findFile(common::txtPath(data)).isEmpty()) return data;
    }
    return {};
}

// A set-by-column record (212 columns of "0", background kept).
class Record {
public:
    Record()
        : s(212, QLatin1Char('0'))
    {
        set(12, QStringLiteral("888888"));
    }
    Record& set(int col, const QString& text)
    {
        s.replace(col - 1, text.size(), text);
        return *this;
    }
    Record& num(int col, int width, int v)
    {
        return set(col, QString::number(v).rightJustified(width, u'0'));
    }
    Record& rect(int col, int l, int t, int w, int h)
    {
        return num(col, 5, l).num(col + 6, 4, t).num(col + 10, 5, w).num(col + 15, 5, h);
    }
    Record& slot(int col, int l, int t, const QString& code)
    {
        return num(col, 5, l).num(col + 6, 4, t).set(col + 10, code);
    }
    QString s;
};

void writePicture(const QString& path, int w, int h, const char* format, QColor c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    for (int y = 0; y < h; y += 7) // some detail, so the compressed files are not trivial
        for (int x = (y * 3) % 11; x < w; x += 11)
            img.setPixelColor(x, y, c.darker(130));
    img.save(path, format);
}

// Eight questions of six to ten steps in the look of the bank: a background per question, dialogs
// in overlay slots, edit fields with initial text and format, hints, lists, window chrome.
void writeOwnBank(const QString& folder, Bank& bank)
{
    const QString data = folder + QStringLiteral("/data");
    QDir().mkpath(data);
    QDir().mkpath(folder + QStringLiteral("/examdata"));
    for (const char* name : {"1100W1.rar", "1100W2.rar"})
        writePicture(folder + QStringLiteral("/examdata/") + name, 798, 39, "BMP", QColor(236, 233, 216));
    for (const char* name : {"A00000.rar", "B00000.rar"})
        writePicture(folder + QStringLiteral("/examdata/") + name, 798, 20, "BMP", QColor(236, 233, 216));
    writePicture(folder + QStringLiteral("/examdata/41A002.rar"), 197, 445, "BMP", QColor(110, 140, 220));
    // The drop-down of the hover benchmark: its panel, its rows' highlights, the sub-menu of row 4.
    const auto examdata = [&](const QString& name) { return folder + QStringLiteral("/examdata/") + name; };
    writePicture(examdata(QStringLiteral("A10077.rar")), 190, 380, "BMP", QColor(255, 255, 255));
    writePicture(examdata(QStringLiteral("A10477.rar")), 180, 140, "BMP", QColor(255, 255, 255));
    for (int r = 1; r <= menus::MaxRows1; ++r) {
        const QString row = QString::number(r).rightJustified(2, u'0');
        writePicture(examdata(QStringLiteral("A1%100.rar").arg(row)), 188, 18, "BMP", QColor(49, 106, 197));
        writePicture(examdata(QStringLiteral("A104%1.rar").arg(row)), 178, 18, "BMP", QColor(49, 106, 197));
    }

    QStringList texts;
    for (int i = 1; i <= 40; ++i)
        texts << QStringLiteral("%1新建文件夹%2|其它%2").arg(i, 3, 10, QLatin1Char('0')).arg(i);
    texts[4] = QStringLiteral("005红色|绿色|蓝色|黄色");
    common::writeTextFile(common::txtPath(data), texts);

    QStringList records, list;
    for (int q = 1; q <= 8; ++q) {
        const int steps = 6 + q % 5;
        const QString bg = QStringLiteral("B%1").arg(q, 5, 10, QLatin1Char('0'));
        writePicture(data + QLatin1Char('/') + bg + QStringLiteral(".rar"), 800, 600, "JPEG",
                     QColor(58, 110, 165));
        for (int s = 1; s <= steps; ++s) {
            Record r;
            r.set(8, QStringLiteral("0001")).rect(66, 1200 + 90 * s, 2400, 900, 450);
            r.num(112, 5, 600).num(117, 5, 7800).num(122, 3, (q + s) % 40 + 1);
            if (s == 1) r.set(12, bg).set(6, QStringLiteral("A5"));
            if (s % 3 == 2) {
                const QString dlg =
                    QStringLiteral("D%1%2").arg(q, 2, 10, QLatin1Char('0')).arg(s, 3, 10, QLatin1Char('0'));
                writePicture(data + QLatin1Char('/') + dlg + QStringLiteral(".rar"), 420, 330, "JPEG",
                             QColor(236, 233, 216));
                r.slot(18, 2400, 1800, dlg).set(6, QStringLiteral("B1"));
            }
            if (s % 3 == 0) {
                r.slot(18, 2700, 2100, QStringLiteral("888888"));
                r.rect(86, 3000, 3000, 2400, 330).num(106, 3, s).set(125, QStringLiteral("0105R01000"));
                r.set(8, s % 2 ? QStringLiteral("0022") : QStringLiteral("0020")).num(109, 3, 40);
            }
            if (s == 4)
                r.set(8, QStringLiteral("L005"))
                    .rect(86, 3000, 3000, 2400, 900)
                    .num(106, 3, 0)
                    .num(109, 3, 2);
            if (s == 5)
                r.set(4, QStringLiteral("P0")).set(6, QStringLiteral("EE")).rect(177, 600, 900, 1200, 1500);
            if (s == steps) r.set(8, QStringLiteral("9999"));
            records << r.s;
        }
        list << QStringLiteral("%1%2")
                    .arg(q + 100, 4, 10, QLatin1Char('0'))
                    .arg(steps, 2, 10, QLatin1Char('0'));
    }
    common::writeTextFile(common::stepPath(data, 20, 0), records);
    common::writeTextFile(common::tmPath(data, 20, 0), list);
    readBank(data, bank);
    bank.origin = QStringLiteral("own fixture bank");
}

Bank& bank()
{
    static std::unique_ptr<QTemporaryDir> tmp;
    static Bank b;
    if (!b.steps.empty()) return b;
    const QString installed = findInstalledBank();
    if (!installed.isEmpty() && readBank(installed, b)) {
        b.origin = QStringLiteral("sample bank ") + installed;
        return b;
    }
    tmp = std::make_unique<QTemporaryDir>();
    platform::app::setPath(tmp->path());
    writeOwnBank(tmp->path(), b);
    return b;
}

double p95(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(double(v.size()) * 0.95))];
}

// The median, 95th percentile and largest of the times measured, in milliseconds.
void report(benchmark::State& state, std::vector<double> ms)
{
    if (ms.empty()) return;
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p95_ms"] = p95(ms);
    state.counters["max_ms"] = ms.back();
}

// The drill as a unit card starts it: the bank's unit u on the desktop, question and step 1.
void enterUnit(const Bank& b, size_t u)
{
    auto& d = common::drill();
    d.resetAll();
    d.dataPath = b.dataPath;
    d.txtPath = common::txtPath(b.dataPath);
    d.fileBase = 20;
    d.ksMode = common::ModeTeaching;
    d.setNo = b.units[u].setNo;
    d.tmStart = b.units[u].tmStart;
    d.tmCount = b.units[u].questions;
    d.stepPath = common::stepPath(b.dataPath, 20, d.setNo);
    d.tmPath = common::tmPath(b.dataPath, 20, d.setNo);
    d.dqTm = 1;
    d.dqStep = 1;
}

// Counts the widget paints while it lives, so a benchmark shows that its paint did happen.
class PaintCount final : public QObject {
public:
    PaintCount() { qApp->installEventFilter(this); }
    ~PaintCount() override { qApp->removeEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// ---- The pointer, through the form's window as the candidate moves it -------------------------------

QPointF centreInWindow(const platform::Control& c)
{
    QWidget* w = c.widget();
    return QPointF(w->mapTo(c.form()->hostWidget(), QPoint(w->width() / 2, w->height() / 2)));
}

void sendMouse(platform::Form& f, QEvent::Type type, QPointF at, Qt::MouseButton button = Qt::NoButton)
{
    QWindow* w = f.hostWidget()->windowHandle();
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent e(type, at, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

// The paints the windows would do at their next frame, done now: the parts that changed, not the
// whole. Window-system events first, so that a window shown meanwhile is exposed and painted.
// The windows are the forms' (asking the application for its top-level widgets goes through every
// widget). The frame is the widget's own update request, which paints what is marked dirty; the
// same request sent to the window's QWindow repaints the whole window, as an expose does.
void paintPending()
{
    QCoreApplication::processEvents();
    for (platform::Form* f : platform::Forms::all()) {
        QWidget* w = f->window();
        if (!w || !w->isVisible() || !w->windowHandle()) continue;
        QEvent frame(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(w, &frame);
    }
}

void click(const platform::Control& c)
{
    platform::Form& f = *c.form();
    const QPointF at = centreInWindow(c);
    sendMouse(f, QEvent::MouseMove, at);
    sendMouse(f, QEvent::MouseButtonPress, at, Qt::LeftButton);
    sendMouse(f, QEvent::MouseButtonRelease, at, Qt::LeftButton);
}

// Messages of the window-system plugin ("This plugin does not support raise()" and the like) are
// the platform's, not the benchmark's: counted while the renders and ticks run, never printed among
// them.
class QuietPlatform {
public:
    QuietPlatform() { previous_ = qInstallMessageHandler(&QuietPlatform::handle); }
    ~QuietPlatform() { qInstallMessageHandler(previous_); }
    static inline int swallowed = 0;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtWarningMsg || type == QtDebugMsg || type == QtInfoMsg) {
            ++swallowed;
            return;
        }
        if (previous_) previous_(type, context, text);
    }
    static inline QtMessageHandler previous_ = nullptr;
};

// Which renders a run times: every step's first showing in this process (one pass over the bank),
// or showings of steps already shown (the first pass done untimed before the clock starts).
enum class Showing { First, Later };

// Renders steps in bank order. Between two renders the program is idle, as it is while the
// candidate reads and acts, and does its idle work (untimed). With keepPictures false no decoded
// picture is kept between renders, which shows what the loader's store of decoded pictures saves.
void renderSteps(benchmark::State& state, bool keepPictures, Showing showing)
{
    Bank& b = bank();
    static bool firstShowingsDone = false;
    if (showing == Showing::First && std::exchange(firstShowingsDone, true)) {
        state.SkipWithError("first showings happen once in a process");
        for (auto _ : state) {
        }
        return;
    }
    const qint64 keptBefore = platform::setPictureCacheLimit(keepPictures ? 96 * 1024 * 1024 : 0);
    state.SetLabel(b.origin.toStdString());
    QuietPlatform quiet;
    QuietPlatform::swallowed = 0;
    platform::ManualClock clock; // timers never fire: every render is started here
    platform::setClock(&clock);
    auto& d = common::drill();
    d.resetAll();
    d.dataPath = b.dataPath;
    d.txtPath = common::txtPath(b.dataPath);
    d.fileBase = 20;
    d.ksMode = common::ModeTeaching;
    FrmMain& f = platform::form<FrmMain>();
    f.Show();
    QCoreApplication::processEvents(); // the window system's expose: an unexposed window paints nothing
    const auto render = [&](size_t i) {
        const Step& s = b.steps[i % b.steps.size()];
        const Unit& u = b.units[size_t(s.unit)];
        d.setNo = u.setNo;
        d.tmStart = u.tmStart;
        d.tmCount = u.questions;
        d.dqTm = s.question;
        d.dqStep = s.step;
        const auto t0 = std::chrono::steady_clock::now();
        f.setData();
        f.window()->repaint();
        const auto t1 = std::chrono::steady_clock::now();
        // Idle until the next step, as while the candidate reads it: the pictures of the next
        // steps are decoded then.
        do {
            QCoreApplication::processEvents();
        } while (platform::picturesPrefetching());
        return std::chrono::duration<double>(t1 - t0).count();
    };
    if (showing == Showing::Later && !std::exchange(firstShowingsDone, true)) {
        for (size_t i = 0; i < b.steps.size(); ++i)
            render(i);
    }
    PaintCount painted;

    std::vector<double> ms;
    size_t i = 0;
    for (auto _ : state) {
        if (showing == Showing::First) {
            // One iteration, the whole pass; its time is the mean of one render.
            double total = 0;
            for (size_t n = 0; n < b.steps.size(); ++n) {
                const double secs = render(i++);
                total += secs;
                ms.push_back(secs * 1000);
            }
            state.SetIterationTime(total / double(b.steps.size()));
            continue;
        }
        const double secs = render(i++);
        state.SetIterationTime(secs);
        ms.push_back(secs * 1000);
    }
    report(state, ms);
    state.counters["steps"] = double(b.steps.size());
    state.counters["paints_per_render"] = ms.empty() ? 0 : double(painted.paints) / double(ms.size());
    state.counters["renders"] = double(ms.size());
    state.counters["platform_warnings"] = QuietPlatform::swallowed;
    platform::Forms::destroyAll();
    platform::setClock(nullptr);
    platform::setPictureCacheLimit(keptBefore);
}

void BM_RenderFirstShowing(benchmark::State& state)
{
    renderSteps(state, true, Showing::First);
}
void BM_RenderOneStep(benchmark::State& state)
{
    renderSteps(state, true, Showing::Later);
}
void BM_RenderOneStepNothingKept(benchmark::State& state)
{
    renderSteps(state, false, Showing::Later);
}
// The first showings before anything else shows a step.
BENCHMARK(BM_RenderFirstShowing)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_RenderOneStep)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2000);
BENCHMARK(BM_RenderOneStepNothingKept)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2000);

// A pointer move over a row of the "A1" drop-down (level 1) or of its sub-menu under row 4
// (level 2), the menu opened as a hot-spot opens it, up to the highlight painted: the move goes
// through the window and the paint it asks for is done before the clock stops. The pointer goes
// down the rows and back up, so every move lands on another row.
void BM_HoverMenuRow(benchmark::State& state)
{
    Bank& b = bank();
    const int level = int(state.range(0));
    state.SetLabel(b.origin.toStdString());
    platform::ManualClock clock;
    platform::setClock(&clock);
    enterUnit(b, 0);
    FrmMain& f = platform::form<FrmMain>();
    f.Show();
    QCoreApplication::processEvents(); // the window system's expose of the new window
    f.setData();
    f.menuId = QStringLiteral("A1");
    f.loadDeskPicture(f.Pic1J, menus::firstLevelPanel(f.menuId));
    f.Pic1J.Move(3000, 1500);
    f.Pic1J.setVisible(true);
    f.Tool1JCSH();
    if (level == 2) click(f.Lbl1J(4));
    QCoreApplication::sendPostedEvents();
    platform::LabelArray& rows = level == 1 ? f.Lbl1J : f.Lbl2J;
    platform::Image& highlight = level == 1 ? f.Img1J : f.Img2J;
    int count = 0; // the rows laid out; the others are parked off the panel
    while (rows.exists(count + 1) && rows(count + 1).Left() != menus::Parked.left)
        ++count;
    if (level == 2 && !f.Pic2J.Visible()) state.SkipWithError("the sub-menu did not open");
    if (count < 2) state.SkipWithError("the drop-down has no rows");

    std::vector<double> ms;
    int n = 0;
    PaintCount painted;
    for (auto _ : state) {
        const int cycle = 2 * (count - 1);
        const int pos = n++ % cycle;
        const int row = 1 + (pos < count ? pos : cycle - pos);
        const QPointF at = centreInWindow(rows(row));
        const auto t0 = std::chrono::steady_clock::now();
        sendMouse(f, QEvent::MouseMove, at);
        paintPending();
        const auto t1 = std::chrono::steady_clock::now();
        if (highlight.Top() != rows(row).Top())
            state.SkipWithError("the highlight did not follow the pointer");
        const double secs = std::chrono::duration<double>(t1 - t0).count();
        state.SetIterationTime(secs);
        ms.push_back(secs * 1000);
    }
    report(state, ms);
    state.counters["paints_per_move"] = ms.empty() ? 0 : double(painted.paints) / double(ms.size());
    platform::Forms::destroyAll();
    platform::setClock(nullptr);
}
BENCHMARK(BM_HoverMenuRow)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1000);

// Message boxes the drill or the player may raise are answered at once, as Escape would.
class EscapeBoxes final : public platform::MessageBoxService {
public:
    int ask(const platform::MsgBoxRequest& r) override { return platform::msgBoxEscapeResult(r.style); }
};

// One tick of 100 ms of the demonstration player: the question panel and the desktop shown as a
// unit practice shows them, each question of the bank demonstrated through the panel's button in
// turn, and every tick timed until the player has unloaded itself (the next question is started
// outside the clock), unit after unit, from the first again when the bank is done.
void BM_DemoTick(benchmark::State& state)
{
    Bank& b = bank();
    state.SetLabel(b.origin.toStdString());
    EscapeBoxes boxes;
    platform::setMessageBoxService(&boxes);
    QuietPlatform quiet;
    QuietPlatform::swallowed = 0;
    platform::ManualClock clock;
    platform::setClock(&clock);

    std::vector<double> ms;
    PaintCount painted;
    int tickPaints = 0; // the paints of the timed ticks
    size_t unit = 0;
    int question = 0, played = 0;
    const auto playNext = [&]() {
        auto& d = common::drill();
        if (question == 0 || question >= d.tmCount) {
            if (question != 0) {
                platform::Forms::destroyAll();
                unit = (unit + 1) % b.units.size();
            }
            enterUnit(b, unit);
            d.ksMode = common::ModePractice;
            for (int q = 1; q <= d.tmCount; ++q)
                d.tmDone[q] = QStringLiteral("F");
            home::showUnitPractice();
            QCoreApplication::processEvents();
            clock.advance(100);
            clock.advance(100);
            question = 0;
        }
        FrmTm& tm = platform::Forms::instance<FrmTm>();
        ++question;
        click(tm.CmdGN(4)); // the selector, then the question's button
        click(tm.CmTNO(question));
        clock.advance(100);
        clock.advance(100);
        click(tm.CmdGN(7)); // the demonstration, loaded by its start timer
        clock.advance(200);
        ++played;
        return platform::Forms::isLoaded<FrmYanShi>();
    };
    for (auto _ : state) {
        if (!platform::Forms::isLoaded<FrmYanShi>() && !playNext()) {
            state.SkipWithError("the demonstration did not start");
            break;
        }
        // Idle until the tick, as for the 100 ms between two ticks: a window shown meanwhile is
        // exposed and painted, pictures waiting to be decoded ahead are decoded (untimed).
        do {
            QCoreApplication::processEvents();
        } while (platform::picturesPrefetching());
        const int paintsBefore = painted.paints;
        const auto t0 = std::chrono::steady_clock::now();
        clock.advance(100);
        paintPending(); // what the tick changed, on every window
        const auto t1 = std::chrono::steady_clock::now();
        tickPaints += painted.paints - paintsBefore;
        const double secs = std::chrono::duration<double>(t1 - t0).count();
        state.SetIterationTime(secs);
        ms.push_back(secs * 1000);
    }
    report(state, ms);
    state.counters["questions_started"] = played;
    state.counters["paints_per_tick"] = ms.empty() ? 0 : double(tickPaints) / double(ms.size());
    state.counters["platform_warnings"] = QuietPlatform::swallowed;
    platform::Forms::destroyAll();
    platform::setClock(nullptr);
    platform::setMessageBoxService(nullptr);
}
BENCHMARK(BM_DemoTick)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3000);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Whatever the drill keeps in settings or puts on the desktop goes to a folder of the run's own.
    QTemporaryDir home;
    qputenv("BRANNOCK_SETTINGS_FILE", home.filePath(QStringLiteral("registry.ini")).toLocal8Bit());
    qputenv("BRANNOCK_DESKTOP_DIR", home.filePath(QStringLiteral("Desktop")).toLocal8Bit());
    QApplication app(argc, argv);
    platform::installFontSubstitutions();
    common::computeScale();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
