#include "FakeServer.h"

#include "panelwick/Com/ClassRegistry.h"

using namespace Com;

namespace {

enum : DispId { kAdd = 1, kLabel = 2, kChild = 3, kFail = 4 };

std::shared_ptr<TypeInfo> Members() {
    static const auto members = std::make_shared<TypeInfo>(std::vector<FuncDesc>{
        {"Add", kAdd, DISPATCH_METHOD, {VT_I4, VT_I4}, 1, VT_I4},
        {"Label", kLabel, DISPATCH_PROPERTYGET, {}, 0, VT_BSTR},
        {"Label", kLabel, DISPATCH_PROPERTYPUT, {VT_BSTR}, 0, VT_VOID},
        {"Child", kChild, DISPATCH_PROPERTYGET, {}, 0, VT_DISPATCH},
        {"Child", kChild, DISPATCH_PROPERTYPUTREF, {VT_DISPATCH}, 0, VT_VOID},
        {"Fail", kFail, DISPATCH_METHOD, {}, 0, VT_VOID},
    });
    return members;
}

}  // namespace

FakeServer::FakeServer() : DispatchObject(Members()) {}

HRESULT FakeServer::Call(const FuncDesc& member, std::vector<Variant>& args, Variant& result,
                         ExcepInfo& excepInfo) {
    calls.push_back({member.name, member.kind, args});
    switch (member.memberId) {
        case kAdd:
            result = Variant::I4(
                int32_t(args[0].intVal + (args[1].vt == VT_ERROR ? 0 : args[1].intVal)));
            return S_OK;
        case kLabel:
            if (member.kind == DISPATCH_PROPERTYPUT) {
                label = args[0].bstrVal;
            } else {
                result = Variant::Bstr(label);
            }
            return S_OK;
        case kChild:
            if (member.kind == DISPATCH_PROPERTYPUTREF) {
                child = args[0].dispVal;
            } else {
                result = Variant::Dispatch(child ? child : std::make_shared<FakeServer>());
            }
            return S_OK;
        case kFail:
            excepInfo.source = "Fake";
            excepInfo.description = "It broke";
            excepInfo.helpFile = "fake.hlp";
            excepInfo.code = 7;
            excepInfo.helpContext = 42;
            return DISP_E_EXCEPTION;
    }
    return DISP_E_MEMBERNOTFOUND;
}

void RegisterFakeServer(std::vector<std::shared_ptr<FakeServer>>* created) {
    const Clsid clsid = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    RegisterClass(clsid, "Fake.Server", [created]() -> std::shared_ptr<IDispatch> {
        auto object = std::make_shared<FakeServer>();
        if (created != nullptr) created->push_back(object);
        return object;
    });
}
