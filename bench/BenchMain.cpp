// The benchmarks that need windows run inside one application object of the
// program's own kind, on the offscreen platform unless another is asked for.

#include "app/LabsApplication.h"
#include "ground/Regional.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    LabsApplication app(argc, argv);
    SetRegionalSeparators(QLatin1Char(','), QStringLiteral("\u00a0"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
