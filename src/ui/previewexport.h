#pragma once

namespace zef {

class LayoutDocument;
class PreviewRenderer;

// File > Export preview as PNG: the device picture with the layout as the
// preview shows it now (night mode, gradients and highlight included), saved
// to a file the user chooses. True when the file was written; a failure is
// told to the user.
bool exportPreviewImage(LayoutDocument& document, PreviewRenderer& renderer);

} // namespace zef
