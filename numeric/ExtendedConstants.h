#pragma once

#include "numeric/Extended.h"

// The decimal constants of the labs that the extended format cannot hold exactly,
// each rounded once to nearest, as the compiler rounds an extended literal on x86-64.
// They are written as 80-bit images so that every platform gets the same bits, not
// whatever its own long double and its compiler's rounding would give; the literal
// each one stands for is in its comment.
namespace ExtendedConstants {

constexpr TExtended Pi = ExtendedFromImage(0x4000, 0xc90fdaa22168c235);              // 3.14159...
constexpr TExtended Tenth = ExtendedFromImage(0x3ffb, 0xcccccccccccccccd);           // 0.1
constexpr TExtended TwoThousandths = ExtendedFromImage(0x3ff6, 0x83126e978d4fdf3b);  // 0.002
constexpr TExtended Hundredth = ExtendedFromImage(0x3ff8, 0xa3d70a3d70a3d70a);       // 0.01
constexpr TExtended ThreeHundredths = ExtendedFromImage(0x3ff9, 0xf5c28f5c28f5c28f); // 0.03
constexpr TExtended Pico = ExtendedFromImage(0x3fd7, 0x8cbccc096f5088cc);            // 1e-12
constexpr TExtended OnePlusPico = ExtendedFromImage(0x3fff, 0x80000000008cbccc); // 1.000000000001

constexpr TExtended Infinity = ExtendedFromImage(0x7fff, 0x8000000000000000);

// Powers of ten for reading decimal text.
// 10^k for k = 0 ... 31 (exact up to 10^27).
constexpr TExtended Ones[32] = {
    ExtendedFromImage(0x3fff, 0x8000000000000000), ExtendedFromImage(0x4002, 0xa000000000000000),
    ExtendedFromImage(0x4005, 0xc800000000000000), ExtendedFromImage(0x4008, 0xfa00000000000000),
    ExtendedFromImage(0x400c, 0x9c40000000000000), ExtendedFromImage(0x400f, 0xc350000000000000),
    ExtendedFromImage(0x4012, 0xf424000000000000), ExtendedFromImage(0x4016, 0x9896800000000000),
    ExtendedFromImage(0x4019, 0xbebc200000000000), ExtendedFromImage(0x401c, 0xee6b280000000000),
    ExtendedFromImage(0x4020, 0x9502f90000000000), ExtendedFromImage(0x4023, 0xba43b74000000000),
    ExtendedFromImage(0x4026, 0xe8d4a51000000000), ExtendedFromImage(0x402a, 0x9184e72a00000000),
    ExtendedFromImage(0x402d, 0xb5e620f480000000), ExtendedFromImage(0x4030, 0xe35fa931a0000000),
    ExtendedFromImage(0x4034, 0x8e1bc9bf04000000), ExtendedFromImage(0x4037, 0xb1a2bc2ec5000000),
    ExtendedFromImage(0x403a, 0xde0b6b3a76400000), ExtendedFromImage(0x403e, 0x8ac7230489e80000),
    ExtendedFromImage(0x4041, 0xad78ebc5ac620000), ExtendedFromImage(0x4044, 0xd8d726b7177a8000),
    ExtendedFromImage(0x4048, 0x878678326eac9000), ExtendedFromImage(0x404b, 0xa968163f0a57b400),
    ExtendedFromImage(0x404e, 0xd3c21bcecceda100), ExtendedFromImage(0x4052, 0x84595161401484a0),
    ExtendedFromImage(0x4055, 0xa56fa5b99019a5c8), ExtendedFromImage(0x4058, 0xcecb8f27f4200f3a),
    ExtendedFromImage(0x405c, 0x813f3978f8940984), ExtendedFromImage(0x405f, 0xa18f07d736b90be5),
    ExtendedFromImage(0x4062, 0xc9f2c9cd04674edf), ExtendedFromImage(0x4065, 0xfc6f7c4045812296),
};

// 10^(32 k) for k = 0 ... 15.
constexpr TExtended ThirtyTwos[16] = {
    ExtendedFromImage(0x3fff, 0x8000000000000000), ExtendedFromImage(0x4069, 0x9dc5ada82b70b59e),
    ExtendedFromImage(0x40d3, 0xc2781f49ffcfa6d5), ExtendedFromImage(0x413d, 0xefb3ab16c59b14a3),
    ExtendedFromImage(0x41a8, 0x93ba47c980e98ce0), ExtendedFromImage(0x4212, 0xb616a12b7fe617aa),
    ExtendedFromImage(0x427c, 0xe070f78d3927556b), ExtendedFromImage(0x42e7, 0x8a5296ffe33cc930),
    ExtendedFromImage(0x4351, 0xaa7eebfb9df9de8e), ExtendedFromImage(0x43bb, 0xd226fc195c6a2f8c),
    ExtendedFromImage(0x4426, 0x81842f29f2cce376), ExtendedFromImage(0x4490, 0x9fa42700db900ad2),
    ExtendedFromImage(0x44fa, 0xc4c5e310aef8aa17), ExtendedFromImage(0x4564, 0xf28a9c07e9b09c59),
    ExtendedFromImage(0x45cf, 0x957a4ae1ebf7f3d4), ExtendedFromImage(0x4639, 0xb83ed8dc0795a262),
};

// 10^(512 k) for k = 0 ... 9.
constexpr TExtended FiveTwelves[10] = {
    ExtendedFromImage(0x3fff, 0x8000000000000000), ExtendedFromImage(0x46a3, 0xe319a0aea60e91c7),
    ExtendedFromImage(0x4d48, 0xc976758681750c17), ExtendedFromImage(0x53ed, 0xb2b8353b3993a7e4),
    ExtendedFromImage(0x5a92, 0x9e8b3b5dc53d5de5), ExtendedFromImage(0x6137, 0x8ca554c020a1f0a6),
    ExtendedFromImage(0x67db, 0xf9895d25d88b5a8b), ExtendedFromImage(0x6e80, 0xdd5dc8a2bf27f3f8),
    ExtendedFromImage(0x7525, 0xc46052028a20979b), ExtendedFromImage(0x7bca, 0xae3511626ed559f0),
};

} // namespace ExtendedConstants
