// The module kaldra_numpy: NumPy arrays over kaldra's containers without a copy, and bulk copies of
// arrays into new or existing containers.
//
// The containers are the classes that the module kaldra registered; this module finds them through the
// binding library's registry, which both modules share because they are built with the same pybind11.
// NumPy is reached only through its documented Python-level protocols (the buffer protocol for reading
// arrays, the `__array_struct__` capsule for making them) and its Python-level `asarray`, so this module
// compiles without NumPy's headers and works with every NumPy that speaks those protocols.
#include <pybind11/pybind11.h>

#include <algorithm>
#include <array>
#include <bit>
#include <complex>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "../Types/Types"
#include "../kaldra_pybind/interpreter"

namespace kaldra_numpy {

namespace py = pybind11;
using Algorithms::Matrix;
using Algorithms::Vector;
using Algorithms::VectorView;

/// What NumPy calls an element type, and how the buffer protocol spells it (native byte order).
template <typename T>
struct Element;
template <>
struct Element<float> {
    static constexpr auto dtype = py::detail::const_name("float32");
    static constexpr const char* format = "f";
    static constexpr const char* letter = "s";
    static constexpr auto letterName = py::detail::const_name("s");
};
template <>
struct Element<double> {
    static constexpr auto dtype = py::detail::const_name("float64");
    static constexpr const char* format = "d";
    static constexpr const char* letter = "d";
    static constexpr auto letterName = py::detail::const_name("d");
};
template <>
struct Element<std::complex<float>> {
    static constexpr auto dtype = py::detail::const_name("complex64");
    static constexpr const char* format = "Zf";
    static constexpr const char* letter = "c";
    static constexpr auto letterName = py::detail::const_name("c");
};
template <>
struct Element<std::complex<double>> {
    static constexpr auto dtype = py::detail::const_name("complex128");
    static constexpr const char* format = "Zd";
    static constexpr const char* letter = "z";
    static constexpr auto letterName = py::detail::const_name("z");
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

/// The class object of the container type C (or of a subclass of it), as from_array's cls.
template <typename C>
class ClassOf : public py::object {
public:
    using py::object::object;
    static bool check_(py::handle h) { return h.ptr() != nullptr; }
};

template <typename C>
inline constexpr bool isMatrix = std::is_same_v<C, Matrix<typename C::SampleType>>;

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

// Only vector and matrix classes are named: from_array makes new containers, never views.
template <typename C>
struct handle_type_name<kaldra_numpy::ClassOf<C>> {
    static constexpr auto name = const_name("type[kaldra.") + const_name<kaldra_numpy::isMatrix<C>>("mat", "vec") +
                                 kaldra_numpy::Element<typename C::SampleType>::letterName + const_name("]");
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

/// NumPy's dtype object of each element type, in the order s, d, c, z.
std::array<py::handle, 4> numpyDtypes;

template <typename T>
constexpr size_t elementIndex()
{
    return std::is_same_v<T, float>                 ? 0
           : std::is_same_v<T, double>              ? 1
           : std::is_same_v<T, std::complex<float>> ? 2
                                                    : 3;
}

// ---------------------------------------------------------------------------------------------------
// Messages, all built here so that their texts live in one place.

std::string typeName(py::handle obj) { return py::str(py::type::handle_of(obj).attr("__name__")); }

std::string dtypeName(py::handle array) { return py::str(array.attr("dtype")); }

template <typename Extent>
std::string shapeText(const std::vector<Extent>& shape)
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

[[noreturn]] void notConstructed(const char* op, py::handle obj)
{
    throw py::type_error("In " + std::string(op) + ", the " + typeName(obj) +
                         " object holds no container: it was created without running __init__");
}

[[noreturn]] void classChanged(const char* op, py::handle obj)
{
    throw py::type_error("In " + std::string(op) + ", the container's class changed during the call (it is now " +
                         typeName(obj) + ")");
}

[[noreturn]] void notAnArray(const char* op, py::handle obj)
{
    throw py::type_error("In " + std::string(op) + ", expected a numpy.ndarray, got an object of type " +
                         typeName(obj));
}

[[noreturn]] void notAClass(const char* op, py::handle cls)
{
    const std::string got = PyType_Check(cls.ptr())
                                ? "the class " + std::string(py::str(cls.attr("__name__")))
                                : "an object of type " + typeName(cls);
    throw py::type_error("In " + std::string(op) +
                         ", expected a kaldra vector or matrix class (vecs, mats, vecd, matd, vecc, matc, vecz or "
                         "matz, or a subclass of one) or None as cls, got " + got);
}

[[noreturn]] void viewClass(const char* op, py::handle cls, const std::string& vectorClass)
{
    throw py::type_error("In " + std::string(op) + ", cls is " + std::string(py::str(cls.attr("__name__"))) +
                         ", a view class: a view shares the storage of another container, and " + op +
                         " makes a new one (a " + vectorClass + ")");
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

[[noreturn]] void dimensionsMismatch(const char* op, int ndim, const std::string& cls, int needed)
{
    throw py::value_error("In " + std::string(op) + ", the array has " + std::to_string(ndim) + " dimensions but " +
                          cls + " needs " + std::to_string(needed));
}

[[noreturn]] void dtypeMismatch(const char* op, py::handle array, const std::string& cls,
                                const std::string& expected)
{
    throw py::type_error("In " + std::string(op) + ", the array has dtype " + dtypeName(array) + " but " +
                         cls + " holds " + expected + " elements");
}

[[noreturn]] void shapeMismatch(const char* op, const std::vector<py::ssize_t>& got, const std::string& cls,
                                const std::vector<size_t>& needed)
{
    throw py::value_error("In " + std::string(op) + ", the array has shape " + shapeText(got) + " but " +
                          cls + " of shape " + shapeText(needed) + " needs an array of that shape");
}

[[noreturn]] void tooLargeForNumpy(const char* op, const std::string& cls, const std::vector<size_t>& shape)
{
    throw py::value_error("In " + std::string(op) + ", a " + cls + " of shape " + shapeText(shape) +
                          " is too large for a NumPy array, whose extents and byte count (the element size "
                          "times the non-zero extents) stop at " +
                          std::to_string(std::numeric_limits<py::ssize_t>::max()));
}

// ---------------------------------------------------------------------------------------------------
// Containers inside kaldra's objects.

/// The class name of a container kind and element type, as kaldra registered it.
template <typename C>
std::string className()
{
    using T = typename C::SampleType;
    const char* kind = isMatrix<C> ? "mat" : std::is_same_v<C, Vector<T>> ? "vec" : "view";
    return kind + std::string(Element<T>::letter);
}

template <typename C>
std::vector<size_t> shapeOf(const C& c)
{
    if constexpr (isMatrix<C>)
        return {c.template dim<0>(), c.template dim<1>()};
    else
        return {c.numel()};
}

/// The container inside obj, an instance of the class of C or of a subclass. The binding library would
/// hand out raw memory for an instance whose __init__ never ran (one made by __new__ alone); such an
/// instance is refused instead. Taken only after every callback into Python code of the call has run:
/// a callback may run __init__ on the instance, which puts a different container in it.
template <typename C>
C& containerIn(const char* op, py::handle obj, const py::detail::type_info* info)
{
    auto* inst = reinterpret_cast<py::detail::instance*>(obj.ptr());
    const auto holder = inst->get_value_and_holder(info, false);
    if (!holder || !holder.holder_constructed() || holder.value_ptr() == nullptr)
        notConstructed(op, obj);
    return *holder.template value_ptr<C>();
}

// ---------------------------------------------------------------------------------------------------
// The storage behind an array from asarray.

/// NumPy's `__array_struct__` interface, laid out as NumPy documents it (PyArrayInterface).
struct ArrayInterface {
    int two;
    int nd;
    char typekind;
    int itemsize;
    int flags;
    Py_intptr_t* shape;
    Py_intptr_t* strides;
    void* data;
    PyObject* descr;
};

// NumPy's flag values for that interface.
constexpr int alignedFlag = 0x0100, notSwappedFlag = 0x0200, writeableFlag = 0x0400, hasDescrFlag = 0x0800;

/// What an array from asarray keeps alive and has as its base: a copy of the container, which shares the
/// container's storage, and the layout NumPy reads through `__array_struct__`. NumPy keeps the object
/// itself (with the capsule it read) as the array's base, where the buffer protocol would leave a
/// memoryview that Python code can release, freeing the storage under the array. Its type is like CPython's own exporters: it cannot
/// be instantiated or subclassed from Python, its `__class__` cannot be rebound, and it has no method
/// that changes or lets go of what it holds.
struct StorageObject {
    PyObject_HEAD
    std::shared_ptr<const void> owner;
    ArrayInterface layout;
    std::array<Py_intptr_t, 2> shape;
    std::array<Py_intptr_t, 2> strides;
};

// Filled in by readyStorageType; a static type, as CPython's own exporters are, rather than a class of
// the binding library, whose instances can be made by __new__ alone and rebound to other classes.
PyTypeObject storageType{};

void deallocateStorage(PyObject* self)
{
    auto* storage = reinterpret_cast<StorageObject*>(self);
    storage->owner.~shared_ptr();
    Py_TYPE(self)->tp_free(self);
}

/// Each read of `__array_struct__` gets a capsule that keeps the storage object alive until NumPy (or
/// whoever read it) is done with the layout it points to.
PyObject* storageArrayStruct(PyObject* self, void*)
{
    auto* storage = reinterpret_cast<StorageObject*>(self);
    PyObject* capsule = PyCapsule_New(&storage->layout, nullptr, [](PyObject* c) {
        Py_XDECREF(static_cast<PyObject*>(PyCapsule_GetContext(c)));
    });
    if (capsule == nullptr)
        return nullptr;
    Py_INCREF(self);
    if (PyCapsule_SetContext(capsule, self) != 0) {
        Py_DECREF(self);
        Py_DECREF(capsule);
        return nullptr;
    }
    return capsule;
}

PyGetSetDef storageGetSet[] = {
    {"__array_struct__", storageArrayStruct, nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

void readyStorageType()
{
    if (storageType.tp_flags & Py_TPFLAGS_READY)
        return;
    // What PyVarObject_HEAD_INIT would give; that macro leaves most of the type's fields to be named.
    Py_SET_REFCNT(&storageType, 1);
    storageType.tp_name = "kaldra_numpy._Storage";
    storageType.tp_doc = "The storage of a kaldra container as seen by an array from asarray.";
    storageType.tp_basicsize = sizeof(StorageObject);
    // Not a base type, and without tp_new: only asarray makes these objects.
    storageType.tp_flags = Py_TPFLAGS_DEFAULT | Py_TPFLAGS_DISALLOW_INSTANTIATION | Py_TPFLAGS_IMMUTABLETYPE;
    storageType.tp_dealloc = deallocateStorage;
    storageType.tp_getset = storageGetSet;
    if (PyType_Ready(&storageType) != 0)
        throw py::error_already_set();
}

/// `a * b`, or false when it overflows what NumPy can count.
bool multiplyWithin(size_t a, size_t b, size_t& product)
{
    constexpr auto limit = size_t(std::numeric_limits<py::ssize_t>::max());
    if (a != 0 && b > limit / a)
        return false;
    product = a * b;
    return true;
}

template <typename C>
using ArrayOf = Array<typename C::SampleType, isMatrix<C> ? 2 : 1>;

template <typename C>
ArrayOf<C> asarray(const C& c)
{
    using T = typename C::SampleType;
    constexpr const char* op = "asarray";
    const auto shape = shapeOf(c);
    // NumPy counts extents, strides and the array's bytes (the product of its non-zero extents) in signed
    // sizes; an empty matrix can have extents beyond them.
    size_t bytes = sizeof(T);
    for (size_t extent : shape)
        if (!multiplyWithin(bytes, extent == 0 ? 1 : extent, bytes) || extent > bytes)
            tooLargeForNumpy(op, className<C>(), shape);

    std::shared_ptr<const void> owner = std::make_shared<const C>(c);
    auto* storage = PyObject_New(StorageObject, &storageType);
    if (storage == nullptr)
        throw py::error_already_set();
    new (&storage->owner) std::shared_ptr<const void>(std::move(owner));
    auto object = py::reinterpret_steal<py::object>(reinterpret_cast<PyObject*>(storage));
    storage->shape = {Py_intptr_t(shape[0]), shape.size() == 2 ? Py_intptr_t(shape[1]) : 0};
    // A matrix is stored column by column: Fortran order.
    storage->strides = {Py_intptr_t(sizeof(T)), Py_intptr_t(sizeof(T) * shape[0])};
    // An empty container may have no storage; NumPy would take a null address as a request to allocate.
    static char noElements;
    void* data = c.get() != nullptr ? static_cast<void*>(c.get()) : &noElements;
    storage->layout = {2,
                       int(shape.size()),
                       std::is_floating_point_v<T> ? 'f' : 'c',
                       int(sizeof(T)),
                       alignedFlag | notSwappedFlag | writeableFlag | hasDescrFlag,
                       storage->shape.data(),
                       storage->strides.data(),
                       data,
                       numpyDtypes[elementIndex<T>()].ptr()};
    PyObject* array = PyObject_CallOneArg(numpyAsarray.ptr(), object.ptr());
    if (array == nullptr)
        throw py::error_already_set();
    return py::reinterpret_steal<ArrayOf<C>>(array);
}

// ---------------------------------------------------------------------------------------------------
// Reading arrays.

/// A strided, read-only view of an array's elements, released when it goes out of scope. Acquiring it
/// may run Python code (a subclass's `__buffer__`, an `__class__` property seen by the isinstance check).
class ArrayBuffer {
public:
    ArrayBuffer(const char* op, py::handle array)
    {
        const int isArray = PyObject_IsInstance(array.ptr(), numpyNdarray.ptr());
        if (isArray < 0)
            throw py::error_already_set();
        if (isArray == 0)
            notAnArray(op, array);
        if (PyObject_GetBuffer(array.ptr(), &m_view, PyBUF_RECORDS_RO) != 0) {
            // NumPy refuses to export some element types (datetimes, for one): name the dtype instead.
            // What a subclass's own __buffer__ raises is its own error, and goes through unchanged.
            const auto* ndarray = reinterpret_cast<PyTypeObject*>(numpyNdarray.ptr());
            const PyBufferProcs* procs = Py_TYPE(array.ptr())->tp_as_buffer;
            if (procs == nullptr || procs->bf_getbuffer != ndarray->tp_as_buffer->bf_getbuffer)
                throw py::error_already_set();
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

    /// Whether the array's shape is `shape`.
    bool hasShape(const std::vector<size_t>& shape) const
    {
        if (size_t(m_view.ndim) != shape.size())
            return false;
        for (int d = 0; d < m_view.ndim; ++d)
            if (size_t(m_view.shape[d]) != shape[size_t(d)])
                return false;
        return true;
    }

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

/// A new vector (1-D buffer) or matrix (2-D buffer) of T holding a copy of the buffer's elements; the
/// buffer's format is T's and its dimensions fit.
template <typename T>
py::object containerFromBuffer(const ArrayBuffer& buffer, PyTypeObject* cls = nullptr);

/// The instance of cls (one of the container classes or a subclass of it) that owns c. A subclass's
/// instance is made without running a __new__ or __init__ of Python code, which could put another
/// container in it or none: the container is exactly the copy made here.
template <typename C>
py::object ownedBy(PyTypeObject* cls, C&& c)
{
    if (cls == nullptr)
        return py::cast(std::move(c));
    const auto* info = py::detail::get_type_info(typeid(C));
    if (cls == info->type)
        return py::cast(std::move(c));
    // What the binding library's own __new__ does, with the allocation checked.
    auto object = py::reinterpret_steal<py::object>(cls->tp_alloc(cls, 0));
    if (!object)
        throw py::error_already_set();
    auto* inst = reinterpret_cast<py::detail::instance*>(object.ptr());
    inst->allocate_layout();
    auto holder = inst->get_value_and_holder(info);
    holder.value_ptr() = new C(std::move(c));
    inst->owned = true;
    info->init_instance(inst, nullptr);
    return object;
}

template <typename T>
py::object containerFromBuffer(const ArrayBuffer& buffer, PyTypeObject* cls)
{
    if (buffer.ndim() == 1) {
        Vector<T> v(size_t(buffer.extent(0)));
        copyToColumnMajor(buffer.data(), v.numel(), 1, buffer.stride(0), 0, v.get());
        return ownedBy(cls, std::move(v));
    }
    Matrix<T> a(size_t(buffer.extent(0)), size_t(buffer.extent(1)));
    copyToColumnMajor(buffer.data(), a.template dim<0>(), a.template dim<1>(), buffer.stride(0), buffer.stride(1),
                      a.get());
    return ownedBy(cls, std::move(a));
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

template <typename C>
void assign(const char* op, py::handle c, const py::detail::type_info* info, const ArrayBuffer& buffer,
            py::handle array)
{
    using T = typename C::SampleType;
    if (buffer.format() != Element<T>::format)
        dtypeMismatch(op, array, className<C>(), Element<T>::dtype.text);
    C& target = containerIn<C>(op, c, info);
    const auto needed = shapeOf(target);
    if (!buffer.hasShape(needed))
        shapeMismatch(op, buffer.shape(), className<C>(), needed);

    const size_t rows = needed[0];
    const size_t cols = needed.size() == 2 ? needed[1] : 1;
    const py::ssize_t colStride = buffer.ndim() == 2 ? buffer.stride(1) : 0;
    T* dst = target.get();
    const auto [first, last] = buffer.bytes();
    if (first == last)
        return;
    // Addresses of unrelated objects compare as integers.
    const auto address = [](const void* p) { return reinterpret_cast<std::uintptr_t>(p); };
    if (address(first) < address(dst + target.numel()) && address(dst) < address(last)) {
        // The array overlaps the container (an array from asarray, or a view of one): go through a
        // separate copy, so that no element is overwritten before it is read.
        std::unique_ptr<T[]> scratch(new T[target.numel()]);
        copyToColumnMajor(buffer.data(), rows, cols, buffer.stride(0), colStride, scratch.get());
        std::memcpy(dst, scratch.get(), target.numel() * sizeof(T));
        return;
    }
    copyToColumnMajor(buffer.data(), rows, cols, buffer.stride(0), colStride, dst);
}

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
        listings.asarray = py::cpp_function(&asarray<C>, py::name("asarray"), py::sibling(listings.asarray),
                                            py::arg("c"), asarrayDoc);
        listings.assign = py::cpp_function(&assignTyped<C>, py::name("assign"), py::sibling(listings.assign),
                                           py::arg("c"), py::arg("a"), assignDoc);
        if constexpr (!std::is_same_v<C, VectorView<T>>)
            listings.fromArray = py::cpp_function(&fromArrayTyped<C>, py::name("from_array"),
                                                  py::sibling(listings.fromArray), py::arg("a"), py::arg("cls"),
                                                  fromArrayClassDoc);
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
static PyModuleDef kaldraNumpyDefinition = {PyModuleDef_HEAD_INIT, "kaldra_numpy", nullptr, 0,
                                            nullptr, nullptr, nullptr, nullptr, nullptr};

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
