#pragma once
// Small boards for the drill and milling outputs, and reading files back.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/board.h"
#include "core/layers.h"
#include "geom/element_create.h"

namespace corvane {

// A round pad with drill diameter `drill` (world units) at (x, y).
inline TObjekt DrillPad(float x, float y, int drill, bool plated = false, uint8_t layer = lyC1) {
  TObjekt pad = CreatePad({x, y}, layer, psCircular, drill / 2.0, drill / 2.0 + 50);
  pad.Durchkontaktiert = plated ? 1 : 0;
  return pad;
}

inline TObjekt OutlineTrack(std::vector<TFloatPoint> points) {
  TObjekt t = CreateTrack(20, lyO);
  t.Punkte = std::move(points);
  return t;
}

inline TPlatine BoardOf(std::vector<TObjekt> elements, int32_t width = 16000, int32_t height = 10000) {
  TPlatine board;
  board.Kopf.Breite = width;
  board.Kopf.Hoehe = height;
  for (TObjekt& e : elements) board.Elemente.Add(std::move(e));
  return board;
}

class DrillScratch : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("corvane_drill_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  static std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

  // Every entry of the scratch folder, to see that nothing partial is left.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) names.push_back(e.path().filename());
    return names;
  }

  std::filesystem::path dir_;
};

// Joins lines with "\r\n" after each, as the files hold them.
inline std::string CrLf(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

}  // namespace corvane
