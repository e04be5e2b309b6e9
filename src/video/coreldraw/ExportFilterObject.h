#pragma once

#include <memory>
#include <string>

#include "video/coreldraw/PageRasterizer.h"
#include "video/coreldraw/ServerObject.h"

namespace CorelDraw {

// A prepared export of one page: "Finish" draws the page and writes the file.
class ExportFilterObject : public ServerObject {
public:
    ExportFilterObject(std::shared_ptr<Session> session, std::string svg, std::string path,
                       const RasterOptions& options);

protected:
    Com::HRESULT Answer(const Com::FuncDesc& member, std::vector<Com::Variant>& args,
                        Com::Variant& result, Com::ExcepInfo& excepInfo) override;

private:
    std::string svg_;
    std::string path_;
    RasterOptions options_;
};

}  // namespace CorelDraw
