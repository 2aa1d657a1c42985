#include "plots/PlotLabForm.h"

#include "chart/Chart.h"
#include "curves/AxisRange.h"
#include "forms/ReportException.h"
#include "forms/ShowNotice.h"
#include "ground/Errors.h"
#include "ground/FloatEnv.h"
#include "ground/ParseReal.h"
#include "ground/Regional.h"
#include "plots/ExportActions.h"
#include "plots/LabChart.h"
#include "plots/SampleReadout.h"

#include <QMenu>

#include <map>

namespace {

// The upper frequencies the student chose, by lab (its chart's title): a window opens
// fresh each time, but the range a student works at stays until the program ends.
std::map<QString, double>& ChosenUpperFrequencies() {
    static std::map<QString, double> chosen;
    return chosen;
}

QString FrequencyText(double value) {
    return QString::number(value, 'g', 6).replace(QLatin1Char('.'), DecimalSeparator());
}

TChartMark MarkOf(const TMarkedPoint& point) {
    TChartMark mark;
    mark.X = point.x;
    mark.Y = point.y;
    mark.Color = point.critical ? clBlue : clBlack;
    mark.Shape = point.critical ? TMarkShape::Critical : TMarkShape::Ring;
    mark.Label = point.label;
    return mark;
}

} // namespace

TPlotLabForm::TPlotLabForm(const TPlotLabDesign& design)
    : TLabForm(design.caption, design.clientSize, design.panel), design_(design) {
    Chart = CreateLabChart(this, QSize(design.panel.panelLeft, design.clientSize.height()),
                           design.chartTitle, design.axisLinesVisible);
    Export = new TExportActions(
        this, Chart, [this]() -> const TLabSamples& { return samples_; }, design.columns);
    // A range chosen at an earlier opening shows in the title at once.
    ShowTitle();
}

std::pair<TLineSeries*, TLineSeries*> TPlotLabForm::AddAxisLineSeries() {
    horizontalLine_ = AddLineSeries(Chart, clBlack, 2);
    verticalLine_ = AddLineSeries(Chart, clBlack, 2);
    return {horizontalLine_, verticalLine_};
}

TSampleReadout* TPlotLabForm::SetReadout(QString (*text)(const TLabSample&)) {
    auto readout = std::make_unique<TSampleReadout>(samples_, text);
    TSampleReadout* kept = readout.get();
    Chart->SetReadoutSource(std::move(readout));
    return kept;
}

ChartPlotTarget TPlotLabForm::Target(TLabSamples* samples) {
    return ChartPlotTarget(*Chart, roles_, samples);
}

void TPlotLabForm::ResetAxesOf(TPlotLabForm* held) {
    // The window of the global reference is the one whose handler runs.
    ChartPlotTarget chart = (held ? held : this)->Target();
    ::ResetAxes(chart);
}

double TPlotLabForm::UpperFrequency() const {
    const auto found = ChosenUpperFrequencies().find(design_.chartTitle);
    return found == ChosenUpperFrequencies().end() ? design_.frequencies.upper : found->second;
}

void TPlotLabForm::RunLab(TPlotRun run, bool plotEvenIfUnstable) {
    const TExportRefresh refresh(Export);
    // However the run ends, the analysis (where it is open) follows it.
    struct AfterRun {
        TPlotLabForm* form;
        ~AfterRun() { form->RefreshAnalysis(); }
    } after{this};
    samples_.StartRun();
    stoppedAtNotice_ = false;
    if (!CheckFieldsFilled())
        return;
    latestTexts_ = FieldTexts(*this);
    TPlotRunOptions options;
    options.plotEvenIfUnstable = plotEvenIfUnstable;
    // The lab's own range is asked for as such, so that its run is the one it always was.
    if (UpperFrequency() != design_.frequencies.upper)
        options.upperFrequency = UpperFrequency();
    ChartPlotTarget chart = Target(&samples_);
    run(
        latestTexts_, chart, [this] { ResetAxes(); }, options);
    stoppedAtNotice_ = !samples_.OfLatestRun();
}

TAnalysisWindow::TParts TPlotLabForm::AnalysisParts() const {
    TAnalysisWindow::TParts parts;
    parts.frequencyRange = true;
    parts.marksCaption = QStringLiteral("Отметить характерные точки на графике");
    return parts;
}

void TPlotLabForm::ShowAnalysis() {
    if (!analysis_)
        CreateAnalysisWindow();
    RefreshAnalysis();
    analysis_->ShowBesideLab();
}

void TPlotLabForm::CreateAnalysisWindow() {
    analysis_ = new TAnalysisWindow(this, windowTitle(), windowTitle(), AnalysisParts());
    connect(analysis_, &TAnalysisWindow::UpperFrequencyTyped, this,
            [this](const QString& text) { RunGuarded([&] { ChooseTypedFrequency(text); }); });
    connect(analysis_, &TAnalysisWindow::SuggestedRangeRequested, this, [this] {
        RunGuarded([this] {
            if (suggestedUpperFrequency_ > 0)
                ChooseUpperFrequency(std::clamp(suggestedUpperFrequency_, kLowestUpperFrequency,
                                                kHighestUpperFrequency));
            else
                ShowNotice(QStringLiteral("Диапазон подбирается по коэффициентам: сначала "
                                          "постройте график."));
        });
    });
    connect(analysis_, &TAnalysisWindow::DefaultRangeRequested, this,
            [this] { RunGuarded([this] { ChooseUpperFrequency(design_.frequencies.upper); }); });
    connect(analysis_, &TAnalysisWindow::MarksToggled, this,
            [this] { RunGuarded([this] { RefreshAnalysis(); }); });
    connect(analysis_, &TAnalysisWindow::PlotRefusedRequested, this,
            [this] { RunGuarded([this] { PlotRefused(); }); });
}

void TPlotLabForm::ChooseTypedFrequency(const QString& text) {
    double value = 0;
    try {
        value = ParseCoefficient(text);
    } catch (const Exception&) {
        ResetFloatEnvironment();
        value = 0;
    }
    if (!(value >= kLowestUpperFrequency && value <= kHighestUpperFrequency)) {
        ShowNotice(QStringLiteral("Верхняя частота — число от %1 до %2.")
                       .arg(FrequencyText(kLowestUpperFrequency),
                            QString::number(kHighestUpperFrequency, 'f', 0)));
        return;
    }
    ChooseUpperFrequency(value);
}

void TPlotLabForm::ChooseUpperFrequency(double value) {
    if (value == design_.frequencies.upper)
        ChosenUpperFrequencies().erase(design_.chartTitle);
    else
        ChosenUpperFrequencies()[design_.chartTitle] = value;
    // A chart already drawn is drawn again at the new range.
    if (!latestTexts_.isEmpty())
        RunAgain();
    else
        RefreshAnalysis();
}

void TPlotLabForm::RefreshAnalysis() {
    try {
        ShowTitle();
        if (!analysis_)
            return;
        TAnalysisReport report;
        if (latestTexts_.isEmpty()) {
            report.lines << QStringLiteral("Анализ появится после построения графика: введите "
                                           "коэффициенты и нажмите Enter.");
        } else {
            // Nothing of the analysis may reach the run's own errors: the scope keeps the
            // floating-point state as the run left it.
            TFloatStateScope scope;
            try {
                report = Analyse(latestTexts_, UpperFrequency());
            } catch (const std::exception& error) {
                report = TAnalysisReport{};
                report.lines << QStringLiteral("Коэффициенты не прочитаны: ") +
                                    WithFinalPeriod(ErrorMessage(error));
            }
        }
        suggestedUpperFrequency_ = report.suggestedUpperFrequency;
        analysis_->SetText(report.Text());
        analysis_->ShowUpperFrequency(UpperFrequency(), design_.frequencies.upper);
        analysis_->EnablePlotRefused(stoppedAtNotice_);
        ShowMarks(report);
    } catch (...) {
        // Refreshing follows a run however it ended, also while an error unwinds it:
        // nothing may escape from here.
    }
}

void TPlotLabForm::ShowMarks(const TAnalysisReport& report) {
    // Marks belong to the curve drawn: a run stopped before sampling left another
    // system's curve on the chart.
    if (!analysis_->MarksOn() || !samples_.OfLatestRun() || samples_.Empty()) {
        Chart->ClearMarks();
        Chart->ClearHatching();
        return;
    }
    std::vector<TChartMark> marks;
    for (const TMarkedPoint& point : report.points)
        marks.push_back(MarkOf(point));
    Chart->SetMarks(std::move(marks));
    Chart->SetHatching(Hatching());
}

void TPlotLabForm::ShowTitle() {
    QStringList lines{design_.chartTitle};
    const QString note = TitleNote();
    if (!note.isEmpty())
        lines << note;
    if (UpperFrequency() != design_.frequencies.upper)
        lines << QStringLiteral("(частоты до ") + FrequencyText(UpperFrequency()) +
                     QLatin1Char(')');
    Chart->SetTitle(lines.join(QLatin1Char('\n')));
}
