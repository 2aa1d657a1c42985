#pragma once

#include "input/Errors.h"

// Raised by an axis that refuses a Minimum or Maximum crossing its other end.
class AxisException : public Exception {
  public:
    using Exception::Exception;
};
