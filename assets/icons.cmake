# The program's icons: the generator draws them, zef-icongen writes them to assets/icons (target
# zef-icons-update), and zef_assets embeds the committed copies.
add_library(zeficons_gen STATIC
    icon_list.h
    icon_generator/icon_generator.h
    icon_generator/icon_generator.cpp
)
target_include_directories(zeficons_gen PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(zeficons_gen PUBLIC Qt6::Gui)

add_executable(zef-icongen icon_generator/zef_icongen.cpp)
target_link_libraries(zef-icongen PRIVATE zeficons_gen)

add_custom_target(zef-icons-update
    COMMAND zef-icongen ${CMAKE_CURRENT_SOURCE_DIR}/icons
    COMMENT "Redrawing the icons in assets/icons"
    VERBATIM)

target_sources(zef_assets PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/icon_list.h
    ${CMAKE_CURRENT_SOURCE_DIR}/icons.h
    ${CMAKE_CURRENT_SOURCE_DIR}/icons.cpp
)
# Every committed picture; the icon test checks each name of icon_list.h is among them.
file(GLOB zef_icon_pictures CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/icons/*.png)
qt_add_resources(zef_assets "icons"
    PREFIX "/"
    BASE ${CMAKE_CURRENT_SOURCE_DIR}
    FILES ${zef_icon_pictures}
)
