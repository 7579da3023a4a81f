#pragma once
// The object types the "Add a object" dialog offers: a name, the command id
// of the object built, how many points it takes and which page of fields it
// shows. Forty types, then thirteen blank rows that the list shows as empty
// entries.

#include <array>
#include <string_view>

#include "model/object_types.h"

// Which fields a row's page shows.
enum AddPage : int {
    kPageFreePoint = -1,  // name, x and y
    kPageBlank = 0,       // nothing of its own
    kPageConstruction = 1,  // name and point lists
    kPageLine = 2,          // line width, colour, pen style
    kPageFill = 3,          // colour, fill style
    kPageAngleMark = 4,     // name, colour, mark size
    kPageText = 6,          // text, x and y
};

struct AddType {
    std::string_view name;  // UTF-8
    int command;
    int points;
    AddPage page;
};

inline constexpr int kAddTypeRows = 53;
inline constexpr int kAddTypesInUse = 40;

// The names are listed as the program has always listed them: rows 22 and 23
// (incentre, third vertex) carry kIncenterVertex and kIncenter in this order,
// rows 26 and 27 share a name; the object built is always the one of the
// command id.
inline constexpr std::array<AddType, kAddTypeRows> add_type_table{{
    {"\u70b9", otype::kFreePoint, 0, kPageFreePoint},
    {"\u4e2d\u70b9", otype::kMidpoint, 2, kPageConstruction},
    {"\u5782\u8db3", otype::kFoot, 3, kPageConstruction},
    {"\u7ebf\u6bb5", otype::kSegment, 2, kPageLine},
    {"\u5706", otype::kCircle, 2, kPageLine},
    {"\u5706\u5f27", otype::kArc, 3, kPageLine},
    {"L\u7ebf\u4e0eL\u7ebf\u4ea4\u70b9", otype::kInterLineLine, 4, kPageConstruction},
    {"L\u7ebf\u4e0eP\u7ebf\u4ea4\u70b9", otype::kInterLinePline, 5, kPageConstruction},
    {"L\u7ebf\u4e0eT\u7ebf\u4ea4\u70b9", otype::kInterLineTline, 5, kPageConstruction},
    {"P\u7ebf\u4e0eP\u7ebf\u4ea4\u70b9", otype::kInterPlinePline, 6, kPageConstruction},
    {"P\u7ebf\u4e0eT\u7ebf\u4ea4\u70b9", otype::kInterPlineTline, 6, kPageConstruction},
    {"T\u7ebf\u4e0eT\u7ebf\u4ea4\u70b9", otype::kInterTlineTline, 6, kPageConstruction},
    {"L\u7ebf\u4e0eC\u5706\u4ea4\u70b9", otype::kInterLineCircle, 4, kPageConstruction},
    {"P\u7ebf\u4e0eC\u5706\u4ea4\u70b9", otype::kInterPlineCircle, 5, kPageConstruction},
    {"T\u7ebf\u4e0eC\u5706\u4ea4\u70b9", otype::kInterTlineCircle, 5, kPageConstruction},
    {"C\u5706\u4e0eC\u5706\u4ea4\u70b9", otype::kInterCircleCircle, 4, kPageConstruction},
    {"L\u7ebf\u4e0eR\u5706\u4ea4\u70b9", otype::kInterLineRcircle, 5, kPageConstruction},
    {"C\u5706\u4e0eR\u5706\u4ea4\u70b9", otype::kInterCircleRcircle, 5, kPageConstruction},
    {"R\u5706\u4e0eR\u5706\u4ea4\u70b9", otype::kInterRcircleRcircle, 6, kPageConstruction},
    {"\u91cd\u5fc3", otype::kCentroid, 3, kPageConstruction},
    {"\u5916\u5fc3", otype::kCircumcenter, 3, kPageConstruction},
    {"\u5782\u5fc3", otype::kOrthocenter, 3, kPageConstruction},
    {"\u5185\u5fc3", otype::kIncenterVertex, 3, kPageConstruction},
    {"\u7531\u5185\u5fc3\u4e0e\u4e24\u9876\u70b9\u4f5c\u53e6\u4e00\u9876\u70b9", otype::kIncenter, 3,
     kPageConstruction},
    {"\u6b63\u4e09\u89d2\u5f62", otype::kEquilateralVertex, 2, kPageConstruction},
    {"\u5bf9\u79f0\u70b9", otype::kSymmetricPoint, 2, kPageConstruction},
    {"\u53cd\u6f14\u70b9", otype::kReflection, 3, kPageConstruction},
    {"\u53cd\u6f14\u70b9", otype::kInversion, 3, kPageConstruction},
    {"\u6b63\u5411\u6b63\u65b9\u5f62", otype::kPositiveSquare, 2, kPageConstruction},
    {"\u8d1f\u5411\u6b63\u65b9\u5f62", otype::kNegativeSquare, 2, kPageConstruction},
    {"\u586b\u5145\u4e09\u89d2\u5f62", otype::kFillTriangle, 3, kPageFill},
    {"\u586b\u5145\u591a\u8fb9\u5f62", otype::kFillPolygon, 8, kPageFill},
    {"\u586b\u5145\u5706", otype::kFillCircle, 2, kPageFill},
    {"\u586b\u5145\u5f13\u5f62", otype::kFillChord, 3, kPageFill},
    {"\u586b\u5145\u6247\u5f62", otype::kFillPie, 3, kPageFill},
    {"\u6807\u8bc6\u7ebf\u6bb5", otype::kSegmentMark, 2, kPageConstruction},
    {"\u6807\u8bc6\u89d2", otype::kAngleMark, 3, kPageAngleMark},
    {"\u6807\u8bc6\u5e76\u586b\u5145\u89d2", otype::kFilledAngleMark, 3, kPageAngleMark},
    {"\u6807\u8bc6\u56ed\u534a\u5f84", otype::kRadiusMark, 3, kPageConstruction},
    {"\u6ce8\u91ca", otype::kText, 0, kPageText},
    {"", 0, 0, kPageBlank}, {"", 0, 0, kPageBlank}, {"", 0, 0, kPageBlank}, {"", 0, 0, kPageBlank},
    {"", 0, 0, kPageBlank}, {"", 0, 0, kPageBlank}, {"", 0, 0, kPageBlank}, {"", 0, 0, kPageBlank},
    {"", 0, 0, kPageBlank}, {"", 0, 0, kPageBlank}, {"", 0, 0, kPageBlank}, {"", 0, 0, kPageBlank},
    {"", 0, 0, kPageBlank},
}};
