# Quennet's icon generator. Redraw the checked-in icons with:
#   cmake --build <dir> --target quennet_pictures
add_executable(quennet_draw_icon EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/draw-icon.cpp)
target_link_libraries(quennet_draw_icon PRIVATE Qt6::Gui Qt6::Svg project_options)
add_custom_target(quennet_pictures
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:quennet_draw_icon> ${PROJECT_SOURCE_DIR}/quennet/resources/icons
  DEPENDS quennet_draw_icon
  VERBATIM)
