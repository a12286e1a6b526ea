#pragma once

#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fjordheim {

class TCatalog;

/// Makes catalog the one every text below is translated through; none (an empty pointer)
/// gives the Bokmål texts as they are written in the program.
void UseCatalog(std::shared_ptr<const TCatalog> catalog);

/// The text in the language of the game. The Bokmål text is its own id, so the Bokmål game
/// needs no catalog, and a text a catalog lacks stays Bokmål rather than empty.
std::string Tr(std::string_view bokmal);

/// Marks a text for the catalogs where it is written (a table of names), to be translated
/// with Tr where it is shown.
constexpr const char* TrMark(const char* bokmal) { return bokmal; }

/// The pattern with its numbered placeholders "{0}" … "{9}" replaced by the arguments; a
/// placeholder without an argument stays as it is, so a faulty translation shows, not crashes.
std::string FillPlaceholders(std::string_view pattern, const std::vector<std::string>& arguments);

/// The text of one argument of a sentence: numbers in digits, texts as they are.
inline std::string PlaceholderText(std::string_view text) { return std::string(text); }
inline std::string PlaceholderText(const char* text) { return std::string(text); }
inline std::string PlaceholderText(const std::string& text) { return text; }
template <std::integral TNumber>
std::string PlaceholderText(TNumber number) {
  return std::to_string(number);
}

/// A whole sentence with numbered placeholders, translated as one: "{0} stelte dyrene; {1}
/// dyr trengte minst {2}." A language may put the placeholders in any order.
template <typename... TArguments>
  requires(sizeof...(TArguments) > 0)
std::string Tr(std::string_view bokmal, const TArguments&... arguments) {
  return FillPlaceholders(Tr(bokmal), {PlaceholderText(arguments)...});
}

/// The form of a sentence for the count n: the catalog's rule for its language, and in
/// Bokmål the singular for exactly one. The placeholders are filled as in Tr; "{0}" is
/// usually the count itself.
std::string TrPlural(std::string_view singular, std::string_view plural, std::int64_t n);

template <typename... TArguments>
  requires(sizeof...(TArguments) > 0)
std::string TrPlural(std::string_view singular, std::string_view plural, std::int64_t n,
                     const TArguments&... arguments) {
  return FillPlaceholders(TrPlural(singular, plural, n), {PlaceholderText(arguments)...});
}

}  // namespace fjordheim
