#pragma once

#include <compare>

namespace CorvantisUpdate {

// A release number compared part by part, so 1.0.10 is newer than 1.0.5.
struct Version
{
    int major = 0;
    int minor = 0;
    int patch = 0;

    auto operator<=>(const Version &) const = default;
};

} // namespace CorvantisUpdate
