#pragma once
// Print mode: while a page is printed or previewed the pending command is
// cmd::kPrint, which makes the painter map world units onto paper by the print scale
// kept in record 1 aux1.

#include <functional>

#include "model/object_table.h"
#include "model/object_types.h"
#include "platform/device_context.h"

inline constexpr double kPrintScale = 6.0;

// Print mode for the life of the object; the pending command and the print
// scale are given back when it ends, so a command in progress goes on.
class PrintMode {
public:
    explicit PrintMode(ObjectTable& t);
    ~PrintMode();
    PrintMode(const PrintMode&) = delete;
    PrintMode& operator=(const PrintMode&) = delete;

private:
    ObjectTable& table_;
    int previous_command_;
    double previous_scale_;
};

// The page painter: stores the print scale, then paints the page through
// `paint` (the window's repaint) on dc.
void paint_print_page(ObjectTable& t, DeviceContext& dc,
                      const std::function<void(DeviceContext&)>& paint);
