; The Varnick installer for Windows: a per-user install that needs no
; administrator rights, a Start-menu shortcut, and an uninstaller listed in
; Apps & features. Built by scripts/build-windows-app.sh:
;
;   makensis -DVERSION=1.0.1 -DSTAGING=<staged folder> -DFILES=<file list>
;            -DOUTFILE=<setup.exe> packaging/windows/varnick.nsi
;
; FILES is an include file the build script writes from the staged folder:
; one "File" line per file for the install and one "Delete" line per file for
; the uninstall, so the uninstaller removes exactly what was installed and
; never a file the player put beside it.
;
; Silent install: Varnick-<version>-setup.exe /S [/D=<folder>]
; Silent uninstall: "<folder>\Uninstall.exe" /S

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Varnick"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnick"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
; %LOCALAPPDATA%\Programs is where per-user programs go; a player can choose
; another folder on the directory page or with /D=.
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "LegalCopyright" "The Varnick developers"

!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\varnick.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Varnick"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGING}\licences\Varnick.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Varnick" SecProgram
    SectionIn RO
    SetShellVarContext current

    ; An earlier version is removed first (its own uninstaller, waited for),
    ; so no file of it that this version no longer has stays behind.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\Uninstall.exe"
        ExecWait '"$0\Uninstall.exe" /S _?=$0'
        Delete "$0\Uninstall.exe"
        RMDir "$0"
    ${EndIf}

    SetOutPath "$INSTDIR"
    !define VARNICK_INSTALL
    !include "${FILES}"
    !undef VARNICK_INSTALL
    SetOutPath "$INSTDIR"

    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\varnick.exe" "" "$INSTDIR\varnick.exe" 0 \
        SW_SHOWNORMAL "" "Browse and edit your downloaded Sims 2 objects"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Varnick developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\varnick.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"

    !define VARNICK_UNINSTALL
    !include "${FILES}"
    !undef VARNICK_UNINSTALL
    ; What the program itself writes beside itself: its scratch folder and its
    ; logs. The settings and the per-user data folder (the backups of edited
    ; packages among them) stay; they belong to the player.
    RMDir /r "$INSTDIR\temp"
    Delete "$INSTDIR\errorlog.txt"
    Delete "$INSTDIR\DecompError.log"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"

    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
