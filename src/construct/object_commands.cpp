// Commands that change what is there rather than add a figure: rename,
// delete and hide points, hide, delete and restyle segments and circles,
// measurements for the computation list, the dynamic unit, text, and the two
// turns of the whole diagram.

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "animate/computation.h"
#include "construct/command_line.h"
#include "construct/cons_engine.h"
#include "construct/cons_strings.h"
#include "construct/cons_support.h"
#include "construct/obj_commands.h"
#include "construct/typed_values.h"
#include "model/adding.h"
#include "model/aux_text.h"
#include "model/deleting.h"
#include "model/find_object.h"
#include "model/object_types.h"
#include "model/primitives.h"
#include "paint/points_draw.h"
#include "platform/dialogs.h"

namespace {

using cons::pick;

// Rename: the name edit holds five characters.
constexpr std::size_t kNameEditLength = 5;
// Text: the edit holds 79 characters.
constexpr std::size_t kTextEditLength = 79;
// A typed text stands this many world units above the click.
constexpr int kTextLift = 16;
constexpr int kTypedTextSize = 5;
constexpr int kRecordTextSize = 3;

// Typed turns: degrees with pi taken as 3.14159.
constexpr double kPi = 3.14159;
constexpr std::size_t kAngleEditLength = 9;
constexpr const char* kAngleDefault = "90.0";

// Action states the turns run in (the painter and the kernels read them).
constexpr int kDiagramTurnState = cmd::kRotateByPickedAngle;
constexpr int kTypedTurnState = cmd::kTranslate;

constexpr int kRotationCentre = rec::kAnimation;  // record 12

void begin(ConstructionHost& host, int name_id, int n, int prompt_id)
{
    cmd_begin(host, cons_string(name_id), n);
    cons::prompt(host, prompt_id);
}

void restart(ConstructionHost& host)
{
    host.table().action_state() = astate::kFirstPick;
    cons_step(host, 0, nullptr, 0);
}

// The segment between two picks as add_segment stores it, in any block.
int segment_of(ObjectTable& t, int a, int b)
{
    return find_object(t, otype::kSegment, std::min(a, b), std::max(a, b), 0);
}

// Toggles the show flag (or the show-name flag) of object o; the change goes
// on the restore stack first.
void toggle_shown(ConstructionHost& host, int o, bool name_only)
{
    Diagram& d = host.diagram();
    ObjectTable& t = d.table;
    t.action_state() = astate::kFirstPick;
    if (o == 0)
        return;
    push_hide_change(d, o);
    Dpoint& object = t[o];
    if (name_only) {
        // Written at once, without a repaint: a name being hidden is written
        // over in white while it still counts as shown, a name being shown
        // in the font colour once it does.
        DeviceContext* dc = host.mouse_dc();
        const bool hiding = object.name_shown != 0;
        if (dc && hiding)
            draw_point_name(d, *dc, o, cons::kStandardWhite);
        object.name_shown = hiding ? 0 : 1;
        if (dc && !hiding)
            draw_point_name(d, *dc, o, t.font_colour());
    } else {
        object.shown = object.shown == 0 ? 1 : 0;
        host.invalidate();
    }
}

// Runs the object dialog on a copy of object o and keeps what it changed.
void change_object(ConstructionHost& host, int o)
{
    if (o == 0)
        return;
    Diagram& d = host.diagram();
    Dpoint copy = d.table[o];
    if (host.modify_object(copy))
        upd_obj(d, o, copy);
}

void measure(ConstructionHost& host)
{
    host.table().action_state() = astate::kFirstPick;
    host.measurement().measure_cmd(measure_code::kAppend);
}

void rename_point(ConstructionHost& host, int p)
{
    Diagram& d = host.diagram();
    ObjectTable& t = d.table;
    InputDialog* input = host.input();
    const std::string current(t[p].name_view().substr(0, kNameEditLength));
    const std::optional<std::string> answer =
        input ? input->ask(cons_string(1338), cons_string(1337), current, kNameEditLength) : std::nullopt;
    if (answer) {
        t[p].set_name(answer->substr(0, std::min(answer->size(), kNameEditLength)));
        // Later objects' lines may show the name.
        t.repaint_switch() = 0;
        t.record_count() = t.count();
        DiagramHooks& hooks = d.hooks();
        if (hooks.script_manager_open())
            hooks.script_update_lines(p - rec::kFirstObject, t.count() - rec::kFirstObject);
        t.repaint_switch() = 1;
        host.invalidate();
    }
    restart(host);
}

void place_text(ConstructionHost& host, int step, Dpoint& rec)
{
    Diagram& d = host.diagram();
    ObjectTable& t = d.table;
    if (step == -1) {
        const std::int32_t size = rec.size;
        rec.size = kRecordTextSize;
        rec.cls = oclass::kText;
        add_point(d, kAddOther, rec);
        rec.size = size;
    } else if (step == 1) {
        InputDialog* input = host.input();
        const std::optional<std::string> text =
            input ? input->ask(cons_string(1306), cons_string(1308), "", kTextEditLength) : std::nullopt;
        if (text) {
            const std::int16_t dy = rec.name_dy;
            const std::int32_t size = rec.size;
            rec.set_text(*text);
            rec.x = t.mouse_x();
            rec.y = t.mouse_y();
            rec.name_dy = static_cast<std::int16_t>(std::max<int>(dy - kTextLift, INT16_MIN));
            rec.size = kTypedTextSize;
            rec.cls = oclass::kText;
            add_point(d, kAddOther, rec);
            rec.name_dy = dy;
            rec.size = size;
        }
    }
    host.release_mouse();
}

// Turns the diagram about point `centre` by `angle` radians; the command ends.
void turn(ConstructionHost& host, int centre, int state, double angle)
{
    ObjectTable& t = host.table();
    t[kRotationCentre].x = t[centre].x;
    t[kRotationCentre].y = t[centre].y;
    t.placing() = 0;
    t.recompute() = 0;
    t.state_label_style() = 0;
    t.dragged_index() = 1;
    t.action_state() = state;
    host.rotate_diagram(host.mouse_dc(), angle);
    host.invalidate();
    t.action_state() = astate::kIdle;
}

void turn_by_typed_angle(ConstructionHost& host, int centre)
{
    // The dialog takes the button's release: the press that picked the
    // centre must not hold the mouse past it.
    host.release_mouse();
    double degrees = 0.0;
    if (InputDialog* input = host.input()) {
        const std::string text = cons_string(1091);
        if (const auto typed = input->ask(text, text, kAngleDefault, kAngleEditLength))
            degrees = parse_decimal_number(typed->substr(0, std::min(typed->size(), kTypedTextLimit)));
    }
    turn(host, centre, kTypedTurnState, degrees * kPi / 180.0);
}

// Measurements: command line and prompts, green feedback of the parts picked
// so far, and the quantity handed to the computation list at the last pick.
bool measurement_step(ConstructionHost& host, int id, int step, const Dpoint& rec)
{
    const int p1 = pick(rec, 1), p2 = pick(rec, 2), p3 = pick(rec, 3);
    const int p4 = pick(rec, 4), p5 = pick(rec, 5), p6 = pick(rec, 6);
    const auto seg = [&host](int a, int b) { cons::feedback_segment(host, a, b); };
    switch (id) {
    case measure_type::kSegmentLength:
        if (step == 0) begin(host, 1321, 2, 1322);
        if (step == 2) { seg(p1, p2); measure(host); }
        return true;
    case measure_type::kAngle:
        if (step == 0) begin(host, 1316, 3, 1320);
        if (step == 2) seg(p1, p2);
        if (step == 3) { seg(p2, p3); measure(host); }
        return true;
    case measure_type::kSlope:
        if (step == 0) begin(host, 1005, 2, 1114);
        if (step == 2) { seg(p1, p2); measure(host); }
        return true;
    case measure_type::kTriangleArea:
        if (step == 0) {
            cmd_begin(host, cons_string(1309), 3);
            host.set_status(1, "");
        }
        if (step == 2) seg(p1, p2);
        if (step == 3) { seg(p1, p3); seg(p2, p3); measure(host); }
        return true;
    case measure_type::kQuadrilateralArea:
        if (step == 0) begin(host, 1324, 4, 1325);
        if (step == 2) seg(p1, p2);
        if (step == 3) seg(p2, p3);
        if (step == 4) { seg(p3, p4); seg(p1, p4); measure(host); }
        return true;
    case measure_type::kCircleArea:
        if (step == 0) begin(host, 1303, 2, 1326);
        if (step == 1) cons::prompt(host, 1125);
        if (step == 2) { cons::rubber_circle(host, 1, p1, p1, p2); measure(host); }
        return true;
    case measure_type::kSegmentRatio:
        if (step == 0) begin(host, 1321, 4, 1322);
        if (step == 2) { seg(p1, p2); cons::prompt(host, 1323); }
        if (step == 4) { seg(p3, p4); measure(host); }
        return true;
    case measure_type::kTriangleRatio:
        if (step == 0) begin(host, 1327, 6, 1328);
        if (step == 3) { seg(p1, p2); seg(p2, p3); seg(p1, p3); cons::prompt(host, 1329); }
        if (step == 6) { seg(p4, p5); seg(p5, p6); seg(p4, p6); measure(host); }
        return true;
    default: return false;
    }
}

}  // namespace

namespace obj_commands {

void line_member(ConstructionHost& host, int id, Dpoint& rec)
{
    Diagram& d = host.diagram();
    ObjectTable& t = d.table;
    const int p1 = pick(rec, 1), p2 = pick(rec, 2);
    switch (id) {
    case cmd::kHideLine: toggle_shown(host, segment_of(t, p1, p2), false); break;
    case cmd::kDeleteLine:
        del_segment(d, p1, p2, 0);
        restart(host);
        break;
    case cmd::kUpdateLine:
        change_object(host, segment_of(t, p1, p2));
        restart(host);
        break;
    case measure_code::kDynamicUnit:
        host.measurement().close_calculator();
        t.unit_segment_a() = p1;
        t.unit_segment_b() = p2;
        t.action_state() = astate::kFirstPick;
        host.measurement().measure_cmd(measure_code::kDynamicUnit);
        break;
    default: break;
    }
}

void circle_member(ConstructionHost& host, int id, Dpoint& rec)
{
    Diagram& d = host.diagram();
    ObjectTable& t = d.table;
    // Any point within 2.0 of the radius finds the circle.
    const int circle = find_circle(t, pick(rec, 1), pick(rec, 2));
    switch (id) {
    case cmd::kHideCircle: toggle_shown(host, circle, false); break;
    case cmd::kDeleteCircle:
        if (circle)
            del_point(d, circle, 0, 0);
        restart(host);
        break;
    case cmd::kUpdateCircle:
        change_object(host, circle);
        restart(host);
        break;
    case measure_type::kCirclePerimeter: measure(host); break;
    default: break;
    }
}

bool object_step(ConstructionHost& host, int step, Dpoint& rec)
{
    Diagram& d = host.diagram();
    const int id = d.table.pending_command();
    const int p1 = pick(rec, 1);
    switch (id) {
    case cmd::kRenamePoint:
        // No renaming while the calculator may be showing the names.
        if (host.measurement().calculator_open())
            return true;
        if (step == 0)
            begin(host, 1004, 1, 1333);
        else if (step == 1)
            rename_point(host, p1);
        return true;
    case cmd::kDeletePoint:
        if (step == 0) {
            begin(host, 1004, 1, 1332);
        } else if (step == 1) {
            del_point(d, p1, 0, 1);
            restart(host);
        }
        return true;
    case cmd::kHidePoint:
    case cmd::kHidePointName:
        if (step == 0)
            begin(host, id == cmd::kHidePoint ? 1331 : 1004, 1, 1332);
        else if (step == 1)
            toggle_shown(host, p1, id == cmd::kHidePointName);
        return true;
    case otype::kText:
        if (step == 0)
            begin(host, 1306, 0, 1307);
        place_text(host, step, rec);
        return true;
    case cmd::kRotateByPickedAngle:
        if (step == 0) {
            cons::prompt(host, 1085);
            cmd_begin(host, cons_string(1086), 4);
        } else if (step == 1) {
            cons::prompt(host, 1163);
        } else if (step == 3 && pick(rec, 3) == pick(rec, 2)) {
            cmd_next(host, 3);
        } else if (step == 4) {
            if (pick(rec, 4) == pick(rec, 3))
                cmd_next(host, 4);
            else
                turn(host, p1, kDiagramTurnState,
                     std::atan(p_tan_angle(d.table, pick(rec, 2), pick(rec, 3), pick(rec, 4))));
        }
        return true;
    case cmd::kRotateByTypedAngle:
        if (step == 0) {
            cons::prompt(host, 1085);
            cmd_begin(host, cons_string(1086), 1);
        } else if (step == 1) {
            turn_by_typed_angle(host, p1);
        }
        return true;
    default:
        // Measurements act on clicks only: a complete record measures nothing.
        return measurement_step(host, id, step, rec);
    }
}

}  // namespace obj_commands
