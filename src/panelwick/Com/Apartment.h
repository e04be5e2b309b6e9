#pragma once

#include "panelwick/Com/Types.h"

namespace Com {

// Automation is used only on threads that initialised it. Initialize gives S_OK the first
// time on a thread and S_FALSE when already initialised; every successful Initialize is
// matched by one Uninitialize.
HRESULT Initialize();
void Uninitialize();
bool IsInitialized();

// Initialises automation on the current thread for the lifetime of the object.
class Apartment {
public:
    Apartment() : hr_(Initialize()) {}
    ~Apartment() {
        if (Succeeded(hr_)) Uninitialize();
    }
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;

private:
    HRESULT hr_;
};

}  // namespace Com
