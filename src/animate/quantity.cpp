#include "animate/quantity.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "model/primitives.h"

namespace {

constexpr std::size_t kMaxTextLength = 120;
constexpr std::string_view kAngleSign = "\u2220";  // ∠
constexpr std::string_view kCircleSign = "\u2299"; // ⊙

std::string name_of(const ObjectTable& t, int i) { return std::string(t.get(i).name_view()); }

std::string names(const ObjectTable& t, const Quantity& q, int first, int count)
{
    std::string s;
    for (int j = first; j < first + count; ++j)
        s += name_of(t, q.args[j]);
    return s;
}

double distance(const ObjectTable& t, int a, int b) { return p_dist(t, a, b); }

// The area of a polygon in square units, by the shoelace formula.
double polygon_area(const ObjectTable& t, const Quantity& q, int first, int count)
{
    double twice = 0.0;
    for (int j = 0; j < count; ++j) {
        const Dpoint& p = t.get(q.args[first + j]);
        const Dpoint& n = t.get(q.args[first + (j + 1) % count]);
        twice += p.x * n.y - n.x * p.y;
    }
    const double u = t.safe_unit_length();
    return std::abs(twice) / 2.0 / (u * u);
}

FexpResult ratio(double numerator, double denominator)
{
    if (denominator == 0.0)
        return FexpResult::fail(FexpError::Undefined);
    const double v = numerator / denominator;
    return std::isfinite(v) ? FexpResult::of(v) : FexpResult::fail(FexpError::Overflow);
}

bool operands_exist(const ObjectTable& t, const Quantity& q)
{
    const int n = operand_count(q.type);
    for (int j = 0; j < n; ++j)
        if (q.args[j] < rec::kFirstObject || !t.contains(q.args[j]))
            return false;
    return true;
}

void cut(std::string& s)
{
    if (s.size() <= kMaxTextLength)
        return;
    // Never cut inside a multi-byte character.
    std::size_t n = kMaxTextLength;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
        --n;
    s.resize(n);
    s += "...";
}

std::string expression_text(const ObjectTable& t, const ComputationList& list, int k, int depth);

std::string reference_text(const ObjectTable& t, const ComputationList& list, int row, int depth)
{
    if (row < 0 || row >= kMaxQuantities)
        return "?";
    if (list[row].is_expression())
        return "(" + expression_text(t, list, row, depth + 1) + ")";
    return quantity_text(t, list, row);
}

std::string expression_text(const ObjectTable& t, const ComputationList& list, int k, int depth)
{
    // References point backwards, so the depth is bounded by the list; the
    // guard only keeps a malformed list from looping.
    if (depth > kMaxQuantities)
        return "?";
    std::string s;
    for (const Ftoken& token : list[k].tokens) {
        switch (token.kind) {
        case FtokenKind::Number: s += number_text(token.value); break;
        case FtokenKind::Quantity:
            s += token.index < k ? reference_text(t, list, token.index, depth) : std::string("?");
            break;
        case FtokenKind::Negate: s += "-"; break;
        case FtokenKind::Times: s += "\u00D7"; break;  // ×
        case FtokenKind::Divide: s += "/"; break;
        default: s += token_code(token); break;
        }
        if (s.size() > kMaxTextLength)
            break;
    }
    cut(s);
    return s;
}

}  // namespace

int operand_count(int type)
{
    using namespace measure_type;
    switch (type) {
    case kSegmentLength:
    case kSlope:
    case kCircleArea:
    case kCirclePerimeter: return 2;
    case kAngle:
    case kTriangleArea: return 3;
    case kQuadrilateralArea:
    case kSegmentRatio: return 4;
    case kTriangleRatio: return 6;
    default: return 0;
    }
}

bool is_measurement_type(int type) { return operand_count(type) > 0; }

int last_entry(const ObjectTable& t)
{
    return std::clamp<int>(t.get(rec::kSettings2).arg[4], -1, kMaxQuantities - 1);
}

FexpResult measure_value(const ObjectTable& t, const Quantity& q)
{
    using namespace measure_type;
    if (!is_measurement_type(q.type) || !operands_exist(t, q))
        return FexpResult::fail(FexpError::BadReference);
    const double u = t.safe_unit_length();
    const auto& a = q.args;
    switch (q.type) {
    case kSegmentLength: return FexpResult::of(distance(t, a[0], a[1]) / u);
    case kAngle: {
        const Dpoint& p = t.get(a[0]);
        const Dpoint& v = t.get(a[1]);
        const Dpoint& r = t.get(a[2]);
        const double x1 = p.x - v.x, y1 = p.y - v.y, x2 = r.x - v.x, y2 = r.y - v.y;
        if ((x1 == 0.0 && y1 == 0.0) || (x2 == 0.0 && y2 == 0.0))
            return FexpResult::fail(FexpError::Undefined);
        const double radians = std::atan2(std::abs(x1 * y2 - y1 * x2), x1 * x2 + y1 * y2);
        return FexpResult::of(radians * 180.0 / std::numbers::pi);
    }
    case kSlope: {
        // The screen's y grows downward; a slope is read with y upward.
        const Dpoint& p = t.get(a[0]);
        const Dpoint& r = t.get(a[1]);
        return ratio(-(r.y - p.y), r.x - p.x);
    }
    case kTriangleArea: return FexpResult::of(std::abs(area3(t, a[0], a[1], a[2])));
    case kQuadrilateralArea: return FexpResult::of(polygon_area(t, q, 0, 4));
    case kCircleArea: {
        const double r = distance(t, a[0], a[1]) / u;
        return FexpResult::of(std::numbers::pi * r * r);
    }
    case kCirclePerimeter: return FexpResult::of(2.0 * std::numbers::pi * distance(t, a[0], a[1]) / u);
    case kSegmentRatio: return ratio(distance(t, a[0], a[1]), distance(t, a[2], a[3]));
    case kTriangleRatio:
        return ratio(std::abs(area3(t, a[0], a[1], a[2])), std::abs(area3(t, a[3], a[4], a[5])));
    default: return FexpResult::fail(FexpError::BadReference);
    }
}

FexpResult evaluate_quantity(const ObjectTable& t, ComputationList& list, int k)
{
    if (k < 0 || k >= kMaxQuantities)
        return FexpResult::fail(FexpError::BadReference);
    Quantity& q = list[k];
    if (!q.is_expression()) {
        q.result = measure_value(t, q);
        return q.result;
    }
    Fexp evaluator(q.tokens, [&list, k](int row) {
        if (row < 0 || row >= k)
            return FexpResult::fail(FexpError::BadReference);
        return list[row].result;
    });
    q.result = evaluator.evaluate();
    return q.result;
}

std::string quantity_text(const ObjectTable& t, const ComputationList& list, int k)
{
    using namespace measure_type;
    if (k < 0 || k >= kMaxQuantities)
        return "?";
    const Quantity& q = list[k];
    if (q.is_expression())
        return expression_text(t, list, k, 0);
    std::string s;
    switch (q.type) {
    case kSegmentLength: s = names(t, q, 0, 2); break;
    case kAngle: s = std::string(kAngleSign) + names(t, q, 0, 3); break;
    case kSlope: s = "Slope(" + names(t, q, 0, 2) + ")"; break;
    case kTriangleArea: s = "Area(" + names(t, q, 0, 3) + ")"; break;
    case kQuadrilateralArea: s = "Area(" + names(t, q, 0, 4) + ")"; break;
    case kCircleArea:
        s = "Area(" + std::string(kCircleSign) + name_of(t, q.args[0]) + "," + name_of(t, q.args[1]) + ")";
        break;
    case kCirclePerimeter:
        s = "Perimeter(" + std::string(kCircleSign) + name_of(t, q.args[0]) + "," +
            name_of(t, q.args[1]) + ")";
        break;
    case kSegmentRatio: s = names(t, q, 0, 2) + "/" + names(t, q, 2, 2); break;
    case kTriangleRatio: s = "Area(" + names(t, q, 0, 3) + ")/Area(" + names(t, q, 3, 3) + ")"; break;
    default: s = "?"; break;
    }
    cut(s);
    return s;
}

std::string value_text(const FexpResult& result)
{
    if (!result.ok())
        return "= " + std::string(fexp_error_text(result.error));
    const int n = std::snprintf(nullptr, 0, "= %5.2f", result.value);
    std::string text(static_cast<std::size_t>(std::max(n, 0)) + 1, '\0');
    std::snprintf(text.data(), text.size(), "= %5.2f", result.value);
    text.resize(static_cast<std::size_t>(std::max(n, 0)));
    return text;
}

bool quantity_uses_object(const ObjectTable& t, const ComputationList& list, int i)
{
    const int last = last_entry(t);
    for (int k = 0; k <= last; ++k) {
        const Quantity& q = list[k];
        if (q.is_expression())
            continue;
        if (std::find(q.args.begin(), q.args.end(), i) != q.args.end())
            return true;
    }
    return false;
}

void renumber_operands(const ObjectTable& t, ComputationList& list, int deleted)
{
    const int last = last_entry(t);
    for (int k = 0; k <= last; ++k) {
        Quantity& q = list[k];
        if (q.is_expression())
            continue;
        for (auto& a : q.args)
            if (a > deleted)
                --a;
    }
}
