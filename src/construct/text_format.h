#pragma once
// Fills the "%s" placeholders of a line template in order, with texts of any
// length; the line grows as needed.

#include <initializer_list>
#include <string>
#include <string_view>

// Every "%s" takes the next filler; a template with more placeholders than
// fillers leaves the rest empty, and surplus fillers are dropped.
inline std::string fill_template(std::string_view tmpl, std::initializer_list<std::string_view> fillers)
{
    std::string out;
    out.reserve(tmpl.size() + 16 * fillers.size());
    auto next = fillers.begin();
    for (std::size_t i = 0; i < tmpl.size(); ++i) {
        if (tmpl[i] == '%' && i + 1 < tmpl.size() && tmpl[i + 1] == 's') {
            if (next != fillers.end())
                out += *next++;
            ++i;
        } else {
            out += tmpl[i];
        }
    }
    return out;
}
