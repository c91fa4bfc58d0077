// Calls the operations must refuse at compile time, one per KALDRA_MISUSE_* macro, beside the calls
// they must accept. Without a macro it is built with the C++ tests (everything here compiles); with
// one, refused.cmake expects the compiler to refuse that call and name the broken constraint.
#include <complex>
#include <sstream>
#include <vector>

#include "Operations/Operations"

using Algorithms::Matrix;
using Algorithms::Operations;
using Algorithms::Vector;
using Algorithms::VectorView;
using zfloat = std::complex<float>;
using zdouble = std::complex<double>;

void calls()
{
    Vector<double> x(3), y(3);
    VectorView<double> view = x[{0, 3}];
    Matrix<double> A(3, 3), X(3, 3), Y(3, 3);
    Vector<zdouble> u(3), v(3);
    std::stringstream text;

    // Accepted: one element type per call, matrices where matrices are required, const containers too
    // (const guards the handle, not the elements).
    const Vector<double> constX(3);
    Operations::scale(2.0, constX);
    Operations::axpy(2.0, x, view);
    Operations::sum(A, y);
    Operations::copy(view, Y);
    Operations::swap(x, y);
    (void)Operations::dot(x, A);
    (void)Operations::hdot(u, v);
    Operations::gemv(1.0, 0.0, A, x, y);
    Operations::matvec(A, X, view);
    Operations::gemm(1.0, 0.0, A, X, Y);
    Operations::matmul(A, X, Y);
    Operations::ls(A, x);
    Operations::show(view, text);
    Algorithms::validate_gemv(x, x, y);
    Algorithms::validate_gemm(A, X, Y);

    [[maybe_unused]] Vector<float> xs(3);
    [[maybe_unused]] Matrix<float> As(3, 3);
    [[maybe_unused]] Vector<zfloat> uc(3);
    [[maybe_unused]] std::vector<double> stdVector(3);

#if defined(KALDRA_MISUSE_scale_not_a_container)
    Operations::scale(2.0, stdVector);
#elif defined(KALDRA_MISUSE_scale_int_elements)
    Vector<int> ints(3);
    Operations::scale(2, ints);
#elif defined(KALDRA_MISUSE_axpy_mixed)
    Operations::axpy(2.0, x, xs);
#elif defined(KALDRA_MISUSE_sum_mixed)
    Operations::sum(As, y);
#elif defined(KALDRA_MISUSE_copy_mixed)
    Operations::copy(uc, u);
#elif defined(KALDRA_MISUSE_swap_mixed)
    Operations::swap(view, xs);
#elif defined(KALDRA_MISUSE_dot_mixed)
    (void)Operations::dot(x, xs);
#elif defined(KALDRA_MISUSE_hdot_real)
    (void)Operations::hdot(x, y);
#elif defined(KALDRA_MISUSE_hdot_mixed)
    (void)Operations::hdot(u, uc);
#elif defined(KALDRA_MISUSE_gemv_mixed)
    Operations::gemv(1.0, 0.0, A, xs, y);
#elif defined(KALDRA_MISUSE_matvec_mixed)
    Operations::matvec(A, x, uc);
#elif defined(KALDRA_MISUSE_gemm_vector_X)
    Operations::gemm(1.0, 0.0, A, x, Y);
#elif defined(KALDRA_MISUSE_gemm_mixed)
    Operations::gemm(1.0, 0.0, A, As, Y);
#elif defined(KALDRA_MISUSE_matmul_mixed)
    Operations::matmul(As, X, Y);
#elif defined(KALDRA_MISUSE_ls_vector_A)
    Operations::ls(x, y);
#elif defined(KALDRA_MISUSE_ls_mixed)
    Operations::ls(A, xs);
#elif defined(KALDRA_MISUSE_show_not_a_container)
    Operations::show(stdVector, text);
#elif defined(KALDRA_MISUSE_validate_gemm_vector)
    Algorithms::validate_gemm(A, x, Y);
#endif
}
