#include "chart/FontCache.h"

QFont TFontCache::Get(const TChartFont& font) {
    for (const auto& [described, built] : fonts_)
        if (described == font)
            return built;
    // The oldest goes first; a drawing uses at most three at a time.
    if (fonts_.size() == kCapacity)
        fonts_.erase(fonts_.begin());
    fonts_.emplace_back(font, font.ToQFont());
    return fonts_.back().second;
}
