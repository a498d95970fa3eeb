// The progress files: whatever the unit-completion and question-state files hold, a file that
// cannot be read is never written over, and one that can keeps every line but the drill's own.
#include <algorithm>

#include "common/drill_state.h"
#include "common/text_file.h"
#include "drill/progress_files.h"
#include "fuzz_support.h"
#include "platform/app.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    platform::app::setPath(fuzz::scratch());
    const int unit = data[0] % 30;
    const QByteArrayView body = fuzz::view(data + 1, size - 1);

    const QString completion = drill::unitProgressPath();
    QDir().mkpath(QFileInfo(completion).path());
    fuzz::writeBytes(completion, body);
    const common::TextReadResult before = common::readTextFile(completion);
    const QString flags = QStringLiteral("TFT");
    const drill::Outcome saved = drill::saveUnitProgress(unit, flags, 4);
    if (before.status != common::TextStatus::Ok) {
        fuzz::check(!saved.ok(), "an unreadable progress file is reported");
        fuzz::check(fuzz::readBytes(completion) == body.toByteArray(), "an unreadable progress file is kept");
    } else if (saved.ok() && unit < drill::UnitProgressRead) {
        const common::TextReadResult after = common::readTextFile(completion);
        fuzz::check(after.status == common::TextStatus::Ok, "the rewritten file reads");
        fuzz::check(after.lines.value(unit).startsWith(flags), "the drill's flags are written");
        // The file holds the lines of the units counted (and the drill's own), no more.
        const int written = std::max(4, unit + 1);
        for (int i = 0; i < written && i < before.lines.size(); ++i) {
            if (before.lines.at(i).contains(QLatin1Char('\r'))) break; // a lone CR reads as a line end
            if (i == unit) {
                fuzz::check(after.lines.value(i).size() >= before.lines.at(i).size(),
                            "the line is never shortened");
                continue;
            }
            fuzz::check(after.lines.value(i) == before.lines.at(i), "other units' lines are kept");
        }
    }

    const QString states = drill::unitStatesPath(unit % 20);
    fuzz::writeBytes(states, body);
    const common::TextReadResult statesBefore = common::readTextFile(states);
    const drill::Outcome o =
        drill::saveStates(states, drill::statesLine(drill::statesFromLine(QString()), true));
    if (statesBefore.status != common::TextStatus::Ok) {
        fuzz::check(!o.ok(), "an unreadable states file is reported");
        fuzz::check(fuzz::readBytes(states) == body.toByteArray(), "an unreadable states file is kept");
    }
    (void)drill::readStates(states);
    (void)drill::statesFromLine(QString::fromLatin1(body));
    return 0;
}
