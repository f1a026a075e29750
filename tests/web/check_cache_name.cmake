# The service worker's cache name changes with any file of the page, the core's
# velmora.wasm included, and with nothing else: the page laid out three times, from the
# built site's core, as it is, with a changed style sheet and with a changed core.
#   cmake -DPAGE=web -DICONS=a|b -DBUILT_SITE=build-web/site -DWEBSITE=cmake/WebSite.cmake
#         -P check_cache_name.cmake
function(cache_name name out)
    set(site ${work}/${name}/site)
    execute_process(COMMAND ${CMAKE_COMMAND} -DPAGE=${work}/${name}/web -DICONS=${ICONS}
                            -DSITE=${site} -DVERSION=1.0 -DPRERENDER=true -P ${WEBSITE}
                    COMMAND_ERROR_IS_FATAL ANY)
    file(STRINGS ${site}/sw.js line REGEX "^const CACHE = ")
    if(NOT line MATCHES "^const CACHE = 'velmora-1\\.0-[0-9a-f]+'")
        message(FATAL_ERROR "${name}: no cache name in sw.js: ${line}")
    endif()
    set(${out} "${line}" PARENT_SCOPE)
endfunction()

set(work ${CMAKE_CURRENT_BINARY_DIR}/cache_name)
file(REMOVE_RECURSE ${work})
foreach(name same page core)
    file(COPY ${PAGE}/ DESTINATION ${work}/${name}/web)
    file(COPY ${BUILT_SITE}/velmora.js ${BUILT_SITE}/velmora.wasm DESTINATION ${work}/${name}/site)
endforeach()
file(APPEND ${work}/page/web/style.css "\n/* the next version */\n")
file(APPEND ${work}/core/site/velmora.wasm "\n")

cache_name(same first)
cache_name(same again)
cache_name(page page)
cache_name(core core)
if(NOT first STREQUAL again)
    message(FATAL_ERROR "the same files made two cache names: ${first}, ${again}")
endif()
foreach(changed page core)
    if(${changed} STREQUAL first)
        message(FATAL_ERROR "a changed ${changed} kept the cache name ${first}")
    endif()
endforeach()
