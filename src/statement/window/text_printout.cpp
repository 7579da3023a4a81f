#include "statement/window/text_printout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

int printout_page_count(int lines, int lines_per_page)
{
    if (lines <= 0 || lines_per_page <= 0)
        return 1;
    return (lines + lines_per_page - 1) / lines_per_page;
}

PageLines printout_page_lines(int page, int lines, int lines_per_page)
{
    PageLines p;
    if (page < 1 || lines_per_page <= 0)
        return p;
    p.first = std::min(lines, (page - 1) * lines_per_page);
    p.end = std::min(lines, page * lines_per_page);
    return p;
}

std::string expand_tabs(std::string_view line, int tab)
{
    std::string out;
    for (char c : line) {
        if (c != '\t') {
            out += c;
            continue;
        }
        const std::size_t width = static_cast<std::size_t>(tab > 0 ? tab : 8);
        out.append(width - out.size() % width, ' ');
    }
    return out;
}

namespace {

QFont printout_font(const QFont* font)
{
    if (font)
        return *font;
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    arial.setWeight(QFont::Normal);
    return arial;
}

}  // namespace

APXPrintOut::APXPrintOut(std::vector<std::string> lines, const QFont* font) : lines_(std::move(lines)), font_(font) {}

int APXPrintOut::lines_per_page(QPrinter& printer) const
{
    const QFontMetricsF metrics(printout_font(font_), &printer);
    double line_height = metrics.lineSpacing();
    if (!(line_height > 0.0))
        line_height = 10.0;
    const double page_height = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    return std::max(1, static_cast<int>(std::floor(page_height / line_height)));
}

int APXPrintOut::Print(QPrinter& printer)
{
    const int per_page = lines_per_page(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    const QFont font = printout_font(font_);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const double line_height = metrics.lineSpacing() > 0.0 ? metrics.lineSpacing() : 10.0;
    const int lines = static_cast<int>(lines_.size());
    const int pages = printout_page_count(lines, per_page);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            printer.newPage();
        const PageLines range = printout_page_lines(page, lines, per_page);
        double y = metrics.ascent();
        for (int i = range.first; i < range.end; ++i) {
            const std::string text = expand_tabs(lines_[static_cast<std::size_t>(i)]);
            painter.drawText(QPointF(0.0, y), QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
            y += line_height;
        }
    }
    painter.end();
    return pages;
}
