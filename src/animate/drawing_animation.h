#pragma once
// Everything of subsystem animation, loci, measurement and calculator that a
// drawing window owns: its computation list and its animation, both working
// through the window's host.

#include "animate/animator.h"
#include "animate/computation.h"

class DrawingAnimation {
public:
    explicit DrawingAnimation(AnimationHost& host) : computation(host), animator(host, computation) {}
    DrawingAnimation(const DrawingAnimation&) = delete;
    DrawingAnimation& operator=(const DrawingAnimation&) = delete;

    Computation computation;
    Animator animator;
};
