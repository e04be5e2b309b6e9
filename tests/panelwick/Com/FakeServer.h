#pragma once

#include <memory>
#include <string>
#include <vector>

#include "panelwick/Com/DispatchObject.h"

// A small automation object for the tests: "Add" (two VT_I4, the second optional) returns
// their sum, "Label" can be read and written, "Child" returns another such object or the one
// set by reference, "Fail" raises an exception. It records every call that reaches it.
class FakeServer : public Com::DispatchObject {
public:
    FakeServer();

    struct Received {
        std::string member;
        Com::InvokeKind kind;
        std::vector<Com::Variant> args;  // parameter order, converted
    };
    std::vector<Received> calls;
    std::u16string label;
    std::shared_ptr<Com::IDispatch> child;

protected:
    Com::HRESULT Call(const Com::FuncDesc& member, std::vector<Com::Variant>& args,
                      Com::Variant& result, Com::ExcepInfo& excepInfo) override;
};

// Registers FakeServer under "Fake.Server"; every created object is appended to `created`.
void RegisterFakeServer(std::vector<std::shared_ptr<FakeServer>>* created);
