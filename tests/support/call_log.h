#pragma once
// A recording context's drawing calls, one a line, each with the pen, brush,
// raster operation and position it drew with (and the font for texts): the
// text golden logs of painting are compared as.

#include <sstream>
#include <string>

#include "platform/recording_dc.h"

inline std::string describe_call(const RecordedCall& c)
{
    const DcState& s = c.state;
    std::ostringstream out;
    out << c.canonical << " pen(" << std::hex << s.pen.colour << std::dec << "," << s.pen.width << ","
        << static_cast<int>(s.pen.style) << ") brush(" << static_cast<int>(s.brush.kind) << "," << std::hex
        << s.brush.colour << std::dec << "," << static_cast<int>(s.brush.hatch) << ") rop "
        << static_cast<int>(s.rop) << " from " << s.position.x << "," << s.position.y;
    if (c.op == "text_out")
        out << " font(" << s.font.height << "," << s.font.face << "," << s.font.weight << ") text " << std::hex
            << s.text_colour << std::dec << " bk " << static_cast<int>(s.bk_mode);
    return out.str();
}

inline std::string call_log(const RecordingDC& dc)
{
    std::string text;
    for (const RecordedCall& c : dc.drawing_calls())
        text += describe_call(c) + "\n";
    return text;
}

// The pen and brush a context holds, as a log line.
inline std::string selected_objects(const RecordingDC& dc)
{
    std::ostringstream out;
    out << "left pen(" << std::hex << dc.pen().colour << std::dec << "," << dc.pen().width << ","
        << static_cast<int>(dc.pen().style) << ") brush(" << static_cast<int>(dc.brush().kind) << ","
        << std::hex << dc.brush().colour << ")\n";
    return out.str();
}
