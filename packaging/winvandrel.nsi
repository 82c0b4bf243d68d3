; The installer of winvandrel.exe. It asks for the folder in which the tagger engine is
; installed and puts winvandrel.exe beside vandrel.exe: into that folder, or into its bin
; folder when the engine lies there (the program then finds the language files in lib).
; It installs for the current user only, so it needs no administrator rights when the
; engine folder is writable: the uninstall entry lies under HKCU and the shortcut in the
; user's Start menu. The uninstaller removes exactly these files and entries.
;
; The build defines VERSION, PROGRAM (the stripped winvandrel.exe), LICENSE, ICON and OUTFILE:
;   makensis -DVERSION=1.0.0 -DPROGRAM=... -DLICENSE=... -DICON=... -DOUTFILE=... winvandrel.nsi
;
; Exit codes in silent mode (/S /D=<engine folder>): 0 installed; 2 no vandrel.exe in the
; folder nor in its bin folder; 3 the folder cannot be written; 4 not a 64-bit Windows.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh

!define PRODUCT "winvandrel"
!define COMPANY "the winvandrel developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\winvandrel"
!define UNINSTALLER "winvandrel-uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\winvandrel.lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Vandrel"
; A new installation starts from the engine folder of the last one.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "EngineFolder"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${COMPANY}, MIT License"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"

; The folder winvandrel.exe goes into: the engine folder or its bin folder.
Var ProgramFolder

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "This installs winvandrel ${VERSION}, the Windows window of the \
  vandrel part-of-speech tagger.$\r$\n$\r$\nThe tagger engine (vandrel.exe and its language \
  files) must already be installed: winvandrel is installed into the engine's folder.$\r$\n$\r$\n\
  Click Next to continue."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!define MUI_DIRECTORYPAGE_TEXT_TOP "Choose the folder in which the tagger engine is installed: \
  the folder that holds vandrel.exe, or the folder whose bin folder holds it. winvandrel.exe \
  is installed beside vandrel.exe."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "Engine folder"
!define MUI_PAGE_HEADER_TEXT "Engine Folder"
!define MUI_PAGE_HEADER_SUBTEXT "Choose the folder of the tagger engine vandrel.exe."
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE EngineFolderLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$ProgramFolder\winvandrel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start winvandrel"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Sets $ProgramFolder to where vandrel.exe lies under $INSTDIR, or to "" when it lies nowhere.
Function FindEngine
  StrCpy $ProgramFolder ""
  ${If} ${FileExists} "$INSTDIR\bin\vandrel.exe"
    StrCpy $ProgramFolder "$INSTDIR\bin"
  ${ElseIf} ${FileExists} "$INSTDIR\vandrel.exe"
    StrCpy $ProgramFolder "$INSTDIR"
  ${EndIf}
FunctionEnd

; Pushes 1 when the current user can create files in $ProgramFolder, else 0.
Function CanWriteProgramFolder
  ClearErrors
  FileOpen $0 "$ProgramFolder\winvandrel-setup-check.tmp" w
  ${If} ${Errors}
    Push 0
  ${Else}
    FileClose $0
    Delete "$ProgramFolder\winvandrel-setup-check.tmp"
    Push 1
  ${EndIf}
FunctionEnd

Function .onInit
  SetRegView 64
  ${IfNot} ${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP "winvandrel needs a 64-bit Windows." /SD IDOK
    SetErrorLevel 4
    Quit
  ${EndIf}
  ; Silent installations skip the folder page: check the folder given with /D here.
  ${If} ${Silent}
    Call FindEngine
    ${If} $ProgramFolder == ""
      SetErrorLevel 2
      Quit
    ${EndIf}
    Call CanWriteProgramFolder
    Pop $0
    ${If} $0 == 0
      SetErrorLevel 3
      Quit
    ${EndIf}
  ${EndIf}
FunctionEnd

Function EngineFolderLeave
  Call FindEngine
  ${If} $ProgramFolder == ""
    MessageBox MB_OK|MB_ICONEXCLAMATION "The tagger engine is not in this folder: there is no \
      vandrel.exe in$\r$\n$INSTDIR$\r$\nnor in its bin folder.$\r$\n$\r$\nChoose the folder in \
      which the engine is installed."
    Abort
  ${EndIf}
  Call CanWriteProgramFolder
  Pop $0
  ${If} $0 == 0
    MessageBox MB_OK|MB_ICONEXCLAMATION "You cannot write to the folder$\r$\n$ProgramFolder$\r$\n\
      $\r$\nStart the installer with Run as administrator, or install the engine in a folder of \
      your own."
    Abort
  ${EndIf}
FunctionEnd

Section "winvandrel"
  SetOutPath "$ProgramFolder"
  File "/oname=winvandrel.exe" "${PROGRAM}"
  WriteUninstaller "$ProgramFolder\${UNINSTALLER}"

  SetShellVarContext current
  CreateShortcut "${SHORTCUT}" "$ProgramFolder\winvandrel.exe" "" \
    "$ProgramFolder\winvandrel.exe" 0 SW_SHOWNORMAL "" "winvandrel ${VERSION}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$ProgramFolder\winvandrel.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$ProgramFolder"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "EngineFolder" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$ProgramFolder\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$ProgramFolder\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$ProgramFolder" "/M=winvandrel*.exe /S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

; The uninstaller lies beside winvandrel.exe, so $INSTDIR is the folder it was installed into.
Section "Uninstall"
  ClearErrors
  Delete "$INSTDIR\winvandrel.exe"
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONEXCLAMATION "winvandrel.exe cannot be removed from$\r$\n$INSTDIR$\r$\n\
      $\r$\nClose winvandrel and uninstall again." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  Delete "$INSTDIR\${UNINSTALLER}"

  ; The shortcut and the entry belong to the last installation; an older one in another
  ; engine folder leaves them to it.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == "$INSTDIR"
    SetShellVarContext current
    Delete "${SHORTCUT}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ${EndIf}
SectionEnd
