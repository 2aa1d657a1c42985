#include "chart/FontCache.h"

TTextCache& TFontCache::Texts(const TChartFont& font) {
    for (const auto& [described, texts] : fonts_)
        if (described == font)
            return *texts;
    // The oldest goes first: only a change of fonts brings a new one.
    if (fonts_.size() == kCapacity)
        fonts_.erase(fonts_.begin());
    fonts_.emplace_back(font, std::make_unique<TTextCache>(font.ToQFont()));
    return *fonts_.back().second;
}
