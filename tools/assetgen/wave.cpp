#include "tools/assetgen/wave.h"

#include <QFile>
#include <QtEndian>
#include <stdexcept>

namespace fjordheim {

namespace {

void AppendU32(QByteArray& bytes, std::uint32_t value) {
  char buffer[4];
  qToLittleEndian(value, buffer);
  bytes.append(buffer, 4);
}

void AppendU16(QByteArray& bytes, std::uint16_t value) {
  char buffer[2];
  qToLittleEndian(value, buffer);
  bytes.append(buffer, 2);
}

std::uint32_t U32At(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<std::uint32_t>(bytes.constData() + at);
}

std::uint16_t U16At(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<std::uint16_t>(bytes.constData() + at);
}

}  // namespace

QByteArray TWave::FileBytes() const {
  const std::uint32_t dataBytes = std::uint32_t(Samples.size() * 2);
  QByteArray bytes;
  bytes.reserve(44 + qsizetype(dataBytes));
  bytes.append("RIFF");
  AppendU32(bytes, 36 + dataBytes);
  bytes.append("WAVEfmt ");
  AppendU32(bytes, 16);
  AppendU16(bytes, 1);
  AppendU16(bytes, std::uint16_t(Channels));
  AppendU32(bytes, std::uint32_t(Rate));
  AppendU32(bytes, std::uint32_t(Rate * Channels * 2));
  AppendU16(bytes, std::uint16_t(Channels * 2));
  AppendU16(bytes, 16);
  bytes.append("data");
  AppendU32(bytes, dataBytes);
  for (std::int16_t sample : Samples) AppendU16(bytes, std::uint16_t(sample));
  return bytes;
}

void TWave::Save(const QString& path) const {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(FileBytes()) < 0)
    throw std::runtime_error("cannot write " + path.toStdString());
}

std::optional<TWave> TWave::Parse(const QByteArray& bytes) {
  if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return std::nullopt;
  std::optional<TWave> wave;
  bool formatSeen = false;
  qsizetype at = 12;
  while (at + 8 <= bytes.size()) {
    const QByteArray id = bytes.mid(at, 4);
    const qsizetype size = qMin<qsizetype>(U32At(bytes, at + 4), bytes.size() - at - 8);
    const qsizetype body = at + 8;
    if (id == "fmt " && size >= 16) {
      if (U16At(bytes, body) != 1 || U16At(bytes, body + 14) != 16) return std::nullopt;
      wave.emplace();
      wave->Channels = U16At(bytes, body + 2);
      wave->Rate = int(U32At(bytes, body + 4));
      if (wave->Channels < 1 || wave->Channels > 2 || wave->Rate <= 0) return std::nullopt;
      formatSeen = true;
    } else if (id == "data" && formatSeen) {
      const qsizetype count = size / 2 / wave->Channels * wave->Channels;
      wave->Samples.resize(std::size_t(count));
      for (qsizetype i = 0; i < count; ++i) wave->Samples[std::size_t(i)] = std::int16_t(U16At(bytes, body + 2 * i));
      return wave;
    }
    at = body + size + (size & 1);
  }
  return std::nullopt;
}

}  // namespace fjordheim
