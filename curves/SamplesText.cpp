#include "curves/SamplesText.h"

#include "numeric/DecimalText.h"

namespace {

QString SamplesText(const TLabSamples& samples, const TSampleColumns& columns, QChar decimal,
                    QChar field) {
    QString text = columns.omega + field + columns.x + field + columns.y + QLatin1Char('\n');
    // About 25 characters a number: a long run is written without regrowing.
    text.reserve(text.size() + qsizetype(samples.Size()) * 3 * 26);
    // The D-partition samples its two branches in turns; a spreadsheet's line chart
    // wants each branch whole: the positive frequencies first, then the mirror.
    for (const bool mirrored : {false, true}) {
        for (const TLabSample& sample : samples.All()) {
            if (sample.mirrored != mirrored)
                continue;
            text += ExactNumberText(sample.omega, decimal);
            text += field;
            text += ExactNumberText(sample.x, decimal);
            text += field;
            text += ExactNumberText(sample.y, decimal);
            text += QLatin1Char('\n');
        }
    }
    return text;
}

} // namespace

QString SamplesTabText(const TLabSamples& samples, const TSampleColumns& columns, QChar decimal) {
    return SamplesText(samples, columns, decimal, QLatin1Char('\t'));
}

QString SamplesCsvText(const TLabSamples& samples, const TSampleColumns& columns, QChar decimal) {
    return SamplesText(samples, columns, decimal, CsvFieldSeparator(decimal));
}

QChar CsvFieldSeparator(QChar decimal) {
    return decimal == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
}

QString ExactNumberText(double value, QChar decimal) {
    // The shortest text that reads back as the same double, fixed or with an exponent,
    // whichever is shorter.
    QString text = QString::fromStdString(ShortestDecimalText(value));
    text.replace(QLatin1Char('.'), decimal);
    return text;
}
