// CPictureComboPropertyGridProperty: the row of a picture attribute (line types, symbols,
// fill patterns and the other picture lists, numbers 3000-3071). It shows the value's
// picture and name, tinted with the object's colours, and drops a CPBPictureBox; a choice
// is sent as the value the attribute's rule gives, with the source handles of a scheme or
// column and, for symbols, the options, orientation and text beside the shape.
#pragma once

#include <string>
#include <vector>

#include "editors/choice_box_property.h"
#include "editors/picture_box.h"
#include "editors/picture_lists.h"
#include "editors/source_info.h"

class CPictureComboPropertyGridProperty : public CChoiceBoxProperty {
public:
  // nPicture is the shown entry (the value or the source index); nValue the attribute's
  // own integer value. pSource is read here and may go away afterwards.
  CPictureComboPropertyGridProperty(const CString& strLabel, int nPicture, const PictureSourceInfo* pSource,
                                    TiXmlNode* pObjectNode, TiXmlNode* pAttrNode, LPCTSTR lpszDescr,
                                    DWORD_PTR dwAttrNumber, int nValue, const CString& strAttrName,
                                    const CString& strHandle, const CString& strThemeHandle,
                                    const CString& strColHandle);
  ~CPictureComboPropertyGridProperty() override;

  static const CRuntimeClass classCPictureComboPropertyGridProperty;
  const CRuntimeClass* GetRuntimeClass() const override;

  void OnDrawValue(CDC* pDC, CRect rect) override;
  // Reads the list's selection into the row: the value to send, the text and the picture.
  BOOL OnUpdateValue() override;
  BOOL OnEdit(LPPOINT lptClick) override;

  const PictureSourceInfo& GetSourceInfo() const { return m_source; }
  int GetAttrIntValue() const { return m_nValue; }
  const CString& GetThemeHandle() const { return m_strThemeHandle; }
  const CString& GetColHandle() const { return m_strColHandle; }
  // The picture the row shows (-1: none), the list it comes from, and the value a commit
  // writes as "AttrValue".
  int GetPicture() const { return m_nPicture; }
  const npb::PictureList& GetList() const { return m_list; }
  int GetWrittenValue() const { return m_nWritten; }
  CPBPictureBox* GetPictureBox() const { return static_cast<CPBPictureBox*>(m_pBox); }

protected:
  CPBModalChoiceBox* NewBox() const override { return new CPBPictureBox; }
  void CommitChoice() override;

private:
  void ReadContext();
  void InitFromValue();
  bool InitFromSource();
  std::vector<std::string> HostOptions() const;
  PictureTintColors TintColors() const;
  // The object state and attributes a choice changes besides the value itself.
  void WriteChoiceState(int nIndex);
  void WriteSymbolAttributes();
  void NotifyFrame();
  int ObjectState(const char* pszName) const;
  void SetObjectState(const char* pszName, int nValue);
  bool IsDropOrAxisLine() const;

  PictureSourceInfo m_source;
  int m_nValue;
  CString m_strThemeHandle;
  CString m_strColHandle;
  int m_nThemeHandle = 0;
  int m_nColHandle = 0;
  bool m_bHasList = false;
  npb::PictureList m_list;
  npb::PictureListContext m_context;
  bool m_bSummaryUnavailable = false;
  int m_nPicture = -1;
  DWORD m_dwKind = 0;  // scheme or column bits of the shown entry
  int m_nWritten = 0;
  // The text symbol: its text, and the options and orientation a symbol is sent with.
  CString m_strSymbolText;
  int m_nSymbolOptions = 0;
  int m_nSymbolOrientation = 0;
};
