// The page library loaded from the build's bin folder, as the browser and host load it,
// with a listener that keeps every document sent to it. One per test: it closes the pages
// it opened, stops listening and unloads the library when it goes.
#pragma once

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "host/pgobj_host.h"
#include "sdk/pgobj_api.h"

namespace pgtest {

// What the listener heard: every document in order, and the page of the last one.
struct Heard {
  std::vector<std::string> documents;
  HWND page = nullptr;

  int calls() const { return static_cast<int>(documents.size()); }
  std::string last() const { return documents.empty() ? std::string() : documents.back(); }
};

class PageLibrary {
 public:
  PageLibrary() : m_module(LoadLibraryA("Z:" NPB_BIN_DIR "/pgobj.dll")) {
    if (!m_module) return;
    m_open = Named<PgOpenPageFn>("PgOpenPage");
    m_openText = Named<PgOpenPageTextFn>("PgOpenPageText");
    m_save = Named<PgSavePageFn>("PgSavePage");
    m_close = Named<PgClosePageFn>("PgClosePage");
    m_listen = Named<PgSetChangeListenerFn>("PgSetChangeListener");
    m_setFolder = Named<PgSetHostDataFolderFn>("PgSetHostDataFolder");
    if (m_listen) m_listen(Listener, &heard);
  }
  ~PageLibrary() {
    if (!m_module) return;
    if (m_listen) m_listen(nullptr, nullptr);
    if (m_setFolder) m_setFolder(nullptr);  // later tests get the built-in answers
    for (const std::string& file : m_answerFiles) DeleteFileA(file.c_str());
    if (!m_answers.empty()) RemoveDirectoryA(m_answers.c_str());
    if (m_close)
      for (HWND page : m_pages) m_close(page);
    FreeLibrary(m_module);
  }
  PageLibrary(const PageLibrary&) = delete;
  PageLibrary& operator=(const PageLibrary&) = delete;

  bool Loaded() const { return m_module && m_open && m_openText && m_save && m_close && m_listen && m_setFolder; }

  template <typename Fn>
  Fn Named(const char* name) const {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m_module, name)));
  }
  template <typename Fn>
  Fn At(pgobj::Ordinal ordinal) const {
    return Named<Fn>(MAKEINTRESOURCEA(ordinal));
  }

  int Open(HWND page, const char* path) {
    Track(page);
    return m_open(page, path);
  }
  int OpenText(HWND page, const char* text) {
    Track(page);
    return m_openText(page, text);
  }
  int OpenText(HWND page, const std::string& text) { return OpenText(page, text.c_str()); }
  int Save(HWND page, const char* path) const { return m_save(page, path); }
  void Close(HWND page) const {
    if (m_close) m_close(page);
  }

  // Makes the option, scheme and column queries answer from these files (name, text), in a
  // folder of this process that goes when this object does.
  bool ServeHostAnswers(const std::vector<std::pair<std::string, std::string>>& files) {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    m_answers = std::string(temp) + "npb_answers_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(m_answers.c_str(), nullptr);
    for (const auto& [name, text] : files) {
      m_answerFiles.push_back(m_answers + "\\" + name);
      std::ofstream out(m_answerFiles.back(), std::ios::binary);
      if (!(out << text)) return false;
    }
    m_setFolder(m_answers.c_str());
    return true;
  }

  Heard heard;

 private:
  void Track(HWND page) {
    if (std::find(m_pages.begin(), m_pages.end(), page) == m_pages.end()) m_pages.push_back(page);
  }
  static void __stdcall Listener(HWND page, const char* document, void* context) {
    auto* heard = static_cast<Heard*>(context);
    heard->page = page;
    heard->documents.push_back(document ? document : "");
  }

  HMODULE m_module;
  PgOpenPageFn m_open = nullptr;
  PgOpenPageTextFn m_openText = nullptr;
  PgSavePageFn m_save = nullptr;
  PgClosePageFn m_close = nullptr;
  PgSetChangeListenerFn m_listen = nullptr;
  PgSetHostDataFolderFn m_setFolder = nullptr;
  std::vector<HWND> m_pages;
  std::string m_answers;
  std::vector<std::string> m_answerFiles;
};

}  // namespace pgtest
