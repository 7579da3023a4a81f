#include "export/export_painting.h"

#include "model/object_types.h"
#include "paint/animation_services.h"
#include "paint/buttons.h"
#include "paint/clip_copy.h"
#include "paint/draw_objects.h"
#include "paint/loci.h"
#include "paint/paint_diagram.h"
#include "paint/points_draw.h"

namespace {

enum Section { kFills, kCurves, kMarks, kLines, kTexts, kButtons, kPoints, kMeasures, kLoci };

// Which section object o is painted in; -1 for none.
int section_of(const Dpoint& o)
{
    if (lowest_layer_curve(o.type))
        return kCurves;
    switch (o.cls) {
    case oclass::kFill: return kFills;
    case oclass::kMark: return kMarks;
    case oclass::kLine: return kLines;
    case oclass::kText: return kTexts;
    case oclass::kButton: return kButtons;
    case oclass::kPoint: return kPoints;
    default: return -1;
    }
}

void paint_object(Diagram& d, DeviceContext& dc, int section, int i)
{
    switch (section) {
    case kFills:
    case kMarks: draw_mark_obj(d, dc, i); break;
    case kCurves:
    case kLines: draw_line_obj(d, dc, i); break;
    case kTexts: draw_text_obj(d, dc, i, d.table.get(i).colour); break;
    case kButtons: draw_button(d, dc, i, kButtonNormal); break;
    case kPoints: draw_point(d, dc, i); break;
    default: break;
    }
}

}  // namespace

void settle_for_painting(ObjectTable& t)
{
    t.placing() = 0;
    t.recompute() = 0;
    t.state_label_style() = 0;
    t.dragged_index() = 0;
}

void paint_in_sections(Diagram& d, DeviceContext& dc,
                       const std::function<void(int section, bool begin)>& mark)
{
    ObjectTable& t = d.table;
    t.record_count() = t.count();
    for (int section = kFills; section <= kPoints; ++section) {
        mark(section, true);
        for (int i = rec::kFirstObject; i < t.count(); ++i)
            if (section_of(t.get(i)) == section)
                paint_object(d, dc, section, i);
        mark(section, false);
    }

    // The window's overlays, as the painter adds them after the objects.
    AnimationServices& animation = animation_services(d);
    mark(kMeasures, true);
    if (!g_clip_copy && t.last_quantity() >= 0) {
        for (int k = 0; k <= t.last_quantity(); ++k) {
            animation.eval_qty(d, dc, k, 0);
            animation.eval_qty(d, dc, k, 2);
        }
        draw_unit(d, dc);
    }
    mark(kMeasures, false);

    mark(kLoci, true);
    if (!g_clip_copy) {
        if (t.recompute())
            recompute_loci(d);
        animation.draw_driving_points(d, dc);
        animation.draw_loci(d, dc);
    }
    draw_locus_traces(d, dc);
    mark(kLoci, false);
}
