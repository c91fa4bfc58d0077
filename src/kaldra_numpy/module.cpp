// The module kaldra_numpy: NumPy arrays over kaldra's containers without a copy, and bulk copies of
// arrays into new or existing containers.
//
// The containers are the classes that the module kaldra registered; this module finds them through the
// binding library's registry, which both modules share because they are built with the same pybind11.
// NumPy is reached only through the Python buffer protocol and its Python-level `asarray`, so this
// module compiles without NumPy's headers and works with every NumPy that speaks that protocol.
#include <pybind11/pybind11.h>

#include <algorithm>
#include <bit>
#include <complex>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "../Types/Types"

namespace kaldra_numpy {

namespace py = pybind11;
using Algorithms::Matrix;
using Algorithms::Vector;
using Algorithms::VectorView;

template <typename C>
inline constexpr bool isMatrix = std::is_same_v<C, Matrix<typename C::SampleType>>;

/// What NumPy calls an element type, and how the buffer protocol spells it (native byte order).
template <typename T>
struct Element;
template <>
struct Element<float> {
    static constexpr auto dtype = py::detail::const_name("float32");
    static constexpr const char* format = "f";
    static constexpr const char* letter = "s";
};
template <>
struct Element<double> {
    static constexpr auto dtype = py::detail::const_name("float64");
    static constexpr const char* format = "d";
    static constexpr const char* letter = "d";
};
template <>
struct Element<std::complex<float>> {
    static constexpr auto dtype = py::detail::const_name("complex64");
    static constexpr const char* format = "Zf";
    static constexpr const char* letter = "c";
};
template <>
struct Element<std::complex<double>> {
    static constexpr auto dtype = py::detail::const_name("complex128");
    static constexpr const char* format = "Zd";
    static constexpr const char* letter = "z";
};

/// A NumPy array of element type T and `Dims` dimensions, as Python code sees it: any object is let
/// through to the function, which checks it and says what it expected; the type exists so that the
/// signatures (and the stubs generated from them) name the array types precisely.
template <typename T, int Dims>
class Array : public py::object {
public:
    using py::object::object;
    static bool check_(py::handle h) { return h.ptr() != nullptr; }
};

/// Any NumPy array, for from_array.
class AnyArray : public py::object {
public:
    using py::object::object;
    static bool check_(py::handle h) { return h.ptr() != nullptr; }
};

/// Any kaldra container, as from_array returns it.
class AnyContainer : public py::object {
public:
    using py::object::object;
    static bool check_(py::handle h) { return h.ptr() != nullptr; }
};

} // namespace kaldra_numpy

namespace pybind11::detail {

template <typename T, int Dims>
struct handle_type_name<kaldra_numpy::Array<T, Dims>> {
    static constexpr auto name = const_name("numpy.ndarray[") +
                                 const_name<Dims == 1>("tuple[int]", "tuple[int, int]") +
                                 const_name(", numpy.dtype[numpy.") + kaldra_numpy::Element<T>::dtype +
                                 const_name("]]");
};

template <>
struct handle_type_name<kaldra_numpy::AnyArray> {
    static constexpr auto name = const_name("numpy.ndarray");
};

template <>
struct handle_type_name<kaldra_numpy::AnyContainer> {
    static constexpr auto name = const_name("kaldra.vecs | kaldra.vecd | kaldra.vecc | kaldra.vecz | "
                                            "kaldra.mats | kaldra.matd | kaldra.matc | kaldra.matz");
};

} // namespace pybind11::detail

namespace kaldra_numpy {

// NumPy's own objects, looked up once when the module is imported. They are never released: the
// interpreter may already be gone when static destructors run.
py::handle numpyAsarray;
py::handle numpyNdarray;

// ---------------------------------------------------------------------------------------------------
// Messages, all built here so that their texts live in one place.

std::string typeName(py::handle obj) { return py::str(py::type::handle_of(obj).attr("__name__")); }

std::string dtypeName(py::handle array) { return py::str(array.attr("dtype")); }

std::string shapeText(const std::vector<py::ssize_t>& shape)
{
    std::string text = "(";
    for (size_t i = 0; i < shape.size(); ++i)
        text += (i ? ", " : "") + std::to_string(shape[i]);
    return text + (shape.size() == 1 ? ",)" : ")");
}

[[noreturn]] void notAContainer(const char* op, py::handle obj)
{
    throw py::type_error("In " + std::string(op) +
                         ", expected a kaldra container (vecs, views, mats, vecd, viewd, matd, vecc, viewc, matc, "
                         "vecz, viewz or matz), got an object of type " + typeName(obj));
}

[[noreturn]] void notAnArray(const char* op, py::handle obj)
{
    throw py::type_error("In " + std::string(op) + ", expected a numpy.ndarray, got an object of type " +
                         typeName(obj));
}

[[noreturn]] void dtypeUnsupported(const char* op, py::handle array)
{
    throw py::type_error("In " + std::string(op) + ", the array has dtype " + dtypeName(array) +
                         "; expected float32, float64, complex64 or complex128 in native byte order");
}

[[noreturn]] void dimensionsUnsupported(const char* op, int ndim)
{
    throw py::value_error("In " + std::string(op) + ", the array has " + std::to_string(ndim) +
                          " dimensions; expected 1 (for a vector) or 2 (for a matrix)");
}

[[noreturn]] void dtypeMismatch(const char* op, py::handle array, const std::string& cls,
                                const std::string& expected)
{
    throw py::type_error("In " + std::string(op) + ", the array has dtype " + dtypeName(array) + " but " +
                         cls + " holds " + expected + " elements");
}

[[noreturn]] void shapeMismatch(const char* op, const std::vector<py::ssize_t>& got, const std::string& cls,
                                const std::vector<py::ssize_t>& needed)
{
    throw py::value_error("In " + std::string(op) + ", the array has shape " + shapeText(got) + " but " +
                          cls + " of shape " + shapeText(needed) + " needs an array of that shape");
}

// ---------------------------------------------------------------------------------------------------
// The storage behind an array from asarray.

/// What an array from asarray keeps alive: a copy of the container, which shares the container's
/// storage, and the layout NumPy reads through the buffer protocol.
struct Storage {
    std::shared_ptr<const void> owner;
    void* data;
    py::ssize_t itemsize;
    const char* format;
    std::vector<py::ssize_t> shape;
    std::vector<py::ssize_t> strides;
};

template <typename C>
std::vector<py::ssize_t> shapeOf(const C& c)
{
    if constexpr (isMatrix<C>)
        return {py::ssize_t(c.template dim<0>()), py::ssize_t(c.template dim<1>())};
    else
        return {py::ssize_t(c.numel())};
}

template <typename C>
using ArrayOf = Array<typename C::SampleType, isMatrix<C> ? 2 : 1>;

template <typename C>
ArrayOf<C> asarray(const C& c)
{
    using T = typename C::SampleType;
    const auto itemsize = py::ssize_t(sizeof(T));
    auto shape = shapeOf(c);
    // A matrix is stored column by column: Fortran order.
    std::vector<py::ssize_t> strides{itemsize};
    if constexpr (isMatrix<C>)
        strides.push_back(itemsize * shape[0]);
    py::object storage = py::cast(Storage{std::make_shared<const C>(c), c.get(), itemsize, Element<T>::format,
                                          std::move(shape), std::move(strides)});
    return py::reinterpret_steal<ArrayOf<C>>(numpyAsarray(storage).release());
}

// ---------------------------------------------------------------------------------------------------
// Reading arrays.

/// A strided, read-only view of an array's elements, released when it goes out of scope.
class ArrayBuffer {
public:
    ArrayBuffer(const char* op, py::handle array)
    {
        if (!PyObject_IsInstance(array.ptr(), numpyNdarray.ptr()))
            notAnArray(op, array);
        // NumPy refuses to export some element types (datetimes, for one); name the dtype instead.
        if (PyObject_GetBuffer(array.ptr(), &m_view, PyBUF_RECORDS_RO) != 0) {
            PyErr_Clear();
            dtypeUnsupported(op, array);
        }
    }
    ArrayBuffer(const ArrayBuffer&) = delete;
    ArrayBuffer& operator=(const ArrayBuffer&) = delete;
    ~ArrayBuffer() { PyBuffer_Release(&m_view); }

    /// The element format without a byte-order mark that means the native order.
    std::string format() const
    {
        std::string f = m_view.format ? m_view.format : "B";
        const bool littleEndian = std::endian::native == std::endian::little;
        if (!f.empty() && (f[0] == '@' || f[0] == '=' || (f[0] == '<' && littleEndian) ||
                           ((f[0] == '>' || f[0] == '!') && !littleEndian)))
            f.erase(0, 1);
        return f;
    }

    int ndim() const { return m_view.ndim; }
    const char* data() const { return static_cast<const char*>(m_view.buf); }
    std::vector<py::ssize_t> shape() const { return {m_view.shape, m_view.shape + m_view.ndim}; }
    py::ssize_t extent(int d) const { return m_view.shape[d]; }
    py::ssize_t stride(int d) const { return m_view.strides[d]; }

    /// The bytes [first, last) that the elements occupy; empty when there are no elements.
    std::pair<const char*, const char*> bytes() const
    {
        const char* first = data();
        const char* last = data() + m_view.itemsize;
        for (int d = 0; d < m_view.ndim; ++d) {
            if (m_view.shape[d] == 0)
                return {data(), data()};
            const py::ssize_t span = (m_view.shape[d] - 1) * m_view.strides[d];
            (span < 0 ? first : last) += span;
        }
        return {first, last};
    }

private:
    Py_buffer m_view{};
};

/// Copies a rows x cols array with byte strides rowStride and colStride into column-major storage
/// `dst`. Elements are read with memcpy, so arrays whose elements are not aligned are read safely.
template <typename T>
void copyToColumnMajor(const char* src, size_t rows, size_t cols, py::ssize_t rowStride, py::ssize_t colStride,
                       T* dst)
{
    constexpr auto size = py::ssize_t(sizeof(T));
    if (rows == 0 || cols == 0)
        return;
    if (rowStride == size && (cols == 1 || colStride == size * py::ssize_t(rows))) {
        std::memcpy(dst, src, rows * cols * sizeof(T));
        return;
    }
    if (rowStride == size) {
        for (size_t j = 0; j < cols; ++j)
            std::memcpy(dst + j * rows, src + py::ssize_t(j) * colStride, rows * sizeof(T));
        return;
    }
    // Row-major and other layouts: 64 x 64 tiles, whose rows and columns stay in cache on both sides, so
    // that neither the reads nor the writes walk through memory a whole row or column apart; within a
    // tile the writes run down a column. (64 measured best against 16 and 32 for row-major doubles.)
    constexpr size_t tile = 64;
    for (size_t j0 = 0; j0 < cols; j0 += tile) {
        const size_t j1 = std::min(cols, j0 + tile);
        for (size_t i0 = 0; i0 < rows; i0 += tile) {
            const size_t i1 = std::min(rows, i0 + tile);
            for (size_t j = j0; j < j1; ++j) {
                const char* column = src + py::ssize_t(j) * colStride;
                T* out = dst + j * rows;
                for (size_t i = i0; i < i1; ++i)
                    std::memcpy(out + i, column + py::ssize_t(i) * rowStride, sizeof(T));
            }
        }
    }
}

/// The element type that an array's buffer format names; calls `f` with a value of that type, or
/// returns false when the format is none of the four element types.
template <typename F>
bool withElementType(const std::string& format, F&& f)
{
    if (format == Element<float>::format)
        f(float{});
    else if (format == Element<double>::format)
        f(double{});
    else if (format == Element<std::complex<float>>::format)
        f(std::complex<float>{});
    else if (format == Element<std::complex<double>>::format)
        f(std::complex<double>{});
    else
        return false;
    return true;
}

AnyContainer fromArray(const AnyArray& array)
{
    constexpr const char* op = "from_array";
    const ArrayBuffer buffer(op, array);
    py::object result;
    const bool known = withElementType(buffer.format(), [&](auto sample) {
        using T = decltype(sample);
        if (buffer.ndim() == 1) {
            Vector<T> v(size_t(buffer.extent(0)));
            copyToColumnMajor(buffer.data(), v.numel(), 1, buffer.stride(0), 0, v.get());
            result = py::cast(std::move(v));
        } else if (buffer.ndim() == 2) {
            Matrix<T> a(size_t(buffer.extent(0)), size_t(buffer.extent(1)));
            copyToColumnMajor(buffer.data(), a.template dim<0>(), a.template dim<1>(), buffer.stride(0),
                              buffer.stride(1), a.get());
            result = py::cast(std::move(a));
        } else {
            dimensionsUnsupported(op, buffer.ndim());
        }
    });
    if (!known)
        dtypeUnsupported(op, array);
    return py::reinterpret_steal<AnyContainer>(result.release());
}

/// The class name of a container kind and element type, as kaldra registered it.
template <typename C>
std::string className()
{
    using T = typename C::SampleType;
    const char* kind = isMatrix<C> ? "mat" : std::is_same_v<C, Vector<T>> ? "vec" : "view";
    return kind + std::string(Element<T>::letter);
}

template <typename C>
void assign(C& c, py::handle array)
{
    using T = typename C::SampleType;
    constexpr const char* op = "assign";
    const ArrayBuffer buffer(op, array);
    if (buffer.format() != Element<T>::format)
        dtypeMismatch(op, array, className<C>(), Element<T>::dtype.text);
    const auto needed = shapeOf(c);
    if (buffer.shape() != needed)
        shapeMismatch(op, buffer.shape(), className<C>(), needed);

    const size_t rows = size_t(needed[0]);
    const size_t cols = needed.size() == 2 ? size_t(needed[1]) : 1;
    const py::ssize_t colStride = buffer.ndim() == 2 ? buffer.stride(1) : 0;
    T* dst = c.get();
    const auto [first, last] = buffer.bytes();
    if (first == last)
        return;
    // Addresses of unrelated objects compare as integers.
    const auto address = [](const void* p) { return reinterpret_cast<std::uintptr_t>(p); };
    if (address(first) < address(dst + c.numel()) && address(dst) < address(last)) {
        // The array overlaps the container (an array from asarray, or a view of one): go through a
        // separate copy, so that no element is overwritten before it is read.
        std::unique_ptr<T[]> scratch(new T[c.numel()]);
        copyToColumnMajor(buffer.data(), rows, cols, buffer.stride(0), colStride, scratch.get());
        std::memcpy(dst, scratch.get(), c.numel() * sizeof(T));
        return;
    }
    copyToColumnMajor(buffer.data(), rows, cols, buffer.stride(0), colStride, dst);
}

/// One of kaldra's container classes with this module's work for it.
struct ContainerClass {
    PyTypeObject* cls;
    py::object (*asarray)(py::handle c);
    void (*assign)(py::handle c, py::handle array);
};

// kaldra's twelve container classes, in its registration order; filled when the module is imported.
std::vector<ContainerClass> containerClasses;

template <typename C>
ContainerClass containerClass()
{
    return {reinterpret_cast<PyTypeObject*>(py::detail::get_type_handle(typeid(C), true).ptr()),
            [](py::handle c) -> py::object { return asarray(py::cast<const C&>(c)); },
            [](py::handle c, py::handle array) { assign(py::cast<C&>(c), array); }};
}

/// The class entry of a container, found in constant time: the twelve classes are compared by identity
/// (subclasses by a second pass), where the binding library's overload resolution would try one overload
/// after another, each refusal costing more than a whole call.
const ContainerClass& containerClassOf(const char* op, py::handle c)
{
    PyTypeObject* type = Py_TYPE(c.ptr());
    for (const auto& k : containerClasses)
        if (k.cls == type)
            return k;
    for (const auto& k : containerClasses)
        if (PyType_IsSubtype(type, k.cls))
            return k;
    notAContainer(op, c);
}

py::object asarrayOfAny(const py::object& c) { return containerClassOf("asarray", c).asarray(c); }

void assignToAny(const py::object& c, const py::object& array) { containerClassOf("assign", c).assign(c, array); }

/// What assign accepts for one container class, for its documentation.
template <typename C>
void assignTyped(C& c, const ArrayOf<C>& array)
{
    assign(c, array);
}

constexpr const char* asarrayDoc =
    "A writable NumPy array over the storage of c, without a copy; it keeps the storage alive.";
constexpr const char* assignDoc = "Copy the elements of a into c; a must have c's shape and element type.";

/// Registers one element type's container classes, and adds their typed overloads to the listings of
/// asarray and assign.
template <typename T>
void addElementType(py::object& asarrayListing, py::object& assignListing)
{
    auto add = [&](auto sample) {
        using C = typename decltype(sample)::type;
        containerClasses.push_back(containerClass<C>());
        asarrayListing = py::cpp_function(&asarray<C>, py::name("asarray"), py::sibling(asarrayListing), py::arg("c"),
                                          asarrayDoc);
        assignListing = py::cpp_function(&assignTyped<C>, py::name("assign"), py::sibling(assignListing),
                                         py::arg("c"), py::arg("a"), assignDoc);
    };
    add(std::type_identity<Vector<T>>{});
    add(std::type_identity<VectorView<T>>{});
    add(std::type_identity<Matrix<T>>{});
}

void initModule(py::module_& m)
{
    // The containers are kaldra's classes: importing kaldra registers them.
    py::module_::import("kaldra");
    py::module_ numpy;
    try {
        numpy = py::module_::import("numpy");
    } catch (py::error_already_set& e) {
        if (!e.matches(PyExc_ImportError))
            throw;
        py::raise_from(e, PyExc_ImportError,
                       "kaldra_numpy needs NumPy; install it with: pip install 'kaldra[numpy]'");
        throw py::error_already_set();
    }
    numpyAsarray = py::object(numpy.attr("asarray")).release();
    numpyNdarray = py::object(numpy.attr("ndarray")).release();

    py::class_<Storage>(m, "_Storage", py::buffer_protocol(),
                        "The storage of a kaldra container as seen by an array from asarray.")
        .def_buffer([](Storage& s) {
            return py::buffer_info(s.data, s.itemsize, s.format, py::ssize_t(s.shape.size()), s.shape,
                                   s.strides, false);
        });

    // asarray and assign find the container's class themselves (containerClassOf); what they accept is
    // documented by the binding library's own listing of the typed overloads, one per container class
    // in kaldra's order, which these functions objects exist only to produce.
    py::object asarrayListing = py::none(), assignListing = py::none();
    addElementType<float>(asarrayListing, assignListing);
    addElementType<double>(asarrayListing, assignListing);
    addElementType<std::complex<float>>(asarrayListing, assignListing);
    addElementType<std::complex<double>>(asarrayListing, assignListing);
    const std::string asarrayListingText = py::str(asarrayListing.attr("__doc__"));
    const std::string assignListingText = py::str(assignListing.attr("__doc__"));

    py::options options;
    options.disable_function_signatures();
    m.def("asarray", &asarrayOfAny, asarrayListingText.c_str());
    options.enable_function_signatures();
    m.def("from_array", &fromArray, py::arg("a"),
          "A new vector (from a 1-D array) or matrix (from a 2-D array) holding a copy of a's elements.");
    options.disable_function_signatures();
    m.def("assign", &assignToAny, assignListingText.c_str());
}

} // namespace kaldra_numpy

// The module entry, written out rather than taken from PYBIND11_MODULE, which would hide any import
// error (NumPy missing, kaldra refusing this interpreter) behind a generic "initialization failed".
static PyModuleDef kaldraNumpyDefinition;

PYBIND11_PLUGIN_IMPL(kaldra_numpy)
{
    PYBIND11_CHECK_PYTHON_VERSION
    PYBIND11_ENSURE_INTERNALS_READY
    auto m = pybind11::module_::create_extension_module("kaldra_numpy", nullptr, &kaldraNumpyDefinition);
    try {
        kaldra_numpy::initModule(m);
        return m.ptr();
    } catch (pybind11::error_already_set& e) {
        e.restore();
    } catch (const std::exception& e) {
        PyErr_SetString(PyExc_ImportError, e.what());
    }
    return nullptr;
}
