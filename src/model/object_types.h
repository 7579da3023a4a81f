#pragma once
// The numbers a drawing's records carry, by name: object classes, object
// types, the conclusion kinds, the other commands that become the pending
// command or the mode of the state record, and the action states that are no
// command ids.
//
// An object's type is the id of the command that created it, so types and
// command ids are one numbering. Point files store these numbers and the
// prover reads the types as its construction kinds: none of them may change.
// The measure, attribute and animation commands are named beside their
// handlers (measure_type, measure_code, attr_cmd, anim_id).

// Object classes (the cls byte).
namespace oclass {
inline constexpr int kPoint = 1;
inline constexpr int kLine = 2;          // segments, circles, arcs, conics, arrows
inline constexpr int kFill = 3;
inline constexpr int kMark = 4;
inline constexpr int kText = 6;
inline constexpr int kButton = 7;
inline constexpr int kDrivingPoint = 8;  // made by no command; only a point file brings one
}  // namespace oclass

// Object types.
namespace otype {

// Points (class 1).
inline constexpr int kOnHline = 99;               // on the horizontal line through a0
inline constexpr int kFreePoint = 101;
inline constexpr int kFoot = 102;                 // foot of a0 on line a1 a2
inline constexpr int kMidpoint = 103;
inline constexpr int kCentroid = 104;
inline constexpr int kCircumcenter = 105;
inline constexpr int kOrthocenter = 106;
inline constexpr int kIncenterVertex = 107;       // third vertex from two vertices and the incenter
inline constexpr int kIncenter = 108;
inline constexpr int kEquilateralVertex = 109;    // apex of the positive equilateral triangle on a0 a1
inline constexpr int kOnLine = 110;               // on line a0 a1
inline constexpr int kOnPline = 111;              // on the parallel through a0 to a1 a2
inline constexpr int kOnTline = 112;              // on the perpendicular through a0 to a1 a2
inline constexpr int kOnCircle = 113;             // on the circle with centre a0 through a1
inline constexpr int kOnAline = 114;              // on the line through a0 at the angle a2 a3 a4 to a0 a1
inline constexpr int kOnRcircle = 115;            // on the circle with centre a0 and radius |a1 a2|
inline constexpr int kInterLineLine = 116;        // intersections: 116 to 121 meet two lines,
inline constexpr int kInterLinePline = 117;       // 122 to 128 a line or circle and a circle
inline constexpr int kInterLineTline = 118;
inline constexpr int kInterPlinePline = 119;
inline constexpr int kInterPlineTline = 120;
inline constexpr int kInterTlineTline = 121;
inline constexpr int kInterLineCircle = 122;
inline constexpr int kInterPlineCircle = 123;
inline constexpr int kInterTlineCircle = 124;
inline constexpr int kInterCircleCircle = 125;
inline constexpr int kInterLineRcircle = 126;
inline constexpr int kInterCircleRcircle = 127;
inline constexpr int kInterRcircleRcircle = 128;
inline constexpr int kSymmetricPoint = 129;       // a1 reflected in the point a0
inline constexpr int kReflection = 130;           // a0 reflected in line a1 a2
inline constexpr int kInversion = 131;            // a0 inverted in a circle
inline constexpr int kPositiveSquare = 132;       // vertex of the positive square on a0 a1
inline constexpr int kNegativeSquare = 133;       // vertex of the negative square on a0 a1
inline constexpr int kLratio = 197;               // ratio points: the ratio's two integers
inline constexpr int kMratio = 198;               // are kept as texts in aux1 and aux2
inline constexpr int kPratio = 199;
inline constexpr int kNrotate = 470;              // a1 turned about a0 by the angle text in aux1
inline constexpr int kProtate = 471;              // a1 turned about a0 by the angle a2 a3 a4

// Lines and curves (class 2).
inline constexpr int kSegment = 135;              // ends a0 < a1
inline constexpr int kCircle = 136;               // centre a0 through a1
inline constexpr int kOneWayArrow = 186;
inline constexpr int kTwoWayArrow = 187;
inline constexpr int kArc = 192;
inline constexpr int kThreePointCircle = 222;
inline constexpr int kEllipse = 455;
inline constexpr int kHyperbola = 456;
inline constexpr int kParabola = 457;
inline constexpr int kThreePointArc = 458;
inline constexpr int kPolyline = 459;             // its points in `polyline`; no command makes one
inline constexpr int kMarkedSegment = 460;

// Ellipses, hyperbolas and parabolas: drawn from samples, their count in aux1.
inline constexpr bool is_conic(int type) { return type == kEllipse || type == kHyperbola || type == kParabola; }

// Fills (class 3).
inline constexpr int kFillTriangle = 143;
inline constexpr int kFillPolygon = 144;          // vertex count plus one in name_dx
inline constexpr int kFillCircle = 145;
inline constexpr int kFillChord = 146;
inline constexpr int kFillPie = 147;

// Marks (class 4).
inline constexpr int kSegmentMark = 181;
inline constexpr int kAngleMark = 182;
inline constexpr int kFilledAngleMark = 183;
inline constexpr int kRadiusMark = 184;

// Text (class 6).
inline constexpr int kText = 180;

// Buttons (class 7).
inline constexpr int kAnimationButton = 465;
inline constexpr int kHideButton = 466;           // what it hides in `hide_list`, its last entry in aux1

}  // namespace otype

// Conclusion kinds: the commands that pick a drawing's conclusion, kept in
// record 1's type (rec::kNoConclusion for none).
namespace concl {
inline constexpr int kCollinear = 148;
inline constexpr int kParallel = 149;
inline constexpr int kPerpendicular = 150;
inline constexpr int kMidpoint = 151;
inline constexpr int kCyclic = 152;
inline constexpr int kEqualDistance = 153;
inline constexpr int kEqualAngle = 154;
inline constexpr int kEqualProduct = 155;
inline constexpr int kTangentCircles = 156;
inline constexpr int kHarmonic = 157;
inline constexpr int kEquilateral = 158;          // positive equilateral triangle
inline constexpr int kCongruent = 236;
inline constexpr int kSimilar = 237;
}  // namespace concl

// Commands of the drawing window that create no object but become its
// pending command, its mode or its outer mode, or that its handlers tell apart.
namespace cmd {
inline constexpr int kRenamePoint = 134;          // Edit > Update > A Point
inline constexpr int kDeletePoint = 140;
inline constexpr int kHidePoint = 169;
inline constexpr int kHideLine = 170;
inline constexpr int kHideCircle = 171;
inline constexpr int kHidePointName = 172;
inline constexpr int kHideAllNames = 173;         // toggles every name at once
inline constexpr int kDragPoint = 175;
inline constexpr int kMoveName = 176;
inline constexpr int kTranslate = 177;
inline constexpr int kRotate = 178;               // picks the centre; the turn runs in astate::kRotating
inline constexpr int kResize = 179;               // picks the reference; the drag runs in astate::kResizing
inline constexpr int kScriptManager = 188;
inline constexpr int kUpdateCircle = 189;
inline constexpr int kDeleteLine = 190;
inline constexpr int kDeleteCircle = 191;
inline constexpr int kUpdateLine = 194;
inline constexpr int kClearAndRedraw = 195;
inline constexpr int kNewBlock = 203;
inline constexpr int kSelectBlock = 204;          // the arrow keys step the current block
inline constexpr int kSelectAllBlocks = 205;
inline constexpr int kDeleteBlock = 206;
inline constexpr int kStepByStep = 207;
inline constexpr int kPrint = 210;                // pending command while a page is drawn
inline constexpr int kDeleteLast = 214;
inline constexpr int kRepaint = 216;              // no menu item
inline constexpr int kDrawStatement = 221;        // mode and outer mode while the prover's statement is drawn
inline constexpr int kMirror = 226;
inline constexpr int kRotateByPickedAngle = 242;  // turn the diagram by an angle of the diagram
inline constexpr int kRotateByTypedAngle = 243;   // turn the diagram by a typed angle
inline constexpr int kDeleteConclusion = 245;
inline constexpr int kUniteBlocks = 299;
inline constexpr int kCopyPartAsBlock = 451;      // also the mode and outer mode of pasting
inline constexpr int kCopyBlock = 452;
inline constexpr int kPaste = 453;
inline constexpr int kLeaveTrace = 467;
inline constexpr int kCopyToClipboard = 468;

// Toolbox buttons that the handlers serve besides their menu twins.
inline constexpr int kToolFreePoint = 280;
inline constexpr int kToolDragPoint = 285;
inline constexpr int kToolMoveName = 286;
inline constexpr int kToolDeleteLast = 291;
inline constexpr int kToolClear = 292;
}  // namespace cmd

// Action states (the state record's mode) that are no command ids. While a
// command collects picks the mode is kFirstPick plus the number picked.
namespace astate {
inline constexpr int kIdle = 0;
inline constexpr int kPlacing = 10;     // a free point, text or button waits for its place
inline constexpr int kFirstPick = 11;
inline constexpr int kLastPick = 18;    // seven picks taken, the eighth awaited
inline constexpr int kAllPicked = 31;   // eight picks taken
inline constexpr int kAnimation = 26;   // the animation runs; as outer mode: a trace is picked
inline constexpr int kUnitRuler = -12;  // the unit ruler is dragged
inline constexpr int kRotating = -178;  // the diagram turns about the chosen centre
inline constexpr int kResizing = -179;  // the diagram is scaled about the chosen reference
}  // namespace astate

