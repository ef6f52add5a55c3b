#include "numfmt.h"

#include <charconv>
#include <cctype>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <vector>

namespace {

// A C locale of our own, switched in per call, so neither the user's
// LC_NUMERIC nor whatever Qt set can change a decimal point.
locale_t c_locale()
{
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(c_locale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

} // namespace

std::string cformat(const char* format, ...)
{
    CLocaleScope scope;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    char small[256];
    int n = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    std::string out;
    if (n < 0) {
        va_end(copy);
        return out;
    }
    if (static_cast<std::size_t>(n) < sizeof small) {
        out.assign(small, static_cast<std::size_t>(n));
    } else {
        std::vector<char> big(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(big.data(), big.size(), format, copy);
        out.assign(big.data(), static_cast<std::size_t>(n));
    }
    va_end(copy);
    return out;
}

std::string exact_number(double value)
{
    if (!std::isfinite(value)) return cformat("%g", value);
    if (std::fabs(value) <= 9007199254740992.0 && std::floor(value) == value) return cformat("%.0f", value);
    char buffer[64];
    // to_chars is locale-independent by definition and gives the shortest
    // round-trip form, switching to an exponent only where it is shorter.
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

double c_strtod(std::string_view text, std::size_t* end)
{
    std::string buffer(text);
    char* stop = nullptr;
    double value = strtod_l(buffer.c_str(), &stop, c_locale());
    if (end != nullptr) *end = static_cast<std::size_t>(stop - buffer.c_str());
    return value;
}

bool parse_double(std::string_view text, double& value)
{
    auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (text.empty()) return false;
    // Only plain decimal notation: no hexadecimal floats, no "inf" or "nan".
    for (char c : text) {
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E'))
            return false;
    }
    std::size_t used = 0;
    double v = c_strtod(text, &used);
    if (used != text.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}
