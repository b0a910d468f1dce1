/* The companion hook library: seven operations without arguments. What the hooks catch
   is written to the hook mailbox, section "LlibreriaZentavoro" of the settings file.
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

/* The program's wake-up. Called once a report is in the mailbox: on the library's own
   thread (X11) or inside the hook callback (Windows), so it must do no more than post a
   message to the program's user-interface thread. A null listener removes it. */
typedef void (*LzReportListener)(void* context);
LZ_EXPORT void LlibreriaZentavoroOnReport(LzReportListener listener, void* context);

/* Holds the reports back (1) or lets them go on (0): the program reads a mailbox key and
   resets it with no report written between the two. Only across that read and reset. */
LZ_EXPORT void LlibreriaZentavoroHoldReports(int hold);

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
