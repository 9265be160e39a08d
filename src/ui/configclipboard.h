#pragma once

#include <cstddef>

class QString;

namespace zef {

class LayoutDocument;

// "Copy to clipboard": the config string of the layout on the clipboard, and
// a message (a warning as well when texts are cut). findings: how many the
// layout check found on the selected device; the message adds the number.
void OnCopyToClipboard(LayoutDocument& document, std::size_t findings = 0);
// "Config string copied to clipboard.", with a sentence on the findings when
// there are any.
QString copiedMessage(std::size_t findings);
// "Load from clipboard": asks, then reads the clipboard's string.
void OnLoadFromClipboard(LayoutDocument& document);

} // namespace zef
