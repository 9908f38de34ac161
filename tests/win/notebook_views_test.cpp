// The notebook object browser views fill the grid linked to the tree, as the host's own
// notebook window uses them: read-only text rows in order, one set per call.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/win/property_grid_fixture.h"
#include "tree/tree_ctrl_xml.h"

namespace {

using npb::gridtest::GridWindow;

TEST(NotebookViews, EachViewShowsOnlyItsReadOnlyRowsInOrder) {
  GridWindow window;
  CTreeCtrlXML tree;  // the host's tree object; the views need no tree window
  tree.SetPGCtrl(&window.grid);
  DataCon dataCon{"Sales link"};
  ExConnectionInfo source{"Sales", "DSN=sales", "SELECT *", -1, 12, 3, 0, 2};
  QuickTransform transform{4, 99, "Log Y", "Degrees", "Yes"};
  struct Case {
    const char* view;
    std::function<void()> show;
    const char* rows;  // name=value, each followed by ';', and the data code when not 0
    int selected;      // index of the selected row, -1 for none
  } const cases[] = {
      {"worksheet", [&] { tree.UpdateObjBrowPropGrid_ForWorksheet(); }, "Worksheet=;", 0},
      {"data source", [&] { tree.UpdateObjBrowPropGrid_ForDataSource(&source); },
       "Data Source Name=Sales;Dsn=DSN=sales;Query=SELECT *;Col Start=-1;Col End=12;Identity=3;Dynamic Type=0;"
       "Connection Type=2;",
       0},
      {"data source again", [&] { tree.UpdateObjBrowPropGrid_ForDataSource(&source); },
       "Data Source Name=Sales;Dsn=DSN=sales;Query=SELECT *;Col Start=-1;Col End=12;Identity=3;Dynamic Type=0;"
       "Connection Type=2;",
       0},
      {"data connection", [&] { tree.UpdateObjBrowPropGrid_ForDataCon(&dataCon); }, "Data Connection=Sales link;", 0},
      {"quick transform list", [&] { tree.UpdateObjBrowPropGrid_ForQuickTransformMain(&transform); },
       "No. of Quick Transforms=4 9009;", -1},
      {"quick transform", [&] { tree.UpdateObjBrowPropGrid_ForQuickTransform(&transform); },
       "Quick Transform Name=Log Y;Trig Units=Degrees;Auto Update=Yes;", -1},
      {"report", [&] { tree.UpdateObjBrowPropGrid_ForReport(); }, "Report=;", 0},
      {"macro", [&] { tree.UpdateObjBrowPropGrid_ForMacro(); }, "Macro=;", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.view);
    c.show();
    std::string rows;
    int selected = -1;
    for (int i = 0; i < window.grid.GetPropertyCount(); ++i) {
      CPropertyGridProperty* row = window.grid.GetProperty(i);
      rows += std::string(row->GetName()) + "=" + row->FormatProperty().GetString();
      if (row->GetData() != 0) rows += " " + std::to_string(row->GetData());
      rows += ";";
      EXPECT_FALSE(row->IsAllowEdit()) << i;
      EXPECT_EQ(row->GetValue().vt, VT_BSTR) << i;
      EXPECT_EQ(row->HasButton(), row->GetData() == 9009) << i;
      if (window.grid.GetCurSel() == row) selected = i;
    }
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(selected, c.selected);
  }
  tree.SetPGCtrl(nullptr);
}

}  // namespace
