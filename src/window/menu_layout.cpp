#include "window/menu_layout.h"

namespace {

using Kind = MenuNode::Kind;

MenuNode item(const char* text, int id) { return MenuNode{Kind::Item, text, id, {}}; }
MenuNode separator() { return MenuNode{Kind::Separator, {}, 0, {}}; }
MenuNode popup(const char* text, std::vector<MenuNode> children)
{
    return MenuNode{Kind::Popup, text, 0, std::move(children)};
}

// The items carry their command ids as numbers: the menu is one of the lists
// where each id is given (object_types.h names those the handlers tell apart).
std::vector<MenuNode> build_menu()
{
    return {
        popup("&File",
              {
                  item("&New Window", 500),
                  item("&Load A Diagram", 501),
                  item("&Save", 502),
                  item("Save &as...", 503),
                  separator(),
                  item("Save as &PS file", 211),
                  item("Save as &Bitmap File", 233),
                  item("Copy to the &Clipborad", 468),
                  separator(),
                  item("Prin&t ", 210),
                  item("Print P&review", 230),
                  item("Printer Set&up", 229),
                  separator(),
                  item("E&xit", frame_cmd::kExit),
              }),
        popup("&Draw",
              {
                  item("&Point", 101),
                  popup("On ...",
                        {
                            item("On-&line", 110),
                            item("On-&pline", 111),
                            item("On-&tline", 112),
                            item("On-&circle", 113),
                            item("On-&rcircle", 115),
                            item("On-&aline", 114),
                            item("On-&hline", 99),
                        }),
                  popup("Intersection of",
                        {
                            item("two &Lines", 116),
                            item("a Line  and a Pline", 117),
                            item("a Line  and a Tline", 118),
                            item("two &Plines", 119),
                            item("a Pline and a Tline", 120),
                            item("two &Tlines", 121),
                            separator(),
                            item("a Line  and a Circle", 122),
                            item("a Pline and a Circle", 123),
                            item("a Tline and a Circle", 124),
                            item("two &Circles", 125),
                            item("a Line  and an Rcircle", 126),
                            item("a Circle and an Rcircle", 127),
                            item("two &Rcircles", 128),
                        }),
                  popup("Ratio Constructions",
                        {
                            item("&Midpoint", 103),
                            item("&Symmetric point", 129),
                            item("&Lratio", 197),
                            item("M&ratio", 198),
                            item("&Pratio", 199),
                        }),
                  popup("Triangle",
                        {
                            item("C&entroid", 104),
                            item("C&ircumcenter", 105),
                            item("&Orthocenter", 106),
                            item("&Incenter", 108),
                            item("&Vertex with Known Incenter", 107),
                            item("&Equilateral Triangle", 109),
                        }),
                  popup("More Constructions",
                        {
                            item("&Foot", 102),
                            item("&Relection point", 130),
                            item("&Inversion point", 131),
                            item("&Positive Square", 132),
                            item("&Negative square", 133),
                        }),
                  item("Nrotate", 470),
                  item("Proatte", 471),
                  separator(),
                  popup("Add Line, Circle, and Conics",
                        {
                            item("Add a Line segment", 135),
                            item("Add a Circle", 136),
                            item("Circle of Three Points ", 222),
                            item("Add an Arc", 192),
                            item("Arc of Three Points", 458),
                            item("Add an Arrow", 186),
                            item("Add A Double Sided Arrow", 187),
                            item("Add a Marked Segment", 460),
                            separator(),
                            item("Add an Eclipse", 455),
                            item("Add a Hyberbola", 456),
                            item("Add a Parabola", 457),
                        }),
                  popup("Fill",
                        {
                            item("Fill a Triangle", 143),
                            item("Fill a Polygon", 144),
                            item("Fill A Circle", 145),
                            item("Fill A Chord", 146),
                            item("Fill a Pie Wedge", 147),
                        }),
                  popup("Mark",
                        {
                            item("Mark a Segment", 181),
                            item("Mark an Angle", 182),
                            item("Mark and Fill An Angle", 183),
                            item("Mark a Radius", 184),
                        }),
                  item("Te&xt", 180),
                  popup("Add a Button",
                        {
                            item("Add an &Animation Button", 465),
                            item("Add a &Hide Button", 466),
                        }),
                  popup("Too&ls",
                        {
                            item("Line Color", 137),
                            item("Line Width", 138),
                            item("Line Style", 139),
                            item("Fill Color", 142),
                            item("Font Color", 167),
                            item("Font Size", 174),
                        }),
                  separator(),
                  popup("Select Conclusion",
                        {
                            item("Collinear", 148),
                            item("Parallel", 149),
                            item("Perpendicular", 150),
                            item("Midpoint", 151),
                            item("Cyclic", 152),
                            item("Equal Distance", 153),
                            item("Equal Angle", 154),
                            item("Equal Product", 155),
                            item("Tangent of Circles", 156),
                            item("Harmonic", 157),
                            item("Postive Equilateral Triangle", 158),
                            item("Congruent Triangles", 236),
                            item("Similar Triangles", 237),
                        }),
                  item("&Delete Conclusion", 245),
                  separator(),
                  item("Draw S&tep by Step", 207),
                  item("Draw According to &Script", 221),
              }),
        popup("&Edit",
              {
                  item("&Restore", 141),
                  item("&Delete the Last Construction", 214),
                  item("&Clear and Redraw", 195),
                  separator(),
                  popup("Update",
                        {
                            item("A Point", 134),
                            item("A Line", 194),
                            item("A Circle", 189),
                        }),
                  popup("Delete",
                        {
                            item("A Point", 140),
                            item("A Line", 190),
                            item("A Circle", 191),
                        }),
                  popup("Hide",
                        {
                            item("A Point", 169),
                            item("A Line", 170),
                            item("A Circle", 171),
                            item("A Point Name", 172),
                            item("All Names", 173),
                        }),
                  separator(),
                  item("Begin a New Block", 203),
                  popup("Select",
                        {
                            item("Select a Block", 204),
                            item("Select all Blocks", 205),
                        }),
                  item("Delete Current Block", 206),
                  item("Unite all Blocks into One", 299),
                  separator(),
                  item("Copy Part as a New Block", 451),
                  item("Copy the Current Block", 452),
                  item("Paste", 453),
              }),
        popup("&Measure",
              {
                  item("&Segment Length", 159),
                  item("&Angle", 160),
                  item("&Slope of a line", 161),
                  popup("Area of a",
                        {
                            item("&Triangle", 162),
                            item("&Qudralateral", 163),
                            item("&Circle", 164),
                        }),
                  popup("Ratio of ",
                        {
                            item("&Segments", 165),
                            item("&The Areas of Two Triangle", 166),
                        }),
                  item("Circle", 224),
                  separator(),
                  item("Use Dynamic Unit", 462),
                  item("Use Static Unit", 463),
                  separator(),
                  item("Calculator", 223),
                  item("&Delete an Expression", 168),
              }),
        popup("&Drag",
              {
                  item("&Drag a point", 175),
                  item("&Move point name", 176),
                  item("&Translation", 177),
                  item("&Rotation", 178),
                  item("&Resize", 179),
                  item("Mirrot Relfection", 226),
                  item("Rotate an Angle in the Diagram", 242),
                  item("Rotate a Given Angle", 243),
                  separator(),
                  item("Leave Trace or Not", 467),
              }),
        popup("&Animation",
              {
                  item("&Create a Driving Point", 422),
                  popup("Trace for Driving Point",
                        {
                            item("&Line", 424),
                            item("&Circle", 423),
                            item("&Self Drawn", 425),
                        }),
                  item("Select a Diving Point", 238),
                  item("Delete the Last Driving Point", 239),
                  item("Set Speed for Current Driving Point", 430),
                  separator(),
                  popup("Select a Locus ...",
                        {
                            item("&Locus Point", 426),
                            item("&Locus Line", 428),
                            item("&Locus Circle", 429),
                        }),
                  item("Function Graphics", 461),
                  item("Delete Last Locus", 225),
                  item("Delete All Locus", 220),
                  separator(),
                  item("&Start Animation", 420),
                  item("&Select a Animation Speed", 427),
                  item("&Seletc Animation Steps", 431),
              }),
        popup("&Window",
              {
                  item("&Cascade", frame_cmd::kCascade),
                  item("&Tile", frame_cmd::kTile),
                  item("C&lose All", frame_cmd::kCloseAll),
                  separator(),
                  item("Show &Script Manager", 188),
                  item("Show &QPL Prover", 193),
              }),
        popup("&Help",
              {
                  item("&Contents", 185),
                  item("Getting Start", 196),
                  item("The Interface ", 227),
                  item("Cons&tructions", 231),
                  separator(),
                  item("&About", 212),
              }),
    };
}

void collect_ids(const std::vector<MenuNode>& nodes, std::vector<int>& out)
{
    for (const MenuNode& n : nodes) {
        if (n.kind == Kind::Item)
            out.push_back(n.id);
        else if (n.kind == Kind::Popup)
            collect_ids(n.children, out);
    }
}

const MenuNode* find_item(const std::vector<MenuNode>& nodes, int id)
{
    for (const MenuNode& n : nodes) {
        if (n.kind == Kind::Item && n.id == id)
            return &n;
        if (n.kind == Kind::Popup)
            if (const MenuNode* found = find_item(n.children, id))
                return found;
    }
    return nullptr;
}

constexpr ToolboxButton kToolbox[] = {
    {501}, {502}, {280}, {281}, {287}, {289}, {288}, {290}, {297}, {298},
    {295}, {296}, {282}, {283}, {384}, {293}, {285}, {286}, {292}, {291},
};

}  // namespace

const std::vector<MenuNode>& command_menu()
{
    static const std::vector<MenuNode> menu = build_menu();
    return menu;
}

std::vector<int> menu_command_ids()
{
    std::vector<int> ids;
    collect_ids(command_menu(), ids);
    return ids;
}

std::string menu_item_text(int id)
{
    const MenuNode* n = find_item(command_menu(), id);
    return n ? n->text : std::string();
}

std::span<const ToolboxButton> toolbox_buttons() { return kToolbox; }
