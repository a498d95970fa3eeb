// "ver.txt": any file is either refused with a reason or read as the module's forty lines, and
// a line read packs back to a line that reads the same.
#include "fuzz_support.h"
#include "home/km_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString folder = fuzz::scratch() + QStringLiteral("/ver");
    QDir().mkpath(folder);
    fuzz::writeBytes(home::moduleInfoPath(folder), fuzz::view(data, size));
    const home::ModuleInfoRead r = home::readModuleInfo(folder);
    if (r.status != home::ModuleInfoRead::Status::Ok) {
        fuzz::check(r.lines.isEmpty(), "a refused file gives no lines");
        return 0;
    }
    fuzz::check(r.lines.size() == home::InfoLines, "a file read gives forty lines");
    for (const QString& line : r.lines) {
        const std::optional<QString> packed = home::packInfoLine(line);
        if (!packed) continue;
        const std::optional<QString> back = home::unpackInfoLine(*packed);
        fuzz::check(back && *back == line, "a line packs back to itself");
    }
    (void)home::kmInfoFromLines(r.lines, folder);
    return 0;
}
