#pragma once
// Small helpers shared by the painter's own files: device positions of
// records, the missing-point test, block highlighting and scoped selections.

#include "model/device_mapping.h"
#include "model/object_table.h"
#include "model/object_types.h"
#include "platform/device_context.h"

namespace paint_support {

// Device position of record i (coordinates mapped in coordinate mode).
inline DevPoint dev_pos(const ObjectTable& t, int i)
{
    const Dpoint& p = t.get(i);
    return {p_to_dev(t, p.x), p_to_dev(t, p.y)};
}

// A point whose construction failed lies at world (0, 0) and maps to device
// (0, 0) in every mode; nothing that has it as an end or centre is drawn.
inline bool is_unplaced(const ObjectTable& t, int i)
{
    const DevPoint p = dev_pos(t, i);
    return p.x == 0 && p.y == 0;
}

// While a block is selected as the current block, its objects are drawn in red.
inline bool block_highlighted(ObjectTable& t, const Dpoint& object)
{
    return t.action_state() == cmd::kSelectBlock && object.block == t.current_block();
}

// Selects a pen for a scope and reselects the one held before when it ends.
class PenSelection {
public:
    PenSelection(DeviceContext& dc, const Pen& pen) : dc_(dc), previous_(dc.select_pen(pen)) {}
    ~PenSelection() { dc_.select_pen(previous_); }
    PenSelection(const PenSelection&) = delete;
    PenSelection& operator=(const PenSelection&) = delete;

private:
    DeviceContext& dc_;
    Pen previous_;
};

class BrushSelection {
public:
    BrushSelection(DeviceContext& dc, const Brush& brush)
        : dc_(dc), previous_(dc.select_brush(brush))
    {
    }
    ~BrushSelection() { dc_.select_brush(previous_); }
    BrushSelection(const BrushSelection&) = delete;
    BrushSelection& operator=(const BrushSelection&) = delete;

private:
    DeviceContext& dc_;
    Brush previous_;
};

}  // namespace paint_support
