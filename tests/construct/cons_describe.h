#pragma once
// Readable descriptions of what a construction appended: "103(A,B)=F" for a
// point of type 103 with parents A and B named F, "135(A,B)" for a segment.

#include <string>
#include <vector>

#include "model/object_table.h"

namespace cons_test {

inline std::string describe(const ObjectTable& t, int k)
{
    const Dpoint& o = t.get(k);
    int n = Dpoint::kArgCount;
    while (n > 0 && o.arg[static_cast<std::size_t>(n - 1)] == 0)
        --n;
    std::string s = std::to_string(o.type) + "(";
    for (int i = 0; i < n; ++i) {
        const int a = o.arg[static_cast<std::size_t>(i)];
        if (i)
            s += ",";
        s += a == 0 ? std::string("-") : std::string(t.get(a).name_view());
    }
    s += ")";
    if (o.cls == 1)
        s += "=" + std::string(o.name_view());
    return s;
}

// Everything appended from index `from` on.
inline std::vector<std::string> appended(const ObjectTable& t, int from)
{
    std::vector<std::string> out;
    for (int k = from; k < t.count(); ++k)
        out.push_back(describe(t, k));
    return out;
}

}  // namespace cons_test
