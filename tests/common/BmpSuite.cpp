#include "tests/common/BmpSuite.h"

#include <cstdlib>
#include <filesystem>

std::string BmpSuitesAplankas() {
  // The environment wins, so one build can be pointed at another copy of the data.
  const char* aplinkoje = std::getenv("TANKAI_TESTDATA_DIR");
  const std::string duomenys = aplinkoje && *aplinkoje ? aplinkoje : TANKAI_TESTDATA_DIR;
  return duomenys + "/bmpsuite/";
}

std::string BmpSuitesTrukumas() {
  const std::string aplankas = BmpSuitesAplankas();
  std::error_code klaida;
  if (std::filesystem::is_directory(aplankas, klaida)) return "";
  return "BMP Suite not found: no folder " + aplankas +
         " (Jason Summers' BMP Suite 2.8, see the README's \"Test data\"); skipped";
}
