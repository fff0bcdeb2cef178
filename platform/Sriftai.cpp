// Fonts for the GL glyph lists: CreateFontA matches a face through fontconfig (a face
// that is not installed gets fontconfig's substitute, as Windows' font mapper gives
// one), and wglUseFontBitmapsA renders code page 1257 characters with FreeType into
// one glBitmap display list each.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <SDL2/SDL.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Platforma.h"
#include "platform/SdlVidus.h"

namespace platforma {

namespace {

struct Sriftas {
  FT_Face veidas = nullptr;
  int aukstis = 0;  // the CreateFontA height: negative = character height, positive = cell
  std::string seima;
  int svoris = FW_NORMAL;
  bool kursyvas = false;
  bool baltiskas = false;
  bool atsargos = false;  // the DC's initial font, never deleted
};

FT_Library biblioteka = nullptr;
std::vector<Sriftas*> sriftai;
Sriftas atsarginis;  // what a fresh DC has selected, like Windows' SYSTEM_FONT

// Code page 1257 (Baltic) bytes 0x80..0xFF in Unicode; 0 where the page has no character.
const uint16_t kCp1257[128] = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0000, 0x2030, 0x0000, 0x2039, 0x0000, 0x00A8, 0x02C7, 0x00B8,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0000, 0x203A, 0x0000, 0x00AF, 0x02DB, 0x0000,
    0x00A0, 0x0000, 0x00A2, 0x00A3, 0x00A4, 0x0000, 0x00A6, 0x00A7,
    0x00D8, 0x00A9, 0x0156, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00C6,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00F8, 0x00B9, 0x0157, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00E6,
    0x0104, 0x012E, 0x0100, 0x0106, 0x00C4, 0x00C5, 0x0118, 0x0112,
    0x010C, 0x00C9, 0x0179, 0x0116, 0x0122, 0x0136, 0x012A, 0x013B,
    0x0160, 0x0143, 0x0145, 0x00D3, 0x014C, 0x00D5, 0x00D6, 0x00D7,
    0x0172, 0x0141, 0x015A, 0x016A, 0x00DC, 0x017B, 0x017D, 0x00DF,
    0x0105, 0x012F, 0x0101, 0x0107, 0x00E4, 0x00E5, 0x0119, 0x0113,
    0x010D, 0x00E9, 0x017A, 0x0117, 0x0123, 0x0137, 0x012B, 0x013C,
    0x0161, 0x0144, 0x0146, 0x00F3, 0x014D, 0x00F5, 0x00F6, 0x00F7,
    0x0173, 0x0142, 0x015B, 0x016B, 0x00FC, 0x017C, 0x017E, 0x02D9,
};

uint32_t Unikodas(unsigned baitas) {
  if (baitas < 0x80) return baitas;
  return kCp1257[baitas - 0x80];
}

Sriftas* Rasti(HGDIOBJ objektas) {
  if (objektas == reinterpret_cast<HGDIOBJ>(&atsarginis)) return &atsarginis;
  for (Sriftas* s : sriftai)
    if (reinterpret_cast<HGDIOBJ>(s) == objektas) return s;
  return nullptr;
}

bool Biblioteka() {
  if (biblioteka) return true;
  if (!FcInit()) return false;
  return FT_Init_FreeType(&biblioteka) == 0;
}

// Opens the face fontconfig picks for the request and sizes it.
bool Atidaryti(Sriftas* s) {
  if (s->veidas) return true;
  if (!Biblioteka()) return false;
  FcPattern* noras = FcPatternCreate();
  if (!noras) return false;
  if (!s->seima.empty())
    FcPatternAddString(noras, FC_FAMILY, reinterpret_cast<const FcChar8*>(s->seima.c_str()));
  FcPatternAddInteger(noras, FC_WEIGHT, FcWeightFromOpenType(s->svoris > 0 ? s->svoris : FW_NORMAL));
  FcPatternAddInteger(noras, FC_SLANT, s->kursyvas ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  if (s->baltiskas) FcPatternAddString(noras, FC_LANG, reinterpret_cast<const FcChar8*>("lt"));
  FcPatternAddBool(noras, FC_SCALABLE, FcTrue);
  FcPatternAddDouble(noras, FC_PIXEL_SIZE, std::abs(s->aukstis));
  FcConfigSubstitute(nullptr, noras, FcMatchPattern);
  FcDefaultSubstitute(noras);
  FcResult rezultatas = FcResultNoMatch;
  FcPattern* rastas = FcFontMatch(nullptr, noras, &rezultatas);
  FcPatternDestroy(noras);
  if (!rastas) return false;
  FcChar8* kelias = nullptr;
  int indeksas = 0;
  bool pavyko = false;
  if (FcPatternGetString(rastas, FC_FILE, 0, &kelias) == FcResultMatch) {
    FcPatternGetInteger(rastas, FC_INDEX, 0, &indeksas);
    pavyko = FT_New_Face(biblioteka, reinterpret_cast<const char*>(kelias), indeksas, &s->veidas) == 0;
  }
  FcPatternDestroy(rastas);
  if (!pavyko) {
    s->veidas = nullptr;
    return false;
  }
  int pikseliai = 0;
  if (s->aukstis < 0) {
    pikseliai = -s->aukstis;  // character height: the em square
  } else if (s->aukstis > 0 && FT_IS_SCALABLE(s->veidas)) {
    // Cell height: ascent plus descent covers the given height.
    int langelis = s->veidas->ascender - s->veidas->descender;
    pikseliai = langelis > 0 ? s->aukstis * s->veidas->units_per_EM / langelis : s->aukstis;
  } else {
    pikseliai = s->aukstis > 0 ? s->aukstis : 16;
  }
  if (FT_Set_Pixel_Sizes(s->veidas, 0, static_cast<FT_UInt>(std::max(1, pikseliai))) != 0) {
    FT_Done_Face(s->veidas);
    s->veidas = nullptr;
    return false;
  }
  return true;
}

bool Pasirinktas(Sriftas* s) { return SriftasPasirinktas(reinterpret_cast<HGDIOBJ>(s)); }

}  // namespace

void PradinisSriftas(Kontekstas* k) {
  if (atsarginis.seima.empty()) {
    atsarginis.seima = "sans-serif";
    atsarginis.aukstis = -16;
    atsarginis.atsargos = true;
  }
  k->sriftas = reinterpret_cast<HGDIOBJ>(&atsarginis);
}

}  // namespace platforma

using namespace platforma;

HFONT CreateFontA(int aukstis, int, int, int, int svoris, DWORD kursyvas, DWORD, DWORD, DWORD simboliai, DWORD,
                  DWORD, DWORD, DWORD, LPCSTR veidas) {
  if (Sugadinta("CreateFontA")) return nullptr;
  Sriftas* s = new Sriftas;
  s->aukstis = aukstis == 0 ? -12 : aukstis;
  s->seima = veidas ? veidas : "";
  s->svoris = svoris;
  s->kursyvas = kursyvas != 0;
  s->baltiskas = simboliai == BALTIC_CHARSET;
  // GDI matches lazily, but a font that cannot be matched at all is of no use.
  if (!Atidaryti(s)) {
    delete s;
    return nullptr;
  }
  sriftai.push_back(s);
  return reinterpret_cast<HFONT>(s);
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ objektas) {
  Kontekstas* k = RastiKonteksta(dc);
  if (!k || !Rasti(objektas)) return nullptr;
  if (Sugadinta("SelectObject")) return nullptr;
  HGDIOBJ buves = k->sriftas;
  k->sriftas = objektas;
  return buves;
}

BOOL DeleteObject(HGDIOBJ objektas) {
  Sriftas* s = Rasti(objektas);
  if (!s) return FALSE;
  if (Sugadinta("DeleteObject")) return FALSE;
  if (s->atsargos) return TRUE;  // stock objects are never deleted
  if (Pasirinktas(s)) return FALSE;
  if (s->veidas) FT_Done_Face(s->veidas);
  sriftai.erase(std::find(sriftai.begin(), sriftai.end(), s));
  delete s;
  return TRUE;
}

BOOL wglUseFontBitmapsA(HDC dc, DWORD pirmas, DWORD kiekis, DWORD baze) {
  Kontekstas* k = RastiKonteksta(dc);
  if (!k || !SDL_GL_GetCurrentContext()) return FALSE;
  if (Sugadinta("wglUseFontBitmapsA")) return FALSE;
  if (pirmas > 255 || kiekis > 256 - pirmas) return FALSE;  // single-byte codes only
  Sriftas* s = Rasti(k->sriftas);
  if (!s || !Atidaryti(s)) return FALSE;

  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
  glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);

  bool visi = true;
  std::vector<GLubyte> eilutes;
  // Mesa rejects a null bitmap pointer inside a display list, even for an empty glyph.
  static const GLubyte tuscias[1] = {0};
  for (DWORD i = 0; i < kiekis; ++i) {
    uint32_t u = Unikodas(pirmas + i);
    FT_UInt glifas = u ? FT_Get_Char_Index(s->veidas, u) : 0;  // 0: the face's missing-glyph box
    GLsizei plotis = 0, aukstis = 0;
    GLfloat x0 = 0, y0 = 0, zingsnis = 0;
    if (FT_Load_Glyph(s->veidas, glifas, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0 &&
        s->veidas->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
      const FT_GlyphSlot g = s->veidas->glyph;
      const FT_Bitmap& b = g->bitmap;
      plotis = static_cast<GLsizei>(b.width);
      aukstis = static_cast<GLsizei>(b.rows);
      x0 = static_cast<GLfloat>(-g->bitmap_left);
      y0 = static_cast<GLfloat>(static_cast<int>(b.rows) - g->bitmap_top);
      zingsnis = static_cast<GLfloat>((g->advance.x + 32) >> 6);
      size_t eilute = (b.width + 7) / 8;
      eilutes.assign(eilute * b.rows + 1, 0);
      // glBitmap wants the bottom row first; FreeType gives the top row first.
      for (unsigned r = 0; r < b.rows; ++r) {
        const unsigned char* is = b.buffer + static_cast<ptrdiff_t>(r) * b.pitch;
        if (b.pitch < 0) is = b.buffer + static_cast<ptrdiff_t>(b.rows - 1 - r) * (-b.pitch);
        std::copy(is, is + eilute, eilutes.begin() + static_cast<ptrdiff_t>((b.rows - 1 - r) * eilute));
      }
    } else {
      visi = false;
      eilutes.assign(1, 0);
    }
    glNewList(baze + i, GL_COMPILE);
    glBitmap(plotis, aukstis, x0, y0, zingsnis, 0.0f, aukstis > 0 ? eilutes.data() : tuscias);
    glEndList();
  }
  glPopClientAttrib();
  return visi ? TRUE : FALSE;
}
