#pragma once

// The preview needs at least 16 bits per pixel; below that the program says so and ends.
constexpr int MinimumDisplayDepth = 16;
