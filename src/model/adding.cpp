#include "model/adding.h"

#include <algorithm>
#include <cstdio>

#include "model/find_object.h"
#include "model/object_types.h"
#include "model/primitives.h"

int g_name_changed = 0;

namespace {

constexpr int kFilledMarkStyle = 6;

// placing, recompute and the state record's label style are cleared together.
void clear_placing(ObjectTable& t) {
    t.placing() = 0;
    t.recompute() = 0;
    t.state_label_style() = 0;
}

std::string form_name(char letter, int suffix) {
    char buf[16];
    if (suffix == 0)
        std::snprintf(buf, sizeof buf, "%c", letter);
    else
        std::snprintf(buf, sizeof buf, "%c%d", letter, suffix);
    return buf;
}

void add_new_point(Diagram& d, Dpoint& rec) {
    ObjectTable& t = d.table;
    const bool from_clicks = t.from_clicks() != 0;
    if (from_clicks || rec.name_view().empty()) rec.set_name(next_auto_name(t));
    rec.cls = oclass::kPoint;
    rec.name_shown = t.new_points_show_names();
    add_obj(d, rec);
    const int k = t.record_count();
    t.new_index() = k;
    t[k].size = 2;
    t.placing() = 1;
    t.recompute() = 1;
    if (!from_clicks && rec.type == otype::kFreePoint)
        d.hooks().draw_point(k);  // its given coordinates stay
    else
        d.hooks().draw_one(k);
}

void choose_candidate(Diagram& d) {
    ObjectTable& t = d.table;
    const double d10 = p_dist2(t, rec::kState, rec::kCandidate0);
    const double d11 = p_dist2(t, rec::kState, rec::kCandidate1);
    const Dpoint& chosen = t[d10 <= d11 ? rec::kCandidate0 : rec::kCandidate1];
    const double x = chosen.x, y = chosen.y;
    Dpoint& point = t[t.new_index()];
    point.x = x;
    point.y = y;
    clear_placing(t);
    d.hooks().invalidate();
}

void add_mark(Diagram& d, Dpoint& rec) {
    ObjectTable& t = d.table;
    rec.cls = oclass::kMark;
    rec.set_name("x");
    add_obj(d, rec);
    const int k = t.record_count();
    t.new_index() = k;
    Dpoint& mark = t[k];
    mark.colour = t.brush_colour();
    mark.name_shown = 0;
    mark.pen_style = mark.type == otype::kFilledAngleMark ? kFilledMarkStyle : 0;
    clear_placing(t);
    d.hooks().draw_one(k);
}

void add_fill(Diagram& d, Dpoint& rec) {
    ObjectTable& t = d.table;
    if (t.from_clicks() != 0 || rec.name_view().empty()) {
        rec.colour = t.brush_colour();
        rec.pen_style = t.fill_style_setting();
    }
    rec.cls = oclass::kFill;
    rec.size = 1;
    rec.set_name("f");
    add_obj(d, rec);
    // The pending record goes on with the line settings.
    rec.colour = t.pen_colour();
    rec.pen_style = t.pen_style_setting();
    d.hooks().invalidate();
}

void add_other(Diagram& d, Dpoint& rec) {
    ObjectTable& t = d.table;
    rec.set_name("x");
    add_obj(d, rec);
    clear_placing(t);
    d.hooks().draw_one(t.record_count());
}

void set_conclusion(Diagram& d, const Dpoint& rec) {
    ObjectTable& t = d.table;
    t.action_state() = 0;
    t.conclusion_type() = t.pending_command();
    t.conclusion_args() = rec.arg;
}

// Shared tail of add_segment and add_circle once the search has answered.
int add_or_restyle(Diagram& d, int found, int keep_style, int type, int a, int b,
                   const Dpoint& proto) {
    ObjectTable& t = d.table;
    t.record_count() = found;
    if (found == 0) {
        Dpoint line = proto;
        line.reinit(type, "x", a, b);  // keeps the pending colour, style and size
        line.cls = oclass::kLine;
        line.block = static_cast<std::int8_t>(t.current_block());
        const int k = add_obj(d, line);
        t.placing() = 1;
        t.recompute() = 0;
        d.hooks().draw_line(k);
        return k;
    }
    if (keep_style == 0) {
        Dpoint& line = t[found];
        line.colour = t.pen_colour();
        line.size = t.pen_size_setting();
        line.pen_style = t.pen_style_setting();
        line.shown = proto.shown;
        line.name_shown = proto.name_shown;
    }
    d.hooks().draw_line(found);
    return found;
}

}  // namespace

std::string next_auto_name(ObjectTable& t) {
    for (;;) {
        char& letter = t.next_name_letter();
        if (letter < 'A' || letter > 'Z') letter = 'A';  // a damaged letter restarts the run
        std::int32_t& suffix = t.name_suffix();
        if (suffix < 0 || suffix > 99999999) suffix = 0;  // the name must fit in 9 characters
        std::string name = form_name(letter, suffix);
        if (letter == 'Z') {
            letter = 'A';
            ++suffix;
        } else {
            ++letter;
        }
        if (find_object_by_name(t, name, 0, 0) == 0) return name;
    }
}

int add_obj(Diagram& d, const Dpoint& rec) {
    ObjectTable& t = d.table;
    const int k = t.append(rec);
    t.record_count() = k;
    const int block = t.current_block();
    t[k].block = static_cast<std::int8_t>(block == 0 ? 1 : block);
    if (d.hooks().script_manager_open()) d.hooks().script_append_line(k);
    return k;
}

void add_point(Diagram& d, char kind, Dpoint& rec) {
    switch (kind) {
    case kAddPoint: add_new_point(d, rec); break;
    case kAddChooseCandidate: choose_candidate(d); break;
    case kAddMark: add_mark(d, rec); break;
    case kAddFill: add_fill(d, rec); break;
    case kAddOther: add_other(d, rec); break;
    case kAddConclusion: set_conclusion(d, rec); break;
    default: break;
    }
}

int add_segment(Diagram& d, int keep_style, int a, int b, const Dpoint& proto) {
    if (a == b) return 0;
    if (a > b) std::swap(a, b);
    const int found = find_object(d.table, otype::kSegment, a, b, d.table.current_block());
    return add_or_restyle(d, found, keep_style, otype::kSegment, a, b, proto);
}

int add_circle(Diagram& d, int keep_style, int c, int p, const Dpoint& proto) {
    const int found = find_circle(d.table, c, p);
    return add_or_restyle(d, found, keep_style, otype::kCircle, c, p, proto);
}

void upd_obj(Diagram& d, int k, const Dpoint& rec) {
    ObjectTable& t = d.table;
    const bool name_changed = g_name_changed != 0;
    g_name_changed = 0;
    if (k < rec::kFirstObject || !t.write(k, rec)) return;
    DiagramHooks& h = d.hooks();
    if (h.script_manager_open()) {
        if (t[k].cls == oclass::kPoint && name_changed) {
            // Later objects' lines may show k's name.
            t.repaint_switch() = 0;
            t.record_count() = t.count();
            h.script_update_lines(k - rec::kFirstObject, t.count() - rec::kFirstObject);
        } else {
            h.script_update_line(k - rec::kFirstObject);
        }
        t.repaint_switch() = 1;
    }
    h.invalidate();
}

void add_from_rec(Diagram& d, Dpoint& rec) {
    d.table.pending_command() = rec.type;
    d.hooks().build_from_record(rec);
}

Dpoint* get_obj(Diagram& d, int k) {
    ObjectTable& t = d.table;
    if (k < rec::kFirstObject) return nullptr;
    t.record_count() = t.count();
    return k < t.count() ? &t[k] : nullptr;
}
