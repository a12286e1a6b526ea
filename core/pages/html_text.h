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

}  // namespace fjordheim
