// Pixel formats as WGL hands them out: ChoosePixelFormat gives the closest format the
// driver has, DescribePixelFormat tells what that format really holds. The driver is
// asked through SDL with hidden probe windows; what a probe got is read back from a
// context made on it.
#include <SDL2/SDL.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/Platforma.h"
#include "platform/SdlVidus.h"

namespace platforma {

namespace {

// Minimum sizes as GLX and EGL take them: each driver gives the largest it has at or
// above the size asked for, so only a request above what it has can fail.
struct Prasymas {
  int r = 0, g = 0, b = 0, alfa = 0, gylis = 0, trafaretas = 0, kaupimas = 0;  // kaupimas: per channel
  bool operator==(const Prasymas& k) const {
    return r == k.r && g == k.g && b == k.b && alfa == k.alfa && gylis == k.gylis &&
           trafaretas == k.trafaretas && kaupimas == k.kaupimas;
  }
};

struct Formatas {
  Prasymas prasymas;              // what SetPixelFormat asks SDL for
  PIXELFORMATDESCRIPTOR aprasas;  // what the driver gave for it
};

struct Atsakymas {
  Prasymas prasyta;
  int formatas;
};

// The formats handed out so far, index + 1 is the format number; and the answers
// already given, so a repeated request does not probe the driver again.
std::vector<Formatas> formatai;
std::vector<Atsakymas> atsakymai;

void Nustatyti(const Prasymas& p) {
  SDL_GL_ResetAttributes();
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, p.r);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, p.g);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, p.b);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, p.alfa);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, p.gylis);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, p.trafaretas);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, p.kaupimas);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, p.kaupimas);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, p.kaupimas);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_ALPHA_SIZE, p.kaupimas);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  // Display lists and immediate mode: a compatibility context, as WGL gives.
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

SDL_Window* Zvalgas(const Prasymas& p) {
  Nustatyti(p);
  return SDL_CreateWindow("", 0, 0, 16, 16, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
}

bool Yra(const Prasymas& p) {
  SDL_Window* w = Zvalgas(p);
  if (!w) return false;
  SDL_DestroyWindow(w);
  return true;
}

// Reads back what the driver gave for a request that it accepts.
bool Aprasyti(const Prasymas& p, PIXELFORMATDESCRIPTOR* f) {
  SDL_Window* w = Zvalgas(p);
  if (!w) return false;
  SDL_Window* buvesLangas = SDL_GL_GetCurrentWindow();
  SDL_GLContext buves = SDL_GL_GetCurrentContext();
  SDL_GLContext k = SDL_GL_CreateContext(w);
  if (!k) {
    SDL_DestroyWindow(w);
    return false;
  }
  GLint v[10] = {};
  const GLenum kas[10] = {GL_RED_BITS,       GL_GREEN_BITS,      GL_BLUE_BITS,       GL_ALPHA_BITS,
                          GL_DEPTH_BITS,     GL_STENCIL_BITS,    GL_ACCUM_RED_BITS,  GL_ACCUM_GREEN_BITS,
                          GL_ACCUM_BLUE_BITS, GL_ACCUM_ALPHA_BITS};
  for (int i = 0; i < 10; ++i) glGetIntegerv(kas[i], &v[i]);
  GLboolean dvigubas = GL_FALSE;
  glGetBooleanv(GL_DOUBLEBUFFER, &dvigubas);
  SDL_GL_MakeCurrent(buves ? buvesLangas : w, buves);
  SDL_GL_DeleteContext(k);
  SDL_DestroyWindow(w);

  *f = {};
  f->nSize = sizeof(PIXELFORMATDESCRIPTOR);
  f->nVersion = 1;
  f->dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | (dvigubas ? PFD_DOUBLEBUFFER : 0);
  f->iPixelType = PFD_TYPE_RGBA;
  f->iLayerType = PFD_MAIN_PLANE;
  f->cRedBits = static_cast<BYTE>(v[0]);
  f->cGreenBits = static_cast<BYTE>(v[1]);
  f->cBlueBits = static_cast<BYTE>(v[2]);
  f->cAlphaBits = static_cast<BYTE>(v[3]);
  // Colour bits without the alpha planes, as Windows counts them.
  f->cColorBits = static_cast<BYTE>(v[0] + v[1] + v[2]);
  f->cDepthBits = static_cast<BYTE>(v[4]);
  f->cStencilBits = static_cast<BYTE>(v[5]);
  f->cAccumRedBits = static_cast<BYTE>(v[6]);
  f->cAccumGreenBits = static_cast<BYTE>(v[7]);
  f->cAccumBlueBits = static_cast<BYTE>(v[8]);
  f->cAccumAlphaBits = static_cast<BYTE>(v[9]);
  f->cAccumBits = static_cast<BYTE>(v[6] + v[7] + v[8] + v[9]);
  return true;
}

Prasymas PagalAprasa(const PIXELFORMATDESCRIPTOR& pfd) {
  Prasymas p;
  int spalva = pfd.cColorBits;
  if (spalva > 16) {
    p.r = p.g = p.b = 8;
  } else if (spalva > 8) {
    p.r = 5;
    p.g = spalva == 15 ? 5 : 6;
    p.b = 5;
  } else if (spalva > 0) {
    p.r = 3;
    p.g = 3;
    p.b = 2;
  }
  p.alfa = pfd.cAlphaBits;
  p.gylis = pfd.cDepthBits;
  p.trafaretas = pfd.cStencilBits;
  p.kaupimas = (pfd.cAccumBits + 3) / 4;
  return p;
}

// The values to try for one size: the one asked for, then the usual sizes below it,
// largest first. The last is always 0, which every driver meets.
std::vector<int> Eile(int prasoma, std::initializer_list<int> iprastos) {
  std::vector<int> eile{prasoma};
  for (int v : iprastos)
    if (v < prasoma) eile.push_back(v);
  if (eile.back() != 0) eile.push_back(0);
  return eile;
}

// What giving `gauta` for `norima` loses: the share of the wish that is missing.
double Nuostolis(int norima, int gauta) {
  return norima > 0 ? static_cast<double>(norima - gauta) / norima : 0.0;
}

// The closest request the driver meets: of every mix of the sizes to try, the one
// that loses least of the wish (colour counting double), the first such when several
// lose alike. A lost stencil costs more than a depth of 24 instead of 32.
bool Artimiausias(const Prasymas& norima, Prasymas* rastas) {
  struct Kandidatas {
    Prasymas p;
    double nuostolis;
  };
  std::vector<Prasymas> spalvos{norima};
  const Prasymas iprastos[] = {{8, 8, 8}, {5, 6, 5}, {3, 3, 2}, {0, 0, 0}};
  for (const Prasymas& s : iprastos)
    if (s.r + s.g + s.b < norima.r + norima.g + norima.b) spalvos.push_back(s);
  std::vector<Kandidatas> kandidatai;
  for (const Prasymas& s : spalvos)
    for (int alfa : Eile(norima.alfa, {8, 1}))
      for (int gylis : Eile(norima.gylis, {32, 24, 16}))
        for (int trafaretas : Eile(norima.trafaretas, {8, 1}))
          for (int kaupimas : Eile(norima.kaupimas, {16, 8})) {
            Kandidatas k;
            k.p = {s.r, s.g, s.b, alfa, gylis, trafaretas, kaupimas};
            k.nuostolis = 2 * Nuostolis(norima.r + norima.g + norima.b, s.r + s.g + s.b) +
                          Nuostolis(norima.alfa, alfa) + Nuostolis(norima.gylis, gylis) +
                          Nuostolis(norima.trafaretas, trafaretas) + Nuostolis(norima.kaupimas, kaupimas);
            kandidatai.push_back(k);
          }
  std::stable_sort(kandidatai.begin(), kandidatai.end(),
                   [](const Kandidatas& a, const Kandidatas& b) { return a.nuostolis < b.nuostolis; });
  for (const Kandidatas& k : kandidatai)
    if (Yra(k.p)) {
      *rastas = k.p;
      return true;
    }
  return false;
}

int Rasti(const PIXELFORMATDESCRIPTOR& pfd) {
  Prasymas norima = PagalAprasa(pfd);
  for (const Atsakymas& a : atsakymai)
    if (a.prasyta == norima) return a.formatas;
  // Probes open and close GL windows: keep the GL library loaded between them.
  static bool bibliotekaIkelta = SDL_GL_LoadLibrary(nullptr) == 0;
  if (!bibliotekaIkelta) return 0;
  Prasymas p;
  if (!Artimiausias(norima, &p)) return 0;
  Formatas f;
  f.prasymas = p;
  if (!Aprasyti(p, &f.aprasas)) return 0;
  // Requests the driver meets alike share one format number.
  int numeris = 0;
  for (size_t i = 0; i < formatai.size() && numeris == 0; ++i)
    if (std::memcmp(&formatai[i].aprasas, &f.aprasas, sizeof f.aprasas) == 0) numeris = static_cast<int>(i) + 1;
  if (numeris == 0) {
    formatai.push_back(f);
    numeris = static_cast<int>(formatai.size());
  }
  atsakymai.push_back({norima, numeris});
  return numeris;
}

}  // namespace

const PIXELFORMATDESCRIPTOR* TaikytiFormata(int formatas) {
  if (formatas < 1 || formatas > static_cast<int>(formatai.size())) return nullptr;
  const Formatas& f = formatai[static_cast<size_t>(formatas) - 1];
  Nustatyti(f.prasymas);
  return &f.aprasas;
}

}  // namespace platforma

using namespace platforma;

int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* pfd) {
  if (!RastiKonteksta(dc) || !pfd) return 0;
  if (Sugadinta("ChoosePixelFormat")) return 0;
  // Only OpenGL-capable RGBA windows are on offer.
  if (!(pfd->dwFlags & PFD_SUPPORT_OPENGL) || pfd->iPixelType != PFD_TYPE_RGBA) return 0;
  return Rasti(*pfd);
}

int DescribePixelFormat(HDC dc, int formatas, UINT baitu, PIXELFORMATDESCRIPTOR* pfd) {
  if (!RastiKonteksta(dc)) return 0;
  if (formatai.empty()) {
    // A device always has formats to describe: the usual one is found first.
    PIXELFORMATDESCRIPTOR iprastas = {};
    iprastas.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    iprastas.cColorBits = 32;
    iprastas.cDepthBits = 24;
    if (Rasti(iprastas) == 0) return 0;
  }
  int kiek = static_cast<int>(formatai.size());
  if (!pfd) return kiek;
  if (formatas < 1 || formatas > kiek) return 0;
  std::memcpy(pfd, &formatai[static_cast<size_t>(formatas) - 1].aprasas,
              baitu < sizeof(PIXELFORMATDESCRIPTOR) ? baitu : sizeof(PIXELFORMATDESCRIPTOR));
  return kiek;
}

int GetPixelFormat(HDC dc) {
  Kontekstas* k = RastiKonteksta(dc);
  return k ? k->formatas : 0;
}
