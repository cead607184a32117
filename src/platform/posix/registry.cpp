// The Win32 registry calls over the file store, for HKEY_CURRENT_USER only.
// Opening a key reads the file, so a process sees what others saved before;
// values set go to the process's view at once and reach the file together
// when a key is closed: one atomic save, so the file never holds half of a
// set of values.
#include "platform/win32.h"

#include "platform/posix/registry_file.h"
#include "platform/posix/registry_view.h"

#include <cstring>
#include <set>

namespace {

// Access rights that change the registry (KEY_SET_VALUE, KEY_CREATE_SUB_KEY,
// KEY_CREATE_LINK, DELETE, WRITE_DAC, WRITE_OWNER).
const REGSAM write_rights = 0x0002 | 0x0004 | 0x0020 | 0x00010000 | 0x00040000 | 0x00080000;

const char root_path[] = "HKEY_CURRENT_USER";

struct key_handle {
  std::string path;
  REGSAM access;
};

std::set<key_handle *> open_keys;

// The handle's key; null for anything but HKEY_CURRENT_USER or an open key.
const key_handle *find_handle(HKEY hKey) {
  static const key_handle root = {root_path, KEY_ALL_ACCESS};
  if (hKey == HKEY_CURRENT_USER) return &root;
  auto it = open_keys.find(reinterpret_cast<key_handle *>(hKey));
  return it == open_keys.end() ? nullptr : *it;
}

// base\sub, ignoring empty components of sub.
std::string subkey_path(const std::string &base, LPCSTR sub) {
  std::string path = base;
  const char *p = sub ? sub : "";
  while (*p) {
    const char *end = strchr(p, '\\');
    size_t length = end ? size_t(end - p) : strlen(p);
    if (length > 0) path += "\\" + std::string(p, length);
    p += end ? length + 1 : length;
  }
  return path;
}

// Text stored without its terminating zero gets one in the caller's buffer,
// after the reported size, when the buffer has room: Windows does this.
bool is_text_type(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

bool key_exists(const std::string &path) {
  return reg_names_equal(path, root_path) || reg_view_has_key(path);
}

// `creates` when opening it makes the key, which changes the store whatever
// access the handle asks for. A refused create says why on stderr: it is
// the first step of a save. A refused open does not: a reader may ask for
// more rights than it needs and then settle for reading.
LSTATUS open_handle(const std::string &path, REGSAM access, bool creates, bool tells,
                    PHKEY result) {
  if (creates || (access & write_rights)) {
    const std::string store = reg_store_path();
    const std::string read_only = reg_store_why_read_only(store);
    if (!read_only.empty())
      return tells ? reg_store_refused(store, read_only, ERROR_ACCESS_DENIED) : ERROR_ACCESS_DENIED;
  }
  key_handle *handle = new key_handle{path, access};
  open_keys.insert(handle);
  *result = reinterpret_cast<HKEY>(handle);
  return ERROR_SUCCESS;
}

}  // namespace

LSTATUS WINAPI RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired,
                             PHKEY phkResult) {
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  const key_handle *base = find_handle(hKey);
  if (!base) return ERROR_INVALID_HANDLE;
  std::string path = subkey_path(base->path, lpSubKey);
  reg_view_reload();
  if (!key_exists(path)) return ERROR_FILE_NOT_FOUND;
  return open_handle(path, samDesired, false, false, phkResult);
}

LSTATUS WINAPI RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass,
                               DWORD dwOptions, REGSAM samDesired,
                               const LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult,
                               LPDWORD lpdwDisposition) {
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  const key_handle *base = find_handle(hKey);
  if (!base) return ERROR_INVALID_HANDLE;
  std::string path = subkey_path(base->path, lpSubKey);
  if (!reg_name_storable(path)) return ERROR_INVALID_PARAMETER;
  reg_view_reload();
  bool created = !key_exists(path);
  LSTATUS status = open_handle(path, samDesired, created, true, phkResult);
  if (status != ERROR_SUCCESS) return status;
  // Listing the key makes its missing parents exist too.
  if (created) reg_pend_key(path);
  if (lpdwDisposition) *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  return ERROR_SUCCESS;
}

LSTATUS WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                                LPBYTE lpData, LPDWORD lpcbData) {
  const key_handle *handle = find_handle(hKey);
  if (!handle) return ERROR_INVALID_HANDLE;
  if (lpReserved || (lpData && !lpcbData)) return ERROR_INVALID_PARAMETER;
  if (!(handle->access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
  const reg_value *value = reg_view_value(handle->path, lpValueName ? lpValueName : "");
  if (!value) return ERROR_FILE_NOT_FOUND;
  if (lpType) *lpType = value->type;
  const std::vector<BYTE> &data = value->data;
  DWORD size = DWORD(data.size());
  LSTATUS status = ERROR_SUCCESS;
  if (lpData && size > *lpcbData) {
    status = ERROR_MORE_DATA;
  } else if (lpData && size > 0) {
    memcpy(lpData, data.data(), size);
    if (is_text_type(value->type) && size < *lpcbData && data.back() != 0) lpData[size] = 0;
  }
  if (lpcbData) *lpcbData = size;
  return status;
}

LSTATUS WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType,
                              const BYTE *lpData, DWORD cbData) {
  const key_handle *handle = find_handle(hKey);
  if (!handle) return ERROR_INVALID_HANDLE;
  reg_value value = {lpValueName ? lpValueName : "", dwType, {}};
  if ((!lpData && cbData > 0) || !reg_name_storable(value.name)) return ERROR_INVALID_PARAMETER;
  if (!(handle->access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
  if (cbData > 0) value.data.assign(lpData, lpData + cbData);
  reg_pend_value(handle->path, value);
  return ERROR_SUCCESS;
}

LSTATUS WINAPI RegCloseKey(HKEY hKey) {
  if (hKey == HKEY_CURRENT_USER) return ERROR_SUCCESS;
  auto it = open_keys.find(reinterpret_cast<key_handle *>(hKey));
  if (it == open_keys.end()) return ERROR_INVALID_HANDLE;
  delete *it;
  open_keys.erase(it);
  return reg_commit();
}
