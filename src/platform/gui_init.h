#pragma once

// Fonts and text metrics need a GUI application object. The program makes its
// own in main(); test programs and tools that paint without one get a
// headless one on first use.
void ensure_gui_application();
