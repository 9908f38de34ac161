#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "framework/afx_string.h"

namespace {

TEST(FrameworkString, NullAndEmptyAreTheSame) {
  CString fromNull(static_cast<const char*>(nullptr));
  EXPECT_TRUE(fromNull.IsEmpty());
  EXPECT_STREQ("", fromNull.GetString());
  EXPECT_EQ(0, fromNull.Compare(nullptr));
  EXPECT_TRUE(fromNull == "");
  CString s("abc");
  s = static_cast<const char*>(nullptr);
  EXPECT_TRUE(s.IsEmpty());
}

TEST(FrameworkString, FormatGrowsPastAnyFixedBuffer) {
  struct Case {
    CString expected;
    CString actual;
  };
  CString a, b, c;
  a.Format("%s(%lu): %s", "propertygridctrl", 1234ul, "bad row");
  b.Format("%d|%5.2f|%-4s|%x", -7, 3.14159, "ab", 255u);
  c.Format("%s", std::string(5000, 'x').c_str());
  const Case cases[] = {
      {"propertygridctrl(1234): bad row", a},
      {"-7| 3.14|ab  |ff", b},
      {CString(std::string(5000, 'x')), c},
  };
  for (const Case& tc : cases) EXPECT_EQ(tc.expected, tc.actual);

  CString appended("n=");
  appended.AppendFormat("%d", 42);
  EXPECT_EQ(CString("n=42"), appended);
}

TEST(FrameworkString, SubstringsClampOutOfRangeArguments) {
  const CString s("Property");
  struct Case {
    const char* what;
    CString actual;
    const char* expected;
  } cases[] = {
      {"Mid inside", s.Mid(2, 3), "ope"},
      {"Mid count past end", s.Mid(5, 100), "rty"},
      {"Mid start past end", s.Mid(20, 2), ""},
      {"Mid start at end", s.Mid(8), ""},
      {"Mid negative start", s.Mid(-3, 2), "Pr"},
      {"Mid negative count", s.Mid(1, -1), ""},
      {"Mid to end", s.Mid(4), "erty"},
      {"Left past end", s.Left(50), "Property"},
      {"Left negative", s.Left(-1), ""},
      {"Right", s.Right(3), "rty"},
      {"Right past end", s.Right(50), "Property"},
  };
  for (const Case& tc : cases) EXPECT_STREQ(tc.expected, tc.actual.GetString()) << tc.what;
}

TEST(FrameworkString, FindReportsMinusOneWhenAbsentOrPastEnd) {
  const CString s("a,b,,c");
  struct Case {
    int actual;
    int expected;
  } cases[] = {
      {s.Find(','), 1},        {s.Find(',', 2), 3},     {s.Find(",,"), 3},
      {s.Find('z'), -1},       {s.Find(',', 6), -1},    {s.Find(',', 100), -1},
      {s.Find(",", -5), 1},    {s.Find(nullptr), -1},   {s.ReverseFind(','), 4},
      {s.FindOneOf("cb"), 2},  {s.FindOneOf(""), -1},   {CString().Find('a'), -1},
  };
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].expected, cases[i].actual) << "case " << i;
}

TEST(FrameworkString, ComparisonsOrderLikeStrcmp) {
  struct Case {
    const char* a;
    const char* b;
    int compare;
    int compareNoCase;
  } cases[] = {
      {"abc", "abc", 0, 0},   {"abc", "ABC", 1, 0},   {"abc", "abd", -1, -1},
      {"ab", "abc", -1, -1},  {"", "a", -1, -1},      {"Zeta", "alpha", -1, 1},
      {"a\xE9", "a", 1, 1},   {"[", "a", -1, -1},
  };
  for (const Case& tc : cases) {
    CString a(tc.a);
    EXPECT_EQ(tc.compare, a.Compare(tc.b)) << tc.a << " vs " << tc.b;
    EXPECT_EQ(tc.compareNoCase, a.CompareNoCase(tc.b)) << tc.a << " vs " << tc.b;
    EXPECT_EQ(tc.compare == 0, a == tc.b);
    EXPECT_EQ(tc.compare != 0, a != CString(tc.b));
    EXPECT_EQ(tc.compare < 0, a < CString(tc.b));
  }
}

TEST(FrameworkString, EditingOperations) {
  CString s("  line one \t\r\n");
  s.Trim();
  EXPECT_EQ(CString("line one"), s);
  CString t("xxabcxx");
  t.TrimLeft("x");
  EXPECT_EQ(CString("abcxx"), t);
  t.TrimRight("x");
  EXPECT_EQ(CString("abc"), t);
  CString allBlank(" \t ");
  EXPECT_TRUE(allBlank.TrimLeft().IsEmpty());

  CString r("a--b--c");
  EXPECT_EQ(2, r.Replace("--", "+"));
  EXPECT_EQ(CString("a+b+c"), r);
  EXPECT_EQ(0, r.Replace("", "x"));
  EXPECT_EQ(2, r.Replace('+', '-'));
  EXPECT_EQ(2, r.Replace("-", ""));
  EXPECT_EQ(CString("abc"), r);
  CString overlap("aaa");
  EXPECT_EQ(1, overlap.Replace("aa", "b"));
  EXPECT_EQ(CString("ba"), overlap);

  CString u("Mixed 12 Text");
  EXPECT_EQ(CString("MIXED 12 TEXT"), CString(u).MakeUpper());
  EXPECT_EQ(CString("mixed 12 text"), CString(u).MakeLower());
  EXPECT_EQ(CString("ab") + "c" + CString("d") + 'e', CString("abcde"));

  CString ins("ac");
  EXPECT_EQ(3, ins.Insert(1, 'b'));
  EXPECT_EQ(5, ins.Insert(99, "de"));
  EXPECT_EQ(2, ins.Delete(1, 3));
  EXPECT_EQ(CString("ae"), ins);
}

TEST(FrameworkString, TokenizeSkipsEmptyTokensAndEndsWithMinusOne) {
  const CString list(",red,,green,blue,");
  int pos = 0;
  std::vector<std::string> tokens;
  for (CString tok = list.Tokenize(",", pos); pos != -1; tok = list.Tokenize(",", pos)) tokens.push_back(tok.str());
  EXPECT_EQ((std::vector<std::string>{"red", "green", "blue"}), tokens);
}

TEST(FrameworkString, BufferRoundTripFollowsTheTerminatorOrTheGivenLength) {
  CString s("old");
  char* p = s.GetBuffer(10);
  std::strcpy(p, "new text");
  s.ReleaseBuffer();
  EXPECT_EQ(CString("new text"), s);
  p = s.GetBuffer(0);
  p[3] = '\0';
  s.ReleaseBuffer();
  EXPECT_EQ(CString("new"), s);
  std::memcpy(s.GetBuffer(6), "abcdef", 6);
  s.ReleaseBuffer(4);
  EXPECT_EQ(CString("abcd"), s);
  s.SetLength(2);
  EXPECT_EQ(CString("ab"), s);
  s.SetLength(4);
  EXPECT_EQ(4, s.GetLength());
  EXPECT_EQ('\0', s[3]);
  EXPECT_EQ('\0', s[99]);
}

}  // namespace
