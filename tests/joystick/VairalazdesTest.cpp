// Joysticks on SDL's virtual devices: enumeration, calibration, normalisation and
// button edges, with the game's window open as it is when the game polls them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/Valdymas.h"
#include "config/KNustatymai.h"
#include "gfx/KLangas.h"
#include "input/KVairalazde.h"
#include "input/KVairalazdes.h"
#include "platform/Platforma.h"
#include "platform/PlatformosTestai.h"
#include "tests/common/ZurnaloGaudykle.h"

namespace {

// Raw positions are the SDL value + 32768; these give the raw numbers wanted.
int16_t Reiksme(int zalia) { return static_cast<int16_t>(zalia - 32768); }

class Joysticks : public ::testing::Test {
 protected:
  void SetUp() override {
    TestaiBeEkrano();
    TestaiIrasytiPranesimus(true);
    std::snprintf(n.klase, sizeof n.klase, "VairalazdziuKlase");
    ASSERT_TRUE(langas.Sukurti(n, true));
  }
  void TearDown() override {
    KVairalazdes::Naikinti();
    TestaiAtjungtiVairalazdes();
    TestaiAtstatyti();
    langas.Naikinti();
  }
  int Prijungti(int asys = 6, int mygtukai = 32) {
    int i = TestaiPrijungtiVairalazde(asys, mygtukai);
    EXPECT_GE(i, 0);
    return i;
  }
  KNustatymai n;
  KLangas langas;
};

}  // namespace

TEST_F(Joysticks, NoJoystick) {
  KVairalazdes::Sukurti();
  EXPECT_TRUE(KVairalazdes::sukurta);
  EXPECT_EQ(KVairalazdes::kiekis, 0);
  EXPECT_EQ(KVairalazdes::vairalazdes, nullptr);
  KVairalazdes::Atnaujinti();
  KVairalazdes::Kalibruoti();
  EXPECT_EQ(KVairalazdes::kiekis, 0);
}

TEST_F(Joysticks, CountedInOrder) {
  Prijungti();
  Prijungti();
  ZurnaloGaudykle zurnalas;
  KVairalazdes::Sukurti();
  ASSERT_EQ(KVairalazdes::kiekis, 2);
  ASSERT_NE(KVairalazdes::vairalazdes, nullptr);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(KVairalazdes::vairalazdes[i].id, i);
    EXPECT_TRUE(KVairalazdes::vairalazdes[i].sukurta);
    EXPECT_EQ(KVairalazdes::vairalazdes[i].padetis.dwSize, 52u);
    EXPECT_EQ(KVairalazdes::vairalazdes[i].padetis.dwFlags, 255u);
  }
  // Calibrated at rest: SDL's 0 is raw 32768.
  EXPECT_EQ(zurnalas.Kiek("Kalibruojama (0): 32768 32768"), 1);
  EXPECT_EQ(zurnalas.Kiek("Kalibruojama (1): 32768 32768"), 1);
  // Enumerating again starts afresh.
  KVairalazdes::Sukurti();
  EXPECT_EQ(KVairalazdes::kiekis, 2);
}

TEST_F(Joysticks, EachJoystickReadsItsOwnDevice) {
  int a = Prijungti();
  int b = Prijungti();
  KVairalazdes::Sukurti();
  ASSERT_EQ(KVairalazdes::kiekis, 2);
  ASSERT_TRUE(TestaiVairalazdesAsis(b, 0, Reiksme(65535)));
  ASSERT_TRUE(TestaiVairalazdesMygtukas(b, 3, true));
  ASSERT_TRUE(TestaiVairalazdesAsis(a, 1, Reiksme(0)));
  KVairalazdes::Atnaujinti();
  const KVairalazde& pirma = KVairalazdes::vairalazdes[0];
  const KVairalazde& antra = KVairalazdes::vairalazdes[1];
  EXPECT_FLOAT_EQ(antra.asys[0], 1.0f);
  EXPECT_EQ(antra.mygtukai[3], 2);  // pressed in this poll
  EXPECT_FLOAT_EQ(antra.asys[1], 0.0f);
  EXPECT_FLOAT_EQ(pirma.asys[0], 0.0f);
  EXPECT_EQ(pirma.mygtukai[3], 0);
  EXPECT_FLOAT_EQ(pirma.asys[1], -1.0f);
}

TEST_F(Joysticks, FirstGapEndsTheSearch) {
  for (int i = 0; i < 4; ++i) Prijungti();
  // Ids 0 and 1 answer, id 2 does not; id 3 would.
  TestaiSugadinti("joyGetPos", 3);
  KVairalazdes::Sukurti();
  EXPECT_EQ(KVairalazdes::kiekis, 2);
}

TEST_F(Joysticks, CapabilitiesAndPosition) {
  int i = Prijungti(2, 4);
  JOYCAPSA caps;
  ASSERT_EQ(joyGetDevCapsA(static_cast<uintptr_t>(i), &caps, sizeof caps), static_cast<MMRESULT>(JOYERR_NOERROR));
  EXPECT_EQ(caps.wXmin, 0u);
  EXPECT_EQ(caps.wXmax, 65535u);
  EXPECT_EQ(caps.wYmax, 65535u);
  EXPECT_EQ(caps.wZmax, 0u);  // no third axis: no range
  EXPECT_EQ(caps.wNumButtons, 4u);
  EXPECT_EQ(caps.wNumAxes, 2u);
  EXPECT_EQ(joyGetDevCapsA(static_cast<uintptr_t>(i), &caps, 403), static_cast<MMRESULT>(JOYERR_PARMS));

  ASSERT_TRUE(TestaiVairalazdesAsis(i, 0, Reiksme(65535)));
  ASSERT_TRUE(TestaiVairalazdesAsis(i, 1, Reiksme(0)));
  ASSERT_TRUE(TestaiVairalazdesMygtukas(i, 2, true));
  JOYINFOEX p = {};
  p.dwSize = sizeof p;
  p.dwFlags = JOY_RETURNALL;
  ASSERT_EQ(joyGetPosEx(static_cast<UINT>(i), &p), static_cast<MMRESULT>(JOYERR_NOERROR));
  EXPECT_EQ(p.dwXpos, 65535u);
  EXPECT_EQ(p.dwYpos, 0u);
  EXPECT_EQ(p.dwZpos, 0u);
  EXPECT_EQ(p.dwButtons, 4u);
  EXPECT_EQ(p.dwButtonNumber, 1u);
  EXPECT_EQ(p.dwPOV, static_cast<DWORD>(JOY_POVCENTERED));

  p.dwSize = 48;
  EXPECT_EQ(joyGetPosEx(static_cast<UINT>(i), &p), static_cast<MMRESULT>(JOYERR_PARMS));
  JOYINFO b;
  EXPECT_EQ(joyGetPos(static_cast<UINT>(i), &b), static_cast<MMRESULT>(JOYERR_NOERROR));
  EXPECT_EQ(b.wXpos, 65535u);
  EXPECT_EQ(joyGetPos(static_cast<UINT>(i + 1), &b), static_cast<MMRESULT>(JOYERR_UNPLUGGED));
  EXPECT_EQ(joyGetPos(16, &b), static_cast<MMRESULT>(JOYERR_PARMS));
  EXPECT_EQ(joyGetNumDevs(), 16u);
}

// Range 0..65535 calibrated at 32767.
TEST_F(Joysticks, Normalisation) {
  int i = Prijungti();
  ASSERT_TRUE(TestaiVairalazdesAsis(i, 0, Reiksme(32767)));
  KVairalazdes::Sukurti();
  ASSERT_EQ(KVairalazdes::kiekis, 1);
  KVairalazde& v = KVairalazdes::vairalazdes[0];
  EXPECT_EQ(v.kalibracija[0].centras, 32767);
  EXPECT_EQ(v.kalibracija[0].min, 0);
  EXPECT_EQ(v.kalibracija[0].max, 65535);
  struct Atvejis {
    int zalia;
    float tiketina;
  };
  const Atvejis atvejai[] = {{65535, 1.0f}, {0, -1.0f}, {32767, 0.0f}, {49151, 0.5f}, {16383, -16384.0f / 32767.0f}};
  for (const Atvejis& a : atvejai) {
    ASSERT_TRUE(TestaiVairalazdesAsis(i, 0, Reiksme(a.zalia)));
    KVairalazdes::Atnaujinti();
    EXPECT_FLOAT_EQ(v.asys[0], a.tiketina) << a.zalia;
  }
  // Exactly 0.5 does not pass the game's strict threshold; one more step does.
  ASSERT_TRUE(TestaiVairalazdesAsis(i, 0, Reiksme(49151)));
  KVairalazdes::Atnaujinti();
  EXPECT_FALSE(v.asys[0] > 0.5f);
  ASSERT_TRUE(TestaiVairalazdesAsis(i, 0, Reiksme(49152)));
  KVairalazdes::Atnaujinti();
  EXPECT_TRUE(v.asys[0] > 0.5f);
  EXPECT_LT(v.asys[0], 0.5001f);
  EXPECT_EQ(v.asys[6], 0.0f);
  EXPECT_EQ(v.asys[7], 0.0f);
}

TEST_F(Joysticks, CentreAtTheMaximum) {
  int i = Prijungti();
  ASSERT_TRUE(TestaiVairalazdesAsis(i, 1, Reiksme(65535)));
  KVairalazdes::Sukurti();
  KVairalazde& v = KVairalazdes::vairalazdes[0];
  EXPECT_EQ(v.kalibracija[1].centras, 65535);
  KVairalazdes::Atnaujinti();
  EXPECT_EQ(v.asys[1], 0.0f);  // no span above the centre
  ASSERT_TRUE(TestaiVairalazdesAsis(i, 1, Reiksme(0)));
  KVairalazdes::Atnaujinti();
  EXPECT_FLOAT_EQ(v.asys[1], -1.0f);
}

TEST_F(Joysticks, MissingAxisIsAlwaysZero) {
  int i = Prijungti(2, 4);
  KVairalazdes::Sukurti();
  KVairalazde& v = KVairalazdes::vairalazdes[0];
  ASSERT_TRUE(TestaiVairalazdesAsis(i, 0, Reiksme(0)));
  KVairalazdes::Atnaujinti();
  EXPECT_FLOAT_EQ(v.asys[0], -1.0f);
  for (int s = 2; s < 8; ++s) EXPECT_EQ(v.asys[s], 0.0f) << s;
}

TEST_F(Joysticks, OffCentreRestScalesEachSideToItsOwnEnd) {
  // A device whose rest sits off-centre still reads -1 and 1 at its two ends.
  int i = Prijungti();
  ASSERT_TRUE(TestaiVairalazdesAsis(i, 3, Reiksme(60000)));
  KVairalazdes::Sukurti();
  ASSERT_TRUE(TestaiVairalazdesAsis(i, 3, Reiksme(0)));
  KVairalazdes::Atnaujinti();
  EXPECT_FLOAT_EQ(KVairalazdes::vairalazdes[0].asys[3], -1.0f);
  ASSERT_TRUE(TestaiVairalazdesAsis(i, 3, Reiksme(65535)));
  KVairalazdes::Atnaujinti();
  EXPECT_FLOAT_EQ(KVairalazdes::vairalazdes[0].asys[3], 1.0f);
}

TEST_F(Joysticks, NotClampedBeyondTheReportedRange) {
  // Many devices travel past the range their capabilities report. Such a device is
  // made here by narrowing the reported range of axis X to 16384..49152 around the rest
  // at 32768: the ends of the travel then read 2 and -2, not 1 and -1.
  int i = Prijungti();
  KVairalazdes::Sukurti();
  KVairalazde& v = KVairalazdes::vairalazdes[0];
  v.galimybes.wXmin = 16384;
  v.galimybes.wXmax = 49152;
  v.Kalibruoti();
  const struct {
    int zalia;
    float tiketina;
  } atvejai[] = {{65535, 32767.0f / 16384}, {0, -2.0f}, {49152, 1.0f}, {16384, -1.0f}, {57344, 1.5f}};
  for (const auto& a : atvejai) {
    ASSERT_TRUE(TestaiVairalazdesAsis(i, 0, Reiksme(a.zalia)));
    KVairalazdes::Atnaujinti();
    EXPECT_FLOAT_EQ(v.asys[0], a.tiketina) << a.zalia;
  }
}

TEST_F(Joysticks, EverySixAxesIsNormalised) {
  // X, Y, Z, R, U, V each in its own slot, each to -1 and 1 on its own.
  int i = Prijungti(6, 4);
  // Rest in the middle for all six (a controller's triggers start at their minimum).
  for (int asis = 0; asis < 6; ++asis) ASSERT_TRUE(TestaiVairalazdesAsis(i, asis, Reiksme(32768)));
  KVairalazdes::Sukurti();
  KVairalazde& v = KVairalazdes::vairalazdes[0];
  for (int asis = 0; asis < 6; ++asis) {
    for (int zalia : {65535, 0}) {
      ASSERT_TRUE(TestaiVairalazdesAsis(i, asis, Reiksme(zalia)));
      KVairalazdes::Atnaujinti();
      for (int s = 0; s < 8; ++s)
        EXPECT_FLOAT_EQ(v.asys[s], s == asis ? (zalia ? 1.0f : -1.0f) : 0.0f) << "axis " << asis << ", slot " << s;
    }
    ASSERT_TRUE(TestaiVairalazdesAsis(i, asis, Reiksme(32768)));
  }
}

TEST_F(Joysticks, ButtonEdges) {
  int i = Prijungti();
  KVairalazdes::Sukurti();
  KVairalazde& v = KVairalazdes::vairalazdes[0];
  const int seka[][2] = {{1, 2}, {1, 3}, {1, 3}, {0, 1}, {0, 0}, {1, 2}, {0, 1}, {1, 2}};
  for (const auto& z : seka) {
    ASSERT_TRUE(TestaiVairalazdesMygtukas(i, 0, z[0] != 0));
    KVairalazdes::Atnaujinti();
    EXPECT_EQ(v.mygtukai[0], z[1]);
  }
  // Bit 31 is the last state.
  ASSERT_TRUE(TestaiVairalazdesMygtukas(i, 31, true));
  KVairalazdes::Atnaujinti();
  EXPECT_EQ(v.mygtukai[31], 2);
  EXPECT_EQ(v.mygtukai[30], 0);
}

// The F2 frame: the regular poll, then the extra poll and calibration.
TEST_F(Joysticks, InTheF2FrameAButtonIsAlreadyHeld) {
  int i = Prijungti();
  KVairalazdes::Sukurti();
  KVairalazde& v = KVairalazdes::vairalazdes[0];
  ASSERT_TRUE(TestaiVairalazdesMygtukas(i, 7, true));
  ASSERT_TRUE(TestaiVairalazdesAsis(i, 0, Reiksme(40000)));
  KVairalazdes::Atnaujinti();
  EXPECT_EQ(v.mygtukai[7], 2);
  ZurnaloGaudykle zurnalas;
  KVairalazdes::Kalibruoti();
  EXPECT_EQ(v.mygtukai[7], 3);
  EXPECT_EQ(v.kalibracija[0].centras, 40000);
  EXPECT_EQ(zurnalas.Kiek("Kalibruojama (0): 40000 40000"), 1);
  KVairalazdes::Atnaujinti();
  EXPECT_EQ(v.asys[0], 0.0f);  // the new rest position
}

TEST_F(Joysticks, TheF2FrameStillReadsTheOldRestPosition) {
  // F2 polls first and calibrates after: in that frame the axes are those of the poll,
  // normalised against the old rest; from the next poll on they are 0 at the new one.
  int i = Prijungti();
  KVairalazdes::Sukurti();
  KVairalazde& v = KVairalazdes::vairalazdes[0];
  ASSERT_EQ(v.kalibracija[0].centras, 32768);
  ASSERT_TRUE(TestaiVairalazdesAsis(i, 0, Reiksme(49152)));
  KVairalazdes::Kalibruoti();
  EXPECT_FLOAT_EQ(v.asys[0], 16384.0f / 32767);
  EXPECT_EQ(v.kalibracija[0].centras, 49152);
  KVairalazdes::Atnaujinti();
  EXPECT_EQ(v.asys[0], 0.0f);
}

TEST_F(Joysticks, FailedPollKeepsTheOldValues) {
  int i = Prijungti();
  KVairalazdes::Sukurti();
  KVairalazde& v = KVairalazdes::vairalazdes[0];
  ASSERT_TRUE(TestaiVairalazdesAsis(i, 0, Reiksme(65535)));
  ASSERT_TRUE(TestaiVairalazdesMygtukas(i, 1, true));
  KVairalazdes::Atnaujinti();
  EXPECT_FLOAT_EQ(v.asys[0], 1.0f);
  TestaiSugadinti("joyGetPosEx");
  ASSERT_TRUE(TestaiVairalazdesAsis(i, 0, Reiksme(0)));
  KVairalazdes::Atnaujinti();
  EXPECT_FLOAT_EQ(v.asys[0], 1.0f);  // the previous record, used again
  EXPECT_EQ(v.mygtukai[1], 3);
}

// A pad SDL knows reaches the game once (SDL lists it as a joystick too) and in one
// layout, whatever its raw buttons and axes: left stick drives, right stick across turns
// the turret, A or RB fires, Y or LB takes the next tank, the d-pad is the hat. Each
// control in turn, the rest at rest.
TEST_F(Joysticks, PadLayout) {
  namespace v = valdymas;
  int i = TestaiPrijungtiPada();
  ASSERT_GE(i, 0);
  KVairalazdes::Sukurti();
  ASSERT_EQ(KVairalazdes::kiekis, 1);
  KVairalazde& j = KVairalazdes::vairalazdes[0];
  const struct {
    const char* kas;
    bool mygtukas;
    PadoMygtukas m;
    PadoAsis a;
    int16_t reiksme;
    int tiketinas;    // button index, or axis slot
    float tiketina;   // the axis' value
  } atvejai[] = {
      {"A fires", true, PadoMygtukas::A, {}, 0, v::MYGTUKAS_SAUTI, 0},
      {"RB fires", true, PadoMygtukas::DesinysPetys, {}, 0, v::MYGTUKAS_SAUTI_ANTRAS, 0},
      {"Y: next tank", true, PadoMygtukas::Y, {}, 0, v::MYGTUKAS_KITAS_TANKAS, 0},
      {"LB: next tank", true, PadoMygtukas::KairysPetys, {}, 0, v::MYGTUKAS_KITAS_TANKAS, 0},
      {"left stick right", false, {}, PadoAsis::KairysX, 32767, v::ASIS_X, 1},
      {"left stick left", false, {}, PadoAsis::KairysX, -32768, v::ASIS_X, -1},
      {"left stick up is up", false, {}, PadoAsis::KairysY, -32768, v::ASIS_Y, -1},
      {"left stick down", false, {}, PadoAsis::KairysY, 32767, v::ASIS_Y, 1},
      {"right stick across turns the turret", false, {}, PadoAsis::DesinysX, 32767, v::ASIS_BOKSTELIS, 1},
      {"right stick up and down: the fifth axis", false, {}, PadoAsis::DesinysY, -32768, 4, -1},
  };
  for (const auto& a : atvejai) {
    ASSERT_TRUE(a.mygtukas ? TestaiPadoMygtukas(i, a.m, true) : TestaiPadoAsis(i, a.a, a.reiksme)) << a.kas;
    KVairalazdes::Atnaujinti();
    for (int b = 0; b < 32; ++b)
      EXPECT_EQ(j.mygtukai[b], a.mygtukas && b == a.tiketinas ? 2 : 0) << a.kas << ", button " << b + 1;
    for (int s = 0; s < 8; ++s)
      EXPECT_FLOAT_EQ(j.asys[s], !a.mygtukas && s == a.tiketinas ? a.tiketina : 0.0f) << a.kas << ", slot " << s;
    ASSERT_TRUE(a.mygtukas ? TestaiPadoMygtukas(i, a.m, false) : TestaiPadoAsis(i, a.a, 0));
    KVairalazdes::Atnaujinti();
    KVairalazdes::Atnaujinti();
  }
  const struct {
    bool u, r, d, l;
    DWORD laipsniai;
  } kryzmas[] = {{true, false, false, false, 0},     {true, true, false, false, 4500},
                 {false, true, false, false, 9000},  {false, false, true, true, 22500},
                 {false, false, false, false, JOY_POVCENTERED}};
  for (const auto& k : kryzmas) {
    ASSERT_TRUE(TestaiPadoKryzmas(i, k.u, k.r, k.d, k.l));
    KVairalazdes::Atnaujinti();
    EXPECT_EQ(j.padetis.dwPOV, k.laipsniai);
  }
  EXPECT_EQ(j.galimybes.wNumButtons, 8u);
  EXPECT_NE(j.galimybes.wCaps & JOYCAPS_HASR, 0u);
}

// A pad short of the layout's controls: what it lacks reads 0 and up; the rest works.
TEST_F(Joysticks, PadWithFewerControls) {
  const unsigned kairysX = 1u << static_cast<int>(PadoAsis::KairysX);
  const unsigned kairysY = 1u << static_cast<int>(PadoAsis::KairysY);
  int i = TestaiPrijungtiPada(1u << static_cast<int>(PadoMygtukas::A), kairysX | kairysY);
  ASSERT_GE(i, 0);
  KVairalazdes::Sukurti();
  ASSERT_EQ(KVairalazdes::kiekis, 1);
  KVairalazde& j = KVairalazdes::vairalazdes[0];
  EXPECT_EQ(j.galimybes.wRmax, 0u);
  EXPECT_EQ(j.galimybes.wNumButtons, 1u);
  EXPECT_FALSE(TestaiPadoAsis(i, PadoAsis::DesinysX, 32767));
  ASSERT_TRUE(TestaiPadoMygtukas(i, PadoMygtukas::A, true));
  ASSERT_TRUE(TestaiPadoAsis(i, PadoAsis::KairysX, -32768));
  KVairalazdes::Atnaujinti();
  EXPECT_EQ(j.mygtukai[0], 2);
  EXPECT_FLOAT_EQ(j.asys[0], -1.0f);
  for (int s = 1; s < 8; ++s) EXPECT_EQ(j.asys[s], 0.0f) << s;
  for (int b = 1; b < 32; ++b) EXPECT_EQ(j.mygtukai[b], 0) << b;
}

// Files of pad mappings as players find them: empty, binary, lines broken among good ones.
// SDL skips what it cannot read; a good line still maps its pad.
TEST_F(Joysticks, PadMappingFiles) {
  int i = Prijungti(6, 16);
  const std::string guid = TestaiVairalazdesGuid(i);
  ASSERT_EQ(guid.size(), 32u);
  TestaiAtjungtiVairalazdes();
  // The same kind of device as a pad whose south button is its raw button 5.
  const std::string gera = guid + ",Tankai remapped,a:b5,leftx:a0,lefty:a1,rightx:a3,platform:Linux,\n";
  std::string dvejetainis(4096, '\0');
  for (size_t k = 0; k < dvejetainis.size(); ++k) dvejetainis[k] = static_cast<char>((k * 7919) % 256);
  const struct {
    const char* kas;
    std::string turinys;
    bool pritaikyta;
  } atvejai[] = {
      {"empty", "", false},
      {"binary", dvejetainis, false},
      {"broken lines around a good one",
       "# a comment\nnot a mapping\n" + guid + ",No buttons\n" + guid.substr(0, 20) + ",Short,a:b1,\n" + gera +
           "03000000,,a:b0\n\x01\x02\x03\n",
       true},
  };
  for (const auto& a : atvejai) {
    const std::string failas = ::testing::TempDir() + "tankai_pads_" + std::to_string(&a - atvejai) + ".txt";
    {
      std::FILE* f = std::fopen(failas.c_str(), "wb");
      ASSERT_NE(f, nullptr);
      std::fwrite(a.turinys.data(), 1, a.turinys.size(), f);
      std::fclose(f);
    }
    TestaiPaduAprasai(failas.c_str());
    std::remove(failas.c_str());
    i = Prijungti(6, 16);
    KVairalazdes::Sukurti();
    ASSERT_EQ(KVairalazdes::kiekis, 1) << a.kas;
    ASSERT_TRUE(TestaiVairalazdesMygtukas(i, 5, true));
    KVairalazdes::Atnaujinti();
    // Mapped, raw button 5 is A, the first button; raw, it is the sixth.
    EXPECT_EQ(KVairalazdes::vairalazdes[0].mygtukai[0], a.pritaikyta ? 2 : 0) << a.kas;
    EXPECT_EQ(KVairalazdes::vairalazdes[0].mygtukai[5], a.pritaikyta ? 0 : 2) << a.kas;
    KVairalazdes::Naikinti();
    TestaiAtjungtiVairalazdes();
  }
}

// The help names each pad button of the layout on the line of the joystick button it
// presses, in every language (the README, the manual and the Windows read-me follow the help).
TEST(PadHelp, NamesEachButtonWithItsNumber) {
  for (const PadoMygtukoVieta& m : PADO_MYGTUKAI)
    for (int k = 0; k < KALBU_KIEKIS; ++k) {
      bool yra = false;
      for (const ValdymoEilute& e : VALDYMAS) {
        const std::string z = e.klavisai[k];
        yra |= e.vairalazde && z.find(m.zyme) != std::string::npos &&
               z.find(std::to_string(m.indeksas + 1)) != std::string::npos;
      }
      EXPECT_TRUE(yra) << m.zyme << " and button " << m.indeksas + 1 << " in language " << KALBU_KODAI[k];
    }
}
