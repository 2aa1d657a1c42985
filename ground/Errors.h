#pragma once

#include <QString>
#include <stdexcept>
#include <string>

// The error kinds that unwind a handler and end in the top-level report. Each
// carries the exact message the user reads (before the report's final period).
class Exception : public std::runtime_error {
  public:
    explicit Exception(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    // Kept as given: what() is a C string and would cut the text at a pasted NUL.
    QString Message() const { return message_; }

  private:
    QString message_;
};

class EConvertError : public Exception {
  public:
    using Exception::Exception;
};

// Floating-point faults turned into errors where the faulting value is stored.
class EMathError : public Exception {
  public:
    using Exception::Exception;
};

class EZeroDivide : public EMathError {
  public:
    EZeroDivide() : EMathError(QStringLiteral("Floating point division by zero")) {}
};

class EInvalidOp : public EMathError {
  public:
    EInvalidOp() : EMathError(QStringLiteral("Invalid floating point operation")) {}
};

class EOverflow : public EMathError {
  public:
    EOverflow() : EMathError(QStringLiteral("Floating point overflow")) {}
};

class ERangeError : public Exception {
  public:
    ERangeError() : Exception(QStringLiteral("Range check error")) {}
};

class EOutOfMemory : public Exception {
  public:
    EOutOfMemory() : Exception(QStringLiteral("Out of memory")) {}
};

// Index test of the fixed-capacity tables (0..3 in the root finder).
inline void CheckIndex(int index, int low, int high) {
    if (index < low || index > high)
        throw ERangeError();
}

// The message that the report shows for any escaping error.
QString ErrorMessage(const std::exception& error);
