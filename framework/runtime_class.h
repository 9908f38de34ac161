// CRuntimeClass: the class name an object reports at run time, with its base, so callers
// can ask what kind of row or window they hold without RTTI across the module boundary.
#pragma once

#include <cstring>

struct CRuntimeClass {
  const char* m_lpszClassName;
  const CRuntimeClass* m_pBaseClass;

  // True for this class and for any class it derives from.
  bool IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* p = this; p; p = p->m_pBaseClass) {
      if (p == pBaseClass) return true;
    }
    return false;
  }
};

// Serialization and diagnostics streams: only named, never implemented, by classes that keep
// the framework's root operations in their virtual order.
class CArchive;
class CDumpContext;
