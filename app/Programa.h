#pragma once

// Start-up, one pass of the main loop, and shutdown, in the game's fixed order.
// Returns false when the game cannot run (no window or GL context, missing GL
// extensions): the reason has been shown in a message box.
bool Paleisti();
void Kadras();
void Uzdaryti();
// The whole program: start-up, the loop until the quit flag, shutdown; the exit status.
int Zaisti();
