// The sound libraries beneath Qt Multimedia (GStreamer and its plugins,
// PulseAudio, libav) keep allocations for the life of the process and
// never free them; the leak checker of the sanitizer build is told so.
// Only allocations made through those libraries' own allocators match, so
// leaks of the program's own code are still reported.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libglib-2.0.so\n"
         "leak:libgobject-2.0.so\n"
         "leak:libgstreamer-1.0.so\n"
         "leak:libpulse.so\n"
         "leak:libpulsecommon\n"
         "leak:libavutil.so\n"
         "leak:libavcodec.so\n"
         "leak:libavformat.so\n";
}
