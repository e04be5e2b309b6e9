#include "panelwick/Com/Apartment.h"

namespace Com {
namespace {

thread_local int initializeCount = 0;

}  // namespace

HRESULT Initialize() { return initializeCount++ == 0 ? S_OK : S_FALSE; }

void Uninitialize() {
    if (initializeCount > 0) --initializeCount;
}

bool IsInitialized() { return initializeCount > 0; }

}  // namespace Com
