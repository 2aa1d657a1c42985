#include "common.h"
#include "own.h"
#include <chrono>
#include <cstdio>
#include <vector>
int main() {
    const int M = 4096; std::vector<own::Ext> x(M), y(M), z(M);
    std::mt19937_64 g(3); std::uniform_real_distribution<double> u(0.5, 2.0);
    for (int i = 0; i < M; ++i) { x[i] = own::fromDouble(u(g)); y[i] = own::fromDouble(u(g) / 7); }
    for (int op = 0; op < 4; ++op) {
        auto t0 = std::chrono::steady_clock::now();
        for (int r = 0; r < 2000; ++r) for (int i = 0; i < M; ++i) z[i] = op == 0 ? own::add(x[i], y[i]) : op == 1 ? own::mul(x[i], y[i]) : op == 2 ? own::div(x[i], y[i]) : own::sqrt(x[i]);
        auto t1 = std::chrono::steady_clock::now();
        printf("op %d: %.1f ns  (%llx)\n", op, std::chrono::duration<double, std::nano>(t1 - t0).count() / (2000.0 * M), (unsigned long long)z[7].m);
    }
}
