// What the panels' commands share: the create action run inside the host's application context,
// text put into a field as typing puts it, and the focus moved to the control a form names.
#pragma once

#include <windows.h>

#include "frame/app_context.h"
#include "host/error.h"
#include "host/handles.h"
#include "host/suite_pointers.h"

namespace panels {

// Runs the action inside an application context for the plug-in. While the plug-in is unloaded
// it holds no host suites and can make nothing, and without a context the host takes no work:
// then nothing runs.
template <typename Action>
void RunInAppContext(host::PluginHandle plugin, Action&& action) {
  if (host::sContext == nullptr)
    return;
  const frame::AppContext context(plugin);
  if (context.result() != host::kNoError)
    return;
  action();
}

// Replaces the field's selection with the text as typing does, so that the user can undo it, and
// focuses the field.
void InsertAtSelection(HWND field, const wchar_t* text);

// Focuses the control, when there is one.
void FocusIfAny(HWND control);

}  // namespace panels
