#pragma once
// Text drawn with FreeType from a font that fontconfig finds by name.
#include <string>

#include "KDrobe.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

class KRaides {
 public:
  KRaides() = default;
  ~KRaides();
  KRaides(const KRaides&) = delete;
  KRaides& operator=(const KRaides&) = delete;

  // pavadinimas like "DejaVu Sans:style=Bold"; false (and a message) when the
  // font cannot be found or opened. A substitute family is refused: other glyphs
  // would give other files.
  bool Atidaryti(const char* pavadinimas, const char* seima);

  // Width of a UTF-8 text in drawing units for a letter height of dydis.
  double Plotis(const KSritis& sr, const char* tekstas, double dydis);
  // Draws the text with its baseline at (x, y) in the area's drawing units; lygiuoti
  // 0 left, 0.5 centre, 1 right. The fill blends from apacia at the baseline to
  // virsus at the letter height.
  void Rasyti(KDrobe& d, const KSritis& sr, const char* tekstas, double x, double y, double dydis,
              const Spalva& virsus, const Spalva& apacia, double lygiuoti = 0.0);
  // Text with a dark rim of storis units around it and a drop shadow below, in a box
  // riba units wide. A text wider than its box (rim included), or with a letter the
  // font lacks, is still drawn, but said on stderr and counted in klaidos: the
  // generator then fails, so that no picture ships with a word cut off or a blank.
  void RasytiSuKonturu(KDrobe& d, const KSritis& sr, const char* tekstas, double x, double y, double dydis,
                       const Spalva& virsus, const Spalva& apacia, const Spalva& kontura, double storis,
                       double lygiuoti, double riba);

  std::string failas;
  int klaidos = 0;

 private:
  void Dydis(const KSritis& sr, double dydis);
  FT_LibraryRec_* biblioteka = nullptr;
  FT_FaceRec_* veidas = nullptr;
};

// Code points of a UTF-8 text; a broken sequence gives U+FFFD.
std::u32string Utf8(const char* tekstas);
