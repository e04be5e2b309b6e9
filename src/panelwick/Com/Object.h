#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <utility>

#include "panelwick/Com/IDispatch.h"
#include "panelwick/Com/Types.h"
#include "panelwick/Com/Variant.h"

namespace Com {

// A client's handle on one automation object: created from a ProgID or returned by a member
// of another object, whose name it then carries ("Pages"). Members are called by name and
// invoke kind with arguments in the reverse order of the member's parameters. Every failure
// throws Com::Exception, whose text starts with the object's name.
//
// Type information is optional: once loaded, members are looked up in a cache built from it,
// arguments are checked against the declared parameters before any call reaches the server,
// and objects returned by members load theirs too. The thread that uses an object must have
// initialised automation (Com::Apartment).
class Object {
public:
    static constexpr size_t kMaxNameLength = 32;  // UTF-16 code units

    Object() = default;
    explicit Object(std::string_view name) { SetName(name); }
    virtual ~Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    Object(Object&&) = default;
    Object& operator=(Object&&) = default;

    // Creates a new object of the class registered under the ProgID, dropping the one held.
    void CreateInstance(const std::string& progId);
    // kind is DISPATCH_METHOD, _PROPERTYGET, _PROPERTYPUT or _PROPERTYPUTREF; a put passes
    // DISPID_PROPERTYPUT as its named argument. result is emptied first.
    void InvokeToObject(const std::string& member, std::span<Variant> args, Object& result,
                        InvokeKind kind);
    void InvokeToValue(const std::string& member, std::span<Variant> args, Variant& result,
                       InvokeKind kind);
    // A method without arguments whose value is not needed.
    void Call(const std::string& member);
    // Loads the type information and from then on uses it for this object and the objects
    // its members return. An object without type information keeps looking members up by name.
    void LoadTypeInfo();
    // Releases the object, empties the member cache and zeroes the class identifier; with
    // dropName also forgets the name.
    void Clear(bool dropName);

    bool empty() const { return dispatch_ == nullptr; }
    const std::string& name() const { return name_; }
    const Clsid& clsid() const { return clsid_; }
    bool typeInfoLoaded() const { return typeInfoLoaded_; }
    size_t memberCount() const { return memberCount_; }
    const std::shared_ptr<IDispatch>& dispatch() const { return dispatch_; }

private:
    using CacheKey = std::pair<std::string, InvokeKind>;

    void SetName(std::string_view name);
    // Calls the member; on failure empties value and throws.
    void Invoke(const std::string& member, std::span<Variant> args, Variant& value,
                InvokeKind kind, VarType resultType);
    const FuncDesc* FindCachedMember(const std::string& member, InvokeKind kind) const;
    void CheckArguments(const FuncDesc& desc, const std::string& member,
                        std::span<const Variant> args) const;
    void LoadResultTypeInfo(Object& result) const;

    std::shared_ptr<IDispatch> dispatch_;
    std::map<CacheKey, FuncDesc> cache_;
    size_t memberCount_ = 0;
    Clsid clsid_{};
    std::string name_;
    bool typeInfoLoaded_ = false;
};

}  // namespace Com
