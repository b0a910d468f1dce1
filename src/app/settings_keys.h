#pragma once
// Every section and key of the settings file, in code page 1252 bytes. Escapes are split
// from the letters that follow them so that no hexadecimal escape swallows a letter.

#include "platform/mailbox_keys.h"

namespace zv::keys {

inline constexpr const char* kSectionOptions = "Zentavoro";
inline constexpr const char* kSectionLibrary = mailbox_keys::kSection;
inline constexpr const char* kSectionWindow = "Posicio Finestra";

// Section "Zentavoro".
inline constexpr const char* kScanStep = "D\xC8" "CIMES DE SEGON QUE DURA EL PAS D'ESCANEIG";
inline constexpr const char* kClickInterval = "D\xC8" "CIMES DE SEGON QUE DURA L'INTERVAL DE TEMPS ENTRE 2 CLICS";
inline constexpr const char* kSearchScanFile = "CERCAR ARXIU ESCANEIG";
inline constexpr const char* kDirectedScanning = "ESCANEIG DIRIGIT";
inline constexpr const char* kAutoClick = "CLIC AUTOM\xC0" "TIC AL ACCEDIR PER TECLAT";
inline constexpr const char* kTabsAndReturn = "ENVIAR TABS I RETURN";
inline constexpr const char* kTrackingFrame = "QUADRE SEGUIMENT MOUSE";
inline constexpr const char* kBeep = "BEEP";
inline constexpr const char* kAnyKey = "QUALSEVOL TECLA";
inline constexpr const char* kRealClick = "CLIC REAL";
inline constexpr const char* kWaitInterval = "ESPERAR INTERVAL DE TEMPS ENTRE 2 CLICS";
inline constexpr const char* kSwapButtons = "INTERCANVIAR BOTONS DE LA RATA";
inline constexpr const char* kLanguage = "Llengua";
inline constexpr const char* kWindowsVista = "MenuWindowsVista";
// The further options.
inline constexpr const char* kPointsFollowWindow = "PUNTS SEGUEIXEN LA FINESTRA";
inline constexpr const char* kPointScanning = "ESCANEIG DE PUNT";
inline constexpr const char* kGroupScanning = "ESCANEIG PER GRUPS";
// Numbers, 0 for off.
inline constexpr const char* kFirstItemPause = "D\xC8" "CIMES DE SEGON DE PAUSA AL PRIMER ELEMENT";
inline constexpr const char* kRoundsBeforeWait = "VOLTES SENSE PREMER ABANS D'ESPERAR";
inline constexpr const char* kSayPointNames = "DIR EL NOM DE CADA PUNT";
inline constexpr const char* kWaitForSpeech = "ESPERAR QUE ACABI DE PARLAR";
inline constexpr const char* kCheckPointBeforeClick = "COMPROVAR EL PUNT ABANS DEL CLIC";

// Section "LlibreriaZentavoro": the tracking frame and the hook mailbox.
inline constexpr const char* kFrameSize = "GRANDARIA";
inline constexpr const char* kFrameWidth = "GRANDARIAX";
inline constexpr const char* kFrameHeight = "GRANDARIAY";
inline constexpr const char* kColorRead = "Color";
inline constexpr const char* kColorWritten = "COLOR";
inline constexpr const char* kClick = mailbox_keys::kClick;
inline constexpr const char* kKeyboard = mailbox_keys::kKeyboard;
inline constexpr const char* kWindowTitle = mailbox_keys::kWindowTitle;

// Section "Posicio Finestra".
inline constexpr const char* kWidth = "Width";
inline constexpr const char* kHeight = "Height";

// Switch values. "MenuWindowsVista" alone uses the unaccented "SI".
inline constexpr const char* kOn = "S\xCD";
inline constexpr const char* kOff = "NO";
inline constexpr const char* kVistaOn = "SI";

}  // namespace zv::keys
