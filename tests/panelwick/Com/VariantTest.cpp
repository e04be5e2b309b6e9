#include <gtest/gtest.h>

#include "panelwick/Com/Variant.h"

using namespace Com;

TEST(Variant, ChangeTypeRoundsHalfToEvenAndRefusesWhatDoesNotFit) {
    Variant out;
    Variant real;
    real.vt = VT_R8;
    real.realVal = 2.5;
    ASSERT_EQ(VariantChangeType(out, real, VT_INT), S_OK);
    EXPECT_EQ(out.vt, VT_INT);
    EXPECT_EQ(out.intVal, 2);
    real.realVal = -3.5;
    ASSERT_EQ(VariantChangeType(out, real, VT_I4), S_OK);
    EXPECT_EQ(out.intVal, -4);

    EXPECT_EQ(VariantChangeType(out, Variant::I4(256), VT_UI1), DISP_E_OVERFLOW);
    EXPECT_EQ(out.vt, VT_I4);  // untouched on failure
    EXPECT_EQ(VariantChangeType(out, Variant::I4(-1), VT_UINT), DISP_E_OVERFLOW);
    ASSERT_EQ(VariantChangeType(out, Variant::UI1(200), VT_INT), S_OK);
    EXPECT_EQ(out.intVal, 200);

    ASSERT_EQ(VariantChangeType(out, Variant::Bstr(u" 42 "), VT_I4), S_OK);
    EXPECT_EQ(out.intVal, 42);
    EXPECT_EQ(VariantChangeType(out, Variant::Bstr(u"4x"), VT_I4), DISP_E_TYPEMISMATCH);
    ASSERT_EQ(VariantChangeType(out, Variant::Int(-7), VT_BSTR), S_OK);
    EXPECT_EQ(out.bstrVal, u"-7");
    ASSERT_EQ(VariantChangeType(out, Variant::I4(3), VT_BOOL), S_OK);
    EXPECT_EQ(out.intVal, VARIANT_TRUE);
    EXPECT_EQ(VariantChangeType(out, Variant::I4(3), VT_DISPATCH), DISP_E_TYPEMISMATCH);

    // A reference is followed to the value it points at.
    Variant inner = Variant::I4(9);
    Variant ref;
    ref.vt = VT_BYREF | VT_VARIANT;
    ref.byref = &inner;
    ASSERT_EQ(VariantChangeType(out, ref, VT_INT), S_OK);
    EXPECT_EQ(out.intVal, 9);
}
