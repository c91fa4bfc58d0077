// Text form of containers: size lines, element format, shortened matrix rows, byte for byte.
#include <gtest/gtest.h>

#include <complex>
#include <limits>
#include <sstream>
#include <string>

#include "Operations/Operations"
#include "test_elements.h"

using namespace Algorithms;
using kaldra_test::ElementTypes;

template <typename C>
std::string shown(const C& c)
{
    std::stringstream stream;
    Operations::show(c, stream);
    return stream.str();
}

/// The text of a real value v as an element of E: complex elements show an imaginary part of zero.
template <typename E>
std::string text(const std::string& v)
{
    if constexpr (isComplex<E>)
        return "(" + v + ",0.00000000000000e+00)";
    else
        return v;
}

template <typename T>
class ShowTest : public ::testing::Test {};
TYPED_TEST_SUITE(ShowTest, ElementTypes);

TYPED_TEST(ShowTest, Vector)
{
    using E = TypeParam;
    Vector<E> v(2);
    v[0] = E(1.5);
    v[1] = E(-2);
    EXPECT_EQ(shown(v), "Column vector of size: 2\n[" + text<E>("1.50000000000000e+00") + "]\n[" +
                            text<E>("-2.00000000000000e+00") + "]\n");
    EXPECT_EQ(shown(Vector<E>(0)), "Column vector of size: 0\n");
}

TYPED_TEST(ShowTest, ViewShowsItsOwnElements)
{
    using E = TypeParam;
    Vector<E> v(6);
    for (size_t i = 0; i < v.numel(); ++i)
        v[i] = E(double(i));
    EXPECT_EQ(shown(v[{2, 5}]), "Column vector of size: 3\n[" + text<E>("2.00000000000000e+00") + "]\n[" +
                                    text<E>("3.00000000000000e+00") + "]\n[" + text<E>("4.00000000000000e+00") + "]\n");
}

TYPED_TEST(ShowTest, MatrixRowsUpToFourColumnsInFullLongerOnesShortened)
{
    using E = TypeParam;
    const std::string zero = text<E>("0.00000000000000e+00");
    const std::string one = text<E>("1.00000000000000e+00"), two = text<E>("2.00000000000000e+00"),
                      three = text<E>("3.00000000000000e+00"), four = text<E>("4.00000000000000e+00"),
                      five = text<E>("5.00000000000000e+00");
    const auto matrix = [](size_t rows, size_t cols) {
        Matrix<E> m(rows, cols);
        for (size_t j = 0; rows > 0 && j < cols; ++j)
            m[{0, j}] = E(double(j + 1));
        return m;
    };
    EXPECT_EQ(shown(matrix(0, 3)), "Matrix of size: (0, 3)\n");
    EXPECT_EQ(shown(matrix(2, 1)), "Matrix of size: (2, 1)\n[" + one + "]\n[" + zero + "]\n");
    EXPECT_EQ(shown(matrix(1, 3)), "Matrix of size: (1, 3)\n[" + one + ", " + two + ", " + three + "]\n");
    EXPECT_EQ(shown(matrix(1, 4)), "Matrix of size: (1, 4)\n[" + one + ", " + two + ", " + three + ", " + four + "]\n");
    EXPECT_EQ(shown(matrix(2, 5)), "Matrix of size: (2, 5)\n[" + one + ", " + two + ", " + three + ", ..., " + five +
                                       "]\n[" + zero + ", " + zero + ", " + zero + ", ..., " + zero + "]\n");
    Matrix<E> wide = matrix(1, 9);
    wide[{0, 8}] = E(5);
    EXPECT_EQ(shown(wide), "Matrix of size: (1, 9)\n[" + one + ", " + two + ", " + three + ", ..., " + five + "]\n");
}

TYPED_TEST(ShowTest, MatrixWithRowsButNoColumnsShowsAnEmptyRowEach)
{
    EXPECT_EQ(shown(Matrix<TypeParam>(2, 0)), "Matrix of size: (2, 0)\n[]\n[]\n");
    EXPECT_EQ(shown(Matrix<TypeParam>(0, 0)), "Matrix of size: (0, 0)\n");
}

TEST(ShowFormat, SinglePrecisionIsWidenedToDouble)
{
    Vector<float> v(1);
    v[0] = 0.1f;
    EXPECT_EQ(shown(v), "Column vector of size: 1\n[1.00000001490116e-01]\n");
    Vector<std::complex<float>> c(1);
    c[0] = {1, -0.25f};
    EXPECT_EQ(shown(c), "Column vector of size: 1\n[(1.00000000000000e+00,-2.50000000000000e-01)]\n");
}

TEST(ShowFormat, ShortTextsAreRightAlignedInFourteenCharacters)
{
    Vector<double> v(3);
    v[0] = std::numeric_limits<double>::infinity();
    v[1] = -std::numeric_limits<double>::infinity();
    v[2] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(shown(v), "Column vector of size: 3\n[           inf]\n[          -inf]\n[           nan]\n");
    Matrix<float> m(1, 2);
    m[{0, 1}] = std::numeric_limits<float>::infinity();
    EXPECT_EQ(shown(m), "Matrix of size: (1, 2)\n[0.00000000000000e+00,            inf]\n");
}
