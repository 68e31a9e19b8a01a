#include "platform/core/CheckedMath.h"

#include "platform/core/Errors.h"
#include "platform/core/Messages.h"

#include <cmath>

namespace verdeval::fp {

namespace {
[[noreturn]] void invalid() { throw CalcError(msg::invalidOperation); }
[[noreturn]] void zeroDivide() { throw CalcError(msg::divisionByZero); }
} // namespace

double checked(double x)
{
    if (std::isnan(x))
        invalid();
    if (std::isinf(x))
        throw CalcError(msg::overflow);
    return x;
}

double power(double x, double y)
{
    checked(x);
    checked(y);
    if (y == 0)
        return 1.0;
    if (x == 0 && y > 0)
        return 0.0;
    if (y == std::trunc(y) && std::fabs(y) <= 2147483647.0) {
        long long n = static_cast<long long>(std::fabs(y));
        double r = 1.0;
        for (long long i = 0; i < n; ++i) {
            r *= x;
            if (std::isinf(r))
                break;
        }
        if (y < 0)
            r = divide(1.0, r);
        return checked(r);
    }
    return exp(y * ln(x));
}

double arccos(double x)
{
    checked(x);
    if (x < -1.0 || x > 1.0)
        invalid();
    return std::acos(x);
}

double ln(double x)
{
    checked(x);
    if (x == 0)
        zeroDivide();
    if (x < 0)
        invalid();
    return std::log(x);
}

double sqrt(double x)
{
    checked(x);
    if (x < 0)
        invalid();
    return std::sqrt(x);
}

double divide(double a, double b)
{
    checked(a);
    checked(b);
    if (b == 0) {
        if (a == 0)
            invalid();
        zeroDivide();
    }
    return checked(a / b);
}

double exp(double x)
{
    return checked(std::exp(checked(x)));
}

} // namespace verdeval::fp
