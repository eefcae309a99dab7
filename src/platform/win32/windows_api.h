#pragma once
// windows.h without the macros that would rename the ports' own members
// (FileSystem::CopyFile would become CopyFileA). Every file of this folder
// includes the API through here and calls the wide functions by name.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef CopyFile
#undef DeleteFile
#undef RemoveDirectory
#undef SetCurrentDirectory
#undef CreateDirectory
#undef GetCurrentDirectory
#undef MoveFile
