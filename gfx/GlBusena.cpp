#include "gfx/GlBusena.h"

#include "config/KNustatymai.h"
#include "core/ZaidimoSkaiciai.h"

namespace Pletiniai {
PFNWGLGETEXTENSIONSSTRINGARB wglGetExtensionsStringARB = nullptr;
PFNWGLCHOOSEPIXELFORMATARB wglChoosePixelFormatARB = nullptr;
PFNWGLSWAPINTERVALEXT wglSwapIntervalEXT = nullptr;
PFNGLSAMPLECOVERAGE glSampleCoverage = nullptr;
PFNGLACTIVETEXTURE glActiveTexture = nullptr;
PFNGLMULTITEXCOORD2F glMultiTexCoord2f = nullptr;
}  // namespace Pletiniai

namespace {
template <typename T>
T Gauti(const char* vardas) {
  // Through void(*)(): Windows declares PROC as a function type, and GCC accepts this step.
  return reinterpret_cast<T>(reinterpret_cast<void (*)()>(wglGetProcAddress(vardas)));
}
}  // namespace

void TikrintiPletinius(HDC dc) {
  if (dc) {
    Pletiniai::wglGetExtensionsStringARB = Gauti<PFNWGLGETEXTENSIONSSTRINGARB>("wglGetExtensionsStringARB");
    if (!Pletiniai::wglGetExtensionsStringARB) throw "Nepavyko gauti funkcijos wglGetExtensionStringARB adreso";
    Pletiniai::wglGetExtensionsStringARB(dc);
  }
  Pletiniai::wglChoosePixelFormatARB = Gauti<PFNWGLCHOOSEPIXELFORMATARB>("wglChoosePixelFormatARB");
  if (!Pletiniai::wglChoosePixelFormatARB) throw "Nepavyko gauti funkcijos wglChoosePixelFormatARB adreso";
  Pletiniai::wglSwapIntervalEXT = Gauti<PFNWGLSWAPINTERVALEXT>("wglSwapIntervalEXT");
  if (!Pletiniai::wglSwapIntervalEXT) throw "Nepavyko gauti funkcijos wglSwapIntervalEXT adreso";
  Pletiniai::glSampleCoverage = Gauti<PFNGLSAMPLECOVERAGE>("glSampleCoverage");
  if (!Pletiniai::glSampleCoverage) throw "Nepavyko gauti funkcijos glSampleCoverage adreso";
  Pletiniai::glActiveTexture = Gauti<PFNGLACTIVETEXTURE>("glActiveTexture");
  if (!Pletiniai::glActiveTexture) throw "Nepavyko gauti funkcijos glActiveTexture adreso";
  Pletiniai::glMultiTexCoord2f = Gauti<PFNGLMULTITEXCOORD2F>("glMultiTexCoord2f");
  if (!Pletiniai::glMultiTexCoord2f) throw "Nepavyko gauti funkcijos glMultiTexCoord2f adreso";
}

void InicializuotiGL(const KNustatymai& nustatymai) {
  glViewport(0, 0, nustatymai.plotis, nustatymai.aukstis);
  glShadeModel(GL_SMOOTH);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
}

void VaizdoSritis(int plotis, int aukstis, bool proporcija) {
  if (plotis <= 0 || aukstis <= 0) return;
  int w = plotis, h = aukstis;
  if (proporcija) {
    if (plotis * VAIZDO_AUKSTIS > aukstis * VAIZDO_PLOTIS)
      w = aukstis * VAIZDO_PLOTIS / VAIZDO_AUKSTIS;  // wider than the scene: bars left and right
    else
      h = plotis * VAIZDO_AUKSTIS / VAIZDO_PLOTIS;  // taller: bars above and below
  }
  glViewport((plotis - w) / 2, (aukstis - h) / 2, w, h);
}

void OrtoProjekcija(int kaire, int apacia, int desine, int virsus, float artimas, float tolimas) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(static_cast<double>(kaire), static_cast<double>(desine), static_cast<double>(apacia),
          static_cast<double>(virsus), static_cast<double>(artimas), static_cast<double>(tolimas));
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}
