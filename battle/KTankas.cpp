#include "battle/KTankas.h"

#include <cmath>
#include <cstdlib>

#include "app/Globalai.h"
#include "battle/KArmija.h"
#include "core/Zurnalas.h"
#include "platform/Platforma.h"
#include "ui/KPrimityvai.h"

namespace {

constexpr double PI = 3.141592653589793;

KZemelapis& Zemelapis() { return *dabartinisZemelapis; }

}  // namespace

int32_t KTankas::numeracija = 0;

void KTankas::NuliuotiNumeracija() { numeracija = 0; }

void KTankas::Sukurti(int32_t c, int32_t r, uint32_t t) {
  numeris = ++numeracija;
  stulpelis = tikslinisStulpelis = c;
  eilute = tikslineEilute = r;
  pozicija.x = (c + 0.5f) * LANGELIS;
  pozicija.y = (r + 0.5f) * LANGELIS;
  tikslas = pozicija;
  tekstura = t;
  if (r > 7) {
    kryptis = 2;  // the upper half starts turned towards row 0
    bokstelioKampas = 180;
  } else {
    kryptis = 0;
    bokstelioKampas = 0;
  }
  // Otherwise the update would copy a direction left from the previous battle over
  // the start facing, and the first computer step would go that way.
  judejimoKryptis = kryptis;
  Zemelapis().Irasyti(c, r, numeris);
  uztaisymas = (std::rand() % 300) * 0.1f;
  gyvybes = 3;
  gyvas = true;
  sovinysSkrenda = false;
  juda = false;
  kompiuteris = true;
  const ALuint suvioPavyzdys = garsai.Rasti("suvis.wav");
  const ALuint sprogimoPavyzdys = garsai.Rasti("sprogimas.wav");
  ZurnalasF("%i  %i", static_cast<int>(suvioPavyzdys), static_cast<int>(sprogimoPavyzdys));
  // From the second battle on, both sources exist already and stay in use.
  suvis.Sukurti(suvioPavyzdys, garsoPozicija, false);
  sprogimas.Sukurti(sprogimoPavyzdys, garsoPozicija, false);
}

namespace {

// One step of a standing, living tank into the neighbouring cell (dc, dr).
bool Zengti(KTankas& t, int32_t dc, int32_t dr, int32_t kryptis) {
  if (t.juda || !t.gyvas) return false;
  if (!Zemelapis().Laisvas(t.stulpelis + dc, t.eilute + dr)) return false;
  t.tikslinisStulpelis = t.stulpelis + dc;
  t.tikslineEilute = t.eilute + dr;
  t.tikslas.x = t.pozicija.x + dc * LANGELIS;
  t.tikslas.y = t.pozicija.y + dr * LANGELIS;
  t.judejimoKryptis = kryptis;
  t.juda = true;
  // Both cells stay held until the tank arrives.
  Zemelapis().Irasyti(t.tikslinisStulpelis, t.tikslineEilute, t.numeris);
  return true;
}

}  // namespace

bool KTankas::Aukstyn() { return Zengti(*this, 0, 1, 0); }
bool KTankas::Kairen() { return Zengti(*this, -1, 0, 1); }
bool KTankas::Zemyn() { return Zengti(*this, 0, -1, 2); }
bool KTankas::Desinen() { return Zengti(*this, 1, 0, 3); }

bool KTankas::Eiti() {
  switch (judejimoKryptis) {
    case 0: return Aukstyn();
    case 1: return Kairen();
    case 2: return Zemyn();
    case 3: return Desinen();
    default: return false;
  }
}

void KTankas::SuktiBokstela(float kampas) { bokstelioKampas += kampas; }

void KTankas::Sauti() {
  if (!gyvas || sovinysSkrenda || uztaisymas <= UZTAISYMO_RIBA) return;
  sovinysSkrenda = true;
  priesasMatomas = false;
  uztaisymas = 0;
  sovinioKampas = bokstelioKampas;
  const double a = sovinioKampas * PI / 180;
  const double dt = laikmatis.KadroLaikas;
  sovinys.x = static_cast<float>(pozicija.x - std::sin(a) * dt * TANKO_GREITIS);
  sovinys.y = static_cast<float>(pozicija.y + std::cos(a) * dt * TANKO_GREITIS);
  suvis.Groti();
}

void KTankas::Atnaujinti() {
  if (!gyvas) return;
  if (kompiuteris) KompiuterioZingsnis();
  const float dt = laikmatis.KadroLaikas;
  uztaisymas += dt;
  kryptis = judejimoKryptis;

  if (sovinysSkrenda) {
    sovinys.x += static_cast<float>(std::sin(sovinioKampas * PI / -180) * sovinioGreitis * dt);
    sovinys.y += static_cast<float>(std::cos(sovinioKampas * PI / 180) * sovinioGreitis * dt);
    // The shell flies on past the grid's edge up to the view's size.
    if (sovinys.x < 0 || sovinys.x > VAIZDO_PLOTIS || sovinys.y < 0 || sovinys.y > VAIZDO_AUKSTIS) sovinysSkrenda = false;
  }

  if (juda) {
    KVektorius d = tikslas - pozicija;
    d.ApribotiIlgi(dt * TANKO_GREITIS);  // never past the cell centre
    pozicija += d;
    if ((tikslas - pozicija).Ilgis() < 0.1f) {
      // Onto the centre: the next step's target is taken from here, and a margin left
      // behind at each arrival would add up step after step.
      pozicija = tikslas;
      juda = false;
      Zemelapis().Irasyti(stulpelis, eilute, 0);
      stulpelis = tikslinisStulpelis;
      eilute = tikslineEilute;
    }
  }

  suvis.Atnaujinti();
  sprogimas.Atnaujinti();
}

void KTankas::Pazeisti() {
  gyvybes -= 1;
  if (gyvybes <= 0) Zuti();
}

void KTankas::Zuti() {
  ZurnalasF("Zuvo: %i", static_cast<int>(numeris));
  Zemelapis().Irasyti(stulpelis, eilute, 0);
  Zemelapis().Irasyti(tikslinisStulpelis, tikslineEilute, 0);
  gyvas = false;
  sovinysSkrenda = false;
  sprogimas.Groti();
}

void KTankas::ZaidejoValdymas() {
  kompiuteris = false;
  priesasMatomas = false;
}

void KTankas::KompiuterioValdymas() { kompiuteris = true; }

void KTankas::Piesti() const {
  if (!gyvas) return;
  glBindTexture(GL_TEXTURE_2D, tekstura);
  glPushMatrix();
  glTranslatef(pozicija.x, pozicija.y, 0);

  // The sheet's hull, turret and shell (core/ZaidimoSkaiciai.h).
  glPushMatrix();
  glRotatef(kryptis * 90.0f, 0, 0, 1);
  KPrimityvai::Keturkampis(-KORPUSO_PUSE, -KORPUSO_PUSE, KORPUSO_PUSE, KORPUSO_PUSE, KORPUSO_S0, 0, KORPUSO_S1, 1);
  glPopMatrix();

  glPushMatrix();
  glRotatef(bokstelioKampas, 0, 0, 1);
  glTranslatef(0, BOKSTELIO_ASIS, 0);
  KPrimityvai::Keturkampis(-BOKSTELIO_PUSPLOTIS, -BOKSTELIO_PUSILGIS, BOKSTELIO_PUSPLOTIS, BOKSTELIO_PUSILGIS,
                           BOKSTELIO_S0, 0, BOKSTELIO_S1, 1);
  glPopMatrix();

  glPopMatrix();

  if (sovinysSkrenda) {
    glPushMatrix();
    glTranslatef(sovinys.x, sovinys.y, 0);
    glRotatef(sovinioKampas, 0, 0, 1);
    KPrimityvai::Keturkampis(-SOVINIO_PUSPLOTIS, -SOVINIO_PUSILGIS, SOVINIO_PUSPLOTIS, SOVINIO_PUSILGIS, SOVINIO_S0, 0,
                             SOVINIO_S1, 1);
    glPopMatrix();
  }
}

void TikrintiPataikymus(KArmija& armija) {
  const int32_t kiekis = armija.kiekis < 0 ? 0 : (armija.kiekis > KArmija::TALPA ? KArmija::TALPA : armija.kiekis);
  for (int32_t i = 0; i < kiekis; ++i) {
    KTankas& t = armija.tankai[i];
    if (!t.sovinysSkrenda) continue;
    const int32_t v = Zemelapis().Pataikyti(t.sovinys);
    if (v == t.numeris || v == 0) continue;
    if (v < 0) {
      t.sovinysSkrenda = false;  // spent on the wall it broke
      continue;
    }
    // Army membership is carried by the number: 1..5 the player's, above that the enemy's.
    KArmija& kieno = v <= ZAIDEJO_TANKU ? zaidejoArmija : priesoArmija;
    const int32_t indeksas = v <= ZAIDEJO_TANKU ? v - 1 : v - 1 - zaidejoArmija.kiekis;
    // A number that names no tank of that army (a stray cell value) hits nothing.
    if (indeksas < 0 || indeksas >= kieno.kiekis || indeksas >= KArmija::TALPA) continue;
    KTankas& taikinys = kieno.tankai[indeksas];
    if (taikinys.numeris != v || !taikinys.gyvas) continue;
    if (Atstumas(t.sovinys, taikinys.pozicija) < PATAIKYMO_SPINDULYS) {
      taikinys.Pazeisti();
      t.sovinysSkrenda = false;
    }
  }
}
