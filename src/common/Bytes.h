#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>

namespace miro {

using Bytes = std::span<const std::uint8_t>;

// Little-endian reads that refuse to look outside `bytes`.
inline bool fits(Bytes bytes, std::uint64_t at, std::uint64_t count) {
  return at <= bytes.size() && count <= bytes.size() - at;
}

inline std::uint16_t u16Unchecked(Bytes bytes, std::size_t at) {
  if constexpr (std::endian::native == std::endian::little) {
    std::uint16_t v;
    std::memcpy(&v, bytes.data() + at, sizeof v);
    return v;
  }
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

inline std::uint32_t u32Unchecked(Bytes bytes, std::size_t at) {
  if constexpr (std::endian::native == std::endian::little) {
    std::uint32_t v;
    std::memcpy(&v, bytes.data() + at, sizeof v);
    return v;
  }
  return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
         (static_cast<std::uint32_t>(bytes[at + 2]) << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

inline std::optional<std::uint16_t> u16At(Bytes bytes, std::uint64_t at) {
  if (!fits(bytes, at, 2)) return std::nullopt;
  return u16Unchecked(bytes, static_cast<std::size_t>(at));
}

inline std::optional<std::uint32_t> u32At(Bytes bytes, std::uint64_t at) {
  if (!fits(bytes, at, 4)) return std::nullopt;
  return u32Unchecked(bytes, static_cast<std::size_t>(at));
}

inline void appendU16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

inline void appendU32(std::string& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((v >> shift) & 0xFF);
}

inline Bytes asBytes(std::string_view s) { return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()}; }

}  // namespace miro
