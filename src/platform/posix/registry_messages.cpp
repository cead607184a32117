// FormatMessageA for the statuses the registry calls return: a save that
// fails is told in the system's words.
#include "platform/win32.h"

#include <cstdio>
#include <cstring>

namespace {

// Windows' own words for the statuses the registry calls return.
struct status_text {
  DWORD status;
  const char *text;
};

const status_text status_texts[] = {
    {ERROR_SUCCESS, "The operation completed successfully."},
    {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
    {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified."},
    {ERROR_ACCESS_DENIED, "Access is denied."},
    {ERROR_INVALID_HANDLE, "The handle is invalid."},
    {ERROR_WRITE_FAULT, "The system cannot write to the specified device."},
    {ERROR_INVALID_PARAMETER, "The parameter is incorrect."},
    {ERROR_DISK_FULL, "There is not enough space on the disk."},
    {ERROR_FILE_TOO_LARGE, "The file size exceeds the limit allowed and cannot be saved."},
    {ERROR_MORE_DATA, "More data is available."},
};

}  // namespace

// As on Windows, the text ends with CRLF, and an unknown status or a buffer
// too small for the text gives 0.
DWORD WINAPI FormatMessageA(DWORD dwFlags, LPCVOID, DWORD dwMessageId, DWORD, LPSTR lpBuffer,
                            DWORD nSize, va_list *) {
  if (!(dwFlags & FORMAT_MESSAGE_FROM_SYSTEM) || !lpBuffer) return 0;
  for (const status_text &s : status_texts) {
    if (s.status != dwMessageId) continue;
    size_t length = std::strlen(s.text) + 2;
    if (length >= nSize) return 0;
    std::snprintf(lpBuffer, nSize, "%s\r\n", s.text);
    return static_cast<DWORD>(length);
  }
  return 0;
}
