#pragma once
// Which help page F1 opens over a window, and What's This over a control that has no text
// of its own: each dialog and sheet page has its section.
#include <string>
#include <string_view>

namespace vorla::app {

// The page (with its section, "editing.html#brothers") for a window of that class name
// (namespace and all, as Qt names it); the contents for any other window.
std::string help_page_for(std::string_view window_class);

}  // namespace vorla::app
