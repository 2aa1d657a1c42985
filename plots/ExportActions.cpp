#include "plots/ExportActions.h"

#include "chart/Chart.h"
#include "forms/LabForm.h"
#include "forms/ReportException.h"
#include "forms/SaveFileAs.h"
#include "forms/SaveFileDialog.h"
#include "forms/SaveToFile.h"
#include "ground/Regional.h"
#include "plots/ChartPicture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>

namespace {

const QList<TFileType>& PictureTypes() {
    static const QList<TFileType> types{
        {QStringLiteral("Рисунок PNG (*.png)"), QStringLiteral("png")},
        {QStringLiteral("Рисунок SVG (*.svg)"), QStringLiteral("svg")},
        {QStringLiteral("Документ PDF (*.pdf)"), QStringLiteral("pdf")},
    };
    return types;
}

// The order of PictureTypes().
constexpr TPictureFormat kPictureFormats[] = {TPictureFormat::Png, TPictureFormat::Svg,
                                              TPictureFormat::Pdf};

const QList<TFileType>& PointsTypes() {
    static const QList<TFileType> types{
        {QStringLiteral("Таблица CSV (*.csv)"), QStringLiteral("csv")}};
    return types;
}

} // namespace

TExportActions::TExportActions(TLabForm* window, TChart* chart, SamplesSource samples,
                               const TSampleColumns& columns)
    : QObject(window), window_(window), chart_(chart), samples_(std::move(samples)),
      columns_(columns) {
    setObjectName(QStringLiteral("ExportActions"));
    CopyPictureAction =
        AddAction(QStringLiteral("Копировать изображение"),
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &TExportActions::CopyPicture);
    SavePictureAction = AddAction(QStringLiteral("Сохранить изображение…"),
                                  QKeySequence(Qt::CTRL | Qt::Key_S), &TExportActions::SavePicture);
    CopyPointsAction =
        AddAction(QStringLiteral("Копировать точки"),
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), &TExportActions::CopyPoints);
    SavePointsAction =
        AddAction(QStringLiteral("Сохранить точки…"),
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &TExportActions::SavePoints);

    Menu = new QMenu(window);
    Menu->setObjectName(QStringLiteral("ChartMenu"));
    Menu->addAction(CopyPictureAction);
    Menu->addAction(SavePictureAction);
    Menu->addSeparator();
    Menu->addAction(CopyPointsAction);
    Menu->addAction(SavePointsAction);
    connect(chart, &TChart::ContextMenuRequested, this, &TExportActions::ShowMenu);
    Refresh();
}

QAction* TExportActions::AddAction(const QString& text, const QKeySequence& keys,
                                   void (TExportActions::*run)()) {
    auto* action = new QAction(text, window_);
    action->setShortcut(keys);
    // Anywhere in the window: the fields' keystroke filter only sees the keys that
    // are no shortcut.
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    connect(action, &QAction::triggered, this,
            [this, run] { RunGuarded([&] { (this->*run)(); }); });
    window_->addAction(action);
    return action;
}

void TExportActions::Refresh() {
    const bool points = HasSamples();
    CopyPointsAction->setEnabled(points);
    SavePointsAction->setEnabled(points);
}

void TExportActions::ShowMenu(const QPoint& globalPos) {
    Refresh();
    Menu->popup(globalPos);
}

void TExportActions::CopyPicture() {
    QApplication::clipboard()->setImage(ChartScreenPicture(*chart_));
}

void TExportActions::SavePicture() {
    TChart* chart = chart_;
    SaveFileAs(window_, QStringLiteral("Сохранить изображение"), window_->windowTitle(),
               PictureTypes(), [chart](QIODevice& file, int type) {
                   return WriteChartPicture(*chart, kPictureFormats[type], file);
               });
}

void TExportActions::CopyPoints() {
    if (!HasSamples())
        return;
    QApplication::clipboard()->setText(SamplesTabText(samples_(), columns_, DecimalSeparator()));
}

void TExportActions::SavePoints() {
    if (!HasSamples())
        return;
    // The text is made before the dialog: what is saved is the run the user asked for.
    const QByteArray text = SamplesCsvText(samples_(), columns_, DecimalSeparator()).toUtf8();
    SaveFileAs(window_, QStringLiteral("Сохранить точки"), window_->windowTitle(), PointsTypes(),
               [text](QIODevice& file, int) { return file.write(text) == text.size(); });
}
