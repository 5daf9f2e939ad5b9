; Pathnab's Windows installer: per user, no administrator rights, 64-bit Windows only.
;   makensis -DVERSION=1.0.0.1 -DBIN_DIR=... -DOUTFILE=... [-DSIGN=sign.sh] pathnab.nsi
; With SIGN, that command is run on the uninstaller and on the installer once each is written.
; It installs the programs into %LOCALAPPDATA%\Programs\Pathnab, or the folder of the copy
; installed before, adds the Explorer verb "Pathnab" for every file and every folder, and an
; uninstaller that takes all of that away again and leaves the user's settings
; (HKCU\Software\Tallwick\Pathnab) alone. A copy installed before into another folder is
; taken away: one copy stays, the registered one.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define PRODUCT "Pathnab"
!define COMPANY "Tallwick"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define WEB_ADDRESS "https://www.tallwick.example/"
!define PROGRAM "$INSTDIR\pathnab.exe"
; Explorer puts the selected path in place of %1 as it is: Pathnab takes its whole argument
; string as the path, so a quoted "%1" would hand it the quotes too.
!define VERB_COMMAND '"${PROGRAM}" %1'

!include "FileFunc.nsh"
!include "LogicLib.nsh"

!ifdef SIGN
  !uninstfinalize '"${SIGN}" "%1" uninstall.exe'
  !finalize '"${SIGN}" "%1"'
!endif

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${COMPANY}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${COMPANY}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Offered for one selected item only: Explorer would start one window per item, stacked at the
; cursor, for up to fifteen of them.
!macro AddVerb CLASS
  WriteRegStr HKCU "Software\Classes\${CLASS}\shell\${PRODUCT}" "" "${PRODUCT}"
  WriteRegStr HKCU "Software\Classes\${CLASS}\shell\${PRODUCT}" "MultiSelectModel" "Single"
  WriteRegStr HKCU "Software\Classes\${CLASS}\shell\${PRODUCT}" "Icon" '"${PROGRAM}",0'
  WriteRegStr HKCU "Software\Classes\${CLASS}\shell\${PRODUCT}\command" "" '${VERB_COMMAND}'
!macroend

; The class keys are removed too when nothing else is left in them.
!macro RemoveVerb CLASS
  DeleteRegKey HKCU "Software\Classes\${CLASS}\shell\${PRODUCT}"
  DeleteRegKey /ifempty HKCU "Software\Classes\${CLASS}\shell"
  DeleteRegKey /ifempty HKCU "Software\Classes\${CLASS}"
!macroend

!macro RemovePrograms DIR
  Delete "${DIR}\pathnab.exe"
  Delete "${DIR}\pathnab-forms.exe"
  Delete "${DIR}\uninstall.exe"
  RMDir "${DIR}"
!macroend

Section
  ; A copy installed before into another folder goes, so that the one registered is the only one.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} $0 != $INSTDIR
    !insertmacro RemovePrograms $0
  ${EndIf}

  SetOutPath "$INSTDIR"
  File "${BIN_DIR}/pathnab.exe"
  File "${BIN_DIR}/pathnab-forms.exe"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  !insertmacro AddVerb "*"
  !insertmacro AddVerb "Directory"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
  ; Unquoted: Windows takes the text up to the comma as the file.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "${PROGRAM},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${WEB_ADDRESS}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "${WEB_ADDRESS}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section Uninstall
  !insertmacro RemoveVerb "*"
  !insertmacro RemoveVerb "Directory"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  !insertmacro RemovePrograms "$INSTDIR"
SectionEnd
