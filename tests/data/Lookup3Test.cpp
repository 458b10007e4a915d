#include <gtest/gtest.h>

#include <random>

#include "data/Lookup3.h"

namespace miro {
namespace {

// lookup3's hashlittle2 written out byte by byte, as in its reference source.
std::pair<std::uint32_t, std::uint32_t> referenceHashLittle2(std::string_view key, std::uint32_t pc, std::uint32_t pb) {
  auto rot = [](std::uint32_t x, int k) { return (x << k) | (x >> (32 - k)); };
  std::uint32_t a, b, c;
  a = b = c = 0xdeadbeef + static_cast<std::uint32_t>(key.size()) + pc;
  c += pb;
  const auto* k = reinterpret_cast<const std::uint8_t*>(key.data());
  std::size_t length = key.size();
  while (length > 12) {
    a += k[0] + (std::uint32_t(k[1]) << 8) + (std::uint32_t(k[2]) << 16) + (std::uint32_t(k[3]) << 24);
    b += k[4] + (std::uint32_t(k[5]) << 8) + (std::uint32_t(k[6]) << 16) + (std::uint32_t(k[7]) << 24);
    c += k[8] + (std::uint32_t(k[9]) << 8) + (std::uint32_t(k[10]) << 16) + (std::uint32_t(k[11]) << 24);
    a -= c; a ^= rot(c, 4); c += b;
    b -= a; b ^= rot(a, 6); a += c;
    c -= b; c ^= rot(b, 8); b += a;
    a -= c; a ^= rot(c, 16); c += b;
    b -= a; b ^= rot(a, 19); a += c;
    c -= b; c ^= rot(b, 4); b += a;
    length -= 12;
    k += 12;
  }
  switch (length) {
    case 12: c += std::uint32_t(k[11]) << 24; [[fallthrough]];
    case 11: c += std::uint32_t(k[10]) << 16; [[fallthrough]];
    case 10: c += std::uint32_t(k[9]) << 8; [[fallthrough]];
    case 9: c += k[8]; [[fallthrough]];
    case 8: b += std::uint32_t(k[7]) << 24; [[fallthrough]];
    case 7: b += std::uint32_t(k[6]) << 16; [[fallthrough]];
    case 6: b += std::uint32_t(k[5]) << 8; [[fallthrough]];
    case 5: b += k[4]; [[fallthrough]];
    case 4: a += std::uint32_t(k[3]) << 24; [[fallthrough]];
    case 3: a += std::uint32_t(k[2]) << 16; [[fallthrough]];
    case 2: a += std::uint32_t(k[1]) << 8; [[fallthrough]];
    case 1: a += k[0]; break;
    case 0: return {c, b};
  }
  c ^= b; c -= rot(b, 14);
  a ^= c; a -= rot(c, 11);
  b ^= a; b -= rot(a, 25);
  c ^= b; c -= rot(b, 16);
  a ^= c; a -= rot(c, 4);
  b ^= a; b -= rot(a, 14);
  c ^= b; c -= rot(b, 24);
  return {c, b};
}

std::pair<std::uint32_t, std::uint32_t> hash(std::string_view key, std::uint32_t pc = 0, std::uint32_t pb = 0) {
  hashLittle2(key, pc, pb);
  return {pc, pb};
}

TEST(Lookup3, HashLittle2_GivesTheReferenceValues) {
  EXPECT_EQ(hash(""), std::make_pair(0xdeadbeefu, 0xdeadbeefu));
  EXPECT_EQ(hash("Four score and seven years ago").first, 0x17770551u);
  EXPECT_EQ(hash("Four score and seven years ago", 1).first, 0xcd628161u);
}

TEST(Lookup3, HashLittle2_AgreesWithTheBytewiseReferenceForEveryLength) {
  std::mt19937 random(5);
  std::string key;
  for (int length = 0; length <= 40; ++length) {
    for (const std::uint32_t seed : {0u, 1u, 0xdeadbeefu}) {
      EXPECT_EQ(hash(key, seed, seed ^ 7), referenceHashLittle2(key, seed, seed ^ 7)) << length;
    }
    key += static_cast<char>(random());
  }
}

TEST(Lookup3, UopNameHash_JoinsTheTwoOutputs) {
  for (const char* name : {"build/gumpartlegacymul/00000000.tga", "build/gumpartlegacymul/00050412.tga",
                           "build/gumpartlegacymul/00060000.tga"}) {
    const auto [primary, secondary] = referenceHashLittle2(name, 0, 0);
    EXPECT_EQ(uopNameHash(name), (std::uint64_t(secondary) << 32) | primary) << name;
  }
}

}  // namespace
}  // namespace miro
