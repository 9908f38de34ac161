#include "grid/row_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace npb {
namespace {

const CString kTrue("True");
const CString kFalse("False");

std::string Format(const COleVariant& var) { return FormatRowValue(var, kTrue, kFalse).str(); }

// Parses into a value of the given kind, starting from a value that is not zero, so a
// parser that forgets to store shows up.
COleVariant Parse(const char* text, COleVariant start) {
  EXPECT_TRUE(ParseRowValue(text, start, kTrue)) << text;
  return start;
}

TEST(RowValue, FormatsEveryHandledKindInItsCFormat) {
  const struct {
    COleVariant var;
    const char* text;
  } cases[] = {
      {COleVariant(short{-12}), "-12"},
      {COleVariant(-70000), "-70000"},
      {COleVariant(70000, VT_INT), "70000"},
      {COleVariant(1.5f), "1.500000"},
      {COleVariant(-2.25), "-2.250000"},
      {COleVariant(1e-7), "0.000000"},
      {COleVariant("a b "), "a b "},
      {COleVariant(true), "True"},
      {COleVariant(false), "False"},
      {COleVariant(static_cast<unsigned char>('Q')), "Q"},
      {COleVariant(static_cast<unsigned char>(0)), ""},
      {COleVariant(static_cast<unsigned short>(65535)), "65535"},
      {COleVariant(4294967295u), "4294967295"},
      {COleVariant(7u, VT_UINT), "7"},
      {COleVariant(), "*** error ***"},
  };
  for (const auto& c : cases) EXPECT_EQ(Format(c.var), c.text) << "kind " << c.var.vt;
}

TEST(RowValue, BooleanShowsTheGivenLabelsAndOnlyMinusOneIsTrue) {
  COleVariant odd(true);
  odd.boolVal = 1;  // not VARIANT_TRUE
  EXPECT_EQ(FormatRowValue(COleVariant(true), "Yes", "No"), CString("Yes"));
  EXPECT_EQ(FormatRowValue(odd, "Yes", "No"), CString("No"));
}

TEST(RowValue, FormattedTextReadsBackToTheSameValue) {
  const COleVariant values[] = {
      COleVariant(short{-32768}), COleVariant(short{32767}), COleVariant(INT32_MIN),
      COleVariant(INT32_MAX), COleVariant(-5, VT_INT), COleVariant(0.25f), COleVariant(-1234.5),
      COleVariant("text, with comma"), COleVariant(""), COleVariant(true), COleVariant(false),
      COleVariant(static_cast<unsigned char>('z')), COleVariant(static_cast<unsigned char>(0)),
      COleVariant(static_cast<unsigned short>(65535)), COleVariant(2147483647u),
      COleVariant(12u, VT_UINT),
  };
  for (const COleVariant& original : values) {
    const CString text = FormatRowValue(original, kTrue, kFalse);
    COleVariant back = original;
    back.dblVal = 0.0;  // wipe the payload, keep the kind
    back.strVal = "junk";
    back.vt = original.vt;
    ASSERT_TRUE(ParseRowValue(text, back, kTrue)) << text.str();
    EXPECT_TRUE(back == original) << "kind " << original.vt << " text " << text.str();
  }
}

TEST(RowValue, IntegerTextReadsLeadingDigitsAndCutsToTheKind) {
  const struct {
    const char* text;
    COleVariant start;
    COleVariant expected;
  } cases[] = {
      {"  42xyz", COleVariant(short{9}), COleVariant(short{42})},
      {"abc", COleVariant(short{9}), COleVariant(short{0})},
      {"", COleVariant(9), COleVariant(0)},
      {"70000", COleVariant(short{9}), COleVariant(short{4464})},  // 70000 - 65536
      {"-1", COleVariant(static_cast<unsigned short>(9)), COleVariant(static_cast<unsigned short>(65535))},
      {"-1", COleVariant(9u), COleVariant(4294967295u)},
      {"99999999999", COleVariant(9), COleVariant(INT32_MAX)},  // atol saturates
      {"4294967295", COleVariant(9u), COleVariant(2147483647u)},
      {"-99999999999", COleVariant(9, VT_INT), COleVariant(INT32_MIN, VT_INT)},
      {"+17", COleVariant(9u, VT_UINT), COleVariant(17u, VT_UINT)},
  };
  for (const auto& c : cases) {
    const COleVariant got = Parse(c.text, c.start);
    EXPECT_TRUE(got == c.expected) << '"' << c.text << "\" kind " << c.start.vt;
  }
}

TEST(RowValue, RealTextIsTrimmedAndUnreadableTextGivesZero) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"  2.5  ", 2.5}, {"", 0.0}, {"   ", 0.0}, {"abc", 0.0}, {"-3e2", -300.0}, {"1.25mm", 1.25},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Parse(c.text, COleVariant(7.0)).dblVal, c.expected) << c.text;
    EXPECT_EQ(Parse(c.text, COleVariant(7.0f)).fltVal, static_cast<float>(c.expected)) << c.text;
  }
}

TEST(RowValue, TextBooleanAndByteParsing) {
  EXPECT_EQ(Parse("  keep  ", COleVariant("x")).strVal, CString("  keep  "));
  EXPECT_EQ(Parse("True  ", COleVariant(false)).boolVal, VARIANT_TRUE);
  EXPECT_EQ(Parse(" True", COleVariant(true)).boolVal, VARIANT_FALSE);  // left blanks count
  EXPECT_EQ(Parse("true", COleVariant(true)).boolVal, VARIANT_FALSE);   // case counts
  EXPECT_EQ(Parse("Kilo", COleVariant(static_cast<unsigned char>(1))).bVal, 'K');
  EXPECT_EQ(Parse("", COleVariant(static_cast<unsigned char>(1))).bVal, 0);
}

TEST(RowValue, UnhandledKindsAreNotParsedAndKeepTheirValue) {
  COleVariant empty;
  EXPECT_FALSE(ParseRowValue("5", empty, kTrue));
  EXPECT_EQ(empty.vt, VT_EMPTY);
  COleVariant date;
  date.vt = VT_DATE;
  date.dblVal = 3.0;
  EXPECT_FALSE(ParseRowValue("5", date, kTrue));
  EXPECT_EQ(date.dblVal, 3.0);
  EXPECT_FALSE(IsRowValueKind(VT_DATE));
  EXPECT_FALSE(IsRowValueKind(VT_EMPTY));
  EXPECT_TRUE(IsRowValueKind(VT_UINT));
}

TEST(RowValue, ChangeIsJudgedAtTheKindsWidth) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  COleVariant date1, date2;
  date1.vt = date2.vt = VT_DATE;
  date1.dblVal = 1.0;
  date2.dblVal = 2.0;
  const struct {
    COleVariant value, orig;
    bool changed;
  } cases[] = {
      {COleVariant(short{1}), COleVariant(short{1}), false},
      {COleVariant(short{1}), COleVariant(short{2}), true},
      {COleVariant(5), COleVariant(6), true},
      {COleVariant(5), COleVariant(short{6}), false},  // different kinds never count
      {COleVariant(1.0), COleVariant(1.0), false},
      {COleVariant(nan), COleVariant(nan), true},
      {COleVariant(1.0), COleVariant(nan), true},
      {COleVariant(1.5f), COleVariant(1.5f), false},
      {COleVariant(1.5f), COleVariant(1.25f), true},
      {COleVariant("a"), COleVariant("a"), false},
      {COleVariant("a"), COleVariant("A"), true},
      {COleVariant(true), COleVariant(false), true},
      {COleVariant(static_cast<unsigned char>(1)), COleVariant(static_cast<unsigned char>(2)), true},
      {COleVariant(3u), COleVariant(4u), true},
      {COleVariant(3u, VT_UINT), COleVariant(3u, VT_UINT), false},
      {date1, date2, false},  // a kind inside the range that rows do not handle
      {COleVariant(), COleVariant(), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsRowValueChanged(c.value, c.orig), c.changed)
        << FormatRowValue(c.value, kTrue, kFalse).str() << " vs " << FormatRowValue(c.orig, kTrue, kFalse).str();
  }
}

TEST(RowValue, VariantConstructorsHonourTheAskedKind) {
  EXPECT_EQ(COleVariant(short{-1}, VT_BOOL).boolVal, VARIANT_TRUE);
  EXPECT_EQ(COleVariant(0, VT_BOOL).boolVal, VARIANT_FALSE);
  EXPECT_EQ(COleVariant(300, VT_UI1).bVal, 44);
  EXPECT_EQ(COleVariant(5, VT_R8).vt, VT_I4);  // not an integer kind: the natural one
  EXPECT_TRUE(COleVariant(5, VT_INT) != COleVariant(5));
  COleVariant v("text");
  v.Clear();
  EXPECT_EQ(v.vt, VT_EMPTY);
  EXPECT_TRUE(v.strVal.IsEmpty());
}

}  // namespace
}  // namespace npb
