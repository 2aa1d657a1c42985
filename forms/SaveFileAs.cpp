#include "forms/SaveFileAs.h"

#include "forms/SaveToFile.h"

void SaveFileAs(QWidget* parent, const QString& caption, const QString& baseName,
                const QList<TFileType>& types,
                const std::function<bool(QIODevice& file, int type)>& write) {
    const TSaveChoice choice = ChooseSaveFile(parent, caption, baseName, types);
    if (choice.path.isEmpty())
        return;
    SaveToFile(choice.path, [&](QIODevice& file) { return write(file, choice.type); });
}
