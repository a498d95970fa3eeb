// One render of the candidate's desktop: the step record read from the step file, the scene laid
// out and the window painted once. Renders every step of every question of the sample bank when
// one is installed beside this program (a data folder holding unit step files, their question
// lists and the answer texts), otherwise of a bank of its own written to a temporary folder.
// Reports the median and the 95th percentile of one render, with decoded pictures kept by the
// loader and with none kept.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "desktop/frm_main.h"
#include "platform/app.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/form_window.h"
#include "platform/picture.h"
#include "platform/units.h"

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

// Renders steps in bank order; with keepPictures false no decoded picture is kept between
// renders, which shows what the loader's store of decoded pictures saves.
void renderSteps(benchmark::State& state, bool keepPictures)
{
    Bank& b = bank();
    const qint64 keptBefore = platform::setPictureCacheLimit(keepPictures ? 96 * 1024 * 1024 : 0);
    state.SetLabel(b.origin.toStdString());
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

    std::vector<double> ms;
    size_t i = 0;
    for (auto _ : state) {
        const Step& s = b.steps[i++ % b.steps.size()];
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
        const double secs = std::chrono::duration<double>(t1 - t0).count();
        state.SetIterationTime(secs);
        ms.push_back(secs * 1000);
    }
    const auto p95 = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[std::min(v.size() - 1, size_t(double(v.size()) * 0.95))];
    };
    if (ms.size() > b.steps.size()) {
        // The first pass shows every step for the first time in this process; the later passes
        // show steps already shown.
        const auto firstPassEnd = ms.begin() + std::ptrdiff_t(b.steps.size());
        state.counters["p95_first_pass_ms"] = p95({ms.begin(), firstPassEnd});
        state.counters["p95_later_ms"] = p95({firstPassEnd, ms.end()});
    }
    std::sort(ms.begin(), ms.end());
    if (!ms.empty()) {
        state.counters["median_ms"] = ms[ms.size() / 2];
        state.counters["p95_ms"] = p95(ms);
        state.counters["max_ms"] = ms.back();
        state.counters["steps"] = double(b.steps.size());
    }
    platform::Forms::destroyAll();
    platform::setClock(nullptr);
    platform::setPictureCacheLimit(keptBefore);
}

void BM_RenderOneStep(benchmark::State& state)
{
    renderSteps(state, true);
}
void BM_RenderOneStepNothingKept(benchmark::State& state)
{
    renderSteps(state, false);
}
BENCHMARK(BM_RenderOneStep)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2000);
BENCHMARK(BM_RenderOneStepNothingKept)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2000);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installFontSubstitutions();
    common::computeScale();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
