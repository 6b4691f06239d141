; Included at the top of the installer's script. Qt, which the program is
; built on, needs Windows 10 version 1809 (build 17763) or later: on an older
; Windows the installer says so and ends, with status 2 and nothing
; installed. Asked before the first page, and again before the first file
; for a silent install, which shows no pages.
!include WinVer.nsh

Function RefuseOlderWindows
  ${IfNot} ${AtLeastBuild} 17763
    MessageBox MB_OK|MB_ICONSTOP "Куриерски фирми работи на Windows 10 версия 1809 или по-нова.$\n$\nCourier Firms needs Windows 10 version 1809 or later." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

!define MUI_CUSTOMFUNCTION_GUIINIT RefuseOlderWindows

; Defined before the installer's own section, so it runs first.
Section "-RefuseOlderWindows"
  Call RefuseOlderWindows
SectionEnd
