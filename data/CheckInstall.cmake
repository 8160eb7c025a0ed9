# Installs the build into a scratch prefix and checks that every file lands
# where a desktop looks for it, and that the files agree with each other.
# Run as: cmake -DBUILD_DIR=... -DROOT=... -DAPP_ID=... -DICON_SIZES=... \
#               -DBINDIR=bin -DDATADIR=share -DMANDIR=share/man -P CheckInstall.cmake
foreach(var BUILD_DIR ROOT APP_ID ICON_SIZES BINDIR DATADIR MANDIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not given")
  endif()
endforeach()

set(prefix ${ROOT}/usr)
file(REMOVE_RECURSE ${ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

set(failures 0)
macro(fail text)
  message(SEND_ERROR "${text}")
  math(EXPR failures "${failures} + 1")
endmacro()

# The bytes of a file as lower-case hex, LENGTH bytes from OFFSET.
function(read_hex file offset length out)
  file(READ ${file} hex OFFSET ${offset} LIMIT ${length} HEX)
  set(${out} ${hex} PARENT_SCOPE)
endfunction()

set(share ${prefix}/${DATADIR})
set(desktop ${share}/applications/${APP_ID}.desktop)
set(metainfo ${share}/metainfo/${APP_ID}.metainfo.xml)
set(svg ${share}/icons/hicolor/scalable/apps/${APP_ID}.svg)

foreach(file ${prefix}/${BINDIR}/sorvani ${desktop} ${metainfo} ${svg} ${share}/doc/sorvani/copyright)
  if(NOT EXISTS ${file})
    fail("missing: ${file}")
  endif()
endforeach()

set(exe ${prefix}/${BINDIR}/sorvani)
if(EXISTS ${exe})
  read_hex(${exe} 0 4 magic)
  if(NOT magic STREQUAL "7f454c46")
    fail("${exe} is not an executable (starts with ${magic})")
  endif()
endif()

# Each bitmap icon is a PNG of the size its folder names.
foreach(size IN LISTS ICON_SIZES)
  set(png ${share}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  if(NOT EXISTS ${png})
    fail("missing: ${png}")
    continue()
  endif()
  read_hex(${png} 0 8 signature)
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    fail("${png} is not a PNG file")
    continue()
  endif()
  # The IHDR chunk follows the signature: width and height, big-endian.
  read_hex(${png} 16 4 width_hex)
  read_hex(${png} 20 4 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    fail("${png} is ${width}x${height}, expected ${size}x${size}")
  endif()
endforeach()

# Every program has its manual page, and every manual page names its file.
# They and the changelog are compressed as Debian wants them: gzip at its
# highest level (extra flags 02), with no name and no time in the header.
file(GLOB programs ${prefix}/${BINDIR}/*)
foreach(program IN LISTS programs)
  get_filename_component(name ${program} NAME)
  if(NOT EXISTS ${prefix}/${MANDIR}/man1/${name}.1.gz)
    fail("${BINDIR}/${name} has no manual page ${MANDIR}/man1/${name}.1.gz")
  endif()
endforeach()
file(GLOB man_pages ${prefix}/${MANDIR}/man1/*)
if(NOT man_pages)
  fail("no manual pages in ${MANDIR}/man1")
endif()
foreach(file IN LISTS man_pages ITEMS ${share}/doc/sorvani/changelog.gz)
  if(NOT EXISTS ${file})
    fail("missing: ${file}")
    continue()
  endif()
  read_hex(${file} 0 9 header)
  if(NOT header STREQUAL "1f8b08000000000002")
    fail("${file} is not gzip -9n output (header ${header})")
    continue()
  endif()
  if(NOT file MATCHES "/man1/([^/]+)\\.1\\.gz$")
    continue()
  endif()
  string(TOUPPER ${CMAKE_MATCH_1} title)
  execute_process(COMMAND gzip -dc ${file} OUTPUT_VARIABLE page RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT page MATCHES "\n\\.TH ${title} 1 ")
    fail("${file} does not start the page ${title}(1)")
  endif()
endforeach()

# The desktop entry and each of its actions must start the installed program,
# and the entry must name the installed icon.
if(EXISTS ${desktop})
  file(STRINGS ${desktop} exec_lines REGEX "^Exec=")
  file(STRINGS ${desktop} icon_line REGEX "^Icon=")
  foreach(exec_line IN LISTS exec_lines)
    string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec_line}")
    if(NOT EXISTS ${prefix}/${BINDIR}/${exec})
      fail("the desktop entry starts '${exec}', which is not installed in ${BINDIR}")
    endif()
  endforeach()
  string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
  if(NOT icon STREQUAL APP_ID)
    fail("the desktop entry names the icon '${icon}', installed is '${APP_ID}'")
  endif()
endif()

# The metainfo must point at the installed desktop entry and carry the same id.
if(EXISTS ${metainfo})
  file(READ ${metainfo} xml)
  if(NOT xml MATCHES "<id>${APP_ID}</id>")
    fail("the metainfo's id is not ${APP_ID}")
  endif()
  if(NOT xml MATCHES "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>")
    fail("the metainfo does not launch ${APP_ID}.desktop")
  endif()
endif()

# AppStream's own cross-check of the installed tree: the metainfo's desktop
# entry and icon must be where it looks for them.
execute_process(COMMAND appstreamcli validate-tree --no-net ${ROOT}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  fail("appstreamcli validate-tree failed (${rc}):\n${out}")
endif()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} problem(s) in the installed tree under ${prefix}")
endif()
message(STATUS "installed tree under ${prefix} is complete")
