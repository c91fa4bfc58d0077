// The operation pass for the element type std::complex<float>.
#include "plan"

template void kaldra::defineOperations<std::complex<float>>(pybind11::module_&);
