#pragma once

#include <string>
#include <string_view>

namespace fjordheim {

/// Writes &, <, > and " as &amp;, &lt;, &gt; and &quot;, so that text the player typed
/// can stand inside a tag or an attribute of the page without changing its structure.
std::string EscapeHtml(std::string_view text);

/// Turns &amp;, &lt;, &gt; and &quot; back into their characters and leaves everything
/// else as it stands, so that pages written before the escaping read as they always did.
std::string UnescapeHtml(std::string_view text);

/// True when the page says how its bytes are to be read: a byte-order mark, or a charset
/// in a meta tag before the body. A page that does not is the game's Windows-1252.
bool DeclaresCharset(std::string_view page);

}  // namespace fjordheim
