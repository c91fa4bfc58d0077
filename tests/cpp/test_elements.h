// Helpers shared by the C++ suites: the element-type lists, exact sample values, snapshots and
// checks of thrown messages.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstddef>
#include <limits>
#include <source_location>
#include <string>
#include <typeinfo>
#include <vector>

#include "Operations/Operations"

namespace kaldra_test {

using ElementTypes = ::testing::Types<float, double, std::complex<float>, std::complex<double>>;
using ComplexTypes = ::testing::Types<std::complex<float>, std::complex<double>>;

/// A nonzero value, distinct for nearby k, with few significant bits: products and short sums of
/// such values are exact in every element type, so results can be compared with ==.
template <typename E>
E sample(int k)
{
    const double re = double(k % 9) - 4.5;
    if constexpr (Algorithms::isComplex<E>) {
        const double im = double((k * 4) % 7) - 2.75;
        return E(typename E::value_type(re), typename E::value_type(im));
    } else {
        return E(re);
    }
}

/// Sets the elements of c, in storage order, to sample(seed), sample(seed + 1), ...
template <typename C>
void fill(C& c, int seed)
{
    for (size_t i = 0; i < c.numel(); ++i)
        c.get()[i] = sample<typename C::SampleType>(seed + int(i));
}

/// The elements of c, in storage order.
template <typename C>
std::vector<typename C::SampleType> values(const C& c)
{
    return std::vector<typename C::SampleType>(c.get(), c.get() + c.numel());
}

/// Closeness scaled to the precision of E, for results that involve division or square roots.
template <typename E>
void expectNear(E actual, E expected, double relative = 64)
{
    using R = decltype(std::abs(actual));
    const double tolerance = relative * double(std::numeric_limits<R>::epsilon()) * (1 + std::abs(expected));
    EXPECT_LE(double(std::abs(actual - expected)), tolerance) << "actual " << actual << ", expected " << expected;
}

/// Runs call and expects it to throw exactly Exception with exactly the message given.
template <typename Exception = std::runtime_error, typename Call>
void expectThrow(Call&& call, const std::string& message,
                 const std::source_location& where = std::source_location::current())
{
    const ::testing::ScopedTrace trace(where.file_name(), int(where.line()), "expected: " + message);
    try {
        call();
        ADD_FAILURE() << "nothing was thrown";
    } catch (const Exception& e) {
        EXPECT_TRUE(typeid(e) == typeid(Exception)) << "thrown type " << typeid(e).name();
        EXPECT_EQ(std::string(e.what()), message);
    }
}

} // namespace kaldra_test
