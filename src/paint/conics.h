#pragma once
// Ellipses, hyperbolas and parabolas are drawn as rows of dots at sample
// points that the conic object keeps (its `samples`, count also in aux1).

#include "model/diagram.h"
#include "model/object_types.h"

// Upper bound of the samples of one conic: a conic far larger than any
// window or page still gets a bounded array.
inline constexpr int kMaxConicSamples = 20000;

// Number of samples of a conic whose defining distances are d1 = |AB| and
// d2 = |AC|: about 2.4, 3 or 2 per world unit, even, capped. A hyperbola
// whose conjugate semi-axis vanishes has none.
int conic_sample_count(int type, double d1, double d2);

// Computes the samples of conic i anew from its parents A = arg[0] (centre,
// or the parabola's focus), B = arg[1] and C = arg[2], replacing the ones it
// held. The parabola uses records 2, 3 and 4 as working points.
void conic_points(Diagram& d, int i);
