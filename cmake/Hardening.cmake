# The program built as Debian builds its packages (dpkg-buildflags with hardening=+all, Debian 13's
# as the newer): stack protector and stack clash protection, control-flow protection on x86,
# fortified libc calls where the compiler optimises, and a read-only relocation table bound at
# start-up. Not under the sanitizers, which instrument the same calls themselves. The install test
# checks the packaged program for it (tests/desktop/install_test.sh).
set(DOSECALC_HARDENED OFF)
if(NOT WIN32 AND NOT DOSECALC_SANITIZE)
  set(DOSECALC_HARDENED ON)
  add_compile_options(-fstack-protector-strong -fstack-clash-protection
                      "$<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>")
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|i.86")
    add_compile_options(-fcf-protection)
  endif()
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
