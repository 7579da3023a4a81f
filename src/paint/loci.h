#pragma once
// Locus traces: the samples the animation recorded for up to eight loci,
// kept on the diagram and rebuilt after the diagram changes.

#include "model/diagram.h"
#include "platform/device_context.h"

// Locus kinds (record 6 entries).
inline constexpr int kLocusPoint = 426;
inline constexpr int kLocusLine = 428;
inline constexpr int kLocusCircle = 429;
inline constexpr int kLocusFunction = 461;
inline constexpr int kMaxLoci = 8;

// Throws the samples away and takes them anew by replaying one whole
// animation cycle out of sight, from the head of the self-drawn trace; then
// every object, every driving point's placing parameters, the picked and
// dragged indices and the mouse position are given back. Nothing happens
// without a driving point or without a locus.
void recompute_loci(Diagram& d);

// Draws the samples of every locus: dots for point loci (red for function
// graphs), segments for line loci, circles for circle loci. A sample with a
// mapped coordinate of 0 stands for a failed construction and is left out.
void draw_locus_traces(Diagram& d, DeviceContext& dc);
