#include "gfx/KTeksturos.h"

#include <cstring>

#include "config/KFUzkrovimas.h"
#include "core/FailoVardas.h"
#include "core/Zurnalas.h"
#include "gfx/KBmp.h"
#include "gfx/KTga.h"

namespace {

constexpr int VARDO_RIBA = 31;  // a file-name entry holds 31 characters and the NUL

// One procedure for both formats: only the loader differs.
template <class Ikelejas>
GLuint Uzkrauti(KTeksturos& t, const char* kelias) {
  if (!kelias) return 0;
  const char* failas = FailoVardas(kelias);
  if (t.Yra(failas)) return t.Gauti(failas);

  // Refused rather than truncated: a cut name would be found under the wrong key.
  if (std::strlen(failas) > VARDO_RIBA) {
    ZurnalasF("Per ilgas teksturos failo vardas '%s', maksimalus ilgis yra %d", failas, VARDO_RIBA);
    return 0;
  }
  if (t.kiekis >= KTeksturos::TALPA) {
    ZurnalasF("Per daug teksturu, '%s' neuzkrauta, maksimalus skaicius yra %d", failas, KTeksturos::TALPA);
    return 0;
  }

  Ikelejas vaizdas;
  try {
    vaizdas.Uzkrauti(kelias);
  } catch (const char* klaida) {
    ZurnalasF("Klaida uzkraunant tekstura %s: %s", kelias, klaida);
    vaizdas.Atlaisvinti();
    return 0;
  }

  GLuint& vardas = t.vardai[t.kiekis];
  glGenTextures(1, &vardas);
  glBindTexture(GL_TEXTURE_2D, vardas);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);

  // Rows are read with the alignment they are stored with, so GL and GLU never step
  // past the buffer; the game's default of 4 is restored for everyone else.
  glPixelStorei(GL_UNPACK_ALIGNMENT, vaizdas.lygiavimas);
  glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(vaizdas.vidinisFormatas), vaizdas.plotis, vaizdas.aukstis, 0,
               vaizdas.formatas, vaizdas.tipas, vaizdas.pikseliai);
  if (t.mipmap &&
      gluBuild2DMipmaps(GL_TEXTURE_2D, static_cast<GLint>(vaizdas.vidinisFormatas), vaizdas.plotis, vaizdas.aukstis,
                        vaizdas.formatas, vaizdas.tipas, vaizdas.pikseliai) != 0)
    ZurnalasF("Klaida generuojant MipMap'us teksturai '%s'", failas);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glBindTexture(GL_TEXTURE_2D, 0);
  vaizdas.Atlaisvinti();

  if (!glIsTexture(vardas)) {
    ZurnalasF("Nesugeneruota tekstura '%s'", failas);
    return 0;
  }
  std::memcpy(t.failai[t.kiekis], failas, std::strlen(failas) + 1);
  ++t.kiekis;
  ZurnalasF("Teksturos: %s %i", failas, static_cast<int>(vardas));
  return t.Gauti(failas);
}

}  // namespace

void KTeksturos::UzkrautiAplanka(const char* aplankas) {
  KFUzkrovimas paieska;
  paieska.Ieskoti(aplankas, "tga");
  while (const char* kelias = paieska.GautiPavadinima()) UzkrautiTga(kelias);
  paieska.Isvalyti();
  paieska.Ieskoti(aplankas, "bmp");
  while (const char* kelias = paieska.GautiPavadinima()) UzkrautiBmp(kelias);
  paieska.Isvalyti();
}

GLuint KTeksturos::UzkrautiTga(const char* kelias) { return Uzkrauti<KTga>(*this, kelias); }

GLuint KTeksturos::UzkrautiBmp(const char* kelias) { return Uzkrauti<KBmp>(*this, kelias); }

bool KTeksturos::Yra(const char* failas) const {
  if (!failas) return false;
  for (int i = 0; i < kiekis; ++i)
    if (std::strcmp(failai[i], failas) == 0) return true;
  return false;
}

GLuint KTeksturos::Gauti(const char* failas) const {
  if (!failas) failas = "";
  for (int i = 0; i < kiekis; ++i)
    if (std::strcmp(failai[i], failas) == 0) return vardai[i];
  ZurnalasF("Nerasta tekstura \"%s\"", failas);
  return 0;
}
