#pragma once

#include "analysis/RealPolynomial.h"

#include <QString>

// A real polynomial in p as a student writes it, highest power first, zero terms left
// out: "0,005p³ + 0,135p² + 0,75p + 6" (c[k] the coefficient of p^k, constant first).
QString PolynomialText(const TRealPolynomial& polynomial);
