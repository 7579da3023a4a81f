#include "model/dump.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "model/numeric.h"
#include "model/object_types.h"

namespace {

constexpr int kLineHeight = 17;
constexpr int kLastLineY = 600;

// Device y of the next line, shared by all drawings.
int g_line_y = 1;

// The eight values of the ps(...) part: the parents, or for a text object the
// first 32 bytes of its text read as little-endian int32, as the record
// holds them in the parents' place.
std::array<std::int32_t, Dpoint::kArgCount> ps_values(const Dpoint& p) {
    if (!p.is_text()) return p.arg;
    std::array<std::int32_t, Dpoint::kArgCount> values{};
    for (std::size_t k = 0; k < values.size(); ++k) {
        std::uint32_t v = 0;
        for (std::size_t b = 0; b < sizeof v; ++b)
            v |= std::uint32_t(static_cast<unsigned char>(p.text[k * sizeof v + b])) << (8 * b);
        values[k] = static_cast<std::int32_t>(v);
    }
    return values;
}

void put_text_line(const DumpWriter& write, std::string_view text) {
    if (g_line_y > kLastLineY) g_line_y = 1;
    write(1, g_line_y, text);
    g_line_y += kLineHeight;
}

}  // namespace

std::string dump_line(const Dpoint& p, int index) {
    const std::string name(p.name_view());
    const auto a = ps_values(p);
    const char* format =
        "(%d): type=%d,name=%s,xy(%ld,%ld)draw(%d),cls(%d) co(%d,%d) ps(%d,%d,%d,%d,%d,%d,%d,%d)\n";
    const long x = trunc_to_int(p.x);
    const long y = trunc_to_int(p.y);
    const int n = std::snprintf(nullptr, 0, format, index, p.type, name.c_str(), x, y, p.shown,
                                int(p.cls), p.pen_style, p.size, a[0], a[1], a[2], a[3], a[4],
                                a[5], a[6], a[7]);
    std::string line(static_cast<std::size_t>(n), '\0');
    std::snprintf(line.data(), line.size() + 1, format, index, p.type, name.c_str(), x, y,
                  p.shown, int(p.cls), p.pen_style, p.size, a[0], a[1], a[2], a[3], a[4], a[5],
                  a[6], a[7]);
    return line;
}

void dump_points(Diagram& d, const DumpWriter& write) {
    ObjectTable& t = d.table;
    g_line_y = 1;
    t.record_count() = t.count();
    for (int i = rec::kFirstObject; i < t.count(); ++i) put_text_line(write, dump_line(t[i], i));
}

void dump_diagram_cmd(Diagram& d, const DumpWriter& write) {
    if (d.table.action_state() == astate::kAnimation) return;
    dump_points(d, write);
}
