# The hardening every Debian package gets from dpkg-buildflags, so that the
# program built here is the one lintian accepts: stack protector, checked copies
# (glibc's _FORTIFY_SOURCE, which needs optimisation) and a read-only relocation
# table resolved at start-up. The sanitizer build goes without: the sanitizers
# check the same and more, and fortified calls would bypass their interceptors. The
# browser build goes without too: WebAssembly keeps return addresses out of the
# program's memory, and emscripten's C library has neither the stack guard nor the
# checked copies.
if(NOT LABS_SANITIZE AND NOT EMSCRIPTEN)
  add_compile_options(-fstack-protector-strong
                      "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  # A Windows program has no ELF relocation table (its linker marks it for address
  # randomisation and no-execute data by default); there the stack protector and the
  # checked copies live in GCC's libssp, which the option at link time brings in.
  if(WIN32)
    add_link_options(-fstack-protector-strong)
  else()
    add_link_options(-Wl,-z,relro -Wl,-z,now)
  endif()
endif()
