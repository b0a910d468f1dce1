/* The companion hook library: seven operations without arguments. What the hooks catch is
   handed to the program that loaded the library, in memory (LlibreriaZentavoroTakeReport):
   never through a file, so that the switch works whatever becomes of the settings file, and
   what the user types is never written anywhere.
   Built as LlibreriaZentavoro.dll on Windows and libLlibreriaZentavoro.so on X11. */
#ifndef LLIBRERIA_ZENTAVORO_H
#define LLIBRERIA_ZENTAVORO_H

#if defined(_WIN32)
#  if defined(LLIBRERIA_ZENTAVORO_BUILD)
#    define LZ_EXPORT __declspec(dllexport)
#  else
#    define LZ_EXPORT __declspec(dllimport)
#  endif
#else
#  define LZ_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

LZ_EXPORT void SetHookExecucio(void);
LZ_EXPORT void SetHookGrabacio(void);
LZ_EXPORT void UnHookHook(void);
LZ_EXPORT void SetHookKeyboard(void);
LZ_EXPORT void SetHookQualsevolTecla(void);
LZ_EXPORT void UnHookKeyboard(void);
LZ_EXPORT void UnHookQualsevolTecla(void);

/* Beyond the seven operations: what the program that links the library in needs of it. */

/* The program's wake-up. Called once a report is waiting: on the library's own
   thread (X11) or inside the hook callback (Windows), so it must do no more than post a
   message to the program's user-interface thread. A null listener removes it. */
typedef void (*LzReportListener)(void* context);
LZ_EXPORT void LlibreriaZentavoroOnReport(LzReportListener listener, void* context);

/* What the hooks caught. */
#define LZ_REPORT_CLICK 1 /* value 1: the switch (left button, or a key under the any-key hook); 2: right button */
#define LZ_REPORT_KEY 2   /* value: the virtual-key code of a key the keyboard hook heard */
#define LZ_TITLE_BYTES 256
typedef struct LzReport {
    int kind;
    int value;
    /* When the input happened, in the program's tick count: GetTickCount's milliseconds on
       Windows, CLOCK_MONOTONIC's milliseconds (wrapping at 32 bits) on X11. */
    unsigned int time;
    /* A press under the recording hook carries the title (code page 1252, NUL-terminated)
       of the top-level window under the pointer; other reports have none. */
    int hasTitle;
    char title[LZ_TITLE_BYTES];
} LzReport;

/* Takes the oldest report not taken yet into *report: 1 when there was one, else 0.
   Reports wait in order until taken; the library keeps the newest 256. */
LZ_EXPORT int LlibreriaZentavoroTakeReport(LzReport* report);

#if defined(_WIN32)
/* The extra information that the mouse and key events the program synthesises carry:
   the hooks let them through unreported. Input other programs synthesise is the user's. */
#  define LZ_OWN_INPUT_SIGNATURE 0x5A454E54u /* "ZENT" */
#else
/* The program is about to synthesise one event with XTest: a button (1 to 5) or a key
   (an X keycode), pressed or released. The hooks skip exactly that event when it comes
   back, and the any-key hook lets it through to the application. Input other programs
   synthesise is the user's. */
LZ_EXPORT void LlibreriaZentavoroOwnButton(unsigned button, int pressed);
LZ_EXPORT void LlibreriaZentavoroOwnKey(unsigned keycode, int pressed);
#endif

#ifdef __cplusplus
}
#endif

#endif
