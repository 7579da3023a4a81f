#pragma once
// What a text line is made of: the object's name, the names of its parents
// and the words of the string table.

#include <string>

#include "model/object_table.h"
#include "platform/string_table.h"

struct TextWords {
    const ObjectTable& t;
    const Dpoint& p;

    std::string name() const { return std::string(p.name_view()); }
    // Name of the parent in argument position i.
    std::string a(int i) const { return std::string(t.get(p.arg[i]).name_view()); }
    // Names of the parents in argument positions first .. first + count - 1, run together.
    std::string names(int first, int count) const
    {
        std::string out;
        for (int i = first; i < first + count; ++i)
            out += a(i);
        return out;
    }
    static std::string w(int id) { return load_string(id); }
};
