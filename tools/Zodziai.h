#pragma once
// The words of the pictures, one column per language of core/Kalbos.h. The help's key
// lines, and the keys at the foot of the intro and of the help, come from app/Valdymas.h. Each text must fit its box in every language and
// use only letters DejaVu Sans has: the generator fails otherwise.
#include "core/Tekstai.h"
#include "core/ZaidimoSkaiciai.h"

namespace zodziai {
// The intro, under the title (the game's name, the same in every language).
inline constexpr Tekstas INTRO_PAANTRASTE = {{"Tankų mūšis", "Tank Battle", "Panzerschlacht"}};

// The menu's items, top to bottom.
inline constexpr Tekstas MENIU[3] = {
    {{"Naujas mūšis", "New battle", "Neues Spiel"}},
    {{"Pagalba", "Help", "Hilfe"}},
    {{"Išeiti", "Quit", "Beenden"}},
};

// The help.
inline constexpr Tekstas PAGALBA = {{"Pagalba", "Help", "Hilfe"}};
inline constexpr Tekstas VAIRALAZDE = {{"Vairalazdė", "Joystick", "Joystick"}};
// The last line of the help as the menu's page shows it and as F1 shows it.
inline constexpr Tekstas PAGALBOS_PUSLAPIS = {
    {"Enter arba Esc – atgal į meniu", "Enter or Escape – back to the menu", "Enter oder Esc – zurück zum Menü"}};
inline constexpr Tekstas PAGALBOS_PERDANGA = {
    {"Atleisk F1, kad uždarytum", "Release F1 to close", "F1 loslassen zum Schließen"}};

// The status line's words, in the order of JuostosZodis (core/ZaidimoSkaiciai.h).
inline constexpr Tekstas JUOSTA[JUOSTOS_ZODZIU] = {
    {{"Tavo tankai", "Your tanks", "Deine Panzer"}},
    {{"Priešo tankai", "Enemy tanks", "Feindpanzer"}},
    {{"Šarvai", "Armour", "Panzerung"}},
};

// The menu's three outcome pictures: before any battle, victory, defeat.
inline constexpr Tekstas PASIRUOSK[2] = {
    {{"Pasiruošk", "Get ready", "Bereit zum"}},
    {{"mūšiui!", "for battle!", "Kampf!"}},
};
inline constexpr Tekstas JEGOS = {{"5 tankai prieš 10", "5 tanks against 10", "5 Panzer gegen 10"}};
inline constexpr Tekstas PERGALE = {{"PERGALĖ!", "VICTORY!", "SIEG!"}};
inline constexpr Tekstas PERGALE_EILUTE = {
    {"Priešo tankai sunaikinti", "The enemy's tanks are destroyed", "Feindliche Panzer zerstört"}};
inline constexpr Tekstas PERGALE_KLAUSIMAS = {{"Dar kartą?", "Once more?", "Noch einmal?"}};
inline constexpr Tekstas PRALAIMEJIMAS = {{"PRALAIMĖJIMAS", "DEFEAT", "NIEDERLAGE"}};
inline constexpr Tekstas PRALAIMEJIMAS_EILUTE = {
    {"Visi tavo tankai žuvo", "All your tanks are lost", "Deine Panzer sind zerstört"}};
inline constexpr Tekstas PRALAIMEJIMAS_KVIETIMAS = {{"Bandyk dar kartą", "Try again", "Versuch es noch einmal"}};
}  // namespace zodziai
