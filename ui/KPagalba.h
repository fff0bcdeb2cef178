#pragma once
#include <cstdint>

// The help picture, drawn over everything, fading in or out over a third of a second.
// With "tiksli_pagalba" set, the picture suits where it shows: the menu's help page
// (Enter or Esc go back) or the help held on F1 (release F1).
class KPagalba {
 public:
  uint32_t tekstura = 0;
  uint32_t puslapioTekstura = 0;
  uint32_t perdangosTekstura = 0;
  bool rodoma = false;
  bool puslapiui = false;  // the page's picture: chosen while shown, kept while it fades out
  float alfa = 0;

  void Sukurti();
  void Rodyti(bool rodyti);
  void Piesti();
};
