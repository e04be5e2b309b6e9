#include <gtest/gtest.h>

#include <array>

#include "panelwick/Com/Apartment.h"
#include "panelwick/Com/Exception.h"
#include "panelwick/Com/Object.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Utf.h"
#include "support/Corpus.h"
#include "support/TempDir.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PictureLoader.h"
#include "video/coreldraw/CorelDrawServer.h"

using Com::Variant;

namespace {

// The probe drawing opened in a fresh server application.
class DrawingServer : public ::testing::Test {
protected:
    void SetUp() override {
        probe = CorpusFile("cdr/probe.cdr");
        if (probe.empty()) GTEST_SKIP() << "shared/corpora/cdr/probe.cdr not found";
        CorelDraw::RegisterServer();
        application.CreateInstance(CorelDraw::kProgId);
        std::array<Variant, 1> path{Variant::Bstr(Sys::ToUtf16(probe))};
        application.InvokeToObject("OpenDocument", path, document, Com::DISPATCH_METHOD);
    }
    void TearDown() override {
        if (!application.empty()) application.Call("Quit");
    }

    // "ExportBitmap" with the given filter, pixel size and transparency, then "Finish".
    std::string Export(int32_t filter, int32_t width, int32_t height, bool transparent) {
        std::array<Variant, 14> args{
            Variant::Int(7), Variant::Bool(true), Variant::Bool(false), Variant::Bool(transparent),
            Variant::Bool(false), Variant::Int(1), Variant::Int(150), Variant::Int(150),
            Variant::Int(height), Variant::Int(width), Variant::Int(4), Variant::Int(1),
            Variant::Int(filter), Variant::Bstr(Sys::ToUtf16(dir / "out.png"))};
        try {
            Com::Object filterObject;
            document.InvokeToObject("ExportBitmap", args, filterObject, Com::DISPATCH_METHOD);
            filterObject.Call("Finish");
        } catch (const Com::Exception& e) {
            return e.Message();
        }
        return {};
    }

    Com::Apartment apartment;
    TempDir dir;
    std::string probe;
    Com::Object application, document;
};

}  // namespace

TEST_F(DrawingServer, ExportHonoursSizeAndTransparencyArguments) {
    // The two optional reference arguments may be left out.
    ASSERT_EQ(Export(802, 300, 200, false), "");
    CG::ImageRGBA picture;
    ASSERT_TRUE(CG::LoadPicture(picture, dir / "out.png").ok());
    EXPECT_EQ(picture.width(), 300u);
    EXPECT_EQ(picture.height(), 200u);
    // Without transparency the empty parts of the page are white.
    const uint8_t* corner = picture.Row(picture.height() - 1) + (picture.width() - 1) * 4;
    EXPECT_EQ(corner[0], 255);
    EXPECT_EQ(corner[3], 255);

    EXPECT_NE(Export(803, 0, 0, true).find("Description: Export filter 803 is not available\r\n"),
              std::string::npos);

    CorelDraw::SetPixelLimit(1000);
    const std::string tooLarge = Export(802, 0, 0, true);
    CorelDraw::SetPixelLimit(CG::ImageRGBA::kMaxPixels);
    EXPECT_NE(tooLarge.find("Finish.IDispatch.Invoke\r\n\r\nMethod Finish() returns VT_VARIANT\r\n"
                            " raised an exception\r\n\r\nSource: CorelDRAW.Application\r\n"
                            "Description: The page is too large to export at this resolution\r\n"),
              std::string::npos)
        << tooLarge;
}

TEST_F(DrawingServer, PagesAndClosedDocumentsRefuseWhatTheyCannotDo) {
    Com::Object pages, page;
    document.InvokeToObject("Pages", {}, pages, Com::DISPATCH_PROPERTYGET);
    Variant count;
    pages.InvokeToValue("Count", {}, count, Com::DISPATCH_PROPERTYGET);
    EXPECT_EQ(count.vt, Com::VT_I4);
    EXPECT_EQ(count.intVal, 1);

    std::array<Variant, 1> zero{Variant::UI1(0)};
    try {
        pages.InvokeToObject("Item", zero, page, Com::DISPATCH_PROPERTYGET);
        ADD_FAILURE() << "no exception";
    } catch (const Com::Exception& e) {
        EXPECT_EQ(e.Message(), "Pages.Item.IDispatch.Invoke\r\n\r\nGet Item(VT_UI1) returns "
                               "VT_DISPATCH\r\n\r\nInvalid index.\r\n\r\nInvalid index.");
    }

    document.Call("Close");
    try {
        pages.InvokeToValue("Count", {}, count, Com::DISPATCH_PROPERTYGET);
        ADD_FAILURE() << "no exception";
    } catch (const Com::Exception& e) {
        EXPECT_NE(e.Message().find("Description: The document is closed\r\n"), std::string::npos);
    }
}
