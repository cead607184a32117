// The saver's own sine, cosine, arc-cosine and power of ten, in plain double
// arithmetic, so that every build computes the same bits: the platforms'
// libraries differ in the last bit (the 32-bit and 64-bit MinGW runtimes
// take different routes for pow, msvcrt's acos differs by architecture, the
// x87's fsin by processor and emulator), and the tube's second differences
// magnify such a bit. Accurate to within an ulp or two of the exact values.
#pragma once

double portable_sin(double x);
double portable_cos(double x);
// acos(x) in [0, pi]; NaN outside [-1, 1].
double portable_acos(double x);
// 10 raised to the power y.
double portable_exp10(double y);
