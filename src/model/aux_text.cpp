#include "model/aux_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool is_space(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::size_t skip_space(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && is_space(text[i])) ++i;
    return i;
}

std::size_t skip_digits(std::string_view text, std::size_t i) {
    while (i < text.size() && is_digit(text[i])) ++i;
    return i;
}

}  // namespace

long parse_decimal_integer(std::string_view text) {
    std::size_t i = skip_space(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long value = 0;
    // The aux texts hold at most eight characters, so no overflow is possible;
    // the cap keeps longer texts harmless too.
    for (; i < text.size() && is_digit(text[i]); ++i) {
        if (value < 100000000000L) value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

double parse_decimal_number(std::string_view text) {
    const std::size_t start = skip_space(text);
    std::size_t i = start;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t int_end = skip_digits(text, i);
    std::size_t end = int_end;
    bool digits = int_end > i;
    if (end < text.size() && text[end] == '.') {
        const std::size_t frac_end = skip_digits(text, end + 1);
        digits = digits || frac_end > end + 1;
        end = frac_end;
    }
    if (!digits) return 0.0;
    // An exponent counts only when digits follow it.
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t j = end + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t exp_end = skip_digits(text, j);
        if (exp_end > j) end = exp_end;
    }
    // Only the validated prefix is converted (no hex, inf or nan forms), and
    // from_chars does not depend on the locale's decimal point.
    std::size_t from = start;
    if (text[from] == '+') ++from;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data() + from, text.data() + end, value);
    (void)ptr;
    if (ec != std::errc()) return 0.0;  // out of range
    return std::isfinite(value) ? value : 0.0;
}
