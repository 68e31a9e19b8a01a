#pragma once

// Floating-point operations that report invalid operations, division by zero and overflow
// as errors (CalcError with the standard messages), so that no cell ever shows inf or nan.
namespace verdeval::fp {

// x^y: 1 when y = 0; 0 when x = 0 and y > 0; repeated multiplication when y is a whole
// number; otherwise exp(y ln x), which fails for a negative x.
double power(double x, double y);
double arccos(double x);   // fails outside -1..1
double ln(double x);       // 0: division by zero; negative: invalid operation
double sqrt(double x);     // negative: invalid operation
double divide(double a, double b); // 0/0 invalid; a/0 division by zero
double exp(double x);

// Returns x when finite; raises overflow for an infinity and invalid operation for a nan.
double checked(double x);

} // namespace verdeval::fp
