// The records the host passes to the notebook object browser views, and the summary rows
// made from them. The records belong to the host and are only read during the call.
#pragma once

#include <vector>

#include "framework/afx_string.h"

struct DataCon {
  CString strName;
};

struct ExConnectionInfo {
  CString strDataSourceName;
  CString strDsn;
  CString strQuery;
  int nColStart = 0;
  int nColEnd = 0;
  int nIdentity = 0;
  int nDynamicType = 0;
  int nConnectionType = 0;
};

struct QuickTransform {
  int nCount = 0;
  int nReserved = 0;  // the host's; never read here
  CString strName;
  CString strTrigUnits;
  CString strAutoUpdate;
};

namespace npb {

// One read-only text row of a notebook view.
struct NotebookRow {
  CString strName;
  CString strValue;
  unsigned long dwData = 0;
};

std::vector<NotebookRow> DataConRows(const DataCon& dataCon);
std::vector<NotebookRow> DataSourceRows(const ExConnectionInfo& info);
std::vector<NotebookRow> QuickTransformMainRows(const QuickTransform& transform);
std::vector<NotebookRow> QuickTransformRows(const QuickTransform& transform);

}  // namespace npb
