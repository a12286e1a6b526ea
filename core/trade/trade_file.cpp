#include "core/trade/trade.h"

#include <array>
#include <cstdint>

#include "core/common/byte_stream.h"

namespace fjordheim {
namespace {

constexpr const char* DamagedRecordMessage = "Det er feil eller skade på filen";
constexpr std::size_t CountsBytes = 2 * GoodsKindCount;

using TCountBytes = std::array<std::uint8_t, CountsBytes>;

TCountBytes ToBytes(const TGoodsCounts& counts) {
  TCountBytes bytes{};
  for (int kind = 0; kind < GoodsKindCount; ++kind) {
    bytes[2 * kind] = static_cast<std::uint8_t>(counts[kind]);
    bytes[2 * kind + 1] = static_cast<std::uint8_t>(counts[kind] >> 8);
  }
  return bytes;
}

TGoodsCounts FromBytes(const TCountBytes& bytes) {
  TGoodsCounts counts{};
  for (int kind = 0; kind < GoodsKindCount; ++kind) {
    counts[kind] = static_cast<std::uint16_t>(bytes[2 * kind] | (bytes[2 * kind + 1] << 8));
  }
  return counts;
}

TGoodsCounts ReadCounts(TByteStream& stream) {
  TCountBytes bytes{};
  if (stream.Read(bytes.data(), bytes.size()) != bytes.size()) throw ETradeError(DamagedRecordMessage);
  return FromBytes(bytes);
}

void WriteCounts(TByteStream& stream, const TGoodsCounts& counts) {
  const TCountBytes bytes = ToBytes(counts);
  if (stream.Write(bytes.data(), bytes.size()) != bytes.size()) throw ETradeError(DamagedRecordMessage);
}

}  // namespace

void TTrade::LoadFromStream(TByteStream& stream) {
  const TGoodsCounts goods = ReadCounts(stream);
  const TGoodsCounts demands = ReadCounts(stream);
  Goods = goods;
  Demands = demands;
}

void TTrade::SaveToStream(TByteStream& stream) const {
  WriteCounts(stream, Goods);
  WriteCounts(stream, Demands);
}

}  // namespace fjordheim
