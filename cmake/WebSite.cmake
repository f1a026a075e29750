# Lays out the web page: run with cmake -P, given
#   PAGE     the page's source folder (web/)
#   ICONS    the icon files, separated by "|"
#   SITE     the folder to serve, where velmora.js and velmora.wasm already are
#   VERSION  the project's version
#   PRERENDER the command that writes the materials into SITE/index.html, given SITE,
#            its words separated by "|"
# Every file but the service worker is copied in; the service worker (sw.js.in) gets
# the list of the files to keep offline and a cache name made of the version and the
# files' own hash, so that any change to any file, the rules inside velmora.wasm
# included, makes a new cache and the old one is dropped whole.
file(GLOB page RELATIVE ${PAGE} ${PAGE}/*)
foreach(name IN LISTS page)
    if(NOT name STREQUAL "sw.js.in")
        configure_file(${PAGE}/${name} ${SITE}/${name} COPYONLY)
    endif()
endforeach()
file(MAKE_DIRECTORY ${SITE}/icons)
string(REPLACE "|" ";" ICONS "${ICONS}")
foreach(icon IN LISTS ICONS)
    get_filename_component(name ${icon} NAME)
    configure_file(${icon} ${SITE}/icons/${name} COPYONLY)
endforeach()

string(REPLACE "|" ";" PRERENDER "${PRERENDER}")
execute_process(COMMAND ${PRERENDER} ${SITE} COMMAND_ERROR_IS_FATAL ANY)

file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(hashes "")
set(listed "")
foreach(name IN LISTS files)
    file(SHA256 ${SITE}/${name} hash)
    string(APPEND hashes "${name} ${hash}\n")
    string(APPEND listed "  './${name}',\n")
endforeach()
string(SHA256 combined "${hashes}")
string(SUBSTRING ${combined} 0 12 combined)
set(CACHE_NAME "velmora-${VERSION}-${combined}")
set(FILES "${listed}")
configure_file(${PAGE}/sw.js.in ${SITE}/sw.js @ONLY)
