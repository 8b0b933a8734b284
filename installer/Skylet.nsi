; Skylet's per-user installer: no administrator rights, the program under the
; user's local programs folder, a Start-menu shortcut and an entry in the
; user's installed programs with an uninstaller. /S installs silently.
;   makensis -DSKYLET_EXE=<Skylet.exe> -DOUTFILE=<setup.exe> installer/Skylet.nsi
Unicode true
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"

!ifndef SKYLET_EXE | OUTFILE
  !error "give -DSKYLET_EXE=<path of Skylet.exe> and -DOUTFILE=<path of the setup program>"
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
InstallDir "$LOCALAPPDATA\Programs\Skylet"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Skylet"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Skylet setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "MIT License"

!define MUI_ICON "${__FILEDIR__}\..\res\skylet.ico"
!define MUI_UNICON "${__FILEDIR__}\..\res\skylet.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Skylet.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; How long a Skylet that is still starting may take to open its main window
; (its first poll speaks every contact that is online), and how long one that
; was told to quit may take to end, in tenths of a second.
!define START_LIMIT 1200
!define END_LIMIT 150

; Ends every running Skylet through its own Quit command, as a user would from
; the tray menu, and waits until it has ended and its program file is free.
; A Skylet exists while its single-instance mutex does; one that is still in
; its first poll has no main window yet, and gets its Quit once it has one.
; Leaves 1 in $0 when no Skylet runs any more, 0 when one still does.
!macro DEFINE_QUIT_SKYLET prefix
Function ${prefix}SkyletRuns
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Local\Skylet.Instance") p .r0'
  ${If} $0 P<> 0
    System::Call 'kernel32::CloseHandle(p r0)'
    StrCpy $0 1
  ${Else}
    StrCpy $0 0
  ${EndIf}
FunctionEnd

; Sends Quit to every main window of Skylet; leaves in $3 how many there were.
Function ${prefix}SendQuit
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

Function ${prefix}QuitSkylet
  StrCpy $5 0 ; tenths waited for a main window
  StrCpy $6 0 ; tenths waited since the last Quit
  ${Do}
    Call ${prefix}SkyletRuns
    ${If} $0 = 0
      ${Break}
    ${EndIf}
    ${If} $6 = 0
      Call ${prefix}SendQuit
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
Function ${prefix}StopSkyletOrAbort
  ${Do}
    Call ${prefix}QuitSkylet
    ${If} $0 = 1
      Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Skylet is still running and could not be stopped.$\r$\nQuit it from its icon in the notification area, then choose Retry." /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Abort
  retry:
  ${Loop}
FunctionEnd
!macroend
!insertmacro DEFINE_QUIT_SKYLET ""
!insertmacro DEFINE_QUIT_SKYLET "un."

Section "Skylet"
  SetShellVarContext current
  Call StopSkyletOrAbort
  SetOutPath "$INSTDIR"
  File "/oname=Skylet.exe" "${SKYLET_EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
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

; Removes the automation server's entries under one classes root, when they
; name this copy of the program.
!macro REMOVE_COM_ENTRIES root classes
  ReadRegStr $0 ${root} "${classes}CLSID\${CLSID}\LocalServer32" ""
  ${If} $0 == "$INSTDIR\Skylet.exe"
    DeleteRegKey ${root} "${classes}CLSID\${CLSID}"
    DeleteRegKey ${root} "${classes}${PROGID}"
  ${EndIf}
!macroend

; The user's settings under HKEY_CURRENT_USER\Software\KTRX70352846 stay:
; a user who installs again finds the windows where they were.
Section "Uninstall"
  SetShellVarContext current
  Call un.StopSkyletOrAbort
  Delete "$INSTDIR\Skylet.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Skylet.lnk"

  ReadRegStr $0 HKCU "${RUN_KEY}" "Skylet"
  ${If} $0 == '"$INSTDIR\Skylet.exe"'
    DeleteRegValue HKCU "${RUN_KEY}" "Skylet"
  ${EndIf}
  !insertmacro REMOVE_COM_ENTRIES HKCU "Software\Classes\"
  ; Where the system let the program register for all users too.
  !insertmacro REMOVE_COM_ENTRIES HKCR ""

  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
