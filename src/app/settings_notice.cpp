// The settings file cannot be written: the program says so once, naming the file and the
// reason, and goes on with its settings in memory. Never while the user scans or records:
// a message box in front of the application would take the place of what the switch clicks.
#include "app/settings_notice.h"

#include "app/form_principal.h"
#include "widgets/application.h"

namespace zv {

namespace {

const char* reason(ProfileWriteError why) {
    switch (why) {
    case ProfileWriteError::ReadOnlyFile:
        return "el archivo es de solo lectura";
    case ProfileWriteError::ReadOnlyDisk:
        return "el disco es de solo lectura";
    case ProfileWriteError::NoPermission:
        return "no hay permiso para escribir en su carpeta";
    case ProfileWriteError::DiskFull:
        return "el disco est\xE1 lleno";
    case ProfileWriteError::NoFolder:
        return "su carpeta no existe y no se puede crear";
    case ProfileWriteError::TooLarge:
        return "el archivo es demasiado grande";
    case ProfileWriteError::Unreadable:
        return "el archivo no se puede leer";
    case ProfileWriteError::NoError:
    case ProfileWriteError::Other:
        break;
    }
    return "error de escritura";
}

}  // namespace

std::string settingsUnwritableMessage(const std::string& file, ProfileWriteError why) {
    return "No se puede guardar la configuraci\xF3n en el archivo " + file + ": " + reason(why) +
           ". Zentavoro sigue funcionando con la configuraci\xF3n en memoria, pero las opciones que cambie no se "
           "guardar\xE1n.";
}

void FormPrincipal::settingsUnwritable(const std::string& file, ProfileWriteError why) {
    settingsNotice = settingsUnwritableMessage(file, why);
    app().afterHandlers([this] { tellSettingsNotice(); });
}

void FormPrincipal::tellSettingsNotice() {
    if (!settingsNotice || MenuParar.enabled() || MenuPararGrabacion.enabled()) return;
    const std::string text = std::move(*settingsNotice);
    settingsNotice.reset();
    showInfo(text);
}

}  // namespace zv
