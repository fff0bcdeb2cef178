#pragma once
// Scripted play for the in-process benchmarks: the game's own start-up and frame,
// driven by key events delivered through the window system's queue, so every frame
// takes the same path as when a player sits at the keyboard.

// Headless video and silent audio unless the caller chose otherwise, then the
// game's start-up from the working folder (settings.cfg, duomenys/). False when the
// game could not start or the folder has no data.
bool ParuostiZaidima();

// Key events by their window-system names ("Space", "Left", "Return", "A").
void Spausti(const char* klavisas);
void Atleisti(const char* klavisas);

// From wherever the game is to the menu, and from the menu into a fresh battle;
// each runs whole frames until the state is reached. False if it was not reached.
bool PereitiIMeniu();
bool PradetiMusiIsMeniu();

// The input a player gives before frame number `kadras` of a phase: in the menu,
// a step down every half second; in a battle, the turret turning and the gun
// firing all the time, the tank driving round in a square, and a switch to the
// next tank every few seconds.
void MeniuIvestis(int kadras);
void MusioIvestis(int kadras);
// Lets go of every key the battle input holds.
void AtleistiMusioKlavisus();
