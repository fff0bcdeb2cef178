#include "gfx/KSriftas.h"

namespace {
// A failed build gives back what it took, so a retry starts clean.
bool Atsisakyti(GLuint& baze, HFONT sriftas) {
  if (sriftas) DeleteObject(sriftas);
  glDeleteLists(baze, 223);
  baze = 0;
  return false;
}
}  // namespace

bool KSriftas::Sukurti(HDC dc) {
  // 223 glyphs: the Baltic code page from the space to 254.
  baze = glGenLists(223);
  if (baze == 0) return false;
  HFONT sriftas = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, BALTIC_CHARSET, OUT_TT_PRECIS,
                              CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Tunga");
  if (!sriftas) return Atsisakyti(baze, nullptr);
  HGDIOBJ buves = SelectObject(dc, sriftas);
  if (!buves || buves == HGDI_ERROR) return Atsisakyti(baze, sriftas);
  if (!wglUseFontBitmapsA(dc, 32, 223, baze)) {
    SelectObject(dc, buves);
    return Atsisakyti(baze, sriftas);
  }
  SelectObject(dc, buves);
  if (!DeleteObject(sriftas)) {
    // The glyph lists are built; only the font object could not go.
    glDeleteLists(baze, 223);
    baze = 0;
    return false;
  }
  sukurtas = true;
  return true;
}
