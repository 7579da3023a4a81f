#include "export/postscript_export.h"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>

#include "export/export_painting.h"
#include "export/postscript_dc.h"

namespace {

// DSC comments take printable ASCII only.
std::string dsc_text(std::string_view text)
{
    std::string out;
    for (const char c : text)
        out += (c >= 0x20 && c < 0x7f) ? c : '?';
    return out;
}

}  // namespace

bool write_postscript(Diagram& d, std::ostream& out, DevSize area, std::string_view title,
                      const PostScriptPage& page)
{
    const int width = std::max(1, area.cx);
    const int height = std::max(1, area.cy);
    const double usable_w = std::max(1.0, page.width - 2.0 * page.margin);
    const double usable_h = std::max(1.0, page.height - 2.0 * page.margin);
    const double scale = std::min({1.0, usable_w / width, usable_h / height});
    const double left = page.margin;
    const double top = page.height - page.margin;

    out << "%!PS-Adobe-3.0\n"
        << "%%Title: " << dsc_text(title) << '\n'
        << "%%Creator: Plexator\n"
        << "%%BoundingBox: " << static_cast<long>(std::floor(left)) << ' '
        << static_cast<long>(std::floor(top - height * scale)) << ' '
        << static_cast<long>(std::ceil(left + width * scale)) << ' '
        << static_cast<long>(std::ceil(top)) << '\n'
        << "%%Pages: 1\n"
        << "%%EndComments\n"
        << "%%BeginProlog\n"
        << "%%BeginResource: procset PlexatorDraw 1.0 0\n"
        << postscript_prologue()
        << "%%EndResource\n"
        << "%%EndProlog\n"
        << "%%Page: 1 1\n"
        << "%%BeginPageSetup\n"
        << "PlexatorDraw begin\n"
        << "gsave\n"
        << postscript_number(left) << ' ' << postscript_number(top) << " translate "
        << postscript_number(scale, 6) << ' ' << postscript_number(-scale, 6) << " scale\n"
        << "0 0 " << width << ' ' << height << " rectclip\n"
        << "0 setlinecap 0 setlinejoin\n"
        << "%%EndPageSetup\n";

    settle_for_painting(d.table);
    PostScriptDC dc(out, DevSize{width, height});
    paint_in_sections(d, dc, [&](int section, bool begin) {
        if (begin)
            dc.raw_line("%%BeginObject: " + std::string(kExportSections[section]));
        else
            dc.raw_line("%%EndObject");
    });

    out << "grestore\n"
        << "end\n"
        << "showpage\n"
        << "%%Trailer\n"
        << "%%EOF\n";
    out.flush();
    return static_cast<bool>(out);
}
