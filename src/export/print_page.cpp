#include "export/print_page.h"

PrintMode::PrintMode(ObjectTable& t)
    : table_(t), previous_command_(t.pending_command()), previous_scale_(t.print_scale())
{
    table_.pending_command() = cmd::kPrint;
}

PrintMode::~PrintMode()
{
    table_.pending_command() = previous_command_;
    table_.print_scale() = previous_scale_;
}

void paint_print_page(ObjectTable& t, DeviceContext& dc,
                      const std::function<void(DeviceContext&)>& paint)
{
    t.print_scale() = kPrintScale;
    paint(dc);
}
