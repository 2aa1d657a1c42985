#pragma once

#include "roots/RootFinder.h"
#include "roots/RootNumberFormat.h"

#include <QStringList>

// The lines of the result text for one search: the heading and an empty line, the
// warning or error of the status, and (for rsOk and rsNoConvergence only) four lines
// per recorded root, roots[1] .. roots[rootCount]. The imaginary part follows " +"
// as it is, so a negative one prints as " +-0,47i".
QStringList RootReportLines(TRootStatus status, int rootCount, const TRootArray& roots,
                            int iterationLimit, const TNumberSeparators& separators);
