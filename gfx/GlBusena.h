#pragma once
#include "platform/Platforma.h"

class KNustatymai;

// Extension entry points, null until the probe has found them.
typedef const char*(APIENTRY* PFNWGLGETEXTENSIONSSTRINGARB)(HDC);
typedef BOOL(APIENTRY* PFNWGLCHOOSEPIXELFORMATARB)(HDC, const int*, const FLOAT*, UINT, int*, UINT*);
typedef BOOL(APIENTRY* PFNWGLSWAPINTERVALEXT)(int);
typedef void(APIENTRY* PFNGLSAMPLECOVERAGE)(GLclampf, GLboolean);
typedef void(APIENTRY* PFNGLACTIVETEXTURE)(GLenum);
typedef void(APIENTRY* PFNGLMULTITEXCOORD2F)(GLenum, GLfloat, GLfloat);

// In a namespace of their own: the GL headers already declare the three gl names.
namespace Pletiniai {
extern PFNWGLGETEXTENSIONSSTRINGARB wglGetExtensionsStringARB;
extern PFNWGLCHOOSEPIXELFORMATARB wglChoosePixelFormatARB;
extern PFNWGLSWAPINTERVALEXT wglSwapIntervalEXT;
extern PFNGLSAMPLECOVERAGE glSampleCoverage;
extern PFNGLACTIVETEXTURE glActiveTexture;
extern PFNGLMULTITEXCOORD2F glMultiTexCoord2f;
}  // namespace Pletiniai

// Obtains the six entry points; throws the message text of the first one missing.
void TikrintiPletinius(HDC dc);
// The one-time GL state: viewport from "dydis", blending, culling.
void InicializuotiGL(const KNustatymai& nustatymai);
// The viewport over a window of plotis by aukstis pixels: all of it, or with proporcija
// the largest rectangle of the scene's 4:3 in its middle, the rest left to the clear
// colour. A window with no area keeps the viewport it had.
void VaizdoSritis(int plotis, int aukstis, bool proporcija);
// Note the order: left, bottom, right, top.
void OrtoProjekcija(int kaire, int apacia, int desine, int virsus, float artimas, float tolimas);
