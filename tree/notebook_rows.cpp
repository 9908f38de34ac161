#include "tree/notebook_records.h"

#include <string>

namespace npb {

namespace {

// The list node's row has a button that tells the host's frame.
constexpr unsigned long kDataButtonRow = 9009;

CString Decimal(int n) { return CString(std::to_string(n)); }

}  // namespace

std::vector<NotebookRow> DataConRows(const DataCon& dataCon) { return {{"Data Connection", dataCon.strName}}; }

std::vector<NotebookRow> DataSourceRows(const ExConnectionInfo& info) {
  return {
      {"Data Source Name", info.strDataSourceName},
      {"Dsn", info.strDsn},
      {"Query", info.strQuery},
      {"Col Start", Decimal(info.nColStart)},
      {"Col End", Decimal(info.nColEnd)},
      {"Identity", Decimal(info.nIdentity)},
      {"Dynamic Type", Decimal(info.nDynamicType)},
      {"Connection Type", Decimal(info.nConnectionType)},
  };
}

std::vector<NotebookRow> QuickTransformMainRows(const QuickTransform& transform) {
  return {{"No. of Quick Transforms", Decimal(transform.nCount), kDataButtonRow}};
}

std::vector<NotebookRow> QuickTransformRows(const QuickTransform& transform) {
  return {
      {"Quick Transform Name", transform.strName},
      {"Trig Units", transform.strTrigUnits},
      {"Auto Update", transform.strAutoUpdate},
  };
}

}  // namespace npb
