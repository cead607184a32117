/* qemu_fixes.so: preloaded into every 32-bit Wine process that qemu-i386
 * runs from the private i386 root (through that root's /etc/ld.so.preload,
 * so the machine's own 64-bit programs never load it). It mends three ways
 * in which qemu-user (Debian 12: qemu 7.2) differs from a real kernel and
 * which break 32-bit Wine:
 *
 * 1. qemu's ELF loader reserves the whole span between the lowest and the
 *    highest LOAD segment of a program that is not position independent.
 *    Wine's preloader has segments at 0x08048000 and 0x7d400000, so about
 *    1.8 GiB stays PROT_NONE where a kernel leaves it free, and big
 *    libraries (libLLVM, which Mesa's software renderer needs) fail with
 *    "failed to map segment from shared object". A constructor unmaps such
 *    anonymous PROT_NONE ranges of 256 MiB or more between the preloader's
 *    first page and Wine's loader at 0x7d000000.
 *
 * 2. qemu writes -1 as the trap number of a signal frame, so Wine's fault
 *    handler cannot tell a page fault (guard pages, write watches) from
 *    anything else ("Got unexpected trap -1"). sigaction() is wrapped so the
 *    handlers of SIGSEGV, SIGBUS, SIGILL, SIGFPE and SIGTRAP first get the
 *    trap number a kernel would have written, derived from si_code.
 *
 * 3. qemu-user keeps one GDT for all threads of a process, so the TLS entry
 *    Wine points %fs at (the thread's TEB) holds the TEB of whichever thread
 *    set it last, and a thread that reloads %fs (signal return, exception
 *    unwinding) runs on another thread's TEB. Wine gives each thread an LDT
 *    entry of its own instead when %fs is 0 at start-up and set_thread_area
 *    cannot allocate an entry: a constructor clears %fs, and syscall() asking
 *    set_thread_area for a new entry fails with ENOSYS. glibc's own TLS (%gs)
 *    is set up by ld.so and clone() directly, not through syscall().
 *
 * No libc headers, so the machine needs no i386 development files: the few
 * i386 glibc layouts used are written out here. Linked against the root's
 * libc.so.6 (for dlsym and errno). */
typedef unsigned int u32;

/* i386 glibc's struct sigaction */
struct i386_sigaction {
    void *handler;
    unsigned long mask[32];
    int flags;
    void (*restorer)(void);
};
#define SA_SIGINFO 4
#define SIGILL 4
#define SIGTRAP 5
#define SIGBUS 7
#define SIGFPE 8
#define SIGSEGV 11
#define SI_KERNEL 0x80
#define SI_CODE 2          /* siginfo_t: si_signo, si_errno, si_code */
#define GREGS_OFFSET 20    /* ucontext_t: uc_flags, uc_link, uc_stack (3 words), gregs[] */
#define REG_TRAPNO 12
#define SYS_SET_THREAD_AREA 243
#define ENOSYS 38

extern void *dlsym(void *handle, const char *name);
extern int *__errno_location(void);
#define RTLD_NEXT ((void *)-1l)

typedef void (*handler_t)(int, void *, void *);
static handler_t wine_handler[65];
static int (*real_sigaction)(int, const struct i386_sigaction *, struct i386_sigaction *);
static long (*real_syscall)(long, long, long, long, long, long, long);

/* The x86 exception vector the kernel reports for a signal. */
static int kernel_trap(int sig, int code)
{
    switch (sig) {
    case SIGSEGV: return (code == 1 || code == 2) ? 14 : 13; /* page fault : protection */
    case SIGBUS:  return code == 1 ? 17 : 14;                /* alignment : page fault */
    case SIGILL:  return 6;                                  /* invalid opcode */
    case SIGFPE:  return code == 1 ? 0 : code == 2 ? 4 : 16; /* divide : overflow : x87 */
    case SIGTRAP: return code == SI_KERNEL ? 3 : 1;          /* int3 : debug */
    }
    return -1;
}

static void fix_trapno(int sig, void *info, void *uc)
{
    int *gregs = (int *)((char *)uc + GREGS_OFFSET);
    if (gregs[REG_TRAPNO] == -1) gregs[REG_TRAPNO] = kernel_trap(sig, ((int *)info)[SI_CODE]);
    wine_handler[sig](sig, info, uc);
}

static int is_fault_signal(int sig)
{
    return sig == SIGSEGV || sig == SIGBUS || sig == SIGILL || sig == SIGFPE || sig == SIGTRAP;
}

int sigaction(int sig, const struct i386_sigaction *act, struct i386_sigaction *old)
{
    struct i386_sigaction mine;
    int r;
    if (!real_sigaction) real_sigaction = dlsym(RTLD_NEXT, "sigaction");
    if (act && is_fault_signal(sig) && (act->flags & SA_SIGINFO) && act->handler) {
        mine = *act;
        mine.handler = (void *)fix_trapno;
        wine_handler[sig] = (handler_t)act->handler;
        r = real_sigaction(sig, &mine, old);
    } else {
        r = real_sigaction(sig, act, old);
    }
    if (r == 0 && old && old->handler == (void *)fix_trapno) old->handler = (void *)wine_handler[sig];
    return r;
}

int __sigaction(int sig, const struct i386_sigaction *act, struct i386_sigaction *old)
{
    return sigaction(sig, act, old);
}

/* i386 cdecl: the caller owns the stack, so reading six arguments is safe
 * whatever the number it passed. */
long syscall(long n, long a, long b, long c, long d, long e, long f)
{
    if (n == SYS_SET_THREAD_AREA && a && *(int *)a == -1) {
        *__errno_location() = ENOSYS;
        return -1;
    }
    if (!real_syscall) real_syscall = dlsym(RTLD_NEXT, "syscall");
    return real_syscall(n, a, b, c, d, e, f);
}

__attribute__((constructor)) static void clear_fs(void)
{
    __asm__ volatile ("movw %w0, %%fs" : : "r"(0));
}

/* Raw system calls: the constructor may run before libc is ready for us. */
static long sys3(long n, long a, long b, long c)
{
    long r;
    __asm__ volatile ("int $0x80" : "=a"(r) : "a"(n), "b"(a), "c"(b), "d"(c) : "memory");
    return r;
}
#define SYS_READ 3
#define SYS_OPEN 5
#define SYS_CLOSE 6
#define SYS_MUNMAP 91

static u32 hex(const char **p)
{
    u32 v = 0;
    for (;; (*p)++) {
        char c = **p;
        if (c >= '0' && c <= '9') v = v * 16 + (c - '0');
        else if (c >= 'a' && c <= 'f') v = v * 16 + (c - 'a' + 10);
        else return v;
    }
}

static const char *next_field(const char *p)
{
    while (*p && *p != ' ') p++;
    while (*p == ' ') p++;
    return p;
}

static char maps[1 << 17];

__attribute__((constructor)) static void unmap_loader_hole(void)
{
    long n, len = 0;
    const char *p, *end;
    int fd = sys3(SYS_OPEN, (long)"/proc/self/maps", 0, 0);
    if (fd < 0) return;
    while (len < (long)sizeof(maps) - 1 &&
           (n = sys3(SYS_READ, fd, (long)maps + len, sizeof(maps) - 1 - len)) > 0)
        len += n;
    sys3(SYS_CLOSE, fd, 0, 0);
    maps[len] = 0;
    /* lines "start-end perms offset dev inode [path]" */
    for (p = maps, end = maps + len; p < end;) {
        u32 start, stop, inode = 0;
        int no_access;
        start = hex(&p);
        if (*p == '-') p++;
        stop = hex(&p);
        while (*p == ' ') p++;
        no_access = p[0] == '-' && p[1] == '-' && p[2] == '-';
        p = next_field(next_field(next_field(p)));   /* past perms, offset, dev */
        while (*p >= '0' && *p <= '9') inode = inode * 10 + (*p++ - '0');
        while (p < end && *p != '\n') p++;
        if (p < end) p++;
        if (no_access && !inode && start >= 0x08049000u && stop <= 0x7d000000u &&
            stop - start >= 0x10000000u)
            sys3(SYS_MUNMAP, start, stop - start, 0);
    }
}
