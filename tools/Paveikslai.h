#pragma once
// Every picture of the data folder, painted in full; those with words in language k.
#include "KDrobe.h"
#include "core/Kalbos.h"
#include "KRaides.h"
#include "Piesiniai.h"

KDrobe ZemesTekstura();
KDrobe SienosTekstura();
KDrobe ArmijosLapas(const ArmijosSpalvos& a);
KDrobe RodyklesTekstura();
KDrobe IntroPaveikslas(KRaides& raides, KRaides& paprastos, Kalba k);
KDrobe PagalbosPaveikslas(KRaides& raides, KRaides& paprastos, Kalba k);
// The help as the menu's page shows it (Enter or Esc go back) and as F1 shows it (release F1).
KDrobe PagalbosPuslapis(KRaides& raides, KRaides& paprastos, Kalba k);
KDrobe PagalbosPerdanga(KRaides& raides, KRaides& paprastos, Kalba k);
// The quiet marker round the tank the player drives: four cyan corners.
KDrobe ZymesTekstura();
// The burst of a dying tank frame by frame, then a hit's flash (core/ZaidimoSkaiciai.h).
KDrobe BlyksniuLapas();
// The status line's words, digits and armour signs (core/ZaidimoSkaiciai.h).
KDrobe JuostosLapas(KRaides& raides, Kalba k);
KDrobe MeniuPunktai(KRaides& raides, Kalba k);
KDrobe MeniuPaveikslai(KRaides& raides, KRaides& paprastos, Kalba k);
