#pragma once

#include <cstdint>

// Colours as the chart stores them and the labs' runs hand them over: 32 bits laid
// out 0x00BBGGRR. The two values with bits above the colour bytes are markers, not
// colours. Plain values, so that a run can name its colours without the toolkit.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clWhite = 0xFFFFFF;
// Stands for the series' own colour; resolved only when a point is drawn.
inline constexpr TColor clDefault = 0x20000000;
// Marks a point that is not drawn.
inline constexpr TColor clNone = 0x1FFFFFFF;
