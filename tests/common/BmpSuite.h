#pragma once
// Jason Summers' BMP Suite lies beside the repository, not in it: bmpsuite/ under the
// test data folder (../shared/testdata unless the TANKAI_TESTDATA_DIR setting or
// environment variable names another). On a clone without it the tests that read it
// are skipped, saying what is missing; wherever the folder exists they run.
#include <string>

// The suite's folder, with a trailing slash.
std::string BmpSuitesAplankas();
// Empty when the suite's folder exists; otherwise the reason to skip, naming the folder.
std::string BmpSuitesTrukumas();
