// Sanitizer settings built into every test program.

// Fontconfig keeps parts of its configuration, read once when the toolkit's
// font database is first filled (text metrics of point names), until the
// process ends; the leak checker would report them depending on what the
// stack happens to hold at exit.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libdbus\nleak:libglib\n";
}

// The address sanitizer of GCC 12 watches __tls_get_addr to learn where the
// thread-local blocks of libraries loaded at run time lie, and guesses a
// block's size from a header that glibc 2.19 once put in front of it. Today's
// glibc allocates the block with plain malloc: when it happens to start 16
// bytes into a page, the guess reads the allocator's own chunk header, and
// the leak checker at exit scans a nonsense range and dies ("Tracer caught
// signal 11"). Printing meets this through the JPEG library the image plugins
// load, which has thread-local variables; whether its block lands there
// depends on every allocation before it (locale, CUPS and glibc patch level).
// Without the watch the leak checker still finds those blocks: it counts
// everything the dynamic linker allocates as reachable and scans it.
extern "C" const char* __asan_default_options() { return "intercept_tls_get_addr=0"; }
