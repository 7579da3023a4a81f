#include "statement/window/prover_menu.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>
#include <map>

#include "platform/help_viewer.h"
#include "statement/examples.h"
#include "statement/window/prover_commands.h"

int prover_help_context(int id)
{
    switch (id) {
    case pcmd::kHelpConstructions: return help_context::kConstructions;
    case pcmd::kHelpInterface: return help_context::kProverInterface;
    case pcmd::kHelpMethods: return help_context::kProvingMethods;
    case pcmd::kHelpPredicates: return help_context::kPredicates;
    default: return 0;
    }
}

namespace {

using E = ProverMenuEntry;

E item(std::string text, int id, std::string keys = {}) { return E{std::move(text), id, std::move(keys), {}}; }
E popup(std::string text, std::vector<E> items) { return E{std::move(text), 0, {}, std::move(items)}; }
E separator() { return E{}; }

std::vector<E> theorem_items()
{
    std::vector<E> items;
    for (const ExampleInfo& ex : example_menu())
        items.push_back(item(std::string(ex.menu_text), ex.id));
    return items;
}

std::vector<E> build_menu()
{
    return {
        popup("&File", {item("&New", pcmd::kNew), item("&Open...", pcmd::kOpen), item("&Save", pcmd::kSave),
                        item("Save &As...", pcmd::kSaveAs), separator(), item("&Print...", pcmd::kPrint),
                        item("P&rint Setup...", pcmd::kPrintSetup), separator(), item("E&xit", pcmd::kExit)}),
        popup("&Edit", {item("&Undo", pcmd::kUndo, "Alt+Backspace"), separator(),
                        item("Cu&t", pcmd::kCut, "Shift+Del"), item("&Copy", pcmd::kCopy, "Ctrl+Ins"),
                        item("&Paste", pcmd::kPaste, "Shift+Ins"), separator(),
                        item("&Delete", pcmd::kDelete, "Del"), item("C&lear All", pcmd::kClearAll, "Ctrl+Del")}),
        popup("&Search", {item("&Find...", pcmd::kFind), item("&Replace...", pcmd::kReplace),
                          item("&Next", pcmd::kFindNext, "F3")}),
        popup("&Prove",
              {item("Get From &Text Editor", pcmd::kFromText), item("Get From &Graphic Editor", pcmd::kFromDrawing),
               item("Load Statement from a File", pcmd::kLoadFile), separator(), item("&Prove", pcmd::kProve),
               item("Print Proof", pcmd::kPredicateForm), item("Explain Current Statement", pcmd::kExplain),
               separator(), item("&Maximal Proof Time", pcmd::kTimeLimit)}),
        popup("Prove &Methods",
              {item("&GDD Method", kMethodDatabase), item("&Area Method", kMethodArea),
               item("&Vector Method", kMethodVector), item("Full-A&ngle Method", kMethodFullAngle),
               item("&Wu's Method", kMethodWu), item("G&roebner Basis Method", kMethodGroebner)}),
        popup("&GDD", {item("&Build GDD", pcmd::kBuildGdd), item("&Show Size of GDD", pcmd::kShowSize),
                       item("&Show GDD", pcmd::kShowGdd),
                       popup("Show &Relations",
                             {item("&Lines in GDD", 302), item("&Parallel lines in GDD", 303),
                              item("&Perpendicular lines in GDD", 304), item("Cyclic points in GDD", 309),
                              item("&Congruent Segments in GDD", 310), item("&Congruent Angles in GDD", 311),
                              item("&Midpoints in GDD", 312), item("&Similar triangles in GDD", 313),
                              item("&Conguent triangles in GDD", 314), item("&Ratios in GDD", 331)}),
                       separator(), item("&Prove a Fact in GDD", pcmd::kProveFact),
                       item("&Search a Fact in GDD", pcmd::kSearchFact), separator(),
                       item("Show Detailed Proof", pcmd::kDetailed)}),
        popup("&Theorems", theorem_items()),
        popup("&Help", {item("&Constructions", pcmd::kHelpConstructions), item("&Use the Interface", pcmd::kHelpInterface),
                        item("&Poving Methods", pcmd::kHelpMethods), item("&Predicates", pcmd::kHelpPredicates)}),
    };
}

const std::map<int, std::string>& hints()
{
    static const std::map<int, std::string> table = {
        {pcmd::kNew, "Start a new statement text"},
        {pcmd::kOpen, "Open a statement text"},
        {pcmd::kSave, "Save the text"},
        {pcmd::kSaveAs, "Save the text under a new name"},
        {pcmd::kPrint, "Print the text"},
        {pcmd::kPrintSetup, "Choose the printer and its settings"},
        {pcmd::kExit, "Close the prover"},
        {pcmd::kUndo, "Undo the last edit"},
        {pcmd::kCut, "Cut the selection to the clipboard"},
        {pcmd::kCopy, "Copy the selection to the clipboard"},
        {pcmd::kPaste, "Insert the clipboard's text"},
        {pcmd::kDelete, "Delete the selection"},
        {pcmd::kClearAll, "Delete the whole text"},
        {pcmd::kFind, "Find a text"},
        {pcmd::kReplace, "Replace a text by another"},
        {pcmd::kFindNext, "Find the text again"},
        {pcmd::kFromText, "Read the statement from the text of this window"},
        {pcmd::kFromTextButton, "Read the statement from the text of this window"},
        {pcmd::kFromDrawing, "Take the statement from the active drawing"},
        {pcmd::kFromDrawingButton, "Take the statement from the active drawing"},
        {pcmd::kLoadFile, "Load a statement from a file and read it"},
        {pcmd::kProve, "Prove the statement with the chosen method"},
        {pcmd::kProveButton, "Prove the statement with the chosen method"},
        {pcmd::kPredicateForm, "Show the predicate form of the statement"},
        {pcmd::kShowStatement, "Show the statement"},
        {pcmd::kClearWindow, "Clear the window"},
        {pcmd::kExplain, "Explain the statement in words"},
        {pcmd::kTimeLimit, "Set the maximal proof time"},
        {kMethodArea, "Prove with the area method"},
        {kMethodDatabase, "Prove with the geometry deductive database"},
        {kMethodWu, "Prove with Wu's method"},
        {kMethodGroebner, "Prove with the Groebner basis method"},
        {kMethodFullAngle, "Prove with the full-angle method"},
        {kMethodVector, "Prove with the vector method"},
        {pcmd::kBuildGdd, "Build the deductive database of the statement"},
        {pcmd::kShowSize, "Count the relations in the database"},
        {pcmd::kShowGdd, "Show the whole database"},
        {pcmd::kProveFact, "Prove a fact with the database"},
        {pcmd::kSearchFact, "Look a fact up in the database"},
        {pcmd::kDetailed, "Switch the detailed proof on or off"},
        {302, "Show the lines of the database"},
        {303, "Show the parallel lines of the database"},
        {304, "Show the perpendicular lines of the database"},
        {309, "Show the circles of the database"},
        {310, "Show the congruent segments of the database"},
        {311, "Show the equal angles of the database"},
        {312, "Show the midpoints of the database"},
        {313, "Show the similar triangles of the database"},
        {314, "Show the congruent triangles of the database"},
        {331, "Show the equal ratios of the database"},
        {pcmd::kHelpConstructions, "Help on the constructions"},
        {pcmd::kHelpInterface, "Help on the prover window"},
        {pcmd::kHelpMethods, "Help on the proving methods"},
        {pcmd::kHelpPredicates, "Help on the predicates"},
    };
    return table;
}

constexpr std::array<int, 6> kToolbar{pcmd::kProveButton, pcmd::kShowStatement, pcmd::kPredicateForm,
                                      pcmd::kFromDrawingButton, pcmd::kFromTextButton, pcmd::kClearWindow};

constexpr int kIconSize = 24;

// A page with a few lines of text on it.
void draw_page(QPainter& p, const QColor& ink)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 2.5, 15, 19));
    p.setPen(QPen(ink, 1));
    for (int y = 6; y <= 18; y += 3)
        p.drawLine(QPointF(7, y + 0.5), QPointF(17, y + 0.5));
}

void draw_triangle(QPainter& p, const QRectF& box)
{
    QPainterPath path;
    path.moveTo(box.left(), box.bottom());
    path.lineTo(box.right(), box.bottom());
    path.lineTo(box.left() + box.width() * 0.35, box.top());
    path.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 160), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void draw_letter(QPainter& p, const QString& letter, const QColor& colour)
{
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(0, 0, kIconSize, kIconSize), Qt::AlignCenter, letter);
}

}  // namespace

const std::vector<ProverMenuEntry>& prover_menu()
{
    static const std::vector<ProverMenuEntry> menu = build_menu();
    return menu;
}

std::string prover_command_hint(int id)
{
    if (const auto it = hints().find(id); it != hints().end())
        return it->second;
    for (const ExampleInfo& ex : example_menu())
        if (ex.id == id)
            return "Load the theorem \"" + std::string(ex.menu_text) + "\"";
    return {};
}

std::span<const int> prover_toolbar_ids() { return kToolbar; }

QIcon prover_toolbar_icon(int id)
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (id) {
    case pcmd::kProveButton:
        // A tick: prove.
        p.setPen(QPen(QColor(0, 128, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(4, 13), QPointF(10, 19), QPointF(20, 5)}));
        break;
    case pcmd::kShowStatement:
        draw_page(p, Qt::black);
        break;
    case pcmd::kPredicateForm:
        draw_letter(p, QStringLiteral("P"), QColor(128, 0, 0));
        break;
    case pcmd::kFromDrawingButton:
        draw_triangle(p, QRectF(3, 4, 18, 16));
        p.setPen(QPen(Qt::red, 1.5));
        p.drawLine(QPointF(14, 16), QPointF(21, 22));
        break;
    case pcmd::kFromTextButton:
        draw_page(p, QColor(0, 0, 160));
        p.setPen(QPen(Qt::red, 1.5));
        p.drawLine(QPointF(14, 16), QPointF(21, 22));
        break;
    case pcmd::kClearWindow:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 2.5, 15, 19));
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(QPointF(6, 5), QPointF(18, 19));
        p.drawLine(QPointF(18, 5), QPointF(6, 19));
        break;
    default:
        break;
    }
    p.end();
    return QIcon(pixmap);
}

QIcon prover_frame_icon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw_triangle(p, QRectF(3, 5, 26, 22));
    p.setPen(QPen(QColor(0, 128, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(14, 20), QPointF(19, 26), QPointF(29, 10)}));
    p.end();
    return QIcon(pixmap);
}
