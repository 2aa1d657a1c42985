#pragma once

#include "chart/Chart.h"

#include <QFont>
#include <QWidget>
#include <memory>

// A window like a plotting lab's: the window font, a 451 x 446 chart at its
// top-left corner with a title, and both axis lines hidden.
struct ChartTestWindow {
    ChartTestWindow(int width = 451, int height = 446) : host(std::make_unique<QWidget>()) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(11);
        host->setFont(font);
        host->resize(width + 100, height);
        chart = new TChart(host.get());
        chart->setGeometry(0, 0, width, height);
        chart->SetTitle(QStringLiteral("Title"));
        chart->BottomAxis()->SetAxisVisible(false);
        chart->LeftAxis()->SetAxisVisible(false);
    }
    ~ChartTestWindow() { host->close(); }

    // Ranges as a lab writes them: maximum first, then minimum.
    void SetRanges(double bmin, double bmax, double lmin, double lmax) {
        chart->BottomAxis()->SetMaximum(bmax);
        chart->BottomAxis()->SetMinimum(bmin);
        chart->LeftAxis()->SetMaximum(lmax);
        chart->LeftAxis()->SetMinimum(lmin);
    }

    std::unique_ptr<QWidget> host;
    TChart* chart = nullptr;
};
