#pragma once
// Expressions for the tests written as text: numbers, + - * / ^ ( ),
// "~" for a sign, "pi", "q<row>" for a quantity and "<function>(".

#include <cctype>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "animate/ftoken.h"

namespace anim_test {

inline std::vector<Ftoken> tokens(const std::string& text)
{
    std::vector<Ftoken> out;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ') {
            ++i;
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            char* end = nullptr;
            out.push_back(Ftoken::number(std::strtod(text.c_str() + i, &end)));
            i = static_cast<std::size_t>(end - text.c_str());
        } else if (c == 'q') {
            char* end = nullptr;
            out.push_back(Ftoken::quantity(static_cast<int>(std::strtol(text.c_str() + i + 1, &end, 10))));
            i = static_cast<std::size_t>(end - text.c_str());
        } else if (std::isalpha(static_cast<unsigned char>(c))) {
            std::size_t j = i;
            while (j < text.size() && std::isalpha(static_cast<unsigned char>(text[j])))
                ++j;
            const std::string word = text.substr(i, j - i);
            if (word == "pi") {
                out.push_back(Ftoken::op(FtokenKind::Pi));
                i = j;
            } else {
                const auto f = function_by_name(word);
                if (!f || j >= text.size() || text[j] != '(')
                    throw std::invalid_argument("bad word in " + text);
                out.push_back(Ftoken::function(*f));
                i = j + 1;
            }
        } else {
            const std::string one(1, c);
            const auto token = token_from_code(one);
            if (!token)
                throw std::invalid_argument("bad sign in " + text);
            out.push_back(*token);
            ++i;
        }
    }
    return out;
}

}  // namespace anim_test
