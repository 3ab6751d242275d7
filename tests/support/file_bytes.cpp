// SPDX-License-Identifier: MIT
#include "support/file_bytes.h"

#include <stdlib.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

std::string bytesOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string withCrLf(std::string_view text) {
  std::string out;
  for (const char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

std::filesystem::path newFolder(const std::string& prefix) {
  std::string name = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
  if (::mkdtemp(name.data()) == nullptr)
    throw std::filesystem::filesystem_error("cannot make a folder", name,
                                            std::error_code(errno, std::generic_category()));
  using std::filesystem::perms;
  std::filesystem::permissions(name, perms::owner_all | perms::group_read | perms::group_exec |
                                         perms::others_read | perms::others_exec);
  return name;
}
