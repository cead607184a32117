// Sine, cosine, arc-cosine and power of ten in plain double arithmetic, the
// same bits on every processor and runtime (tube_math.h says who takes
// them). Accurate to within an ulp or two of the exact values.
#pragma once

double portable_sin(double x);
double portable_cos(double x);
// acos(x) in [0, pi]; NaN outside [-1, 1].
double portable_acos(double x);
// 10 raised to the power y.
double portable_exp10(double y);
