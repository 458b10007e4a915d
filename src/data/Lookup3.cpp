#include "data/Lookup3.h"

#include <algorithm>

namespace miro {

namespace {

constexpr std::uint32_t rot(std::uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

void mix(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c) {
  a -= c; a ^= rot(c, 4);  c += b;
  b -= a; b ^= rot(a, 6);  a += c;
  c -= b; c ^= rot(b, 8);  b += a;
  a -= c; a ^= rot(c, 16); c += b;
  b -= a; b ^= rot(a, 19); a += c;
  c -= b; c ^= rot(b, 4);  b += a;
}

void finalMix(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c) {
  c ^= b; c -= rot(b, 14);
  a ^= c; a -= rot(c, 11);
  b ^= a; b -= rot(a, 25);
  c ^= b; c -= rot(b, 16);
  a ^= c; a -= rot(c, 4);
  b ^= a; b -= rot(a, 14);
  c ^= b; c -= rot(b, 24);
}

// Up to four bytes as a little-endian word, the missing high bytes zero.
std::uint32_t word(const unsigned char* k, std::size_t count) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < count; ++i) v |= static_cast<std::uint32_t>(k[i]) << (8 * i);
  return v;
}

std::size_t part(std::size_t length, std::size_t from) { return length > from ? std::min<std::size_t>(length - from, 4) : 0; }

}  // namespace

void hashLittle2(std::string_view key, std::uint32_t& primary, std::uint32_t& secondary) {
  std::uint32_t a = 0xdeadbeef + static_cast<std::uint32_t>(key.size()) + primary;
  std::uint32_t b = a;
  std::uint32_t c = a + secondary;
  const auto* k = reinterpret_cast<const unsigned char*>(key.data());
  std::size_t length = key.size();
  for (; length > 12; length -= 12, k += 12) {
    a += word(k, 4);
    b += word(k + 4, 4);
    c += word(k + 8, 4);
    mix(a, b, c);
  }
  if (length == 0) {  // nothing left to mix in
    primary = c;
    secondary = b;
    return;
  }
  a += word(k, part(length, 0));
  b += word(k + 4, part(length, 4));
  c += word(k + 8, part(length, 8));
  finalMix(a, b, c);
  primary = c;
  secondary = b;
}

std::uint64_t uopNameHash(std::string_view name) {
  std::uint32_t primary = 0;
  std::uint32_t secondary = 0;
  hashLittle2(name, primary, secondary);
  return (static_cast<std::uint64_t>(secondary) << 32) | primary;
}

}  // namespace miro
