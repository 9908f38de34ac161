// The whole framework layer in one include, for the module's window classes.
#pragma once

#include "framework/afx_string.h"
#include "framework/common_controls.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/geometry.h"
#include "framework/menu.h"
#include "framework/module_state.h"
#include "framework/std_controls.h"
#include "framework/tree_ctrl.h"
#include "framework/window_class.h"
#include "framework/wnd.h"
