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
#include "batch"

#include <pybind11/complex.h>

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

/// The element type of a batched call, from its first array; calls f with a value of that type.
template <typename F>
void withBatchElementType(const char* op, const HeldArray& first, const char* operand, F&& f)
{
    if (!withElementType(first.format(), f))
        batchDtypeUnsupported(op, operand, first.array());
}

/// Refuses an array whose dtype is not that of the call's first array.
template <typename E>
void checkDtype(const char* op, const char* firstName, const HeldArray& held, const char* operand)
{
    if (held.format() != Element<E>::format)
        batchDtypeMismatch(op, operand, held.array(), firstName, Element<E>::dtype.text);
}

/// A scalar of a batched call as the element type E, converted once, as kaldra's functions convert it.
template <typename E>
E batchScalar(const char* op, const char* name, py::handle value)
{
    bool ranCode = false;
    if constexpr (Algorithms::isComplex<E>) {
        Py_complex c{};
        const auto load = kaldra::dispatch::complexValueOfAny(value.ptr(), c, ranCode);
        if (load == kaldra::dispatch::Load::failed)
            throw py::error_already_set();
        if (load == kaldra::dispatch::Load::refused)
            throw py::type_error("In " + std::string(op) + ", " + name + " must be a number, not " + typeName(value));
        return E(typename E::value_type(c.real), typename E::value_type(c.imag));
    } else {
        double real = 0;
        const auto load = kaldra::dispatch::realValueOfAny(value.ptr(), real, ranCode);
        if (load == kaldra::dispatch::Load::failed)
            throw py::error_already_set();
        if (load == kaldra::dispatch::Load::refused) {
            // The number ABCs were asked already (refused values that are complex say so through them
            // or through a complex conversion): asking again runs no code of the value's own.
            if (PyComplex_Check(value.ptr()) || kaldra::dispatch::hasComplexConversion(value.ptr()))
                throw py::type_error("In " + std::string(op) + ", " + name +
                                     " is a complex number, and arrays of dtype " + Element<E>::dtype.text +
                                     " hold real numbers");
            throw py::type_error("In " + std::string(op) + ", " + name + " must be a real number, not " +
                                 typeName(value));
        }
        return E(real);
    }
}

/// The problem count of an input against the output's: equal, or one shared by all.
template <typename E>
void checkCount(const char* op, const char* operand, const Stack<E>& input, const char* output, size_t count)
{
    if (!input.shared && input.count != count)
        batchCountMismatch(op, operand, input.count, output, count);
}

/// The array dimension that holds a problem's rows (0 for a shared operand) and its columns.
template <typename E>
int rowAxis(const Stack<E>& s)
{
    return s.shared ? 0 : 1;
}

py::object gemmBatchOfAny(py::handle a, py::handle b, py::handle A, py::handle X, py::handle Y)
{
    constexpr const char* op = "gemm_batch";
    constexpr const char* expression = "Y[k] = aA[k]X[k] + bY[k]";
    const HeldArray heldA(op, "A", A, false), heldX(op, "X", X, false), heldY(op, "Y", Y, true);
    withBatchElementType(op, heldA, "A", [&](auto sample) {
        using E = decltype(sample);
        checkDtype<E>(op, "A", heldX, "X");
        checkDtype<E>(op, "A", heldY, "Y");
        const E alpha = batchScalar<E>(op, "a", a), beta = batchScalar<E>(op, "b", b);
        const auto sa = stackOf<E>(op, "A", heldA, true, true);
        const auto sx = stackOf<E>(op, "X", heldX, true, true);
        const auto sy = stackOf<E>(op, "Y", heldY, true, false);
        checkCount(op, "A", sa, "Y", sy.count);
        checkCount(op, "X", sx, "Y", sy.count);
        const int ra = rowAxis(sa), rx = rowAxis(sx);
        if (sa.rows != sy.rows)
            batchShapeMismatch(op, expression, "A", ra, sa.rows, "Y", 1, sy.rows);
        if (sx.cols != sy.cols)
            batchShapeMismatch(op, expression, "X", rx + 1, sx.cols, "Y", 2, sy.cols);
        if (sa.cols != sx.rows)
            batchShapeMismatch(op, expression, "A", ra + 1, sa.cols, "X", rx, sx.rows);
        blasExtent(op, "A", ra, sa.rows);
        blasExtent(op, "A", ra + 1, sa.cols);
        blasExtent(op, "X", rx + 1, sx.cols);
        gemmBatch<E>(alpha, beta, sa, sx, sy);
    });
    return py::reinterpret_borrow<py::object>(Y);
}

py::object gemvBatchOfAny(py::handle a, py::handle b, py::handle A, py::handle x, py::handle y)
{
    constexpr const char* op = "gemv_batch";
    constexpr const char* expression = "y[k] = aA[k]x[k] + by[k]";
    const HeldArray heldA(op, "A", A, false), heldX(op, "x", x, false), heldY(op, "y", y, true);
    withBatchElementType(op, heldA, "A", [&](auto sample) {
        using E = decltype(sample);
        checkDtype<E>(op, "A", heldX, "x");
        checkDtype<E>(op, "A", heldY, "y");
        const E alpha = batchScalar<E>(op, "a", a), beta = batchScalar<E>(op, "b", b);
        const auto sa = stackOf<E>(op, "A", heldA, true, true);
        const auto sx = stackOf<E>(op, "x", heldX, false, true);
        const auto sy = stackOf<E>(op, "y", heldY, false, false);
        checkCount(op, "A", sa, "y", sy.count);
        checkCount(op, "x", sx, "y", sy.count);
        const int ra = rowAxis(sa);
        if (sa.cols != sx.cols)
            batchShapeMismatch(op, expression, "A", ra + 1, sa.cols, "x", sx.shared ? 0 : 1, sx.cols);
        if (sa.rows != sy.cols)
            batchShapeMismatch(op, expression, "A", ra, sa.rows, "y", 1, sy.cols);
        blasExtent(op, "A", ra, sa.rows);
        blasExtent(op, "A", ra + 1, sa.cols);
        blasExtent(op, "y", 0, sy.count);
        gemvBatch<E>(alpha, beta, sa, sx, sy);
    });
    return py::reinterpret_borrow<py::object>(y);
}

py::object lsBatchOfAny(py::handle A, py::handle B)
{
    constexpr const char* op = "ls_batch";
    const HeldArray heldA(op, "A", A, true), heldB(op, "B", B, true);
    py::object status;
    withBatchElementType(op, heldA, "A", [&](auto sample) {
        using E = decltype(sample);
        checkDtype<E>(op, "A", heldB, "B");
        const auto sa = stackOf<E>(op, "A", heldA, true, false);
        const auto sb = stackOf<E>(op, "B", heldB, false, false);
        if (sb.count != sa.count)
            batchCountMismatch(op, "B", sb.count, "A", sa.count);
        const size_t needed = std::max(sa.rows, sa.cols);
        if (sb.cols < needed)
            batchTooShort(op, sb.cols, needed, sa.rows, sa.cols);
        blasExtent(op, "A", 1, sa.rows);
        blasExtent(op, "A", 2, sa.cols);
        if (shareMemory(sa, sb))
            batchShared(op, "A", "B");
        // The status array is made before anything is written: making it can fail (memory).
        status = py::reinterpret_borrow<py::object>(numpyZeros)(py::int_(sa.count), "int8");
        const HeldArray heldStatus(op, "status", status, true);
        lsBatch<E>(sa, sb, static_cast<signed char*>(heldStatus.view().buf));
    });
    return status;
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

template <typename T>
Array<T, 3> gemmBatchTyped(T, T, const StackOrShared<T, 3>&, const StackOrShared<T, 3>&, const Array<T, 3>&)
{
    throw std::logic_error("a listing only");
}

template <typename T>
Array<T, 2> gemvBatchTyped(T, T, const StackOrShared<T, 3>&, const StackOrShared<T, 2>&, const Array<T, 2>&)
{
    throw std::logic_error("a listing only");
}

template <typename T>
StatusArray lsBatchTyped(const Array<T, 3>&, const Array<T, 2>&)
{
    throw std::logic_error("a listing only");
}

constexpr const char* asarrayDoc =
    "A writable NumPy array over the storage of c, without a copy; it keeps the storage alive.";
constexpr const char* assignDoc = "Copy the elements of a into c; a must have c's shape and element type.";
constexpr const char* fromArrayDoc =
    "A new vector (from a 1-D array) or matrix (from a 2-D array) holding a copy of a's elements.";
constexpr const char* fromArrayClassDoc =
    "A new instance of cls holding a copy of a's elements; a must have cls's element type and number of "
    "dimensions. An instance of a subclass is made without running a __new__ or __init__ of its own.";

constexpr const char* gemmBatchDoc = "Y[k] <- a*A[k]*X[k] + b*Y[k] for every k, in place; returns Y.";
constexpr const char* gemvBatchDoc = "y[k] <- a*A[k]*x[k] + b*y[k] for every k, in place; returns y.";
constexpr const char* lsBatchDoc =
    "Solves the least-squares problem of A[k] and B[k] for every k, in place; returns each problem's status.";

/// The listings of the functions, built up overload by overload.
struct Listings {
    py::object asarray = py::none(), assign = py::none(), fromArray = py::none();
    py::object gemmBatch = py::none(), gemvBatch = py::none(), lsBatch = py::none();
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
    listings.gemmBatch =
        py::cpp_function(&gemmBatchTyped<T>, py::name("gemm_batch"), py::sibling(listings.gemmBatch), py::arg("a"),
                         py::arg("b"), py::arg("A"), py::arg("X"), py::arg("Y"), gemmBatchDoc);
    listings.gemvBatch =
        py::cpp_function(&gemvBatchTyped<T>, py::name("gemv_batch"), py::sibling(listings.gemvBatch), py::arg("a"),
                         py::arg("b"), py::arg("A"), py::arg("x"), py::arg("y"), gemvBatchDoc);
    listings.lsBatch = py::cpp_function(&lsBatchTyped<T>, py::name("ls_batch"), py::sibling(listings.lsBatch),
                                        py::arg("A"), py::arg("B"), lsBatchDoc);
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
    const std::string gemmBatchListing = py::str(listings.gemmBatch.attr("__doc__"));
    const std::string gemvBatchListing = py::str(listings.gemvBatch.attr("__doc__"));
    const std::string lsBatchListing = py::str(listings.lsBatch.attr("__doc__"));

    // asarray, assign and from_array find the container's class themselves (findContainerClass); what
    // they accept is documented by the binding library's own listing of the typed overloads above.
    py::options options;
    options.disable_function_signatures();
    m.def("asarray", &asarrayOfAny, py::arg("c"), asarrayListing.c_str());
    m.def("from_array", &fromArray, py::arg("a"), py::arg("cls") = py::none(), fromArrayListing.c_str());
    m.def("assign", &assignToAny, py::arg("c"), py::arg("a"), assignListing.c_str());
    m.def("gemm_batch", &gemmBatchOfAny, py::arg("a"), py::arg("b"), py::arg("A"), py::arg("X"), py::arg("Y"),
          gemmBatchListing.c_str());
    m.def("gemv_batch", &gemvBatchOfAny, py::arg("a"), py::arg("b"), py::arg("A"), py::arg("x"), py::arg("y"),
          gemvBatchListing.c_str());
    m.def("ls_batch", &lsBatchOfAny, py::arg("A"), py::arg("B"), lsBatchListing.c_str());

    // Nothing can fail any more: the process-wide state is set only now, so that an import that failed
    // (NumPy missing, say) can be tried again from scratch.
    const char* dtypeNames[] = {"float32", "float64", "complex64", "complex128"};
    for (size_t i = 0; i < numpyDtypes.size(); ++i)
        numpyDtypes[i] = numpy.attr("dtype")(dtypeNames[i]).release();
    numpyAsarray = py::object(numpy.attr("asarray")).release();
    numpyNdarray = py::object(numpy.attr("ndarray")).release();
    numpyZeros = py::object(numpy.attr("zeros")).release();
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
