// CString::LoadString: the one part of CString that needs the module's resources.
#include <windows.h>

#include "framework/afx_string.h"
#include "framework/module_state.h"

bool CString::LoadString(unsigned nID) {
  // LoadStringA reports no length up front: grow the buffer until the text fits.
  for (int size = 256; size <= (1 << 16); size *= 2) {
    int n = ::LoadStringA(AfxGetResourceHandle(), nID, GetBuffer(size), size);
    if (n < size - 1) {
      ReleaseBuffer(n);
      return n > 0;
    }
  }
  Empty();
  return false;
}
