// Test helper: Shift_JIS bytes from UTF-8 literals, so tests can be written readably.
#pragma once

#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace kz::test {

inline std::string ConvertIconv(std::string_view text, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open");
  std::string in(text), out(text.size() * 4 + 4, '\0');
  char* inp = in.data();
  char* outp = out.data();
  std::size_t inLeft = in.size(), outLeft = out.size();
  const std::size_t rc = iconv(cd, &inp, &inLeft, &outp, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1)) throw std::runtime_error("not convertible");
  out.resize(out.size() - outLeft);
  return out;
}

// UTF-8 to code page 932.
inline std::string Sjis(std::string_view utf8) { return ConvertIconv(utf8, "CP932", "UTF-8"); }
// Code page 932 to UTF-8 (for readable failure messages).
inline std::string Utf8(std::string_view sjis) { return ConvertIconv(sjis, "UTF-8", "CP932"); }

}  // namespace kz::test
