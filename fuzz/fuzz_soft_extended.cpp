// The software extended type against the x87 itself on operands the fuzzer picks: an
// operation, two 80-bit images (any bits: NaNs with payloads, unnormals, pseudo-NaNs,
// pseudo-denormals), a double's bits and a 64-bit integer. Both sides must give the
// same bits (NaN payloads included) and the same invalid, zero-divide and overflow
// flags.
//
// Input: byte 0 the operation, bytes 1-10 and 11-20 the images of a and b (significand
// first, little-endian, as the x87 stores them), 21-28 the double, 29-36 the integer
// (read as int64 and as uint64). Missing bytes are zero.

#include "FuzzCheck.h"

#include "tests/support/SoftExtendedOperations.h"

#include <cstdint>
#include <cstring>

namespace {

template <typename T> T Take(const std::uint8_t*& data, std::size_t& size) {
    unsigned char bytes[sizeof(T)] = {};
    const std::size_t n = size < sizeof bytes ? size : sizeof bytes;
    std::memcpy(bytes, data, n);
    data += n;
    size -= n;
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

long double TakeExtended(const std::uint8_t*& data, std::size_t& size) {
    const auto significand = Take<std::uint64_t>(data, size);
    const auto signExponent = Take<std::uint16_t>(data, size);
    return FromImage(signExponent, significand);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const auto operation = static_cast<ExtendedOperation>(data[0] % kExtendedOperationCount);
    ++data;
    --size;
    Operands operands;
    operands.a = TakeExtended(data, size);
    operands.b = TakeExtended(data, size);
    operands.d = Take<double>(data, size);
    operands.u = Take<std::uint64_t>(data, size);
    operands.i = static_cast<std::int64_t>(operands.u);
    if (!IsCompared(operation, operands))
        return 0;

    const Outcome hard = HardwareOutcome(operation, operands);
    const Outcome soft = SoftOutcome(operation, operands);
    FUZZ_CHECK(SameOutcome(hard, soft), "%s: %s", OperationName(operation),
               Describe(operands, hard, soft).c_str());
    return 0;
}
