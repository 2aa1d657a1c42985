#pragma once

#include "chart/ChartFont.h"

#include <QFont>

#include <utility>
#include <vector>

// The QFonts of a chart's font descriptions, kept while they stay in use. A font built
// afresh is looked up again in the font database, with its fallbacks, the first time
// it measures or draws text; that was most of the time of a chart's drawing. A kept
// font holds on to what the lookup found.
class TFontCache {
  public:
    // The font of `font`, built once. A copy, which shares what the kept one found.
    QFont Get(const TChartFont& font);

    int Size() const { return int(fonts_.size()); }

  private:
    // A chart uses three fonts (title, two axes); a few more cover changes between
    // drawings without growing for ever.
    static constexpr std::size_t kCapacity = 8;
    std::vector<std::pair<TChartFont, QFont>> fonts_;
};
