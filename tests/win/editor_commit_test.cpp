#include <gtest/gtest.h>
#include <tinyxml.h>

#include <string>
#include <vector>

#include "browser/assertion.h"
#include "browser/host_library.h"
#include "browser/module_globals.h"
#include "editors/editor_property.h"
#include "tests/win/grid_filling_fixture.h"

namespace {

using gridtest::Attr;
using gridtest::FrameMessages;
using gridtest::Page;

std::vector<std::string> g_sent;
void __stdcall CaptureSent(HWND, const char* document, void*) { g_sent.push_back(document ? document : ""); }

std::vector<std::string> g_prompts;
int g_answer = IDYES;
int ScriptedPrompt(const char* text) {
  g_prompts.push_back(text ? text : "");
  return g_answer;
}

std::vector<std::string> g_reports;
int CaptureReport(const char* text, const char*, unsigned) {
  g_reports.push_back(text ? text : "");
  return IDOK;
}

int g_recorded = 0;
void CountRecord(CEditorProperty&, const Xml_ObjectData&, HTREEITEM) { ++g_recorded; }
int g_refreshes = 0;
void CountRefresh() { ++g_refreshes; }

// A plot with symbol custom settings in the host, and an axis without any.
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
    g_sent.clear();
    g_prompts.clear();
    g_reports.clear();
    g_recorded = 0;
    g_refreshes = 0;
    g_answer = IDYES;
    m_listen(CaptureSent, nullptr);
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

  // Loads the objects and shows the first one; its row of the attribute number.
  CEditorProperty* RowOf(const std::string& objects, DWORD_PTR number) {
    EXPECT_TRUE(Reload(Page(objects)));
    Show(m_tree.GetRootItem());
    return dynamic_cast<CEditorProperty*>(m_grid.FindItemByData(number));
  }

  // The row accepts a new value the way every editor does before it commits.
  BOOL Accept(CEditorProperty* row, int value, const CommitExtras* extras = nullptr) {
    const CString text = std::to_string(value).c_str();
    row->TextToVar(text);  // in the row's own value kind
    m_grid.OnPropertyChanged(row);
    return extras ? row->Commit(text, *extras) : row->Commit(text);
  }

  static std::string Text(CEditorProperty* row, const char* name) {
    const char* value = row->GetAttrNode()->ToElement()->Attribute(name);
    return value ? value : "(none)";
  }
  Xml_ObjectData& Data() { return *m_tree.GetObjectData(m_tree.GetRootItem()); }
  std::vector<std::string> Notices() const {
    std::vector<std::string> texts;
    for (const auto& m : FrameMessages()) {
      if (m.message == kMsgObjectChanged && m.wParam == 0) texts.push_back(m.text);
    }
    return texts;
  }

  CustomSettingsPromptFn m_oldPrompt = nullptr;
  npb::AssertionHooks m_oldHooks{};
  int m_oldDynamic = 0;
};

TEST_F(EditorCommitTest, CustomSettingsAreOfferedOnlyWhereTheyExistAndCancelStopsTheCommit) {
  struct Case {
    const char* what;
    DWORD_PTR number;  // row of the plot
    int answer;
    bool prompted;
    bool committed;
    int customLeft;  // symbol custom settings of the plot afterwards
    bool reported;
  } cases[] = {
      {"yes drops them", 2003, IDYES, true, true, 0, false},
      {"no keeps them", 2003, IDNO, true, true, 1, false},
      {"cancel stops", 2003, IDCANCEL, true, false, 1, false},
      {"odd answer goes on", 2003, IDOK, true, true, 1, true},
      {"no settings group", 6001, IDCANCEL, false, true, 1, false},
      {"line group, none set", 2001, IDCANCEL, false, true, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    g_prompts.clear();
    g_reports.clear();
    FrameMessages().clear();
    g_answer = c.answer;
    CEditorProperty* row = RowOf(kPlot, c.number);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(Accept(row, 255), c.committed ? TRUE : FALSE);
    EXPECT_EQ(g_prompts, c.prompted ? std::vector<std::string>{"Override custom settings?"} : std::vector<std::string>{});
    EXPECT_EQ(HostPageLibrary::Instance().HasCustomSettings(200, kSettingsGroupSymbol), c.customLeft);
    EXPECT_EQ(g_reports.size(), c.reported ? 1u : 0u);
    if (c.reported) {
      EXPECT_NE(g_reports[0].find("Unanticipated return from prompt"), std::string::npos);
    }
    if (c.committed) {
      EXPECT_EQ(Text(row, "AttrValue"), "255");
      EXPECT_EQ(Text(row, "ModifiedFlag"), "1");
      EXPECT_EQ(Data().bModified, 1);
      EXPECT_EQ(Data().bApplyPending, 1);
      EXPECT_EQ(Notices(), std::vector<std::string>{"2DScatter Plot"});
    } else {
      EXPECT_NE(Text(row, "AttrValue"), "255");
      EXPECT_EQ(Text(row, "ModifiedFlag"), "");
      EXPECT_EQ(Data().bModified, 0);
      EXPECT_EQ(Data().bApplyPending, 0);
      EXPECT_TRUE(Notices().empty());
    }
  }
}

TEST_F(EditorCommitTest, FrameIsToldTheTypeOrGroupOfTheChangedObject) {
  struct Case {
    const char* object;
    std::vector<std::string> notices;
  } cases[] = {
      {"Type=\"Axis\" Handle=\"7\"", {"Axis"}},
      {"Group=\"Symbols\" Handle=\"7\"", {"Symbols"}},
      {"Type=\"Axis\" Group=\"Symbols\" Handle=\"7\"", {}},
      {"List=\"Lines\"", {}},
      {"Object_Name=\"Loose\" Handle=\"7\"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.object);
    FrameMessages().clear();
    CEditorProperty* row =
        RowOf("<Object " + std::string(c.object) + "><AttributeTable>" + Attr("SGA_NAME", "a") + "</AttributeTable></Object>",
              6001);
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
  EXPECT_FALSE(row->Commit("zzz"));
  EXPECT_EQ(Text(row, "AttrValue"), "a");
  EXPECT_EQ(Text(row, "ModifiedFlag"), "");
  EXPECT_EQ(Data().bModified, 0);
  EXPECT_TRUE(Notices().empty());
  EXPECT_TRUE(g_sent.empty());
}

TEST_F(EditorCommitTest, WithoutDynamicUpdateChangesStayMarkedAndNothingIsSent) {
  ASSERT_TRUE(Reload(Page(kAxis)));
  Show(m_tree.GetRootItem());
  const DWORD_PTR numbers[] = {6001, 4001, 5061};
  int value = 40;
  for (DWORD_PTR number : numbers) {
    auto* row = dynamic_cast<CEditorProperty*>(m_grid.FindItemByData(number));
    ASSERT_NE(row, nullptr) << number;
    EXPECT_TRUE(Accept(row, ++value));
  }
  for (DWORD_PTR number : numbers) {
    EXPECT_EQ(Text(dynamic_cast<CEditorProperty*>(m_grid.FindItemByData(number)), "ModifiedFlag"), "1") << number;
  }
  EXPECT_TRUE(g_sent.empty());
  // Apply would now send all of them.
  std::vector<char> buffer;
  ASSERT_TRUE(BuildChangeDocument(&m_tree, m_grid.GetXmlArrayCount(), buffer));
  EXPECT_NE(std::string(buffer.data()).find("AttrValue=\"41\""), std::string::npos);
  EXPECT_NE(std::string(buffer.data()).find("AttrValue=\"43\""), std::string::npos);
}

TEST_F(EditorCommitTest, DynamicUpdateSendsOneDocumentPerChangeAndClearsTheMark) {
  g_bDynamicUpdate = 1;
  ASSERT_TRUE(Reload(Page(kAxis + kPlot)));
  Show(m_tree.GetRootItem());
  auto* name = dynamic_cast<CEditorProperty*>(m_grid.FindItemByData(6001));
  auto* thickness = dynamic_cast<CEditorProperty*>(m_grid.FindItemByData(4001));
  ASSERT_TRUE(name && thickness);

  EXPECT_TRUE(Accept(name, 11));
  ASSERT_EQ(g_sent.size(), 1u);
  EXPECT_EQ(Text(name, "ModifiedFlag"), "");
  EXPECT_TRUE(Accept(thickness, 22));
  ASSERT_EQ(g_sent.size(), 2u);

  // Each document holds the attributes still marked when it was built: the second one no
  // longer carries the first change.
  for (size_t i = 0; i < g_sent.size(); ++i) {
    TiXmlDocument doc;
    doc.Parse(g_sent[i].c_str());
    ASSERT_FALSE(doc.Error()) << g_sent[i];
    const TiXmlElement* axis = doc.FirstChildElement("XML")->FirstChildElement("ObjectList")->FirstChildElement("Object");
    ASSERT_NE(axis, nullptr);
    EXPECT_STREQ(axis->Attribute("Handle"), "7");
    std::vector<std::string> values;
    for (const TiXmlElement* a = axis->FirstChildElement("AttributeTable")->FirstChildElement("Attribute"); a;
         a = a->NextSiblingElement("Attribute")) {
      values.push_back(std::string(a->Attribute("Name")) + "=" + a->Attribute("AttrValue"));
    }
    EXPECT_EQ(values, i == 0 ? std::vector<std::string>{"SGA_NAME=11"} : std::vector<std::string>{"SEA_THICKNESS=22"});
    // Only the changed object carries attributes.
    EXPECT_EQ(g_sent[i].find("AttributeTable", g_sent[i].find("Plot 1")), std::string::npos);
  }
}

TEST_F(EditorCommitTest, DocumentTooLargeForItsBufferIsNotSentAndKeepsTheMark) {
  g_bDynamicUpdate = 1;
  std::string many;
  const std::string filler(40, 'x');
  for (int i = 0; i < 1000; ++i) many += Attr("ZZ_" + std::to_string(i), filler, "ModifiedFlag=\"1\"");
  CEditorProperty* row =
      RowOf("<Object Type=\"Axis\" Handle=\"7\"><AttributeTable>" + Attr("SGA_NAME", "a") + many + "</AttributeTable></Object>",
            6001);
  ASSERT_NE(row, nullptr);
  m_grid.SetXmlArrayCount(0);  // one 64 KiB buffer; the document needs about twice that
  EXPECT_TRUE(Accept(row, 1));
  EXPECT_TRUE(g_sent.empty());
  EXPECT_EQ(Text(row, "AttrValue"), "1");
  EXPECT_EQ(Text(row, "ModifiedFlag"), "1");

  m_grid.SetXmlArrayCount(2);
  EXPECT_TRUE(Accept(row, 2));
  ASSERT_EQ(g_sent.size(), 1u);
  EXPECT_GT(g_sent[0].size(), 65536u);
  EXPECT_NE(g_sent[0].find("AttrValue=\"2\""), std::string::npos);
  EXPECT_EQ(Text(row, "ModifiedFlag"), "");
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
  for (const char* typed : {"42", "10", "7px"}) {
    SCOPED_TRACE(typed);
    ASSERT_TRUE(m_grid.EditItem(row));
    ASSERT_NE(row->GetInPlaceWnd(), nullptr);
    ::SetWindowTextA(row->GetInPlaceWnd()->GetSafeHwnd(), typed);
    EXPECT_TRUE(row->OnUpdateValue());
    m_grid.EndEditItem(FALSE);
    EXPECT_EQ(Text(row, "AttrValue"), std::to_string(std::atoi(typed)));
    EXPECT_EQ(Text(row, "ModifiedFlag"), "1");
  }
}

}  // namespace
