#pragma once
// Fills the "%s" places of a fixed format with texts, in order. The prover's
// lines are built from formats that hold nothing but "%s" conversions; a
// missing argument leaves its place empty and surplus arguments are ignored,
// so a line can never read past what it was given.

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

inline std::string fill(std::string_view format, std::span<const std::string_view> args)
{
    std::string out;
    out.reserve(format.size() + 16 * args.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's') {
            if (next < args.size())
                out += args[next++];
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

inline std::string fill(std::string_view format, std::initializer_list<std::string_view> args)
{
    return fill(format, std::span<const std::string_view>(args.begin(), args.size()));
}
