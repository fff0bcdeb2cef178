#pragma once
// The words of the message boxes, and of the line on the terminal that stands in for a
// box where nothing can show one, in each language. The code names a text by its
// Lithuanian words, the game's own, and the box shows the player's language's.
// ASCII only, as the Lithuanian ones are: Windows reads a box's text in the system's
// ANSI code page, which differs from one country to the next.
#include "core/Kalbos.h"

struct Tekstas {
  const char* kalbomis[KALBU_KIEKIS];
};

inline constexpr Tekstas TEKSTAI[] = {
    {{"KLAIDA", "ERROR", "FEHLER"}},
    // The window and its GL context.
    {{"Klaida registruojant 'wc'", "Could not register the window class ('wc')",
      "Die Fensterklasse ('wc') konnte nicht registriert werden"}},
    {{"Parinkti vaizdo nustatymai nesuderinami su Jusu sistema",
      "Your system does not support the chosen display settings",
      "Ihr System unterstuetzt die gewaehlten Anzeigeeinstellungen nicht"}},
    {{"Klaida kuriant langa: CreateWindow", "Could not create the window: CreateWindow",
      "Das Fenster konnte nicht erstellt werden: CreateWindow"}},
    {{"Klaida nustatant 'GL Device Context'", "Could not get the 'GL Device Context'",
      "Der 'GL Device Context' ist nicht verfuegbar"}},
    {{"Klaida pasirenkant PixelFormat", "Could not choose a PixelFormat",
      "Es wurde kein passendes PixelFormat gefunden"}},
    {{"Klaida nustatant PixelFormat", "Could not set the PixelFormat", "Das PixelFormat konnte nicht gesetzt werden"}},
    {{"Klaida kuriant 'GL Rendering Context'", "Could not create the 'GL Rendering Context'",
      "Der 'GL Rendering Context' konnte nicht erstellt werden"}},
    {{"Klaida aktyvuojant 'GL Rendering Context'", "Could not activate the 'GL Rendering Context'",
      "Der 'GL Rendering Context' konnte nicht aktiviert werden"}},
    // The GL extensions the game needs.
    {{"Nepavyko gauti funkcijos wglGetExtensionStringARB adreso",
      "The graphics driver lacks the function wglGetExtensionStringARB",
      "Dem Grafiktreiber fehlt die Funktion wglGetExtensionStringARB"}},
    {{"Nepavyko gauti funkcijos wglChoosePixelFormatARB adreso",
      "The graphics driver lacks the function wglChoosePixelFormatARB",
      "Dem Grafiktreiber fehlt die Funktion wglChoosePixelFormatARB"}},
    {{"Nepavyko gauti funkcijos wglSwapIntervalEXT adreso", "The graphics driver lacks the function wglSwapIntervalEXT",
      "Dem Grafiktreiber fehlt die Funktion wglSwapIntervalEXT"}},
    {{"Nepavyko gauti funkcijos glSampleCoverage adreso", "The graphics driver lacks the function glSampleCoverage",
      "Dem Grafiktreiber fehlt die Funktion glSampleCoverage"}},
    {{"Nepavyko gauti funkcijos glActiveTexture adreso", "The graphics driver lacks the function glActiveTexture",
      "Dem Grafiktreiber fehlt die Funktion glActiveTexture"}},
    {{"Nepavyko gauti funkcijos glMultiTexCoord2f adreso", "The graphics driver lacks the function glMultiTexCoord2f",
      "Dem Grafiktreiber fehlt die Funktion glMultiTexCoord2f"}},
};

// The words of a Lithuanian text in language k; a text the table lacks, as it is.
const char* Isversti(const char* lietuviskai, Kalba k);
