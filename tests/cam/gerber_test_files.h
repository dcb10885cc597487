#pragma once
// A scratch folder per test and reading Gerber output back as lines.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace corvane {

class GerberScratch : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("corvane_gerber_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  // The file split at "\r\n"; a line ending without "\r" fails the test.
  static std::vector<std::string> Lines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    const std::string text = s.str();
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
      const std::size_t nl = text.find('\n', start);
      EXPECT_NE(nl, std::string::npos) << "last line without line end";
      if (nl == std::string::npos) break;
      EXPECT_TRUE(nl > start && text[nl - 1] == '\r') << "line without carriage return at " << nl;
      lines.push_back(text.substr(start, nl - start - (nl > start && text[nl - 1] == '\r' ? 1 : 0)));
      start = nl + 1;
    }
    return lines;
  }

  // The lines between the aperture definitions' end ("%LPD*%" first body
  // line, excluded) and "M02*" (excluded).
  static std::vector<std::string> Image(const std::vector<std::string>& lines) {
    const auto b = std::find(lines.begin(), lines.end(), "%LPD*%");
    const auto e = std::find(lines.begin(), lines.end(), "M02*");
    if (b == lines.end() || e == lines.end() || e < b) return {};
    return {b + 1, e};
  }

  static std::size_t Count(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
  }

  std::size_t Entries() const {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(dir_), std::filesystem::directory_iterator()));
  }

  std::filesystem::path dir_;
};

}  // namespace corvane
