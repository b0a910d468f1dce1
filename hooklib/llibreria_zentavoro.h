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

#ifdef __cplusplus
}
#endif

#endif
