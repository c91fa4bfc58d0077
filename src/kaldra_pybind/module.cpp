// Entry point of the module kaldra: the version guard, the interpreter guard, then the class pass, the
// operation pass and the front path of the functions and methods.
#include "interpreter"
#include "plan"

namespace {

pybind11::module_::module_def kaldraDefinition;

/// The binding library's common base class builds instances of registered classes only; asked for an
/// instance of itself (which pickling with protocols 0 and 1 does: it constructs the nearest base class
/// it can call) it would end the process. It refuses such a class with a TypeError instead.
newfunc libraryBaseNew = nullptr;

PyObject* guardedBaseNew(PyTypeObject* type, PyObject* args, PyObject* kwargs)
{
    if (pybind11::detail::all_type_info(type).empty())
        return PyErr_Format(PyExc_TypeError, "cannot create '%s' instances", type->tp_name);
    return libraryBaseNew(type, args, kwargs);
}

/// Gives the guarded constructor to the base class and to every class that inherited the base's:
/// the interpreter lets Base.__new__(Derived) run only when both name the same function.
void guardConstruction(PyTypeObject* type)
{
    if (type->tp_new != libraryBaseNew)
        return;
    type->tp_new = &guardedBaseNew;
    pybind11::list subclasses = pybind11::handle(reinterpret_cast<PyObject*>(type)).attr("__subclasses__")();
    for (pybind11::handle subclass : subclasses)
        guardConstruction(reinterpret_cast<PyTypeObject*>(subclass.ptr()));
}

void guardBaseConstruction()
{
    auto* base = reinterpret_cast<PyTypeObject*>(pybind11::detail::get_internals().instance_base);
    if (base->tp_new == &guardedBaseNew)
        return;
    libraryBaseNew = base->tp_new;
    guardConstruction(base);
}

void initKaldra(pybind11::module_& m)
{
    using namespace kaldra;
    dispatch::reset();
    // The wheel links a C++ runtime into each module, and code of one runtime does not recognise the
    // exception types of another. The library's standard translation sits in its process-wide list, made
    // by whichever module loads first (kaldra_numpy, say); this module's own copy of it, registered first
    // so that it runs after this module's other translators, translates whatever this module throws.
    py::register_local_exception_translator(&py::detail::translate_exception);
    hana::for_each(typeSet, [&](auto tup) { registerClasses(tup, m); });
    hana::for_each(operationsSet, [&](auto hanaType) { defineOperations<typename decltype(hanaType)::type>(m); });
    installFrontPath(m);
    guardBaseConstruction();
}

/// The module, once it has registered itself in this process.
PyObject* initialised = nullptr;

} // namespace

// Written out rather than taken from PYBIND11_MODULE, so that the interpreter guard runs before the
// binding library sets up any process-wide state. The classes, the front path's tables and the library's
// registry are the process's, and the library's registry keeps the thread state of the interpreter that
// made it: only the main interpreter may import kaldra, and it initialises once per process. Any later
// import (after the module was removed from sys.modules, a reload) gets the same module again.
//
// The module definition says it may be initialised again (state size 0, still no state): with a state
// size of -1 the interpreter would hand any later import, in any interpreter, a copy of the first
// module's namespace without calling this function, and so without its guard.
PYBIND11_PLUGIN_IMPL(kaldra)
{
    PYBIND11_CHECK_PYTHON_VERSION
    if (kaldra::refusedOutsideMainInterpreter("kaldra"))
        return nullptr;
    if (initialised != nullptr)
        return Py_NewRef(initialised);
    PYBIND11_ENSURE_INTERNALS_READY
    auto m = pybind11::module_::create_extension_module("kaldra", nullptr, &kaldraDefinition);
    try {
        initKaldra(m);
        kaldraDefinition.m_size = 0;
        initialised = Py_NewRef(m.ptr());
        return m.ptr();
    }
    PYBIND11_CATCH_INIT_EXCEPTIONS
}
