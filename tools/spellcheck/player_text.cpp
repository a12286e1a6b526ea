#include "tools/spellcheck/player_text.h"

#include <string_view>

#include "core/common/path_resolver.h"
#include "core/common/text.h"

namespace fjordheim {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string BaseName(const std::string& file) {
  const std::size_t slash = file.find_last_of("/\\");
  return FoldFileNameCase(slash == std::string::npos ? file : file.substr(slash + 1));
}

// Lines whose first character marks them as read by the player: the rest of the line.
std::vector<TPlayerLine> MarkedLines(const std::string& file, const std::vector<std::string>& lines,
                                     std::string_view marks) {
  std::vector<TPlayerLine> text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    if (!line.empty() && marks.find(line[0]) != std::string_view::npos)
      text.push_back({file, static_cast<int>(i) + 1, Trim(std::string_view(line).substr(1))});
  }
  return text;
}

std::vector<TPlayerLine> EveryLine(const std::string& file, const std::vector<std::string>& lines) {
  std::vector<TPlayerLine> text;
  for (std::size_t i = 0; i < lines.size(); ++i) text.push_back({file, static_cast<int>(i) + 1, lines[i]});
  return text;
}

// The value of KEY=value lines, the key in any letter case.
std::vector<TPlayerLine> ValuesOf(const std::string& file, const std::vector<std::string>& lines, std::string_view key) {
  std::vector<TPlayerLine> text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    const std::size_t eq = line.find('=');
    if (eq != std::string::npos && UpperAscii(Trim(std::string_view(line).substr(0, eq))) == key)
      text.push_back({file, static_cast<int>(i) + 1, Trim(std::string_view(line).substr(eq + 1))});
  }
  return text;
}

// Inside an event every line is its text but the sound and picture lines; the heading
// line's text is read without its mark.
std::vector<TPlayerLine> EventLines(const std::string& file, const std::vector<std::string>& lines) {
  std::vector<TPlayerLine> text;
  bool inside = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    if (!inside) {
      inside = StartsWith(line, "NODE");
    } else if (UpperAscii(line) == "ENDNODE") {
      inside = false;
    } else if (!StartsWith(line, "+") && !StartsWith(line, "-")) {
      text.push_back({file, static_cast<int>(i) + 1, StartsWith(line, "*") ? Trim(line.substr(1)) : line});
    }
  }
  return text;
}

std::string DecodedEntities(const std::string& text) {
  static const std::pair<std::string_view, std::string_view> entities[] = {
      {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&nbsp;", " "}};
  std::string decoded;
  for (std::size_t i = 0; i < text.size();) {
    bool replaced = false;
    for (const auto& [entity, character] : entities) {
      if (text.compare(i, entity.size(), entity) != 0) continue;
      decoded += character;
      i += entity.size();
      replaced = true;
      break;
    }
    if (!replaced) decoded += text[i++];
  }
  return decoded;
}

// Tags leave blanks where they stood; runs of blanks become one, none at either end.
std::string WithSingleBlanks(const std::string& text) {
  std::string single;
  for (const char c : Trim(text)) {
    const bool blank = static_cast<unsigned char>(c) <= ' ';
    if (!blank) single += c;
    else if (!single.empty() && single.back() != ' ') single += ' ';
  }
  return single;
}

// The quoted value of an attribute of a tag ("alt", "title"), empty when it has none.
std::string AttributeOf(const std::string& tag, std::string_view name) {
  const std::string folded = FoldFileNameCase(tag);
  const std::string wanted = " " + std::string(name) + "=\"";
  const std::size_t at = folded.find(wanted);
  if (at == std::string::npos) return {};
  const std::size_t start = at + wanted.size();
  const std::size_t stop = tag.find('"', start);
  return stop == std::string::npos ? std::string() : tag.substr(start, stop - start);
}

std::string TagName(const std::string& tag) {
  std::size_t end = 1;
  while (end < tag.size() && tag[end] != ' ' && tag[end] != '>' && tag[end] != '\t') ++end;
  return FoldFileNameCase(tag.substr(1, end - 1));
}

// A page's text outside its tags, with the captions of its pictures and links; what
// stands in a style sheet or a script is never shown, and commands, file names and
// settings keys are written as code, which is no Norwegian. A tag may run over several lines.
std::vector<TPlayerLine> PageLines(const std::string& file, const std::vector<std::string>& lines) {
  std::vector<TPlayerLine> text;
  std::string tag;
  bool inTag = false;
  std::string hiddenUntil;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string shown;
    for (const char c : lines[i]) {
      if (!inTag && c == '<') {
        inTag = true;
        tag.clear();
      }
      if (inTag) {
        tag += c;
        if (c != '>') continue;
        inTag = false;
        const std::string name = TagName(tag);
        if (!hiddenUntil.empty()) {
          if (name == hiddenUntil) hiddenUntil.clear();
          continue;
        }
        if (name == "style" || name == "script" || name == "code") hiddenUntil = "/" + name;
        for (const char* attribute : {"alt", "title"}) shown += " " + AttributeOf(tag, attribute);
        shown += ' ';
      } else if (hiddenUntil.empty()) {
        shown += c;
      }
    }
    const std::string line = WithSingleBlanks(DecodedEntities(shown));
    if (!line.empty()) text.push_back({file, static_cast<int>(i) + 1, line});
  }
  return text;
}

}  // namespace

std::vector<TPlayerLine> PlayerTextOf(const std::string& file, const std::vector<std::string>& lines) {
  const std::string name = BaseName(file);
  if (EndsWith(name, ".htm") || EndsWith(name, ".html")) return PageLines(file, lines);
  if (name == "advice.txt") return MarkedLines(file, lines, "+");
  if (EndsWith(name, ".dec")) return MarkedLines(file, lines, "-*");
  if (EndsWith(name, ".que")) return EveryLine(file, lines);
  if (name == "catasts.txt") return EventLines(file, lines);
  if (name == "popup.txt") return ValuesOf(file, lines, "TEXT");
  if (name == "tunstad.ini") return ValuesOf(file, lines, "NAME");
  return {};
}

}  // namespace fjordheim
