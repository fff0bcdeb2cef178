// The game's objects in their construction order; destroyed in reverse after main.
#include "app/Globalai.h"

KNustatymai nustatymai;
KKlaviatura klaviatura;
KPele pele;
KLaikmatis laikmatis;
KTeksturos teksturos;
KGarsai garsai;
KLangas langas;
KSriftas sriftas;
KGarsas suvioGarsas;
KMuzika muzika;
const KVektorius nulinisVektorius(0, 0, 0);
KArmija zaidejoArmija;
KArmija priesoArmija;
KZemelapis zemelapis;
KRodykle rodykle;
KPagalba pagalba;
KIntro intro;
KMeniu meniu;
KBusenosJuosta busenosJuosta;

int32_t busena = BUSENA_INTRO;
bool baigti = false;
int32_t dabartinioTankoIndeksas = 0;
KTankas* dabartinisTankas = nullptr;
KVairalazde* dabartineVairalazde = nullptr;
KZemelapis* dabartinisZemelapis = nullptr;
float pabaigosLaikas = 0;
Kalba kalba = KALBA_LT;
