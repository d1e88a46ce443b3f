# Installs the build into a scratch prefix and checks what a user's system
# would get: the application folder, the links, the desktop integration,
# the udev rule for the catalogue's mice, and a tool that runs from there.
#   cmake -DBUILD_DIR=... -DWORK=... -DGUI=ON|OFF -P InstallLayout.cmake
cmake_minimum_required(VERSION 3.16)

file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/usr)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
    RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "install failed: ${status}")
endif()

set(expected
    lib/korvalen-config/korvalen-ctl
    lib/korvalen-config/Config.ini
    bin/korvalen-ctl
    share/man/man1/korvalen-ctl.1.gz
    share/doc/korvalen-config/copyright
    share/doc/korvalen-config/changelog.Debian.gz
    share/bash-completion/completions/korvalen-ctl
    lib/udev/rules.d/70-korvalen-mice.rules)
if(GUI)
    list(APPEND expected
        lib/korvalen-config/korvalen-config
        lib/korvalen-config/skin/cfgMainback.png
        lib/korvalen-config/skin/icon.ico
        lib/korvalen-config/skin/mouse/NX-19.png
        lib/korvalen-config/lang/en.qm
        lib/korvalen-config/lang/sc.qm
        lib/korvalen-config/lang/tc.qm
        bin/korvalen-config
        share/man/man1/korvalen-config.1.gz
        share/applications/korvalen-config.desktop
        share/metainfo/io.korvalen.Config.metainfo.xml
        share/icons/hicolor/16x16/apps/korvalen-config.png
        share/icons/hicolor/256x256/apps/korvalen-config.png
        share/icons/hicolor/scalable/apps/korvalen-config.svg)
endif()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
if(EXISTS ${prefix}/lib/korvalen-config/skin/.generated
   OR EXISTS ${prefix}/lib/korvalen-config/lang/CMakeFiles)
    message(FATAL_ERROR "build-tree leftovers were installed")
endif()

# One rule per model; NX-19 has product ID 19 in the shipped catalogue.
file(READ ${prefix}/lib/udev/rules.d/70-korvalen-mice.rules rules)
string(REGEX MATCHALL "TAG\\+=\"uaccess\"" rule_lines "${rules}")
list(LENGTH rule_lines rule_count)
if(NOT rule_count EQUAL 59)
    message(FATAL_ERROR "expected 59 udev rules, found ${rule_count}")
endif()
string(FIND "${rules}" "KERNEL==\"hidraw*\", ATTRS{idVendor}==\"ffff\", ATTRS{idProduct}==\"0013\", TAG+=\"uaccess\"" at)
if(at EQUAL -1)
    message(FATAL_ERROR "no udev rule for NX-19 (ffff:0013)")
endif()

if(GUI)
    file(READ ${prefix}/share/applications/korvalen-config.desktop desktop)
    if(NOT desktop MATCHES "\nExec=korvalen-config\n" OR NOT desktop MATCHES "\nIcon=korvalen-config\n")
        message(FATAL_ERROR "the desktop file does not start the installed program")
    endif()
endif()

if(GUI)
    # A software centre offers the program for a mouse of the rule.
    file(READ ${prefix}/share/metainfo/io.korvalen.Config.metainfo.xml metainfo)
    string(REGEX MATCHALL "<modalias>usb:v[0-9A-F]+p[0-9A-F]+d\\*</modalias>" aliases "${metainfo}")
    list(LENGTH aliases alias_count)
    if(NOT alias_count EQUAL rule_count OR NOT metainfo MATCHES "<modalias>usb:vFFFFp0013d")
        message(FATAL_ERROR "expected ${rule_count} modalias entries with NX-19's, found ${alias_count}")
    endif()
endif()

# Started through its link, the tool finds its own folder (and the default
# catalogue in it) and sees a virtual mouse.
file(MAKE_DIRECTORY ${WORK}/data ${WORK}/runtime)
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${WORK}/data XDG_RUNTIME_DIR=${WORK}/runtime
            ${prefix}/bin/korvalen-ctl --virtual NX-19 list
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_QUIET)
if(NOT status EQUAL 0 OR NOT out MATCHES "59 catalogue rows, 1 connected")
    message(FATAL_ERROR "the installed korvalen-ctl failed (${status}):\n${out}")
endif()
file(REMOVE_RECURSE ${WORK})
