// The step record's columns and the pop-up codes taken from it: any line, any column.
#include <QStringDecoder>

#include "common/record.h"
#include "common/text_file.h"
#include "fuzz_support.h"
#include "steps/smenu.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<QString> decoded = common::decodeGbk(fuzz::view(data, size));
    const QString rec = decoded ? *decoded : QString::fromLatin1(fuzz::view(data, size));
    for (int start = -1; start <= rec.size() + 2; ++start) {
        for (int length : {0, 1, 2, 3, 4, 5, 10, 20, 300}) {
            const QString f = common::field(rec, start, length);
            fuzz::check(f.size() <= std::max(length, 0), "a field is never longer than asked");
            fuzz::check(common::fieldView(rec, start, length) == f, "view and copy agree");
            (void)common::fieldNumber(rec, start, length);
        }
    }
    (void)smenu::openingCode(rec);
    (void)smenu::judgingCode(rec);
    return 0;
}
