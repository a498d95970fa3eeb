// "sMenu.sys": the record of every code and set, read from any file, is fifteen lines at most
// and its item lines split into at most ten items.
#include "fuzz_support.h"
#include "steps/smenu.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    // The first two bytes choose the code and the set; the rest is the file.
    const int code = 3000 + (data[0] % 40) * 100 + (data[1] % 100);
    const int set = data[1] % 10;
    const QString path = fuzz::scratchFile(QStringLiteral("sMenu.sys"));
    fuzz::writeBytes(path, fuzz::view(data + 2, size - 2));
    const smenu::ReadResult r = smenu::readRecord(path, code, set);
    if (!r.ok) return 0;
    for (int i = 1; i <= smenu::RecordLines; ++i) {
        const QStringList items = smenu::splitItems(r.record[i]);
        fuzz::check(!items.isEmpty() && items.size() <= 10, "an item line holds one to ten items");
    }
    return 0;
}
