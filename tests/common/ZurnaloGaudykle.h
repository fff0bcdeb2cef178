#pragma once
// Captures every diagnostic-log message while it lives, so tests can assert on the texts.
#include <string>
#include <vector>

class ZurnaloGaudykle {
 public:
  ZurnaloGaudykle();
  ~ZurnaloGaudykle();
  ZurnaloGaudykle(const ZurnaloGaudykle&) = delete;
  ZurnaloGaudykle& operator=(const ZurnaloGaudykle&) = delete;

  const std::vector<std::string>& Pranesimai() const;
  // How many captured messages equal the text exactly.
  int Kiek(const std::string& tekstas) const;
  // True when some message contains the fragment.
  bool Yra(const std::string& fragmentas) const;
  void Isvalyti();
};
