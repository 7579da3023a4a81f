// Fontconfig keeps parts of its configuration, read once when the toolkit's
// font database is first filled (text metrics of point names), until the
// process ends; the leak checker would report them depending on what the
// stack happens to hold at exit.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libdbus\nleak:libglib\n";
}
