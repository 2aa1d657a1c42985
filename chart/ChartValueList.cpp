#include "chart/ChartValueList.h"

#include "ground/Errors.h"

#include <algorithm>
#include <cmath>

TChartValueList::TChartValueList(const QString& name, TChartListOrder order)
    : name_(name), order_(order) {}

namespace {

// Whether `value` may stand between `before` and `after` in the order.
bool Fits(TChartListOrder order, const double* before, double value, const double* after) {
    if (std::isnan(value))
        return false;
    if (order == loAscending)
        return (!before || *before <= value) && (!after || value <= *after);
    return (!before || *before >= value) && (!after || value >= *after);
}

} // namespace

int TChartValueList::InsertionIndex(double value) const {
    const int count = Count();
    if (order_ == loNone || count == 0)
        return count;
    // A lab adding thousands of points in falling x would make the scan below
    // quadratic; on ordered values bisection finds the same place (after every
    // equal value) in logarithmic time.
    if (inOrder_ && !std::isnan(value)) {
        // A curve sampled along its order goes on the end, past the last value (the
        // place the bisection finds too); most points of the labs come so.
        const double last = values_[count - 1];
        if (order_ == loAscending ? !(value < last) : !(value > last))
            return count;
        // The first place whose value the new one goes before (std::upper_bound).
        int low = 0, high = count;
        while (low < high) {
            const int mid = low + (high - low) / 2;
            const double stored = values_[mid];
            const bool before = order_ == loAscending ? value < stored : value > stored;
            if (before)
                high = mid;
            else
                low = mid + 1;
        }
        return low;
    }
    // Scanning from the end makes appending in order cheap, and puts a value after
    // every equal one already stored, so equal values keep their order of arrival.
    int i = count - 1;
    if (order_ == loAscending) {
        while (i >= 0 && values_[i] > value)
            --i;
    } else {
        while (i >= 0 && values_[i] < value)
            --i;
    }
    return i + 1;
}

void TChartValueList::Insert(int index, double value) {
    CheckIndex(index, 0, Count());
    if (order_ != loNone && inOrder_) {
        const double* before = index > 0 ? &values_[index - 1] : nullptr;
        const double* after = index < values_.Count() ? &values_[index] : nullptr;
        inOrder_ = Fits(order_, before, value, after);
    }
    values_.Insert(index, value);
}
