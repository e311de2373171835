#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tarrowin::fuzz {

// A property that must hold for every input. Unlike assert it stays on in
// optimised builds, and it names the broken property before libFuzzer saves
// the input that broke it.
inline void require(bool holds, std::string_view property, std::string_view detail = "")
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %.*s\n  %.*s\n", static_cast<int>(property.size()), property.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

}  // namespace tarrowin::fuzz
