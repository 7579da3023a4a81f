#pragma once
// The lexical layer of point files: quoted texts, numbers written so that they
// read back to the same bits in any locale, and a line split into fields.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fig_text {

// "..." with backslash escapes for the quote, the backslash and every control
// byte, so that any bytes (spaces, quotes, line breaks) survive one line.
// Bytes from 0x80 up are kept as they are (UTF-8 stays readable).
std::string quote(std::string_view bytes);

// The shortest decimal form that reads back to the same double.
std::string format_double(double value);

// One field of a line: a bare word or a quoted text (unescaped).
struct Field {
    std::string text;
    bool quoted = false;
};

// Splits a line into fields separated by blanks. nullopt (with the reason in
// error) for an unterminated quote or a bad escape.
std::optional<std::vector<Field>> split_fields(std::string_view line, std::string& error);

// The value of a hexadecimal digit of either case; -1 for any other character.
int hex_value(char c);
// Appends the byte as two lower-case hexadecimal digits.
void append_hex(std::string& out, unsigned char byte);

// Whole-field number readers: the field must hold the number and nothing else.
std::optional<std::int64_t> parse_integer(std::string_view text);
// Finite values only.
std::optional<double> parse_double(std::string_view text);

}  // namespace fig_text
