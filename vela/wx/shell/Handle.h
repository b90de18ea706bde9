// Interface of an object that owns one system handle.
#pragma once

#include "vela/VelaObject.h"

namespace vela::wx {

class IHandle : public IVelaObject {
public:
    virtual ~IHandle() = default;
    virtual bool Destroy() = 0;
};

} // namespace vela::wx
