#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/afx_string.h"
#include "framework/module_state.h"
#include "framework/window_class.h"

namespace {

TEST(FrameworkModule, ManagedStateIsRestoredOnEveryWayOut) {
  HINSTANCE own = AfxGetResourceHandle();
  ASSERT_EQ(::GetModuleHandleA(nullptr), own) << "the module holding the framework is this program";
  AFX_MODULE_STATE other;
  other.m_hCurrentResourceHandle = ::GetModuleHandleA("kernel32.dll");
  {
    AFX_MANAGE_STATE(&other);
    EXPECT_EQ(other.m_hCurrentResourceHandle, AfxGetResourceHandle());
    {
      AFX_MANAGE_STATE(AfxGetStaticModuleState());
      EXPECT_EQ(own, AfxGetResourceHandle());
    }
    EXPECT_EQ(other.m_hCurrentResourceHandle, AfxGetResourceHandle());
  }
  EXPECT_EQ(own, AfxGetResourceHandle());
  try {
    AFX_MANAGE_STATE(&other);
    throw std::runtime_error("leave early");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(own, AfxGetResourceHandle());
  EXPECT_EQ(AfxGetStaticModuleState(), AfxGetModuleState());
}

TEST(FrameworkModule, ApplicationObjectRegistersItsModule) {
  {
    CWinApp app("kernel32.dll");
    EXPECT_EQ(&app, AfxGetApp());
    EXPECT_EQ(::GetModuleHandleA("kernel32.dll"), AfxGetInstanceHandle());
    EXPECT_EQ(::GetModuleHandleA("kernel32.dll"), AfxGetResourceHandle());
  }
  EXPECT_EQ(nullptr, AfxGetApp());
  CWinApp app;
  EXPECT_EQ(::GetModuleHandleA(nullptr), app.m_hInstance);
  ASSERT_TRUE(AfxRegisterClass("NpbFrameworkModuleClass"));
  EXPECT_TRUE(AfxIsFrameworkClass("NpbFrameworkModuleClass"));
  EXPECT_FALSE(AfxIsFrameworkClass("EDIT"));
  EXPECT_FALSE(AfxRegisterClass("EDIT")) << "a system class is not ours to route";
  LPCSTR generated = AfxRegisterWndClass(CS_DBLCLKS);
  ASSERT_NE(nullptr, generated);
  EXPECT_STREQ(generated, AfxRegisterWndClass(CS_DBLCLKS)) << "one class per combination";
  EXPECT_STRNE(generated, AfxRegisterWndClass(0));
  AfxUnregisterClasses();
  EXPECT_FALSE(AfxIsFrameworkClass("NpbFrameworkModuleClass"));
}

TEST(FrameworkModule, MissingStringResourceLeavesAnEmptyString) {
  CString s("previous");
  EXPECT_FALSE(s.LoadString(0xFFF0));
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(AfxGetPropertyChangedMessage(), ::RegisterWindowMessageA("AFX_WM_PROPERTY_CHANGED"));
}

}  // namespace
