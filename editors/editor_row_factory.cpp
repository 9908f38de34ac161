#include "editors/editor_row_factory.h"

#include <tinyxml.h>

#include <cstdlib>

#include "editors/check_box_property.h"
#include "editors/color_combo_property.h"
#include "editors/combo_property.h"
#include "editors/edit_property.h"
#include "editors/format_combo_property.h"
#include "editors/picture_combo_property.h"
#include "editors/slider_property.h"
#include "editors/spinner_property.h"
#include "tree/row_sources.h"

namespace npb {
namespace {

using RowFactory = CPropertyGridProperty* (*)(const EditorRowArgs&);

DWORD_PTR Number(const EditorRowArgs& a) { return static_cast<DWORD_PTR>(a.nNumber); }

// The source records live only while the row is built; the rows copy what they keep.
CPropertyGridProperty* MakeColour(const EditorRowArgs& a) {
  const ColorChoice choice = ChooseColorSource({a.strThemeHandle, a.strColHandle}, a.nValue);
  return new CColorComboPropertyGridProperty(a.strLabel, choice.nColor, &choice.info, a.pObject, a.pAttr, a.strDescr,
                                             Number(a), a.strName, a.strHandle, a.strThemeHandle, a.strColHandle);
}

CPropertyGridProperty* MakePicture(const EditorRowArgs& a) {
  const PictureChoice choice = ChoosePictureSource({a.strThemeHandle, a.strColHandle}, a.nValue);
  return new CPictureComboPropertyGridProperty(a.strLabel, choice.nPicture, &choice.info, a.pObject, a.pAttr,
                                               a.strDescr, Number(a), a.nValue, a.strName, a.strHandle,
                                               a.strThemeHandle, a.strColHandle);
}

CPropertyGridProperty* MakeSlider(const EditorRowArgs& a) {
  if (IsFloatingPointSlider(a.nNumber)) {
    return new CSliderPropertyGridProperty(a.strLabel, a.nUnit, std::atof(a.strValue), a.pObject, a.pAttr, a.strDescr,
                                           Number(a), a.strName, a.strHandle);
  }
  return new CSliderPropertyGridProperty(a.strLabel, a.nUnit, a.nValue, a.pObject, a.pAttr, a.strDescr, Number(a),
                                         a.strName, a.strHandle);
}

CPropertyGridProperty* MakeCheckBox(const EditorRowArgs& a) {
  return new CCheckBoxPropertyGridProperty(a.strLabel, a.nValue, a.pObject, a.pAttr, a.strDescr, Number(a), a.strName,
                                           a.strHandle);
}

CPropertyGridProperty* MakeEdit(const EditorRowArgs& a) {
  return new CEditPropertyGridProperty(a.strLabel, a.strValue, a.pObject, a.pAttr, a.strDescr, Number(a), a.strName,
                                       a.strHandle);
}

CPropertyGridProperty* MakeOptionList(const EditorRowArgs& a) {
  return new CComboPropertyGridProperty(a.strLabel, a.strValue, a.pObject, a.pAttr, a.strDescr, Number(a), a.strName,
                                        a.strHandle);
}

CPropertyGridProperty* MakeFormatList(const EditorRowArgs& a) {
  return new CFormatComboBoxExProp(a.strLabel, a.strValue, a.pObject, a.pAttr, a.strDescr, Number(a), a.strName,
                                   a.strHandle);
}

CPropertyGridProperty* MakeSpinner(const EditorRowArgs& a) {
  return new CSpinnerPropertyGridProperty(a.strLabel, a.nUnit, a.nValue, a.pObject, a.pAttr, a.strDescr, Number(a),
                                          a.strName, a.strHandle);
}

// A name the table does not know still shows: its name, an empty text, nothing else.
CPropertyGridProperty* MakePlain(const EditorRowArgs& a) {
  return new CPropertyGridProperty(a.strName, COleVariant(""), nullptr, 0);
}

const struct {
  RowKind kind;
  RowFactory make;
  bool clearsModifiedFlag;
} kRowFactories[] = {
    {RowKind::Colour, MakeColour, true},         {RowKind::Picture, MakePicture, true},
    {RowKind::Slider, MakeSlider, true},         {RowKind::CheckBox, MakeCheckBox, true},
    {RowKind::Edit, MakeEdit, true},             {RowKind::OptionList, MakeOptionList, true},
    {RowKind::FormatList, MakeFormatList, true}, {RowKind::Spinner, MakeSpinner, true},
    {RowKind::Plain, MakePlain, false},
};

}  // namespace

CPropertyGridProperty* MakeEditorRow(RowKind kind, const EditorRowArgs& args) {
  for (const auto& entry : kRowFactories) {
    if (entry.kind == kind) return entry.make(args);
  }
  return nullptr;
}

bool ClearsModifiedFlag(RowKind kind) {
  for (const auto& entry : kRowFactories) {
    if (entry.kind == kind) return entry.clearsModifiedFlag;
  }
  return false;
}

}  // namespace npb
