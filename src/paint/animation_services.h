#pragma once
// What the painter needs of the animation, the loci and the computation list.
// Every call defaults to doing nothing, so painting works (and is tested)
// without them.
//
// The drawing window provides the working version by letting its DiagramHooks
// implementation also derive from AnimationServices; animation_services()
// finds it there.

#include "model/diagram.h"
#include "platform/device_context.h"

class AnimationServices {
public:
    virtual ~AnimationServices() = default;

    // Quantity k of the computation list: mode 0 recomputes its value and
    // draws nothing; mode 2 writes its line (text and value) on the diagram.
    virtual void eval_qty(Diagram&, DeviceContext&, int /*k*/, int /*mode*/) {}
    // The driving points with their traces and labels.
    virtual void draw_driving_points(Diagram&, DeviceContext&) {}
    // The labels and highlights of the loci and function graphs.
    virtual void draw_loci(Diagram&, DeviceContext&) {}
    // One animation step: moves every driving point to the step held in
    // record 12, re-solves the diagram without painting it and, while the
    // recording flag is set, prepends the samples of every locus.
    virtual void animation_step(Diagram&) {}
    // A replay of the loci out of sight (recompute_loci) begins or ends. In
    // between, animation_step re-solves only what the samples and the
    // computation list read, and paints nothing.
    virtual void begin_loci_replay(Diagram&) {}
    virtual void end_loci_replay(Diagram&) {}
    // Starts the animation (the animation command 420).
    virtual void start_animation(Diagram&) {}
};

// The services of the diagram's window, or a set that does nothing.
AnimationServices& animation_services(Diagram& d);
