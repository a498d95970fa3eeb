// The update checker's page: any body under any content type decodes to text, and a version
// taken from it has the form of a bank version.
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
        fuzz::check(!v->isEmpty() && v->size() <= updater::MaxVersionLength, "a version is short");
        for (QChar c : *v)
            fuzz::check(c == u'.' || (c >= u'0' && c <= u'9'), "a version is digits and dots");
        fuzz::check(updater::sameVersion(*v, *v), "a version is the same as itself");
    }
    return 0;
}
