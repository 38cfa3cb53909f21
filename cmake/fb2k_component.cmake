# The package the player installs: a zip archive named .fb2k-component with the DLL at its root.
set(MELODARA_PACKAGE ${MELODARA_MODULE_DIR}/foo_lyricsource_melodara.fb2k-component)
add_custom_command(OUTPUT ${MELODARA_PACKAGE}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${MELODARA_PACKAGE}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${MELODARA_PACKAGE} --format=zip
          $<TARGET_FILE_NAME:foo_lyricsource_melodara>
  WORKING_DIRECTORY $<TARGET_FILE_DIR:foo_lyricsource_melodara>
  DEPENDS foo_lyricsource_melodara
  COMMENT "Packing foo_lyricsource_melodara.fb2k-component"
  VERBATIM)
add_custom_target(fb2k_component ALL DEPENDS ${MELODARA_PACKAGE})
