#pragma once
// The outcome of writing one manufacturing output file.

#include <string>

namespace corvane {

struct TCamResult {
  bool Ok = false;
  std::string Error;  // what went wrong, naming the file; empty when Ok

  static TCamResult Success() { return {true, {}}; }
  static TCamResult Failure(std::string error) { return {false, std::move(error)}; }
};

}  // namespace corvane
