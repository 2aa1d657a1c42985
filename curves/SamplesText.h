#pragma once

#include "curves/LabSamples.h"

#include <QChar>
#include <QString>

// The names of a lab's three columns: the frequency and the point's two coordinates,
// as the chart's axis letters name them.
struct TSampleColumns {
    QString omega;
    QString x;
    QString y;
};

// A run's samples as text for a spreadsheet or a report: a header row, then one row
// per sample in sampling order (ω, x, y), each branch whole (the D-partition's
// mirrored one after the other), each row ended by a line feed. Numbers
// carry `decimal` as their separator, no grouping, and are the shortest text that
// reads back as exactly the stored double.
//
// For the clipboard: fields separated by tabs.
QString SamplesTabText(const TLabSamples& samples, const TSampleColumns& columns, QChar decimal);
// For a file: fields separated by CsvFieldSeparator(decimal).
QString SamplesCsvText(const TLabSamples& samples, const TSampleColumns& columns, QChar decimal);

// ';' where the decimal separator is a comma (so that the comma stays inside the
// numbers), ',' otherwise.
QChar CsvFieldSeparator(QChar decimal);

// The shortest text that reads back as exactly `value` ("0,1", "-0", "1e-07",
// "0,30000000000000004"), with `decimal` in place of the point.
QString ExactNumberText(double value, QChar decimal);
