// Short forms of the registry calls the tests repeat, in Win32 calls alone.
#pragma once

#include "platform/win32.h"

#include <vector>

// Creates (or opens) the key below HKEY_CURRENT_USER with full access.
HKEY create_key(const char *path, DWORD *disposition = nullptr);

void set_bytes(HKEY key, const char *name, DWORD type, const std::vector<BYTE> &data);

// The value's type and bytes, read with a buffer of exactly its size.
std::vector<BYTE> query_bytes(HKEY key, const char *name, DWORD *type);
