#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QTextStream;

namespace zef {

struct Catalogs;

// --render FILE.xml --output OUT.png: the preview of a layout file as the
// window paints it, written as PNG. Pixel (0, 0) is the top-left corner of the
// device picture; the image is as large as the picture and at least as large
// as the screen with its frame.
struct RenderOptions {
    QString layoutPath;
    QString outputPath;
    bool nightMode = false;       // --night
    bool showDcGradient = false;  // --gradient
    bool widestValues = false;    // --widest: values with their widest digits
    bool outlineFindings = false; // --findings: outline what the layout check finds
    std::optional<int> highlight; // --highlight INDEX: that element in red, selected
    int repeat = 1;               // --repeat N: paint N times, print the median time
    QString programDir;           // where device pictures may be found besides the resources
};

// Returns 0 when the PNG was written; 1 after a message on err when the layout
// cannot be loaded, names no device or the image cannot be written; 2 for
// arguments out of range. With repeat > 1 prints "median X.XXX ms" on err.
int renderLayout(const Catalogs& catalogs, const RenderOptions& options, QTextStream& err);

} // namespace zef
