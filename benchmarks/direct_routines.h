// The routines kaldra calls, called directly on square operands of order n: one overload per element
// type for each, as kaldra's operation headers have them. The benchmark programs time kaldra against these.
#pragma once

#include <cblas.h>
#include <lapacke.h>

#include <complex>

namespace direct {

using cfloat = std::complex<float>;
using zdouble = std::complex<double>;

void scal(int n, float a, float* x) { cblas_sscal(n, a, x, 1); }
void scal(int n, double a, double* x) { cblas_dscal(n, a, x, 1); }
void scal(int n, cfloat a, cfloat* x) { cblas_cscal(n, &a, x, 1); }
void scal(int n, zdouble a, zdouble* x) { cblas_zscal(n, &a, x, 1); }
void axpy(int n, float a, const float* x, float* y) { cblas_saxpy(n, a, x, 1, y, 1); }
void axpy(int n, double a, const double* x, double* y) { cblas_daxpy(n, a, x, 1, y, 1); }
void axpy(int n, cfloat a, const cfloat* x, cfloat* y) { cblas_caxpy(n, &a, x, 1, y, 1); }
void axpy(int n, zdouble a, const zdouble* x, zdouble* y) { cblas_zaxpy(n, &a, x, 1, y, 1); }
void copy(int n, const float* x, float* y) { cblas_scopy(n, x, 1, y, 1); }
void copy(int n, const double* x, double* y) { cblas_dcopy(n, x, 1, y, 1); }
void copy(int n, const cfloat* x, cfloat* y) { cblas_ccopy(n, x, 1, y, 1); }
void copy(int n, const zdouble* x, zdouble* y) { cblas_zcopy(n, x, 1, y, 1); }
void swap(int n, float* x, float* y) { cblas_sswap(n, x, 1, y, 1); }
void swap(int n, double* x, double* y) { cblas_dswap(n, x, 1, y, 1); }
void swap(int n, cfloat* x, cfloat* y) { cblas_cswap(n, x, 1, y, 1); }
void swap(int n, zdouble* x, zdouble* y) { cblas_zswap(n, x, 1, y, 1); }
float dot(int n, const float* x, const float* y) { return cblas_sdot(n, x, 1, y, 1); }
double dot(int n, const double* x, const double* y) { return cblas_ddot(n, x, 1, y, 1); }
cfloat dot(int n, const cfloat* x, const cfloat* y)
{
    cfloat r;
    cblas_cdotu_sub(n, x, 1, y, 1, &r);
    return r;
}
zdouble dot(int n, const zdouble* x, const zdouble* y)
{
    zdouble r;
    cblas_zdotu_sub(n, x, 1, y, 1, &r);
    return r;
}
cfloat dotc(int n, const cfloat* x, const cfloat* y)
{
    cfloat r;
    cblas_cdotc_sub(n, x, 1, y, 1, &r);
    return r;
}
zdouble dotc(int n, const zdouble* x, const zdouble* y)
{
    zdouble r;
    cblas_zdotc_sub(n, x, 1, y, 1, &r);
    return r;
}
void gemv(int n, float a, const float* A, const float* x, float b, float* y)
{
    cblas_sgemv(CblasColMajor, CblasNoTrans, n, n, a, A, n, x, 1, b, y, 1);
}
void gemv(int n, double a, const double* A, const double* x, double b, double* y)
{
    cblas_dgemv(CblasColMajor, CblasNoTrans, n, n, a, A, n, x, 1, b, y, 1);
}
void gemv(int n, cfloat a, const cfloat* A, const cfloat* x, cfloat b, cfloat* y)
{
    cblas_cgemv(CblasColMajor, CblasNoTrans, n, n, &a, A, n, x, 1, &b, y, 1);
}
void gemv(int n, zdouble a, const zdouble* A, const zdouble* x, zdouble b, zdouble* y)
{
    cblas_zgemv(CblasColMajor, CblasNoTrans, n, n, &a, A, n, x, 1, &b, y, 1);
}
void gemm(int n, float a, const float* A, const float* B, float b, float* C)
{
    cblas_sgemm(CblasColMajor, CblasNoTrans, CblasNoTrans, n, n, n, a, A, n, B, n, b, C, n);
}
void gemm(int n, double a, const double* A, const double* B, double b, double* C)
{
    cblas_dgemm(CblasColMajor, CblasNoTrans, CblasNoTrans, n, n, n, a, A, n, B, n, b, C, n);
}
void gemm(int n, cfloat a, const cfloat* A, const cfloat* B, cfloat b, cfloat* C)
{
    cblas_cgemm(CblasColMajor, CblasNoTrans, CblasNoTrans, n, n, n, &a, A, n, B, n, &b, C, n);
}
void gemm(int n, zdouble a, const zdouble* A, const zdouble* B, zdouble b, zdouble* C)
{
    cblas_zgemm(CblasColMajor, CblasNoTrans, CblasNoTrans, n, n, n, &a, A, n, B, n, &b, C, n);
}
lapack_int gels(int n, float* A, float* b) { return LAPACKE_sgels(LAPACK_COL_MAJOR, 'N', n, n, 1, A, n, b, n); }
lapack_int gels(int n, double* A, double* b) { return LAPACKE_dgels(LAPACK_COL_MAJOR, 'N', n, n, 1, A, n, b, n); }
lapack_int gels(int n, cfloat* A, cfloat* b)
{
    return LAPACKE_cgels(LAPACK_COL_MAJOR, 'N', n, n, 1, reinterpret_cast<lapack_complex_float*>(A), n,
                         reinterpret_cast<lapack_complex_float*>(b), n);
}
lapack_int gels(int n, zdouble* A, zdouble* b)
{
    return LAPACKE_zgels(LAPACK_COL_MAJOR, 'N', n, n, 1, reinterpret_cast<lapack_complex_double*>(A), n,
                         reinterpret_cast<lapack_complex_double*>(b), n);
}

} // namespace direct
