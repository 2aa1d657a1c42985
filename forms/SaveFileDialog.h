#pragma once

#include <QList>
#include <QString>

class QWidget;

// A kind of file that can be saved: its filter in the dialog and its suffix.
struct TFileType {
    QString filter; // "Рисунок PNG (*.png)"
    QString suffix; // "png"
};

// Where the user chose to save, and as which of the offered types; an empty path
// when the dialog was cancelled.
struct TSaveChoice {
    QString path;
    int type = -1;
};

// The object name of the dialog, so that tests can find it.
inline constexpr const char* kSaveFileDialogName = "SaveFileDialog";

// Asks where to save: a file dialog in the folder last chosen during this run of the
// program (at first the user's documents folder), suggesting `baseName` with the first
// type's suffix and offering the types as filters. Choosing another filter changes
// the suggested suffix; a name typed without a known suffix gets its filter's. No
// setting is stored: the next start begins in the documents folder again.
TSaveChoice ChooseSaveFile(QWidget* parent, const QString& caption, const QString& baseName,
                           const QList<TFileType>& types);
