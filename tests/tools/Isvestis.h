#pragma once
// Runs a shell command and returns its standard output; its exit status goes to `kodas`
// (as pclose gives it).
#include <cstdio>
#include <string>

inline std::string Isvestis(const std::string& komanda, int& kodas) {
  std::string r;
  FILE* p = popen(komanda.c_str(), "r");
  if (!p) {
    kodas = -1;
    return r;
  }
  char buf[512];
  while (size_t n = std::fread(buf, 1, sizeof buf, p)) r.append(buf, n);
  kodas = pclose(p);
  return r;
}
