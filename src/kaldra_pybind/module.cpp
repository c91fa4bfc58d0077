// Entry point of the module kaldra: the class pass, the operation pass, then the front path of the
// operation functions.
#include "plan"

PYBIND11_MODULE(kaldra, m)
{
    using namespace kaldra;
    hana::for_each(typeSet, [&](auto tup) { registerClasses(tup, m); });
    hana::for_each(operationsSet, [&](auto hanaType) { defineOperations<typename decltype(hanaType)::type>(m); });
    installFrontPath(m);
}
