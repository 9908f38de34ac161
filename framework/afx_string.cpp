#include "framework/afx_string.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int Sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

CString::CString(const char* pch, int nLength) {
  if (pch && nLength > 0) m_str.assign(pch, nLength);
}

char* CString::GetBuffer(int nMinLength) {
  if (nMinLength > GetLength()) m_str.resize(nMinLength, '\0');
  return m_str.data();
}

char* CString::GetBufferSetLength(int nLength) {
  SetLength(nLength);
  return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength) {
  if (nNewLength < 0) {
    m_str.resize(std::strlen(m_str.c_str()));
  } else if (nNewLength < GetLength()) {
    m_str.resize(nNewLength);
  }
}

int CString::Compare(const char* psz) const {
  return Sign(std::strcmp(m_str.c_str(), psz ? psz : ""));
}

int CString::CompareNoCase(const char* psz) const {
  const unsigned char* a = reinterpret_cast<const unsigned char*>(m_str.c_str());
  const unsigned char* b = reinterpret_cast<const unsigned char*>(psz ? psz : "");
  for (;; ++a, ++b) {
    int ca = static_cast<unsigned char>(LowerAscii(static_cast<char>(*a)));
    int cb = static_cast<unsigned char>(LowerAscii(static_cast<char>(*b)));
    if (ca != cb || ca == 0) return Sign(ca - cb);
  }
}

void CString::FormatV(const char* pszFormat, va_list args) {
  if (!pszFormat) {
    m_str.clear();
    return;
  }
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(nullptr, 0, pszFormat, copy);
  va_end(copy);
  if (n < 0) {
    m_str.clear();
    return;
  }
  std::string out(static_cast<size_t>(n), '\0');
  std::vsnprintf(out.data(), out.size() + 1, pszFormat, args);
  m_str.swap(out);
}

void CString::Format(const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  FormatV(pszFormat, args);
  va_end(args);
}

void CString::AppendFormat(const char* pszFormat, ...) {
  CString tail;
  va_list args;
  va_start(args, pszFormat);
  tail.FormatV(pszFormat, args);
  va_end(args);
  m_str += tail.m_str;
}

CString CString::Left(int nCount) const {
  nCount = std::clamp(nCount, 0, GetLength());
  return CString(m_str.substr(0, nCount));
}

CString CString::Right(int nCount) const {
  nCount = std::clamp(nCount, 0, GetLength());
  return CString(m_str.substr(GetLength() - nCount));
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const {
  nFirst = std::clamp(nFirst, 0, GetLength());
  nCount = std::clamp(nCount, 0, GetLength() - nFirst);
  return CString(m_str.substr(nFirst, nCount));
}

int CString::Find(char ch, int nStart) const {
  if (nStart < 0) nStart = 0;
  if (nStart >= GetLength()) return -1;
  size_t pos = m_str.find(ch, nStart);
  return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const char* pszSub, int nStart) const {
  if (!pszSub) return -1;
  if (nStart < 0) nStart = 0;
  if (nStart > GetLength()) return -1;
  size_t pos = m_str.find(pszSub, nStart);
  return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const {
  size_t pos = m_str.rfind(ch);
  return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(const char* pszCharSet) const {
  if (!pszCharSet || !*pszCharSet) return -1;
  size_t pos = m_str.find_first_of(pszCharSet);
  return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString& CString::MakeUpper() {
  std::transform(m_str.begin(), m_str.end(), m_str.begin(), UpperAscii);
  return *this;
}

CString& CString::MakeLower() {
  std::transform(m_str.begin(), m_str.end(), m_str.begin(), LowerAscii);
  return *this;
}

CString& CString::MakeReverse() {
  std::reverse(m_str.begin(), m_str.end());
  return *this;
}

CString& CString::TrimLeft() {
  auto it = std::find_if_not(m_str.begin(), m_str.end(), IsBlank);
  m_str.erase(m_str.begin(), it);
  return *this;
}

CString& CString::TrimRight() {
  auto it = std::find_if_not(m_str.rbegin(), m_str.rend(), IsBlank);
  m_str.erase(it.base(), m_str.end());
  return *this;
}

CString& CString::TrimLeft(const char* pszTargets) {
  if (!pszTargets) return *this;
  size_t pos = m_str.find_first_not_of(pszTargets);
  m_str.erase(0, pos == std::string::npos ? m_str.size() : pos);
  return *this;
}

CString& CString::TrimRight(const char* pszTargets) {
  if (!pszTargets) return *this;
  size_t pos = m_str.find_last_not_of(pszTargets);
  m_str.erase(pos == std::string::npos ? 0 : pos + 1);
  return *this;
}

int CString::Replace(char chOld, char chNew) {
  int n = 0;
  for (char& c : m_str) {
    if (c == chOld) {
      c = chNew;
      ++n;
    }
  }
  return n;
}

int CString::Replace(const char* pszOld, const char* pszNew) {
  if (!pszOld || !*pszOld) return 0;
  const std::string from(pszOld), to(pszNew ? pszNew : "");
  std::string out;
  int n = 0;
  size_t start = 0;
  for (size_t pos; (pos = m_str.find(from, start)) != std::string::npos; start = pos + from.size()) {
    out.append(m_str, start, pos - start);
    out += to;
    ++n;
  }
  if (n == 0) return 0;
  out.append(m_str, start, std::string::npos);
  m_str.swap(out);
  return n;
}

int CString::Remove(char ch) {
  size_t before = m_str.size();
  m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
  return static_cast<int>(before - m_str.size());
}

int CString::Insert(int nIndex, char ch) {
  m_str.insert(static_cast<size_t>(std::clamp(nIndex, 0, GetLength())), 1, ch);
  return GetLength();
}

int CString::Insert(int nIndex, const char* psz) {
  if (psz) m_str.insert(static_cast<size_t>(std::clamp(nIndex, 0, GetLength())), psz);
  return GetLength();
}

int CString::Delete(int nIndex, int nCount) {
  if (nIndex >= 0 && nIndex < GetLength() && nCount > 0) m_str.erase(nIndex, nCount);
  return GetLength();
}

CString CString::Tokenize(const char* pszTokens, int& iStart) const {
  if (iStart < 0 || iStart > GetLength()) {
    iStart = -1;
    return CString();
  }
  if (!pszTokens || !*pszTokens) {
    CString rest = Mid(iStart);
    iStart = rest.IsEmpty() ? -1 : GetLength();
    return rest;
  }
  size_t begin = m_str.find_first_not_of(pszTokens, iStart);
  if (begin == std::string::npos) {
    iStart = -1;
    return CString();
  }
  size_t end = m_str.find_first_of(pszTokens, begin);
  if (end == std::string::npos) end = m_str.size();
  iStart = static_cast<int>(end == m_str.size() ? end : end + 1);
  return CString(m_str.substr(begin, end - begin));
}
