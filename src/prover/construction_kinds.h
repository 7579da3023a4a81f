#pragma once
// The kinds of the point table's records (Pro_point::kind). The statement's
// constructions are numbered like the drawing commands that make them, so a
// record taken from a drawing keeps its object's type; the statement reader
// has kinds of its own for the records it writes for one method or another;
// and a predicate written among the hypotheses takes the kind of the
// construction that states the same. Statement files never hold these
// numbers, but the drawing's point files do: none of them may change.

namespace cons_kind {

inline constexpr int kEmpty = 0;                  // a record in no use

// Constructions, as the semantics interpret them.
inline constexpr int kOnHline = 99;               // on the horizontal line through A (from a drawing)
inline constexpr int kFreePoint = 101;            // POINT
inline constexpr int kFoot = 102;                 // FOOT: foot of A on line BC
inline constexpr int kMidpoint = 103;             // MIDPOINT
inline constexpr int kCentroid = 104;             // CENTROID
inline constexpr int kCircumcenter = 105;         // CIRCUMCENTER
inline constexpr int kOrthocenter = 106;          // ORTHOCENTER
inline constexpr int kIncenterVertex = 107;       // the third vertex from two vertices and the incentre
inline constexpr int kIncenter = 108;             // incentre of a triangle (from a drawing; refused)
inline constexpr int kEquilateralVertex = 109;    // EQ_TRIANGLE: apex of the positive triangle on AB
inline constexpr int kOnLine = 110;               // ON_LINE: on line AB
inline constexpr int kOnPline = 111;              // ON_PLINE: on the parallel through A to BC
inline constexpr int kOnTline = 112;              // ON_TLINE: on the perpendicular through A to BC
inline constexpr int kOnCircle = 113;             // ON_CIRCLE: on the circle with centre O through A
inline constexpr int kOnAline = 114;              // ON_ALINE: angle XAB equals angle CDE
inline constexpr int kOnRcircle = 115;            // XA = BC
inline constexpr int kInterLineLine = 116;        // INTERSECTION_LL
inline constexpr int kInterLinePline = 117;       // INTERSECTION_LP
inline constexpr int kInterLineTline = 118;       // INTERSECTION_LT
inline constexpr int kInterPlinePline = 119;      // INTERSECTION_PP
inline constexpr int kInterPlineTline = 120;      // INTERSECTION_PT
inline constexpr int kInterTlineTline = 121;      // INTERSECTION_TT
inline constexpr int kInterLineCircle = 122;      // INTERSECTION_LC
inline constexpr int kInterPlineCircle = 123;     // INTERSECTION_PC
inline constexpr int kInterTlineCircle = 124;     // INTERSECTION_TC
inline constexpr int kInterCircleCircle = 125;    // INTERSECTION_CC
inline constexpr int kInterLineRcircle = 126;     // INTERSECTION_LR
inline constexpr int kInterCircleRcircle = 127;   // INTERSECTION_CR
inline constexpr int kInterRcircleRcircle = 128;  // INTERSECTION_RR
inline constexpr int kSymmetricPoint = 129;       // SYM: A reflected in the point O
inline constexpr int kReflection = 130;           // REFLECTION: A reflected in line BC
inline constexpr int kInversion = 131;            // INVERSION
inline constexpr int kPositiveSquare = 132;       // PSQUARE
inline constexpr int kNegativeSquare = 133;       // NSQUARE
inline constexpr int kLratio = 197;               // LRATIO: the ratio's two polynomials in ps
inline constexpr int kMratio = 198;               // MRATIO
inline constexpr int kPratio = 199;               // PRATIO
inline constexpr int kRatioUnused = 200;          // a fourth ratio kind that nothing makes
inline constexpr int kConstant = 357;             // CONSTANT: a relation P = 0, its polynomial in ps[0]
inline constexpr int kNrotate = 470;              // B turned about A by the angle text in rot (from a drawing)
inline constexpr int kProtate = 471;              // B turned about A by an angle of the figure (not interpreted)
inline constexpr int kCircleMember = 358;         // counted among a circle's points by all_on_cir; nothing makes it

// Predicates written among the hypotheses (records named "x"): the kind of
// the construction that states the same, the predicate's points in pots.
inline constexpr int kHypCollinear = kOnLine;          // COLLINEAR, 3 points
inline constexpr int kHypParallel = kOnPline;          // PARALLEL, 4 points
inline constexpr int kHypPerpendicular = kOnTline;     // PERPENDICULAR, 4 points
inline constexpr int kHypEqDistance = kOnCircle;       // EQDISTANCE, 4 points
inline constexpr int kHypEqAngle = kOnRcircle;         // EQANGEL, 6 points
inline constexpr int kHypCocircle = kInterLinePline;   // COCIRCLE, 4 points

// The statement reader's own kinds: lines as written where a method takes
// no construction of its own for them, and the records it writes for a
// method. The semantics interpret none of them; the equations read the
// auxiliary ones as the constructions they stand for (equation_kind).
inline constexpr int kCircleDefining = 0;         // one of a CIRCLE line's first three points (Wu, Groebner)
inline constexpr int kCirclePoint = 1;            // a point of a CIRCLE line (the other methods)
inline constexpr int kReaderMidpoint = 2;         // midpoint of its two points
inline constexpr int kOnBline = 11;               // ON_BLINE as written: on the bisector of AB
inline constexpr int kReaderOnTline = 12;         // on the perpendicular through p1 to p2 p3
inline constexpr int kCircleFurther = 14;         // a further CIRCLE point: on the circle with centre p1 through p2
inline constexpr int kReaderLineCircle = 40;      // line p1 p2 met with the circle with centre p3 through p4
inline constexpr int kInterLineCircle3 = 44;      // INTERSECTION_LS as written: line AB and the circle through C D E
inline constexpr int kReaderCircleCircle = 50;    // circles with centre p1 through p2 and with centre p3 through p4
inline constexpr int kInterCircle3Circle3 = 52;   // INTERSECTION_SS as written: the circles through A B C and D E F
inline constexpr int kReaderCentre = 62;          // centre of the circle through its three points
inline constexpr int kHarmonic = 71;              // HARMONIC
inline constexpr int kSimTriangle = 76;           // SIM_TRIANGLE
inline constexpr int kPlaceholder = -100;         // a record that stands for nothing

}  // namespace cons_kind
