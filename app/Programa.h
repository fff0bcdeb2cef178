#pragma once

// Start-up, one pass of the main loop, and shutdown, in the game's fixed order.
// Returns false when the game cannot run (no window or GL context, missing GL
// extensions): the reason has been shown in a message box.
bool Paleisti();
// One pass of the main loop: the timer's tick, then the frame for the time it measured.
void Kadras();
// The frame itself, for a frame time the caller gives: the keyboard's edges, the message
// pump, the joysticks, the music, the state's update and drawing, the swap, the close
// check. The main loop runs it through Kadras(); tests and benchmarks run it with the
// frame time they choose, so every frame anywhere takes the same steps.
void Kadras(float kadroLaikas);
void Uzdaryti();
// The whole program: start-up, the loop until the quit flag, shutdown; the exit status.
int Zaisti();
