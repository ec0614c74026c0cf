# Tavisto's picture generators. The pictures they draw are checked in under tavisto/resources/;
# redraw them with: cmake --build <dir> --target tavisto_pictures
set(TAVISTO_RESOURCES ${PROJECT_SOURCE_DIR}/tavisto/resources)

add_executable(tavisto_draw_icon EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/draw-icon.cpp)
target_link_libraries(tavisto_draw_icon PRIVATE Qt6::Gui Qt6::Svg project_options)
add_executable(tavisto_draw_relation_diagram EXCLUDE_FROM_ALL
               ${CMAKE_CURRENT_LIST_DIR}/draw-relation-diagram.cpp)
target_link_libraries(tavisto_draw_relation_diagram PRIVATE Qt6::Gui project_options)
add_custom_target(tavisto_pictures
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:tavisto_draw_icon> ${TAVISTO_RESOURCES}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:tavisto_draw_relation_diagram> ${TAVISTO_RESOURCES}/relation-diagram.jpg
  DEPENDS tavisto_draw_icon tavisto_draw_relation_diagram
  VERBATIM)
