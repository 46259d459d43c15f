; The setup program for Windows, for the player alone (no administrator): the program in
; %LOCALAPPDATA%\Programs, a Start-menu entry, a desktop shortcut if wanted, and an entry among
; the installed programs. Its uninstaller removes what was installed, by name, and nothing else.
; Built by scripts/windows-setup from the folder that scripts/windows-pack stages:
;   makensis -DBUILD=<Windows build folder> [-DVERSION=<version>] setup.nsi
Unicode true
; The 32-bit default does not start under a 64-bit Wine.
Target amd64-unicode
; NSIS warns about any output file whose name holds "setup".
!pragma warning disable 9000

; PROJECT_NAME, PROJECT_VERSION, PRODUCT, PUBLISHER, COPYRIGHT, APP_ID and ICON, as
; cmake/windows_program.cmake writes them.
!include "${BUILD}/setup/project.nsh"
; InstallFiles and UninstallFiles: the staged files one by one, as scripts/windows-setup lists them.
!include "${BUILD}/setup/files.nsh"
!ifndef VERSION
  !define VERSION "${PROJECT_VERSION}"
!endif
!define PROGRAM "${PROJECT_NAME}.exe"
!define UNINSTALLER "desinstaller.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_ID}"
!define SHORTCUT "${PRODUCT}.lnk"

!include "MUI2.nsh"
!include "LogicLib.nsh"

Name "${PRODUCT}"
OutFile "${BUILD}/${PROJECT_NAME}-${VERSION}-setup.exe"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Systèmes d'enchères"
; Installed again, by a newer version or the same, it goes where it went before.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_WELCOMEPAGE_TITLE_3LINES
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!define MUI_UNCONFIRMPAGE_TEXT_TOP "Le programme sera enlevé de ce dossier. Vos systèmes, \
  votre dossier Documents\Systèmes d'enchères et le fichier de Vornelle restent tels quels."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileDescription" "Installation de ${PRODUCT}"
VIAddVersionKey /LANG=${LANG_FRENCH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_FRENCH} "LegalCopyright" "${COPYRIGHT}"

; Stops, changing nothing, while the program runs from $INSTDIR, after asking the player to close
; it (silent: at once). Windows refuses to open a DLL that a running program has loaded for
; writing.
!macro STOP_WHILE_PROGRAM_OPEN un
  Function ${un}StopWhileProgramOpen
    ${Do}
      ${IfNot} ${FileExists} "$INSTDIR\Qt6Core.dll"
        Return
      ${EndIf}
      ClearErrors
      FileOpen $0 "$INSTDIR\Qt6Core.dll" a
      ${IfNot} ${Errors}
        FileClose $0
        Return
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} est ouvert.$\r$\n$\r$\n\
        Fermez-le, puis réessayez." /SD IDCANCEL IDRETRY retry
      Abort "${PRODUCT} est ouvert : rien n'a été changé."
      retry:
    ${Loop}
  FunctionEnd
!macroend
!insertmacro STOP_WHILE_PROGRAM_OPEN ""
!insertmacro STOP_WHILE_PROGRAM_OPEN "un."

Section "!${PRODUCT}" program_section
  SectionIn RO
  Call StopWhileProgramOpen
  ; A version already here is removed first, by its own uninstaller and its own list of files.
  ${If} ${FileExists} "$INSTDIR\${UNINSTALLER}"
    ExecWait '"$INSTDIR\${UNINSTALLER}" /S _?=$INSTDIR' $0
    ${If} $0 <> 0
      Abort "La version déjà installée n'a pas pu être enlevée : rien n'a été changé."
    ${EndIf}
  ${EndIf}
  !insertmacro InstallFiles
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  ; Started in its own folder, the program works in Documents\Systèmes d'enchères.
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${program_section} $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Raccourci sur le bureau" desktop_section
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\${SHORTCUT}" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0
SectionEnd

; Folders are removed only when empty: the player may have installed into a folder of his own.
Section "Uninstall"
  Call un.StopWhileProgramOpen
  Delete "$SMPROGRAMS\${SHORTCUT}"
  Delete "$DESKTOP\${SHORTCUT}"
  !insertmacro UninstallFiles
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
