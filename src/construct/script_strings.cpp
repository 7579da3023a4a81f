#include "construct/script_strings.h"

#include "platform/string_table.h"

namespace {

// Misspellings and odd blanks are the program's own texts.
constexpr StringEntry kTexts[] = {
    {1002, "Script Manager"},
    {1004, "Point"},
    {1005, "Line"},
    {1006, "Circle"},
    {1007, "Error"},
    {1040, "No Document is opened"},
    {1041, "---  Popup Menu ---"},
    {1042, "Undo"},
    {1043, "Add a object"},
    {1044, "Update the current object"},
    {1045, "Delete the current object"},
    {1046, "Clear All"},
    {1050, "Object Type"},
    {1051, "Name : "},
    {1052, "Text: "},
    {1053, "Yellow"},
    {1054, "Magenta"},
    {1055, "Green"},
    {1056, "LtGray"},
    {1057, "Gray"},
    {1058, "Blue"},
    {1059, "Red"},
    {1060, "Black"},
    {1061, "Line Size: "},
    {1062, "Solid Line"},
    {1063, "Dashed Line"},
    {1064, "Dotted Line"},
    {1065, "Solid style"},
    {1066, "Input a new size:"},
    {1067, "Pen Style"},
    {1068, "0: Solid; 1: Dash; 2: Dotted; 3: Dash-dotted"},
    {1069, "Mark Size: "},
    {1172, "Eclipse"},
    {1173, "Hyperbola"},
    {1174, "Parabola"},
    {1180, "Solid point"},
    {1181, "Hollow point"},
    {1182, "Type: "},
    {1183, "Combination"},
    {1184, "Copy"},
    {1185, "Xor"},
    {1186, "Merge"},
    {1187, "White"},
    {1252, "Button"},
    {1254, "Animation"},
    {1255, "Fill"},
    {1256, "Mark"},
    {1306, "Text"},
    {1421, "Driving point"},
    {1506, "Symmetric"},
    {1511, "Fill Triangle"},
    {1512, "Fill Pie Wedge"},
    {1513, "Fill Circle"},
    {1514, "Fill Chord"},
    {1515, "Fill Polygon"},
    {1516, "Mark Line"},
    {1517, "Mark Angle"},
    {1518, "Fill Angle"},
    {2422, " and"},
    {2423, " to "},
    {2425, " a free point"},
    {2426, " foot"},
    {2428, "line"},
    {2432, "circle"},
    {2438, " midpoint"},
    {2439, " is"},
    {2445, "circle"},
    {2446, " with "},
    {2451, " triangle "},
    {2452, " centroid"},
    {2453, " orthocenter"},
    {2454, " circumcenter"},
    {2455, " incenter"},
    {2456, " inversion"},
    {2457, " a positive right isoceles triangle"},
    {2458, " a negative right isoceles triangle"},
    {2460, " a positive equilateral triangle"},
    {2461, "line"},
    {2463, "ratio_point"},
    {2466, " anti_center"},
    {2467, " reflection"},
    {2471, " three points "},
    {2472, " circle "},
    {2473, " a point on "},
    {2474, " passing throgh"},
    {2475, "Arrow "},
    {2476, "Arc "},
    {2477, signs::kIntersection},
    {2479, "Maked line"},
};

}  // namespace

void register_script_strings()
{
    string_table().add(kTexts);
}

void ensure_script_strings()
{
    static const bool registered = (register_script_strings(), true);
    (void)registered;
}
