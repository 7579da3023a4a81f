#include <array>
#include <cstring>
#include <istream>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "export/fig_format.h"
#include "export/fig_layout.h"
#include "export/fig_text.h"
#include "paint/conics.h"
#include "paint/loci.h"

using fig_text::Field;

namespace {

constexpr int kHeaderFields = 29;

// Thrown inside the reader only; fig_parse turns it into its result.
struct Refusal {
    int line;
    std::string message;
};

// The lines of the file, blank ones skipped, with their numbers.
class LineSource {
public:
    explicit LineSource(std::istream& in) : in_(in) {}

    // The fields of the next non-blank line; nullopt at the end of the file.
    std::optional<std::vector<Field>> next()
    {
        std::string text;
        while (std::getline(in_, text)) {
            ++number_;
            if (!text.empty() && text.back() == '\r')
                text.pop_back();  // written on a system with CR LF line ends
            if (number_ == 1 && text.rfind("\xef\xbb\xbf", 0) == 0)
                text.erase(0, 3);  // the byte-order mark some editors put first
            std::string error;
            auto fields = fig_text::split_fields(text, error);
            if (!fields)
                throw Refusal{number_, error};
            if (!fields->empty())
                return fields;
        }
        if (in_.bad())
            throw Refusal{0, "the file could not be read"};
        return std::nullopt;
    }

    // The fields of the next line, which must exist.
    std::vector<Field> require(const char* what)
    {
        auto fields = next();
        if (!fields)
            throw Refusal{0, std::string("the file ends before ") + what};
        return std::move(*fields);
    }

    int number() const { return number_; }

private:
    std::istream& in_;
    int number_ = 0;
};

// Reads the fields of one line in order, refusing anything out of place.
class FieldCursor {
public:
    FieldCursor(std::vector<Field> fields, int line, const char* what)
        : fields_(std::move(fields)), line_(line), what_(what)
    {
    }

    [[noreturn]] void refuse(const std::string& message) const
    {
        throw Refusal{line_, std::string(what_) + ": " + message};
    }

    bool at_end() const { return pos_ >= fields_.size(); }
    std::size_t remaining() const { return fields_.size() - pos_; }

    void expect_end() const
    {
        if (!at_end())
            refuse("unexpected field \"" + fields_[pos_].text + "\"");
    }

    std::int64_t integer(const char* name, std::int64_t low, std::int64_t high)
    {
        const Field& f = take(name);
        const auto value = f.quoted ? std::nullopt : fig_text::parse_integer(f.text);
        if (!value)
            refuse(std::string(name) + " is not a whole number");
        if (*value < low || *value > high)
            refuse(std::string(name) + " " + std::to_string(*value) + " is out of range");
        return *value;
    }

    std::int32_t int32(const char* name)
    {
        return static_cast<std::int32_t>(integer(name, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
    }

    double real(const char* name)
    {
        const Field& f = take(name);
        const auto value = f.quoted ? std::nullopt : fig_text::parse_double(f.text);
        if (!value)
            refuse(std::string(name) + " is not a finite number");
        return *value;
    }

    // A quoted text of at most max_bytes bytes without NUL.
    std::string text(const char* name, std::size_t max_bytes)
    {
        const Field& f = take(name);
        if (!f.quoted)
            refuse(std::string(name) + " is not a quoted text");
        if (f.text.size() > max_bytes)
            refuse(std::string(name) + " is longer than " + std::to_string(max_bytes) + " bytes");
        if (f.text.find('\0') != std::string::npos)
            refuse(std::string(name) + " holds a NUL byte");
        return f.text;
    }

    std::string word(const char* name)
    {
        const Field& f = take(name);
        if (f.quoted)
            refuse(std::string(name) + " is quoted");
        return f.text;
    }

private:
    const Field& take(const char* name)
    {
        if (at_end())
            refuse(std::string("the line ends before ") + name);
        return fields_[pos_++];
    }

    std::vector<Field> fields_;
    std::size_t pos_ = 0;
    int line_;
    const char* what_;
};

// The kind letters the writer writes for a field of this kind, for messages.
std::string kind_letters(char kind)
{
    const std::string letter = std::string("'") + kind + "'";
    return kind == fig_layout::kAuxDouble ? letter + " or '" + fig_layout::kAuxRaw + "'" : letter;
}

// An aux field of a record of the given type, in the kind the writer writes for
// that type (`kind`), the only one that reads back to the same bytes: a value
// of another kind would be saved changed, or saved so that it cannot be read.
// A conic's fields may be of any kind, as reading makes them anew.
Aux read_aux(FieldCursor& c, const char* name, int type, char kind, std::size_t text_limit)
{
    const std::string letter = c.word(name);
    Aux aux;
    if (letter.size() != 1)
        c.refuse(std::string(name) + " has no kind letter");
    switch (letter[0]) {
    case fig_layout::kAuxDouble:
        aux.set_double(c.real(name));
        break;
    case fig_layout::kAuxInt:
        aux.set_int(c.int32(name));
        break;
    case fig_layout::kAuxText: {
        // Copied into the zeroed field, not set: a rotation's angle text may
        // fill all eight bytes.
        static_assert(fig_layout::kAuxBytes == sizeof(Aux));
        const std::string text = c.text(name, text_limit);
        std::memcpy(aux.s, text.data(), text.size());
        break;
    }
    case fig_layout::kAuxRaw: {
        const std::string hex = c.word(name);
        std::array<unsigned char, sizeof(Aux)> bytes{};
        if (hex.size() != 2 * bytes.size())
            c.refuse(std::string(name) + " does not hold eight bytes");
        for (std::size_t k = 0; k < bytes.size(); ++k) {
            const int hi = fig_text::hex_value(hex[2 * k]);
            const int lo = fig_text::hex_value(hex[2 * k + 1]);
            if (hi < 0 || lo < 0)
                c.refuse(std::string(name) + " is not hexadecimal");
            bytes[k] = static_cast<unsigned char>(hi * 16 + lo);
        }
        std::memcpy(&aux, bytes.data(), bytes.size());
        break;
    }
    default:
        c.refuse(std::string(name) + " has an unknown kind '" + letter + "'");
    }
    if (!otype::is_conic(type) && !fig_layout::writes_kind(kind, letter[0]))
        c.refuse(std::string(name) + " of type " + std::to_string(type) + " must be of kind " +
                 kind_letters(kind) + ", not '" + letter + "'");
    return aux;
}

// Builds the drawing read so far; the reserved records start from the presets.
class FigReader {
public:
    explicit FigReader(std::istream& in) : lines_(in) {}

    void read(Diagram& fresh, FigExtras& extras)
    {
        ObjectTable& t = fresh.table;
        read_objects(t);
        read_header(t);
        read_loci(t);
        read_drivers(t);
        read_trace(fresh);
        read_expressions(extras);
        check_function_graphs(static_cast<int>(extras.expressions.size()));
        read_view(extras);
        if (lines_.next())
            throw Refusal{lines_.number(), "text after the view line"};
    }

private:
    FieldCursor line(const char* what)
    {
        std::vector<Field> fields = lines_.require(what);
        return FieldCursor(std::move(fields), lines_.number(), what);
    }

    int object_end() const { return rec::kFirstObject + objects_; }

    // 0 (none) or an object of the file.
    std::int32_t object_or_none(FieldCursor& c, const char* name)
    {
        const std::int32_t k = c.int32(name);
        if (k != 0 && (k < rec::kFirstObject || k >= object_end()))
            c.refuse(std::string(name) + " " + std::to_string(k) + " is no object");
        return k;
    }

    std::int32_t object(FieldCursor& c, const char* name)
    {
        const std::int32_t k = object_or_none(c, name);
        if (k == 0)
            c.refuse(std::string(name) + " is missing");
        return k;
    }

    void read_objects(ObjectTable& t)
    {
        FieldCursor count = line("the object count");
        objects_ = static_cast<int>(count.integer("object count", 0, fig_layout::kMaxObjects));
        count.expect_end();
        for (int k = 0; k < objects_; ++k)
            t.append(read_object(rec::kFirstObject + k));
    }

    Dpoint read_object(int index)
    {
        const std::string what = "object " + std::to_string(index);
        FieldCursor c = line(what.c_str());
        Dpoint o;
        o.type = c.int32("type");
        o.set_name(c.text("name", Dpoint::kNameSize - 1));
        o.cls = static_cast<std::int8_t>(c.integer("class", -128, 127));
        o.block = static_cast<std::int8_t>(static_cast<std::uint8_t>(c.integer("block", 0, 255)));
        o.shown = c.int32("shown flag");
        o.name_shown = c.int32("name flag");
        o.label_style = c.int32("label style");
        for (std::int32_t& a : o.arg)
            a = c.int32("argument");
        o.x = c.real("x");
        o.y = c.real("y");
        o.name_dx = static_cast<std::int16_t>(c.integer("name offset", -32768, 32767));
        o.name_dy = static_cast<std::int16_t>(c.integer("name offset", -32768, 32767));
        o.aux1 = read_aux(c, "aux1", o.type, fig_layout::aux1_kind(o.type),
                          fig_layout::aux1_text_limit(o.type));
        o.aux2 = read_aux(c, "aux2", o.type, fig_layout::aux2_kind(o.type), fig_layout::kAux2TextLimit);
        o.colour = static_cast<Colour>(c.integer("colour", 0, 0xffffffffLL));
        o.pen_style = c.int32("pen style");
        o.size = c.int32("size");
        o.set_text(c.text("text", Dpoint::kTextSize - 1));

        const auto hidden = c.integer("hide list length", 0, Dpoint::kMaxHideList);
        if (hidden > 0 && o.type != otype::kHideButton)
            c.refuse("type " + std::to_string(o.type) + " keeps no hide list");
        for (std::int64_t e = 0; e < hidden; ++e)
            o.hide_list.push_back(object(c, "hidden object"));
        // The writer keeps the entries in use, 0 to aux1, and no others.
        if (o.hide_entries() != o.hide_list.size())
            c.refuse("hide list length " + std::to_string(hidden) + " is more than its entries in use (aux1 " +
                     std::to_string(o.aux1.as_int()) + ")");
        const auto vertices = c.integer("vertex count", 0, fig_layout::kMaxPolylineVertices);
        for (std::int64_t e = 0; e < vertices; ++e)
            o.polyline.push_back(object(c, "polyline vertex"));
        c.expect_end();

        // Parents come before their children; the text of a text object is
        // not in its arguments, which are never followed.
        if (!o.is_text())
            for (const std::int32_t a : o.arg)
                if (a != 0 && (a < rec::kFirstObject || a >= index))
                    c.refuse("argument " + std::to_string(a) + " is no earlier object");
        return o;
    }

    void read_header(ObjectTable& t)
    {
        FieldCursor c = line("the header line");
        if (c.remaining() != kHeaderFields)
            c.refuse("expected " + std::to_string(kHeaderFields) + " fields, found " +
                     std::to_string(c.remaining()));
        t.conclusion_type() = c.int32("conclusion");
        for (std::int32_t& a : t.conclusion_args())
            a = object_or_none(c, "conclusion point");
        const double unit = c.real("unit length");
        if (unit < 0.001)
            c.refuse("unit length below 0.001");
        t.unit_length() = unit;
        t.static_unit() = c.real("static unit");
        t.unit_segment_length() = c.real("unit segment length");
        t.unit_segment_a() = object_or_none(c, "unit segment");
        t.unit_segment_b() = object_or_none(c, "unit segment");
        t.pen_colour() = static_cast<Colour>(c.integer("pen colour", 0, 0xffffffffLL));
        t.brush_colour() = static_cast<Colour>(c.integer("brush colour", 0, 0xffffffffLL));
        t.font_colour() = static_cast<Colour>(c.integer("font colour", 0, 0xffffffffLL));
        t.pen_size_setting() = static_cast<std::int32_t>(
            c.integer("pen size", 1, std::numeric_limits<std::int32_t>::max()));
        t.pen_style_setting() = c.int32("pen style");
        t.fill_style_setting() = c.int32("fill style");
        t.new_points_show_names() = c.int32("name showing");
        t.next_name_letter() = static_cast<char>(c.integer("next name letter", 'A', 'Z'));
        t.name_suffix() = static_cast<std::int32_t>(
            c.integer("name suffix", 0, std::numeric_limits<std::int32_t>::max()));
        t.current_block() = static_cast<char>(c.integer("current block", 0, 255));
        t.block_count() = static_cast<char>(c.integer("block count", 0, 255));
        t.leave_trace() = c.int32("trace switch");
        current_driver_ = static_cast<int>(c.integer("current driving point", -1, fig_layout::kMaxLists - 1));
        t.current_driver() = current_driver_;
        t.anim_steps() = static_cast<std::int32_t>(
            c.integer("animation steps", 1, fig_layout::kMaxAnimationSteps));
        t.anim_interval() = static_cast<std::int32_t>(
            c.integer("animation interval", 1, std::numeric_limits<std::int32_t>::max()));
        header_line_ = lines_.number();
    }

    void read_loci(ObjectTable& t)
    {
        FieldCursor count = line("the locus list");
        const int rows = static_cast<int>(count.integer("locus count", 0, fig_layout::kMaxLists));
        count.expect_end();
        for (int k = 0; k < rows; ++k) {
            FieldCursor c = line("a locus");
            t.locus_object(k) = object(c, "locus object");
            const std::int32_t second = c.int32("second pick");
            const std::int32_t kind = c.int32("locus kind");
            c.expect_end();
            if (kind != kLocusPoint && kind != kLocusLine && kind != kLocusCircle &&
                kind != kLocusFunction)
                c.refuse("unknown locus kind " + std::to_string(kind));
            if (kind == kLocusFunction) {
                graph_lines_.push_back({lines_.number(), second});
            } else if (second != 0 && (second < rec::kFirstObject || second >= object_end())) {
                c.refuse("second pick " + std::to_string(second) + " is no object");
            }
            t.locus_second(k) = second;
            t.locus_kind(k) = kind;
        }
        t.last_locus() = rows - 1;
    }

    void read_drivers(ObjectTable& t)
    {
        FieldCursor count = line("the driving-point list");
        const int rows = static_cast<int>(count.integer("driving-point count", 0, fig_layout::kMaxLists));
        count.expect_end();
        for (int k = 0; k < rows; ++k) {
            FieldCursor c = line("a driving point");
            t.driver_point(k) = object(c, "driving point");
            const std::int32_t path = c.int32("path");
            if (path != rec::kSelfTraceMarker && path != 0 &&
                (path < rec::kFirstObject || path >= object_end()))
                c.refuse("path " + std::to_string(path) + " is no object");
            t.driver_path(k) = path;
            t.driver_speed(k) = c.int32("speed");
            c.expect_end();
        }
        t.last_driver() = rows - 1;
        if (current_driver_ >= rows)
            throw Refusal{header_line_, "the header line: current driving point " +
                                            std::to_string(current_driver_) + " does not exist"};
    }

    void read_trace(Diagram& fresh)
    {
        FieldCursor c = line("the trace line");
        const auto points = c.integer("trace length", 0, fig_layout::kMaxTracePoints);
        if (c.remaining() != static_cast<std::size_t>(2 * points))
            c.refuse("expected " + std::to_string(points) + " points");
        fresh.self_trace.reserve(static_cast<std::size_t>(points));
        for (std::int64_t k = 0; k < points; ++k) {
            WorldPoint p;
            p.x = c.real("trace x");
            p.y = c.real("trace y");
            fresh.self_trace.push_back(p);
        }
    }

    void read_expressions(FigExtras& extras)
    {
        FieldCursor count = line("the expression table");
        const auto rows = count.integer("expression count", 0, fig_layout::kMaxExpressions);
        count.expect_end();
        for (std::int64_t k = 0; k < rows; ++k) {
            FieldCursor c = line("an expression");
            extras.expressions.push_back(c.text("expression", std::numeric_limits<std::size_t>::max()));
            c.expect_end();
        }
    }

    // A function graph's second pick is a row of the computation list, -1 for none.
    void check_function_graphs(int expressions) const
    {
        for (const auto& [line_number, row] : graph_lines_)
            if (row < -1 || row >= expressions)
                throw Refusal{line_number, "a locus: expression " + std::to_string(row) +
                                               " does not exist"};
    }

    void read_view(FigExtras& extras)
    {
        FieldCursor c = line("the view line");
        extras.view.view_flag = c.int32("view flag");
        extras.view.width = static_cast<int>(c.integer("width", 0, std::numeric_limits<std::int32_t>::max()));
        extras.view.height = static_cast<int>(c.integer("height", 0, std::numeric_limits<std::int32_t>::max()));
        c.expect_end();
    }

    LineSource lines_;
    int objects_ = 0;
    int current_driver_ = -1;
    int header_line_ = 0;
    std::vector<std::pair<int, std::int32_t>> graph_lines_;
};

}  // namespace

std::string FigResult::describe() const
{
    if (ok)
        return {};
    return (line > 0 ? "line " + std::to_string(line) : std::string("end of file")) + ": " + message;
}

void take_drawing(Diagram& into, Diagram&& read)
{
    into.table = std::move(read.table);
    into.self_trace = std::move(read.self_trace);
    into.trace_cursor = 0;
    for (auto& samples : into.locus_lists)
        samples.clear();
    into.command_name.clear();
    into.pending.colour = into.table.pen_colour();
    into.pending.size = into.table.pen_size_setting();
    into.pending.pen_style = into.table.pen_style_setting();
}

FigResult fig_parse(std::istream& in, Diagram& d, FigExtras* extras)
{
    Diagram fresh;
    FigExtras read_extras;
    try {
        FigReader(in).read(fresh, read_extras);
    } catch (const Refusal& refusal) {
        return FigResult{false, refusal.line, refusal.message};
    }

    ObjectTable& t = fresh.table;
    t.last_quantity() = -1;
    // Conic samples are not kept in the file: they follow from the parents.
    for (int i = rec::kFirstObject; i < t.count(); ++i)
        if (otype::is_conic(t.get(i).type))
            conic_points(fresh, i);

    take_drawing(d, std::move(fresh));
    if (extras)
        *extras = std::move(read_extras);
    return {};
}
