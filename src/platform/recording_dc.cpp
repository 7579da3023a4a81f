#include "platform/recording_dc.h"

#include "platform/gui_init.h"
#include "platform/text_metrics.h"

#include <sstream>

namespace {

int as_int(Colour c) { return static_cast<int>(c); }

std::vector<int> box_args(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    return {left, top, right, bottom, x1, y1, x2, y2};
}

std::vector<int> point_args(std::span<const DevPoint> points)
{
    std::vector<int> args;
    args.reserve(points.size() * 2);
    for (const DevPoint& p : points) {
        args.push_back(p.x);
        args.push_back(p.y);
    }
    return args;
}

}  // namespace

RecordingDC::RecordingDC(DevSize size) : size_(size) { ensure_gui_application(); }

void RecordingDC::record(CallKind kind, std::string op, std::vector<int> args, std::string text)
{
    std::ostringstream s;
    s << op << '(';
    for (std::size_t i = 0; i < args.size(); ++i)
        s << (i ? "," : "") << args[i];
    if (!text.empty() || op == "text_out" || op == "text_extent")
        s << (args.empty() ? "" : ",") << '"' << text << '"';
    s << ')';
    calls_.push_back({kind, std::move(op), std::move(args), std::move(text), state_, s.str()});
}

Pen RecordingDC::select_pen(const Pen& pen)
{
    Pen previous = DeviceContext::select_pen(pen);
    record(CallKind::State, "select_pen",
           {as_int(pen.colour), pen.width, static_cast<int>(pen.style)});
    return previous;
}

Brush RecordingDC::select_brush(const Brush& brush)
{
    Brush previous = DeviceContext::select_brush(brush);
    record(CallKind::State, "select_brush",
           {static_cast<int>(brush.kind), as_int(brush.colour), static_cast<int>(brush.hatch)});
    return previous;
}

Font RecordingDC::select_font(const Font& font)
{
    Font previous = DeviceContext::select_font(font);
    record(CallKind::State, "select_font", {font.height, font.weight, font.italic ? 1 : 0},
           font.face);
    return previous;
}

void RecordingDC::restore_pen()
{
    DeviceContext::restore_pen();
    record(CallKind::State, "restore_pen", {});
}

void RecordingDC::restore_brush()
{
    DeviceContext::restore_brush();
    record(CallKind::State, "restore_brush", {});
}

void RecordingDC::restore_font()
{
    DeviceContext::restore_font();
    record(CallKind::State, "restore_font", {});
}

void RecordingDC::restore_objects()
{
    // One call, not three: callers restore everything at once.
    DeviceContext::restore_pen();
    DeviceContext::restore_brush();
    DeviceContext::restore_font();
    record(CallKind::State, "restore_objects", {});
}

Colour RecordingDC::set_text_colour(Colour c)
{
    Colour previous = DeviceContext::set_text_colour(c);
    record(CallKind::State, "set_text_colour", {as_int(c)});
    return previous;
}

Colour RecordingDC::set_bk_colour(Colour c)
{
    Colour previous = DeviceContext::set_bk_colour(c);
    record(CallKind::State, "set_bk_colour", {as_int(c)});
    return previous;
}

BkMode RecordingDC::set_bk_mode(BkMode mode)
{
    BkMode previous = DeviceContext::set_bk_mode(mode);
    record(CallKind::State, "set_bk_mode", {static_cast<int>(mode)});
    return previous;
}

Rop2 RecordingDC::set_rop2(Rop2 rop)
{
    Rop2 previous = DeviceContext::set_rop2(rop);
    record(CallKind::State, "set_rop2", {static_cast<int>(rop)});
    return previous;
}

DevPoint RecordingDC::move_to(int x, int y)
{
    DevPoint previous = DeviceContext::move_to(x, y);
    record(CallKind::State, "move_to", {x, y});
    return previous;
}

void RecordingDC::line_to(int x, int y)
{
    record(CallKind::Draw, "line_to", {x, y});  // state.position holds the start
    state_.position = {x, y};
}

void RecordingDC::ellipse(int left, int top, int right, int bottom)
{
    record(CallKind::Draw, "ellipse", {left, top, right, bottom});
}

void RecordingDC::rectangle(int left, int top, int right, int bottom)
{
    record(CallKind::Draw, "rectangle", {left, top, right, bottom});
}

void RecordingDC::arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    record(CallKind::Draw, "arc", box_args(left, top, right, bottom, x1, y1, x2, y2));
}

void RecordingDC::chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    record(CallKind::Draw, "chord", box_args(left, top, right, bottom, x1, y1, x2, y2));
}

void RecordingDC::pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    record(CallKind::Draw, "pie", box_args(left, top, right, bottom, x1, y1, x2, y2));
}

void RecordingDC::polygon(std::span<const DevPoint> points)
{
    record(CallKind::Draw, "polygon", point_args(points));
}

void RecordingDC::polyline(std::span<const DevPoint> points)
{
    record(CallKind::Draw, "polyline", point_args(points));
}

void RecordingDC::fill_rect(const DevRect& rect, const Brush& brush)
{
    record(CallKind::Draw, "fill_rect",
           {rect.left, rect.top, rect.right, rect.bottom, static_cast<int>(brush.kind),
            as_int(brush.colour), static_cast<int>(brush.hatch)});
}

void RecordingDC::text_out(int x, int y, std::string_view utf8)
{
    record(CallKind::Draw, "text_out", {x, y}, std::string(utf8));
}

DevSize RecordingDC::text_extent(std::string_view utf8)
{
    record(CallKind::Query, "text_extent", {}, std::string(utf8));
    return measure_text(state_.font, utf8);
}

void RecordingDC::set_pixel(int x, int y, Colour c)
{
    record(CallKind::Draw, "set_pixel", {x, y, as_int(c)});
}

Colour RecordingDC::get_pixel(int, int) const { return kWhite; }

void RecordingDC::bit_blt(int x, int y, int w, int h, const DeviceContext&, int sx, int sy, BlitOp op)
{
    record(CallKind::Draw, "bit_blt", {x, y, w, h, sx, sy, static_cast<int>(op)});
}

std::vector<std::string> RecordingDC::log() const
{
    std::vector<std::string> out;
    for (const RecordedCall& c : calls_)
        out.push_back(c.canonical);
    return out;
}

std::vector<std::string> RecordingDC::drawing_log() const
{
    std::vector<std::string> out;
    for (const RecordedCall& c : calls_)
        if (c.kind == CallKind::Draw)
            out.push_back(c.canonical);
    return out;
}

std::vector<RecordedCall> RecordingDC::drawing_calls() const
{
    std::vector<RecordedCall> out;
    for (const RecordedCall& c : calls_)
        if (c.kind == CallKind::Draw)
            out.push_back(c);
    return out;
}

std::vector<RecordedCall> RecordingDC::calls_named(std::string_view op) const
{
    std::vector<RecordedCall> out;
    for (const RecordedCall& c : calls_)
        if (c.op == op)
            out.push_back(c);
    return out;
}

std::size_t RecordingDC::count(std::string_view op) const
{
    std::size_t n = 0;
    for (const RecordedCall& c : calls_)
        n += c.op == op;
    return n;
}
