#pragma once

#include <QString>

// The caption of both message boxes, derived once from the executable's file name:
// the directory part is removed, the name is cut at its first '.', and every
// character after the first is lower-cased ("LABS.EXE" gives "Labs").
QString TitleFromExecutableName(const QString& path);

void SetApplicationTitle(const QString& title);
QString ApplicationTitle();
