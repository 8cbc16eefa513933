#include "workspace/safe_scheme.h"

#include <algorithm>
#include <array>

bool IsSafeTransparent(int element) {
    static constexpr std::array<int, 20> SafeTransparentElements = {
        1, 4, 5, 17, 19, 22, 23, 24, 28, 29, 33, 34, 35, 37, 38, 43, 44, 45, 46, 48};
    return std::find(SafeTransparentElements.begin(), SafeTransparentElements.end(), element) !=
           SafeTransparentElements.end();
}
