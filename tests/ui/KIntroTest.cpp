#include "ui/KIntro.h"

#include <cmath>

#include "tests/ui/EkranuAplinka.h"

namespace {

class IntroScreen : public EkranuTestas {};

struct IntroZingsnis {
  float kadras;  // frame time handed to this draw
  float alfa;    // alpha afterwards
  bool baigta;
};

void Tikrinti(const std::vector<IntroZingsnis>& eiga) {
  float laikas = 0;
  for (const IntroZingsnis& z : eiga) {
    laikmatis.KadroLaikas = z.kadras;
    laikas += z.kadras;
    EkranuTestas::Fonas();
    intro.Piesti();
    EXPECT_NEAR(z.alfa, intro.alfa, 1e-5f) << "at t = " << laikas;
    EXPECT_EQ(z.baigta, intro.baigta) << "at t = " << laikas;
    // Untextured white over black: the centre shows the alpha itself.
    EXPECT_NEAR(std::lround(z.alfa * 255), SkaitytiPikseli(400, 300)[0], 2) << "at t = " << laikas;
  }
}

}  // namespace

TEST_F(IntroScreen, FadesInHoldsAndFadesOutOverThreeSeconds) {
  Tikrinti({{0.25f, 0.5f, false},   // 0.25
            {0.25f, 1.0f, false},   // 0.5
            {1.99f, 1.0f, false},   // 2.49
            {0.26f, 0.5f, false},   // 2.75
            {0.5f, 0.5f, true}});   // 3.25: done, the alpha of the frame before
}

TEST_F(IntroScreen, ExactQuarterSecondSteps) {
  // Quarter seconds add up exactly in floats, so the boundaries are hit exactly.
  std::vector<IntroZingsnis> eiga = {{0.25f, 0.5f, false}, {0.25f, 1.0f, false}};
  for (int i = 0; i < 8; ++i) eiga.push_back({0.25f, 1.0f, false});  // up to and including 2.5
  eiga.push_back({0.25f, 0.5f, false});                               // 2.75
  eiga.push_back({0.25f, 0.5f, true});                                // 3.0: done, alpha kept
  eiga.push_back({0.25f, 0.5f, true});
  Tikrinti(eiga);
}

TEST_F(IntroScreen, LongFrameJumpsPastTheFadeWithAlphaStillOne) {
  Tikrinti({{2.4f, 1.0f, false}, {0.7f, 1.0f, true}});
}

TEST_F(IntroScreen, SukurtiRestartsTheClockButNotTheAlpha) {
  intro.laikas = 5;
  intro.baigta = true;
  intro.alfa = 0.7f;
  intro.tekstura = 99;
  intro.Sukurti();
  EXPECT_EQ(0.0f, intro.laikas);
  EXPECT_FALSE(intro.baigta);
  EXPECT_EQ(0.7f, intro.alfa);
  EXPECT_EQ(teksturos.Gauti("intro.tga"), intro.tekstura);
}

TEST_F(IntroScreen, PictureIsA400SquareCentredWithTheTextureUpright) {
  // Four texels: bottom-left 40, bottom-right 80, top-left 120, top-right 160.
  intro.tekstura = Tekstura(2, 2, {40, 40, 40, 255, 80, 80, 80, 255, 120, 120, 120, 255, 160, 160, 160, 255});
  laikmatis.KadroLaikas = 1.0f;
  Fonas();
  intro.Piesti();
  EXPECT_PIKSELIS(201, 101, 40, 40, 40);
  EXPECT_PIKSELIS(598, 101, 80, 80, 80);
  EXPECT_PIKSELIS(201, 498, 120, 120, 120);
  EXPECT_PIKSELIS(598, 498, 160, 160, 160);
  EXPECT_PIKSELIS(198, 300, 0, 0, 0);
  EXPECT_PIKSELIS(601, 300, 0, 0, 0);
  EXPECT_PIKSELIS(400, 98, 0, 0, 0);
  EXPECT_PIKSELIS(400, 502, 0, 0, 0);
  // The colour is opaque white again for whatever is drawn next.
  GLfloat spalva[4];
  glGetFloatv(GL_CURRENT_COLOR, spalva);
  EXPECT_EQ(1.0f, spalva[3]);
}

TEST_F(IntroScreen, StateMachineLeavesTheFrameAfterTheFadeEnds) {
  kadroLaikas = 0.25f;
  for (int i = 0; i < 11; ++i) ZaistiKadra();  // up to t = 2.75
  EXPECT_EQ(BUSENA_INTRO, busena);
  ZaistiKadra();  // t = 3: done, but this frame still shows the last alpha
  EXPECT_TRUE(intro.baigta);
  EXPECT_EQ(BUSENA_INTRO, busena);
  EXPECT_NEAR(128, SkaitytiPikseli(400, 300)[0], 2);
  ZaistiKadra();
  EXPECT_EQ(BUSENA_MENIU, busena);
}

TEST_F(IntroScreen, SpaceOrEnterLeavesAtOnceWhateverTheAlpha) {
  for (const char* klavisas : {"Space", "Return"}) {
    SetUp();
    ZaistiKadra();
    EXPECT_EQ(BUSENA_INTRO, busena);
    ZaistiKadra({klavisas});
    EXPECT_EQ(BUSENA_MENIU, busena) << klavisas;
    EXPECT_FALSE(intro.baigta);
  }
}

TEST_F(IntroScreen, HeldKeyFromBeforeDoesNotLeave) {
  // Only a press in this frame counts: a key still held from the frame before does not.
  ZaistiKadra({"X"});
  klaviatura.busenos[VK_SPACE] = KLAVISAS_LAIKOMAS;
  ZaistiKadra();
  EXPECT_EQ(BUSENA_INTRO, busena);
}
