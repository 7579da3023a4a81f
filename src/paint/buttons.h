#pragma once
// Push buttons drawn inside the diagram (class 7): the animation button
// starts the animation, the hide button shows or hides a list of objects.

#include "model/diagram.h"
#include "model/object_types.h"
#include "platform/device_context.h"

// Looks of a button.
inline constexpr int kButtonNormal = 1;
inline constexpr int kButtonPressed = 2;

// Drawn box in device units from the mapped corner; the hit box is smaller in height.
inline constexpr int kButtonWidth = 100;
inline constexpr int kButtonHeight = 25;
inline constexpr double kButtonHitWidth = 100.0;
inline constexpr double kButtonHitHeight = 20.0;

// Draws button i in the given look; 1 when drawn, 0 when the button is hidden.
int draw_button(Diagram& d, DeviceContext& dc, int i, int state);

// op 0: the index of the first button (in table order) whose box strictly
// holds the mouse position of the state record, hidden buttons included, or 0.
// op 1: fires button i (the animation button starts the animation when a
// driving point exists; the hide button toggles the shown flags of its
// list and invalidates the window); returns 0. Other ops return 0.
int button_hit(Diagram& d, int op, int i);
