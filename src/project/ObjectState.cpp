#include "project/ObjectState.h"

bool ObjectState::Write(Sys::IWriter& w) const {
    return w.WriteI32(x) && w.WriteI32(y) && w.WriteI32(sizeX) && w.WriteI32(sizeY) &&
           w.WriteI32(rotX) && w.WriteI32(rotY) && w.WriteI32(rotZ) && w.WriteU8(transparency) &&
           w.WriteU8(contrast) && w.WriteU8(brightness) && w.WriteU8(saturation) &&
           w.WriteI8(volumeLeft) && w.WriteI8(volumeRight) && w.WriteI16(fadeRate);
}

bool ObjectState::Read(Sys::IReader& r) {
    return r.ReadI32(x) && r.ReadI32(y) && r.ReadI32(sizeX) && r.ReadI32(sizeY) &&
           r.ReadI32(rotX) && r.ReadI32(rotY) && r.ReadI32(rotZ) && r.ReadU8(transparency) &&
           r.ReadU8(contrast) && r.ReadU8(brightness) && r.ReadU8(saturation) &&
           r.ReadI8(volumeLeft) && r.ReadI8(volumeRight) && r.ReadI16(fadeRate);
}
