// kaldra from C++: fit a straight line to a few points by least squares, then check it with gemv.
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include <Operations/Operations>
#include <Types/Types>

using Algorithms::Matrix;
using Algorithms::Operations;
using Algorithms::Vector;

int main()
{
    // Points (t, 1 + 2t) for t = 0..4: the model c0 + c1 t fits them exactly.
    const size_t m = 5;
    Matrix<double> A(m, 2);
    Vector<double> b(m);
    for (size_t i = 0; i < m; ++i) {
        const double t = double(i);
        A[{i, 0}] = 1.0;
        A[{i, 1}] = t;
        b[i] = 1.0 + 2.0 * t;
    }
    // ls overwrites its matrix with a factorization; keep the values in a matrix of their own.
    Matrix<double> keep(m, 2);
    Operations::copy(A, keep);

    Vector<double> x(m); // ls needs max(m, n) elements; the first n receive the solution
    Operations::copy(b, x);
    Operations::ls(A, x);
    std::printf("fit: %.6f + %.6f t\n", x[0], x[1]);

    // Residual r = A c - b with gemv on the untouched copy of A.
    Vector<double> c(2);
    c[0] = x[0];
    c[1] = x[1];
    Vector<double> r(m);
    Operations::copy(b, r);
    Operations::gemv(1.0, -1.0, keep, c, r);
    const double norm = std::sqrt(Operations::dot(r, r));
    std::printf("residual norm: %.3g\n", norm);

    // A shape mismatch is refused before anything is computed.
    try {
        Vector<double> tooLong(3);
        Operations::gemv(1.0, 0.0, keep, tooLong, r);
        std::puts("gemv accepted a vector of the wrong length");
        return 1;
    } catch (const std::runtime_error& e) {
        std::printf("refused: %s\n", e.what());
    }
    return std::fabs(x[0] - 1.0) < 1e-10 && std::fabs(x[1] - 2.0) < 1e-10 && norm < 1e-10 ? 0 : 1;
}
