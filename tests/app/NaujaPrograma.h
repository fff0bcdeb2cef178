// A fresh program's scalars before each whole-program test, for runs of several such
// tests in one process: no display, message boxes recorded, numbering from 1, the intro.
#pragma once

#include "app/Globalai.h"
#include "platform/PlatformosTestai.h"

inline void NaujaPrograma() {
  TestaiBeEkrano();
  TestaiIrasytiPranesimus(true);
  KTankas::NuliuotiNumeracija();
  busena = BUSENA_INTRO;
  baigti = false;
  langasUzdaromas = false;
  klaviatura = KKlaviatura();
}
