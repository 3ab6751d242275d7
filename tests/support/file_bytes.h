// SPDX-License-Identifier: MIT
// Files as the tests compare them: every byte, and texts with the line ends a saved roster has;
// and new folders for the files a test writes.
#ifndef MUSTERWRIGHT_TESTS_SUPPORT_FILE_BYTES_H
#define MUSTERWRIGHT_TESTS_SUPPORT_FILE_BYTES_H

#include <filesystem>
#include <string>
#include <string_view>

// Every byte of `file`; "" when it cannot be read.
std::string bytesOf(const std::filesystem::path& file);

// `text` with every line feed turned into CR LF.
std::string withCrLf(std::string_view text);

// A new, empty folder in the temporary folder, named `prefix` and six random characters, mode
// 755 so that a program run as another user reaches it. Throws filesystem_error when it cannot
// be made.
std::filesystem::path newFolder(const std::string& prefix);

#endif
