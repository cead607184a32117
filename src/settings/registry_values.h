// One setting as one REG_DWORD value of an open key.
#pragma once

#include "platform/win32.h"

void get_reg_int(HKEY hKey, const char *subkey, int *val);
LSTATUS set_reg_int(HKEY hKey, const char *subkey, DWORD val);
