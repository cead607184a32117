/* Sets who may do what with the saver's settings key, for the test of a key
 * the user may only read:
 *
 *   torvane_key_access read   everyone may read the key, and nothing more
 *   torvane_key_access full   everyone may do anything with it
 *
 * As the key's owner the user may always change its permissions. Ends with
 * 0 when they were set. */
#include <windows.h>
#include <sddl.h>
#include <stdio.h>
#include <string.h>

static const char saver_key[] = "Software\\Fenwright Productions\\Torvane Screensaver";

int main(int argc, char **argv)
{
    if (argc != 2 || (strcmp(argv[1], "read") != 0 && strcmp(argv[1], "full") != 0)) {
        fprintf(stderr, "usage: %s read|full\n", argv[0]);
        return 2;
    }
    const char *sddl = strcmp(argv[1], "read") == 0 ? "D:P(A;;KR;;;WD)" : "D:(A;;KA;;;WD)";
    PSECURITY_DESCRIPTOR descriptor;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor,
                                                              NULL)) {
        fprintf(stderr, "bad descriptor %s: error %lu\n", sddl, GetLastError());
        return 1;
    }
    HKEY key;
    LONG status = RegOpenKeyExA(HKEY_CURRENT_USER, saver_key, 0, WRITE_DAC, &key);
    if (status == ERROR_SUCCESS) {
        status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
        RegCloseKey(key);
    }
    LocalFree(descriptor);
    if (status != ERROR_SUCCESS)
        fprintf(stderr, "cannot set the permissions of HKCU\\%s: error %ld\n", saver_key, status);
    return status == ERROR_SUCCESS ? 0 : 1;
}
