// Runs the root finder and the three plotting labs over seeded random coefficients
// and prints, per case, a fingerprint of everything the run produced: every number
// bit for bit, the texts and the error. Built once with the hardware's extended type
// and once with the software type, the two outputs must be the same line for line
// (scripts/compare-extended-builds.sh); the analysis of each case's coefficients, as its
// window shows it, is part of the record. A case given as a last argument prints its
// whole record instead, to show where two builds part. Each line ends with 1 when the
// case got as far as its computation (the root search, a plotting lab's first sample)
// and 0 when it stopped before (a notice, a conversion error, a fault at the first
// store): a comparison of cases that all stop early compares nothing.

#include "curves/AxisRange.h"
#include "curves/DPartitionRun.h"
#include "curves/FieldTexts.h"
#include "curves/HodographRun.h"
#include "curves/NyquistRun.h"
#include "ground/Errors.h"
#include "ground/FloatEnv.h"
#include "ground/ParseReal.h"
#include "ground/Regional.h"
#include "numeric/DecimalText.h"
#include "reports/DPartitionReport.h"
#include "reports/HodographReport.h"
#include "reports/NyquistReport.h"
#include "reports/RootLabReport.h"
#include "roots/RootFinder.h"
#include "roots/RootLabRun.h"
#include "roots/RootReport.h"
#include "tests/support/FakePlotTarget.h"

#include <QCoreApplication>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <typeinfo>

namespace {

// The record of one case: appended text, hashed as it grows.
class TRecord {
  public:
    explicit TRecord(bool keep) : keep_(keep) {}
    void Add(const std::string& item) {
        for (const unsigned char c : item)
            Mix(c);
        Mix('\n');
        if (keep_)
            text_ += item + "\n";
    }
    // Only the bits count; the text (the slow part) is written for a record kept.
    void AddNumber(const char* what, double value) {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        for (const char* c = what; *c; ++c)
            Mix(static_cast<unsigned char>(*c));
        for (int shift = 0; shift < 64; shift += 8)
            Mix(static_cast<unsigned char>(bits >> shift));
        if (keep_) {
            char line[80];
            std::snprintf(line, sizeof line, "%s %016" PRIx64 " ", what, bits);
            // As "%.17g" writes it, but never in the C library's locale (the toolkit sets
            // it from the environment; a Russian one writes a comma).
            text_ += line + GeneralDecimalText(value, 17) + "\n";
        }
    }
    std::uint64_t Hash() const { return hash_; }
    const std::string& Text() const { return text_; }

  private:
    void Mix(unsigned char c) { hash_ = (hash_ ^ c) * 0x100000001b3ull; }

    bool keep_;
    std::uint64_t hash_ = 0xcbf29ce484222325ull;
    std::string text_;
};

// The chart stand-in of the tests, with every call that reaches it recorded: its axes
// start at 0..0 and refuse a write across the other end as the chart does, so a run
// here takes the way it takes in the window.
class TRecordingTarget : public FakePlotTarget {
  public:
    explicit TRecordingTarget(TRecord& record) : record_(record) {}
    void ClearPoints(PlotSeries series) override {
        record_.Add("clear " + Name(series));
        FakePlotTarget::ClearPoints(series);
    }
    void AddPoint(PlotSeries series, double x, double y, PlotColor colour) override {
        record_.Add("point " + Name(series) + " " + std::to_string(int(colour)));
        record_.AddNumber("x", x);
        record_.AddNumber("y", y);
        FakePlotTarget::AddPoint(series, x, y, colour);
    }
    void AddSample(PlotSeries series, double omega, double x, double y, PlotColor colour) override {
        record_.AddNumber("omega", omega);
        FakePlotTarget::AddSample(series, omega, x, y, colour);
    }
    void SetMinimum(PlotAxis axis, double value) override {
        record_.AddNumber(axis == PlotAxis::Bottom ? "bottom min" : "left min", value);
        FakePlotTarget::SetMinimum(axis, value);
    }
    void SetMaximum(PlotAxis axis, double value) override {
        record_.AddNumber(axis == PlotAxis::Bottom ? "bottom max" : "left max", value);
        FakePlotTarget::SetMaximum(axis, value);
    }
    void ShowNotice(const QString& text) override {
        record_.Add("notice " + text.toStdString());
        FakePlotTarget::ShowNotice(text);
    }

  private:
    static std::string Name(PlotSeries series) { return std::to_string(int(series)); }

    TRecord& record_;
};

// Random numbers from the generator's own output, which the standard fixes bit for bit;
// the library's distributions are not fixed, and the builds compared (another C++
// library among them) must draw the same coefficients. For the same reason every draw
// is a statement of its own: the operands of one expression are evaluated in an order
// each compiler chooses (GCC's and clang's differ).
std::uint64_t Below(std::mt19937_64& random, std::uint64_t bound) {
    return random() % bound;
}

// `count` decimal digits drawn evenly, leading zeros kept.
std::string DigitsText(std::mt19937_64& random, int count) {
    std::string digits;
    for (int i = 0; i < count; ++i)
        digits += char('0' + Below(random, 10));
    return digits;
}

std::string SignText(std::mt19937_64& random) {
    return Below(random, 2) ? "" : "-";
}

// An integer from -10 to 10, as text.
std::string SmallIntegerText(std::mt19937_64& random) {
    return std::to_string(static_cast<long long>(Below(random, 21)) - 10);
}

// A number below 100 in magnitude with three decimals, as text: the digits are drawn as
// digits, so no floating-point formatting is involved.
std::string DecimalText(std::mt19937_64& random) {
    const std::string sign = SignText(random);
    const std::string whole = std::to_string(Below(random, 100));
    return sign + whole + "." + DigitsText(random, 3);
}

// A magnitude between 10^lowest and 10^(highest + 1), its exponent drawn evenly, as the
// text of a mantissa with 15 decimals and a decimal exponent.
std::string RandomMagnitude(std::mt19937_64& random, int lowest, int highest) {
    const int exponent = lowest + int(Below(random, std::uint64_t(highest - lowest + 1)));
    const std::string sign = SignText(random);
    const std::string first = std::to_string(1 + Below(random, 9));
    return sign + first + "." + DigitsText(random, 15) + "e" + std::to_string(exponent);
}

// Coefficients as a student might type them and as nobody would: small integers,
// decimals, zeros, and, more rarely, magnitudes over the whole double range (a run
// with one of those mostly ends at its first store, and most cases must get as far
// as their computation to compare anything).
std::string RandomCoefficient(std::mt19937_64& random) {
    const std::uint64_t kind = Below(random, 16);
    if (kind < 5)
        return SmallIntegerText(random);
    if (kind < 10)
        return DecimalText(random);
    if (kind < 12)
        return "0";
    if (kind < 15)
        return RandomMagnitude(random, -8, 7);
    return RandomMagnitude(random, -320, 307);
}

QStringList RandomTexts(std::mt19937_64& random, int count) {
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QString::fromStdString(RandomCoefficient(random));
    return texts;
}

// The hodograph lab plots only what passes its stability test, a0·a3 < a1·a2: most cases
// are turned round to pass it ((a0, a1, a2, a3) to (a1, a0, a3, a2) swaps the two
// products), the rest are left to meet the notices.
QStringList MostlyPassingTheStabilityTest(std::mt19937_64& random, QStringList texts) {
    if (Below(random, 10) == 0)
        return texts;
    const TExtended p0 =
        static_cast<TExtended>(ParseCoefficient(texts[0])) * ParseCoefficient(texts[3]);
    const TExtended p1 =
        static_cast<TExtended>(ParseCoefficient(texts[1])) * ParseCoefficient(texts[2]);
    if (p0 >= p1)
        texts = QStringList{texts[1], texts[0], texts[3], texts[2]};
    return texts;
}

void RunRoots(const QStringList& texts, TRecord& record) {
    RequireFieldTexts(texts, kRootsFieldCount);
    double a[kRootsFieldCount];
    for (int k = 0; k < kRootsFieldCount; ++k)
        a[k] = ParseCoefficient(texts[k]);
    RunRootSearch(a[0], a[1], a[2], a[3]);
    record.Add("status " + std::to_string(int(Status)) + " roots " + std::to_string(RootCount));
    for (int k = 1; k <= RootCount && k <= 3; ++k) {
        record.AddNumber("re", Roots[k].Re);
        record.AddNumber("im", Roots[k].Im);
    }
    const TNumberSeparators separators{QLatin1Char(','), QString()};
    for (const QString& line :
         RootReportLines(Status, RootCount, Roots, IterationLimit, separators))
        record.Add(line.toStdString());
}

// The analysis of the case's coefficients, as the lab's analysis window shows it at the
// lab's own range: every number it states is compared too. Texts that do not read give
// none, as in the window.
void RecordAnalysis(const std::string& lab, const QStringList& texts, TRecord& record) {
    TAnalysisReport report;
    try {
        if (lab == "roots") {
            double a[kRootsFieldCount];
            for (int k = 0; k < kRootsFieldCount; ++k)
                a[k] = ParseCoefficient(texts[k]);
            const TRootLabCoefficients c{a[0], a[1], a[2], a[3]};
            std::vector<TFoundRoot> roots;
            for (int k = 1; k <= RootCount && k <= 3; ++k)
                roots.push_back({Roots[k].Re, Roots[k].Im});
            report = RootLabReport(c, AnalyseRootLab(c), roots, Status == rsOk);
        } else if (lab == "hodograph") {
            const auto a = ReadHodographFields(texts);
            const TCharacteristicCoefficients c{a[0], a[1], a[2], a[3]};
            report = HodographReport(c, AnalyseMikhailov(c), kHodographFrequencies.upper);
        } else if (lab == "nyquist") {
            const auto v = ReadNyquistFields(texts);
            const TOpenLoopCoefficients c{v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
            report = NyquistReport(c, AnalyseNyquist(c), kNyquistFrequencies.upper);
        } else {
            const auto a = ReadDPartitionFields(texts);
            const TCharacteristicCoefficients c{a[0], a[1], a[2], a[3]};
            report = DPartitionReport(c, AnalyseDPartition(c), kDPartitionFrequencies.upper);
        }
    } catch (const std::exception&) {
        ResetFloatEnvironment();
        return;
    }
    record.Add(report.Text().toStdString());
    for (const TMarkedPoint& point : report.points) {
        record.AddNumber("mark x", point.x);
        record.AddNumber("mark y", point.y);
    }
    record.AddNumber("suggested", report.suggestedUpperFrequency);
}

// Runs one case as its window runs it, after the empty-field check; returns whether the
// run got as far as its computation (the root search, or a plotting lab's first sample).
bool RunCase(const std::string& lab, const QStringList& texts, TRecord& record) {
    record.Add(texts.join(QLatin1Char(' ')).toStdString());
    ClearFloatFlags();
    TRecordingTarget target(record);
    bool searched = false;
    try {
        const auto resetAxes = [&target] { ResetAxes(target); };
        if (lab == "roots") {
            RunRoots(texts, record);
            searched = true;
        } else if (lab == "hodograph") {
            RunHodograph(texts, target, resetAxes);
        } else if (lab == "nyquist") {
            RunNyquist(texts, target, resetAxes);
        } else {
            RunDPartition(texts, target, resetAxes);
        }
        record.Add("done");
    } catch (const std::logic_error& error) {
        // A wiring mistake of this tool, not a result to compare: stop at once.
        std::fprintf(stderr, "%s: %s\n", lab.c_str(), error.what());
        std::exit(3);
    } catch (const std::exception& error) {
        record.Add(std::string("error ") + typeid(error).name() + " " + error.what());
        ResetFloatEnvironment();
    }
    RecordAnalysis(lab, texts, record);
    return searched || !target.samples.Empty();
}

// The number of texts a lab's run reads: the lab's own count.
int FieldCount(const std::string& lab) {
    if (lab == "roots")
        return kRootsFieldCount;
    if (lab == "hodograph")
        return kHodographFieldCount;
    if (lab == "nyquist")
        return kNyquistFieldCount;
    return kDPartitionFieldCount;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s roots|hodograph|nyquist|dpartition <count> <seed> [case]\n",
                     argv[0]);
        return 2;
    }
    QCoreApplication application(argc, argv);
    SetRegionalSeparators(QLatin1Char('.'), QString());
    ResetFloatEnvironment();
    const std::string lab = argv[1];
    const long count = std::atol(argv[2]);
    const long only = argc > 4 ? std::atol(argv[4]) : -1;
    std::mt19937_64 random(std::strtoull(argv[3], nullptr, 10));
    for (long i = 0; i < count; ++i) {
        QStringList texts = RandomTexts(random, FieldCount(lab));
        if (lab == "hodograph")
            texts = MostlyPassingTheStabilityTest(random, texts);
        if (only >= 0 && i != only)
            continue;
        TRecord record(only >= 0);
        const bool reached = RunCase(lab, texts, record);
        if (only >= 0)
            std::fputs(record.Text().c_str(), stdout);
        else
            std::printf("%ld %016" PRIx64 " %d\n", i, record.Hash(), reached ? 1 : 0);
    }
    return 0;
}
