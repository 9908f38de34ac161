#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstdio>
#include <string>
#include <vector>

#include "module/module_globals.h"
#include "editors/color_box.h"
#include "editors/color_combo_property.h"
#include "framework/gdi.h"
#include "tests/win/grid_filling_fixture.h"

namespace {

using gridtest::Attr;
using Texts = std::vector<std::string>;

COLORREF g_dialogColor = 0;
BOOL g_dialogAnswer = FALSE;
int g_dialogRuns = 0;
BOOL ScriptedColorDialog(HWND, COLORREF& color) {
  ++g_dialogRuns;
  if (g_dialogAnswer) color = g_dialogColor;
  return g_dialogAnswer;
}

// The built-in answers: Earth Tones is scheme 3 and Ocean scheme 5 starting with 0x803000, "Rainbow (pastel)" is
// scheme 8 nested in 7, and the object's data names columns 1 and 2.
constexpr COLORREF kOceanFirst = 0x803000;
constexpr COLORREF kEarthFirst = 0x004080;
constexpr COLORREF kPastelFirst = 0x8080FF;
constexpr COLORREF kColumn2First = (0x3F1F0Fu * 2) & 0xFFFFFFu;

std::string LineObject(const std::string& attrs) {
  return "<Object Type=\"Line\" Object_Name=\"Line\" Handle=\"131\"><AttributeTable>" +
         Attr("SLA_DATA_SOURCE", "Data 1: col(1), col(2)") + attrs + "</AttributeTable></Object>\n";
}

std::string Handles(const char* theme, const char* col) {
  return std::string("ThemeHandle=\"") + theme + "\" ColHandle=\"" + col + "\"";
}

class ColorComboTest : public gridtest::GridWithTree {
protected:
  void SetUp() override {
    GridWithTree::SetUp();
    g_dialogRuns = 0;
    m_oldDialog = SetColorDialog(ScriptedColorDialog);
    m_oldDynamic = g_bDynamicUpdate;
    g_bDynamicUpdate = 1;
  }
  void TearDown() override {
    m_grid.EndEditItem(FALSE);
    g_bDynamicUpdate = m_oldDynamic;
    SetColorDialog(m_oldDialog);
    SetLastCustomColor(0);
    GridWithTree::TearDown();
  }

  CColorComboPropertyGridProperty* RowOf(const std::string& attrs, DWORD_PTR number = 2001) {
    EXPECT_TRUE(Reload(gridtest::Page(LineObject(attrs))));
    Show(m_tree.GetRootItem());
    return dynamic_cast<CColorComboPropertyGridProperty*>(m_grid.FindItemByData(number));
  }

  // What the list does when a user clicks an entry: the selection, then the notices.
  void Choose(CColorComboPropertyGridProperty* row, int nIndex) {
    CPBColorBox* box = row->GetColorBox();
    ASSERT_NE(box, nullptr);
    box->SetCurSel(nIndex);
    for (UINT code : {CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}) {
      m_grid.SendMessage(WM_COMMAND, MAKEWPARAM(box->GetDlgCtrlID(), code), reinterpret_cast<LPARAM>(box->m_hWnd));
    }
  }

  // "AttrValue ThemeHandle ColHandle" of the first attribute named `name` in a document.
  static std::string SentValues(const std::string& document, const char* name) {
    TiXmlDocument doc;
    doc.Parse(document.c_str());
    TiXmlElement* a = TiXmlHandle(&doc).FirstChildElement("XML").FirstChildElement("ObjectList")
                          .FirstChildElement("Object").FirstChildElement("AttributeTable")
                          .FirstChildElement("Attribute").ToElement();
    for (; a; a = a->NextSiblingElement("Attribute")) {
      if (std::string(a->Attribute("Name")) != name) continue;
      auto text = [a](const char* attr) { return std::string(a->Attribute(attr) ? a->Attribute(attr) : "-"); };
      return text("AttrValue") + " " + text("ThemeHandle") + " " + text("ColHandle");
    }
    return "(absent)";
  }

  ColorDialogFn m_oldDialog = nullptr;
  int m_oldDynamic = 0;
};

TEST_F(ColorComboTest, RowShowsWhatItsSourceHandlesPointAt) {
  const struct {
    const char* what;
    std::string attr;
    std::string text;
    COLORREF color;
    DWORD kind;
    const char* shading;  // "3D SHADINGSMOOTH ENABLE" of the object afterwards
  } cases[] = {
      {"host name of a standard colour", Attr("SEA_COLOR", "128", Handles("2", "-2")), "Dk Red", 0x80, 0, "0"},
      {"no colour is the first option", Attr("SEA_COLOR", "-16777216", Handles("2", "-2")), "(None)",
       npb::kNoColor, 0, "0"},
      {"colour outside the table", Attr("SEA_COLOR", "1193046", Handles("2", "-2")), "Custom", 0x123456, 0, "0"},
      {"scheme", Attr("SEA_COLOR", "0", Handles("5", "-2")), "Ocean", kOceanFirst, npb::kColorEntryScheme, "0"},
      {"nested scheme", Attr("SEA_COLOR", "0", Handles("8", "-2")), "Rainbow (pastel)", kPastelFirst,
       npb::kColorEntryScheme, "0"},
      // "ColHandle" counts from 0: 1 is the sheet's column numbered 2.
      {"column", Attr("SEA_COLOR", "0", Handles("4", "1")), "col(2)", kColumn2First, npb::kColorEntryColumn | 1, "0"},
      {"column that is not there", Attr("SEA_COLOR", "255", Handles("4", "7")), "Red", 0xFF, 0, "0"},
      {"scheme that is not there", Attr("SEA_COLOR", "65280", Handles("9", "-2")), "Green", 0xFF00, 0, "0"},
      {"fill from a scheme", Attr("SDA_COLOR", "0", Handles("6", "-2")), "Grayscale", 0, npb::kColorEntryScheme, "1"},
      {"plain fill", Attr("SDA_COLOR", "0", Handles("2", "-2")), "Black", 0, 0, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const DWORD_PTR number = c.attr.find("SDA_COLOR") != std::string::npos ? 2009 : 2001;
    CColorComboPropertyGridProperty* row = RowOf(c.attr, number);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(std::string(row->FormatProperty()), c.text);
    EXPECT_EQ(row->GetColor(), c.color);
    EXPECT_EQ(row->GetEntryKind(), c.kind);
    TiXmlElement* object = row->GetXmlNode()->ToElement();
    EXPECT_STREQ(object->Attribute("3D SHADINGSMOOTH ENABLE"), c.shading);
    // Other editors read the row's colour from the object state of its name.
    const char* state = object->Attribute(number == 2009 ? "SDA_COLOR" : "SEA_COLOR");
    EXPECT_EQ(state ? std::string(state) : "", std::to_string(static_cast<int>(c.color)));
  }
}

TEST_F(ColorComboTest, GapAndSecondFillColoursAreEnabledByTheObjectsState) {
  const struct {
    const char* what;
    std::string attrs;
    DWORD_PTR number;
    const char* gapState;  // "GAP COLOR DISABLE" set before the paint, or null
    BOOL enabled;
  } cases[] = {
      {"gap colour by default", Attr("SEA_GAP_COLOR", "0", Handles("2", "-2")), 2002, nullptr, FALSE},
      {"gap colour once the state says so", Attr("SEA_GAP_COLOR", "0", Handles("2", "-2")), 2002, "1", TRUE},
      {"second fill colour of the blend pattern", Attr("SDA_PATTERN", "1") + Attr("SDA_COLOREX", "0"), 2012, nullptr,
       TRUE},
      {"second fill colour of another pattern", Attr("SDA_PATTERN", "3") + Attr("SDA_COLOREX", "0"), 2012, nullptr,
       FALSE},
      {"plain line colour", Attr("SEA_COLOR", "0"), 2001, nullptr, TRUE},
  };
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 30);
  HGDIOBJ old = SelectObject(memory, bitmap);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CColorComboPropertyGridProperty* row = RowOf(c.attrs, c.number);
    ASSERT_NE(row, nullptr);
    if (c.gapState) row->GetXmlNode()->ToElement()->SetAttribute("GAP COLOR DISABLE", c.gapState);
    CDC dc(memory);
    row->OnDrawValue(&dc, CRect(0, 0, 200, 30));
    EXPECT_EQ(row->IsEnabled(), c.enabled);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

TEST_F(ColorComboTest, StandardColourBoxGivesAnUnlistedColourToItsCustomEntry) {
  CPBColorBox box;
  ASSERT_TRUE(box.Create(CRect(0, 0, 100, 300), &m_frame, 5));
  box.AddStandardColors();
  box.AddStandardColors();
  ASSERT_EQ(box.GetCount(), 18) << "the standard colours are added once";
  char name[32] = "";
  box.SendMessage(CB_GETLBTEXT, 10, reinterpret_cast<LPARAM>(name));
  EXPECT_STREQ(name, "Dk. Red");
  EXPECT_TRUE(box.SelectColor(0x008000));
  EXPECT_EQ(box.GetSelectedName(), CString("Dk. Green"));
  EXPECT_TRUE(box.SelectColor(0x123456));
  EXPECT_EQ(box.GetCurSel(), 17);
  EXPECT_EQ(box.GetSelectedName(), CString("(Custom)"));
  EXPECT_EQ(box.GetCurrentColor(), 0x123456u);
  EXPECT_EQ(GetLastCustomColor(), 0x123456u);
  // Without a custom entry an unlisted colour falls to the last entry.
  box.DeleteString(17);
  EXPECT_EQ(box.GetCustomIndex(), -1);
  EXPECT_FALSE(box.SelectColor(0x654321));
  EXPECT_EQ(box.GetCurSel(), 16);
}

TEST_F(ColorComboTest, ChoosingAnEntrySendsItsColourAndSourceHandlesAndTheShownOneSendsNothing) {
  const struct {
    const char* theme;  // the row's ThemeHandle and ColHandle
    const char* column;
    const char* entry;
    std::string sent;  // AttrValue ThemeHandle ColHandle, empty for nothing sent
  } cases[] = {
      {"5", "-2", "Red", "255 2 -2"},
      {"5", "-2", "Earth Tones", std::to_string(kEarthFirst) + " 3 -2"},
      {"5", "-2", "Rainbow (pastel)", std::to_string(kPastelFirst) + " 8 -2"},
      {"5", "-2", "col(2)", std::to_string(kColumn2First) + " 4 1"},
      {"5", "-2", "(None)", "-16777216 2 -2"},
      {"4", "0", "col(1)", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    Sent().clear();
    CColorComboPropertyGridProperty* row = RowOf(Attr("SEA_COLOR", "0", Handles(c.theme, c.column)));
    ASSERT_NE(row, nullptr);
    ASSERT_TRUE(m_grid.EditItem(row));
    ASSERT_NE(row->GetColorBox(), nullptr);
    const int index = row->GetColorBox()->FindName(c.entry);
    ASSERT_GE(index, 0);
    // The entry the row shows is the one selected at opening; choosing it again is no change.
    if (c.sent.empty()) {
      EXPECT_EQ(row->GetColorBox()->GetCurSel(), index);
    }
    Choose(row, index);
    EXPECT_EQ(std::string(row->FormatProperty()), c.entry);
    m_grid.EndEditItem(TRUE);
    if (c.sent.empty()) {
      EXPECT_TRUE(Sent().empty());
      EXPECT_STREQ(row->GetAttrNode()->ToElement()->Attribute("ModifiedFlag"), "");
    } else {
      ASSERT_FALSE(Sent().empty());
      EXPECT_EQ(SentValues(Sent().front(), "SEA_COLOR"), c.sent);
    }
  }
}

TEST_F(ColorComboTest, CustomEntryAsksForTheColourAndCancelKeepsTheRow) {
  for (const BOOL answer : {TRUE, FALSE}) {
    SCOPED_TRACE(answer ? "OK" : "Cancel");
    Sent().clear();
    g_dialogRuns = 0;
    g_dialogAnswer = answer;
    g_dialogColor = RGB(10, 20, 30);
    SetLastCustomColor(0x445566);
    CColorComboPropertyGridProperty* row = RowOf(Attr("SEA_COLOR", "255", Handles("2", "-2")));
    ASSERT_NE(row, nullptr);
    ASSERT_TRUE(m_grid.EditItem(row));
    CPBColorBox* box = row->GetColorBox();
    ASSERT_NE(box, nullptr);
    const int custom = box->GetCustomIndex();
    ASSERT_GE(custom, 0);
    Choose(row, custom);
    // The choice waits for the dialog, which runs once the list's own messages are over.
    EXPECT_TRUE(Sent().empty());
    Pump();
    EXPECT_EQ(g_dialogRuns, 1);
    if (answer) {
      ASSERT_EQ(Sent().size(), 1u);
      EXPECT_EQ(SentValues(Sent()[0], "SEA_COLOR"), std::to_string(0x1E140A) + " 2 -2");
      EXPECT_EQ(GetLastCustomColor(), 0x1E140Au);
      EXPECT_EQ(std::string(row->FormatProperty()), "Custom");
    } else {
      EXPECT_TRUE(Sent().empty());
      EXPECT_EQ(box->GetCurSel(), box->FindName("Red"));
      EXPECT_EQ(std::string(row->FormatProperty()), "Red");
    }
    m_grid.EndEditItem(TRUE);
  }
}

TEST_F(ColorComboTest, BrokenHostAnswersShowWhatTheyCanAndSendNothing) {
  std::string options = "<XML><Root><standardOptions><option name=\"Mauve\"/><option name=\"Blue\"/>";
  for (int i = 0; i < 60; ++i) options += "<option name=\"Red\"/>";
  ASSERT_TRUE(m_lib.ServeHostAnswers({
      {"192-default.xml", options + "<option name=\"Custom\"/></standardOptions></Root></XML>"},
      {"199-SEA_COLOR.xml", "<XML><Root><SchemeTable><Scheme Name=\"Cut"},
      {"200-default.xml", ""},
  }));

  CColorComboPropertyGridProperty* row = RowOf(Attr("SEA_COLOR", "1193046", Handles("5", "0")));
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(std::string(row->FormatProperty()), "Custom");
  ASSERT_TRUE(m_grid.EditItem(row));
  CPBColorBox* box = row->GetColorBox();
  ASSERT_NE(box, nullptr);
  // Fifty options read: "Blue" and 48 "Red"; the unknown name and the 51st on are skipped.
  EXPECT_EQ(box->GetCount(), 49);
  EXPECT_EQ(box->GetCustomIndex(), -1);
  EXPECT_EQ(box->GetCurSel(), -1) << "a colour the list lacks selects nothing";
  m_grid.EndEditItem(TRUE);
  EXPECT_TRUE(Sent().empty());
}

}  // namespace
