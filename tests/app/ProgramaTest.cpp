// The whole program driven frame by frame: the real start-up from the build folder's
// settings and data, key events through the window's message queue, the main loop's
// passes, and the shutdown.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "app/Globalai.h"
#include "app/Programa.h"
#include "app/Zaidimas.h"
#include "platform/PlatformosTestai.h"
#include "tests/app/NaujaPrograma.h"
#include "tests/common/ZurnaloGaudykle.h"
#include "ui/KPrimityvai.h"

namespace {

class Program : public ::testing::Test {
 protected:
  void SetUp() override {
    NaujaPrograma();
    ASSERT_TRUE(Paleisti());
    paleista = std::chrono::steady_clock::now();
    // What the start-up's final tick measured: the loading since the timer started.
    paleidimoLaikas = laikmatis.KadroLaikas;
  }
  void TearDown() override {
    if (langas.sukurtas) Uzdaryti();
  }
  // One key stroke: down in one frame, up in the next.
  void Spausti(const char* klavisas) {
    ASSERT_TRUE(TestaiKlavisas(langas.langas, klavisas, true));
    Kadras();
    ASSERT_TRUE(TestaiKlavisas(langas.langas, klavisas, false));
    Kadras();
  }
  float paleidimoLaikas = 0;
  std::chrono::steady_clock::time_point paleista;
};

TEST_F(Program, StartUpPreparesEveryPieceInOrder) {
  EXPECT_TRUE(langas.sukurtas);
#ifdef _WIN32
  // This test program carries no icon of its own: the window class takes the system's.
  EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(langas.langas, GCLP_HICON)), LoadIconA(nullptr, IDI_WINLOGO));
#endif
  EXPECT_EQ(nustatymai.plotis, 800);  // the build folder's settings file
  EXPECT_EQ(nustatymai.aukstis, 600);
  EXPECT_NE(KPrimityvai::kvadratas, 0u);
  EXPECT_TRUE(sriftas.sukurtas);
  // Every picture of the data folder became a texture that the screens found.
  EXPECT_EQ(teksturos.kiekis, 14);
  EXPECT_NE(intro.tekstura, 0u);
  EXPECT_NE(pagalba.tekstura, 0u);
  EXPECT_NE(meniu.punktuTekstura, 0u);
  EXPECT_NE(meniu.paveiksloTekstura, 0u);
  EXPECT_NE(rodykle.tekstura, 0u);
  EXPECT_NE(zemelapis.zemesTekstura, 0u);
  EXPECT_NE(zemelapis.sienosTekstura, 0u);
  EXPECT_NE(rodykle.zymesTekstura, 0u);
  EXPECT_NE(KTankas::blyksniai, 0u);
  EXPECT_NE(busenosJuosta.tekstura, 0u);
  EXPECT_NE(pagalba.puslapioTekstura, 0u);
  EXPECT_NE(pagalba.perdangosTekstura, 0u);
  // The first battle is laid out: numbers 1..5 on row 0, 6..15 on row 14.
  EXPECT_EQ(dabartinisZemelapis, &zemelapis);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(zemelapis.Langelis(8 + i, 0), 1 + i);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(zemelapis.Langelis(5 + i, 14), 6 + i);
  EXPECT_EQ(dabartinisTankas, &zaidejoArmija.tankai[0]);
  EXPECT_FALSE(dabartinisTankas->kompiuteris);
  // Each army wears its own sheet.
  ASSERT_NE(teksturos.Gauti("LT.tga"), teksturos.Gauti("RU.tga"));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(zaidejoArmija.tankai[i].tekstura, teksturos.Gauti("LT.tga")) << i;
  for (int i = 0; i < 10; ++i) EXPECT_EQ(priesoArmija.tankai[i].tekstura, teksturos.Gauti("RU.tga")) << i;
  EXPECT_EQ(busena, BUSENA_INTRO);
#ifndef _WIN32
  // Vertical sync was asked for: the swaps are paced (by the layer, on software GL). On
  // Windows the game paces its own swaps (gfx/KadruRitmas, tested in tests/windows).
  EXPECT_TRUE(TestaiKadraiRibojami());
#endif
  // The final tick keeps the loading time out of the first frame: it has already
  // measured the loading off, so the first frame counts from the end of start-up and
  // spans no more than the time since Paleisti returned.
  EXPECT_GT(paleidimoLaikas, 0.0f);
  Kadras();
  const double nuoPaleidimo = std::chrono::duration<double>(std::chrono::steady_clock::now() - paleista).count();
  EXPECT_LE(laikmatis.KadroLaikas, nuoPaleidimo + 1e-4);
}

TEST_F(Program, KeysTravelFromTheQueueThroughEveryState) {
  Kadras();
  EXPECT_EQ(busena, BUSENA_INTRO);
  Spausti("Space");
  EXPECT_EQ(busena, BUSENA_MENIU);
  Spausti("Down");
  EXPECT_EQ(meniu.pasirinkimas, 1);
  Spausti("Return");
  EXPECT_EQ(busena, BUSENA_PAGALBA);
  EXPECT_TRUE(pagalba.rodoma);
  Spausti("Return");
  EXPECT_EQ(busena, BUSENA_MENIU);
  EXPECT_FALSE(pagalba.rodoma);
  Spausti("Up");
  Spausti("Return");
  EXPECT_EQ(busena, BUSENA_MUSIS);
  // Holding Up drives the current tank; a step takes 0.625 s of frames.
  const float y0 = dabartinisTankas->pozicija.y;
  ASSERT_TRUE(TestaiKlavisas(langas.langas, "Up", true));
  Kadras();
  const bool zingsnis = dabartinisTankas->juda;
  for (int i = 0; i < 20; ++i) Kadras();
  ASSERT_TRUE(TestaiKlavisas(langas.langas, "Up", false));
  Kadras();
  if (zingsnis) EXPECT_GT(dabartinisTankas->pozicija.y, y0);
  else EXPECT_FLOAT_EQ(dabartinisTankas->pozicija.y, y0);  // a wall or a tank was in the way
  Spausti("Escape");
  EXPECT_EQ(busena, BUSENA_MENIU);
  EXPECT_FALSE(meniu.baigta);
  EXPECT_FALSE(baigti);
  Spausti("Down");
  Spausti("Down");
  ASSERT_TRUE(TestaiKlavisas(langas.langas, "Return", true));
  Kadras();
  // The quit choice sets the flag in the frame that is still drawn and swapped.
  EXPECT_EQ(busena, BUSENA_ISEITI);
  EXPECT_TRUE(baigti);
}

TEST_F(Program, HelpFollowsF1InEveryState) {
  ASSERT_TRUE(TestaiKlavisas(langas.langas, "F1", true));
  Kadras();
  EXPECT_TRUE(pagalba.rodoma);
  ASSERT_TRUE(TestaiKlavisas(langas.langas, "F1", false));
  Kadras();
  EXPECT_FALSE(pagalba.rodoma);
  // Down and up within one pump: the frame sees only the release, the help never shows.
  ASSERT_TRUE(TestaiKlavisas(langas.langas, "F1", true));
  ASSERT_TRUE(TestaiKlavisas(langas.langas, "F1", false));
  Kadras();
  EXPECT_FALSE(pagalba.rodoma);
  EXPECT_EQ(klaviatura.busenos[VK_F1], KLAVISAS_PAKELTAS);
}

TEST_F(Program, ClosingTheWindowEndsTheLoopAfterThatFrame) {
  Spausti("Space");
  Spausti("Return");
  ASSERT_EQ(busena, BUSENA_MUSIS);
  EXPECT_FALSE(baigti);
  ASSERT_TRUE(TestaiUzdaryti(langas.langas));
  Kadras();
  EXPECT_TRUE(langasUzdaromas);
  EXPECT_TRUE(baigti);
  EXPECT_TRUE(langas.sukurtas);  // the window stays until the shutdown
  Uzdaryti();
  EXPECT_FALSE(langas.sukurtas);
  EXPECT_EQ(langas.rc, nullptr);
  EXPECT_EQ(langas.langas, nullptr);
  EXPECT_FALSE(garsai.atidarytas);
  EXPECT_EQ(garsai.kiekis, 0);
}

TEST(ProgramWithoutTheNewData, TheBattlePlaysAndTheLogNamesWhatIsMissing) {
  const char* const naujieji[] = {"zyme.tga", "blyksniai.tga", "juosta.tga", "pagalbosPuslapis.tga", "pagalbaF1.tga"};
  const auto pries = std::filesystem::current_path();
  DarboAplankas("be_nauju_duomenu", LaivoNustatymai(),
                {naujieji[0], naujieji[1], naujieji[2], naujieji[3], naujieji[4], "muzikaFonui.ogg"});
  ZurnaloGaudykle zurnalas;
  NaujaPrograma();
  // Names an earlier start-up in this process found stay known: a fresh texture table.
  teksturos = KTeksturos();
  ASSERT_TRUE(Paleisti());
  for (const char* f : naujieji) EXPECT_TRUE(zurnalas.Yra(std::string("Nerasta tekstura \"") + f)) << f;
  EXPECT_TRUE(zurnalas.Yra("Klaida uzkraunant garsa 'duomenys/muzikaFonui.ogg'"));
  // The old track is taken instead (without a sound device it gets as far as the source).
  if (garsai.atidarytas)
    EXPECT_TRUE(muzika.atidaryta);
  else
    EXPECT_TRUE(zurnalas.Yra("'duomenys/muzika.ogg'"));
  // A battle with a hit, a death, the end held and the help over it.
  PradetiMusi();
  busena = BUSENA_MUSIS;
  priesoArmija.tankai[0].Pazeisti();
  priesoArmija.tankai[1].Zuti();
  zaidejoArmija.tankai[0].Zuti();
  pagalba.Rodyti(true);
  for (int i = 0; i < 30; ++i) Kadras();
  EXPECT_EQ(busena, BUSENA_MUSIS);
  EXPECT_EQ(dabartinisTankas, &zaidejoArmija.tankai[1]) << "your next tank was taken";
  Uzdaryti();
  std::filesystem::current_path(pries);
}

TEST_F(Program, ASystemQuitEndsTheLoop) {
  ASSERT_TRUE(TestaiIseiti());
  Kadras();
  EXPECT_TRUE(baigti);
}

}  // namespace
