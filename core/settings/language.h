#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace fjordheim {

class TCatalog;

/// The languages the game speaks. Bokmål is the game's own: its texts are the program's.
enum class TLanguageCode { Bokmal, Nynorsk, English };

/// The choices of the title, in the order they stand there.
inline constexpr std::array<TLanguageCode, 3> GameLanguages{TLanguageCode::Bokmal, TLanguageCode::Nynorsk,
                                                            TLanguageCode::English};

/// The language the game speaks in this run: its catalog for the program's texts and the
/// folder of its data set. Made at start and made again when the player chooses another.
class TLanguage {
 public:
  /// Bokmål, with no catalog.
  TLanguage() = default;
  /// The language with its catalog read from catalogFolder (which holds one folder per
  /// tag); a missing catalog leaves the program's texts in Bokmål.
  TLanguage(TLanguageCode code, const std::string& catalogFolder);

  TLanguageCode Code() const { return FCode; }
  /// The catalog; empty for Bokmål.
  const std::shared_ptr<const TCatalog>& Catalog() const { return FCatalog; }
  /// The folder of the language's own data set, below the data set's folder, ending with a
  /// separator: empty for Bokmål, whose data set is the data set itself.
  std::string DataFolder() const;
  /// Makes this language's catalog the one every text is translated through.
  void Use() const;

 private:
  TLanguageCode FCode = TLanguageCode::Bokmal;
  std::shared_ptr<const TCatalog> FCatalog;
};

/// "nb", "nn", "en": the settings' value and the name of the catalog's and data set's folder.
std::string_view LanguageTag(TLanguageCode code);
/// The language's name in itself, as the title offers it: "Bokmål", "Nynorsk", "English".
std::string_view LanguageOwnName(TLanguageCode code);

/// The language a tag or a locale name names ("nn", "nn_NO.UTF-8", "en_GB", "no", "nb_NO");
/// none for any other ("de_DE", "C").
std::optional<TLanguageCode> LanguageOfName(std::string_view name);

/// The desktop's language as Linux programs find it: the first language of LANGUAGE (a list
/// "nn:nb:en") that the game speaks, else the first of LC_ALL, LC_MESSAGES and LANG that is
/// set; none when none of them names a language of the game. The environment is read
/// through getValue (std::getenv in the program), so that tests give their own.
std::optional<TLanguageCode> DesktopLanguage(const std::function<const char*(const char*)>& getValue);

}  // namespace fjordheim
