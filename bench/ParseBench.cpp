// ParseReal with the store, on short, long and exponent-heavy texts.

#include "ground/ParseReal.h"

#include <benchmark/benchmark.h>

#include <QString>

namespace {

void BM_ParseCoefficient(benchmark::State& state, const char* text) {
    const QString input = QString::fromLatin1(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseCoefficient(input));
}

const QString kTwoHundredDigits = QString(200, QLatin1Char('7'));

void BM_ParseCoefficientLong(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseCoefficient(kTwoHundredDigits));
}

} // namespace

BENCHMARK_CAPTURE(BM_ParseCoefficient, one_digit, "1");
BENCHMARK_CAPTURE(BM_ParseCoefficient, fraction, "-12,375");
BENCHMARK_CAPTURE(BM_ParseCoefficient, exponent, " 6,02214076E23 ");
BENCHMARK(BM_ParseCoefficientLong);
