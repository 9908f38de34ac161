// CColorComboPropertyGridProperty: the row of a colour attribute (numbers 2000-2014). Its
// value is chosen from a CPBColorBox of plain colours, the host's colour schemes and the
// object's worksheet columns; the attribute's "ThemeHandle" and "ColHandle" say which kind
// of entry the value is.
#pragma once

#include "editors/choice_box_property.h"
#include "editors/color_box.h"
#include "editors/color_entries.h"
#include "editors/source_info.h"

class CColorComboPropertyGridProperty : public CChoiceBoxProperty {
public:
  // pSource is read here and may go away afterwards. nColor is the attribute's colour, or
  // the theme or column number the source record names.
  CColorComboPropertyGridProperty(const CString& strLabel, int nColor, const ColorSourceInfo* pSource,
                                  TiXmlNode* pObjectNode, TiXmlNode* pAttrNode, LPCTSTR lpszDescr,
                                  DWORD_PTR dwAttrNumber, const CString& strAttrName, const CString& strHandle,
                                  const CString& strThemeHandle, const CString& strColHandle);
  ~CColorComboPropertyGridProperty() override;

  static const CRuntimeClass classCColorComboPropertyGridProperty;
  const CRuntimeClass* GetRuntimeClass() const override;

  void OnDrawValue(CDC* pDC, CRect rect) override;
  // Reads the list's selection into the row: colour, text, value and source handles.
  BOOL OnUpdateValue() override;
  BOOL OnEdit(LPPOINT lptClick) override;

  const ColorSourceInfo& GetSourceInfo() const { return m_source; }
  const CString& GetThemeHandle() const { return m_strThemeHandle; }
  const CString& GetColHandle() const { return m_strColHandle; }
  COLORREF GetColor() const { return m_colors[0]; }
  DWORD GetEntryKind() const { return m_dwKind; }
  CPBColorBox* GetColorBox() const { return static_cast<CPBColorBox*>(m_pBox); }

protected:
  CPBModalChoiceBox* NewBox() const override { return new CPBColorBox; }
  void CommitChoice() override;

private:
  // Shows what the attribute holds: a scheme's or column's name and colours, else the
  // plain colour under the host's name for it.
  void InitFromSource(std::int32_t nColor);
  bool InitFromTable(const std::vector<npb::ColorEntry>& entries, std::int32_t nValue);
  void InitPlain(COLORREF color);
  void WriteObjectState(const char* pszName, int nValue);
  // Writes the current colour into the object state attribute of the row's name, for the
  // attributes other editors read it from.
  void WriteColorState();
  void UpdateEnabledState();
  bool IsSchemeOrColumn() const;

  ColorSourceInfo m_source;
  DWORD m_dwKind = npb::kColorEntryPlain;
  COLORREF m_colors[4] = {};
  CString m_strThemeHandle;
  CString m_strColHandle;
  int m_nThemeHandle = 0;
  int m_nColHandle = 0;
  COLORREF m_crAtOpen = 0;
  int m_nSwatchWidth = 0;
  // The enabled state of a second fill colour follows the fill pattern; it is read on the
  // first paint and after every choice.
  bool m_bEnabledStateKnown = false;
};
