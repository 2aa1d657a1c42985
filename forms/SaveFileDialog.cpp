#include "forms/SaveFileDialog.h"

#include "forms/KeepFocus.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString& LastFolder() {
    static QString folder;
    return folder;
}

QString StartFolder() {
    if (!LastFolder().isEmpty() && QFileInfo(LastFolder()).isDir())
        return LastFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// The type whose suffix the file name carries, or -1.
int TypeOfName(const QString& path, const QList<TFileType>& types) {
    const QString suffix = QFileInfo(path).suffix();
    for (qsizetype i = 0; i < types.size(); ++i)
        if (suffix.compare(types[i].suffix, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

// The typed name follows a change of filter: "АФЧХ.png" becomes "АФЧХ.svg". A name
// with a suffix of its own choosing is the user's and stays.
void FollowFilter(QFileDialog& dialog, const QList<TFileType>& types, int type) {
    dialog.setDefaultSuffix(types[type].suffix);
    const QStringList typed = dialog.selectedFiles();
    if (typed.isEmpty() || TypeOfName(typed.first(), types) < 0)
        return;
    const QFileInfo name(typed.first());
    dialog.selectFile(name.completeBaseName() + QLatin1Char('.') + types[type].suffix);
}

} // namespace

TSaveChoice ChooseSaveFile(QWidget* parent, const QString& caption, const QString& baseName,
                           const QList<TFileType>& types) {
    // Back in the lab window afterwards, keys go on to work there: its shortcuts act
    // only in the active window.
    const KeepFocus keep;
    QFileDialog dialog(parent, caption);
    dialog.setObjectName(QString::fromLatin1(kSaveFileDialogName));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
#ifdef Q_OS_WIN
    // The toolkit's own dialog, as on Linux: the same texts in the user's language, the
    // suffix following the chosen type while the name is typed, and the same keys. The
    // shell's dialog would also load Explorer's extensions into the program.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
#endif
    QStringList filters;
    for (const TFileType& type : types)
        filters << type.filter;
    dialog.setNameFilters(filters);
    dialog.setDirectory(StartFolder());
    dialog.setDefaultSuffix(types.first().suffix);
    dialog.selectFile(baseName + QLatin1Char('.') + types.first().suffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        const qsizetype type = filters.indexOf(filter);
        if (type >= 0)
            FollowFilter(dialog, types, int(type));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};

    TSaveChoice choice;
    choice.path = dialog.selectedFiles().first();
    choice.type = TypeOfName(choice.path, types);
    if (choice.type < 0) {
        choice.type = std::max(0, int(filters.indexOf(dialog.selectedNameFilter())));
        choice.path += QLatin1Char('.') + types[choice.type].suffix;
    }
    LastFolder() = QFileInfo(choice.path).absolutePath();
    return choice;
}
