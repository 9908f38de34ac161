// Lets the browser find a given kxw.ini without touching the shared documents folder:
// the process gets a private, temporary documents folder holding
// Korvantix\KXW12\kxw.ini. Wine takes the documents folder from the user's
// "User Shell Folders" registry key (not from USERPROFILE), so the current user's
// registry root is redirected, for this process only, to a volatile key of our own
// that names the temporary folder. Everything is undone by Undo() or the destructor.
#pragma once
#include <windows.h>

#include <string>

namespace kxwhost {

class ProfileRedirect {
 public:
  ProfileRedirect() = default;
  ProfileRedirect(const ProfileRedirect&) = delete;
  ProfileRedirect& operator=(const ProfileRedirect&) = delete;
  ~ProfileRedirect() { Undo(); }

  bool Install(const std::string& iniFile, std::string& error);
  void Undo();

  // The private documents folder, empty when nothing is installed.
  const std::string& documents() const { return documents_; }

 private:
  std::string root_;       // the temporary folder
  std::string documents_;  // root_ + "\Documents"
  std::string keyName_;    // our volatile key under HKEY_CURRENT_USER\Software
  HKEY key_ = nullptr;
  bool overridden_ = false;
};

}  // namespace kxwhost
