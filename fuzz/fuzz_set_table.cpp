// The set table and the question lists: a set is built from any table over the sample bank's
// units, and a build that succeeds holds forty questions whose blocks are all in the step file.
#include <QDateTime>
#include <QDirIterator>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/text_file.h"
#include "drill/bank_files.h"
#include "fuzz_support.h"
#include "platform/app.h"

namespace {

// The sample installation's bank, copied once into the scratch folder; named by
// BRANNOCK_FUZZ_BANK (the data folder of an installation written by sample_gen).
bool prepared()
{
    static const bool ok = [] {
        const QString from = qEnvironmentVariable("BRANNOCK_FUZZ_BANK");
        if (from.isEmpty()) {
            std::fprintf(stderr, "BRANNOCK_FUZZ_BANK names no bank folder\n");
            std::abort();
        }
        const QString to = fuzz::scratch() + QStringLiteral("/bank");
        QDir().mkpath(to);
        for (QDirIterator it(from, QDir::Files); it.hasNext();) {
            const QString f = it.next();
            QFile::copy(f, to + QLatin1Char('/') + QFileInfo(f).fileName());
        }
        return true;
    }();
    return ok;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!prepared() || size < 1) return 0;
    platform::app::setPath(fuzz::scratch());
    auto& d = common::drill();
    d.dataPath = fuzz::scratch() + QStringLiteral("/bank/");
    d.dataExt = common::defaultDataExt();
    const int set = data[0] % 3;
    const QString table = drill::bankPath(drill::bankno::SetTable);
    const QByteArray kept = fuzz::readBytes(table);
    fuzz::writeBytes(table, fuzz::view(data + 1, size - 1));
    QFile::remove(drill::bankPath(set + drill::bankno::ListOffset));

    const drill::ExamSetBuild built = drill::buildExamSet(set, 3, QDateTime(QDate(2026, 1, 5), QTime(9, 0)));
    if (built.ok()) {
        const common::TextReadResult list =
            common::readTextFile(drill::bankPath(set + drill::bankno::ListOffset));
        const common::TextReadResult steps = common::readTextFile(drill::bankPath(set));
        fuzz::check(list.ok() && drill::listQuestions(list.lines).size() == drill::MaxDrillQuestions,
                    "a set built holds forty questions");
        int needed = 0;
        for (const QString& q : drill::listQuestions(list.lines)) {
            fuzz::check(drill::stepCount(q) >= 1, "every question built has steps");
            needed += drill::stepCount(q);
        }
        fuzz::check(steps.ok() && steps.lines.size() >= needed, "every block is in the step file");
    }
    fuzz::writeBytes(table, kept);
    return 0;
}
