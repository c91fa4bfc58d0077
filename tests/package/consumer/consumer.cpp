// A program on kaldra that calls every operation for every element type and container kind, and uses
// every container as a range, so that the consumer builds compile all of the headers under their strict
// warning flags, then checks the results it can know exactly.
#include <algorithm>
#include <complex>
#include <cstdio>
#include <numeric>
#include <span>
#include <sstream>
#include <stdexcept>

#include <Operations/Operations>
#include <Types/Types>

using namespace Algorithms;

template <typename E>
bool run(const char* name)
{
    const E values[] = {E(1), E(2), E(3), E(4)};
    Vector<E> x(4);
    for (size_t i = 0; i < x.numel(); ++i)
        x[i] = values[i];
    VectorView<E> tail = x[{2, 4}];
    const Vector<E> shared(x); // a copy shares the elements

    Vector<E> y(4);
    Operations::copy(x, y);
    Operations::scale(E(2), y);         // 2 4 6 8
    Operations::axpy(E(-1), shared, y); // 1 2 3 4
    Operations::sum(tail, y);           // 4 6 3 4
    VectorView<E> head = y[{0, 2}];
    Operations::swap(tail, head);      // x: 1 2 4 6, y: 3 4 3 4
    const E d = Operations::dot(x, y); // 3 + 8 + 12 + 24
    bool good = d == E(47) && shared[3] == E(6);
    if constexpr (isComplex<E>)
        good = good && Operations::hdot(x, y) == E(47);

    Matrix<E> A(2, 2), B(2, 2), C(2, 2);
    A[{0, 0}] = E(2);
    A[{1, 1}] = E(4);
    B[{0, 1}] = E(1);
    B[{1, 0}] = E(1);
    Vector<E> r(2);
    Operations::gemv(E(1), E(0), A, tail, r); // 8 24
    Operations::matvec(B, tail, r);           // 14 28
    Operations::gemm(E(1), E(0), A, B, C);    // 0 2 / 4 0
    Operations::matmul(B, A, C);              // 0 6 / 6 0
    Operations::ls(A, r);                     // 7 7
    good = good && r[0] == E(7) && r[1] == E(7) && (C[{0, 1}]) == E(6) && C.template dim<1>() == 2;

    // A matrix stands for its first column; a vector as A is refused at run time.
    Vector<E> column(2);
    Operations::gemv(E(1), E(0), C, B, column); // 6 0
    try {
        Operations::matvec(x, tail, column);
        good = false;
    } catch (const std::runtime_error&) {
    }

    // The containers as ranges, a matrix in storage order; reads and views through const handles.
    const Vector<E> ones = Vector<E>::forOverwrite(3, [](E* elements) { std::fill_n(elements, 3, E(1)); });
    const Matrix<E> twos = Matrix<E>::forOverwrite(2, 1, [](E* elements) { std::fill_n(elements, 2, E(2)); });
    const VectorView<E> window = y[{1, 4}];
    VectorView<E> inner = y[{1, 4}][{0, 2}];
    E total = E(0);
    for (const E& element : ones)
        total += element;
    const std::span<E> span(twos);
    good = good && total == E(3) && span.size() == 2 && span[1] == E(2) && ones[2] == E(1) && (twos[{1, 0}]) == E(2) &&
           window[0] == E(4) && inner.size() == 2;
    good = good && std::accumulate(C.begin(), C.end(), E(0)) == E(12) && std::ranges::count(column, E(6)) == 1;
    std::ranges::reverse(inner); // y: 3 3 4 4
    good = good && std::ranges::equal(inner, std::span<const E>(values + 2, 2)) && y[1] == E(3);

    std::ostringstream text;
    Operations::show(C, text);
    Operations::show(tail, text);
    Operations::show(window, text);
    good = good && text.str().rfind("Matrix of size: (2, 2)", 0) == 0;
    std::printf("%s: %s\n", name, good ? "ok" : "wrong");
    return good;
}

int main()
{
    // Every element type runs, also after one has failed.
    const bool good[] = {run<float>("float"), run<double>("double"), run<std::complex<float>>("complex<float>"),
                         run<std::complex<double>>("complex<double>")};
    return std::ranges::all_of(good, [](bool g) { return g; }) ? 0 : 1;
}
