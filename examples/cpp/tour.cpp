// kaldra from C++: views, a product and a least-squares solve (the example of docs/cpp.md).
#include <cmath>
#include <cstdio>

#include <Operations/Operations>
#include <Types/Types>

using namespace Algorithms;

int main()
{
    Vector<double> v(6); // zero-filled
    for (size_t i = 0; i < v.numel(); ++i)
        v[i] = double(i);                // checked: v[6] throws std::runtime_error
    VectorView<double> head = v[{0, 3}]; // views share v's storage, nothing is copied
    VectorView<double> tail = v[{3, 6}];
    Operations::scale(2.0, tail); // v is now 0 1 2 6 8 10

    Matrix<double> A(3, 3); // column-major, A[{row, column}]
    for (size_t i = 0; i < 3; ++i) {
        A[{i, i}] += 2.0;
        A[{i, 2 - i}] += 1.0;
    }
    Vector<double> y(3);
    Operations::gemv(1.0, 0.0, A, head, y);    // y <- A head
    Operations::ls(A, y);                      // y <- s solving A s = y, that is head; A is overwritten
    const double d = Operations::dot(y, tail); // 0*6 + 1*8 + 2*10
    std::printf("s = %g %g %g, s . tail = %g\n", y[0], y[1], y[2], d);
    return std::fabs(d - 28.0) < 1e-12 ? 0 : 1;
}
