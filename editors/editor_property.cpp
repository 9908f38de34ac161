#include "editors/editor_property.h"

#include <tinyxml.h>

#include <cstring>
#include <string>
#include <vector>

#include "module/assertion.h"
#include "module/host_library.h"
#include "module/module_globals.h"
#include "framework/wnd.h"
#include "grid/property_grid_ctrl.h"
#include "tree/change_document.h"
#include "tree/object_data.h"
#include "tree/row_sources.h"
// A commit marks the selected item and saves the change document through the tree.
#include "tree/tree_ctrl_xml.h"

namespace {

// Attributes whose commit may override custom settings of the object, by group.
const struct {
  const char* name;
  int group;
} kSettingsGroups[] = {
    {"SEA_COLOR", kSettingsGroupLine},
    {"SEA_GAP_COLOR", kSettingsGroupLine},
    {"SEA_LINETYPE", kSettingsGroupLine},
    {"SEA_THICKNESS", kSettingsGroupLine},
    {"SEA_ALPHAFORCOLOR", kSettingsGroupLine},
    {"SSA_COLOR", kSettingsGroupSymbol},
    {"SSA_EDGECOLOR", kSettingsGroupSymbol},
    {"SSA_SHAPE", kSettingsGroupSymbol},
    {"SSA_SIZE", kSettingsGroupSymbol},
    {"SSA_EDGETHICKNESS", kSettingsGroupSymbol},
    {"SSA_ALPHAFORCOLOR", kSettingsGroupSymbol},
    {"SDA_COLOR", kSettingsGroupFill},
    {"SDA_EDGECOLOR", kSettingsGroupFill},
    {"SDA_COLOREX", kSettingsGroupFill},
    {"SDA_PATTERN", kSettingsGroupFill},
    {"SDA_EDGETHICKNESS", kSettingsGroupFill},
    {"SDA_ALPHAFORCOLOR", kSettingsGroupFill},
    {"SDA_ALPHAFORCOLOREX", kSettingsGroupFill},
    {"SDA_COLORGRADIENTANGLE", kSettingsGroupFill},
};

// The prompt's text in the module's string table.
constexpr UINT kIdsOverrideCustomSettings = 9139;

// The framework titles its message boxes with the module's name.
std::string ModuleCaption() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(g_hResourceInstance, path, MAX_PATH);
  std::string name = path;
  name.erase(0, name.find_last_of("\\/") + 1);
  return name.substr(0, name.rfind('.'));
}

int DefaultPrompt(const char* pszText) {
  return ::MessageBoxA(::GetActiveWindow(), pszText, ModuleCaption().c_str(), MB_YESNOCANCEL | MB_ICONQUESTION);
}

CustomSettingsPromptFn g_pfnPrompt = DefaultPrompt;

CString PromptText() {
  CString strText;
  strText.LoadString(kIdsOverrideCustomSettings);
  return strText;
}

// The type text, or else the group text, of the changed object: the host frame is told
// about changes to objects that have exactly one of them.
const CString* ObjectNoticeText(const Xml_ObjectData& data) {
  if (!data.strType.IsEmpty() && data.strGroup.IsEmpty()) return &data.strType;
  if (data.strType.IsEmpty() && !data.strGroup.IsEmpty()) return &data.strGroup;
  return nullptr;
}

}  // namespace

int SettingsGroupOf(const char* pszAttrName) {
  if (!pszAttrName) return kSettingsGroupNone;
  for (const auto& entry : kSettingsGroups) {
    if (std::strcmp(entry.name, pszAttrName) == 0) return entry.group;
  }
  return kSettingsGroupNone;
}

CustomSettingsPromptFn SetCustomSettingsPrompt(CustomSettingsPromptFn pfnPrompt) {
  CustomSettingsPromptFn pfnOld = g_pfnPrompt;
  g_pfnPrompt = pfnPrompt ? pfnPrompt : DefaultPrompt;
  return pfnOld;
}

BOOL GuardCustomSettings(const char* pszHandle, int nGroup) {
  const HostPageLibrary& library = HostPageLibrary::Instance();
  const int nObject = npb::ReadAttrInt(pszHandle);
  const short nKind = static_cast<short>(nGroup);
  if (library.HasCustomSettings(nObject, nKind) == 0) return TRUE;
  switch (g_pfnPrompt(PromptText())) {
    case IDCANCEL:
      return FALSE;
    case IDYES:
      library.ClearCustomSettings(nObject, nKind);
      return TRUE;
    case IDNO:
      return TRUE;
    default:
      npb::ReportAssertion("Unanticipated return from prompt", "propertygridctrl", __LINE__);
      return TRUE;
  }
}

CEditorProperty::CEditorProperty(const CString& strLabel, const COleVariant& varValue, TiXmlNode* pObjectNode,
                                 TiXmlNode* pAttrNode, LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber,
                                 const CString& strAttrName, const CString& strHandle)
    : CPropertyGridProperty(strLabel, varValue, pObjectNode, lpszDescr, dwAttrNumber, nullptr, nullptr, nullptr),
      m_pAttrNode(pAttrNode),
      m_strHandle(strHandle),
      m_strAttrName(strAttrName) {
  // The grid routes the notifications of editor controls by attribute number ranges.
  m_nInPlaceCtrlId = static_cast<UINT>(dwAttrNumber);
}

BOOL CEditorProperty::OnUpdateValue() {
  if (!GetInPlaceWnd() || !GetInPlaceWnd()->m_hWnd) return CPropertyGridProperty::OnUpdateValue();
  const BOOL bChanged = GetInPlaceText() != FormatProperty();
  if (!CPropertyGridProperty::OnUpdateValue()) return FALSE;
  if (!bChanged) return TRUE;
  // The committed value is the new baseline; the modified mark set by the grid stays.
  SetOriginalValue(m_varValue);
  return Commit(FormatProperty()) != CommitResult::kNotAccepted;
}

CommitResult CEditorProperty::Commit(const CString& strAttrValue) {
  CommitExtras extras;
  extras.nSettingsGroup = SettingsGroupOf(m_strAttrName);
  return Commit(strAttrValue, extras);
}

CommitResult CEditorProperty::Commit(const CString& strAttrValue, const CommitExtras& extras) {
  CPropertyGridCtrl* pGrid = GetOwnerList();
  CTreeCtrlXML* pTree = pGrid ? pGrid->GetTreeCtrl() : nullptr;
  const HTREEITEM hItem = pTree && pTree->m_hWnd ? pTree->GetSelectedItem() : nullptr;
  Xml_ObjectData* pData = hItem ? pTree->GetObjectData(hItem) : nullptr;
  if (!m_bIsModified) return CommitResult::kStopped;

  if (extras.nSettingsGroup != kSettingsGroupNone && !GuardCustomSettings(m_strHandle, extras.nSettingsGroup)) {
    return CommitResult::kStopped;
  }

  if (CWnd* pFrame = m_pWndList ? m_pWndList->GetParentFrameWnd() : nullptr) {
    if (const CString* pText = pData ? ObjectNoticeText(*pData) : nullptr) {
      pFrame->SendMessage(kMsgObjectChanged, 0, reinterpret_cast<LPARAM>(pText->GetString()));
    }
  }

  TiXmlElement* pAttr = m_pAttrNode ? m_pAttrNode->ToElement() : nullptr;
  if (pAttr) {
    pAttr->SetAttribute("AttrValue", strAttrValue.GetString());
    if (extras.bWriteHandles) {
      pAttr->SetAttribute("ThemeHandle", extras.nThemeHandle);
      pAttr->SetAttribute("ColHandle", extras.nColHandle);
    }
  }

  if (pData) {
    pData->bModified = 1;
    pData->bApplyPending = 1;
  }
  if (pAttr) {
    pAttr->SetAttribute("ModifiedFlag", "1");
    if (pTree) pTree->NoteUnsentChange(pAttr);
  }
  if (pData) pTree->SetItemData(hItem, reinterpret_cast<DWORD_PTR>(pData));

  if (!g_bDynamicUpdate || !pGrid || !pTree) return CommitResult::kDone;
  std::vector<char> buffer;
  if (!npb::AllocateChangeBuffer(pGrid->GetXmlArrayCount(), buffer)) return CommitResult::kNotAccepted;
  if (pTree->SaveXMLToString(buffer.data(), buffer.size())) {
    // The document carries the change now; a later save must not send it again.
    if (pAttr) pAttr->SetAttribute("ModifiedFlag", "");
    HostPageLibrary::Instance().SendPageDescription(pGrid->GetWndHandle(), buffer.data());
    pTree->NoteChangesSent();
    std::vector<char>().swap(buffer);
  }
  if (!extras.pfnRecord || !pData) return CommitResult::kDone;
  // The host brings the recorder pointer up to date; null means recording is off.
  CPropertyGridCtrl::RefreshRecorderObject();
  if (CPropertyGridCtrl::GetRecorderPB()) extras.pfnRecord(*this, *pData, hItem);
  return CommitResult::kDone;
}
