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

// Whether recompute_loci has a cycle to replay: a driving point and a locus.
bool has_locus_replay(ObjectTable& t);

// Throws the samples away and takes them anew by replaying one whole
// animation cycle out of sight, from the head of the self-drawn trace; then
// every object, every driving point's placing parameters, the picked and
// dragged indices and the mouse position are given back. Nothing happens
// without a driving point or without a locus. The steps re-solve only what
// the samples depend on and paint nothing (AnimationServices).
void recompute_loci(Diagram& d);

// Draws the samples of every locus: dots for point loci (red for function
// graphs), segments for line loci, circles for circle loci. A sample with a
// mapped coordinate of 0 stands for a failed construction and is left out.
void draw_locus_traces(Diagram& d, DeviceContext& dc);
