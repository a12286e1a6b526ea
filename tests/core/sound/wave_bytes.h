#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace fjordheim {

inline void PutLe16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

inline void PutLe32(std::string& out, std::uint32_t value) {
  PutLe16(out, value & 0xFFFF);
  PutLe16(out, value >> 16);
}

inline std::string Chunk(const std::string& id, const std::string& body) {
  std::string out = id;
  PutLe32(out, static_cast<std::uint32_t>(body.size()));
  out += body;
  if (body.size() % 2 == 1) out += '\0';
  return out;
}

/// 16-bit samples as little-endian bytes.
inline std::string Pcm16(const std::vector<int>& samples) {
  std::string out;
  for (int s : samples) PutLe16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(s)));
  return out;
}

/// Crafts a wave file; each field can be bent to make a broken one.
struct TWaveBytes {
  std::uint16_t Tag = 1;
  std::uint16_t Channels = 2;
  std::uint32_t Rate = 44100;
  std::uint16_t Bits = 16;
  std::string Data;
  std::string FormatTail;  // bytes after the 16-byte record inside "fmt "
  std::vector<std::pair<std::string, std::string>> ChunksBeforeData;
  std::string RiffId = "RIFF";
  std::string FormType = "WAVE";
  bool WithFormat = true;
  bool WithData = true;

  std::string FormatBody() const {
    std::string body;
    PutLe16(body, Tag);
    PutLe16(body, Channels);
    PutLe32(body, Rate);
    PutLe32(body, Rate * Channels * Bits / 8);
    PutLe16(body, static_cast<std::uint16_t>(Channels * Bits / 8));
    PutLe16(body, Bits);
    return body + FormatTail;
  }

  std::string Bytes() const {
    std::string body = FormType;
    if (WithFormat) body += Chunk("fmt ", FormatBody());
    for (const auto& [id, chunkBody] : ChunksBeforeData) body += Chunk(id, chunkBody);
    if (WithData) body += Chunk("data", Data);
    std::string out = RiffId;
    PutLe32(out, static_cast<std::uint32_t>(body.size()));
    return out + body;
  }
};

}  // namespace fjordheim
