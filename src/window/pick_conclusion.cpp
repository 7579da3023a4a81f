#include "window/pick_conclusion.h"

#include <array>
#include <string>
#include <vector>

#include "model/adding.h"
#include "model/object_types.h"
#include "platform/string_table.h"
#include "window/dchild.h"
#include "window/drawing_services.h"
#include "window/status_panes.h"

namespace {

enum class Part { Segment, Circle };

// A part of the conclusion drawn at a step: a segment between two picks, or
// a circle with its centre at the first pick through the second (picks
// counted from 1).
struct Drawn {
    int step;
    Part part;
    int p;
    int q;
};

struct Prompt {
    int step;
    int text_id;       // 0: use `text`
    const char* text;  // prompts that have no text of their own
};

struct ConclusionForm {
    int id;
    int name_id;       // 0: use `name`
    const char* name;  // names that have no text of their own
    int nargs;
    std::vector<Prompt> prompts;
    std::vector<Drawn> drawn;
};

std::vector<Drawn> two_segments() { return {{2, Part::Segment, 1, 2}, {4, Part::Segment, 3, 4}}; }
std::vector<Prompt> two_segment_prompts() { return {{0, 1144, nullptr}, {2, 1145, nullptr}}; }

std::vector<Drawn> two_triangles()
{
    return {{3, Part::Segment, 1, 2}, {3, Part::Segment, 1, 3}, {3, Part::Segment, 2, 3},
            {6, Part::Segment, 4, 5}, {6, Part::Segment, 4, 6}, {6, Part::Segment, 5, 6}};
}
std::vector<Prompt> two_triangle_prompts() { return {{0, 1328, nullptr}, {3, 1329, nullptr}}; }

const std::vector<ConclusionForm>& forms()
{
    using namespace concl;
    static const std::vector<ConclusionForm> table = {
        {kCollinear, 1139, nullptr, 3, {{0, 1140, nullptr}},
         {{3, Part::Segment, 1, 2}, {3, Part::Segment, 2, 3}}},
        {kParallel, 1142, nullptr, 4, two_segment_prompts(), two_segments()},
        {kPerpendicular, 1143, nullptr, 4, two_segment_prompts(), two_segments()},
        {kMidpoint, 1100, nullptr, 3, {{0, 1175, nullptr}, {1, 1147, nullptr}}, {{3, Part::Segment, 2, 3}}},
        // The circle through the first three picks is added after the conclusion is stored.
        {kCyclic, 1146, nullptr, 4, {{0, 0, "Select four points on a circle"}}, {}},
        {kEqualDistance, 1141, nullptr, 4, two_segment_prompts(), two_segments()},
        {kEqualAngle,
         1148,
         nullptr,
         6,
         {{0, 1149, nullptr}, {3, 1150, nullptr}},
         {{3, Part::Segment, 1, 2}, {3, Part::Segment, 2, 3}, {6, Part::Segment, 4, 5}, {6, Part::Segment, 5, 6}}},
        {kEqualProduct,
         1151,
         nullptr,
         8,
         {{0, 1152, nullptr}, {2, 1153, nullptr}, {4, 1154, nullptr}, {6, 1155, nullptr}},
         {{2, Part::Segment, 1, 2}, {4, Part::Segment, 3, 4}, {6, Part::Segment, 5, 6}, {8, Part::Segment, 7, 8}}},
        {kTangentCircles,
         1156,
         nullptr,
         4,
         {{0, 1157, nullptr}, {1, 1158, nullptr}, {2, 1159, nullptr}, {3, 1160, nullptr}},
         {{2, Part::Circle, 1, 2}, {4, Part::Circle, 3, 4}}},
        {kHarmonic, 1164, nullptr, 4, two_segment_prompts(), two_segments()},
        {kEquilateral,
         1161,
         nullptr,
         3,
         {{0, 0, "Select three points as the vertices of the triangle"}},
         {{3, Part::Segment, 1, 2}, {3, Part::Segment, 1, 3}, {3, Part::Segment, 2, 3}}},
        {kCongruent, 0, "Congruent", 6, two_triangle_prompts(), two_triangles()},
        {kSimilar, 1341, nullptr, 6, two_triangle_prompts(), two_triangles()},
    };
    return table;
}

const ConclusionForm* form_of(int id)
{
    for (const ConclusionForm& f : forms())
        if (f.id == id)
            return &f;
    return nullptr;
}

int final_step_of(const ConclusionForm& f) { return f.nargs; }

std::string text_of(int id, const char* fallback) { return id ? load_string(id) : std::string(fallback); }

void draw_parts(Dchild& win, const ConclusionForm& form, int step, const Dpoint& work)
{
    for (const Drawn& d : form.drawn) {
        if (d.step != step)
            continue;
        const int a = work.arg[d.p - 1];
        const int b = work.arg[d.q - 1];
        if (d.part == Part::Segment)
            add_segment(win.diagram, 0, a, b, work);
        else
            add_circle(win.diagram, 0, a, b, work);
    }
}

}  // namespace

void pick_conclusion(Dchild& win, int step, const Dpoint& record)
{
    ObjectTable& t = win.objects();
    const ConclusionForm* form = form_of(t.pending_command());
    if (!form)
        return;

    Dpoint work = Dpoint::with_colour(kBlack, 1);
    work = record;
    work.colour = kRed;
    work.pen_style = 0;
    work.size = 1;

    if (step == 0) {
        win.services().cmd_begin(win, text_of(form->name_id, form->name), form->nargs);
    }
    for (const Prompt& p : form->prompts)
        if (p.step == step && step >= 0)
            set_status1(text_of(p.text_id, p.text));

    const int final_step = final_step_of(*form);
    const bool finishing = step == final_step || step == -1;
    if (step > 0 && !finishing) {
        draw_parts(win, *form, step, work);
        return;
    }
    if (!finishing)
        return;

    draw_parts(win, *form, final_step, work);
    if (form->id == concl::kEqualAngle) {
        // Each angle as the two lines through its vertex.
        const auto p = work.arg;
        work.arg = {p[0], p[1], p[1], p[2], p[3], p[4], p[4], p[5]};
    }
    add_point(win.diagram, kAddConclusion, work);
    if (form->id == concl::kCyclic) {
        Dpoint circle = work;
        circle.type = otype::kThreePointCircle;
        circle.cls = oclass::kLine;
        circle.set_name("x");
        circle.arg = {work.arg[0], work.arg[1], work.arg[2], 0, 0, 0, 0, 0};
        add_obj(win.diagram, circle);
        win.draw_line(t.record_count());
    }
    t.action_state() = 0;
}
