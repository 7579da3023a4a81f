#pragma once

// A device context that paints nothing and remembers every call, with the
// state (pen, brush, font, colours, modes, position) current at the call, so
// tests can check what was drawn and how. Text is measured like ImageDC.

#include "platform/device_context.h"

#include <string>
#include <vector>

enum class CallKind {
    State,  // selection, restoring, colours and modes, move_to
    Draw,   // anything that would change pixels
    Query   // text_extent, get_pixel
};

struct RecordedCall {
    CallKind kind;
    std::string op;
    std::vector<int> args;
    std::string text;      // text_out / text_extent text, select_font face
    DcState state;         // for drawing calls: the state they drew with
    std::string canonical; // "ellipse(97,47,103,53)", "text_out(10,20,\"A\")"
};

class RecordingDC : public DeviceContext {
public:
    explicit RecordingDC(DevSize size = {1024, 768});

    Pen select_pen(const Pen& pen) override;
    Brush select_brush(const Brush& brush) override;
    Font select_font(const Font& font) override;
    void restore_pen() override;
    void restore_brush() override;
    void restore_font() override;
    void restore_objects() override;
    Colour set_text_colour(Colour c) override;
    Colour set_bk_colour(Colour c) override;
    BkMode set_bk_mode(BkMode mode) override;
    Rop2 set_rop2(Rop2 rop) override;
    DevPoint move_to(int x, int y) override;

    void line_to(int x, int y) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
    void chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
    void pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
    void polygon(std::span<const DevPoint> points) override;
    void polyline(std::span<const DevPoint> points) override;
    void fill_rect(const DevRect& rect, const Brush& brush) override;
    void text_out(int x, int y, std::string_view utf8) override;
    DevSize text_extent(std::string_view utf8) override;
    void set_pixel(int x, int y, Colour c) override;
    Colour get_pixel(int x, int y) const override;
    void bit_blt(int x, int y, int w, int h, const DeviceContext& src, int sx, int sy,
                 BlitOp op) override;
    DevSize size() const override { return size_; }

    const std::vector<RecordedCall>& calls() const { return calls_; }
    // Canonical texts of all calls, or of the drawing calls only.
    std::vector<std::string> log() const;
    std::vector<std::string> drawing_log() const;
    // The drawing calls alone (with the state they drew with).
    std::vector<RecordedCall> drawing_calls() const;
    std::vector<RecordedCall> calls_named(std::string_view op) const;
    std::size_t count(std::string_view op) const;
    void clear() { calls_.clear(); }

private:
    void record(CallKind kind, std::string op, std::vector<int> args, std::string text = {});

    DevSize size_;
    std::vector<RecordedCall> calls_;
};
