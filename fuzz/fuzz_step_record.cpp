// One step record: its columns, the numbers read from them and the pop-up codes taken from it,
// for any line at any column. An input is one record (up to its first line end).
#include <QStringDecoder>

#include "common/record.h"
#include "common/text_file.h"
#include "fuzz_support.h"
#include "steps/smenu.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArrayView bytes = fuzz::view(data, size);
    const qsizetype end = bytes.indexOf('\n');
    if (end >= 0) bytes = bytes.first(end);
    if (bytes.size() > 1000) return 0; // a record is about 200 columns
    const std::optional<QString> decoded = common::decodeGbk(bytes);
    const QString rec = decoded ? *decoded : QString::fromLatin1(bytes);
    for (int start = -1; start <= rec.size() + 2; ++start) {
        for (int length : {-1, 0, 1, 2, 3, 4, 5, 6, 10, 300}) {
            const QString f = common::field(rec, start, length);
            fuzz::check(f.size() <= std::max(length, 0), "a field is never longer than asked");
            fuzz::check(common::fieldView(rec, start, length) == f, "view and copy agree");
            fuzz::check(start < 1 || f == rec.mid(start - 1, std::max(length, 0)) || length < 0,
                        "a field is the columns asked for");
            (void)common::fieldNumber(rec, start, length);
        }
    }
    (void)smenu::openingCode(rec);
    (void)smenu::judgingCode(rec);
    return 0;
}
