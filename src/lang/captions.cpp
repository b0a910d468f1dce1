// The caption tables are written in UTF-8 here for legibility and turned into code page
// 1252 once, when first used. Every text is kept letter for letter, trailing blanks and
// double blanks included.

#include "lang/captions.h"

#include "platform/text.h"

namespace zv::lang {

namespace {

using Column = std::array<const char*, kTranslatedEntries>;

const Column kCatalan = {
    "&Llengua", "&Fitxer", "&Nou", "&Obrir...", "&Guardar...", "Gra&var", "Pa&rar gravació", "&Executar", "&Parar",
    "P&arlant de...", "&Sortir", "&Opcions", "En gravació, fer &clic real", "En execució, buscar &fitxer d'escaneig",
    "Escaneig &dirigit, clic dret, Tab, +, o teclat (0..9,A..Z)",
    "Clic automàtic a l'accedir amb teclat (0,1...9, A..Z)", "Enviar Tabs i Return",
    "Activar quadre de seguiment del mouse", "Color", "Grandària", "Petit", "Mitjà", "Gran", "Escollir grandària",
    "En escaneig fer sonar un Beep", "Clic prement qualsevol tecla"};

const Column kSpanish = {
    "&Lenguaje", "&Archivo", "&Nuevo", "&Abrir...", "&Guardar...", "Gra&bar", "Pa&rar grabación", "&Ejecutar",
    "&Parar", "A&cerca de...", "&Salir", "&Opciones", "En grabación, hacer &clic real",
    "En ejecución, buscar &fichero de barrido", "Barrido &dirigido, clic derecho, Tab, +, o teclado (0..9,A..Z)",
    "Clic automático al acceder por teclado (0,1...9, A..Z)", "Enviar Tabs y Return", "Activar cuadro seguimiento mouse",
    "Color", "Tamaño", "Pequeño", "Mediano", "Grande", "Escoger tamaño", "En barrido hacer sonar un Beep",
    "Clic pulsando cualquier tecla"};

const Column kBasque = {
    "&Hizkuntza", "&Artxiboa", "&Berria", "&Ireki...", "G&orde...", "Gra&batu", "&Grabaketa geldi", "&Eragin",
    "Ge&ldi", "&Zeri buruz...", "I&rten", "A&ukerak", "Grabaketan, egiazko &klik egin",
    "Dabilenean, bilatu &fitxategiko ekorketa",
    "Ekorketa z&uzendua, eskuineko klikarenbidez, Tab, +, edo teklatua (0..9,A..Z)",
    "Klik automatikoateklatutik sartzekotan (0,1...9, A..Z)", "Tabs eta Return bidali",
    "Aktibatu  saguaren jarraipenerako koadroa", "Color", "Tamaño", "Pequeño", "Mediano", "Grande", "Escoger tamaño",
    "En barrido hacer sonar un Beep", "Clic pulsando cualquier tecla"};

const Column kGalician = {
    "&Linguaxe", "&Arquivo", "&Novo", "&Abrir...", "&Gardar...", "Gra&vr", "Pa&rar gravación", "&Executar", "&Parar",
    "A&cerca de...", "&Saír", "&Opción", "En gravación, facer &clic real", "En execución, buscar &arquivo de varrido",
    "Varrido &dirixido, clic dereito, Tab, +, ou teclado (0..9, A..Z)",
    "Clic automático ó acceder por teclado (0,1...9, A..Z)", "Enviar Tabs e Return", "Activar cadro seguemento rato",
    "Color", "Tamaño", "Pequeño", "Mediano", "Grande", "Escoger tamaño", "En barrido hacer sonar un Beep",
    "Clic pulsando cualquier tecla"};

const Column kPortuguese = {
    "&Linguagem", "&Ficheiro", "&Novo", "&Abrir...", "&Salvar...", "Gra&var", "Pa&rar gravação", "&Executar",
    "&Parar", "C&erca de...", "&Sair", "&Opções ", "En gravação, fazer &clique real",
    "En execução, buscar &ficheiro de varrido", "Varrido &dirigido, clique direito, Tab, +, ou teclado (0..9,A..Z)",
    "Clique automático quando aceder por teclado (0,1...9, A..Z)", "Enviar Tabs e Return",
    "Activar quadro de seguimiento do rato", "Color", "Tamaño", "Pequeño", "Mediano", "Grande", "Escoger tamaño",
    "En barrido hacer sonar un Beep", "Clic pulsando cualquier tecla"};

const Column kEnglish = {
    "&Language", "&File", "&New", "&Open...", "&Save...", "&Record", "S&top recording", "&Execute", "&Stop",
    "&About...", "&Exit", "&Options", "On recording, make real &click", "On executing, search for scanning &file",
    "&Manual scanning, right click, Tab, +, or keyboard (0..9,A..Z)",
    "Automatic click when accessing by means of keyboard (0,1...9, A..Z)", "Send Tabs and Return",
    "Activate mouse following box", "Color", "Size", "Small", "Medium", "Big", "Escoger tamaño",
    "En barrido hacer sonar un Beep", "Clic pulsando cualquier tecla"};

const Column kFrench = {
    "&Langue", "&Fichier", "&Nouveau", "&Ouvrir...", "&Sauvegarder...", "Enre&gistrer", "Arrê&ter l'enregistrement",
    "&Exécuter", "&Arrêter", "&A propos de...", "&Quitter", "&Options", "En ejecucion, hacer &clic real",
    "Lors de l'exécution d'un programme, rechercher &le fichier de balayage",
    "Balayage &manuel, clic droit, Tab, +, ou clavier (0..9,A..Z)",
    "Clic automatique en accédant via le clavier (0,1...9, A..Z)", "Envoyer Tabs et Retour",
    "Activer le cadre de suivi de la souris", "Couleur", "Taille", "Petite", "Moyenne", "Grande", "Choisir la taille",
    "Lors du balayage, faire sonner un beep", "Clic en appuyant sur n'importe quelle touche"};

// Catalan, Spanish, Basque, Galician, Portuguese, English, French. The access letters stay
// clear of the other entries of the same menu in each language.
struct MoreRow {
    const char* name;
    const char* texts[LanguageCount];
};
const MoreRow kMore[] = {
    {"menuMoreOptions",
     {"&Més opcions", "&Más opciones", "Aukera &gehiago", "&Máis opcións", "&Mais opções", "M&ore options",
      "&Plus d'options"}},
    {"menuPointsFollowTheirWindow",
     {"Els punts segueixen la seva finestra", "Los puntos siguen a su ventana", "Puntuek beren leihoari jarraitzen diote",
      "Os puntos seguen a súa xanela", "Os pontos seguem a sua janela", "Points follow their window",
      "Les points suivent leur fenêtre"}},
    {"menuPointScanning",
     {"Escaneig de punt si no hi ha punts", "Barrido de punto si no hay puntos", "Puntu-ekorketa punturik ez badago",
      "Varrido de punto se non hai puntos", "Varrido de ponto se não houver pontos",
      "Point scanning when there are no points", "Balayage de point s'il n'y a pas de points"}},
    {"menuRecordByPointScanning",
     {"Gravar amb escaneig de punt", "Grabar con barrido de punto", "Puntu-ekorketarekin grabatu",
      "Gravar con varrido de punto", "Gravar com varrido de ponto", "Record with point scanning",
      "Enregistrer avec le balayage de point"}},
    {"menuEditPoints",
     {"E&ditar punts...", "E&ditar puntos...", "Puntuak e&ditatu...", "E&ditar puntos...", "E&ditar pontos...",
      "E&dit points...", "&Modifier les points..."}},
    {"menuSayEachPointsName",
     {"Dir el nom de cada punt", "Decir el nombre de cada punto", "Puntu bakoitzaren izena esan",
      "Dicir o nome de cada punto", "Dizer o nome de cada ponto", "Say each point's name",
      "Dire le nom de chaque point"}},
    {"menuWaitUntilSaid",
     {"Esperar que acabi de parlar", "Esperar a que termine de hablar", "Itxaron hitz egiten amaitu arte",
      "Agardar a que remate de falar", "Esperar que termine de falar", "Wait until it has finished speaking",
      "Attendre la fin de la parole"}},
    {"menuGroupScanning",
     {"Escaneig per grups", "Barrido por grupos", "Taldekako ekorketa", "Varrido por grupos", "Varrido por grupos",
      "Group scanning", "Balayage par groupes"}},
    {"menuScanTiming",
     {"Temps de l'escaneig...", "Tiempos del barrido...", "Ekorketaren denborak...", "Tempos do varrido...",
      "Tempos do varrido...", "Scanning times...", "Temps du balayage..."}},
    {"menuCheckPointBeforeClick",
     {"Comprovar el punt abans del clic", "Comprobar el punto antes del clic", "Egiaztatu puntua klik egin aurretik",
      "Comprobar o punto antes do clic", "Verificar o ponto antes do clique", "Check the point before clicking",
      "Vérifier le point avant le clic"}},
};

const MoreRow kTimingDialog[] = {
    {"ScanTimingDialog",
     {"Temps de l'escaneig", "Tiempos del barrido", "Ekorketaren denborak", "Tempos do varrido", "Tempos do varrido",
      "Scanning times", "Temps du balayage"}},
    {"labelFirstItemPause",
     {"Pausa al primer element (dècimes de segon)", "Pausa en el primer elemento (décimas de segundo)",
      "Lehen elementuko etenaldia (segundo hamarrenak)", "Pausa no primeiro elemento (décimas de segundo)",
      "Pausa no primeiro elemento (décimas de segundo)", "Pause on the first item (tenths of a second)",
      "Pause sur le premier élément (dixièmes de seconde)"}},
    {"labelRoundsBeforeWait",
     {"Voltes sense prémer abans d'esperar (0: mai)", "Vueltas sin pulsar antes de esperar (0: nunca)",
      "Sakatu gabeko bueltak itxaron aurretik (0: inoiz ez)", "Voltas sen premer antes de esperar (0: nunca)",
      "Voltas sem premir antes de esperar (0: nunca)", "Rounds without a press before waiting (0: never)",
      "Tours sans appui avant d'attendre (0 : jamais)"}},
    {"buttonOk", {"D'acord", "Aceptar", "Ados", "Aceptar", "OK", "OK", "OK"}},
};

// The point editor's field for a point's name and its button. The access letters stay
// clear of the editor's other buttons (P, C, A, B, S, J, D, E).
const MoreRow kPointEditor[] = {
    {"labelName", {"&Nom:", "&Nombre:", "&Izena:", "&Nome:", "&Nome:", "&Name:", "&Nom :"}},
    {"buttonRename",
     {"&Reanomenar", "&Renombrar", "Izena a&ldatu", "&Renomear", "&Renomear", "&Rename", "&Renommer"}},
};

const Column* const kColumns[LanguageCount] = {&kCatalan, &kSpanish, &kBasque, &kGalician, &kPortuguese, &kEnglish, &kFrench};

const char* const kTags[LanguageCount] = {"ca", "es", "eu", "gl", "pt", "en", "fr"};

const char* const kSettingsValues[LanguageCount] = {"Català", "Castellà", "Euskera", "Galego", "Portugues", "English", "Frances"};

}  // namespace

const std::array<const char*, kTranslatedEntries>& translatedEntries() {
    static const std::array<const char*, kTranslatedEntries> names = {
        "MenuLlengua", "MenuArchivo", "MenuNuevo", "MenuAbrir", "MenuGuardar", "MenuGrabar", "MenuPararGrabacion",
        "MenuEjecutar", "MenuParar", "MenuAcercaDe", "MenuSalir", "MenuOpciones", "MenuEnGrabacinHacerClicReal",
        "MenuEnEjecucinBuscarFicheroDeBarrido", "MenuBarridoDirigido", "MenuClicAutomticoAlAccederPorTeclado",
        "MenuEnviarTabsYReturn", "MenuActivarQuadroSeguimientoMouse", "MenuColor", "MenuTamanyo", "MenuPequenyo",
        "MenuMediano", "MenuGrande", "MenuEscogerTamanyo", "MenuEnEscaneigFerSonarUnBeep", "MenuQualsevolTecla"};
    return names;
}

const std::array<std::string, kTranslatedEntries>& captions(Language language) {
    static const auto tables = [] {
        std::array<std::array<std::string, kTranslatedEntries>, LanguageCount> out;
        for (int l = 0; l < LanguageCount; ++l)
            for (int i = 0; i < kTranslatedEntries; ++i) out[l][i] = utf8ToCp1252((*kColumns[l])[i]);
        return out;
    }();
    return tables[language];
}

namespace {
template <size_t N>
std::vector<MoreEntry> converted(const MoreRow (&rows)[N]) {
    std::vector<MoreEntry> out;
    for (const MoreRow& row : rows) {
        MoreEntry e{row.name, {}};
        for (int l = 0; l < LanguageCount; ++l) e.captions[l] = utf8ToCp1252(row.texts[l]);
        out.push_back(e);
    }
    return out;
}
}  // namespace

const std::vector<MoreEntry>& moreEntries() {
    static const auto entries = converted(kMore);
    return entries;
}

const std::vector<MoreEntry>& timingDialogTexts() {
    static const auto entries = converted(kTimingDialog);
    return entries;
}

const std::vector<MoreEntry>& pointEditorTexts() {
    static const auto entries = converted(kPointEditor);
    return entries;
}

std::string settingsValue(Language language) { return utf8ToCp1252(kSettingsValues[language]); }

int restoredLanguage(const std::string& storedValue) {
    for (Language l : {Catalan, Basque, Galician, Portuguese, English, French})
        if (storedValue == settingsValue(l)) return l;
    return -1;
}

const char* languageTag(Language language) { return kTags[language]; }

}  // namespace zv::lang
