# The program built as Debian builds its packages (dpkg-buildflags with hardening=+all): stack
# protector, fortified libc calls where the compiler optimises, and a read-only relocation table
# bound at start-up. Not under the sanitizers, which instrument the same calls themselves.
if(NOT WIN32 AND NOT DOSECALC_SANITIZE)
  add_compile_options(-fstack-protector-strong "$<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>")
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
