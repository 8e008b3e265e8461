# The hardening Debian builds its packages with (dpkg-buildflags with
# hardening=+all): stack protector, fortified libc calls, stack clash and
# control-flow protection, read-only relocations bound at start, and
# position-independent executables. For every build type that ships
# (Release, RelWithDebInfo, MinSizeRel, and so the Debian package); a Debug
# build stays as it is, since _FORTIFY_SOURCE needs optimisation.
# tests/scripts/package.sh checks the packaged programs for it.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

option(VEXA_HARDEN "Build with the hardening flags of Debian packages" ON)

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
check_pie_supported(LANGUAGES CXX)

if(VEXA_HARDEN)
  set(vexa_shipping_configs "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  set(vexa_hardening_flags -fstack-protector-strong -fstack-clash-protection -fcf-protection)
  foreach(flag ${vexa_hardening_flags})
    string(MAKE_C_IDENTIFIER "VEXA_HAS${flag}" var)
    check_cxx_compiler_flag(${flag} ${var})
    if(${var})
      add_compile_options("$<${vexa_shipping_configs}:${flag}>")
    endif()
  endforeach()
  # The sanitizers replace the libc calls that _FORTIFY_SOURCE would check;
  # a compiler that predefines another level (Ubuntu's) is overridden, not
  # warned about.
  if(NOT VEXA_SANITIZE AND NOT VEXA_FUZZ)
    add_compile_options("$<${vexa_shipping_configs}:-U_FORTIFY_SOURCE>"
                        "$<${vexa_shipping_configs}:-D_FORTIFY_SOURCE=2>")
  endif()
  check_linker_flag(CXX "LINKER:-z,relro,-z,now" VEXA_HAS_BIND_NOW)
  if(VEXA_HAS_BIND_NOW)
    add_link_options("$<${vexa_shipping_configs}:LINKER:-z,relro,-z,now>")
  endif()
endif()
