#pragma once

#include "model/side_settings.h"

#include <algorithm>
#include <array>

// Check values written as the digits that files hold: checks({0, 1, 2}).
template <std::size_t N> std::array<vornelle::CheckValue, N> checks(const int (&values)[N]) {
    std::array<vornelle::CheckValue, N> out;
    std::ranges::transform(values, out.begin(), [](int v) { return vornelle::CheckValue(v); });
    return out;
}
