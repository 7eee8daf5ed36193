# What `cmake --install` puts under the prefix. The programs find their data
# as ../share/sillabor from their own folder, so bin/ and share/ keep these
# names whatever the prefix.
set(SILLABOR_DATA share/sillabor)

install(TARGETS sillabor-cli RUNTIME DESTINATION bin)
if(TARGET sillabor)
  install(TARGETS sillabor RUNTIME DESTINATION bin)
endif()

# Seeds each user's working folder; the prepared file is built there, not here.
install(FILES ${CMAKE_SOURCE_DIR}/Dizionari/Default/italian.txt DESTINATION ${SILLABOR_DATA}/Dizionari/Default)
install(FILES ${CMAKE_SOURCE_DIR}/sillaboraiut.txt DESTINATION ${SILLABOR_DATA})

set(SILLABOR_DESKTOP_DATA ${CMAKE_SOURCE_DIR}/data)
install(FILES ${SILLABOR_DESKTOP_DATA}/sillabor.desktop DESTINATION share/applications)
install(FILES ${SILLABOR_DESKTOP_DATA}/org.sillabor.sillabor.metainfo.xml DESTINATION share/metainfo)
install(FILES ${SILLABOR_DESKTOP_DATA}/icons/sillabor.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 48 256)
  install(FILES ${SILLABOR_DESKTOP_DATA}/icons/sillabor-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME sillabor.png)
endforeach()
install(FILES ${SILLABOR_DESKTOP_DATA}/man/sillabor.1 ${SILLABOR_DESKTOP_DATA}/man/sillabor-cli.1
        DESTINATION share/man/man1)
install(FILES ${SILLABOR_DESKTOP_DATA}/copyright DESTINATION share/doc/sillabor)
install(FILES ${SILLABOR_DESKTOP_DATA}/completion/sillabor-cli DESTINATION share/bash-completion/completions)
