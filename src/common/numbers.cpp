#include "common/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace common {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The parts of the leading number: its sign, and its digits before and after the point.
struct Leading {
    bool negative = false;
    std::string whole;
    std::string fraction;
};

Leading scan(QStringView text)
{
    Leading n;
    bool signSeen = false;
    bool digitSeen = false;
    bool pointSeen = false;
    for (QChar c : text) {
        if (isBlank(c)) continue;
        if (isDigit(c)) {
            digitSeen = true;
            (pointSeen ? n.fraction : n.whole).push_back(char(c.unicode()));
        } else if ((c == u'+' || c == u'-') && !signSeen && !digitSeen && !pointSeen) {
            signSeen = true;
            n.negative = c == u'-';
        } else if (c == u'.' && !pointSeen) {
            pointSeen = true;
        } else {
            break;
        }
    }
    return n;
}

} // namespace

double leadingNumber(QStringView text)
{
    const Leading n = scan(text);
    if (n.whole.empty() && n.fraction.empty()) return 0.0;
    std::string s = n.whole.empty() ? std::string("0") : n.whole;
    if (!n.fraction.empty()) s += '.' + n.fraction;
    double value = 0.0;
    const auto ec = std::from_chars(s.data(), s.data() + s.size(), value).ec;
    if (ec == std::errc::result_out_of_range) {
        // Hundreds of digits: too large for a double when the whole part is not 0, else too small.
        value = n.whole.find_first_not_of('0') != std::string::npos ? std::numeric_limits<double>::infinity()
                                                                    : 0.0;
    }
    return n.negative ? -value : value;
}

bool leadingNumberNonZero(QStringView text)
{
    const Leading n = scan(text);
    return n.whole.find_first_not_of('0') != std::string::npos ||
           n.fraction.find_first_not_of('0') != std::string::npos;
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value)) return value;
    // value - floor(value) is exact for every double, so the halves are found exactly.
    const double below = std::floor(value);
    const double rest = value - below;
    if (rest < 0.5) return below;
    if (rest > 0.5) return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::optional<qint16> cint16(double value)
{
    if (std::isnan(value)) return std::nullopt;
    const double r = roundHalfEven(value);
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return qint16(r);
}

std::optional<qint16> FieldNumber(QStringView text)
{
    return cint16(leadingNumber(text));
}

} // namespace common
