// Device contexts, pixel formats, rendering contexts, buffer swaps and the
// extension lookup on SDL's OpenGL support.
#include <SDL2/SDL.h>

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/Platforma.h"
#include "platform/SdlVidus.h"

namespace platforma {

namespace {

struct GlKontekstas {
  SDL_GLContext sdl = nullptr;
  Langas* langas = nullptr;  // null once its window is gone
};

std::vector<GlKontekstas*> kontekstai;

GlKontekstas* RastiGl(HGLRC rc) {
  for (GlKontekstas* k : kontekstai)
    if (reinterpret_cast<HGLRC>(k) == rc) return k;
  return nullptr;
}

// Swap pacing for drivers that ignore the swap interval (software GL, Xvfb, the
// offscreen driver): without it the loop would draw thousands of frames a second.
struct Tempas {
  bool ribojama = false;
  std::chrono::steady_clock::duration periodas{};
  std::chrono::steady_clock::time_point kitas{};
} tempas;

bool ProgramineGrafika() {
  const char* piesejas = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  if (!piesejas) return true;
  const char* programiniai[] = {"llvmpipe", "softpipe", "swrast", "Software", "SWR"};
  for (const char* p : programiniai)
    if (std::strstr(piesejas, p)) return true;
  return false;
}

bool TvarkykleBeSinchronizacijos() {
  const char* tvarkykle = SDL_GetCurrentVideoDriver();
  return tvarkykle && (std::strcmp(tvarkykle, "offscreen") == 0 || std::strcmp(tvarkykle, "dummy") == 0);
}

int AtnaujinimoDaznis() {
  SDL_Window* langas = SDL_GL_GetCurrentWindow();
  int ekranas = langas ? SDL_GetWindowDisplayIndex(langas) : 0;
  SDL_DisplayMode m;
  if (SDL_GetCurrentDisplayMode(ekranas < 0 ? 0 : ekranas, &m) == 0 && m.refresh_rate > 0) return m.refresh_rate;
  return 60;
}

const char* APIENTRY GautiWglPletinius(HDC) {
  return "WGL_ARB_extensions_string WGL_ARB_pixel_format WGL_EXT_swap_control";
}

// The attribute list's sizes are minimums here, as WGL_ARB_pixel_format has them: the
// closest format is the answer when it meets them all, otherwise there is none.
BOOL APIENTRY PasirinktiFormataArb(HDC dc, const int* pozymiai, const FLOAT*, UINT kiekMax, int* formatai,
                                   UINT* kiek) {
  if (!RastiKonteksta(dc) || !kiek) return FALSE;
  PIXELFORMATDESCRIPTOR pfd = {};
  pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  BYTE* dydis[0x30] = {};
  dydis[0x14] = &pfd.cColorBits;    // WGL_COLOR_BITS_ARB
  dydis[0x1B] = &pfd.cAlphaBits;    // WGL_ALPHA_BITS_ARB
  dydis[0x1D] = &pfd.cAccumBits;    // WGL_ACCUM_BITS_ARB
  dydis[0x22] = &pfd.cDepthBits;    // WGL_DEPTH_BITS_ARB
  dydis[0x23] = &pfd.cStencilBits;  // WGL_STENCIL_BITS_ARB
  for (const int* a = pozymiai; a && a[0] != 0; a += 2) {
    int vieta = a[0] - 0x2000;
    if (vieta >= 0 && vieta < 0x30 && dydis[vieta]) *dydis[vieta] = static_cast<BYTE>(a[1]);
  }
  *kiek = 0;
  int formatas = ChoosePixelFormat(dc, &pfd);
  PIXELFORMATDESCRIPTOR gautas = {};
  if (formatas == 0 || !DescribePixelFormat(dc, formatas, sizeof gautas, &gautas)) return TRUE;
  // 24 colour bits in 32-bit pixels are what Windows calls 32.
  if (gautas.cColorBits < std::min<int>(pfd.cColorBits, 24) || gautas.cAlphaBits < pfd.cAlphaBits || gautas.cAccumBits < pfd.cAccumBits ||
      gautas.cDepthBits < pfd.cDepthBits || gautas.cStencilBits < pfd.cStencilBits)
    return TRUE;
  if (kiekMax >= 1 && formatai) formatai[0] = formatas;
  *kiek = 1;
  return TRUE;
}

BOOL APIENTRY NustatytiIntervala(int intervalas) {
  if (intervalas < 0 || !SDL_GL_GetCurrentContext()) return FALSE;
  bool pavyko = SDL_GL_SetSwapInterval(intervalas) == 0 && SDL_GL_GetSwapInterval() == intervalas;
  bool gerbiamas = pavyko && !ProgramineGrafika() && !TvarkykleBeSinchronizacijos();
  tempas.ribojama = intervalas > 0 && !gerbiamas;
  if (tempas.ribojama) {
    tempas.periodas = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(static_cast<double>(intervalas) / AtnaujinimoDaznis()));
    tempas.kitas = std::chrono::steady_clock::now();
  }
  return TRUE;
}

void Palaukti() {
  if (!tempas.ribojama) return;
  auto dabar = std::chrono::steady_clock::now();
  if (tempas.kitas > dabar) {
    std::this_thread::sleep_until(tempas.kitas);
    tempas.kitas += tempas.periodas;
  } else if (dabar - tempas.kitas > tempas.periodas) {
    // Fell far behind (a stall): start afresh rather than rush to catch up.
    tempas.kitas = dabar + tempas.periodas;
  } else {
    tempas.kitas += tempas.periodas;
  }
}

// GL entry points reached through the lookup, with the version that made each core
// and the extensions that offer it otherwise. Present only when the context has one.
struct Funkcija {
  const char* vardas;
  int versija;  // major * 10 + minor; 0 = extension only
  const char* pletinys1;
  const char* pletinys2;
};
const Funkcija kFunkcijos[] = {
    {"glDrawRangeElements", 12, "GL_EXT_draw_range_elements", nullptr},
    {"glTexImage3D", 12, "GL_EXT_texture3D", nullptr},
    {"glTexSubImage3D", 12, "GL_EXT_texture3D", nullptr},
    {"glCopyTexSubImage3D", 12, "GL_EXT_copy_texture", nullptr},
    {"glActiveTexture", 13, "GL_ARB_multitexture", nullptr},
    {"glClientActiveTexture", 13, "GL_ARB_multitexture", nullptr},
    {"glMultiTexCoord1f", 13, "GL_ARB_multitexture", nullptr},
    {"glMultiTexCoord2f", 13, "GL_ARB_multitexture", nullptr},
    {"glMultiTexCoord2fv", 13, "GL_ARB_multitexture", nullptr},
    {"glMultiTexCoord3f", 13, "GL_ARB_multitexture", nullptr},
    {"glMultiTexCoord4f", 13, "GL_ARB_multitexture", nullptr},
    {"glActiveTextureARB", 0, "GL_ARB_multitexture", nullptr},
    {"glClientActiveTextureARB", 0, "GL_ARB_multitexture", nullptr},
    {"glMultiTexCoord2fARB", 0, "GL_ARB_multitexture", nullptr},
    {"glSampleCoverage", 13, "GL_ARB_multisample", nullptr},
    {"glSampleCoverageARB", 0, "GL_ARB_multisample", nullptr},
    {"glCompressedTexImage2D", 13, "GL_ARB_texture_compression", nullptr},
    {"glLoadTransposeMatrixf", 13, "GL_ARB_transpose_matrix", nullptr},
    {"glBlendFuncSeparate", 14, "GL_EXT_blend_func_separate", nullptr},
    {"glBlendColor", 14, "GL_EXT_blend_color", "GL_ARB_imaging"},
    {"glBlendEquation", 14, "GL_EXT_blend_minmax", "GL_ARB_imaging"},
    {"glPointParameterf", 14, "GL_ARB_point_parameters", nullptr},
    {"glWindowPos2i", 14, "GL_ARB_window_pos", nullptr},
    {"glGenBuffers", 15, "GL_ARB_vertex_buffer_object", nullptr},
    {"glBindBuffer", 15, "GL_ARB_vertex_buffer_object", nullptr},
    {"glBufferData", 15, "GL_ARB_vertex_buffer_object", nullptr},
    {"glDeleteBuffers", 15, "GL_ARB_vertex_buffer_object", nullptr},
    {"glGenQueries", 15, "GL_ARB_occlusion_query", nullptr},
    {"glCreateShader", 20, "GL_ARB_shader_objects", nullptr},
    {"glShaderSource", 20, "GL_ARB_shader_objects", nullptr},
    {"glCompileShader", 20, "GL_ARB_shader_objects", nullptr},
    {"glCreateProgram", 20, "GL_ARB_shader_objects", nullptr},
    {"glLinkProgram", 20, "GL_ARB_shader_objects", nullptr},
    {"glUseProgram", 20, "GL_ARB_shader_objects", nullptr},
    {"glGenerateMipmap", 30, "GL_ARB_framebuffer_object", "GL_EXT_framebuffer_object"},
    {"glGenFramebuffers", 30, "GL_ARB_framebuffer_object", nullptr},
    {"glBindFramebuffer", 30, "GL_ARB_framebuffer_object", nullptr},
};

int KontekstoVersija() {
  const char* v = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  int didysis = 0, mazasis = 0;
  if (!v || std::sscanf(v, "%d.%d", &didysis, &mazasis) != 2) return 0;
  return didysis * 10 + std::min(mazasis, 9);
}

}  // namespace

void LangasNaikinamas(Langas* langas) {
  for (GlKontekstas* k : kontekstai)
    if (k->langas == langas) {
      if (SDL_GL_GetCurrentContext() == k->sdl) SDL_GL_MakeCurrent(langas->sdl, nullptr);
      k->langas = nullptr;
    }
}

void IsvalytiKontekstus() {
  SDL_GL_MakeCurrent(SDL_GL_GetCurrentWindow(), nullptr);
  for (GlKontekstas* k : kontekstai) {
    SDL_GL_DeleteContext(k->sdl);
    delete k;
  }
  kontekstai.clear();
  tempas.ribojama = false;
}

int GlKontekstuKiekis() { return static_cast<int>(kontekstai.size()); }
bool KadraiRibojami() { return tempas.ribojama; }

}  // namespace platforma

using namespace platforma;

HDC GetDC(HWND hwnd) {
  Langas* l = RastiLanga(hwnd);
  if (!l) return nullptr;
  if (Sugadinta("GetDC")) return nullptr;
  return reinterpret_cast<HDC>(&l->dc);
}

int ReleaseDC(HWND hwnd, HDC dc) {
  if (Sugadinta("ReleaseDC")) return 0;
  Kontekstas* k = RastiKonteksta(dc);
  // The class's own DC stays with its window; releasing it only checks the pair.
  return (k && reinterpret_cast<HWND>(k->langas) == hwnd) ? 1 : 0;
}

BOOL SetPixelFormat(HDC dc, int formatas, const PIXELFORMATDESCRIPTOR*) {
  // The descriptor is only a record for metafiles: the format number decides.
  Kontekstas* k = RastiKonteksta(dc);
  if (!k) return FALSE;
  if (Sugadinta("SetPixelFormat")) return FALSE;
  if (k->formatas != 0) return FALSE;  // a window's format is set once
  const PIXELFORMATDESCRIPTOR* aprasas = TaikytiFormata(formatas);
  if (!aprasas) return FALSE;
  if (!PerkurtiSuGl(k->langas)) return FALSE;
  k->formatas = formatas;
  k->pfd = *aprasas;
  return TRUE;
}

BOOL SwapBuffers(HDC dc) {
  Kontekstas* k = RastiKonteksta(dc);
  if (!k || k->formatas == 0 || !k->langas->sdl) return FALSE;
  if (Sugadinta("SwapBuffers")) return FALSE;
  // The offscreen driver's surface is a single-buffered pbuffer whose swap does
  // nothing: without a flush the frames' commands pile up in the driver.
  glFlush();
  SDL_GL_SwapWindow(k->langas->sdl);
  Palaukti();
  return TRUE;
}

HGLRC wglCreateContext(HDC dc) {
  Kontekstas* k = RastiKonteksta(dc);
  if (!k || k->formatas == 0) return nullptr;
  if (Sugadinta("wglCreateContext")) return nullptr;
  SDL_Window* buvesLangas = SDL_GL_GetCurrentWindow();
  SDL_GLContext buves = SDL_GL_GetCurrentContext();
  SDL_GLContext naujas = SDL_GL_CreateContext(k->langas->sdl);
  if (!naujas) return nullptr;
  // SDL makes the new context current; WGL leaves the current one alone.
  if (buves)
    SDL_GL_MakeCurrent(buvesLangas, buves);
  else
    SDL_GL_MakeCurrent(k->langas->sdl, nullptr);
  GlKontekstas* g = new GlKontekstas;
  g->sdl = naujas;
  g->langas = k->langas;
  kontekstai.push_back(g);
  return reinterpret_cast<HGLRC>(g);
}

BOOL wglMakeCurrent(HDC dc, HGLRC rc) {
  if (Sugadinta("wglMakeCurrent")) return FALSE;
  if (!rc) {
    if (SDL_WasInit(SDL_INIT_VIDEO) && SDL_GL_GetCurrentContext())
      SDL_GL_MakeCurrent(SDL_GL_GetCurrentWindow(), nullptr);
    return TRUE;
  }
  Kontekstas* k = RastiKonteksta(dc);
  GlKontekstas* g = RastiGl(rc);
  if (!k || !g || g->langas != k->langas || k->formatas == 0) return FALSE;
  return SDL_GL_MakeCurrent(k->langas->sdl, g->sdl) == 0 ? TRUE : FALSE;
}

BOOL wglDeleteContext(HGLRC rc) {
  GlKontekstas* g = RastiGl(rc);
  if (!g) return FALSE;
  if (Sugadinta("wglDeleteContext")) return FALSE;
  if (SDL_GL_GetCurrentContext() == g->sdl) SDL_GL_MakeCurrent(SDL_GL_GetCurrentWindow(), nullptr);
  SDL_GL_DeleteContext(g->sdl);
  kontekstai.erase(std::find(kontekstai.begin(), kontekstai.end(), g));
  delete g;
  return TRUE;
}

PROC wglGetProcAddress(LPCSTR vardas) {
  if (!vardas || !SDL_WasInit(SDL_INIT_VIDEO) || !SDL_GL_GetCurrentContext()) return nullptr;
  if (Sugadinta(vardas)) return nullptr;
  // The WGL extensions are the layer's own.
  if (std::strcmp(vardas, "wglGetExtensionsStringARB") == 0)
    return reinterpret_cast<PROC>(&GautiWglPletinius);
  if (std::strcmp(vardas, "wglChoosePixelFormatARB") == 0) return reinterpret_cast<PROC>(&PasirinktiFormataArb);
  if (std::strcmp(vardas, "wglSwapIntervalEXT") == 0) return reinterpret_cast<PROC>(&NustatytiIntervala);
  // SDL's lookup answers for any name; presence is decided by the context's version
  // and extension list, so an absent function is reported absent as on Windows.
  for (const Funkcija& f : kFunkcijos) {
    if (std::strcmp(f.vardas, vardas) != 0) continue;
    bool yra = (f.versija != 0 && KontekstoVersija() >= f.versija) ||
               (f.pletinys1 && SDL_GL_ExtensionSupported(f.pletinys1)) ||
               (f.pletinys2 && SDL_GL_ExtensionSupported(f.pletinys2));
    return yra ? reinterpret_cast<PROC>(SDL_GL_GetProcAddress(vardas)) : nullptr;
  }
  return nullptr;
}
