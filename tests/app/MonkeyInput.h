#pragma once

#include <QString>

#include <random>

// Random input for the monkey tests: texts that look like numbers, almost-numbers,
// extreme numbers and plain junk, drawn from one seeded generator so that a failing run
// can be repeated exactly.
class MonkeyInput {
  public:
    explicit MonkeyInput(unsigned seed) : rng_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }

    QString Digits(int count) {
        QString s;
        for (int i = 0; i < count; ++i)
            s += QChar(u'0' + Below(10));
        return s;
    }

    // A number in the parser's grammar, often at the edges of the double range.
    QString NumberText() {
        QString s;
        if (Chance(0.1))
            s += QStringLiteral("  ");
        if (Chance(0.4))
            s += Chance(0.7) ? QLatin1Char('-') : QLatin1Char('+');
        s += Digits(Chance(0.05) ? 200 : Below(4));
        if (Chance(0.5))
            s += (Chance(0.7) ? QLatin1Char(',') : QLatin1Char('.')) + Digits(Below(6));
        if (Chance(0.35)) {
            s += Chance(0.5) ? QLatin1Char('E') : QLatin1Char('e');
            if (Chance(0.5))
                s += Chance(0.5) ? QLatin1Char('-') : QLatin1Char('+');
            static const char* exponents[] = {"0",   "3",   "15",  "300", "307", "308", "309",
                                              "320", "324", "400", "499", "500", "600", "4999"};
            s += QLatin1String(exponents[Below(14)]);
        }
        if (Chance(0.1))
            s += QLatin1Char(' ');
        return s;
    }

    // A small number most runs can plot: one or two digits, now and then a fraction.
    QString PlainNumber() {
        QString s = Chance(0.3) ? QStringLiteral("-") : QString();
        s += QString::number(Below(Chance(0.8) ? 10 : 100));
        if (Chance(0.3))
            s += (Chance(0.5) ? QLatin1Char(',') : QLatin1Char('.')) + Digits(1 + Below(2));
        return s;
    }

    QString Junk() {
        static const QString pool = QStringLiteral("0123456789.,-+eE aZ\tж\u00a0'%");
        QString s;
        const int n = Below(12);
        for (int i = 0; i < n; ++i)
            s += pool.at(Below(pool.size()));
        return s;
    }

    QString SpecialText() {
        static const char* texts[] = {
            "1E600", "-1e308", "1e308", "1e-308", "4,9e-324", "1e-400", "0",  "-0",  ",",  "-,",
            "1.2.3", "abc",    " ",     "1 000",  "nan",      "inf",    "1e", "1e+", "E5", "-"};
        return QString::fromUtf8(texts[Below(20)]);
    }

    QString PasteText() {
        const int kind = Below(10);
        if (kind < 6)
            return NumberText();
        if (kind < 8)
            return SpecialText();
        return Junk();
    }

  private:
    std::mt19937 rng_;
};
