#pragma once

#include <QString>

#include <functional>

class QFileDevice;
class QIODevice;

// Saves a file the safe way: `write` fills a temporary file beside the target, which
// replaces the target only once it is complete. When anything fails (no permission,
// no space, a folder that has vanished) the folder is left as it was and a notice
// names the file and the reason. True when the file was saved.
bool SaveToFile(const QString& path, const std::function<bool(QIODevice&)>& write);

// The notice's text for a file that could not be saved (the reason a whole sentence).
QString SaveFailureText(const QString& path, const QString& reason);

// Why saving `path` through `file` failed, in words for the user.
QString SaveFailureReason(const QFileDevice& file, const QString& path);
