// SPDX-License-Identifier: MIT
#include "foundation/apstring_stream.h"

std::ostream& operator<<(std::ostream& os, const apstring& str) {
  return os.write(str.c_str(), str.length());
}

std::istream& getline(std::istream& is, apstring& s) {
  s = "";
  // One sentry for the whole line, then the characters straight from the stream buffer: the
  // same states as one unformatted read per character (end of file sets eof and fail, a
  // failed stream yields nothing), without a sentry per character.
  const std::istream::sentry ready(is, true);
  if (!ready) return is;
  std::streambuf* buffer = is.rdbuf();
  for (;;) {
    const std::streambuf::int_type ch = buffer->sbumpc();
    if (std::streambuf::traits_type::eq_int_type(ch, std::streambuf::traits_type::eof())) {
      is.setstate(std::ios::eofbit | std::ios::failbit);
      break;
    }
    if (ch == '\n') break;
    s += std::streambuf::traits_type::to_char_type(ch);
  }
  return is;
}
