// The operation pass for the element type double.
#include "plan"

template void kaldra::defineOperations<double>(pybind11::module_&);
