// SPDX-License-Identifier: MIT
#include "support/file_bytes.h"

#include <fstream>
#include <iterator>

std::string bytesOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string withCrLf(std::string_view text) {
  std::string out;
  for (const char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}
