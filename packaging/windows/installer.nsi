; Zentavoro-setup.exe: installs Zentavoro.exe, LlibreriaZentavoro.dll and the carers' help
; for everyone on the computer or for one user, with a Start-menu entry and an uninstaller
; that takes away what was installed and nothing else: the settings file (in the user's
; application data) and the scan files (in the working folder) stay.
;
; makensis -DVERSION=1.0 -DBIN_DIR=<folder of the two files> -DSOURCE_DIR=<source tree>
;          -DOUTFILE=<path of Zentavoro-setup.exe> installer.nsi
;
; Silent: Zentavoro-setup.exe /S [/AllUsers | /CurrentUser] [/D=folder]
;         Uninstall.exe /S

Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!ifndef VERSION | BIN_DIR | SOURCE_DIR | OUTFILE
  !error "VERSION, BIN_DIR, SOURCE_DIR and OUTFILE must be defined"
!endif

!define PRODUCT "Zentavoro"
!define PUBLISHER "Equip Zentavoro"
!define WEBSITE "https://zentavoro.org"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentavoro"
!define PRODUCT_KEY "Software\Zentavoro"
!define UNINSTALLER "Uninstall.exe"
; The folder the Start-menu entry starts the program in, inside the user's documents (the
; public ones for an installation for everyone): scan files are saved there and found
; there by window matching. Program Files is not writable for a standard user.
!define WORK_FOLDER "Zentavoro"
; The program's main window, whatever its title.
!define MAIN_WINDOW_CLASS "ZentavoroForm"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${PRODUCT_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
; The uninstaller finds out by itself where it was installed (un.onInit).
!define MULTIUSER_NOUNINSTALL
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define MUI_ICON "${SOURCE_DIR}\assets\pictures\zentavoro.ico"
!define MUI_UNICON "${SOURCE_DIR}\assets\pictures\zentavoro.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The program's seven languages; the system's own is taken when it is one of them.
!insertmacro MUI_LANGUAGE "Spanish"
;   NSIS has no text of its own for the installation-mode page in two of them.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "Trieu els usuaris"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "Trieu per a quins usuaris voleu instal·lar $(^NameDA)."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP "Trieu si voleu instal·lar $(^NameDA) només per a vós o per a tots els usuaris d'aquest ordinador. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "Instal·lació per a qualsevol usuari d'aquest ordinador"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "Instal·lació només per a mi"
!insertmacro MUI_LANGUAGE "Catalan"
!insertmacro MUI_LANGUAGE "Basque"
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "Escoller os usuarios"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "Escolla para que usuarios quere instalar $(^NameDA)."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP "Escolla se quere instalar $(^NameDA) só para vostede ou para todos os usuarios deste ordenador. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "Instalación para calquera usuario deste ordenador"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "Instalación só para min"
!insertmacro MUI_LANGUAGE "Galician"
!insertmacro MUI_LANGUAGE "Portuguese"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"

LangString RUNNING ${LANG_SPANISH} "Zentavoro está abierto. Ciérrelo y vuelva a intentarlo."
LangString RUNNING ${LANG_CATALAN} "El Zentavoro és obert. Tanqueu-lo i torneu-ho a provar."
LangString RUNNING ${LANG_BASQUE} "Zentavoro irekita dago. Itxi ezazu eta saiatu berriro."
LangString RUNNING ${LANG_GALICIAN} "Zentavoro está aberto. Pécheo e volva tentalo."
LangString RUNNING ${LANG_PORTUGUESE} "O Zentavoro está aberto. Feche-o e tente de novo."
LangString RUNNING ${LANG_ENGLISH} "Zentavoro is running. Close it and try again."
LangString RUNNING ${LANG_FRENCH} "Zentavoro est ouvert. Fermez-le et réessayez."

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} installer"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${PUBLISHER}"

; A running Zentavoro keeps its files open: replacing or removing them would half succeed.
!macro REFUSE_WHILE_RUNNING
  FindWindow $0 "${MAIN_WINDOW_CLASS}"
  ${If} $0 <> 0
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(RUNNING)" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
!macroend

Function .onInit
  ; A folder given with /D= comes first; choosing the mode would replace it.
  StrCpy $1 $INSTDIR
  !insertmacro MULTIUSER_INIT
  ${If} $1 != ""
    StrCpy $INSTDIR $1
  ${EndIf}
  !insertmacro REFUSE_WHILE_RUNNING
FunctionEnd

Function StartProgram
  SetOutPath "$DOCUMENTS\${WORK_FOLDER}"
  Exec '"$INSTDIR\Zentavoro.exe"'
FunctionEnd

Section "Zentavoro" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${BIN_DIR}\Zentavoro.exe"
  File "${BIN_DIR}\LlibreriaZentavoro.dll"
  File "${SOURCE_DIR}\assets\zentavoro.txt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; The entry starts the program in the working folder; made now, kept while it holds
  ; the user's files.
  CreateDirectory "$DOCUMENTS\${WORK_FOLDER}"
  SetOutPath "$DOCUMENTS\${WORK_FOLDER}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Zentavoro.exe" "" "$INSTDIR\Zentavoro.exe" 0 \
    SW_SHOWNORMAL "" "Switch-access pointing aid"

  WriteRegStr SHCTX "${PRODUCT_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Zentavoro.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${WEBSITE}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Installed for everyone when the machine-wide entry names this very folder; otherwise
; for the user who runs it.
Function un.onInit
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
  !insertmacro REFUSE_WHILE_RUNNING
FunctionEnd

Section "Uninstall"
  Delete "$INSTDIR\Zentavoro.exe"
  Delete "$INSTDIR\LlibreriaZentavoro.dll"
  Delete "$INSTDIR\zentavoro.txt"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only when empty: whatever the user put there stays, and so does the folder.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  RMDir "$DOCUMENTS\${WORK_FOLDER}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  DeleteRegKey SHCTX "${PRODUCT_KEY}"
SectionEnd
