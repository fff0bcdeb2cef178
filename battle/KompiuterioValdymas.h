#pragma once
// The computer control: every tank but the player's current one looks along the four
// grid lines through its cell, turns its turret towards an enemy it sees and fires,
// and otherwise drives straight on until blocked, then turns at random. Its two steps
// are KTankas members (KompiuterioZingsnis, Zvalgyti), defined in
// KompiuterioValdymas.cpp and run by KTankas::Atnaujinti while the tank's
// `kompiuteris` flag is set.
//
// It looks only while the tank could fire (UZTAISYMO_RIBA), tells friend from foe by
// the army number boundary (ZAIDEJO_TANKU), waits SIENOS_LAUKIMAS before it fires at a
// wall, turns its turret at BOKSTELIO_SUKIMO_GREITIS and fires within TAIKYMO_TIKSLUMAS:
// all in core/ZaidimoSkaiciai.h.
//
// The file is named for the control; KTankas::KompiuterioValdymas(), defined in
// KTankas.cpp, is the switch that hands a tank back to it.
#include "core/ZaidimoSkaiciai.h"
