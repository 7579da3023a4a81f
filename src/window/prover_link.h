#pragma once
// The drawing side's view of the prover window: whether it is open, and the
// command that opens it.

#include <QPointer>
#include <QWidget>

class Dchild;

// The prover's main window while it is open; cleared by itself when the
// window goes away, so it never dangles.
extern QPointer<QWidget> g_prover_app;

// True when no prover window is open.
bool prover_flag_clear();

// Shows the open prover window above the others, with the focus.
void bring_prover_to_front();

// Command 193 "Show &QPL Prover": brings an open prover to the front;
// otherwise every toolbox button is enabled for a moment (flag 1, toolbox
// refresh, flag 0), then the prover window opens.
void CmShowProver(Dchild& win);
