#pragma once

#include <cstdint>
#include <span>

namespace demos {

// What one harmonic at 100 % adds to a frame at most.
inline constexpr double HarmonicFullScale = 2130.0;

// Frame n of harmonics 1, 2, … of the angular step ω at the given amplitudes in percent. Each
// harmonic's term is added to the running value and rounded (ties to even) before the next
// one: rounding the sum once would give other samples.
std::int16_t HarmonicSum(std::span<const std::int16_t> amplitudes, float omega, std::int32_t n);

} // namespace demos
