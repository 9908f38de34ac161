#include <gtest/gtest.h>
#include <tinyxml.h>

#include <climits>
#include <string>
#include <vector>

#include "module/assertion.h"
#include "module/host_library.h"
#include "module/module_globals.h"
#include "editors/editor_property.h"
#include "tests/win/grid_filling_fixture.h"

namespace {

using gridtest::Attr;
using gridtest::Page;
using Texts = std::vector<std::string>;

Texts g_prompts, g_reports;
int g_answer = IDYES;
int g_recorded = 0, g_refreshes = 0;

int ScriptedPrompt(const char* text) {
  g_prompts.push_back(text);
  return g_answer;
}
int CaptureReport(const char* text, const char*, unsigned) {
  g_reports.push_back(text);
  return IDOK;
}
void CountRecord(CEditorProperty&, const Xml_ObjectData&, HTREEITEM) { ++g_recorded; }
void CountRefresh() { ++g_refreshes; }

// A plot whose host object has symbol custom settings, and an axis without any.
const std::string kPlot = "<Object Type=\"2DScatter Plot\" Object_Name=\"Plot 1\" Handle=\"200\"><AttributeTable>" +
                          Attr("SSA_COLOR", "0") + Attr("SGA_NAME", "a") + Attr("SEA_COLOR", "0") +
                          "</AttributeTable></Object>\n";
const std::string kAxis = "<Object Type=\"Axis\" Object_Name=\"X Axis\" Handle=\"7\"><AttributeTable>" +
                          Attr("SGA_NAME", "a") + Attr("SEA_THICKNESS", "10") + Attr("SGA_SHOWNAME", "0") +
                          "</AttributeTable></Object>\n";

class EditorCommitTest : public gridtest::GridWithTree {
protected:
  void SetUp() override {
    GridWithTree::SetUp();
    for (Texts* texts : {&g_prompts, &g_reports}) texts->clear();
    g_recorded = g_refreshes = 0;
    m_oldPrompt = SetCustomSettingsPrompt(ScriptedPrompt);
    m_oldHooks = npb::SetAssertionHooks({CaptureReport, [](const char*) {}, [](const char*) {}, [] {}});
    m_oldDynamic = g_bDynamicUpdate;
    g_bDynamicUpdate = 0;
  }
  void TearDown() override {
    g_bDynamicUpdate = m_oldDynamic;
    CPropertyGridCtrl::SetRefreshedRecorderPropGrid(nullptr);
    CPropertyGridCtrl::SetGirdCallback(nullptr);
    npb::SetAssertionHooks(m_oldHooks);
    SetCustomSettingsPrompt(m_oldPrompt);
    GridWithTree::TearDown();
  }

  // Shows the first of the objects; the row of the attribute number.
  CEditorProperty* RowOf(const std::string& objects, DWORD_PTR number) {
    EXPECT_TRUE(Reload(Page(objects)));
    Show(m_tree.GetRootItem());
    return Row(number);
  }
  CEditorProperty* Row(DWORD_PTR number) { return dynamic_cast<CEditorProperty*>(m_grid.FindItemByData(number)); }

  // Takes a new value as every editor does before its commit.
  BOOL Accept(CEditorProperty* row, int value, const CommitExtras* extras = nullptr) {
    const CString text = std::to_string(value).c_str();
    row->TextToVar(text);
    m_grid.OnPropertyChanged(row);
    return (extras ? row->Commit(text, *extras) : row->Commit(text)) == CommitResult::kDone;
  }

  static std::string Text(CEditorProperty* row, const char* name) {
    const char* value = row->GetAttrNode()->ToElement()->Attribute(name);
    return value ? value : "(none)";
  }
  Xml_ObjectData& Data() { return *m_tree.GetObjectData(m_tree.GetRootItem()); }
  static Texts Notices() {
    Texts texts;
    for (const auto& m : gridtest::FrameMessages()) {
      if (m.message == kMsgObjectChanged && m.wParam == 0) texts.push_back(m.text);
    }
    return texts;
  }

  CustomSettingsPromptFn m_oldPrompt = nullptr;
  npb::AssertionHooks m_oldHooks{};
  int m_oldDynamic = 0;
};

TEST_F(EditorCommitTest, CustomSettingsAreOfferedOnlyWhereTheyExistAndCancelStopsTheCommit) {
  const struct {
    const char* what;
    DWORD_PTR number;
    int answer;
    bool prompted, committed, reported;
    int customLeft;  // symbol custom settings of the plot afterwards
  } cases[] = {
      {"yes drops them", 2003, IDYES, true, true, false, 0},
      {"no keeps them", 2003, IDNO, true, true, false, 1},
      {"cancel stops", 2003, IDCANCEL, true, false, false, 1},
      {"odd answer is reported and goes on", 2003, IDOK, true, true, true, 1},
      {"no settings group", 6001, IDCANCEL, false, true, false, 1},
      {"line group, none set", 2001, IDCANCEL, false, true, false, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (Texts* texts : {&g_prompts, &g_reports}) texts->clear();
    gridtest::FrameMessages().clear();
    g_answer = c.answer;
    CEditorProperty* row = RowOf(kPlot, c.number);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(Accept(row, 255), c.committed ? TRUE : FALSE);
    EXPECT_EQ(g_prompts, c.prompted ? Texts{"Override custom settings?"} : Texts{});
    EXPECT_EQ(HostPageLibrary::Instance().HasCustomSettings(200, kSettingsGroupSymbol), c.customLeft);
    EXPECT_EQ(g_reports.size() == 1 && g_reports[0].find("Unanticipated return from prompt") != std::string::npos,
              c.reported);
    EXPECT_EQ(Text(row, "AttrValue"), c.committed ? "255" : "0");
    EXPECT_EQ(Text(row, "ModifiedFlag"), c.committed ? "1" : "");
    EXPECT_EQ(Data().bModified, c.committed ? 1 : 0);
    EXPECT_EQ(Data().bApplyPending, c.committed ? 1 : 0);
    EXPECT_EQ(Notices(), c.committed ? Texts{"2DScatter Plot"} : Texts{});
  }
}

TEST_F(EditorCommitTest, FrameIsToldTheTypeOrGroupOfTheChangedObject) {
  const struct {
    const char* object;
    Texts notices;
  } cases[] = {
      {"Type=\"Axis\" Handle=\"7\"", {"Axis"}},
      {"Group=\"Symbols\" Handle=\"7\"", {"Symbols"}},
      {"Type=\"Axis\" Group=\"Symbols\" Handle=\"7\"", {}},
      {"List=\"Lines\"", {}},
      {"Object_Name=\"Loose\" Handle=\"7\"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.object);
    gridtest::FrameMessages().clear();
    const std::string object = "<Object " + std::string(c.object) + "><AttributeTable>" + Attr("SGA_NAME", "a");
    CEditorProperty* row = RowOf(object + "</AttributeTable></Object>", 6001);
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(Accept(row, 5));
    EXPECT_EQ(Notices(), c.notices);
    EXPECT_EQ(Text(row, "AttrValue"), "5");
  }
}

TEST_F(EditorCommitTest, UnchangedRowCommitsNothing) {
  g_bDynamicUpdate = 1;
  CEditorProperty* row = RowOf(kAxis, 6001);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->Commit("zzz"), CommitResult::kStopped);
  EXPECT_EQ(Text(row, "AttrValue"), "a");
  EXPECT_EQ(Text(row, "ModifiedFlag"), "");
  EXPECT_EQ(Data().bModified, 0);
  EXPECT_TRUE(Notices().empty());
  EXPECT_TRUE(Sent().empty());
}

TEST_F(EditorCommitTest, DynamicUpdateSendsOneDocumentPerChangeElseChangesStayMarkedAndNothingIsSent) {
  ASSERT_NE(RowOf(kAxis + kPlot, 6001), nullptr);
  const DWORD_PTR numbers[] = {6001, 4001, 5061};
  for (DWORD_PTR number : numbers) EXPECT_TRUE(Accept(Row(number), static_cast<int>(number)));
  for (DWORD_PTR number : numbers) EXPECT_EQ(Text(Row(number), "ModifiedFlag"), "1") << number;
  EXPECT_TRUE(Sent().empty());

  g_bDynamicUpdate = 1;
  ASSERT_NE(RowOf(kAxis + kPlot, 6001), nullptr);
  EXPECT_TRUE(Accept(Row(6001), 11));
  EXPECT_EQ(Text(Row(6001), "ModifiedFlag"), "");
  EXPECT_TRUE(Accept(Row(4001), 22));
  ASSERT_EQ(Sent().size(), 2u);
  const Texts expected[] = {{"SGA_NAME=11"}, {"SEA_THICKNESS=22"}};
  for (size_t i = 0; i < Sent().size(); ++i) {
    TiXmlDocument doc;
    doc.Parse(Sent()[i].c_str());
    const TiXmlHandle list = TiXmlHandle(&doc).FirstChildElement("XML").FirstChildElement("ObjectList");
    Texts values;
    for (const TiXmlElement* a = list.FirstChildElement("Object").FirstChildElement("AttributeTable")
                                     .FirstChildElement("Attribute").ToElement();
         a; a = a->NextSiblingElement("Attribute")) {
      values.push_back(std::string(a->Attribute("Name")) + "=" + a->Attribute("AttrValue"));
    }
    EXPECT_EQ(values, expected[i]) << Sent()[i];
    EXPECT_EQ(list.ChildElement("Object", 1).FirstChildElement("AttributeTable").ToElement(), nullptr);
  }
}

TEST_F(EditorCommitTest, DocumentTooLargeForItsBufferIsNotSentAndKeepsTheMark) {
  g_bDynamicUpdate = 1;
  std::string object = "<Object Type=\"Axis\" Handle=\"7\"><AttributeTable>" + Attr("SGA_NAME", "a");
  for (int i = 0; i < 1000; ++i) object += Attr("ZZ_" + std::to_string(i), std::string(40, 'x'), "ModifiedFlag=\"1\"");
  CEditorProperty* row = RowOf(object + "</AttributeTable></Object>", 6001);
  ASSERT_NE(row, nullptr);
  m_grid.SetXmlArrayCount(0);  // one 64 KiB buffer; the document needs about twice that
  EXPECT_TRUE(Accept(row, 1));
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(Text(row, "AttrValue"), "1");
  EXPECT_EQ(Text(row, "ModifiedFlag"), "1");

  m_grid.SetXmlArrayCount(2);
  EXPECT_TRUE(Accept(row, 2));
  ASSERT_EQ(Sent().size(), 1u);
  EXPECT_NE(Sent()[0].find("AttrValue=\"2\""), std::string::npos);
  EXPECT_EQ(Text(row, "ModifiedFlag"), "");
}

TEST_F(EditorCommitTest, NoMemoryForTheDocumentRefusesTheValueAndKeepsTheChangeForTheNextSend) {
  g_bDynamicUpdate = 1;
  CEditorProperty* row = RowOf(kAxis, 4001);
  ASSERT_NE(row, nullptr);
  // About 1.9 GiB in a 32-bit process, more than a vector may hold, and a size that overflows.
  const int counts[] = {30000, 40000, INT_MAX};
  std::string typed;
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(counts[i]);
    m_grid.SetXmlArrayCount(counts[i]);
    typed = std::to_string(31 + i);
    ASSERT_TRUE(m_grid.EditItem(row));
    ::SetWindowTextA(row->GetInPlaceWnd()->GetSafeHwnd(), typed.c_str());
    EXPECT_FALSE(row->OnUpdateValue());
    m_grid.EndEditItem(FALSE);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(Text(row, "AttrValue"), typed);
    EXPECT_EQ(Text(row, "ModifiedFlag"), "1");
  }
  m_grid.SetXmlArrayCount(2);
  EXPECT_TRUE(Accept(Row(6001), 9));
  ASSERT_EQ(Sent().size(), 1u);
  EXPECT_NE(Sent()[0].find("AttrValue=\"" + typed + "\""), std::string::npos) << "the kept change goes too";
}

TEST_F(EditorCommitTest, RecorderIsCalledAfterTheSendOnlyWhileOneIsSet) {
  int fakeRecorder = 0;
  CPropertyGridCtrl::SetGirdCallback(CountRefresh);
  CommitExtras extras;
  extras.pfnRecord = CountRecord;
  const struct {
    int dynamic;
    bool recorder;
    int recorded;
  } cases[] = {{1, true, 1}, {1, false, 0}, {0, true, 0}};
  for (const auto& c : cases) {
    g_recorded = 0;
    g_bDynamicUpdate = c.dynamic;
    CPropertyGridCtrl::SetRefreshedRecorderPropGrid(c.recorder ? reinterpret_cast<CRecorder*>(&fakeRecorder) : nullptr);
    CEditorProperty* row = RowOf(kAxis, 6001);
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(Accept(row, 3, &extras));
    EXPECT_EQ(g_recorded, c.recorded) << c.dynamic << c.recorder;
  }
  EXPECT_EQ(g_refreshes, 2) << "the host refreshes its recorder before each dynamic commit";
}

TEST_F(EditorCommitTest, TypedTextIsReadIntoTheValueAndCommitted) {
  CEditorProperty* row = RowOf(kAxis, 4001);
  ASSERT_NE(row, nullptr);
  // Back to the loaded value as well: the committed value is the row's new baseline.
  for (const char* typed : {"42", "10", "7px"}) {
    SCOPED_TRACE(typed);
    ASSERT_TRUE(m_grid.EditItem(row));
    ::SetWindowTextA(row->GetInPlaceWnd()->GetSafeHwnd(), typed);
    EXPECT_TRUE(row->OnUpdateValue());
    m_grid.EndEditItem(FALSE);
    EXPECT_EQ(Text(row, "AttrValue"), std::to_string(std::atoi(typed)));
    EXPECT_EQ(Text(row, "ModifiedFlag"), "1");
  }
}

}  // namespace
