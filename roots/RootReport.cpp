#include "roots/RootReport.h"

namespace {

QStringList StatusLines(TRootStatus status, int iterationLimit) {
    const QString error = QStringLiteral("Ошибка!");
    switch (status) {
    case rsOk:
        return {};
    case rsNoConvergence:
        return {QStringLiteral("Предупреждение!"),
                QStringLiteral("Вычисление займет больше, чем %1 итераций!").arg(iterationLimit)};
    case rsBadDegree:
        return {error, QStringLiteral("Угол полинома должен быть больше нуля!")};
    case rsBadTolerance:
        return {error, QStringLiteral("Точность должна быть больше нуля!")};
    case rsBadIterationLimit:
        return {error, QStringLiteral("Максимальное количество итераций должно быть больше нуля!")};
    }
    return {};
}

QStringList RootLines(int k, TComplex root, const TNumberSeparators& separators) {
    return {QStringLiteral("Корень: %1").arg(k), QStringLiteral("Значение: "),
            FormatRootNumber(root.Re, separators) + QStringLiteral(" +") +
                FormatRootNumber(root.Im, separators) + QStringLiteral("i"),
            QString()};
}

} // namespace

QStringList RootReportLines(TRootStatus status, int rootCount, const TRootArray& roots,
                            int iterationLimit, const TNumberSeparators& separators) {
    QStringList lines{QStringLiteral("Результаты:"), QString()};
    lines += StatusLines(status, iterationLimit);
    if (status == rsOk || status == rsNoConvergence) {
        for (int k = 1; k <= rootCount; ++k)
            lines += RootLines(k, roots[k], separators);
    }
    return lines;
}
