#include "export/postscript_dc.h"

// Coordinates are device units with y growing downward (the page set-up
// flips the axis), so the procedures take the painter's numbers unchanged.
std::string_view postscript_prologue()
{
    return R"PS(/PlexatorDraw 64 dict def
PlexatorDraw begin
% r g b width [dash] offset SP: the pen for strokes and lines
/SP { setdash setlinewidth setrgbcolor } bind def
% x0 y0 x1 y1 L: a line with the pen
/L { newpath moveto lineto stroke } bind def
/S { stroke } bind def
/N { newpath } bind def
/M { moveto } bind def
/D { lineto } bind def
/CP { closepath } bind def
% left top right bottom EP: path of the ellipse in the box
/EP { 4 dict begin /b exch def /r exch def /t exch def /l exch def
  matrix currentmatrix
  l r add 2 div t b add 2 div translate r l sub 2 div b t sub 2 div scale
  newpath 0 0 1 0 360 arc closepath
  setmatrix end } bind def
% left top right bottom RP: path of the box
/RP { 4 dict begin /b exch def /r exch def /t exch def /l exch def
  newpath l t moveto r t lineto r b lineto l b lineto closepath end } bind def
% cx cy rx ry a1 a2 shape AP: elliptic arc from a1 down to a2;
% shape 0 open, 1 chord (closed by its chord), 2 pie (closed through the centre)
/AP { 8 dict begin /m exch def /a2 exch def /a1 exch def
  /ry exch def /rx exch def /cy exch def /cx exch def
  newpath m 2 eq { cx cy moveto } if
  matrix currentmatrix cx cy translate rx ry scale
  0 0 1 a1 a2 arcn
  setmatrix m 0 gt { closepath } if end } bind def
% r g b SF: fills the path, which stays
/SF { gsave setrgbcolor fill grestore } bind def
% style r g b HF: hatches the path (0 horizontal, 1 vertical, 2 forward
% diagonal, 3 backward diagonal, 4 cross, 5 diagonal cross), which stays
/HF { gsave setrgbcolor 8 dict begin /hs exch def
  pathbbox /hy1 exch def /hx1 exch def /hy0 exch def /hx0 exch def
  clip newpath 1 setlinewidth [] 0 setdash
  /hd hy1 hy0 sub def
  hs 0 eq hs 4 eq or { hy0 8 div floor 8 mul 8 hy1 { dup hx0 exch moveto hx1 exch lineto } for } if
  hs 1 eq hs 4 eq or { hx0 8 div floor 8 mul 8 hx1 { dup hy0 moveto hy1 lineto } for } if
  hs 2 eq hs 5 eq or { hx0 hd sub 8 div floor 8 mul 8 hx1 { dup hy0 moveto hd add hy1 lineto } for } if
  hs 3 eq hs 5 eq or { hx0 8 div floor 8 mul 8 hx1 hd add { dup hy0 moveto hd sub hy1 lineto } for } if
  stroke end grestore } bind def
% /font size F: selects a font
/F { selectfont } bind def
% (text) x baseline r g b T: a text, upright on the flipped page
/T { gsave setrgbcolor translate 1 -1 scale 0 0 moveto show grestore } bind def
% x baseline r g b TB ... TE: the pieces of a text shown in between, upright
/TB { gsave setrgbcolor translate 1 -1 scale 0 0 moveto } bind def
/TE { grestore } bind def
% size /glyph SG: one glyph of the Symbol font, then the text's font again
/SG { exch currentfont 3 1 roll /Symbol exch selectfont glyphshow setfont } bind def
% x y width height r g b BG: the background of an opaque text
/BG { gsave setrgbcolor rectfill grestore } bind def
% x y r g b PX: one pixel
/PX { gsave setrgbcolor 1 1 rectfill grestore } bind def
% /new /base RE: the base font with the Latin-1 encoding
/RE { findfont dup length dict begin
  { 1 index /FID ne { def } { pop pop } ifelse } forall
  /Encoding ISOLatin1Encoding def currentdict end definefont pop } bind def
/Times-Roman-L1 /Times-Roman RE
/Times-Bold-L1 /Times-Bold RE
/Times-Italic-L1 /Times-Italic RE
/Times-BoldItalic-L1 /Times-BoldItalic RE
/Helvetica-L1 /Helvetica RE
/Helvetica-Bold-L1 /Helvetica-Bold RE
/Helvetica-Oblique-L1 /Helvetica-Oblique RE
/Helvetica-BoldOblique-L1 /Helvetica-BoldOblique RE
/Courier-L1 /Courier RE
/Courier-Bold-L1 /Courier-Bold RE
/Courier-Oblique-L1 /Courier-Oblique RE
/Courier-BoldOblique-L1 /Courier-BoldOblique RE
end
)PS";
}
