#include "curves/FieldTexts.h"

#include <stdexcept>
#include <string>

void RequireFieldTexts(const QStringList& texts, int count) {
    if (texts.size() != count)
        throw std::logic_error("a run of " + std::to_string(count) + " fields was handed " +
                               std::to_string(texts.size()) + " texts");
}
