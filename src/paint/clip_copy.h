#pragma once

// Non-zero only while the drawing window paints a dragged rectangle into the
// clipboard bitmap: the overlays that belong to the window (quantities, unit
// ruler, driving points, loci) are left out and conics are sampled anew.
inline int g_clip_copy = 0;
