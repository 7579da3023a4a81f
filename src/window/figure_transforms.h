#pragma once
// Moves of the whole figure, or of its current block: translation, scaling
// about a kept place and rotation about a centre, with the recorded locus
// samples where the mouse handlers move them too.

#include "model/diagram.h"

// Which objects a move takes: the mouse moves points and texts (translation
// buttons too), the arrow keys every object in scope.
enum class MovedClasses { PointsTexts, PointsTextsButtons, All };

// Whether object o takes part in a figure-wide move: it belongs to the
// current block, or no block is current.
bool in_move_scope(const ObjectTable& t, const Dpoint& o);

// Adds (dx, dy) to the objects in scope of the given classes.
void shift_objects(Diagram& d, double dx, double dy, MovedClasses classes);
// Adds (dx, dy) to both points of every sample of the locus lists in use.
void shift_loci(Diagram& d, double dx, double dy);

// Scales the objects in scope by f about the origin, then shifts them so that
// object `ref` stands at `keep` again: a scaling about that place. With
// with_loci the locus samples take the same two steps.
void scale_about(Diagram& d, double f, int ref, WorldPoint keep, MovedClasses classes,
                 bool with_loci);

// The factor of one resize step: 0.5 % per unit of x movement, never below 0.01.
double resize_factor(double x, double previous_x);

// Turns the objects in scope about `centre` by `angle` radians (positive
// angles turn clockwise on the screen, where y grows downward); with_loci
// turns the locus samples too, whatever the current block.
void rotate_objects(Diagram& d, WorldPoint centre, double angle, MovedClasses classes,
                    bool with_loci);
