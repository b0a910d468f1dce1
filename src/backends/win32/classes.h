#pragma once
// The window classes of the binding.

#include <windows.h>

namespace zv::win32 {

inline const wchar_t* const kFormClass = L"ZentavoroForm";
inline const wchar_t* const kPanelClass = L"ZentavoroPanel";
inline const wchar_t* const kImageClass = L"ZentavoroImage";
inline const wchar_t* const kShapeClass = L"ZentavoroShape";

void registerControlClasses(HINSTANCE instance);

}  // namespace zv::win32
