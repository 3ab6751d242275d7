// SPDX-License-Identifier: MIT
// Files as the tests compare them: every byte, and texts with the line ends a saved roster has.
#ifndef MUSTERWRIGHT_TESTS_SUPPORT_FILE_BYTES_H
#define MUSTERWRIGHT_TESTS_SUPPORT_FILE_BYTES_H

#include <filesystem>
#include <string>
#include <string_view>

// Every byte of `file`; "" when it cannot be read.
std::string bytesOf(const std::filesystem::path& file);

// `text` with every line feed turned into CR LF.
std::string withCrLf(std::string_view text);

#endif
