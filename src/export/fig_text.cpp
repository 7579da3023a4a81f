#include "export/fig_text.h"

#include <charconv>
#include <cmath>

namespace fig_text {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// from_chars takes no leading '+'; one is allowed, but not before another sign.
bool strip_plus(std::string_view& text)
{
    if (text.empty() || text.front() != '+')
        return true;
    text.remove_prefix(1);
    return text.empty() || (text.front() != '+' && text.front() != '-');
}

}  // namespace

int hex_value(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void append_hex(std::string& out, unsigned char byte)
{
    constexpr char kDigits[] = "0123456789abcdef";
    out.push_back(kDigits[byte >> 4]);
    out.push_back(kDigits[byte & 0xf]);
}

std::string quote(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + 2);
    out.push_back('"');
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (u < 0x20 || u == 0x7f) {
                out += "\\x";
                append_hex(out, u);
            } else {
                out.push_back(c);
            }
        }
    }
    out.push_back('"');
    return out;
}

std::string format_double(double value)
{
    // Room for the longest shortest form (24 characters) and more.
    std::string text(32, '\0');
    const auto [end, ec] = std::to_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc())
        return "0";
    text.resize(static_cast<std::size_t>(end - text.data()));
    return text;
}

std::optional<std::vector<Field>> split_fields(std::string_view line, std::string& error)
{
    std::vector<Field> fields;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && is_blank(line[i]))
            ++i;
        if (i >= line.size())
            return fields;
        Field field;
        if (line[i] != '"') {
            const std::size_t start = i;
            while (i < line.size() && !is_blank(line[i]))
                ++i;
            field.text.assign(line.substr(start, i - start));
            fields.push_back(std::move(field));
            continue;
        }
        field.quoted = true;
        ++i;
        bool closed = false;
        while (i < line.size()) {
            const char c = line[i++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c != '\\') {
                field.text.push_back(c);
                continue;
            }
            if (i >= line.size())
                break;
            const char e = line[i++];
            switch (e) {
            case '"': field.text.push_back('"'); break;
            case '\\': field.text.push_back('\\'); break;
            case 'n': field.text.push_back('\n'); break;
            case 'r': field.text.push_back('\r'); break;
            case 't': field.text.push_back('\t'); break;
            case 'x': {
                const int hi = i < line.size() ? hex_value(line[i]) : -1;
                const int lo = i + 1 < line.size() ? hex_value(line[i + 1]) : -1;
                if (hi < 0 || lo < 0) {
                    error = "bad \\x escape in a quoted text";
                    return std::nullopt;
                }
                field.text.push_back(static_cast<char>(hi * 16 + lo));
                i += 2;
                break;
            }
            default:
                error = "unknown escape in a quoted text";
                return std::nullopt;
            }
        }
        if (!closed) {
            error = "unterminated quoted text";
            return std::nullopt;
        }
        // A quoted text stands alone: "ab"cd is two fields run together.
        if (i < line.size() && !is_blank(line[i])) {
            error = "text after a closing quote";
            return std::nullopt;
        }
        fields.push_back(std::move(field));
    }
}

std::optional<std::int64_t> parse_integer(std::string_view text)
{
    if (!strip_plus(text))
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> parse_double(std::string_view text)
{
    if (!strip_plus(text))
        return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(),
                                           value, std::chars_format::general);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace fig_text
