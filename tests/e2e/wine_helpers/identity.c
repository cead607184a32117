/* Reads what Windows shows of a program file: the name the screen saver
 * settings list (string 1, through LoadStringA) and the version block that
 * Explorer shows (GetFileVersionInfoA and VerQueryValueA):
 *
 *   torvane_identity <saver.scr>
 *
 * Prints one "key=value" line for each, "key=MISSING" for what is not
 * there; the test compares the lines with what it expects. Ends with 0 when
 * the file could be read at all. */
#include <windows.h>
#include <stdio.h>

static const char *const string_values[] = {
    "CompanyName", "FileDescription", "FileVersion", "InternalName", "LegalCopyright",
    "OriginalFilename", "ProductName", "ProductVersion",
};

static void print_name(const char *path)
{
    HMODULE module = LoadLibraryExA(path, NULL, LOAD_LIBRARY_AS_DATAFILE);
    char name[256];
    if (module && LoadStringA(module, 1, name, sizeof name) > 0)
        printf("string 1=%s\n", name);
    else
        printf("string 1=MISSING\n");
    if (module)
        FreeLibrary(module);
}

static void print_fixed(const char *key, DWORD high, DWORD low)
{
    printf("fixed %s=%u.%u.%u.%u\n", key, (unsigned)HIWORD(high), (unsigned)LOWORD(high),
           (unsigned)HIWORD(low), (unsigned)LOWORD(low));
}

/* The string values of the block's first translation, and the fixed
 * numbers. */
static void print_version_block(void *block)
{
    VS_FIXEDFILEINFO *fixed;
    UINT size;
    if (VerQueryValueA(block, "\\", (void **)&fixed, &size) && size >= sizeof *fixed &&
        fixed->dwSignature == VS_FFI_SIGNATURE) {
        print_fixed("FileVersion", fixed->dwFileVersionMS, fixed->dwFileVersionLS);
        print_fixed("ProductVersion", fixed->dwProductVersionMS, fixed->dwProductVersionLS);
        printf("fixed FileType=%lu\n", fixed->dwFileType);
    } else {
        printf("fixed=MISSING\n");
    }

    WORD *translation;
    if (!VerQueryValueA(block, "\\VarFileInfo\\Translation", (void **)&translation, &size) ||
        size < 2 * sizeof(WORD)) {
        printf("Translation=MISSING\n");
        return;
    }
    printf("Translation=%04x %u\n", (unsigned)translation[0], (unsigned)translation[1]);
    for (size_t i = 0; i < sizeof string_values / sizeof string_values[0]; i++) {
        char query[128];
        char *value;
        snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s",
                 (unsigned)translation[0], (unsigned)translation[1], string_values[i]);
        if (VerQueryValueA(block, query, (void **)&value, &size) && size > 0)
            printf("%s=%s\n", string_values[i], value);
        else
            printf("%s=MISSING\n", string_values[i]);
    }
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s <saver.scr>\n", argv[0]);
        return 2;
    }
    if (GetFileAttributesA(argv[1]) == INVALID_FILE_ATTRIBUTES) {
        printf("cannot open %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    print_name(argv[1]);

    DWORD handle;
    DWORD size = GetFileVersionInfoSizeA(argv[1], &handle);
    void *block = size ? HeapAlloc(GetProcessHeap(), 0, size) : NULL;
    if (block && GetFileVersionInfoA(argv[1], 0, size, block))
        print_version_block(block);
    else
        printf("version block=MISSING\n");
    return 0;
}
