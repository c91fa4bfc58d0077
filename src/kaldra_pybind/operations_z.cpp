// The operation pass for the element type std::complex<double>.
#include "plan"

template void kaldra::defineOperations<std::complex<double>>(pybind11::module_&);
