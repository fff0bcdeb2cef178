#pragma once
// External tools the tests run to make and read files (sox, oggenc, oggdec, ImageMagick).
//
// On Linux the command simply runs. With TANKAI_IRANKIU_IRASAI naming a folder, each run
// is also kept there: the files it made, and its exit status, under a key made of the
// command's text and the contents of the files it was given. The Windows build of the
// same tests cannot run these tools under Wine; it replays what a run of the Linux tests
// on the build machine kept, so both builds see files from the same real tools.
//
// Paths in the command must stand in single quotes, as a shell reads them; the key leaves
// their folders out, so the two builds' test folders may differ.
#include <string>

// Runs (or, on Windows, replays) a shell command; returns its exit status, nonzero when
// it failed or, on Windows, when no run of it was kept.
int IsorinisIrankis(const std::string& komanda);
