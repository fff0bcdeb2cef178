#include "gfx/KSriftas.h"

bool KSriftas::Sukurti(HDC dc) {
  // 223 glyphs: the Baltic code page from the space to 254.
  baze = glGenLists(223);
  if (baze == 0) return false;
  HFONT sriftas = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, BALTIC_CHARSET, OUT_TT_PRECIS,
                              CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Tunga");
  if (!sriftas) return false;
  HGDIOBJ buves = SelectObject(dc, sriftas);
  if (!buves || buves == HGDI_ERROR) return false;
  if (!wglUseFontBitmapsA(dc, 32, 223, baze)) return false;
  SelectObject(dc, buves);
  if (!DeleteObject(sriftas)) return false;
  sukurtas = true;
  return true;
}
