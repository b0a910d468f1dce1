#pragma once
// The texts of the message boxes (Spanish in every interface language).

namespace zv::messages {

inline constexpr const char* kCannotOpen = "No puedo abrir el archivo";
inline constexpr const char* kNotOurFile = "No archivo es un del programa, Zentavoro";
inline constexpr const char* kBadLabel = "La segunda l\xEDnea debe poner: Numero de puntos = (n\xFA" "mero entero)";
inline constexpr const char* kCountNotPositive =
    "La segunda l\xEDnea debe poner en el n\xFA" "mero de puntos un n\xFA" "mero entero mayor que 0";
inline constexpr const char* kBadPoints = "Los puntos son incorrectos";
inline constexpr const char* kCannotWrite =
    "Problemas en la grabaci\xF3n a disco. No se ha podido guardar el archivo. Verifique sus unidades de disco.";
// Scanning goes on with a beep at each step in place of the name.
inline constexpr const char* kNoSpeech =
    "No se pueden decir los nombres de los puntos: no hay ning\xFAn servicio de voz que funcione. "
    "El barrido sigue con un pitido en cada punto.";
inline constexpr const char* kNoPoints = "No hay puntos definidos para esta ventana. Grabe o abra un archivo Zentavoro";

}  // namespace zv::messages
