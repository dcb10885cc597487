#pragma once
// Whole-file reading and safe replacing writes.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "io/io_error.h"

namespace corvane {

// Reads the whole file. FileNotFound when it does not exist, CannotRead when
// it cannot be opened or read.
IoError ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes);

// Reads at most `n` bytes from the start of the file.
IoError ReadFileStart(const std::string& path, std::size_t n, std::vector<uint8_t>& bytes);

// Writes the bytes to a temporary file beside `path`, flushes it to the disk
// and then renames it over `path`. On any failure the temporary file is
// removed, an existing file at `path` stays as it was, and CannotWrite is
// returned with the system's reason.
IoError WriteFileReplacing(const std::string& path, std::span<const uint8_t> bytes);

bool FileExists(const std::string& path);

}  // namespace corvane
