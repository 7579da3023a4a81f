// Blocks: numbered groups of a drawing's objects. New objects join the
// current block; the figure-wide moves act on it; parts and blocks are
// copied and pasted as new blocks.

#include "window/dchild.h"

#include "model/adding.h"
#include "model/deleting.h"
#include "model/derived_points.h"
#include "model/find_object.h"
#include "model/object_types.h"
#include "model/primitives.h"
#include "paint/paint_diagram.h"
#include "paint/points_draw.h"
#include "platform/image_dc.h"
#include "platform/string_table.h"
#include "window/figure_transforms.h"
#include "window/lookup.h"
#include "window/status_panes.h"
#include "window/window_strings.h"

Dchild* g_block_owner = nullptr;
signed char g_copied_block = 0;
int g_copied_last = 0;

namespace {

// Block numbers are signed bytes.
constexpr int kMaxBlock = 127;
constexpr double kSameCopyDistance = 1.0;

int last_index(const ObjectTable& t) { return t.count() - 1; }

// A new block number, or 0 when the byte is full.
int next_block(ObjectTable& t)
{
    if (t.block_count() >= kMaxBlock)
        return 0;
    return ++t.block_count();
}

}  // namespace

void Dchild::block_cmd(int code)
{
    ObjectTable& t = objects();
    switch (code) {
    case 0:
        t.current_block() = 1;
        t.block_count() = 1;
        break;
    case 1:
        part_copy_point();
        break;
    case 2:
        part_copy_end();
        break;
    case 3: {
        const int count = t.record_count();
        for (int i = rec::kFirstObject; i < count && i < t.count(); ++i)
            if (t[i].cls == oclass::kPoint && in_move_scope(t, t[i]))
                cal_reflection(t, i, i, rec::kAnimation, rec::kMouse13);
        invalidate(true);
        break;
    }
    case cmd::kNewBlock:
        if (const int block = next_block(t))
            t.current_block() = static_cast<char>(block);
        break;
    case cmd::kSelectBlock:
        t.pending_command() = cmd::kSelectBlock;
        t.action_state() = cmd::kSelectBlock;
        set_status1(load_string(wsid::kSelectBlockPrompt));
        invalidate(true);
        break;
    case cmd::kSelectAllBlocks:
        t.current_block() = 0;
        break;
    case cmd::kDeleteBlock:
        delete_current_block();
        break;
    case cmd::kUniteBlocks:
        t.record_count() = last_index(t);
        if (t.record_count() >= rec::kFirstObject) {
            t.block_count() = 1;
            t.current_block() = 1;
            for (int i = rec::kFirstObject; i < t.count(); ++i)
                t[i].block = 1;
        }
        break;
    case cmd::kCopyPartAsBlock:
        part_copy_begin();
        break;
    case cmd::kCopyBlock:
        g_block_owner = this;
        g_copied_block = static_cast<signed char>(t.current_block());
        g_copied_last = last_index(t);
        break;
    case cmd::kPaste:
        paste_block();
        break;
    default:
        break;
    }
}

void Dchild::delete_current_block()
{
    ObjectTable& t = objects();
    // Nothing to delete in a drawing without objects.
    if (t.count() <= rec::kFirstObject)
        return;
    const int block = t.current_block();
    for (int i = last_index(t); i >= rec::kFirstObject; --i) {
        if (i >= t.count())
            continue;
        if (block == 0 || t[i].block == block)
            del_point(diagram, i, 0, 0);
        else if (t[i].block > block)
            --t[i].block;
    }
    invalidate(true);
    if (t.block_count() > 1)
        --t.block_count();
    t.current_block() = t.block_count();
}

void Dchild::part_copy_begin()
{
    ObjectTable& t = objects();
    t.outer_mode() = 0;
    const int last = last_index(t);
    t.record_count() = last;
    t.dragged_index() = last;
    part_copy_last_ = last;
    if (last < rec::kFirstObject + 1)
        return;
    const int block = next_block(t);
    if (block == 0)
        return;
    t.action_state() = cmd::kCopyPartAsBlock;
    t.pending_command() = cmd::kCopyPartAsBlock;
    t.current_block() = static_cast<char>(block);
    Dpoint& proto = scratch();
    proto = Dpoint::of_type(otype::kFreePoint, block);
    proto.colour = kBlue;
    proto.pen_style = 0;
    proto.size = 1;
    t.new_index() = 0;
    part_copy_prev_ = 0;
    set_status1(load_string(wsid::kPartCopyPrompt));
}

void Dchild::part_copy_point()
{
    ObjectTable& t = objects();
    const int p = t.picked_index();
    if (p < rec::kFirstObject || !t.contains(p))
        return;
    Dpoint& proto = scratch();
    proto.x = t[p].x;
    proto.y = t[p].y;
    t.mouse_x() = t[p].x;
    t.mouse_y() = t[p].y;

    int copy = 0;
    if (p > part_copy_last_) {
        // A copy made by this part copy: it serves again as it is.
        copy = p;
    } else {
        if (t[p].block > 0)
            t[p].block = static_cast<std::int8_t>(-t[p].block);
        if (mouse_dc_)
            draw_dot(diagram, *mouse_dc_, p, kRed);
        const int block = t.current_block();
        const int last = last_index(t);
        for (int i = rec::kFirstObject; i <= last; ++i) {
            const Dpoint& o = t[i];
            if (o.block == block && o.name_view() == t[p].name_view() &&
                p_dist(t, i, p) < kSameCopyDistance) {
                copy = i;
                break;
            }
        }
        if (copy == 0) {
            proto.cls = oclass::kPoint;
            proto.name = t[p].name;
            copy = add_obj(diagram, proto);
            t[copy].size = 2;
            draw_point(copy);
        }
    }
    if (part_copy_prev_ != 0 && part_copy_prev_ != copy) {
        const int segment = add_segment(diagram, 1, part_copy_prev_, copy, proto);
        if (segment != 0)
            t[segment].block = static_cast<std::int8_t>(t.current_block());
    }
    part_copy_prev_ = copy;
    t.new_index() = copy;
}

void Dchild::part_copy_end()
{
    ObjectTable& t = objects();
    t.pending_command() = 0;
    const int last = last_index(t);
    t.record_count() = last;
    const int before = part_copy_last_;
    const auto restore_marks = [&] {
        for (int i = rec::kFirstObject; i <= before && i < t.count(); ++i)
            if (t[i].block < 0)
                t[i].block = static_cast<std::int8_t>(-t[i].block);
    };
    if (before >= last) {
        restore_marks();
        t.action_state() = 0;
        return;
    }
    t.outer_mode() = cmd::kCopyPartAsBlock;
    const int block = t.current_block();
    for (int i = rec::kFirstObject; i <= before; ++i) {
        const Dpoint& source = t[i];
        if (source.cls == oclass::kPoint || source.cls == oclass::kText || source.cls == oclass::kButton)
            continue;
        // Only what stands wholly on clicked points is copied.
        bool all_clicked = true;
        for (const std::int32_t a : source.arg)
            if (a != 0 && t.get(a).block > 0)
                all_clicked = false;
        if (!all_clicked)
            continue;
        Dpoint copy = source;
        copy.colour = kBlue;
        copy.block = static_cast<std::int8_t>(block);
        for (std::int32_t& a : copy.arg)
            if (a != 0)
                a = find_object_by_name(t, t.get(a).name_view(), 0, block);
        // The segments the clicks drew are there already, in either direction.
        if (copy.type == otype::kSegment &&
            (find_object(t, otype::kSegment, copy.arg[0], copy.arg[1], block) != 0 ||
             find_object(t, otype::kSegment, copy.arg[1], copy.arg[0], block) != 0))
            continue;
        add_obj(diagram, copy);
    }
    restore_marks();
    drag_mode_cmd(cmd::kTranslate);
}

void Dchild::paste_block()
{
    Dchild* owner = g_block_owner;
    if (!owner)
        return;
    ObjectTable& t = objects();
    t.record_count() = last_index(t);
    const int block = next_block(t);
    if (block == 0)
        return;
    ObjectTable& source = owner->objects();
    const int copied_last = g_copied_last;
    for (int i = rec::kFirstObject; i <= copied_last; ++i) {
        // Objects the owner has lost since the copy are skipped.
        if (!source.contains(i))
            break;
        Dpoint copy = source[i];
        if (g_copied_block != 0 && copy.block != g_copied_block)
            continue;
        if (copy.type != otype::kText && copy.cls != oclass::kButton) {
            for (std::int32_t& a : copy.arg) {
                if (a < rec::kFirstObject || a > copied_last)
                    continue;
                a = source.contains(a) ? find_same_object(t, source[a], block) : 0;
            }
        }
        const int k = add_obj(diagram, copy);
        t[k].block = static_cast<std::int8_t>(block);
    }
    const bool held = mouse_dc_ != nullptr;
    if (!held)
        draw_action(3);
    t.placing() = 0;
    t.recompute() = 0;
    t.state_label_style() = 0;
    t.dragged_index() = 1;
    paint_diagram(diagram, *mouse_dc_, 1);
    if (!held)
        draw_action(4);
    t.current_block() = static_cast<char>(block);
    drag_mode_cmd(cmd::kTranslate);
}
