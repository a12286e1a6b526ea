#include "core/village/human_info.h"

#include <utility>

#include "core/village/village_stream.h"

namespace fjordheim {

THumanInfo THumanInfo::CreateFromStream(TVillageStream& stream) {
  THumanInfo person;
  person.LoadFromStream(stream);
  return person;
}

// Any sex byte is taken as it stands: files may hold one no game writes, and the record
// keeps it unchanged for the next save.
void THumanInfo::LoadFromStream(TVillageStream& stream) {
  const auto sex = static_cast<TSex>(stream.ReadByte());
  const std::uint8_t age = stream.ReadByte();
  std::string name = stream.ReadString();
  const TWorkKind work = stream.ReadWorkKind();
  Sex = sex;
  Age = age;
  Name = std::move(name);
  Work = work;
}

void THumanInfo::SaveToStream(TVillageStream& stream) const {
  stream.WriteByte(static_cast<std::uint8_t>(Sex));
  stream.WriteByte(Age);
  stream.WriteString(Name);
  stream.WriteWorkKind(Work);
}

}  // namespace fjordheim
