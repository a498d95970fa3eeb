// The update checker's page: any body under any content type decodes to text, and a version
// taken from it begins with the year of a bank version.
#include "fuzz_support.h"
#include "platform/services.h"
#include "updater/version_page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    // The first byte chooses the content type; the rest is the body.
    static const char* const types[] = {"",
                                        "text/html",
                                        "text/html; charset=gbk",
                                        "text/plain; charset=utf-8",
                                        "text/html; charset=\"big5\"",
                                        "text/html; charset=nonsense",
                                        "application/octet-stream"};
    const QString type = QString::fromLatin1(types[data[0] % std::size(types)]);
    const QByteArray body = fuzz::view(data + 1, size - 1).toByteArray();
    const QString text = platform::NetWebFetcher::decodeBody(body, type);
    const std::optional<QString> v = updater::publishedVersion(text);
    if (v) {
        fuzz::check(v->size() >= 4 && v->size() <= text.size(), "a version is part of the page");
        fuzz::check(*v == v->trimmed(), "a version is trimmed");
        for (QChar c : v->left(4))
            fuzz::check(c >= u'0' && c <= u'9', "a version begins with a year");
        fuzz::check(v->left(4).toInt() >= updater::FirstVersionYear, "the year is 2010 or later");
        fuzz::check(updater::sameVersion(*v, *v), "a version is the same as itself");
    }
    return 0;
}
