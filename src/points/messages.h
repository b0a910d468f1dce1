#pragma once
// The texts of the message boxes (Spanish in every interface language).

#include <string>

#include "platform/write_result.h"

namespace zv::messages {

inline constexpr const char* kCannotOpen = "No puedo abrir el archivo";
inline constexpr const char* kNotOurFile = "No archivo es un del programa, Zentavoro";
inline constexpr const char* kBadLabel = "La segunda l\xEDnea debe poner: Numero de puntos = (n\xFA" "mero entero)";
inline constexpr const char* kCountNotPositive =
    "La segunda l\xEDnea debe poner en el n\xFA" "mero de puntos un n\xFA" "mero entero mayor que 0";
inline constexpr const char* kBadPoints = "Los puntos son incorrectos";
inline constexpr const char* kCannotWrite =
    "Problemas en la grabaci\xF3n a disco. No se ha podido guardar el archivo. Verifique sus unidades de disco.";
// Why a file could not be written, as the user can act on it.
inline std::string whyNotWritten(const WriteResult& result) {
    switch (result.failure) {
        case WriteFailure::DiskFull: return "El disco est\xE1 lleno.";
        case WriteFailure::NoPermission: return "El archivo es de s\xF3lo lectura o no hay permiso para escribir en su carpeta.";
        case WriteFailure::NoFolder: return "La carpeta no existe.";
        case WriteFailure::RefusedName: return "El sistema no acepta este nombre de archivo.";
        case WriteFailure::Other: return "Error del sistema: " + result.detail;
        case WriteFailure::None: break;
    }
    return {};
}

// The message of a failed save: what the user always read, then the file and the reason.
inline std::string cannotWrite(const std::string& file, const WriteResult& result) {
    return std::string(kCannotWrite) + "\n\n" + file + "\n" + whyNotWritten(result);
}

// Scanning goes on with a beep at each step in place of the name.
inline constexpr const char* kNoSpeech =
    "No se pueden decir los nombres de los puntos: no hay ning\xFAn servicio de voz que funcione. "
    "El barrido sigue con un pitido en cada punto.";
inline constexpr const char* kNoPoints = "No hay puntos definidos para esta ventana. Grabe o abra un archivo Zentavoro";

}  // namespace zv::messages
