#include "common.h"
#include <cstdio>
int main() {
    E one(1); printf("exp(1)=%d bits=%llx\n", one.backend().exponent(), (unsigned long long)one.backend().bits().limbs()[0]);
    long double d = fromBits(0x4000000000000000ull, 0); // extended subnormal
    E e(d); printf("E(subnormal ld %Lg) = %s\n", d, e.str(20).c_str());
    long double mn = fromBits(0x8000000000000000ull, 1); E m = toE(mn); E h = m / 2; printf("minNormal/2 = %s (hw %Lg)\n", h.str(20).c_str(), mn/2);
    E z = E(1)/E(0); printf("1/0 = %s errno?\n", z.str().c_str());
    E n = E(0)/E(0); printf("0/0 = %s\n", n.str().c_str());
    E big = toE(fromBits(0xffffffffffffffffull, 0x7ffe)); E o = big*2; printf("max*2 = %s\n", o.str().c_str());
    try { long long k = (long long)std::numeric_limits<E>::quiet_NaN(); printf("nan->ll %lld\n", k);} catch (std::exception& ex) { printf("nan->ll throws: %s\n", ex.what()); }
    printf("1e30->ll: boost %lld, hw %lld\n", E(1e30).convert_to<long long>(), (long long)(volatile long double)1e30L);
    printf("denorm_min(E)=%s has_denorm=%d\n", std::numeric_limits<E>::denorm_min().str().c_str(), (int)std::numeric_limits<E>::has_denorm);
}
