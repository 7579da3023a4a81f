#include "model/diagram.h"

namespace {
DiagramHooks& no_hooks() {
    static DiagramHooks none;
    return none;
}
}  // namespace

Diagram::Diagram(DiagramHooks* hooks) : hooks_(hooks ? hooks : &no_hooks()) {
    pending = Dpoint::with_colour(Dpoint::kBlue, 1);
    pending.set_name("x");
    // The neighbours are not called here: the window that owns this diagram may
    // still be under construction. A new table already holds the presets.
    pending.colour = table.pen_colour();
    pending.size = table.pen_size_setting();
    pending.pen_style = table.pen_style_setting();
}

void Diagram::set_hooks(DiagramHooks* hooks) { hooks_ = hooks ? hooks : &no_hooks(); }

void Diagram::reset_reserved_records() {
    table.apply_reserved_presets();
    hooks().reset_computation_list();
    for (auto& list : locus_lists) list.clear();
    trace_cursor = 0;
    hooks().reset_animation();
}
