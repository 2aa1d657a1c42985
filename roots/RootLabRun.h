#pragma once

// The root lab's search once its fields are read, for a0 + a1·p + a2·p² + a3·p³ (the
// constant term first): the root lab state reset, loaded with the cubic and the lab's
// search parameters (start 0, tolerance 1/10^8, 100 iterations), and searched. The
// results are in RootCount, Roots and Status; faults raise as FindRoots raises them.
inline constexpr int kRootsFieldCount = 4;
void RunRootSearch(double a0, double a1, double a2, double a3);
