#pragma once
// Every long-lived object of the game, defined in Globalai.cpp in this order, so
// they are constructed in it and destroyed in reverse.
#include <cstdint>

#include "app/KLaikmatis.h"
#include "audio/KGarsai.h"
#include "audio/KGarsas.h"
#include "audio/KMuzika.h"
#include "battle/KArmija.h"
#include "battle/KRodykle.h"
#include "battle/KVektorius.h"
#include "battle/KZemelapis.h"
#include "config/KNustatymai.h"
#include "core/Kalbos.h"
#include "gfx/KLangas.h"
#include "gfx/KSriftas.h"
#include "gfx/KTeksturos.h"
#include "input/KKlaviatura.h"
#include "input/KPele.h"
#include "input/KVairalazde.h"
#include "ui/KBusenosJuosta.h"
#include "ui/KIntro.h"
#include "ui/KMeniu.h"
#include "ui/KPagalba.h"

extern KNustatymai nustatymai;
extern KKlaviatura klaviatura;
extern KPele pele;
extern KLaikmatis laikmatis;
extern KTeksturos teksturos;
extern KGarsai garsai;
extern KLangas langas;
extern KSriftas sriftas;
extern KGarsas suvioGarsas;
extern KMuzika muzika;
extern const KVektorius nulinisVektorius;
extern KArmija zaidejoArmija;
extern KArmija priesoArmija;
extern KZemelapis zemelapis;
extern KRodykle rodykle;
extern KPagalba pagalba;
extern KIntro intro;
extern KMeniu meniu;
extern KBusenosJuosta busenosJuosta;

// Game states.
enum : int32_t { BUSENA_INTRO = 0, BUSENA_MENIU = 1, BUSENA_PAGALBA = 2, BUSENA_MUSIS = 3, BUSENA_ISEITI = 4 };

extern int32_t busena;
extern bool baigti;                    // the quit flag
extern int32_t dabartinioTankoIndeksas;
extern KTankas* dabartinisTankas;
extern KVairalazde* dabartineVairalazde;
extern KZemelapis* dabartinisZemelapis;
// Seconds the field has been held since the battle's end (only with "pataikymai").
extern float pabaigosLaikas;
// The language of every word the player reads, from the settings' `kalba` at start-up.
extern Kalba kalba;
