// The operation pass for the element type float.
#include "plan"

template void kaldra::defineOperations<float>(pybind11::module_&);
