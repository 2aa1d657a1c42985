#pragma once

#include "forms/SaveFileDialog.h"

#include <QList>
#include <QString>

#include <functional>

class QIODevice;
class QWidget;

// What the program saves goes through here: asks where to save, as which of `types`
// (ChooseSaveFile), and saves there the safe way through `write`, which is handed the
// index of the type chosen (SaveToFile: a failure leaves a notice and the folder as it
// was). In the browser, whose saved files are the user's downloads, the user names the
// file and picks its type in a small window of the program's own, and the written file
// is handed to the browser as a download; that window runs no loop of its own, so this
// returns before anything is saved there.
void SaveFileAs(QWidget* parent, const QString& caption, const QString& baseName,
                const QList<TFileType>& types,
                const std::function<bool(QIODevice& file, int type)>& write);
