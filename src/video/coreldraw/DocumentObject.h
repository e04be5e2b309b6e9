#pragma once

#include <memory>
#include <string>

#include "video/coreldraw/ServerObject.h"

namespace CorelDraw {

// An open document: "Pages" returns its page collection, "ExportBitmap" (sixteen arguments)
// prepares the export of the current page and returns the export filter, "Close" closes it.
class DocumentObject : public ServerObject {
public:
    // The PNG export filter, the only one this server has.
    static constexpr int32_t kPngFilter = 802;

    DocumentObject(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing);

protected:
    Com::HRESULT Answer(const Com::FuncDesc& member, std::vector<Com::Variant>& args,
                        Com::Variant& result, Com::ExcepInfo& excepInfo) override;

private:
    Com::HRESULT ExportBitmap(const std::vector<Com::Variant>& args, Com::Variant& result,
                              Com::ExcepInfo& excepInfo);
};

}  // namespace CorelDraw
