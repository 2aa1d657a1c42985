#pragma once

#include "chart/GapColumn.h"
#include "ground/Errors.h"
#include "numeric/Extended.h"

#include <QString>

enum TChartListOrder { loNone, loAscending, loDescending };

// One column of a series (its x or its y values). Values are stored unchanged;
// reading multiplies by Multiplier. An ordered list keeps its order on insertion.
class TChartValueList {
  public:
    TChartValueList(const QString& name, TChartListOrder order);

    QString Name() const { return name_; }
    TChartListOrder Order() const { return order_; }
    void SetOrder(TChartListOrder order) {
        order_ = order;
        inOrder_ = values_.Count() == 0;
    }
    double Multiplier() const { return multiplier_; }
    void SetMultiplier(double multiplier) { multiplier_ = multiplier; }
    bool DateTime() const { return dateTime_; }
    void SetDateTime(bool dateTime) { dateTime_ = dateTime; }

    int Count() const { return values_.Count(); }
    // Value i as read: stored value x Multiplier. Raises ERangeError out of bounds.
    // Inline: a drawing reads every point of every series.
    double Value(int index) const {
        return double(static_cast<TExtended>(Stored(index)) * multiplier_);
    }
    // Value i as stored (what the ordering compares).
    double Stored(int index) const {
        CheckIndex(index, 0, Count() - 1);
        return values_[index];
    }

    // Where `value` goes so that the order holds; equal values go after those
    // already stored. Scans from the end: appending in order costs constant time.
    int InsertionIndex(double value) const;
    // Stores `value` at `index` (0..Count()). Needs room reserved (Reserve) to be
    // sure not to throw.
    void Insert(int index, double value);
    void Reserve(int capacity) { values_.Reserve(capacity); }
    int Capacity() const { return values_.Capacity(); }
    void Clear() {
        values_.Clear();
        inOrder_ = true;
    }

  private:
    QString name_;
    TChartListOrder order_;
    double multiplier_ = 1.0;
    bool dateTime_ = false;
    TGapColumn<double> values_;
    // The stored values are known to be in Order and free of NaN, so the place of a
    // new value can be found by bisection; it is the place the scan would find.
    bool inOrder_ = true;
};
