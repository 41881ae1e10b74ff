; The Zarnock installer: per user, a Start-menu and an optional desktop shortcut, an uninstaller, silent mode.
; Made by scripts/package.sh:
;   makensis -DVERSION=2.4 -DFILES=<folder of the game's files> -DICON=<zarnock.ico> -DOUTFILE=<setup.exe>
;            [-DSONGS, when the folder holds songs] zarnock.nsi
Unicode true
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define PUBLISHER "Quillmere"
!define WINDOW_CLASS "ZARNOCK"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zarnock"
!define SETTINGS_KEY "Software\Quillmere\Zarnock"
!define SHORTCUT "Zarnock.lnk"

Name "Zarnock ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
; The user's own programs folder: no administrator rights needed. An installed copy is updated where it is.
InstallDir "$LOCALAPPDATA\Programs\Zarnock"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
BrandingText "Zarnock ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Zarnock"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "Zarnock ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\zarnock.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(PlayNow)"
!insertmacro MUI_PAGE_LICENSE "${FILES}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!include "nsis-languages.nsh"

; Files of a running game cannot be replaced or removed: the player is asked to close it first.
!macro WAIT_FOR_GAME_TO_CLOSE un
Function ${un}WaitForGameToClose
  retry:
    FindWindow $0 "${WINDOW_CLASS}"
    StrCmp $0 0 closed
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(GameRunning)" \
        /SD IDCANCEL IDRETRY retry
    Abort
  closed:
FunctionEnd
!macroend
!insertmacro WAIT_FOR_GAME_TO_CLOSE ""
!insertmacro WAIT_FOR_GAME_TO_CLOSE "un."

Function .onInit
  Call WaitForGameToClose
FunctionEnd

Function un.onInit
  Call un.WaitForGameToClose
FunctionEnd

; A copy installed elsewhere before is removed (its settings stay), so that one entry and one copy remain.
Function RemoveCopyElsewhere
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} $0 != $INSTDIR
  ${AndIf} ${FileExists} "$0\Uninstall.exe"
    ExecWait '"$0\Uninstall.exe" /S _?=$0'
    Delete "$0\Uninstall.exe"
    RMDir "$0"
  ${EndIf}
FunctionEnd

Section "Zarnock" SectionGame
  SectionIn RO
  Call RemoveCopyElsewhere
  SetOutPath "$INSTDIR"
  ; The songs play in number order until one is missing: songs of an older version must not linger.
  Delete "$INSTDIR\song*.mid"
  File "${FILES}\zarnock.exe"
  File "${FILES}\cards32.dll"
  File "${FILES}\ZarnockHelp.htm"
  ; The help page in the other languages, where the folder has them
  File /nonfatal "${FILES}\ZarnockHelp.*.htm"
  !ifdef SONGS
    File "${FILES}\song*.mid"
  !endif
  File "${FILES}\README.txt"
  File "${FILES}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The shortcut's working folder is $OUTDIR, the install folder, where the game finds its songs and help.
  CreateShortCut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\zarnock.exe" "" "$INSTDIR\zarnock.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Zarnock"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zarnock.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(DesktopShortcut)" SectionDesktop
  SetOutPath "$INSTDIR"
  CreateShortCut "$DESKTOP\${SHORTCUT}" "$INSTDIR\zarnock.exe" "" "$INSTDIR\zarnock.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionGame} "$(GameDescription)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} "$(DesktopDescription)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
  Delete "$INSTDIR\zarnock.exe"
  Delete "$INSTDIR\cards32.dll"
  Delete "$INSTDIR\ZarnockHelp.htm"
  Delete "$INSTDIR\ZarnockHelp.*.htm"
  Delete "$INSTDIR\song*.mid"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when empty: files the player put there stay.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${SHORTCUT}"
  Delete "$DESKTOP\${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  MessageBox MB_YESNO|MB_ICONQUESTION "$(KeepSettings)" \
      /SD IDYES IDYES keep
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Quillmere"
  keep:
SectionEnd
