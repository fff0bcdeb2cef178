#include "ui/KBusenosJuosta.h"

#include "app/Globalai.h"
#include "core/ZaidimoSkaiciai.h"
#include "platform/Platforma.h"
#include "ui/KPrimityvai.h"

namespace {

// The picture's pieces in view units: it is drawn at JUOSTOS_MASTELIS.
constexpr float U = 1.0f / JUOSTOS_PLOTIS, V = 1.0f / JUOSTOS_AUKSTIS;
constexpr float AUKSTIS = JUOSTOS_EILUTE * JUOSTOS_MASTELIS;  // 32 units, the whole strip
constexpr float ZODIS = JUOSTOS_ZODZIO_PLOTIS * JUOSTOS_MASTELIS;
constexpr float SKAITMUO = SKAITMENS_PLOTIS * JUOSTOS_MASTELIS;
constexpr float SKAITMENS_ZINGSNIS = 16;  // a digit is narrower than its cell: the cells overlap
constexpr float ZENKLAS = ZENKLO_PLOTIS * JUOSTOS_MASTELIS;
constexpr float Y = KBusenosJuosta::APACIA;

// Where each part starts across the view: a word, the army's tank, its count; the
// armour's word and its signs.
constexpr float ZAIDEJO_X = 25, PRIESO_X = 270, SARVU_X = 530;

// A cell of the picture's lower (v0 0) or upper row, across the strip from x.
void Langelis(float x, float plotis, float u0, float u1, float v0) {
  KPrimityvai::Keturkampis(x, Y, x + plotis, Y + AUKSTIS, u0, v0, u1, v0 + JUOSTOS_EILUTE * V);
}

void Zodis(float x, int zodis) {
  Langelis(x, ZODIS, zodis * JUOSTOS_ZODZIO_PLOTIS * U, (zodis + 1) * JUOSTOS_ZODZIO_PLOTIS * U, JUOSTOS_EILUTE * V);
}

// A count of 0 to 99 from x, without a leading zero.
void Skaicius(float x, int n) {
  if (n < 0) n = 0;
  if (n > 99) n = 99;
  const int skaitmenys[2] = {n / 10, n % 10};
  for (int i = n < 10 ? 1 : 0; i < 2; ++i, x += SKAITMENS_ZINGSNIS)
    Langelis(x, SKAITMUO, skaitmenys[i] * SKAITMENS_PLOTIS * U, (skaitmenys[i] + 1) * SKAITMENS_PLOTIS * U, 0);
}

// An army's tank as the field shows it (core/ZaidimoSkaiciai.h), facing up, in the strip.
void Tankas(float cx, uint32_t tekstura) {
  const float k0 = static_cast<float>(KORPUSO_S0), k1 = static_cast<float>(KORPUSO_S1);
  const float b0 = static_cast<float>(BOKSTELIO_S0), b1 = static_cast<float>(BOKSTELIO_S1);
  glBindTexture(GL_TEXTURE_2D, tekstura);
  glPushMatrix();
  glTranslatef(cx, Y + AUKSTIS / 2, 0);
  KPrimityvai::Keturkampis(-KORPUSO_PUSE, -KORPUSO_PUSE, KORPUSO_PUSE, KORPUSO_PUSE, k0, 0, k1, 1);
  glTranslatef(0, BOKSTELIO_ASIS, 0);
  KPrimityvai::Keturkampis(-BOKSTELIO_PUSPLOTIS, -BOKSTELIO_PUSILGIS, BOKSTELIO_PUSPLOTIS, BOKSTELIO_PUSILGIS, b0, 0,
                           b1, 1);
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
    const float tankoX = x[i] + ZODIS + 18;
    if (armijos[i]->kiekis > 0) Tankas(tankoX, armijos[i]->tankai[0].tekstura);
    glBindTexture(GL_TEXTURE_2D, tekstura);
    Zodis(x[i], i == 0 ? ZODIS_TAVO : ZODIS_PRIESO);
    Skaicius(tankoX + 17, Gyvi(*armijos[i]));
  }
  Zodis(SARVU_X, ZODIS_SARVAI);
  const int liko = dabartinisTankas && dabartinisTankas->gyvas ? dabartinisTankas->gyvybes : 0;
  for (int i = 0; i < TANKO_GYVYBES; ++i) {
    const int z = i < liko ? ZENKLAS_LIKES : ZENKLAS_PRARASTAS;
    Langelis(SARVU_X + ZODIS + 4 + i * ZENKLAS, ZENKLAS, (ZENKLO_X + z * ZENKLO_PLOTIS) * U,
             (ZENKLO_X + (z + 1) * ZENKLO_PLOTIS) * U, 0);
  }
}
