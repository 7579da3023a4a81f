#pragma once
// The computation list of a drawing: up to twenty quantities, each a
// measurement of objects of the diagram (a length, an angle, a slope, an
// area, a ratio) or an expression over earlier quantities. The index of the
// last entry in use lives in the drawing's record 2 (last_quantity, -1 when
// the list is empty); the list itself belongs to the drawing window.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "animate/fexp.h"
#include "animate/ftoken.h"
#include "model/object_table.h"

inline constexpr int kMaxQuantities = 20;
// Type of an expression entry.
inline constexpr int kExpressionType = -22;

// Measurement types: the ids of the measure commands that take them.
namespace measure_type {
inline constexpr int kSegmentLength = 159;   // AB
inline constexpr int kAngle = 160;           // angle ABC at B, degrees
inline constexpr int kSlope = 161;           // slope of AB, y upward
inline constexpr int kTriangleArea = 162;    // area ABC
inline constexpr int kQuadrilateralArea = 163;
inline constexpr int kCircleArea = 164;      // centre A through B
inline constexpr int kSegmentRatio = 165;    // AB / CD
inline constexpr int kTriangleRatio = 166;   // area ABC / area DEF
inline constexpr int kCirclePerimeter = 224; // centre A through B
}  // namespace measure_type

// Number of object operands a measurement type takes; 0 for no measurement.
int operand_count(int type);
bool is_measurement_type(int type);

struct Quantity {
    int type = 0;
    std::array<std::int32_t, 8> args{};
    // The tokens of an expression entry (empty for a measurement).
    std::vector<Ftoken> tokens;
    // The value of the last evaluation.
    FexpResult result;

    bool is_expression() const { return type == kExpressionType; }
};

using ComputationList = std::array<Quantity, kMaxQuantities>;

// The index of the last entry in use, within the list's bounds (-1 when empty).
int last_entry(const ObjectTable& t);

// The value of a measurement on the table as it stands: lengths in units of
// the unit length, areas in square units, angles in degrees.
FexpResult measure_value(const ObjectTable& t, const Quantity& q);

// Evaluates entry k from the table and the values of the entries before it
// (an expression may refer to earlier rows only) and stores its result.
FexpResult evaluate_quantity(const ObjectTable& t, ComputationList& list, int k);

// The row's words before its value: "AB", "∠ABC", "Area(ABC)", "AB/CD", or
// the expression written out, a reference to a measurement by its words and
// to an expression by its words in brackets. Long texts are cut.
std::string quantity_text(const ObjectTable& t, const ComputationList& list, int k);
// "= %5.2f" of the value, or "= " and the error.
std::string value_text(const FexpResult& result);

// True when object index i is an operand of a measurement among entries
// 0..last_entry.
bool quantity_uses_object(const ObjectTable& t, const ComputationList& list, int i);
// Lowers every measurement operand above the deleted index by one.
void renumber_operands(const ObjectTable& t, ComputationList& list, int deleted);
