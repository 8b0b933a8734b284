; Skylet's per-user installer: no administrator rights, the program under the
; user's local programs folder, a Start-menu shortcut and an entry in the
; user's installed programs with an uninstaller. /S installs silently.
; The uninstaller first, then the setup that installs it:
;   makensis [-DX64] -DUNINSTALLER -DOUTFILE=<uninstall.exe> installer/Skylet.nsi
;   makensis [-DX64] -DSKYLET_EXE=<Skylet.exe> -DUNINSTALL_EXE=<uninstall.exe>
;            -DOUTFILE=<setup.exe> installer/Skylet.nsi
; X64 makes the programs of a 64-bit Skylet.exe, 64-bit programs themselves.
!ifdef X64
  Target amd64-unicode
  ; Where the program's automation entries live: its own registry view, and
  ; the view of the other build, which may have been installed here before.
  !define PROGRAM_VIEW 64
  !define OTHER_VIEW 32
!else
  Target x86-unicode
  !define PROGRAM_VIEW 32
  !define OTHER_VIEW 64
!endif
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"
!include "FileFunc.nsh"
!include "x64.nsh"

!ifndef OUTFILE
  !error "give -DOUTFILE=<path of the program to make>"
!endif
!ifndef UNINSTALLER
  !ifndef SKYLET_EXE | UNINSTALL_EXE
    !error "give -DSKYLET_EXE=<path of Skylet.exe> and -DUNINSTALL_EXE=<path of the uninstaller>"
  !endif
!endif

!define VERSION "1.0"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Skylet"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define CLSID "{cca7b049-4158-4d56-911c-e2a61af491b8}"
!define PROGID "Skylet.Application"
; The main window's command that ends the program.
!define ID_TRAY_QUIT 32835
; The log box, which only the main window holds.
!define IDC_LOG 1001

Name "Skylet"
OutFile "${OUTFILE}"
RequestExecutionLevel user
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Skylet"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "MIT License"
!define MUI_ICON "${__FILEDIR__}\..\res\skylet.ico"

; How long a Skylet that is still starting may take to open its main window
; (its first poll speaks every contact that is online), and how long one that
; was told to quit may take to end, in tenths of a second.
!define START_LIMIT 1200
!define END_LIMIT 150

; A Skylet exists while its single-instance mutex does; leaves 1 in $0 when
; one runs, 0 when none does.
Function SkyletRuns
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Local\Skylet.Instance") p .r0'
  ${If} $0 P<> 0
    System::Call 'kernel32::CloseHandle(p r0)'
    StrCpy $0 1
  ${Else}
    StrCpy $0 0
  ${EndIf}
FunctionEnd

; Sends Quit to every main window of Skylet; leaves in $3 how many there were.
Function SendQuit
  StrCpy $1 0
  StrCpy $3 0
  ${Do}
    FindWindow $0 "#32770" "Skylet" "" $1
    ${If} $0 = 0
      ${Break}
    ${EndIf}
    GetDlgItem $2 $0 ${IDC_LOG}
    ${If} $2 <> 0
      SendMessage $0 ${WM_COMMAND} ${ID_TRAY_QUIT} 0 /TIMEOUT=5000
      IntOp $3 $3 + 1
    ${EndIf}
    StrCpy $1 $0
  ${Loop}
FunctionEnd

; Ends every running Skylet, of either build, through its own Quit command,
; as a user would from the tray menu, and waits until it has ended and its
; program file is free. One that is still in its first poll has no main
; window yet, and gets its Quit once it has one.
; Leaves 1 in $0 when no Skylet runs any more, 0 when one still does.
Function QuitSkylet
  StrCpy $5 0 ; tenths waited for a main window
  StrCpy $6 0 ; tenths waited since the last Quit
  ${Do}
    Call SkyletRuns
    ${If} $0 = 0
      ${Break}
    ${EndIf}
    ${If} $6 = 0
      Call SendQuit
      ${If} $3 > 0
        StrCpy $6 1
      ${ElseIf} $5 >= ${START_LIMIT}
        StrCpy $0 0
        Return
      ${EndIf}
    ${ElseIf} $6 >= ${END_LIMIT}
      StrCpy $0 0
      Return
    ${Else}
      IntOp $6 $6 + 1
    ${EndIf}
    IntOp $5 $5 + 1
    Sleep 100
  ${Loop}
  ; The program file stays locked a moment after the process has ended.
  StrCpy $5 0
  ${DoWhile} ${FileExists} "$INSTDIR\Skylet.exe"
    ClearErrors
    FileOpen $4 "$INSTDIR\Skylet.exe" a
    ${IfNot} ${Errors}
      FileClose $4
      ${Break}
    ${EndIf}
    IntOp $5 $5 + 1
    ${If} $5 > ${END_LIMIT}
      StrCpy $0 0
      Return
    ${EndIf}
    Sleep 100
  ${Loop}
  StrCpy $0 1
FunctionEnd

; Nothing is removed or replaced while Skylet runs: the user is asked to end
; it and try again, and a silent run ends with error level 2.
Function StopSkyletOrAbort
  ${Do}
    Call QuitSkylet
    ${If} $0 = 1
      Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Skylet is still running and could not be stopped.$\r$\nQuit it from its icon in the notification area, then choose Retry." /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Abort
  retry:
  ${Loop}
FunctionEnd

!ifndef UNINSTALLER
; The setup.

InstallDir "$LOCALAPPDATA\Programs\Skylet"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
VIAddVersionKey "FileDescription" "Skylet setup"

!define MUI_FINISHPAGE_RUN "$INSTDIR\Skylet.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetRegView ${PROGRAM_VIEW}
FunctionEnd

Section "Skylet"
  SetShellVarContext current
  Call StopSkyletOrAbort
  SetOutPath "$INSTDIR"
  File "/oname=Skylet.exe" "${SKYLET_EXE}"
  File "/oname=uninstall.exe" "${UNINSTALL_EXE}"
  CreateShortcut "$SMPROGRAMS\Skylet.lnk" "$INSTDIR\Skylet.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Skylet"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Skylet.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

!else
; The uninstaller: a program of its own rather than the uninstaller NSIS
; writes, which hands over to a copy of itself before any of this script
; runs and so ends with 0 whatever the copy does. This one runs its script
; in the process that was started, and its exit code is the result: 2 when
; Skylet could not be stopped and nothing was removed, 1 when the user
; cancelled, 0 when Skylet is gone. A copy of it, started at its end,
; removes its own file once it has ended.
; The user's settings under HKEY_CURRENT_USER\Software\KTRX70352846 stay:
; a user who installs again finds the windows where they were.

Caption "Skylet Uninstall"
VIAddVersionKey "FileDescription" "Skylet uninstaller"
!define LAST_FILE_OPTION "/LASTFILE"
!define LAST_FILE_COPY "$TEMP\Skylet-uninstall.exe"

!define MUI_PAGE_HEADER_TEXT "Uninstalling Skylet"
!define MUI_PAGE_HEADER_SUBTEXT "Please wait while Skylet is removed."
!define MUI_INSTFILESPAGE_FINISHHEADER_TEXT "Uninstallation Complete"
!define MUI_INSTFILESPAGE_FINISHHEADER_SUBTEXT "Skylet was removed; its settings are kept."
!define MUI_INSTFILESPAGE_ABORTHEADER_TEXT "Uninstallation Aborted"
!define MUI_INSTFILESPAGE_ABORTHEADER_SUBTEXT "Skylet is still running; nothing was removed."
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The copy's work: waits until the uninstaller that started it has ended
; and its file can go, then removes it and the folder.
Function RemoveLastFile
  StrCpy $0 0
  ${Do}
    Delete "$INSTDIR\uninstall.exe"
    ${IfNot} ${FileExists} "$INSTDIR\uninstall.exe"
    ${OrIf} $0 >= ${END_LIMIT}
      ${Break}
    ${EndIf}
    IntOp $0 $0 + 1
    Sleep 100
  ${Loop}
  RMDir "$INSTDIR"
FunctionEnd

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "${LAST_FILE_OPTION}" $1
  ${IfNot} ${Errors}
    Call RemoveLastFile
    Quit
  ${EndIf}
  SetRegView ${PROGRAM_VIEW}
  StrCpy $INSTDIR $EXEDIR
  ${IfNot} ${Cmd} `MessageBox MB_OKCANCEL|MB_ICONQUESTION "Remove Skylet from this computer? Its settings are kept." /SD IDOK IDOK`
    SetErrorLevel 1
    Quit
  ${EndIf}
FunctionEnd

; Removes the automation server's entries in the current registry view, under
; the user's classes and, where the system let the program register for all
; users too, the machine's, when they name this copy of the program.
!macro REMOVE_COM_ENTRIES root classes
  ReadRegStr $0 ${root} "${classes}CLSID\${CLSID}\LocalServer32" ""
  ${If} $0 == "$INSTDIR\Skylet.exe"
    DeleteRegKey ${root} "${classes}CLSID\${CLSID}"
    DeleteRegKey ${root} "${classes}${PROGID}"
  ${EndIf}
!macroend
Function RemoveComEntries
  !insertmacro REMOVE_COM_ENTRIES HKCU "Software\Classes\"
  !insertmacro REMOVE_COM_ENTRIES HKCR ""
FunctionEnd

; The other build of Skylet, installed in this folder before this one,
; registered in the other view, where the system has one.
Function RemoveOtherBuildsComEntries
  ${IfNot} ${RunningX64}
    Return
  ${EndIf}
  SetRegView ${OTHER_VIEW}
  Call RemoveComEntries
  SetRegView ${PROGRAM_VIEW}
FunctionEnd

Section "Uninstall Skylet"
  SetShellVarContext current
  ; Neither this process nor the copy works in the folder that goes.
  SetOutPath "$TEMP"
  Call StopSkyletOrAbort
  Delete "$INSTDIR\Skylet.exe"
  Delete "$SMPROGRAMS\Skylet.lnk"

  ReadRegStr $0 HKCU "${RUN_KEY}" "Skylet"
  ${If} $0 == '"$INSTDIR\Skylet.exe"'
    DeleteRegValue HKCU "${RUN_KEY}" "Skylet"
  ${EndIf}
  Call RemoveComEntries
  Call RemoveOtherBuildsComEntries

  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; After the last page, just before this process ends.
Function .onInstSuccess
  CopyFiles /SILENT "$EXEPATH" "${LAST_FILE_COPY}"
  Exec '"${LAST_FILE_COPY}" /S ${LAST_FILE_OPTION} /D=$INSTDIR'
FunctionEnd

!endif
