// Resources: the images embedded at build time, found by name ignoring case.
// Only named RT_RCDATA resources exist; a found resource is its own loaded
// handle, and locking it gives its bytes.
#include <strings.h>

#include "platform/posix/embedded_images.h"
#include "platform/win32.h"

HRSRC WINAPI FindResourceA(HMODULE, LPCSTR lpName, LPCSTR lpType) {
  if (lpType != RT_RCDATA || IS_INTRESOURCE(lpName)) return nullptr;
  for (int i = 0; i < embedded_image_count; i++)
    if (strcasecmp(embedded_images[i].name, lpName) == 0)
      return reinterpret_cast<HRSRC>(const_cast<embedded_image *>(&embedded_images[i]));
  return nullptr;
}

HGLOBAL WINAPI LoadResource(HMODULE, HRSRC hResInfo) { return hResInfo; }

LPVOID WINAPI LockResource(HGLOBAL hResData) {
  if (!hResData) return nullptr;
  return const_cast<unsigned char *>(static_cast<const embedded_image *>(hResData)->bytes);
}
