#pragma once

#include <QStringList>

// A run reads the texts of its window's fields, in the window's order; how many is the
// lab's own (kHodographFieldCount and the others, beside each run). Any other count is
// a wiring mistake, refused with std::logic_error before anything is parsed: a missing
// text would otherwise read as an empty field and end every run at its conversion.
void RequireFieldTexts(const QStringList& texts, int count);
