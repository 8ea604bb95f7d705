; The Windows installer: for every user of the machine, with a Start-menu entry and an entry in
; the system's list of installed programs that runs the uninstaller. /S installs silently.
; makensis -DVERSION=… -DPROGRAM=<vellora.exe> -DQTBASE_DE=<qtbase_de.qm> -DQTBASE_FR=…
;          -DQTBASE_ES=… -DQTBASE_PT_BR=… -DICON=<vellora.ico> -DOUTFILE=<setup.exe>
; A 64-bit installer for the 64-bit program (and for Wine without its 32-bit half).
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vellora"

Name "Vellora ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Vellora"
RequestExecutionLevel admin
BrandingText "Vellora ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Vellora"
VIAddVersionKey /LANG=1033 "CompanyName" "Orvantix"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright 2026 Orvantix"
VIAddVersionKey /LANG=1033 "FileDescription" "Vellora ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\vellora.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Vellora"
    SetOutPath "$INSTDIR"
    File "/oname=vellora.exe" "${PROGRAM}"
    ; Qt's own catalogues for the program's languages, in the folder the program looks in.
    SetOutPath "$INSTDIR\translations"
    File "/oname=qtbase_de.qm" "${QTBASE_DE}"
    File "/oname=qtbase_fr.qm" "${QTBASE_FR}"
    File "/oname=qtbase_es.qm" "${QTBASE_ES}"
    File "/oname=qtbase_pt_BR.qm" "${QTBASE_PT_BR}"
    ; The Start-menu entry starts in the program's folder.
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Vellora.lnk" "$INSTDIR\vellora.exe" "" "$INSTDIR\vellora.exe" 0 \
        SW_SHOWNORMAL "" "Four personal-health calculators in one window"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vellora ${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Orvantix"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vellora.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize 0 $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

; Each user's own remembered date (under HKCU) stays: the uninstaller runs as one user only.
Section "Uninstall"
    Delete "$SMPROGRAMS\Vellora.lnk"
    Delete "$INSTDIR\vellora.exe"
    Delete "$INSTDIR\translations\qtbase_de.qm"
    Delete "$INSTDIR\translations\qtbase_fr.qm"
    Delete "$INSTDIR\translations\qtbase_es.qm"
    Delete "$INSTDIR\translations\qtbase_pt_BR.qm"
    RMDir "$INSTDIR\translations"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
