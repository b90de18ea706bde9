// Numbered registry of the objects a free callback has no other way to reach.
#pragma once

#include "vela/VelaObject.h"

namespace vela::fnd {

// T is the most-derived class; the object occupies one of N slots for exactly its lifetime.
template <class T, int N>
class CSingleton : public INonCopyable<IVelaObject> {
public:
    // The index is not checked against N: every caller knows its slot.
    explicit CSingleton(int index) : index(index) { table[index] = static_cast<T*>(this); }
    virtual ~CSingleton() { table[index] = nullptr; }

    static T* GetInstance(int index) { return table[index]; }

    int index;

private:
    static inline T* table[N] = {};
};

} // namespace vela::fnd
