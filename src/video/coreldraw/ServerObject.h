#pragma once

#include <memory>
#include <vector>

#include "panelwick/Com/DispatchObject.h"
#include "video/coreldraw/ServerState.h"

namespace CorelDraw {

// What every object of the server shares: its application's session and, for the objects of
// a document, that document. Calls are answered only while the application runs (afterwards
// they fail as an unreachable server would) and while the document is open.
class ServerObject : public Com::DispatchObject {
protected:
    // The source named in the exceptions the server raises.
    static constexpr char kSource[] = "CorelDRAW.Application";

    ServerObject(std::shared_ptr<Com::TypeInfo> members, std::shared_ptr<Session> session,
                 std::shared_ptr<Drawing> drawing)
        : DispatchObject(std::move(members)),
          session_(std::move(session)),
          drawing_(std::move(drawing)) {}

    virtual Com::HRESULT Answer(const Com::FuncDesc& member, std::vector<Com::Variant>& args,
                                Com::Variant& result, Com::ExcepInfo& excepInfo) = 0;

    std::shared_ptr<Session> session_;
    std::shared_ptr<Drawing> drawing_;  // null for objects outside a document

private:
    Com::HRESULT Call(const Com::FuncDesc& member, std::vector<Com::Variant>& args,
                      Com::Variant& result, Com::ExcepInfo& excepInfo) final {
        if (session_->quit) return Com::RPC_S_SERVER_UNAVAILABLE;
        if (drawing_ && drawing_->closed) {
            return Raise(excepInfo, kSource, "The document is closed");
        }
        return Answer(member, args, result, excepInfo);
    }
};

}  // namespace CorelDraw
