#include "model/deleting.h"

#include <algorithm>

#include "model/adding.h"
#include "model/find_object.h"
#include "model/object_types.h"
#include "platform/dialogs.h"

namespace {

// Number of entries in use of a list of eight whose last index is `last`.
int list_length(int last) { return std::clamp(last + 1, 0, Dpoint::kArgCount); }

// Whether a record names object i as a parent (texts hold no parents).
bool refers_to(const Dpoint& p, int i) {
    if (p.is_text()) return false;
    if (std::find(p.arg.begin(), p.arg.end(), i) != p.arg.end()) return true;
    return std::find(p.polyline.begin(), p.polyline.end(), i) != p.polyline.end();
}

bool hides(const Dpoint& p, int i) {
    if (p.type != otype::kHideButton) return false;
    const auto end = p.hide_list.begin() + static_cast<std::ptrdiff_t>(p.hide_entries());
    return std::find(p.hide_list.begin(), end, i) != end;
}

void lower_above(std::int32_t& index, int i) {
    if (index > i) --index;
}

// Lowers the parents of a record above i, and the entries of its hide list.
void renumber_record(Dpoint& p, int i) {
    if (!p.is_text()) {
        for (auto& a : p.arg) lower_above(a, i);
        for (auto& v : p.polyline) lower_above(v, i);
    }
    if (p.type == otype::kHideButton) {
        const std::size_t n = p.hide_entries();
        for (std::size_t e = 0; e < n; ++e) lower_above(p.hide_list[e], i);
    }
}

// Brings the restore stack in step with the removal of object i: entries that
// refer to i can no longer be restored and are dropped; the others are renumbered.
void renumber_restore_stack(ObjectTable& t, int i) {
    int top = std::clamp(t.restore_top(), rec::kRestoreFirst, rec::kRestoreEnd);
    int kept = rec::kRestoreFirst;
    for (int s = rec::kRestoreFirst; s < top; ++s) {
        Dpoint entry = t[s];
        if (entry.type < 0) {
            const int k = -entry.type;
            if (k == i) continue;
            if (k > i) entry.type = -(k - 1);
        } else {
            if (refers_to(entry, i)) continue;
            if (entry.type == otype::kHideButton) {
                // The hidden object itself is gone: take it out of the list.
                const auto used = static_cast<std::ptrdiff_t>(entry.hide_entries());
                const auto end = entry.hide_list.begin() + used;
                const auto new_end = std::remove(entry.hide_list.begin(), end, i);
                const auto kept_entries = new_end - entry.hide_list.begin();
                entry.hide_list.erase(new_end, end);
                entry.aux1.set_int(static_cast<std::int32_t>(kept_entries) - 1);
            }
            renumber_record(entry, i);
        }
        t[kept++] = std::move(entry);
    }
    t.restore_top() = kept;
}

// Rebuilds the Script Manager lines of objects from..count-1 (their numbers
// or their parents' names changed).
void refresh_script_lines(Diagram& d, int from) {
    ObjectTable& t = d.table;
    DiagramHooks& h = d.hooks();
    t.record_count() = t.count();
    h.script_update_lines(from - rec::kFirstObject, t.count() - rec::kFirstObject);
}

}  // namespace

bool can_delete(Diagram& d, int i) {
    ObjectTable& t = d.table;
    const int drivers = list_length(t.last_driver());
    for (int k = 0; k < drivers; ++k) {
        if (t.driver_point(k) == i) return false;
        // 425 in the path list marks a self-drawn trace, not an object.
        const int path = t.driver_path(k);
        if (path == i && path != rec::kSelfTraceMarker) return false;
    }
    const int loci = list_length(t.last_locus());
    for (int k = 0; k < loci; ++k)
        if (t.locus_object(k) == i) return false;
    const auto& conclusion = t.conclusion_args();
    if (std::find(conclusion.begin(), conclusion.end(), i) != conclusion.end()) return false;
    for (int j = i + 1; j < t.count(); ++j) {
        const Dpoint& p = t[j];
        if (refers_to(p, i) || hides(p, i)) return false;
    }
    t.record_count() = i;
    return !d.hooks().pt_in_quantity(1);
}

bool del_point(Diagram& d, int k, int by_position, int confirm) {
    ObjectTable& t = d.table;
    const int index = by_position == 0 ? k : k + rec::kFirstObject;
    if (index < rec::kFirstObject || index >= t.count()) return false;
    MessageBoxes* boxes = d.hooks().message_boxes();
    if (!can_delete(d, index)) {
        if (boxes) boxes->ok("", "Can't delete the point");
        return false;
    }
    if (confirm != 0 && boxes &&
        !boxes->yes_no("Delete A Point", "Are you sure?", MessageIcon::Question))
        return false;
    undo_push(d, index);
    del_object(d, index);
    DiagramHooks& h = d.hooks();
    if (h.script_manager_open()) {
        t.repaint_switch() = 0;
        h.script_delete_line(index - rec::kFirstObject);
        refresh_script_lines(d, index);
        t.repaint_switch() = 1;
    }
    return true;
}

void del_object(Diagram& d, int i) {
    ObjectTable& t = d.table;
    if (i < rec::kFirstObject || i >= t.count()) return;
    for (int j = i + 1; j < t.count(); ++j) renumber_record(t[j], i);
    // The object's own arrays go with the record.
    t.remove(i);
    for (auto& a : t.conclusion_args()) lower_above(a, i);
    t.record_count() = i;
    d.hooks().measure_cmd(-103);
    const int loci = list_length(t.last_locus());
    for (int k = 0; k < loci; ++k) lower_above(t.locus_object(k), i);
    const int drivers = list_length(t.last_driver());
    for (int k = 0; k < drivers; ++k) {
        lower_above(t.driver_point(k), i);
        if (t.driver_path(k) != rec::kSelfTraceMarker) lower_above(t.driver_path(k), i);
    }
    renumber_restore_stack(t, i);
}

int del_segment(Diagram& d, int a, int b, int confirm) {
    const int s = find_object(d.table, otype::kSegment, std::min(a, b), std::max(a, b), 0);
    if (s != 0) del_point(d, s, 0, confirm);
    return s;
}

void undo_push(Diagram& d, int i) {
    ObjectTable& t = d.table;
    int top = std::clamp(t.restore_top(), rec::kRestoreFirst, rec::kRestoreEnd);
    if (top >= rec::kRestoreEnd) {
        for (int s = rec::kRestoreFirst; s + 1 < rec::kRestoreEnd; ++s) t[s] = t[s + 1];
        top = rec::kRestoreEnd - 1;
    }
    t[top] = t.get(i);
    t.restore_top() = top + 1;
}

void push_hide_change(Diagram& d, int k) {
    undo_push(d, k);
    ObjectTable& t = d.table;
    t[t.restore_top() - 1].type = -k;
}

bool can_restore(Diagram& d) { return d.table.restore_top() > rec::kRestoreFirst; }

void restore_last(Diagram& d) {
    ObjectTable& t = d.table;
    DiagramHooks& h = d.hooks();
    if (!can_restore(d)) return;
    const int top = std::min(t.restore_top(), rec::kRestoreEnd) - 1;
    t.restore_top() = top;
    const Dpoint entry = t[top];
    if (entry.type > 0) {
        // Back as the last object, in the current block; its arrays are its own copies.
        const int k = add_obj(d, entry);
        if (otype::is_conic(entry.type)) h.resample_conic(k);
        h.invalidate();
        return;
    }
    const int k = -entry.type;
    if (k < rec::kFirstObject || k >= t.count()) {
        h.invalidate();
        return;
    }
    Dpoint& object = t[k];
    const bool renamed = object.name_view() != entry.name_view();
    if (renamed) object.name = entry.name;
    object.shown = entry.shown;
    object.name_shown = entry.name_shown;
    object.colour = entry.colour;
    object.size = entry.size;
    object.pen_style = entry.pen_style;
    if (h.script_manager_open()) {
        if (renamed) {
            t.repaint_switch() = 0;
            refresh_script_lines(d, k);
        } else {
            h.script_update_line(k - rec::kFirstObject);
        }
        t.repaint_switch() = 1;
    }
    h.invalidate();
}

void clear_diagram(Diagram& d) {
    ObjectTable& t = d.table;
    t.record_count() = t.count() - 1;
    t.truncate(rec::kFirstObject);
    d.hooks().release_expression_tokens();
    d.reset_reserved_records();
    d.hooks().invalidate();
}

void delete_last_construction(Diagram& d) {
    ObjectTable& t = d.table;
    t.record_count() = t.count();
    if (t.count() > rec::kFirstObject) del_point(d, t.count() - 1, 0, 0);
    d.hooks().invalidate();
}

void delete_current_block(Diagram& d) {
    ObjectTable& t = d.table;
    const int block = t.current_block();
    for (int i = t.count() - 1; i >= rec::kFirstObject; --i)
        if (i < t.count() && (block == 0 || t[i].block == block)) del_point(d, i, 0, 0);
}
