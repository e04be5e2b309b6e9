#pragma once

#include <functional>
#include <memory>
#include <string>

#include "panelwick/Com/IDispatch.h"
#include "panelwick/Com/Types.h"

// The process's table of automation classes: which class identifier a ProgID names and how
// to make an object of that class. Servers register themselves here; clients only look up.
namespace Com {

using ClassFactory = std::function<std::shared_ptr<IDispatch>()>;

// Registers the class, replacing an earlier registration of the same identifier or ProgID.
void RegisterClass(const Clsid& clsid, const std::string& progId, ClassFactory factory);
void UnregisterClass(const Clsid& clsid);

// CO_E_CLASSSTRING when no class is registered under the ProgID.
HRESULT CLSIDFromProgID(const std::string& progId, Clsid& clsid);
// REGDB_E_CLASSNOTREG when the class is not registered.
HRESULT ProgIDFromCLSID(const Clsid& clsid, std::string& progId);
// CO_E_NOTINITIALIZED on a thread that did not initialise automation, REGDB_E_CLASSNOTREG
// for an unknown class, E_NOINTERFACE when the class made no automation object.
HRESULT CreateInstance(const Clsid& clsid, std::shared_ptr<IDispatch>& object);

}  // namespace Com
