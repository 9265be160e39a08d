#pragma once

namespace zef {

class LayoutDocument;

// "Copy to clipboard": the config string of the layout on the clipboard, and
// a message (a warning as well when texts are cut).
void OnCopyToClipboard(LayoutDocument& document);
// "Load from clipboard": asks, then reads the clipboard's string.
void OnLoadFromClipboard(LayoutDocument& document);

} // namespace zef
