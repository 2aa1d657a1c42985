#include "chart/ChartValueList.h"

#include "input/Errors.h"

TChartValueList::TChartValueList(const QString& name, TChartListOrder order)
    : name_(name), order_(order) {}

double TChartValueList::Value(int index) const {
    return double(static_cast<long double>(Stored(index)) * multiplier_);
}

double TChartValueList::Stored(int index) const {
    CheckIndex(index, 0, Count() - 1);
    return values_[std::size_t(index)];
}

int TChartValueList::InsertionIndex(double value) const {
    const int count = Count();
    if (order_ == loNone || count == 0)
        return count;
    // Scanning from the end makes appending in order cheap, and puts a value after
    // every equal one already stored, so equal values keep their order of arrival.
    int i = count - 1;
    if (order_ == loAscending) {
        while (i >= 0 && values_[std::size_t(i)] > value)
            --i;
    } else {
        while (i >= 0 && values_[std::size_t(i)] < value)
            --i;
    }
    return i + 1;
}

void TChartValueList::Insert(int index, double value) {
    CheckIndex(index, 0, Count());
    values_.insert(values_.begin() + index, value);
}
