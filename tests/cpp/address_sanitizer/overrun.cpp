// A program on kaldra built as a project builds itself with AddressSanitizer, nothing of kaldra's own
// switches: it writes through the element pointer of a new container, `past` elements beyond its last
// one (0: the last element itself), and the sanitizer must stop every write beyond the end.
//
//   overrun vector|matrix PAST
#include <complex>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include <Types/Types>

template <typename C>
int writeAt(const C& c, size_t past)
{
    // One byte, through a volatile pointer: a store the compiler cannot drop.
    auto* target = reinterpret_cast<volatile unsigned char*>(c.get() + (c.numel() - 1 + past));
    *target = 1;
    return 0;
}

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const auto past = size_t(std::strtoul(argv[2], nullptr, 10));
    if (std::strcmp(argv[1], "vector") == 0)
        return writeAt(Algorithms::Vector<double>(3), past);
    return writeAt(Algorithms::Matrix<std::complex<double>>(3, 1), past);
}
