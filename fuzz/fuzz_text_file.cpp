// The text-file reader: any bytes are read without harm, bad lines are named in order, and what
// was read whole is written back to the same lines.
#include "common/text_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzz::scratchFile(QStringLiteral("text.rar"));
    fuzz::writeBytes(path, fuzz::view(data, size));
    const common::TextReadResult r = common::readTextFile(path);
    fuzz::check(r.status == common::TextStatus::Ok || r.status == common::TextStatus::BadEncoding,
                "an ordinary file is read");
    fuzz::check((r.status == common::TextStatus::BadEncoding) == !r.badLines.isEmpty(),
                "bad lines are named exactly when the file has them");
    int previous = 0;
    for (int line : r.badLines) {
        fuzz::check(line > previous && line <= r.lines.size(), "bad lines ascend within the file");
        previous = line;
    }
    if (r.status != common::TextStatus::Ok) return 0;
    // A line with a lone CR or an embedded line end cannot come back as the same line.
    for (const QString& l : r.lines)
        if (l.contains(QLatin1Char('\r')) || l.contains(QLatin1Char('\n'))) return 0;
    const QString copy = fuzz::scratchFile(QStringLiteral("copy.rar"));
    fuzz::check(common::writeTextFile(copy, r.lines) == common::WriteStatus::Ok, "lines read are written");
    const common::TextReadResult again = common::readTextFile(copy);
    fuzz::check(again.status == common::TextStatus::Ok && again.lines == r.lines, "lines survive a rewrite");
    return 0;
}
