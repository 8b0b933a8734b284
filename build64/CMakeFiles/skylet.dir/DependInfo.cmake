
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/contactwnd/ContactTooltip.cpp" "CMakeFiles/skylet.dir/contactwnd/ContactTooltip.cpp.obj" "gcc" "CMakeFiles/skylet.dir/contactwnd/ContactTooltip.cpp.obj.d"
  "/work/main/contactwnd/ContactWnd.cpp" "CMakeFiles/skylet.dir/contactwnd/ContactWnd.cpp.obj" "gcc" "CMakeFiles/skylet.dir/contactwnd/ContactWnd.cpp.obj.d"
  "/work/main/contactwnd/ContactWndMouse.cpp" "CMakeFiles/skylet.dir/contactwnd/ContactWndMouse.cpp.obj" "gcc" "CMakeFiles/skylet.dir/contactwnd/ContactWndMouse.cpp.obj.d"
  "/work/main/contactwnd/LayeredWindow.cpp" "CMakeFiles/skylet.dir/contactwnd/LayeredWindow.cpp.obj" "gcc" "CMakeFiles/skylet.dir/contactwnd/LayeredWindow.cpp.obj.d"
  "/work/main/contactwnd/PhotoDrop.cpp" "CMakeFiles/skylet.dir/contactwnd/PhotoDrop.cpp.obj" "gcc" "CMakeFiles/skylet.dir/contactwnd/PhotoDrop.cpp.obj.d"
  "/work/main/contactwnd/PhotoImage.cpp" "CMakeFiles/skylet.dir/contactwnd/PhotoImage.cpp.obj" "gcc" "CMakeFiles/skylet.dir/contactwnd/PhotoImage.cpp.obj.d"
  "/work/main/core/ContactRecord.cpp" "CMakeFiles/skylet.dir/core/ContactRecord.cpp.obj" "gcc" "CMakeFiles/skylet.dir/core/ContactRecord.cpp.obj.d"
  "/work/main/core/ContactStatus.cpp" "CMakeFiles/skylet.dir/core/ContactStatus.cpp.obj" "gcc" "CMakeFiles/skylet.dir/core/ContactStatus.cpp.obj.d"
  "/work/main/core/DisplayRule.cpp" "CMakeFiles/skylet.dir/core/DisplayRule.cpp.obj" "gcc" "CMakeFiles/skylet.dir/core/DisplayRule.cpp.obj.d"
  "/work/main/core/Liste.cpp" "CMakeFiles/skylet.dir/core/Liste.cpp.obj" "gcc" "CMakeFiles/skylet.dir/core/Liste.cpp.obj.d"
  "/work/main/core/Messenger.cpp" "CMakeFiles/skylet.dir/core/Messenger.cpp.obj" "gcc" "CMakeFiles/skylet.dir/core/Messenger.cpp.obj.d"
  "/work/main/core/MessengerInterfaces.cpp" "CMakeFiles/skylet.dir/core/MessengerInterfaces.cpp.obj" "gcc" "CMakeFiles/skylet.dir/core/MessengerInterfaces.cpp.obj.d"
  "/work/main/core/PollCycle.cpp" "CMakeFiles/skylet.dir/core/PollCycle.cpp.obj" "gcc" "CMakeFiles/skylet.dir/core/PollCycle.cpp.obj.d"
  "/work/main/core/StatusLog.cpp" "CMakeFiles/skylet.dir/core/StatusLog.cpp.obj" "gcc" "CMakeFiles/skylet.dir/core/StatusLog.cpp.obj.d"
  "/work/main/framework/AnsiText.cpp" "CMakeFiles/skylet.dir/framework/AnsiText.cpp.obj" "gcc" "CMakeFiles/skylet.dir/framework/AnsiText.cpp.obj.d"
  "/work/main/framework/CmdTarget.cpp" "CMakeFiles/skylet.dir/framework/CmdTarget.cpp.obj" "gcc" "CMakeFiles/skylet.dir/framework/CmdTarget.cpp.obj.d"
  "/work/main/framework/CommandLine.cpp" "CMakeFiles/skylet.dir/framework/CommandLine.cpp.obj" "gcc" "CMakeFiles/skylet.dir/framework/CommandLine.cpp.obj.d"
  "/work/main/framework/Dialog.cpp" "CMakeFiles/skylet.dir/framework/Dialog.cpp.obj" "gcc" "CMakeFiles/skylet.dir/framework/Dialog.cpp.obj.d"
  "/work/main/framework/Gdi.cpp" "CMakeFiles/skylet.dir/framework/Gdi.cpp.obj" "gcc" "CMakeFiles/skylet.dir/framework/Gdi.cpp.obj.d"
  "/work/main/framework/MessageBox.cpp" "CMakeFiles/skylet.dir/framework/MessageBox.cpp.obj" "gcc" "CMakeFiles/skylet.dir/framework/MessageBox.cpp.obj.d"
  "/work/main/framework/MessageMap.cpp" "CMakeFiles/skylet.dir/framework/MessageMap.cpp.obj" "gcc" "CMakeFiles/skylet.dir/framework/MessageMap.cpp.obj.d"
  "/work/main/framework/OleObjectFactory.cpp" "CMakeFiles/skylet.dir/framework/OleObjectFactory.cpp.obj" "gcc" "CMakeFiles/skylet.dir/framework/OleObjectFactory.cpp.obj.d"
  "/work/main/framework/RegKey.cpp" "CMakeFiles/skylet.dir/framework/RegKey.cpp.obj" "gcc" "CMakeFiles/skylet.dir/framework/RegKey.cpp.obj.d"
  "/work/main/framework/WinApp.cpp" "CMakeFiles/skylet.dir/framework/WinApp.cpp.obj" "gcc" "CMakeFiles/skylet.dir/framework/WinApp.cpp.obj.d"
  "/work/main/framework/Wnd.cpp" "CMakeFiles/skylet.dir/framework/Wnd.cpp.obj" "gcc" "CMakeFiles/skylet.dir/framework/Wnd.cpp.obj.d"
  "/work/main/settings/DefaultSettings.cpp" "CMakeFiles/skylet.dir/settings/DefaultSettings.cpp.obj" "gcc" "CMakeFiles/skylet.dir/settings/DefaultSettings.cpp.obj.d"
  "/work/main/settings/ProfileSection.cpp" "CMakeFiles/skylet.dir/settings/ProfileSection.cpp.obj" "gcc" "CMakeFiles/skylet.dir/settings/ProfileSection.cpp.obj.d"
  "/work/main/shell/SkyletDlg.cpp" "CMakeFiles/skylet.dir/shell/SkyletDlg.cpp.obj" "gcc" "CMakeFiles/skylet.dir/shell/SkyletDlg.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
