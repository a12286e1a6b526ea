#include "core/pages/bookmark_page.h"

#include <algorithm>

#include "core/common/atomic_file.h"
#include "core/common/file_messages.h"
#include "core/common/lines.h"
#include "core/common/text.h"
#include "core/pages/html_text.h"

namespace fjordheim {
namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view LinkStart = "<a href=\"";
constexpr std::string_view LinkEnd = "\">";
constexpr std::string_view TableStartLine = "<table border=\"0\" cellspadding=\"4\" cellspacing=\"5\">";
constexpr std::string_view TableEndLine = "</table>";
constexpr std::string_view HeaderCellStart = "    <th align=\"left\" valign=\"top\">";

// Lines with their own line ends (LF, CR LF or a lone CR), so that a line the program
// does not touch is written back exactly as it was read.
std::vector<std::string> SplitKeepingLineEnds(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\n' && bytes[i] != '\r') continue;
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    lines.emplace_back(bytes.substr(start, i + 1 - start));
    start = i + 1;
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::string_view WithoutLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  return line;
}

bool ContainsIgnoringAsciiCase(std::string_view text, std::string_view part) {
  return UpperAscii(text).find(UpperAscii(part)) != std::string::npos;
}

std::string CollapseBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out += c;
  }
  return out;
}

// The text after the first c; all of it when there is no c.
std::string_view AfterFirst(std::string_view text, char c) {
  const std::size_t at = text.find(c);
  return at == std::string_view::npos ? text : text.substr(at + 1);
}

std::string_view UpTo(std::string_view text, std::string_view stop) { return text.substr(0, text.find(stop)); }

std::string WithoutEvery(std::string_view text, std::string_view part) {
  std::string out;
  for (std::size_t at = 0;;) {
    const std::size_t found = text.find(part, at);
    out.append(text.substr(at, found - at));
    if (found == std::string_view::npos) return out;
    at = found + part.size();
  }
}

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

std::string FromPage(std::string_view bytes) { return UnescapeHtml(Utf8From1252(bytes)); }

std::string ToPage(std::string_view text) { return Cp1252FromUtf8(EscapeHtml(text)); }

// The lines from the begin marker to the end of the page joined with nothing between them,
// as a cell that runs over several lines is read, with every closing tag found once.
class TJoinedLines {
 public:
  TJoinedLines(const std::vector<std::string>& lines, std::size_t first) {
    for (std::size_t i = first; i < lines.size(); ++i) {
      FLineStarts.push_back(FText.size());
      FText += WithoutLineEnd(lines[i]);
    }
    FindAll("</th>", FHeaderCloses);
    FindAll("</td>", FTextCloses);
  }

  // The cell text from its tag at column of line (counted from the first joined line) up
  // to its closing tag or the end of the page; false when it is longer than the limit.
  bool Cell(std::size_t line, std::size_t column, bool header, std::string_view& cell) const {
    const std::size_t start = FLineStarts[line] + column;
    const std::vector<std::size_t>& closes = header ? FHeaderCloses : FTextCloses;
    const auto close = std::lower_bound(closes.begin(), closes.end(), start);
    const std::size_t end = close == closes.end() ? FText.size() : *close;
    const bool withinLimit = end - start <= TBookmarkPage::MaxCellBytes;
    cell = std::string_view(FText).substr(start, withinLimit ? end - start : TBookmarkPage::MaxCellBytes);
    return withinLimit;
  }

 private:
  void FindAll(std::string_view tag, std::vector<std::size_t>& found) const {
    for (std::size_t at = FText.find(tag); at != std::string::npos; at = FText.find(tag, at + 1)) found.push_back(at);
  }

  std::string FText;
  std::vector<std::size_t> FLineStarts;
  std::vector<std::size_t> FHeaderCloses;
  std::vector<std::size_t> FTextCloses;
};

// A header cell: its title, and its link when the title is one.
void ReadHeaderCell(std::string_view cell, std::string& title, std::string& url) {
  const std::string text = CollapseBlanks(cell);
  const std::string_view inner = AfterFirst(text, '>');
  const std::size_t link = inner.find(LinkStart);
  if (link == std::string_view::npos) {
    title = FromPage(inner);
    url.clear();
    return;
  }
  const std::string_view afterStart = inner.substr(link + LinkStart.size());
  url = FromPage(UpTo(afterStart, LinkEnd));
  title = FromPage(WithoutEvery(AfterFirst(inner, '>'), "</a>"));
}

std::string ReadTextCell(std::string_view cell) { return FromPage(AfterFirst(CollapseBlanks(cell), '>')); }

}  // namespace

TBookmarkPage TBookmarkPage::FromBytes(std::string_view bytes) {
  TBookmarkPage page;
  page.FLines = SplitKeepingLineEnds(bytes);
  for (std::size_t i = 0; i < page.FLines.size(); ++i) {
    if (!EqualsIgnoringAsciiCase(page.Content(i), BookmarkBeginMarker)) continue;
    page.FBegin = i;
    page.ReadTable();
    break;
  }
  return page;
}

std::optional<TBookmarkPage> TBookmarkPage::Load(const std::string& path, TMessageSink& sink) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    sink.ShowMessage(CannotReadFileMessage(path));
    return std::nullopt;
  }
  return FromBytes(bytes);
}

std::string_view TBookmarkPage::Content(std::size_t line) const { return WithoutLineEnd(FLines[line]); }

// Titles and texts are gathered as the lines give them and paired by their order; a header
// without a text cell, or the other way round, is paired with an empty one.
void TBookmarkPage::ReadTable() {
  const TJoinedLines joined(FLines, *FBegin);
  std::vector<std::string> titles;
  std::vector<std::string> urls;
  std::vector<std::string> texts;
  for (std::size_t i = *FBegin; i < FLines.size(); ++i) {
    const std::string_view content = Content(i);
    const std::size_t header = content.find("<th");
    const std::size_t text = content.find("<td");
    if (header == std::string_view::npos && text == std::string_view::npos) {
      if (ContainsIgnoringAsciiCase(content, BookmarkEndMarker)) {
        FEnd = i;
        break;
      }
      continue;
    }
    if (titles.size() >= MaxEntries || texts.size() >= MaxEntries) {
      FReadWhole = false;
      break;
    }
    std::string_view cell;
    if (header != std::string_view::npos) {
      FReadWhole &= joined.Cell(i - *FBegin, header, true, cell);
      ReadHeaderCell(cell, titles.emplace_back(), urls.emplace_back());
    }
    if (text != std::string_view::npos) {
      FReadWhole &= joined.Cell(i - *FBegin, text, false, cell);
      texts.push_back(ReadTextCell(cell));
    }
  }
  const std::size_t count = std::max(titles.size(), texts.size());
  titles.resize(count);
  urls.resize(count);
  texts.resize(count);
  for (std::size_t i = 0; i < count; ++i) FEntries.push_back({titles[i], urls[i], texts[i]});
}

bool TBookmarkPage::CanWriteTable() const { return FBegin && FEnd && FReadWhole; }

std::optional<std::string> TBookmarkPage::BytesWithTable(const std::vector<TBookmarkEntry>& entries) const {
  if (!CanWriteTable()) return std::nullopt;
  std::string out;
  for (std::size_t i = 0; i <= *FBegin; ++i) out += FLines[i];
  out += TableBytes(entries);
  for (std::size_t i = *FEnd; i < FLines.size(); ++i) out += FLines[i];
  return out;
}

std::string TBookmarkPage::TableBytes(const std::vector<TBookmarkEntry>& entries) {
  std::string out;
  const auto addLine = [&out](std::string_view line) {
    out += line;
    out += LineEnd;
  };
  addLine(TableStartLine);
  for (const TBookmarkEntry& entry : entries) {
    addLine("<tr>");
    if (entry.Url.empty()) {
      addLine(std::string(HeaderCellStart) + ToPage(entry.Title) + "</th>");
    } else {
      addLine(std::string(HeaderCellStart) + std::string(LinkStart) + ToPage(entry.Url) + std::string(LinkEnd) +
              ToPage(entry.Title) + "</a></th>");
    }
    addLine("        <td>" + ToPage(entry.Text) + "</td>");
    addLine("</tr>");
  }
  addLine(TableEndLine);
  return out;
}

// The line after the section's marker, which holds its content; never the first line.
std::optional<std::size_t> TBookmarkPage::SectionLine(std::string_view name) const {
  const std::string marker = "<!-- SECTION " + Cp1252FromUtf8(name) + " START -->";
  std::size_t found = 1;
  while (found < FLines.size() && !EqualsIgnoringAsciiCase(Content(found), marker)) ++found;
  if (found + 1 >= FLines.size()) return std::nullopt;
  return found + 1;
}

std::optional<std::string> TBookmarkPage::BytesWithSection(std::string_view name, std::string_view text) const {
  const std::optional<std::size_t> contentLine = SectionLine(name);
  if (!contentLine) return std::nullopt;
  const std::size_t found = *contentLine - 1;

  const std::string& line = FLines[found + 1];
  const std::string_view content = Content(found + 1);
  const std::size_t openingEnd = content.find('>');
  if (openingEnd == std::string_view::npos) return std::nullopt;
  const std::size_t closing = content.find("</", openingEnd + 1);
  if (closing == std::string_view::npos) return std::nullopt;

  std::string out;
  for (std::size_t i = 0; i <= found; ++i) out += FLines[i];
  out += content.substr(0, openingEnd + 1);
  out += ToPage(text);
  out += std::string_view(line).substr(closing);
  for (std::size_t i = found + 2; i < FLines.size(); ++i) out += FLines[i];
  return out;
}

std::optional<std::string> TBookmarkPage::BytesWithPicture(std::string_view name, std::string_view source) const {
  const std::optional<std::size_t> line = SectionLine(name);
  if (!line) return std::nullopt;
  constexpr std::string_view SourceStart = "src=\"";
  const std::string& content = FLines[*line];
  const std::size_t start = LowerAscii(content).find(SourceStart);
  if (start == std::string::npos) return std::nullopt;
  const std::size_t value = start + SourceStart.size();
  const std::size_t end = content.find('"', value);
  if (end == std::string::npos) return std::nullopt;
  std::string out;
  for (std::size_t i = 0; i < *line; ++i) out += FLines[i];
  out += content.substr(0, value) + ToPage(source) + content.substr(end);
  for (std::size_t i = *line + 1; i < FLines.size(); ++i) out += FLines[i];
  return out;
}

bool TBookmarkPage::Update(const std::string& path, const std::optional<std::string>& bytes, TMessageSink& sink) {
  if (!bytes) return false;
  if (WriteFileAtomically(path, *bytes)) return true;
  sink.ShowMessage(CannotWriteFileMessage(path));
  return false;
}

bool TBookmarkPage::UpdateSection(const std::string& path, std::string_view name, std::string_view text,
                                  TMessageSink& sink) {
  const std::optional<TBookmarkPage> page = Load(path, sink);
  return page && Update(path, page->BytesWithSection(name, text), sink);
}

bool TBookmarkPage::UpdatePicture(const std::string& path, std::string_view name, std::string_view source,
                                  TMessageSink& sink) {
  const std::optional<TBookmarkPage> page = Load(path, sink);
  return page && Update(path, page->BytesWithPicture(name, source), sink);
}

}  // namespace fjordheim
