#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <ostream>
#include <sstream>
#include <string>

#include "export/fig_format.h"
#include "export/fig_layout.h"
#include "export/fig_text.h"
#include "model/object_types.h"

using fig_text::format_double;
using fig_text::quote;

namespace {

std::string raw_hex(const Aux& aux)
{
    std::array<unsigned char, sizeof(Aux)> bytes{};
    std::memcpy(bytes.data(), &aux, bytes.size());
    std::string out;
    for (const unsigned char b : bytes)
        fig_text::append_hex(out, b);
    return out;
}

// Kind letter and value of an aux field.
std::string aux_fields(const Aux& aux, char kind)
{
    switch (kind) {
    case fig_layout::kAuxText:
        return std::string(1, kind) + ' ' + quote(aux.as_text());
    case fig_layout::kAuxInt:
        return std::string(1, kind) + ' ' + std::to_string(aux.as_int());
    default:
        if (std::isfinite(aux.as_double()))
            return std::string(1, fig_layout::kAuxDouble) + ' ' + format_double(aux.as_double());
        return std::string(1, fig_layout::kAuxRaw) + ' ' + raw_hex(aux);
    }
}

int byte_value(char c) { return static_cast<unsigned char>(c); }

// The reader refuses non-finite numbers; a value that went astray is written
// as the failed position 0, as the kernels store a failed point.
std::string finite_or_zero(double v) { return format_double(std::isfinite(v) ? v : 0.0); }

void write_object(std::ostream& out, const Dpoint& o)
{
    out << o.type << ' ' << quote(o.name_view()) << ' ' << static_cast<int>(o.cls) << ' '
        << static_cast<int>(static_cast<std::uint8_t>(o.block)) << ' ' << o.shown << ' '
        << o.name_shown << ' ' << o.label_style;
    for (const std::int32_t a : o.arg)
        out << ' ' << a;
    out << ' ' << finite_or_zero(o.x) << ' ' << finite_or_zero(o.y) << ' ' << o.name_dx << ' '
        << o.name_dy << ' ' << aux_fields(o.aux1, fig_layout::aux1_kind(o.type)) << ' '
        << aux_fields(o.aux2, fig_layout::aux2_kind(o.type)) << ' ' << o.colour << ' '
        << o.pen_style << ' ' << o.size << ' ' << quote(o.text_view());
    // A hide button's list holds its entries 0 to aux1; the rest is not in use.
    const std::size_t hidden = o.type == otype::kHideButton ? o.hide_entries() : 0;
    out << ' ' << hidden;
    for (std::size_t e = 0; e < hidden; ++e)
        out << ' ' << o.hide_list[e];
    out << ' ' << o.polyline.size();
    for (const std::int32_t p : o.polyline)
        out << ' ' << p;
    out << '\n';
}

void write_header(std::ostream& out, const ObjectTable& t)
{
    const Dpoint& s = t.get(rec::kState);
    const Dpoint& r1 = t.get(rec::kSettings1);
    const Dpoint& r2 = t.get(rec::kSettings2);
    const Dpoint& r3 = t.get(rec::kFlags3);
    const Dpoint& r12 = t.get(rec::kAnimation);
    out << r1.type;  // conclusion kind and its points
    for (const std::int32_t a : r1.arg)
        out << ' ' << a;
    out << ' ' << format_double(t.safe_unit_length())  // unit length, never below 0.001
        << ' ' << finite_or_zero(r2.aux1.as_double())   // static unit
        << ' ' << finite_or_zero(r2.aux2.as_double())   // length of the unit segment
        << ' ' << r3.arg[1] << ' ' << r3.arg[2]         // unit segment
        << ' ' << s.colour << ' ' << r1.colour << ' ' << r2.colour  // pen, brush, font colours
        << ' ' << r2.arg[0] << ' ' << r2.arg[1] << ' ' << r2.arg[2]  // pen size, pen style, fill style
        << ' ' << r2.shown                               // new points show their names
        << ' ' << byte_value(s.name[0]) << ' ' << s.arg[7]            // next automatic name
        << ' ' << byte_value(s.name[3]) << ' ' << byte_value(s.name[4])  // current block, block count
        << ' ' << r3.label_style                         // leave a trace
        << ' ' << r3.arg[0]                              // current driving point
        << ' ' << r12.arg[3] << ' ' << r12.arg[4]        // animation steps, interval
        << '\n';
}

// Entries 0 to last of records a, b, c, one row each.
void write_rows(std::ostream& out, const ObjectTable& t, int last, int a, int b, int c)
{
    const int rows = last < 0 ? 0 : std::min(last + 1, fig_layout::kMaxLists);
    out << rows << '\n';
    for (int k = 0; k < rows; ++k)
        out << t.get(a).arg[k] << ' ' << t.get(b).arg[k] << ' ' << t.get(c).arg[k] << '\n';
}

}  // namespace

bool fig_write(const Diagram& d, std::ostream& out, const FigExtras& extras)
{
    const ObjectTable& t = d.table;
    const int objects = std::max(0, t.count() - rec::kFirstObject);
    out << objects << '\n';
    for (int i = rec::kFirstObject; i < t.count(); ++i)
        write_object(out, t.get(i));
    write_header(out, t);

    const Dpoint& r2 = t.get(rec::kSettings2);
    write_rows(out, t, r2.arg[6], rec::kLocusFirst, rec::kLocusSecond, rec::kLocusKind);
    write_rows(out, t, r2.arg[7], rec::kDriverPoint, rec::kDriverPath, rec::kDriverSpeed);

    out << d.self_trace.size();
    for (const WorldPoint& p : d.self_trace)
        out << ' ' << finite_or_zero(p.x) << ' ' << finite_or_zero(p.y);
    out << '\n';

    out << extras.expressions.size() << '\n';
    for (const std::string& e : extras.expressions)
        out << quote(e) << '\n';

    out << extras.view.view_flag << ' ' << extras.view.width << ' ' << extras.view.height << '\n';
    out.flush();
    return static_cast<bool>(out);
}
