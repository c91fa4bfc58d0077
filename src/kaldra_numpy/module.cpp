// The module kaldra_numpy: NumPy arrays over kaldra's containers without a copy, and bulk copies of
// arrays into new or existing containers.
//
// The containers are the classes that the module kaldra registered; this module finds them through the
// binding library's registry, which both modules share because they are built with the same pybind11.
// NumPy is reached only through its documented Python-level protocols (the buffer protocol for reading
// arrays, the `__array_struct__` capsule for making them) and its Python-level `asarray`, so this module
// compiles without NumPy's headers and works with every NumPy that speaks those protocols.
#include "array_export"
#include "array_import"

#include <complex>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "../kaldra_pybind/interpreter"

namespace kaldra_numpy {

/// One of kaldra's container classes with this module's work for it.
struct ContainerClass {
    PyTypeObject* cls;
    const py::detail::type_info* info;
    bool isView;
    int ndim;
    const char* format;
    const char* dtype;
    std::string name;
    std::string vectorName; ///< the vector class of the same element type
    py::object (*asarray)(py::handle c, const py::detail::type_info* info);
    void (*assign)(const char* op, py::handle c, const py::detail::type_info* info, const ArrayBuffer& buffer,
                   py::handle array);
    py::object (*fromArray)(const ArrayBuffer& buffer, PyTypeObject* cls);
};

// kaldra's twelve container classes, in its registration order; filled once, when the module is first
// initialised.
std::vector<ContainerClass> containerClasses;

template <typename C>
ContainerClass containerClass()
{
    using T = typename C::SampleType;
    const auto* info = py::detail::get_type_info(typeid(C), true);
    return {info->type,
            info,
            std::is_same_v<C, VectorView<T>>,
            isMatrix<C> ? 2 : 1,
            Element<T>::format,
            Element<T>::dtype.text,
            className<C>(),
            className<Vector<T>>(),
            [](py::handle c, const py::detail::type_info* i) -> py::object {
                return asarray(containerIn<C>("asarray", c, i));
            },
            &assign<C>,
            &containerFromBuffer<T>};
}

/// The class entry of a container, found in constant time: the twelve classes are compared by identity
/// (subclasses by a second pass), where the binding library's overload resolution would try one overload
/// after another, each refusal costing more than a whole call. Runs no Python code.
const ContainerClass* findContainerClass(PyTypeObject* type)
{
    for (const auto& k : containerClasses)
        if (k.cls == type)
            return &k;
    for (const auto& k : containerClasses)
        if (PyType_IsSubtype(type, k.cls))
            return &k;
    return nullptr;
}

const ContainerClass& containerClassOf(const char* op, py::handle c)
{
    if (const ContainerClass* k = findContainerClass(Py_TYPE(c.ptr())))
        return *k;
    notAContainer(op, c);
}

py::object asarrayOfAny(const py::object& c)
{
    const ContainerClass& k = containerClassOf("asarray", c);
    return k.asarray(c, k.info);
}

void assignToAny(const py::object& c, const py::object& array)
{
    constexpr const char* op = "assign";
    const ContainerClass& k = containerClassOf(op, c);
    const ArrayBuffer buffer(op, array);
    // The buffer's acquisition may have run Python code, which may have run c's __init__ (containerIn
    // takes the container only now) or rebound its class: the container in c would then not be one of
    // the class that k stands for.
    if (&containerClassOf(op, c) != &k)
        classChanged(op, c);
    k.assign(op, c, k.info, buffer, array);
}

/// The entry of the vector or matrix class that from_array is to make an instance of, for cls (that
/// class or a subclass of it). Runs no Python code.
const ContainerClass& targetClassOf(const char* op, py::handle cls)
{
    const ContainerClass* target = nullptr;
    if (PyType_Check(cls.ptr()))
        target = findContainerClass(reinterpret_cast<PyTypeObject*>(cls.ptr()));
    if (target == nullptr)
        notAClass(op, cls);
    if (target->isView)
        viewClass(op, cls, target->vectorName);
    return *target;
}

py::object fromArray(const py::object& array, const py::object& cls)
{
    constexpr const char* op = "from_array";
    if (!cls.is_none())
        targetClassOf(op, cls);
    const ArrayBuffer buffer(op, array);
    if (!cls.is_none()) {
        // The buffer's acquisition may have run Python code, which may have changed cls's bases.
        const ContainerClass& target = targetClassOf(op, cls);
        if (buffer.format() != target.format)
            dtypeMismatch(op, array, target.name, target.dtype);
        if (buffer.ndim() != target.ndim)
            dimensionsMismatch(op, buffer.ndim(), target.name, target.ndim);
        return target.fromArray(buffer, reinterpret_cast<PyTypeObject*>(cls.ptr()));
    }
    py::object result;
    const bool known = withElementType(buffer.format(), [&](auto sample) {
        if (buffer.ndim() != 1 && buffer.ndim() != 2)
            dimensionsUnsupported(op, buffer.ndim());
        result = containerFromBuffer<decltype(sample)>(buffer);
    });
    if (!known)
        dtypeUnsupported(op, array);
    return result;
}

// What the functions accept for each container class, for their documentation: typed signatures that
// the binding library lists, never called.
template <typename C>
void assignTyped(C&, const ArrayOf<C>&)
{
}

template <typename C>
C fromArrayTyped(const ArrayOf<C>&, const ClassOf<C>&)
{
    throw std::logic_error("a listing only");
}

AnyContainer fromArrayUntyped(const AnyArray&, const py::none&) { throw std::logic_error("a listing only"); }

constexpr const char* asarrayDoc =
    "A writable NumPy array over the storage of c, without a copy; it keeps the storage alive.";
constexpr const char* assignDoc = "Copy the elements of a into c; a must have c's shape and element type.";
constexpr const char* fromArrayDoc =
    "A new vector (from a 1-D array) or matrix (from a 2-D array) holding a copy of a's elements.";
constexpr const char* fromArrayClassDoc =
    "A new instance of cls holding a copy of a's elements; a must have cls's element type and number of "
    "dimensions. An instance of a subclass is made without running a __new__ or __init__ of its own.";

/// The listings of asarray, assign and from_array, built up overload by overload.
struct Listings {
    py::object asarray = py::none(), assign = py::none(), fromArray = py::none();
};

/// Enters one element type's container classes, and adds their typed overloads to the listings.
template <typename T>
void addElementType(std::vector<ContainerClass>& classes, Listings& listings)
{
    auto add = [&](auto sample) {
        using C = typename decltype(sample)::type;
        classes.push_back(containerClass<C>());
        listings.asarray =
            py::cpp_function(&asarray<C>, py::name("asarray"), py::sibling(listings.asarray), py::arg("c"), asarrayDoc);
        listings.assign = py::cpp_function(&assignTyped<C>, py::name("assign"), py::sibling(listings.assign),
                                           py::arg("c"), py::arg("a"), assignDoc);
        if constexpr (!std::is_same_v<C, VectorView<T>>)
            listings.fromArray =
                py::cpp_function(&fromArrayTyped<C>, py::name("from_array"), py::sibling(listings.fromArray),
                                 py::arg("a"), py::arg("cls"), fromArrayClassDoc);
    };
    add(std::type_identity<Vector<T>>{});
    add(std::type_identity<VectorView<T>>{});
    add(std::type_identity<Matrix<T>>{});
}

void initModule(py::module_& m)
{
    // This module's own copy of the library's standard translation, for what this module throws: in the
    // wheel each module has a C++ runtime of its own, and the process-wide copy may be kaldra's.
    py::register_local_exception_translator(&py::detail::translate_exception);
    // The containers are kaldra's classes: importing kaldra registers them.
    py::module_::import("kaldra");
    py::module_ numpy;
    try {
        numpy = py::module_::import("numpy");
    } catch (py::error_already_set& e) {
        if (!e.matches(PyExc_ImportError))
            throw;
        py::raise_from(e, PyExc_ImportError, "kaldra_numpy needs NumPy; install it with: pip install 'kaldra[numpy]'");
        throw py::error_already_set();
    }
    readyStorageType();

    std::vector<ContainerClass> classes;
    Listings listings;
    listings.fromArray = py::cpp_function(&fromArrayUntyped, py::name("from_array"), py::arg("a"),
                                          py::arg("cls") = py::none(), fromArrayDoc);
    addElementType<float>(classes, listings);
    addElementType<double>(classes, listings);
    addElementType<std::complex<float>>(classes, listings);
    addElementType<std::complex<double>>(classes, listings);
    const std::string asarrayListing = py::str(listings.asarray.attr("__doc__"));
    const std::string assignListing = py::str(listings.assign.attr("__doc__"));
    const std::string fromArrayListing = py::str(listings.fromArray.attr("__doc__"));

    // asarray, assign and from_array find the container's class themselves (findContainerClass); what
    // they accept is documented by the binding library's own listing of the typed overloads above.
    py::options options;
    options.disable_function_signatures();
    m.def("asarray", &asarrayOfAny, py::arg("c"), asarrayListing.c_str());
    m.def("from_array", &fromArray, py::arg("a"), py::arg("cls") = py::none(), fromArrayListing.c_str());
    m.def("assign", &assignToAny, py::arg("c"), py::arg("a"), assignListing.c_str());

    // Nothing can fail any more: the process-wide state is set only now, so that an import that failed
    // (NumPy missing, say) can be tried again from scratch.
    const char* dtypeNames[] = {"float32", "float64", "complex64", "complex128"};
    for (size_t i = 0; i < numpyDtypes.size(); ++i)
        numpyDtypes[i] = numpy.attr("dtype")(dtypeNames[i]).release();
    numpyAsarray = py::object(numpy.attr("asarray")).release();
    numpyNdarray = py::object(numpy.attr("ndarray")).release();
    containerClasses = std::move(classes);
}

} // namespace kaldra_numpy

// The module entry, written out rather than taken from PYBIND11_MODULE, which would hide any import
// error (NumPy missing, kaldra refusing this interpreter) behind a generic "initialization failed", and
// which declares a module that the interpreter copies into every later import without asking it (a
// module state size of -1): this one is asked each time, so that it can refuse a subinterpreter.
static PyModuleDef kaldraNumpyDefinition = {
    PyModuleDef_HEAD_INIT, "kaldra_numpy", nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr};

// The one module object of the process, made by the first initialisation that succeeded: a later import
// (after the module was removed from sys.modules) gets it again, with the one set of tables behind it.
static PyObject* kaldraNumpyModule = nullptr;

extern "C" PYBIND11_EXPORT PyObject* PyInit_kaldra_numpy()
{
    if (kaldra::refusedOutsideMainInterpreter("kaldra_numpy"))
        return nullptr;
    if (kaldraNumpyModule != nullptr)
        return Py_NewRef(kaldraNumpyModule);
    PYBIND11_CHECK_PYTHON_VERSION
    PYBIND11_ENSURE_INTERNALS_READY
    PyObject* created = PyModule_Create(&kaldraNumpyDefinition);
    if (created == nullptr)
        return nullptr;
    auto m = pybind11::reinterpret_steal<pybind11::module_>(created);
    try {
        kaldra_numpy::initModule(m);
        kaldraNumpyModule = m.inc_ref().ptr();
        return m.release().ptr();
    } catch (pybind11::error_already_set& e) {
        e.restore();
    } catch (const std::exception& e) {
        PyErr_SetString(PyExc_ImportError, e.what());
    }
    return nullptr;
}
