#pragma once
// Every picture of the data folder, painted in full.
#include "KDrobe.h"
#include "KRaides.h"
#include "Piesiniai.h"

KDrobe ZemesTekstura();
KDrobe SienosTekstura();
KDrobe ArmijosLapas(const ArmijosSpalvos& a);
KDrobe RodyklesTekstura();
KDrobe IntroPaveikslas(KRaides& raides, KRaides& paprastos);
KDrobe PagalbosPaveikslas(KRaides& raides, KRaides& paprastos);
KDrobe MeniuPunktai(KRaides& raides);
KDrobe MeniuPaveikslai(KRaides& raides, KRaides& paprastos);
