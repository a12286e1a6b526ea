#include "core/pages/html_text.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace fjordheim {
namespace {

constexpr std::array<std::pair<std::string_view, char>, 4> Entities = {{
    {"&amp;", '&'},
    {"&lt;", '<'},
    {"&gt;", '>'},
    {"&quot;", '"'},
}};

}  // namespace

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string UnescapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool replaced = false;
    if (text[i] == '&') {
      for (const auto& [entity, character] : Entities) {
        if (text.substr(i, entity.size()) != entity) continue;
        out += character;
        i += entity.size() - 1;
        replaced = true;
        break;
      }
    }
    if (!replaced) out += text[i];
  }
  return out;
}

namespace {

constexpr std::size_t HeadLimit = 4096;

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return lower;
}

bool StartsWithByteOrderMark(std::string_view page) {
  return page.starts_with("\xEF\xBB\xBF") || page.starts_with("\xFF\xFE") || page.starts_with("\xFE\xFF");
}

}  // namespace

// Only the head is searched, so that the word in a page's text declares nothing.
bool DeclaresCharset(std::string_view page) {
  if (StartsWithByteOrderMark(page)) return true;
  std::string head = LowerAscii(page.substr(0, HeadLimit));
  if (const std::size_t body = head.find("<body"); body != std::string::npos) head.resize(body);
  for (std::size_t meta = head.find("<meta"); meta != std::string::npos; meta = head.find("<meta", meta + 1)) {
    const std::size_t end = head.find('>', meta);
    const std::string_view tag = std::string_view(head).substr(meta, end == std::string::npos ? std::string::npos : end - meta);
    if (tag.find("charset") != std::string_view::npos) return true;
  }
  return false;
}

}  // namespace fjordheim
