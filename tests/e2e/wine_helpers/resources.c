/* Looks up the saver's resources the way the saver does, with FindResourceA
 * and the names its code asks for (resource names match without regard to
 * case), in the program file given on the command line:
 *
 *   torvane_resources <saver.scr>
 *
 * Prints one line per resource with its size, then the embedded application
 * manifest, and ends with 0 only when every resource is there with the
 * expected size. */
#include <windows.h>
#include <stdio.h>

struct expected_resource {
    const char *name;
    LPCSTR type;
    const char *type_name;
    DWORD size; /* 0: any size */
};

/* The texture images are raw 8-bit RGB of their width x height. */
static const struct expected_resource expected[] = {
    { "skin1", RT_RCDATA, "RCDATA", 64 * 64 * 3 },
    { "skin2", RT_RCDATA, "RCDATA", 256 * 256 * 3 },
    { "skin3", RT_RCDATA, "RCDATA", 256 * 256 * 3 },
    { "skin4", RT_RCDATA, "RCDATA", 128 * 128 * 3 },
    { "refmap2", RT_RCDATA, "RCDATA", 256 * 256 * 3 },
    { "configdlg", RT_DIALOG, "DIALOG", 0 },
    { "AboutDlg", RT_DIALOG, "DIALOG", 0 },
    { MAKEINTRESOURCEA(1), RT_GROUP_ICON, "GROUP_ICON", 0 },
};

static const char *display_name(const char *name)
{
    return IS_INTRESOURCE(name) ? "#1" : name;
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s <saver.scr>\n", argv[0]);
        return 2;
    }
    HMODULE saver = LoadLibraryExA(argv[1], NULL, LOAD_LIBRARY_AS_DATAFILE);
    if (!saver) {
        printf("cannot open %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    int ok = 1;
    for (size_t i = 0; i < sizeof expected / sizeof expected[0]; i++) {
        const struct expected_resource *r = &expected[i];
        HRSRC found = FindResourceA(saver, r->name, r->type);
        DWORD size = found ? SizeofResource(saver, found) : 0;
        int good = found && (r->size == 0 || size == r->size);
        printf("%-10s %-10s %s, %lu bytes\n", display_name(r->name), r->type_name,
               found ? (good ? "found" : "WRONG SIZE") : "MISSING", size);
        ok = ok && good;
    }

    HRSRC manifest = FindResourceA(saver, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    if (manifest) {
        const char *text = LockResource(LoadResource(saver, manifest));
        printf("manifest:\n%.*s\n", (int)SizeofResource(saver, manifest), text);
    } else {
        printf("manifest MISSING\n");
        ok = 0;
    }
    printf("%s\n", ok ? "PASS" : "FAIL");
    return ok ? 0 : 1;
}
