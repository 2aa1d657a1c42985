#include "forms/SaveToFile.h"

#include "forms/ShowNotice.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

bool SaveToFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    bool saved = file.open(QIODevice::WriteOnly);
    if (saved)
        saved = write(file);
    if (saved)
        saved = file.commit();
    else
        file.cancelWriting();
    if (!saved)
        ShowNotice(SaveFailureText(path, SaveFailureReason(file, path)));
    return saved;
}

QString SaveFailureText(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось сохранить файл «%1».\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString SaveFailureReason(const QFileDevice& file, const QString& path) {
    // The error codes of a failed save say little (opening the temporary file fails
    // alike for a missing folder and a locked one): the folder itself tells more.
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.isDir())
        return QStringLiteral("Папка «%1» не найдена.").arg(folderName);
    if (!folder.isWritable())
        return QStringLiteral("Нет прав на запись в папку «%1».").arg(folderName);
    if (target.exists() && (target.isDir() || !target.isWritable()))
        return target.isDir() ? QStringLiteral("Под этим именем в папке уже есть папка.")
                              : QStringLiteral("Нет прав на запись в этот файл.");
    if (file.error() == QFileDevice::ResourceError)
        return QStringLiteral("На диске не хватает места.");
    // Otherwise the system's own words, where it has any.
    if (file.error() == QFileDevice::NoError)
        return QStringLiteral("Не удалось записать данные.");
    return QStringLiteral("Ошибка записи: %1.").arg(file.errorString());
}
