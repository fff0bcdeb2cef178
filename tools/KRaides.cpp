#include "KRaides.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <cstring>

std::u32string Utf8(const char* s) {
  std::u32string r;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(s);
  while (*p) {
    unsigned c = *p;
    int tesinys = 0;
    char32_t k = 0;
    if (c < 0x80) {
      k = c;
    } else if ((c & 0xE0) == 0xC0) {
      k = c & 0x1F;
      tesinys = 1;
    } else if ((c & 0xF0) == 0xE0) {
      k = c & 0x0F;
      tesinys = 2;
    } else if ((c & 0xF8) == 0xF0) {
      k = c & 0x07;
      tesinys = 3;
    } else {
      r.push_back(0xFFFD);
      ++p;
      continue;
    }
    ++p;
    bool gerai = true;
    for (int i = 0; i < tesinys; ++i) {
      if ((*p & 0xC0) != 0x80) {
        gerai = false;
        break;
      }
      k = (k << 6) | (*p & 0x3F);
      ++p;
    }
    r.push_back(gerai ? k : 0xFFFD);
  }
  return r;
}

KRaides::~KRaides() {
  if (veidas) FT_Done_Face(veidas);
  if (biblioteka) FT_Done_FreeType(biblioteka);
}

bool KRaides::Atidaryti(const char* pavadinimas, const char* seima) {
  if (!FcInit()) {
    std::fprintf(stderr, "fontconfig neveikia\n");
    return false;
  }
  FcPattern* sablonas = FcNameParse(reinterpret_cast<const FcChar8*>(pavadinimas));
  FcConfigSubstitute(nullptr, sablonas, FcMatchPattern);
  FcDefaultSubstitute(sablonas);
  FcResult rez = FcResultNoMatch;
  FcPattern* rastas = FcFontMatch(nullptr, sablonas, &rez);
  FcPatternDestroy(sablonas);
  FcChar8* kelias = nullptr;
  FcChar8* rastaSeima = nullptr;
  int indeksas = 0;
  bool gerai = rastas && FcPatternGetString(rastas, FC_FILE, 0, &kelias) == FcResultMatch &&
               FcPatternGetString(rastas, FC_FAMILY, 0, &rastaSeima) == FcResultMatch &&
               std::strcmp(reinterpret_cast<const char*>(rastaSeima), seima) == 0;
  if (gerai) {
    FcPatternGetInteger(rastas, FC_INDEX, 0, &indeksas);
    failas = reinterpret_cast<const char*>(kelias);
  }
  if (rastas) FcPatternDestroy(rastas);
  if (!gerai) {
    std::fprintf(stderr, "Nerastas sriftas '%s' (Debian: fonts-dejavu-core)\n", pavadinimas);
    return false;
  }
  if (FT_Init_FreeType(&biblioteka) != 0 || FT_New_Face(biblioteka, failas.c_str(), indeksas, &veidas) != 0) {
    std::fprintf(stderr, "FreeType neatidare '%s'\n", failas.c_str());
    return false;
  }
  return true;
}

void KRaides::Dydis(const KSritis& sr, double dydis) {
  // Separate horizontal and vertical sizes: a picture stretched unevenly on screen
  // gets letters that look right once stretched.
  const FT_F26Dot6 w = static_cast<FT_F26Dot6>(std::lround(dydis * sr.SkaleX() * 64));
  const FT_F26Dot6 h = static_cast<FT_F26Dot6>(std::lround(dydis * sr.SkaleY() * 64));
  FT_Set_Char_Size(veidas, w, h, 72, 72);
}

double KRaides::Plotis(const KSritis& sr, const char* tekstas, double dydis) {
  if (!veidas) return 0;
  Dydis(sr, dydis);
  double p = 0;
  FT_UInt ankstesnis = 0;
  for (char32_t k : Utf8(tekstas)) {
    const FT_UInt g = FT_Get_Char_Index(veidas, k);
    if (ankstesnis && g && FT_HAS_KERNING(veidas)) {
      FT_Vector kern;
      FT_Get_Kerning(veidas, ankstesnis, g, FT_KERNING_DEFAULT, &kern);
      p += kern.x / 64.0;
    }
    if (FT_Load_Glyph(veidas, g, FT_LOAD_DEFAULT | FT_LOAD_NO_HINTING) != 0) continue;
    p += veidas->glyph->advance.x / 64.0;
    ankstesnis = g;
  }
  return p / sr.SkaleX();
}

void KRaides::Rasyti(KDrobe& d, const KSritis& sr, const char* tekstas, double x, double y, double dydis,
                     const Spalva& virsus, const Spalva& apacia, double lygiuoti) {
  if (!veidas) return;
  const double plot = Plotis(sr, tekstas, dydis);
  Dydis(sr, dydis);
  // Pen position in pixels (y up).
  double px = sr.x0 + (x - plot * lygiuoti) * sr.SkaleX();
  const double py = sr.y0 + y * sr.SkaleY();
  const double aukscioPx = dydis * sr.SkaleY() * 0.75;
  FT_UInt ankstesnis = 0;
  for (char32_t k : Utf8(tekstas)) {
    const FT_UInt g = FT_Get_Char_Index(veidas, k);
    if (ankstesnis && g && FT_HAS_KERNING(veidas)) {
      FT_Vector kern;
      FT_Get_Kerning(veidas, ankstesnis, g, FT_KERNING_DEFAULT, &kern);
      px += kern.x / 64.0;
    }
    ankstesnis = g;
    // The fractional pen position goes into the outline, so spacing stays even.
    const double sveika = std::floor(px);
    FT_Vector poslinkis{static_cast<FT_Pos>(std::lround((px - sveika) * 64)), 0};
    FT_Set_Transform(veidas, nullptr, &poslinkis);
    if (FT_Load_Glyph(veidas, g, FT_LOAD_DEFAULT | FT_LOAD_NO_HINTING) != 0 ||
        FT_Render_Glyph(veidas->glyph, FT_RENDER_MODE_NORMAL) != 0) {
      FT_Set_Transform(veidas, nullptr, nullptr);
      continue;
    }
    FT_Set_Transform(veidas, nullptr, nullptr);
    const FT_GlyphSlot gl = veidas->glyph;
    const FT_Bitmap& bm = gl->bitmap;
    const int kaire = static_cast<int>(sveika) + gl->bitmap_left;
    const int virsusY = static_cast<int>(std::floor(py)) + gl->bitmap_top;  // pixel row above the top
    for (unsigned r = 0; r < bm.rows; ++r) {
      const int ty = virsusY - 1 - static_cast<int>(r);
      const float dalis = static_cast<float>((ty + 0.5 - py) / aukscioPx);
      const Spalva s = Maisyti(apacia, virsus, dalis < 0 ? 0 : (dalis > 1 ? 1 : dalis));
      for (unsigned c = 0; c < bm.width; ++c) {
        const unsigned char v = bm.buffer[r * bm.pitch + c];
        if (v) d.Dengti(kaire + static_cast<int>(c), ty, s, v / 255.0f);
      }
    }
    px += gl->advance.x / 64.0;
  }
}

void KRaides::RasytiSuKonturu(KDrobe& d, const KSritis& sr, const char* tekstas, double x, double y, double dydis,
                              const Spalva& virsus, const Spalva& apacia, const Spalva& kontura, double storis,
                              double lygiuoti, double riba) {
  if (!tekstas || !veidas) {
    std::fprintf(stderr, "Nera teksto arba srifto (%s)\n", failas.c_str());
    ++klaidos;
    return;
  }
  // FreeType gives glyph 0 for a character the font does not have.
  for (char32_t k : Utf8(tekstas))
    if (FT_Get_Char_Index(veidas, k) == 0) {
      std::fprintf(stderr, "Srifte %s nera simbolio U+%04X: '%s'\n", failas.c_str(), static_cast<unsigned>(k), tekstas);
      ++klaidos;
    }
  const double plotis = Plotis(sr, tekstas, dydis) + 2 * storis;
  if (plotis > riba) {
    std::fprintf(stderr, "'%s' netelpa: %.1f vienetu placio, o vietos %.1f\n", tekstas, plotis, riba);
    ++klaidos;
  }
  Spalva seselis = kontura;
  seselis.a *= 0.55f;
  Rasyti(d, sr, tekstas, x + storis * 1.2, y - storis * 1.8, dydis, seselis, seselis, lygiuoti);
  for (int i = 0; i < 16; ++i) {
    const double a = i * 3.14159265358979 / 8;
    Spalva k = kontura;
    k.a *= 0.45f;
    Rasyti(d, sr, tekstas, x + std::cos(a) * storis, y + std::sin(a) * storis, dydis, k, k, lygiuoti);
  }
  Rasyti(d, sr, tekstas, x, y, dydis, virsus, apacia, lygiuoti);
}
