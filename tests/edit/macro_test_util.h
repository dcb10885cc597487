#pragma once
// Temporary macro folders and macro files for the macro library tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/element_list.h"
#include "io/macro_file.h"

namespace corvane::macro_test {

// A fresh folder for the running test, removed again at the end.
class TempFolder {
 public:
  TempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::path(::testing::TempDir()) /
            ("corvane_" + std::string(info->test_suite_name()) + "_" + info->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<uint8_t> ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes the whole list as a version-5 macro at (0, 0).
inline void WriteMacro(const std::filesystem::path& file, ElementList& list, const std::string& text1 = "",
                       const std::string& text2 = "") {
  WriteBytes(file, EncodeMacro(list, false, {0, 0}, text1, text2));
}

inline TMacroData ReadBack(const std::filesystem::path& file) {
  TMacroData data;
  const IoError e = ReadMacroFile(file.string(), {}, data);
  EXPECT_TRUE(e.ok()) << e.Describe();
  return data;
}

}  // namespace corvane::macro_test
