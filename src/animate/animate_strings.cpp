#include "animate/animate_strings.h"

#include <array>

#include "platform/string_table.h"

namespace {

constexpr std::array<StringEntry, 35> kTexts{{
    {asid::kPoint, "Point"},
    {asid::kLine, "Line"},
    {asid::kCircle, "Circle"},
    {asid::kError, "Error"},
    {asid::kLocusCirclePoint, "Select a point on the locus circle"},
    {asid::kNewLength, "Input a new length"},
    {asid::kSelectExpression, "Select an expression in the Left-Top corner"},
    {asid::kNoExpression, "No expression to be selected"},
    {asid::kTracePrompt, "Use the LEFT button to move an (semi)arbitary point."},
    {asid::kNotMoveable, "is not moveable"},
    {asid::kTooManyLoci, "You cannot select more than eight loci"},
    {asid::kDrivingPoint, "Driving point"},
    {asid::kSelectLocusPoint, "Select a locus point"},
    {asid::kSelectLocusLine, "Select a locus line"},
    {asid::kSelectLocusCircle, "Select a locus circle"},
    {asid::kSelectAxis, "Select two points to determine the axis of the graph"},
    {asid::kSelectDrivers, "Select free or semi-free points as driving points"},
    {asid::kDrivingPointTitle, "Driving Point"},
    {asid::kSelfDrawnPrompt, "Drag a free or semi-free point to draw the trace"},
    {asid::kSelfDrawnTitle, "Self Drawn Trace"},
    {asid::kStopPrompt, "Use the RIGHT button to stop the animation"},
    {asid::kNoTrace, "Give a driving point a trace first"},
    {asid::kStepDrivers, "Use the up and down keys to select the current driving point"},
    {asid::kIntervalPrompt, "Milliseconds between two animation steps"},
    {asid::kSpeedPrompt, "Speed of the current driving point"},
    {asid::kStepsPrompt, "Number of steps of an animation cycle"},
    {asid::kIntegerRange, "Please input a whole number from %d to %d"},
    {asid::kPositiveNumber, "Please input a positive number"},
    {asid::kListFull, "The computation list holds at most %d quantities"},
    {asid::kCalculatorPrompt, "Select a quantity in the Left-Top corner or use the calculator"},
    {asid::kCalculatorTitle, "Calculator"},
    {asid::kIncomplete, "The expression is not complete"},
    {asid::kAnimationTitle, "Animation"},
    {asid::kNoCurrentDriver, "Select a driving point first"},
    {asid::kFunctionGraph, "Function"},
}};

}  // namespace

void register_animate_strings() { string_table().add(kTexts); }
