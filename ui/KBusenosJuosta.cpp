#include "ui/KBusenosJuosta.h"

#include "app/Globalai.h"
#include "platform/Platforma.h"
#include "ui/JuostosLapas.h"
#include "ui/KPrimityvai.h"

namespace {

namespace j = juostos_lapas;
constexpr float U = 1.0f / j::PLOTIS, V = 1.0f / j::AUKSTIS;
constexpr float AUKSTIS = j::EILUTE * j::MASTELIS;           // 32 units, the whole strip
constexpr float ZODZIO_PLOTIS = j::ZODZIO_PLOTIS * j::MASTELIS;
constexpr float SKAITMENS_PLOTIS = j::SKAITMENS_PLOTIS * j::MASTELIS;
constexpr float SKAITMENS_ZINGSNIS = 16;  // a digit is narrower than its cell: the cells overlap
constexpr float ZENKLO_PLOTIS = j::ZENKLO_PLOTIS * j::MASTELIS;
constexpr float Y = KBusenosJuosta::APACIA;

// Where each part starts across the view: a word, the army's tank, its count; the
// armour's word and its signs.
constexpr float ZAIDEJO_X = 25, PRIESO_X = 270, SARVU_X = 530;

void Langelis(float x, float plotis, float u0, float u1, float v0) {
  KPrimityvai::Keturkampis(x, Y, x + plotis, Y + AUKSTIS, u0, v0, u1, v0 + j::EILUTE * V);
}

void Zodis(float x, int zodis) {
  Langelis(x, ZODZIO_PLOTIS, zodis * j::ZODZIO_PLOTIS * U, (zodis + 1) * j::ZODZIO_PLOTIS * U, j::EILUTE * V);
}

// A count of 0 to 99 from x, without a leading zero.
void Skaicius(float x, int n) {
  if (n < 0) n = 0;
  if (n > 99) n = 99;
  const int skaitmenys[2] = {n / 10, n % 10};
  for (int i = n < 10 ? 1 : 0; i < 2; ++i, x += SKAITMENS_ZINGSNIS)
    Langelis(x, SKAITMENS_PLOTIS, skaitmenys[i] * j::SKAITMENS_PLOTIS * U,
             (skaitmenys[i] + 1) * j::SKAITMENS_PLOTIS * U, 0);
}

// An army's tank as the field shows it, facing up, in the strip.
void Tankas(float cx, uint32_t tekstura) {
  glBindTexture(GL_TEXTURE_2D, tekstura);
  glPushMatrix();
  glTranslatef(cx, Y + AUKSTIS / 2, 0);
  KPrimityvai::Keturkampis(-12, -12, 12, 12, 0, 0, 0.44f, 1);
  glTranslatef(0, 7, 0);
  KPrimityvai::Keturkampis(-7, -14, 7, 14, 0.45f, 0, 0.7f, 1);
  glPopMatrix();
}

int Gyvi(const KArmija& a) {
  int n = 0;
  for (int i = 0; i < a.kiekis && i < KArmija::TALPA; ++i) n += a.tankai[i].gyvas;
  return n;
}

}  // namespace

void KBusenosJuosta::Sukurti() { tekstura = teksturos.Gauti("juosta.tga"); }

void KBusenosJuosta::Piesti() const {
  if (!tekstura) return;
  // Counted as drawn: the armies' own counts are a frame behind the hit test.
  const KArmija* armijos[2] = {&zaidejoArmija, &priesoArmija};
  const float x[2] = {ZAIDEJO_X, PRIESO_X};
  for (int i = 0; i < 2; ++i) {
    const float tankoX = x[i] + ZODZIO_PLOTIS + 18;
    if (armijos[i]->kiekis > 0) Tankas(tankoX, armijos[i]->tankai[0].tekstura);
    glBindTexture(GL_TEXTURE_2D, tekstura);
    Zodis(x[i], i == 0 ? j::ZODIS_TAVO : j::ZODIS_PRIESO);
    Skaicius(tankoX + 17, Gyvi(*armijos[i]));
  }
  Zodis(SARVU_X, j::ZODIS_SARVAI);
  const int liko = dabartinisTankas && dabartinisTankas->gyvas ? dabartinisTankas->gyvybes : 0;
  for (int i = 0; i < KTankas::GYVYBES; ++i) {
    const int z = i < liko ? j::ZENKLAS_LIKES : j::ZENKLAS_PRARASTAS;
    Langelis(SARVU_X + ZODZIO_PLOTIS + 4 + i * ZENKLO_PLOTIS, ZENKLO_PLOTIS, (j::ZENKLO_X + z * j::ZENKLO_PLOTIS) * U,
             (j::ZENKLO_X + (z + 1) * j::ZENKLO_PLOTIS) * U, 0);
  }
}
