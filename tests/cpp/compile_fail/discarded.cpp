// Results that are the point of their call, dropped one per KALDRA_DISCARD_* macro. Without a macro it
// is built with the C++ tests (every result here is used); with one, refused.cmake expects the compiler,
// told to treat a dropped [[nodiscard]] result as an error, to refuse that call.
#include <complex>
#include <utility>

#include "Operations/Operations"

using Algorithms::Matrix;
using Algorithms::Operations;
using Algorithms::Vector;
using Algorithms::VectorView;

double uses()
{
    Vector<double> x(3);
    VectorView<double> view = x[{0, 2}];
    Matrix<double> A(2, 3);
    const Vector<double>& constX = x;
    Vector<std::complex<double>> u(3);

    const VectorView<double> inner = view[{0, 1}];
    double total = double(x.numel() + view.template dim<0>() + A.template dim<1>() + inner.numel());
    total += *x.get() + *view.get() + *A.get() + x[0] + constX[0] + view[0] + A[{0, 0}];
    total += Operations::dot(x, x) + std::real(Operations::hdot(u, u));

#if defined(KALDRA_DISCARD_vector_numel)
    x.numel();
#elif defined(KALDRA_DISCARD_view_dim)
    view.template dim<0>();
#elif defined(KALDRA_DISCARD_matrix_get)
    A.get();
#elif defined(KALDRA_DISCARD_vector_element)
    constX[0];
#elif defined(KALDRA_DISCARD_view_element)
    view[0];
#elif defined(KALDRA_DISCARD_matrix_element)
    A[{0, 0}];
#elif defined(KALDRA_DISCARD_vector_range)
    x[{0, 1}];
#elif defined(KALDRA_DISCARD_view_range)
    view[{0, 1}];
#elif defined(KALDRA_DISCARD_dot)
    Operations::dot(x, view);
#elif defined(KALDRA_DISCARD_hdot)
    Operations::hdot(u, u);
#endif
    return total;
}
