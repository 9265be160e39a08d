#pragma once

#include <vector>

namespace zef {

// The rows of a list of `count` lines that name a line: ascending, each once,
// those outside 0..count-1 left out.
std::vector<int> validRows(std::vector<int> rows, int count);

} // namespace zef
