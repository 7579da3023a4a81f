#include "animate/quantity_file.h"

#include <charconv>
#include <sstream>

namespace {

std::vector<std::string> words(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string w;
    while (in >> w)
        out.push_back(w);
    return out;
}

std::optional<int> whole_int(const std::string& w)
{
    int v = 0;
    const auto [ptr, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (ec != std::errc() || ptr != w.data() + w.size())
        return std::nullopt;
    return v;
}

}  // namespace

std::string quantity_to_text(const Quantity& q)
{
    std::string s;
    if (q.is_expression()) {
        s = "E";
        for (const Ftoken& t : q.tokens)
            s += " " + token_code(t);
        return s;
    }
    s = "M " + std::to_string(q.type);
    for (int a : q.args)
        s += " " + std::to_string(a);
    return s;
}

std::optional<Quantity> quantity_from_text(const std::string& text)
{
    const std::vector<std::string> w = words(text);
    if (w.empty())
        return std::nullopt;
    Quantity q;
    if (w[0] == "E") {
        if (w.size() - 1 > kMaxTokens)
            return std::nullopt;
        q.type = kExpressionType;
        for (std::size_t i = 1; i < w.size(); ++i) {
            const auto token = token_from_code(w[i]);
            if (!token)
                return std::nullopt;
            q.tokens.push_back(*token);
        }
        return q;
    }
    if (w[0] != "M" || w.size() != 10)
        return std::nullopt;
    const auto type = whole_int(w[1]);
    if (!type || !is_measurement_type(*type))
        return std::nullopt;
    q.type = *type;
    for (int j = 0; j < 8; ++j) {
        const auto a = whole_int(w[2 + j]);
        if (!a)
            return std::nullopt;
        q.args[j] = *a;
    }
    return q;
}

bool quantity_texts_valid(const std::vector<std::string>& entries, int record_count, std::string& why)
{
    if (entries.size() > static_cast<std::size_t>(kMaxQuantities)) {
        why = std::to_string(entries.size()) + " entries, at most " + std::to_string(kMaxQuantities);
        return false;
    }
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const std::string where = "entry " + std::to_string(k + 1) + ": ";
        const auto q = quantity_from_text(entries[k]);
        if (!q) {
            why = where + "not a quantity";
            return false;
        }
        if (q->is_expression()) {
            for (const Ftoken& t : q->tokens)
                if (t.kind == FtokenKind::Quantity && t.index >= static_cast<int>(k)) {
                    why = where + "refers to a later entry";
                    return false;
                }
            continue;
        }
        const int n = operand_count(q->type);
        for (int j = 0; j < 8; ++j) {
            const int a = q->args[j];
            const bool fits = j < n ? a >= rec::kFirstObject && a < record_count : a == 0;
            if (!fits) {
                why = where + "operand " + std::to_string(a) + " is no object";
                return false;
            }
        }
    }
    return true;
}
