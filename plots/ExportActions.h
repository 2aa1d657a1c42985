#pragma once

#include "curves/SamplesText.h"

#include <QObject>

#include <functional>

class QAction;
class QKeySequence;
class QMenu;
class QPoint;
class TChart;
class TLabForm;

// Taking a plotting window's results out of it: the chart's picture and the last
// run's samples, to the clipboard or into a file. The four actions belong to the
// window, so that their shortcuts work wherever the focus is in it (the coefficient
// fields included); the chart offers them in its context menu. The points actions are
// enabled only while the latest run has samples.
class TExportActions : public QObject {
    Q_OBJECT
  public:
    using SamplesSource = std::function<const TLabSamples&()>;

    TExportActions(TLabForm* window, TChart* chart, SamplesSource samples,
                   const TSampleColumns& columns);

    // Brings the points actions up to date with the samples (after every run).
    void Refresh();

    void CopyPicture();
    void SavePicture();
    void CopyPoints();
    void SavePoints();

    QAction* CopyPictureAction = nullptr; // «Копировать изображение», Ctrl+Shift+C
    QAction* SavePictureAction = nullptr; // «Сохранить изображение…», Ctrl+S
    QAction* CopyPointsAction = nullptr;  // «Копировать точки», Ctrl+Shift+T
    QAction* SavePointsAction = nullptr;  // «Сохранить точки…», Ctrl+Shift+S
    QMenu* Menu = nullptr;                // the chart's context menu

  private:
    QAction* AddAction(const QString& text, const QKeySequence& keys,
                       void (TExportActions::*run)());
    void ShowMenu(const QPoint& globalPos);
    bool HasSamples() const { return samples_().OfLatestRun() && !samples_().Empty(); }

    TLabForm* window_;
    TChart* chart_;
    SamplesSource samples_;
    TSampleColumns columns_;
};

// Refreshes the actions when it goes out of scope: at the end of a run, however the
// run ended (an error unwinds it with the samples it has gathered so far).
class TExportRefresh {
  public:
    explicit TExportRefresh(TExportActions* actions) : actions_(actions) {}
    ~TExportRefresh() {
        if (actions_)
            actions_->Refresh();
    }
    TExportRefresh(const TExportRefresh&) = delete;
    TExportRefresh& operator=(const TExportRefresh&) = delete;

  private:
    TExportActions* actions_;
};
