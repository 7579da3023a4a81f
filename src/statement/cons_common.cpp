#include "statement/cons_internal.h"

#include <vector>

namespace cons {

std::string line(int no, std::string_view format, std::initializer_list<int> args)
{
    std::vector<std::string_view> items;
    items.reserve(args.size());
    for (int a : args)
        items.push_back(item(no, a));
    return fill(format, items);
}

PredicateForm hyp_predicate_form(int kind)
{
    for (const auto& k : hyp_predicates())
        if (k.kind == kind)
            return {stm_string(k.string_id), k.points};
    return {"", 0};
}

std::string arg_names(int no, int n)
{
    std::string out;
    for (int k = 1; k <= n; ++k) {
        out += ' ';
        out += pt_name(arg(no, k));
    }
    return out;
}

}  // namespace cons
