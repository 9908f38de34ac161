#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstdio>
#include <string>
#include <vector>

#include "module/module_globals.h"
#include "editors/picture_box.h"
#include "editors/picture_combo_property.h"
#include "tests/win/grid_filling_fixture.h"

namespace {

using gridtest::Attr;
using Texts = std::vector<std::string>;

int g_promptRuns = 0;
const char* g_promptAnswer = nullptr;  // null: Cancel
BOOL ScriptedPrompt(HWND, CString& text) {
  ++g_promptRuns;
  if (!g_promptAnswer) return FALSE;
  text = g_promptAnswer;
  return TRUE;
}

// "ID Name AttrValue" of every attribute of the first object of a sent document.
Texts SentAttributes(const std::string& document) {
  TiXmlDocument doc;
  doc.Parse(document.c_str());
  Texts out;
  TiXmlElement* a = TiXmlHandle(&doc).FirstChildElement("XML").FirstChildElement("ObjectList")
                        .FirstChildElement("Object").FirstChildElement("AttributeTable")
                        .FirstChildElement("Attribute").ToElement();
  for (; a; a = a->NextSiblingElement("Attribute")) {
    out.push_back(std::string(a->Attribute("ID")) + " " + a->Attribute("Name") + " " + a->Attribute("AttrValue"));
  }
  return out;
}

class PictureComboTest : public gridtest::GridWithTree {
protected:
  void SetUp() override {
    GridWithTree::SetUp();
    g_promptRuns = 0;
    m_oldPrompt = SetSymbolTextPrompt(ScriptedPrompt);
    m_oldDynamic = g_bDynamicUpdate;
    g_bDynamicUpdate = 1;
  }
  void TearDown() override {
    m_grid.EndEditItem(FALSE);
    g_bDynamicUpdate = m_oldDynamic;
    SetSymbolTextPrompt(m_oldPrompt);
    GridWithTree::TearDown();
  }

  CPictureComboPropertyGridProperty* RowOf(const std::string& type, const std::string& attrs, DWORD_PTR number) {
    EXPECT_TRUE(Reload(gridtest::Page("<Object Type=\"" + type + "\" Object_Name=\"O\" Handle=\"131\"><AttributeTable>" +
                                      attrs + "</AttributeTable></Object>\n")));
    Show(m_tree.GetRootItem());
    return dynamic_cast<CPictureComboPropertyGridProperty*>(m_grid.FindItemByData(number));
  }

  CPBPictureBox* Open(CPictureComboPropertyGridProperty* row) {
    if (!row || !m_grid.EditItem(row)) return nullptr;
    return row->GetPictureBox();
  }

  // What the list does when a user clicks an entry: the selection, then the notices.
  void Choose(CPBPictureBox* box, int nIndex) {
    box->SetCurSel(nIndex);
    for (UINT code : {CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}) {
      m_grid.SendMessage(WM_COMMAND, MAKEWPARAM(box->GetDlgCtrlID(), code), reinterpret_cast<LPARAM>(box->m_hWnd));
    }
  }

  SymbolTextPromptFn m_oldPrompt = nullptr;
  int m_oldDynamic = 0;
};

TEST_F(PictureComboTest, RowShowsThePictureAndNameItsValueStandsFor) {
  const struct {
    std::string attrs;
    DWORD_PTR number;
    int picture;
    const char* text;
  } cases[] = {
      {Attr("SEA_LINETYPE", "2"), 3001, 1, "Solid"},
      {Attr("SEA_LINETYPE", "6"), 3001, 5, "Dotted"},
      {Attr("SEA_LINETYPE", "99"), 3001, -1, ""},
      {Attr("SSA_SHAPE", "2"), 3005, 18, "Circle"},
      {Attr("SSA_SHAPE", "2") + Attr("SSA_OPTIONS", "1024"), 3005, 19, "Circle, dotted"},
      {Attr("SSA_SHAPE", "32") + Attr("SSA_STRING", "Hi"), 3005, 59, "Text 'Hi'"},
      {Attr("SSA_SHAPE", "31") + Attr("SSA_STRING", ""), 3005, 17, "Star"},
      {Attr("SSA_SHAPE", "58"), 3005, -1, ""},
      {Attr("SDA_PATTERN", "1"), 3014, 0, "(none)"},
      {Attr("SDA_PATTERN", "9"), 3014, 7, "10 %"},
      {Attr("SAA_MAJOR_DIRECTION_BOTTOM", "2"), 3036, 2, "Outward"},
      {Attr("SLA_QCMETHOD", "95"), 3006, 3, "Conf (95)"},
      {Attr("SAA_TICLABELTHRESHMIN", "-4"), 3008, 4, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.attrs);
    CPictureComboPropertyGridProperty* row = RowOf("Line", c.attrs, c.number);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->GetPicture(), c.picture);
    EXPECT_EQ(std::string(row->FormatProperty()), c.text);
  }
}

TEST_F(PictureComboTest, ChoosingAnEntrySendsTheValueOfItsAttributesRule) {
  const struct {
    std::string attrs;
    DWORD_PTR number;
    const char* entry;
    Texts sent;
    const char* stateName;  // object state the choice sets, or null
    const char* state;
  } cases[] = {
      {Attr("SEA_LINETYPE", "2"), 3001, "Dotted", {"1 SEA_LINETYPE 6"}, "GAP COLOR DISABLE", "1"},
      {Attr("SEA_LINETYPE", "6"), 3001, "Solid", {"1 SEA_LINETYPE 2"}, "GAP COLOR DISABLE", "0"},
      {Attr("SSA_SHAPE", "2"), 3005, "Square, dotted",
       {"1799 SSA_OPTIONS 1024", "1810 SSA_ORIENTATION 0", "1 SSA_SHAPE 3"}, nullptr, nullptr},
      {Attr("SDA_PATTERN", "1"), 3014, "Bricks", {"1 SDA_PATTERN 21"}, nullptr, nullptr},
      {Attr("SAA_TICLABELTHRESHMIN", "0"), 3008, "", {}, nullptr, nullptr},  // the entry already shown
      {Attr("SLA_QCMETHOD", "101"), 3006, "Constant", {"1 SLA_QCMETHOD 104"}, "CONSTANT LABEL ON", "1"},
      {Attr("SAA_MAJOR_DIRECTION_LEFT", "2"), 3032, "Both", {"1 SAA_MAJOR_DIRECTION_LEFT 3"}, nullptr, nullptr},
      {Attr("SLA_PIEEXPLODEFROM", "0"), 3017, "All slices", {"1 SLA_PIEEXPLODEFROM 2"}, "PIE EXPLODE SLICE ENABLE",
       "2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    Sent().clear();
    CPictureComboPropertyGridProperty* row = RowOf("Line", c.attrs, c.number);
    CPBPictureBox* box = Open(row);
    ASSERT_NE(box, nullptr);
    const int index = box->FindName(c.entry);
    ASSERT_GE(index, 0);
    Choose(box, index);
    if (c.sent.empty()) {
      EXPECT_TRUE(Sent().empty());
    } else {
      ASSERT_EQ(Sent().size(), 1u);
      EXPECT_EQ(SentAttributes(Sent()[0]), c.sent);
    }
    if (c.stateName) {
      EXPECT_STREQ(row->GetXmlNode()->ToElement()->Attribute(c.stateName), c.state);
    }
    m_grid.EndEditItem(TRUE);
  }
}

TEST_F(PictureComboTest, TextSymbolAsksForItsTextAndCancelSendsNothing) {
  for (const char* answer : {static_cast<const char*>(nullptr), "A"}) {
    SCOPED_TRACE(answer ? "OK" : "Cancel");
    Sent().clear();
    g_promptRuns = 0;
    g_promptAnswer = answer;
    CPictureComboPropertyGridProperty* row =
        RowOf("Symbol", Attr("SSA_SHAPE", "2") + Attr("SSA_STRING", "") + Attr("SSA_ORIENTATION", "450"), 3005);
    CPBPictureBox* box = Open(row);
    ASSERT_NE(box, nullptr);
    const int text = box->GetTextSymbolIndex();
    ASSERT_EQ(text, 59) << "after the 59 shapes";
    Choose(box, text);
    EXPECT_EQ(g_promptRuns, 0) << "the prompt waits for the list's own messages";
    Pump();
    EXPECT_EQ(g_promptRuns, 1);
    if (!answer) {
      EXPECT_TRUE(Sent().empty());
      EXPECT_EQ(std::string(row->FormatProperty()), "Circle");
      EXPECT_EQ(box->GetCurSel(), 18);
    } else {
      ASSERT_EQ(Sent().size(), 1u);
      EXPECT_EQ(SentAttributes(Sent()[0]), (Texts{"1799 SSA_OPTIONS 0", "1810 SSA_ORIENTATION 450",
                                                  "1803 SSA_STRING A", "1 SSA_SHAPE 32"}));
      EXPECT_EQ(std::string(row->FormatProperty()), "Text 'A'");
    }
    m_grid.EndEditItem(TRUE);
  }
}

TEST_F(PictureComboTest, HostStateShapesTheListAndScaleChangesTellTheFrame) {
  // A graph whose legend kind has no styles keeps only the first legend style.
  CPictureComboPropertyGridProperty* legend =
      RowOf("Graph", Attr("STA_LEGENDSTYLE", "1") + "<Attribute ID=\"1315\" Name=\"X\" AttrValue=\"5\" />", 3013);
  CPBPictureBox* box = Open(legend);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetCount(), 1);
  EXPECT_EQ(legend->GetList().nStrip, 9128u);
  m_grid.EndEditItem(TRUE);

  gridtest::FrameMessages().clear();
  CPictureComboPropertyGridProperty* scale = RowOf("Axis", Attr("SAA_TYPE", "0"), 3015);
  box = Open(scale);
  ASSERT_NE(box, nullptr);
  Choose(box, box->FindName("Probability"));
  Pump();
  bool told = false;
  for (const auto& m : gridtest::FrameMessages()) told |= m.message == 0x658 && m.wParam == 1030 && m.text == "131";
  EXPECT_TRUE(told);
  ASSERT_EQ(Sent().size(), 1u);
  EXPECT_EQ(SentAttributes(Sent()[0]), Texts{"1 SAA_TYPE 3"});
}

TEST_F(PictureComboTest, LongAndUnknownOptionListsShowWhatTheyCanAndSendNothing) {
  std::string options = "<XML><Root><standardOptions><option name=\"Wavy\"/>";
  for (int i = 0; i < 70; ++i) options += "<option name=\"Solid\"/>";
  ASSERT_TRUE(m_lib.ServeHostAnswers({{"192-default.xml", options + "</standardOptions></Root></XML>"}}));

  CPictureComboPropertyGridProperty* row = RowOf("Line", Attr("SEA_LINETYPE", "40"), 3001);
  EXPECT_EQ(std::string(row->FormatProperty()), "");
  CPBPictureBox* box = Open(row);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetCount(), 50) << "the unknown name shows, the 51st option on is left out";
  EXPECT_EQ(box->FindName("Wavy"), 0);
  EXPECT_EQ(box->GetCurSel(), -1) << "a value outside the list selects nothing";
  m_grid.EndEditItem(TRUE);
  EXPECT_TRUE(Sent().empty());
}

}  // namespace
