#pragma once
// Highlight, in red on the drawing, of the object of a Script Manager line.

class ScriptDrawing;

// Repaints the drawing, then marks object new_pos + 20: crosses on points,
// trisection rings on segments and arrows, four rings on circles, a grey
// cross-hatch over fills and angle marks, the text in red, rings on an arc's
// ends and middle. Nothing while the drawing's painting is switched off.
// old_pos plays no part: the repaint has removed the former highlight.
void show_sel_obj(ScriptDrawing& win, int old_pos, int new_pos);
