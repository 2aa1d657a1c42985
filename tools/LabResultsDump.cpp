// Runs the root finder and the three plotting labs over seeded random coefficients
// and prints, per case, a fingerprint of everything the run produced: every number
// bit for bit, the texts and the error. Built once with the hardware's extended type
// and once with the software type, the two outputs must be the same line for line
// (scripts/compare-extended-builds.sh). A case given as a last argument prints its
// whole record instead, to show where two builds part.

#include "curves/DPartitionRun.h"
#include "curves/HodographRun.h"
#include "curves/NyquistRun.h"
#include "curves/PlotTarget.h"
#include "ground/Errors.h"
#include "ground/FloatEnv.h"
#include "ground/ParseReal.h"
#include "ground/Regional.h"
#include "roots/RootFinder.h"
#include "roots/RootReport.h"

#include <QCoreApplication>
#include <charconv>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <typeinfo>

namespace {

// Numbers as "%.17g" or "%.3f" would write them, but never in the C library's
// locale (the toolkit sets it from the environment; a Russian one writes a comma).
std::string NumberText(double value, std::chars_format format, int precision) {
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, value, format, precision);
    return std::string(text, written.ptr);
}

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
            text_ += line + NumberText(value, std::chars_format::general, 17) + "\n";
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

class TRecordingTarget : public PlotTarget {
  public:
    explicit TRecordingTarget(TRecord& record) : record_(record) {}
    void ClearPoints(PlotSeries series) override { record_.Add("clear " + Name(series)); }
    void AddPoint(PlotSeries series, double x, double y, PlotColor colour) override {
        record_.Add("point " + Name(series) + " " + std::to_string(int(colour)));
        record_.AddNumber("x", x);
        record_.AddNumber("y", y);
    }
    void AddSample(PlotSeries series, double omega, double x, double y, PlotColor colour) override {
        record_.AddNumber("omega", omega);
        AddPoint(series, x, y, colour);
    }
    double Minimum(PlotAxis axis) const override { return Range(axis)[0]; }
    double Maximum(PlotAxis axis) const override { return Range(axis)[1]; }
    void SetMinimum(PlotAxis axis, double value) override {
        record_.AddNumber(axis == PlotAxis::Bottom ? "bottom min" : "left min", value);
        Range(axis)[0] = value;
    }
    void SetMaximum(PlotAxis axis, double value) override {
        record_.AddNumber(axis == PlotAxis::Bottom ? "bottom max" : "left max", value);
        Range(axis)[1] = value;
    }
    void ShowNotice(const QString& text) override { record_.Add("notice " + text.toStdString()); }

  private:
    static std::string Name(PlotSeries series) { return std::to_string(int(series)); }
    double* Range(PlotAxis axis) { return axis == PlotAxis::Bottom ? bottom_ : left_; }
    const double* Range(PlotAxis axis) const { return axis == PlotAxis::Bottom ? bottom_ : left_; }

    TRecord& record_;
    double bottom_[2] = {0, 10};
    double left_[2] = {0, 10};
};

// A magnitude between 10^lowest and 10^(highest + 1), its exponent drawn evenly, as the
// text of a mantissa and a decimal exponent: the C library's pow would round 10^x
// differently on each platform (MinGW's is not glibc's), and the builds compared must
// get the same coefficients.
std::string RandomMagnitude(std::mt19937_64& random, int lowest, int highest) {
    const int exponent = lowest + int(random() % std::uint64_t(highest - lowest + 1));
    const double mantissa = std::uniform_real_distribution<>(1, 10)(random);
    const std::string sign = random() % 2 ? "" : "-";
    return sign + NumberText(mantissa, std::chars_format::fixed, 15) + "e" +
           std::to_string(exponent);
}

// Coefficients as a student might type them and as nobody would: small integers,
// decimals, zeros, and magnitudes over the whole double range.
std::string RandomCoefficient(std::mt19937_64& random) {
    switch (random() % 5) {
    case 0:
        return std::to_string(int(random() % 21) - 10);
    case 1:
        return NumberText(std::uniform_real_distribution<>(-50, 50)(random),
                          std::chars_format::fixed, 3);
    case 2:
        return "0";
    case 3:
        return RandomMagnitude(random, -8, 7);
    default:
        return RandomMagnitude(random, -320, 307);
    }
}

QStringList RandomTexts(std::mt19937_64& random, int count) {
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QString::fromStdString(RandomCoefficient(random));
    return texts;
}

void RunRoots(const QStringList& texts, TRecord& record) {
    ResetRootState();
    Degree = 3;
    for (int k = 0; k <= 3; ++k)
        Coefficients[k] = {ParseCoefficient(texts[k]), 0.0};
    StartPoint = {0.0, 0.0};
    Tolerance = 1.0 / 1e8;
    IterationLimit = 100;
    WorkDegree = Degree;
    WorkCoefficients = Coefficients;
    FindRoots();
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

void RunCase(const std::string& lab, const QStringList& texts, TRecord& record) {
    record.Add(texts.join(QLatin1Char(' ')).toStdString());
    ClearFloatFlags();
    try {
        TRecordingTarget target(record);
        const auto noReset = [] {};
        if (lab == "roots")
            RunRoots(texts, record);
        else if (lab == "hodograph")
            RunHodograph(texts, target, noReset);
        else if (lab == "nyquist")
            RunNyquist(texts, target, noReset);
        else
            RunDPartition(texts, target, noReset);
        record.Add("done");
    } catch (const std::exception& error) {
        record.Add(std::string("error ") + typeid(error).name() + " " + error.what());
        ResetFloatEnvironment();
    }
}

int FieldCount(const std::string& lab) {
    if (lab == "nyquist")
        return 7;
    if (lab == "dpartition")
        return 3;
    return 4;
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
        const QStringList texts = RandomTexts(random, FieldCount(lab));
        if (only >= 0 && i != only)
            continue;
        TRecord record(only >= 0);
        RunCase(lab, texts, record);
        if (only >= 0)
            std::fputs(record.Text().c_str(), stdout);
        else
            std::printf("%ld %016" PRIx64 "\n", i, record.Hash());
    }
    return 0;
}
