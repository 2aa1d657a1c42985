#include "ground/Errors.h"

#include <new>

QString ErrorMessage(const std::exception& error) {
    if (dynamic_cast<const std::bad_alloc*>(&error))
        return EOutOfMemory().Message();
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        return own->Message();
    return QString::fromUtf8(error.what());
}
