/* Stands in for the display settings' preview pane: creates a window, starts
 * the saver with "/p <handle>" on it, checks that the saver puts a child
 * window of the right size into it, keeps it alive until the test has looked
 * at the picture, then destroys the window and collects the saver's exit
 * status.
 *
 *   torvane_parent <saver.scr> <release file>
 *
 * Prints "child ready" once the child window is there, then waits until the
 * release file exists. Wine does not show a child window of another process
 * inside its parent, so the test reads the picture from the child's own GL
 * surface instead of from this window.
 *
 * Ends with 0 only when the child appeared with the parent's size, the saver
 * kept running until released, and then ended by itself with status 0. */
#include <windows.h>
#include <stdio.h>
#include <string.h>

enum { PARENT_WIDTH = 400, PARENT_HEIGHT = 300 };
enum { WAIT_FOR_CHILD_MS = 30000, WAIT_FOR_RELEASE_MS = 90000, WAIT_FOR_EXIT_MS = 15000 };
enum { POLL_MS = 100 };

static LRESULT CALLBACK parent_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}

static HWND create_parent(void)
{
    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = parent_proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(GRAY_BRUSH);
    wc.lpszClassName = "torvane_preview_parent";
    if (!RegisterClassA(&wc))
        return NULL;
    return CreateWindowExA(0, wc.lpszClassName, "Preview", WS_POPUP | WS_VISIBLE,
                           100, 100, PARENT_WIDTH, PARENT_HEIGHT,
                           NULL, NULL, wc.hInstance, NULL);
}

/* Dispatches this thread's messages for one polling interval. */
static void pump_messages(void)
{
    DWORD start = GetTickCount();
    MSG msg;
    do {
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (GetTickCount() - start < POLL_MS);
}

static int has_ended(HANDLE process)
{
    return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
}

static HWND wait_for_child(HWND parent, HANDLE saver)
{
    for (DWORD waited = 0; waited < WAIT_FOR_CHILD_MS && !has_ended(saver); waited += POLL_MS) {
        HWND child = GetWindow(parent, GW_CHILD);
        if (child && IsWindowVisible(child))
            return child;
        pump_messages();
    }
    return NULL;
}

/* The child must be the saver's window class, at the parent's origin and as
 * large as the parent's window rectangle. */
static int child_fits(HWND parent, HWND child)
{
    RECT p, c;
    char class_name[64] = "";
    GetWindowRect(parent, &p);
    GetWindowRect(child, &c);
    GetClassNameA(child, class_name, sizeof class_name);
    printf("child: class \"%s\", %ld x %ld at %ld,%ld in a %ld x %ld parent\n", class_name,
           c.right - c.left, c.bottom - c.top, c.left - p.left, c.top - p.top,
           p.right - p.left, p.bottom - p.top);
    return strcmp(class_name, "screensaver") == 0 && c.left == p.left && c.top == p.top &&
           c.right - c.left == p.right - p.left && c.bottom - c.top == p.bottom - p.top;
}

/* Keeps the parent alive until the test has made the release file; returns
 * 0 if the saver ended before that. */
static int wait_for_release(const char *release_file, HANDLE saver)
{
    for (DWORD waited = 0; waited < WAIT_FOR_RELEASE_MS; waited += POLL_MS) {
        if (has_ended(saver)) {
            printf("the saver ended while its parent still existed\n");
            return 0;
        }
        if (GetFileAttributesA(release_file) != INVALID_FILE_ATTRIBUTES)
            return 1;
        pump_messages();
    }
    printf("no release within %d s\n", WAIT_FOR_RELEASE_MS / 1000);
    return 0;
}

/* The saver's exit status, or STILL_ACTIVE if it does not end in time (it is
 * then stopped). */
static DWORD wait_for_exit(HANDLE saver)
{
    for (DWORD waited = 0; waited < WAIT_FOR_EXIT_MS && !has_ended(saver); waited += POLL_MS)
        pump_messages();
    DWORD status = STILL_ACTIVE;
    GetExitCodeProcess(saver, &status);
    if (status == STILL_ACTIVE) {
        printf("the saver still runs after its parent was destroyed\n");
        TerminateProcess(saver, 1);
    } else {
        printf("saver exit status: %lu\n", status);
    }
    return status;
}

int main(int argc, char **argv)
{
    setvbuf(stdout, NULL, _IONBF, 0);
    if (argc != 3) {
        fprintf(stderr, "usage: %s <saver.scr> <release file>\n", argv[0]);
        return 2;
    }
    HWND parent = create_parent();
    if (!parent) {
        printf("cannot create the parent window\n");
        return 1;
    }
    pump_messages();

    char command[MAX_PATH + 64];
    snprintf(command, sizeof command, "\"%s\" /p %llu", argv[1],
             (unsigned long long)(ULONG_PTR)parent);
    STARTUPINFOA si;
    PROCESS_INFORMATION pi;
    memset(&si, 0, sizeof si);
    si.cb = sizeof si;
    if (!CreateProcessA(NULL, command, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) {
        printf("cannot start %s (error %lu)\n", command, GetLastError());
        return 1;
    }
    printf("started: %s\n", command);

    HWND child = wait_for_child(parent, pi.hProcess);
    int ok = child != NULL;
    if (!child)
        printf("no child window appeared\n");
    else
        ok = child_fits(parent, child);
    printf("child ready\n");
    ok = wait_for_release(argv[2], pi.hProcess) && ok;

    DestroyWindow(parent);
    ok = wait_for_exit(pi.hProcess) == 0 && ok;
    printf("%s\n", ok ? "PASS" : "FAIL");
    return ok ? 0 : 1;
}
