#include "panelwick/Com/ClassRegistry.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "panelwick/Com/Apartment.h"

namespace Com {
namespace {

struct Registration {
    Clsid clsid;
    std::string progId;
    ClassFactory factory;
};

std::mutex registryMutex;
std::vector<Registration>& Registry() {
    static std::vector<Registration> registry;
    return registry;
}

// The first registration that matches; call with the mutex held.
template <typename Match>
const Registration* Find(Match match) {
    for (const Registration& r : Registry()) {
        if (match(r)) return &r;
    }
    return nullptr;
}

}  // namespace

void RegisterClass(const Clsid& clsid, const std::string& progId, ClassFactory factory) {
    std::lock_guard lock(registryMutex);
    std::erase_if(Registry(), [&](const Registration& r) {
        return r.clsid == clsid || r.progId == progId;
    });
    Registry().push_back({clsid, progId, std::move(factory)});
}

void UnregisterClass(const Clsid& clsid) {
    std::lock_guard lock(registryMutex);
    std::erase_if(Registry(), [&](const Registration& r) { return r.clsid == clsid; });
}

HRESULT CLSIDFromProgID(const std::string& progId, Clsid& clsid) {
    std::lock_guard lock(registryMutex);
    const Registration* r = Find([&](const Registration& r) { return r.progId == progId; });
    if (r == nullptr) return CO_E_CLASSSTRING;
    clsid = r->clsid;
    return S_OK;
}

HRESULT ProgIDFromCLSID(const Clsid& clsid, std::string& progId) {
    std::lock_guard lock(registryMutex);
    const Registration* r = Find([&](const Registration& r) { return r.clsid == clsid; });
    if (r == nullptr) return REGDB_E_CLASSNOTREG;
    progId = r->progId;
    return S_OK;
}

HRESULT CreateInstance(const Clsid& clsid, std::shared_ptr<IDispatch>& object) {
    object.reset();
    if (!IsInitialized()) return CO_E_NOTINITIALIZED;
    ClassFactory factory;
    {
        std::lock_guard lock(registryMutex);
        const Registration* r = Find([&](const Registration& r) { return r.clsid == clsid; });
        if (r != nullptr) factory = r->factory;
    }
    if (!factory) return REGDB_E_CLASSNOTREG;
    object = factory();  // outside the lock: a server may look the table up itself
    return object ? S_OK : E_NOINTERFACE;
}

}  // namespace Com
