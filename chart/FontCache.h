#pragma once

#include "chart/ChartFont.h"
#include "chart/TextCache.h"

#include <memory>
#include <utility>
#include <vector>

// The fonts of a chart's font descriptions with their measured and laid-out texts,
// kept while they stay in use: a font built afresh is looked up again in the font
// database when it first measures or draws, and its texts are shaped again.
class TFontCache {
  public:
    // The texts of `font`. The reference holds until a drawing has used more fonts
    // than the cache keeps (a chart uses three).
    TTextCache& Texts(const TChartFont& font);

  private:
    static constexpr std::size_t kCapacity = 8;
    std::vector<std::pair<TChartFont, std::unique_ptr<TTextCache>>> fonts_;
};
