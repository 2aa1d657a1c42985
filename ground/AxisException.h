#pragma once

#include "ground/Errors.h"

// Raised by an axis that refuses a Minimum or Maximum crossing its other end.
class AxisException : public Exception {
  public:
    using Exception::Exception;
};
