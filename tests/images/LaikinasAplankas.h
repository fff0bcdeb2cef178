#pragma once
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything in it
// when the object goes.
class LaikinasAplankas {
 public:
  LaikinasAplankas();
  ~LaikinasAplankas();
  LaikinasAplankas(const LaikinasAplankas&) = delete;
  LaikinasAplankas& operator=(const LaikinasAplankas&) = delete;

  // Full path of a file in the folder.
  std::string Kelias(const std::string& vardas) const;
  // The folder path with a trailing '/', as the game's folder scans take it.
  std::string Aplankas() const;
  void Rasyti(const std::string& vardas, const std::vector<unsigned char>& baitai) const;

 private:
  std::filesystem::path kelias_;
};
