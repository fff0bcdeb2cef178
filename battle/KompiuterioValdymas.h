#pragma once
// The computer control: every tank but the player's current one looks along the four
// grid lines through its cell, turns its turret towards an enemy it sees and fires,
// and otherwise drives straight on until blocked, then turns at random. Its two steps
// are KTankas members (KompiuterioZingsnis, Zvalgyti), defined in
// KompiuterioValdymas.cpp and run by KTankas::Atnaujinti while the tank's
// `kompiuteris` flag is set.
//
// It looks only while the tank could fire (KTankas::UZTAISYMO_RIBA), tells friend from
// foe by the army number boundary (KArmija::ZAIDEJO_RIBA), and follows these rules of
// its own:

constexpr float SIENOS_LAUKIMAS = 40.0f;        // seconds without a shot before it fires at a wall
constexpr float BOKSTELIO_SUKIMO_GREITIS = 50.0f;  // its turret turns this many degrees a second
constexpr float TAIKYMO_TIKSLUMAS = 1.0f;       // fires once the turret is this close, in degrees
