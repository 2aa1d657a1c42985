#include "chart/AxisMinorTicks.h"
#include "numeric/Extended.h"

#include <cmath>

std::vector<int> MinorTickPositions(const std::vector<int>& labels, int count, int pixelStart,
                                    int pixelEnd) {
    std::vector<int> ticks;
    if (labels.size() < 2 || count < 1)
        return ticks;
    auto add = [&](long long position) {
        if (position > pixelStart && position < pixelEnd)
            ticks.push_back(int(position));
    };
    for (std::size_t k = 0; k + 1 < labels.size(); ++k) {
        const int a = labels[k];
        const int b = labels[k + 1];
        for (int j = 1; j <= count; ++j)
            add(b - ExtendedRoundToInteger(static_cast<TExtended>(j) * (b - a) / (count + 1)));
    }
    const int t0 = labels[0];
    const int t1 = labels[1];
    const int last = labels.back();
    for (int j = 1; j <= count; ++j) {
        const long long d =
            ExtendedRoundToInteger(static_cast<TExtended>(t1 - t0) / (count + 1) * j);
        add(t0 - d);
        add(last + d);
    }
    return ticks;
}
