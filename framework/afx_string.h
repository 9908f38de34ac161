// CString: 8-bit text in the host's code page, the string type the module's classes share.
// Window-free so that code built without <windows.h> can use it; only LoadString needs the
// module's resources and lives in the window build.
#pragma once

#include <cstdarg>
#include <string>

// <windows.h> maps LoadString to LoadStringA; the member keeps its own name whichever header
// comes first (call the Win32 function as LoadStringA).
#ifdef LoadString
#undef LoadString
#endif

typedef const char* LPCTSTR;
typedef char* LPTSTR;

#if defined(__GNUC__)
#define NPB_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define NPB_PRINTF_FORMAT(fmt, args)
#endif

class CString {
public:
  CString() = default;
  CString(const char* psz) : m_str(psz ? psz : "") {}
  CString(const char* pch, int nLength);
  explicit CString(char ch, int nRepeat = 1) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}
  CString(const std::string& str) : m_str(str) {}

  int GetLength() const { return static_cast<int>(m_str.size()); }
  bool IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }
  const char* GetString() const { return m_str.c_str(); }
  operator const char*() const { return m_str.c_str(); }
  const std::string& str() const { return m_str; }

  char GetAt(int i) const { return InRange(i) ? m_str[i] : '\0'; }
  void SetAt(int i, char ch) { if (InRange(i)) m_str[i] = ch; }
  char operator[](int i) const { return GetAt(i); }

  // Pads with zero characters when growing, cuts when shrinking.
  void SetLength(int nLength) { m_str.resize(nLength > 0 ? nLength : 0, '\0'); }
  void Truncate(int nLength) { if (nLength >= 0 && nLength < GetLength()) m_str.resize(nLength); }

  // A writable buffer of at least nMinLength characters plus the terminator, for C APIs.
  char* GetBuffer(int nMinLength = 0);
  char* GetBufferSetLength(int nLength);
  // Takes the length from the terminator when nNewLength is -1.
  void ReleaseBuffer(int nNewLength = -1);

  CString& operator=(const char* psz) { m_str = psz ? psz : ""; return *this; }
  CString& operator=(char ch) { m_str.assign(1, ch); return *this; }
  CString& operator+=(const CString& s) { m_str += s.m_str; return *this; }
  CString& operator+=(const char* psz) { if (psz) m_str += psz; return *this; }
  CString& operator+=(char ch) { m_str += ch; return *this; }

  // strcmp-like: negative, zero or positive.
  int Compare(const char* psz) const;
  // Compares with ASCII letters folded to lower case.
  int CompareNoCase(const char* psz) const;

  void Format(const char* pszFormat, ...) NPB_PRINTF_FORMAT(2, 3);
  void AppendFormat(const char* pszFormat, ...) NPB_PRINTF_FORMAT(2, 3);
  void FormatV(const char* pszFormat, va_list args);

  // Out-of-range positions and counts are clamped, never an error.
  CString Left(int nCount) const;
  CString Right(int nCount) const;
  CString Mid(int nFirst) const;
  CString Mid(int nFirst, int nCount) const;

  // -1 when not found or when nStart lies past the end.
  int Find(char ch, int nStart = 0) const;
  int Find(const char* pszSub, int nStart = 0) const;
  int ReverseFind(char ch) const;
  int FindOneOf(const char* pszCharSet) const;

  CString& MakeUpper();
  CString& MakeLower();
  CString& MakeReverse();

  CString& Trim() { return TrimRight().TrimLeft(); }
  CString& TrimLeft();
  CString& TrimRight();
  CString& Trim(const char* pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }
  CString& TrimLeft(const char* pszTargets);
  CString& TrimRight(const char* pszTargets);

  // Each returns the number of replacements or removals made.
  int Replace(char chOld, char chNew);
  int Replace(const char* pszOld, const char* pszNew);
  int Remove(char ch);
  // Each returns the new length.
  int Insert(int nIndex, char ch);
  int Insert(int nIndex, const char* psz);
  int Delete(int nIndex, int nCount = 1);

  // Next token after iStart, skipping leading delimiters; iStart becomes -1 at the end.
  CString Tokenize(const char* pszTokens, int& iStart) const;

  // Loads string-table entry nID from the module's resource instance; false when absent.
  bool LoadString(unsigned nID);
  // The spelling a call gets when <windows.h> is included after this header.
  bool LoadStringA(unsigned nID) { return LoadString(nID); }

private:
  bool InRange(int i) const { return i >= 0 && i < GetLength(); }
  std::string m_str;
};

inline CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
inline CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
inline CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
inline CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
inline CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
inline bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, const char* b) { return a.Compare(b) != 0; }
inline bool operator!=(const char* a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, const char* b) { return a.Compare(b) < 0; }
inline bool operator<(const char* a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
