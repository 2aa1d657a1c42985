#include "plots/LabChart.h"

#include "chart/Chart.h"
#include "forms/LabForm.h"

#include <QLineEdit>

TChart* CreateLabChart(QWidget* parent, const QSize& size, const QString& title,
                       bool axisLinesVisible) {
    auto* chart = new TChart(parent);
    chart->setObjectName(QStringLiteral("Chart"));
    chart->setGeometry(0, 0, size.width(), size.height());
    chart->SetTitle(title);
    for (TChartAxis* axis : {chart->BottomAxis(), chart->LeftAxis()}) {
        axis->SetAutomatic(false);
        axis->SetAutomaticMinimum(false);
        axis->SetAutomaticMaximum(false);
        axis->SetAxisVisible(axisLinesVisible);
    }
    return chart;
}

TLineSeries* AddLineSeries(TChart* chart, TColor colour, int width) {
    auto* series = chart->AddSeries<TLineSeries>();
    series->SetSeriesColor(colour);
    series->SetLinePenWidth(width);
    return series;
}

QStringList FieldTexts(const TLabForm& form) {
    QStringList texts;
    for (const QLineEdit* field : form.CoefficientFields())
        texts << field->text();
    return texts;
}
