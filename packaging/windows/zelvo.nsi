; The Zelvo setup program. Built by scripts/windows-packages.sh:
;   makensis -DVERSION=5.7.0 -DSTAGE=<folder> -DOUTFILE=<setup.exe> zelvo.nsi
; STAGE holds x86\ (ZelvoTool.exe, ZelvoTool-DEU.dll, Zelvo.dll, zelvo.exe,
; zelvo-monitor.exe) and x64\ (Zelvo.dll, zelvo.exe).
;
; The 32-bit programs go to "<common files>\Orvane Systems\Zelvo\" (on
; 64-bit Windows the 32-bit common files folder, where the libraries look
; for the tool), the 64-bit library and host to the 64-bit common files
; folder. The shared data folder is made by the library itself, open to
; every user, and is kept by the uninstaller unless asked for.
;
; Silent: setup.exe /S; uninstall.exe /S [/REMOVEDATA].

Unicode true
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"

!define COMPANY "Orvane Systems"
!define PRODUCT "Zelvo"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define CLASS_KEY "Software\Classes\zvm"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$COMMONFILES32\${COMPANY}\${PRODUCT}"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show
BrandingText "${COMPANY}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${COMPANY}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${COMPANY}"

Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var RemoveData

!macro RequireAdministrator
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_ICONSTOP|MB_OK "${PRODUCT} is set up for every user of this computer, which needs administrator rights. Run this program as an administrator." /SD IDOK
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
!macroend

Function .onInit
  !insertmacro RequireAdministrator
FunctionEnd

Section "Zelvo"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGE}\x86\ZelvoTool.exe"
  File "${STAGE}\x86\ZelvoTool-DEU.dll"
  File "${STAGE}\x86\Zelvo.dll"
  File "${STAGE}\x86\zelvo.exe"
  File "${STAGE}\x86\zelvo-monitor.exe"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ${If} ${RunningX64}
    ${DisableX64FSRedirection}
    SetOutPath "$COMMONFILES64\${COMPANY}\${PRODUCT}"
    File "${STAGE}\x64\Zelvo.dll"
    File "${STAGE}\x64\zelvo.exe"
    ${EnableX64FSRedirection}
  ${EndIf}

  ; The first command makes the data folder as the library always does:
  ; open to every user, with its marker.
  DetailPrint "Making the shared data folder"
  nsExec::ExecToLog '"$INSTDIR\zelvo.exe" REBUILD'
  Pop $0
  ${If} $0 != "0"
    MessageBox MB_ICONEXCLAMATION|MB_OK "The shared data folder could not be made (result $0)." /SD IDOK
    SetErrorLevel 2
  ${EndIf}

  ; zvm: links, for every user.
  WriteRegStr HKLM "${CLASS_KEY}" "" "URL:Zelvo Protocol"
  WriteRegStr HKLM "${CLASS_KEY}" "URL Protocol" ""
  WriteRegStr HKLM "${CLASS_KEY}\Default Icon" "" '"$INSTDIR\ZelvoTool.exe"'
  WriteRegStr HKLM "${CLASS_KEY}\shell\open\command" "" '"$INSTDIR\ZelvoTool.exe" %1'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\ZelvoTool.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  !insertmacro RequireAdministrator
  StrCpy $RemoveData 0
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEDATA" $1
  ${IfNot} ${Errors}
    StrCpy $RemoveData 1
  ${ElseIfNot} ${Silent}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Remove the shared data folder as well? It holds the user profile and the data of every application that uses ${PRODUCT}; keep it if you will install ${PRODUCT} again." IDNO keep
    StrCpy $RemoveData 1
    keep:
  ${EndIf}
FunctionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$INSTDIR\ZelvoTool.exe"
  Delete "$INSTDIR\ZelvoTool-DEU.dll"
  Delete "$INSTDIR\Zelvo.dll"
  Delete "$INSTDIR\zelvo.exe"
  Delete "$INSTDIR\zelvo-monitor.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "$INSTDIR\.."
  ${If} ${RunningX64}
    ${DisableX64FSRedirection}
    Delete "$COMMONFILES64\${COMPANY}\${PRODUCT}\Zelvo.dll"
    Delete "$COMMONFILES64\${COMPANY}\${PRODUCT}\zelvo.exe"
    RMDir "$COMMONFILES64\${COMPANY}\${PRODUCT}"
    RMDir "$COMMONFILES64\${COMPANY}"
    ${EnableX64FSRedirection}
  ${EndIf}
  DeleteRegKey HKLM "${CLASS_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ${If} $RemoveData == 1
    RMDir /r "$APPDATA\${COMPANY}\${PRODUCT}"
    RMDir "$APPDATA\${COMPANY}"
  ${EndIf}
SectionEnd
