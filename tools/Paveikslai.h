#pragma once
// Every picture of the data folder, painted in full. Pictures with words take the
// language (core/Kalbos.h) their words are in.
#include "KDrobe.h"
#include "KRaides.h"
#include "Piesiniai.h"
#include "core/Kalbos.h"

KDrobe ZemesTekstura();
KDrobe SienosTekstura();
KDrobe ArmijosLapas(const ArmijosSpalvos& a);
KDrobe RodyklesTekstura();
KDrobe IntroPaveikslas(KRaides& raides, KRaides& paprastos);
KDrobe PagalbosPaveikslas(KRaides& raides, KRaides& paprastos);
// The help as the menu's page shows it (Enter or Esc go back) and as F1 shows it (release F1).
KDrobe PagalbosPuslapis(KRaides& raides, KRaides& paprastos, Kalba kalba);
KDrobe PagalbosPerdanga(KRaides& raides, KRaides& paprastos, Kalba kalba);
// The quiet marker round the tank the player drives: four cyan corners.
KDrobe ZymesTekstura();
// The burst of a dying tank frame by frame, then a hit's flash (core/ZaidimoSkaiciai.h).
KDrobe BlyksniuLapas();
// The status line's words, digits and armour signs (core/ZaidimoSkaiciai.h).
KDrobe JuostosLapas(KRaides& raides, Kalba kalba);
KDrobe MeniuPunktai(KRaides& raides);
KDrobe MeniuPaveikslai(KRaides& raides, KRaides& paprastos);
