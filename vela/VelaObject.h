// Roots of the library's class tree: the marker base and the non-copyable mix-in.
#pragma once

namespace vela {

// Marks a class as belonging to the library; no data, nothing virtual.
class IVelaObject {};

// A class derived from INonCopyable<IVelaObject> can be neither copy-constructed nor assigned.
template <class Base>
class INonCopyable : public Base {
public:
    INonCopyable(const INonCopyable&) = delete;
    INonCopyable& operator=(const INonCopyable&) = delete;

protected:
    INonCopyable() = default;
    ~INonCopyable() = default;
};

} // namespace vela
