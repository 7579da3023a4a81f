#include "model/table_hash.h"

#include <cstring>
#include <string_view>

#include "model/object_table.h"

namespace {

// FNV-1a over the bytes of plain values.
class Fnv {
public:
    template <class T>
    void add(const T& value)
    {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char b : bytes) {
            hash_ ^= b;
            hash_ *= 1099511628211ull;
        }
    }
    void add_text(std::string_view text)
    {
        add(text.size());
        for (char c : text) add(c);
    }
    std::uint64_t value() const { return hash_; }

private:
    std::uint64_t hash_ = 14695981039346656037ull;
};

void add_record(Fnv& h, const Dpoint& p)
{
    h.add(p.type);
    h.add_text(p.name_view());
    h.add(p.cls);
    h.add(p.block);
    h.add(p.shown);
    h.add(p.name_shown);
    h.add(p.label_style);
    h.add(p.arg);
    if (p.is_text()) h.add_text(p.text_view());
    h.add(p.x);
    h.add(p.y);
    h.add(p.name_dx);
    h.add(p.name_dy);
    h.add(p.aux1.s);
    h.add(p.aux2.s);
    h.add(p.colour);
    h.add(p.pen_style);
    h.add(p.size);
    for (std::int32_t k : p.hide_list) h.add(k);
    for (std::int32_t k : p.polyline) h.add(k);
}

}  // namespace

std::uint64_t drawing_fingerprint(const ObjectTable& t)
{
    Fnv h;
    h.add(t.count());
    const Dpoint& settings = t.get(rec::kSettings1);
    h.add(settings.type);
    h.add(settings.arg);
    for (int r = 4; r <= 9; ++r) h.add(t.get(r).arg);
    for (int k = rec::kFirstObject; k < t.count(); ++k) add_record(h, t.get(k));
    return h.value();
}
