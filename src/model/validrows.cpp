#include "validrows.h"

#include <algorithm>

namespace zef {

std::vector<int> validRows(std::vector<int> rows, int count) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(
        std::remove_if(rows.begin(), rows.end(), [count](int r) { return r < 0 || r >= count; }),
        rows.end());
    return rows;
}

} // namespace zef
