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
KDrobe MeniuPunktai(KRaides& raides, Kalba k);
KDrobe MeniuPaveikslai(KRaides& raides, KRaides& paprastos, Kalba k);
